// How long and how tall the texts of a column or a row run, in characters
// and lines: what fixed-width export and row sizing ask of the cells.
#include "controls/grid/base/LineBreaks.h"
#include "controls/grid/model/ExGrid.h"
#include "controls/grid/view/GridAppearance.h"

namespace controls {

int TExStringGrid::MaxColumnTextLength(int ACol)
{
    const bool multi = Appearance().Multilinecells;
    int longest = 0;
    for (int r = 0; r < RowCount(); ++r) {
        QString text = ReadCellText(ACol, r);
        if (!multi) {
            longest = std::max(longest, static_cast<int>(text.size()));
            continue;
        }
        // Line by line: CR LF between lines, the LF no character of a line.
        while (!text.isEmpty()) {
            QString line;
            CutFirstLine(text, true, line);
            longest = std::max(longest, static_cast<int>(line.size()));
        }
    }
    return longest;
}

int TExStringGrid::MaxRowLineCount(int ARow)
{
    if (ColCount() == 0 || !Appearance().Multilinecells)
        return 1;
    // The shown columns: a hidden column's lines take no room in the row.
    int most = 1;
    for (int c = 0; c < ColCount(); ++c)
        most = std::max(most, CountTextLines(Cells(RealColIndex(c), ARow), true));
    return most;
}

} // namespace controls
