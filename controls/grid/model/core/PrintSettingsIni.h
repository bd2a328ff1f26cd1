#pragma once
// The print settings as an INI section: one key per setting in a fixed
// order, flags as "Y"/"N", enumerations as ordinals, colours as decimal
// values, font styles as sums of 1 (bold), 2 (italic), 4 (underline) and
// 8 (strike-out), the title lines as one text with backslash-n between
// lines. Reading takes the outside bytes of a file: every value is checked,
// and one out of range leaves its setting as it was.
#include "controls/grid/model/core/PrintLayoutSettings.h"
#include "platform/IniFile.h"

namespace controls {

// A font as the INI file keeps it.
struct TPrintFontValues {
    QString Name = QStringLiteral("Arial");
    int Size = 10;
    int Style = 0;
    platform::TColor Color = 0;
    friend bool operator==(const TPrintFontValues &, const TPrintFontValues &) = default;
};

struct TPrintIniFonts {
    TPrintFontValues Font;
    TPrintFontValues HeaderFont;
    TPrintFontValues FooterFont;
};

// Font style bits.
constexpr int kPrintFontBold = 1;
constexpr int kPrintFontItalic = 2;
constexpr int kPrintFontUnderline = 4;
constexpr int kPrintFontStrikeOut = 8;

void WritePrintSettingsIni(platform::TMemIniFile &ini, const QString &section, const TPrintLayoutSettings &settings,
                           const TPrintIniFonts &fonts);
// A font style read adds its bits to the font's current ones.
void ReadPrintSettingsIni(const platform::TMemIniFile &ini, const QString &section, TPrintLayoutSettings &settings,
                          TPrintIniFonts &fonts);

} // namespace controls
