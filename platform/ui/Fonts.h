#pragma once
// Fonts are given as on Windows: a family name and a size in points at
// 96 dots per inch. The layer maps the Windows families to metric-compatible
// ones that ship with the system and sizes the font in pixels, so that the
// pixel layouts of the windows hold whatever the screen's own resolution.
#include <QFont>
#include <QString>

namespace platform {

// Pixel height of the em box for a size in points at 96 dpi, rounded like
// Windows does (8 pt -> 11 px, 9 pt -> 12 px, 10 pt -> 13 px).
int pointsToPixels(int points);

// The installed family that stands in for a Windows family name; unknown
// names are passed through unchanged.
QString mapFontFamily(const QString &windowsFamily);

struct FontStyle {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
};

// A pixel-sized font for a Windows family and a size in points.
QFont makeFont(const QString &windowsFamily, int points, FontStyle style = {});

// The font every window of the program uses: Verdana 8 pt.
QFont defaultFormFont();

} // namespace platform
