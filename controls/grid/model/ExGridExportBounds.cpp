// The part of the grid the exporters save: the normal cells, widened to the
// fixed ones by the save settings.
#include "controls/grid/model/ExGrid.h"

namespace controls {

int TExStringGrid::SaveStartCol() const
{
    return SaveFixedCells || SaveFixedCols ? 0 : FixedCols();
}

int TExStringGrid::SaveStartRow() const
{
    return SaveFixedCells || SaveFixedRows ? 0 : FixedRows();
}

int TExStringGrid::SaveEndCol() const
{
    return SaveFixedCells || SaveFixedCols ? ColCount() - 1 : ColCount() - FixedRightCols() - 1;
}

int TExStringGrid::SaveEndRow() const
{
    return SaveFixedCells || SaveFixedRows ? RowCount() - 1 : RowCount() - FixedFooters() - 1;
}

int TExStringGrid::SaveColCount() const
{
    return SaveEndCol() - SaveStartCol() + 1;
}

int TExStringGrid::SaveRowCount() const
{
    return SaveEndRow() - SaveStartRow() + 1;
}

void TExStringGrid::fireFileProgress(int percent, int &last)
{
    if (!OnFileProgress || percent == last)
        return;
    last = percent;
    OnFileProgress(this, percent);
}

} // namespace controls
