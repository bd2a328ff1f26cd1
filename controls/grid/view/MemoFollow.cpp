// The editor of cells of several lines is a child of its own: when the
// grid scrolls it moves with its cell, and hides while the cell is out of
// view by standing outside the grid, still open with its text (the
// one-line editor is placed by the cell grid itself).
#include "controls/grid/view/GridEditState.h"
#include "controls/grid/view/MemoEdit.h"

#include "platform/draw/Geometry.h"

namespace controls {

void TExStringGrid::GridTopLeftChanged()
{
    TBaseGrid::GridTopLeftChanged();
    syncGridScroll();
    // The design-time box and column numbers stay where they are.
    if (Designing())
        update();
    if (!m_editState || m_editState->memo.isNull() || !memoOpen())
        return;
    TExMemoEdit *memo = m_editState->memo;
    const QRect cell = platform::toQRect(CellRect(Col(), Row())).intersected(QRect(0, 0, ClientWidth(), ClientHeight()));
    if (cell.isEmpty() || platform::IsRectEmpty(TCellGrid::CellRect(Col(), Row())))
        memo->move(-memo->width() - 1, -memo->height() - 1);
    else
        memo->setGeometry(cell);
}

} // namespace controls
