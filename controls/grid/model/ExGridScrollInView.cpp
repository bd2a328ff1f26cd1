// Scrolling a cell into view: an out-of-view cell becomes current and is
// centred; with the search panel shown its row is also lifted above it.
#include "controls/grid/model/ExGrid.h"

#include <QScrollBar>

namespace controls {

void TExStringGrid::ScrollInView(int ColIndex, int RowIndex)
{
    if (ColIndex >= ColCount() || RowIndex >= RowCount() || ColIndex < 0 || RowIndex < 0)
        return;
    int a = LeftCol();
    int b = TopRow();
    if (ColIndex < LeftCol() || ColIndex >= LeftCol() + VisibleColCount()) {
        setCol(ColIndex);
        a = std::max(ColIndex - VisibleColCount() / 2, FixedCols());
    }
    if (RowIndex < TopRow() || RowIndex >= TopRow() + VisibleRowCount()) {
        setRow(RowIndex);
        b = std::max(RowIndex - VisibleRowCount() / 2, FixedRows());
    }
    if (a > ColCount() - VisibleColCount() + 1)
        a = ColCount() + 1 - VisibleColCount();
    if (FixedCols() + VisibleColCount() < ColCount())
        setLeftCol(a);
    if (b > RowCount() - VisibleRowCount() + 1)
        b = RowCount() + 1 - VisibleRowCount();
    if (FixedRows() + VisibleRowCount() >= RowCount())
        return;
    setTopRow(b);
    const int panel = SearchPanelHeight();
    if (panel == 0)
        return;
    const int limit = ClientHeight() - panel;
    while (rowTop(RowIndex) + RowHeights(RowIndex) > limit && TopRow() < RowCount() - 1) {
        const int before = TopRow();
        setTopRow(before + 1);
        if (TopRow() == before)
            break;
    }
}

} // namespace controls
