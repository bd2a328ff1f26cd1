// The print settings in an INI file: the section's layout is grid_core's;
// here the grid's fonts go in and out of it.
#include "controls/grid/model/ExGrid.h"
#include "controls/grid/model/core/GridError.h"
#include "controls/grid/model/core/PrintSettingsIni.h"

namespace controls {

namespace {

TPrintFontValues valuesOf(const platform::TFont &font)
{
    const platform::FontStyle s = font.Style();
    return {font.Name(), font.Size(),
            (s.bold ? kPrintFontBold : 0) | (s.italic ? kPrintFontItalic : 0) | (s.underline ? kPrintFontUnderline : 0)
                | (s.strikeOut ? kPrintFontStrikeOut : 0),
            font.Color()};
}

void applyTo(platform::TFont &font, const TPrintFontValues &v)
{
    font.setName(v.Name);
    font.setSize(v.Size);
    font.setStyle({(v.Style & kPrintFontBold) != 0, (v.Style & kPrintFontItalic) != 0,
                   (v.Style & kPrintFontUnderline) != 0, (v.Style & kPrintFontStrikeOut) != 0});
    font.setColor(v.Color);
}

} // namespace

void TExStringGrid::SavePrintSettings(const QString &Key, const QString &Section)
{
    platform::TIniFileOnDisk file(Key);
    const TPrintIniFonts fonts{valuesOf(PrintSettings.Font), valuesOf(PrintSettings.HeaderFont),
                               valuesOf(PrintSettings.FooterFont)};
    WritePrintSettingsIni(file.data(), Section, PrintSettings, fonts);
    QString error;
    if (!file.UpdateFile(&error))
        throw ZOraZaziRarar(QStringLiteral("Cannot Create file ") + Key);
}

void TExStringGrid::LoadPrintSettings(const QString &Key, const QString &Section)
{
    const platform::TIniFileOnDisk file(Key);
    TPrintIniFonts fonts{valuesOf(PrintSettings.Font), valuesOf(PrintSettings.HeaderFont),
                         valuesOf(PrintSettings.FooterFont)};
    ReadPrintSettingsIni(file.data(), Section, PrintSettings, fonts);
    applyTo(PrintSettings.Font, fonts.Font);
    applyTo(PrintSettings.HeaderFont, fonts.HeaderFont);
    applyTo(PrintSettings.FooterFont, fonts.FooterFont);
}

} // namespace controls
