#pragma once
// Finding and counting in cell texts. Positions count from 1; 0 is "not
// found", as the grid's callers store them.
#include <QString>

#include <utility>

namespace controls {

// A block of cells, inclusive on every side.
struct TGridRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
};

int PosWithResult(const QString &subText, const QString &text, int &position);
// subText is given upper-cased already; text is upper-cased here.
int UpperCasePos(const QString &upperSubText, const QString &text);
int FindChar(QChar c, const QString &text);
// position is left alone when c does not occur.
int FindCharWithResult(QChar c, const QString &text, int &position);
int CountCharInText(QChar c, const QString &text);

// The first c that is not one of a doubled pair ("" inside a quoted CSV
// field): pairs are skipped two at a time, so an odd run yields its last
// character. 0 (and position 0) when every c is paired.
int FindUnpairedChar(QChar c, const QString &text, int &position);
int CountUnpairedChars(QChar c, const QString &text);

constexpr bool PointInGridRect(const TGridRect &rect, int col, int row)
{
    return rect.Left <= col && col <= rect.Right && rect.Top <= row && row <= rect.Bottom;
}

// A selection dragged up or left keeps its anchor as Left/Top: callers that
// walk the block want it ordered.
constexpr TGridRect normalisedGridRect(TGridRect r)
{
    if (r.Left > r.Right)
        std::swap(r.Left, r.Right);
    if (r.Top > r.Bottom)
        std::swap(r.Top, r.Bottom);
    return r;
}

} // namespace controls
