#pragma once
// A reader of the rich text (RTF) a cell may hold: its plain text and its
// character runs (bold, italic, underline, strike-out, size, colour, font,
// offset). Cell
// rich text comes from files, the clipboard and drops, so the reader takes
// any bytes: groups nest at most kMaxRichDepth deep, the text stops at
// kMaxRichText characters, destinations it does not know are skipped, and a
// broken text gives what it read up to the break.
#include "platform/Color.h"

#include <QString>
#include <vector>

namespace controls {

constexpr int kMaxRichDepth = 64;
constexpr int kMaxRichText = 1 << 20;
constexpr int kMaxRichFontName = 256;

// The look of a run of characters.
struct TRichCharFormat {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    int halfPoints = 0; // \fs: size in half points; 0: the cell font's size
    platform::TColor color = platform::clNone; // clNone: the cell's font colour
    QString fontName; // \f through the font table; empty: the cell's font
    int offsetTwips = 0; // \up, \dn: raised above (or below) the base line
    friend bool operator==(const TRichCharFormat &, const TRichCharFormat &) = default;
};

struct TRichRun {
    QString text;
    TRichCharFormat format;
};

struct TRichText {
    std::vector<TRichRun> runs;
    // Groups deeper than the bound or text beyond it were left out.
    bool truncated = false;
    // The runs' texts joined; paragraphs end in "\r\n".
    QString plainText() const;
};

// Rich text starts with "{\rtf".
bool isRichText(const QString &text);
// Never fails: text that is no rich text reads as one plain run.
TRichText readRichText(const QString &text);
// The plain text of a cell: rich text read, any other text as it is.
QString richCellPlainText(const QString &text);

} // namespace controls
