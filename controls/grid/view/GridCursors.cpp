// The pointer over the grid: over a header it shows what a press would
// select (row, column, all), in cell-selector mode the selector, over a cell
// what the owner asks for; a fixed cell's sizing border shows the split.
#include "controls/grid/view/GridMouseState.h"

#include "platform/ui/GridCursors.h"

namespace controls {

void TExStringGrid::DoGetCellCursor(int ACol, int ARow, int X, int Y)
{
    if (!OnGetCellCursor)
        return;
    QCursor c = cursor();
    OnGetCellCursor(this, ACol, ARow, X, Y, c);
    setCursor(c);
}

void TExStringGrid::applyGridCursor(int ACol, int ARow, int X, int Y)
{
    const TGridMouse &m = mouse();
    const bool sizing = GridState() == gsColSizing || GridState() == gsRowSizing;
    if (m.SelectMode != msNormal && !sizing) {
        switch (m.SelectMode) {
        case msColumn:
            setCursor(platform::gridCursor(platform::crGridColSelect));
            break;
        case msRow:
            setCursor(platform::gridCursor(platform::crGridRowSelect));
            break;
        case msAll:
        case msResize:
            setCursor(platform::gridCursor(platform::crGridSelectAll));
            break;
        default: // a link keeps the cursor it has
            break;
        }
    } else if (CellSelectorMode) {
        setCursor(platform::gridCursor(platform::crGridCellSelector));
    } else if (ACol >= 0 && ARow >= 0) {
        DoGetCellCursor(ACol, ARow, X, Y);
    }
    if (m.SizeFixed)
        setCursor(Qt::SplitHCursor);
    if (m.SizeFixedR)
        setCursor(Qt::SplitVCursor);
}

} // namespace controls
