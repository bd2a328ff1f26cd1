// Columns that keep their share of the grid's width: InitOrigColSizes
// records the widths and the grid's width, and every resize with
// ColumnSize.SynchWithGrid scales the recorded widths by the new width.
#include "controls/grid/model/GridSortSettings.h"
#include "controls/grid/view/GridScrollState.h"

#include <cmath>

namespace controls {

void TExStringGrid::InitOrigColSizes()
{
    TGridScrolling &s = scrolling();
    s.OrigColSizes.clear();
    for (int c = 0; c < ColCount(); ++c)
        s.OrigColSizes.push_back(ColWidths(c));
    s.OldSize = width();
}

const std::vector<int> &TExStringGrid::OrigColSizes() const { return scrolling().OrigColSizes; }
int TExStringGrid::OrigGridWidth() const { return scrolling().OldSize; }

void TExStringGrid::synchColumnsWithWidth(int NewWidth)
{
    const TGridScrolling &s = scrolling();
    const TColumnSizeSettings &size = ColumnSize();
    if (!size.SynchWithGrid || s.OldSize <= 0)
        return;
    HideEditor();
    // A single border takes a pixel on either side of the recorded width.
    const double factor = (BorderSingle() ? NewWidth + 2.0 : double(NewWidth)) / s.OldSize;
    const int first = size.SynchNormalCellsOnly ? FixedCols() : 0;
    const int last = size.SynchNormalCellsOnly ? ColCount() - FixedRightCols() - 1 : ColCount() - 1;
    for (int c = first; c <= last && c < int(s.OrigColSizes.size()); ++c)
        setColWidths(c, int(std::trunc(s.OrigColSizes[std::size_t(c)] * factor)));
}

} // namespace controls
