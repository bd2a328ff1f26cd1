#pragma once
// The string grid's cell finder: the order in which a search walks a block
// of cells, and the test of one cell's text. The grid gives the block, the
// cell to start after and the texts; nothing here knows a widget.
#include <QFlags>
#include <QPoint>
#include <QString>

#include <cstdint>
#include <functional>

namespace controls {

// Stored as a 16-bit word; bit n is the n-th value.
enum TFindParameters : std::uint16_t {
    fnMatchCase = 0x0001,
    fnMatchFull = 0x0002,
    fnMatchRegular = 0x0004, // the search text is a filter condition
    fnDirectionLeftRight = 0x0008, // row by row; otherwise column by column
    fnMatchStart = 0x0010,
    fnFindInCurrentRow = 0x0020,
    fnFindInCurrentCol = 0x0040,
    fnIncludeFixed = 0x0080,
    fnAutoGoto = 0x0100,
    fnIgnoreHTMLTags = 0x0200,
    fnBackward = 0x0400,
    fnIncludeHiddenColumns = 0x0800,
    fnFindInPresetCol = 0x1000,
    fnFindInPresetRow = 0x2000,
    fnSelectedCells = 0x4000,
    fnIncludeHiddenRows = 0x8000,
};
Q_DECLARE_FLAGS(TFindParams, TFindParameters)
Q_DECLARE_OPERATORS_FOR_FLAGS(TFindParams)

// The test of one cell. Without fnMatchCase both texts compare as upper
// case; a search text of exactly two double quotes finds the empty cells
// only, and an empty one finds nothing unless it is a condition.
class TCellMatcher {
public:
    TCellMatcher(const QString &search, TFindParams params, bool wide);
    bool matches(const QString &cellText) const;
    // The search text as the grid keeps it: upper-cased unless fnMatchCase.
    const QString &preparedSearch() const { return m_search; }

private:
    bool matchesText(const QString &text) const;
    QString m_search;
    TFindParams m_params;
    Qt::CaseSensitivity m_case;
    bool m_emptyOnly;
    bool m_stripTags;
};

// Inclusive bounds.
struct TFindRange {
    int FirstCol = 0;
    int LastCol = -1;
    int FirstRow = 0;
    int LastRow = -1;
};

struct TFindWalk {
    TFindParams Params;
    TFindRange Range;
    // The search starts at the cell after this one in walking order;
    // (-1, -1) or a cell outside the block starts at its first cell (its
    // last one walking backwards).
    QPoint Start{-1, -1};
    // What the restrictions to one row or one column use.
    int CurrentCol = 0;
    int CurrentRow = 0;
    int PresetCol = 0;
    int PresetRow = 0;
    std::function<bool(int col, int row)> Test;
    // Told before each cell is looked at.
    std::function<void(int row)> NewRow;
    // Columns passed over; only row by row.
    std::function<bool(int col)> IgnoreColumn;
};

// The first cell that passes the test, or (-1, -1). No wrap-around: the
// walk ends at the end of the block.
QPoint walkCells(const TFindWalk &walk);

// Every occurrence of what replaced by with, without regard to case; an
// empty what changes nothing.
QString replaceIgnoringCase(const QString &text, const QString &what, const QString &with);

} // namespace controls
