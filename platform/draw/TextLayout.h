#pragma once
// Where DrawText puts its text: prefix characters, line breaks, word
// wrapping, tab expansion, ellipses and alignment, worked out apart from any
// painting so that the canvas only draws what this computes.
#include "platform/draw/Geometry.h"

#include <QString>
#include <QStringView>

#include <functional>
#include <vector>

namespace platform {

struct TextFontInfo {
    // Width in pixels of a piece of text in the font.
    std::function<int(QStringView)> measure;
    int lineHeight = 0;
    int averageCharWidth = 0;
};

struct TextRun {
    QString text;
    int x = 0; // from the line's left
};

struct TextUnderline {
    int x = 0; // from the line's left
    int width = 0;
};

struct TextLine {
    QString text; // as shown, prefixes resolved
    std::vector<TextRun> runs;
    std::vector<TextUnderline> underlines;
    int x = 0;
    int y = 0; // top of the line
    int width = 0;
};

struct TextLayout {
    std::vector<TextLine> lines;
    TRect bounds;        // the rectangle DT_CALCRECT gives
    int resultHeight = 0; // DrawText's answer
};

TextLayout layoutText(const QString &text, const TRect &rect, unsigned format, const TextFontInfo &font);

// The longest start of text that fits width followed by "..."; the text
// itself when it fits.
QString ellipsizeEnd(const QString &text, int width, const TextFontInfo &font);
// Characters before the last path separator give way to "..." first, then
// the start of the last part.
QString ellipsizePath(const QString &text, int width, const TextFontInfo &font);

} // namespace platform
