// Feeds arbitrary bytes as an INI file to the reader of the grid's print
// settings. Nothing may crash, and every value it takes must lie in its range.
#include "controls/grid/model/core/PrintSettingsIni.h"

#include <QByteArray>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace controls;
    const platform::TMemIniFile ini =
        platform::TMemIniFile::fromBytes(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    for (const QString &section : ini.ReadSections()) {
        TPrintLayoutSettings settings;
        TPrintIniFonts fonts;
        ReadPrintSettingsIni(ini, section, settings, fonts);
        if (settings.Borders > pbCustom || settings.BorderStyle < 0 || settings.BorderStyle > 6
            || settings.FitToPage > fpCustom || settings.Orientation > poLandscape || settings.Date > ppBottomCenter
            || settings.PageNr > ppBottomCenter || settings.Title > ppBottomCenter || settings.Time > ppBottomCenter)
            std::abort();
        for (const TPrintFontValues *f : {&fonts.Font, &fonts.HeaderFont, &fonts.FooterFont})
            if (f->Size < 1 || f->Size > 1000 || f->Style < 0 || f->Style > 15)
                std::abort();
        for (int length : {settings.ColumnSpacing, settings.RowSpacing, settings.TitleSpacing, settings.FixedWidth,
                           settings.FixedHeight, settings.HeaderSize, settings.FooterSize, settings.LeftSize,
                           settings.RightSize})
            if (length < -100000 || length > 100000)
                std::abort();
        // What was read writes out and reads back the same (where the
        // section's name can be written at all).
        if (!platform::TMemIniFile::isValidSectionName(section))
            continue;
        platform::TMemIniFile out;
        WritePrintSettingsIni(out, section, settings, fonts);
        TPrintLayoutSettings again;
        TPrintIniFonts againFonts;
        ReadPrintSettingsIni(out, section, again, againFonts);
        if (again.Borders != settings.Borders || again.ColumnSpacing != settings.ColumnSpacing
            || againFonts.Font.Size != fonts.Font.Size)
            std::abort();
    }
    return 0;
}
