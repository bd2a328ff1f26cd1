// The mouse moving over the grid: the mouse-select mode that decides what a
// press on a header does, the cell grid's own move (range selection, sizing
// and moving), and leaving the grid. Hover looks are the painting's.
#include "controls/grid/view/GridMouseState.h"

#include "platform/HandlerGuard.h"

#include <cstdlib>

namespace controls {

using platform::TShiftState;

namespace {

bool sameRect(const TGridRect &a, const TGridRect &b)
{
    return a.Left == b.Left && a.Top == b.Top && a.Right == b.Right && a.Bottom == b.Bottom;
}

} // namespace

// Dragging over the row (column) header after a press that selected whole
// rows (columns) extends that selection; rows scroll at the edges.
void TExStringGrid::headerDragSelect(TGridMouse &m, int ACol, int ARow, int Y)
{
    if (m.MouseSelectStart < 0 || !m.MouseDownMove)
        return;
    if (m.PressSelectMode == msRow && m_mouseActions.RowSelect) {
        if (ARow >= FixedRows() && ARow < RowCount() - FFixedFooters) {
            const int to = std::max(FixedRows(), ARow);
            setSelection(TGridRect{FixedCols(), std::min(m.MouseSelectStart, to), ColCount() - 1,
                                   std::max(m.MouseSelectStart, to)});
        }
        if (Y > height() - 4 && TopRow() < MaxTopRow())
            setTopRow(TopRow() + 1);
        else if (FixedRows() > 0 && Y >= 0 && Y < RowHeights(0) && TopRow() > FixedRows())
            setTopRow(TopRow() - 1);
    } else if (m.PressSelectMode == msColumn && m_mouseActions.ColSelect && ACol >= FixedCols()) {
        const int to = std::max(FixedCols(), ACol);
        setSelection(TGridRect{std::min(m.MouseSelectStart, to), FixedRows(), std::max(m.MouseSelectStart, to),
                               RowCount() - 1});
    }
}

void TExStringGrid::ScreenToCell(QPoint P, int &ACol, int &ARow) const
{
    const QPoint local = mapFromGlobal(P);
    MouseToCell(local.x(), local.y(), ACol, ARow);
}

bool TExStringGrid::IsOnSizingBorder(int X, int Y)
{
    int ACol = -1;
    int ARow = -1;
    MouseToCell(X, Y, ACol, ARow);
    if (ACol < 0 || ARow < 0)
        return false;
    const platform::TRect R = CellRect(ACol, ARow);
    const bool colTest = ARow <= FixedRows() && (Options() & goColSizing)
                         && (std::abs(X - R.Left) < 4 || std::abs(X - R.Right) < 4);
    if (ACol <= FixedCols() && (Options() & goRowSizing))
        return std::abs(Y - R.Top) <= 3 || std::abs(Y - R.Bottom) <= 3;
    return colTest;
}

void TExStringGrid::GridMouseMove(TShiftState Shift, int X, int Y)
{
    platform::guarded([&] {
        TGridMouse &m = mouse();
        // Moving with the button down selects a range.
        if (m.MouseDownMove && m_mouseActions.RangeSelectAndEdit && (Options() & goEditing) && !EditorMode())
            setOptions(Options() & ~goEditing);
        const TGridRect entry = Selection();
        int ACol = -1;
        int ARow = -1;
        MouseToCell(X, Y, ACol, ARow);
        hoverCellObjects(ACol, ARow, X, Y);

        headerDragSelect(m, ACol, ARow, Y);
        // What a press here would select.
        m.SelectMode = onSelectionResizer(X, Y) ? msResize : msNormal;
        const int lastRow = FooterRowShown ? RowCount() - 2 : RowCount() - 1;
        if (ACol >= 0 && ARow >= 0 && ARow < FixedRows() && ACol < FixedCols() && m_mouseActions.AllSelect)
            m.SelectMode = msAll;
        else if (ARow >= 0 && ARow < FixedRows() && ACol >= FixedCols() && m_mouseActions.ColSelect
                 && !IsOnSizingBorder(X, Y))
            m.SelectMode = msColumn;
        else if (ACol >= 0 && ACol < FixedCols() && ARow >= FixedRows() && ARow <= lastRow
                 && m_mouseActions.RowSelect && !IsOnSizingBorder(X, Y))
            m.SelectMode = msRow;

        if (oleDragStart(X, Y))
            return;
        moveFeedback(X, Y);
        hoverMouseMove(X, Y);
        TBaseGrid::GridMouseMove(Shift, X, Y);
        applyGridCursor(ACol, ARow, X, Y);
        sizingMouseMove(X, Y);

        // A drag never scrolls sideways with KeepHorizScroll.
        if (m_navigation.KeepHorizScroll && m.MouseKeepDown && GridState() != gsColMoving
            && LeftCol() != m.OldKeepLeftCol) {
            StartUpdate();
            setLeftCol(m.OldKeepLeftCol);
            ResetUpdate();
        }
        const TGridRect now = Selection();
        if (!sameRect(entry, now))
            DoSelectionChanged(now.Left, now.Top, now.Right, now.Bottom);
    });
}

void TExStringGrid::leaveEvent(QEvent *event)
{
    TBaseGrid::leaveEvent(event);
    platform::guarded([&] { GridMouseLeave(); });
}

void TExStringGrid::GridMouseLeave()
{
    TGridMouse &m = mouse();
    m.SelectMode = msNormal;
    m.SizeFixed = m.SizeFixedR = false;
    hoverMouseLeave();
    clearHoverButton();
    if (HoverRow() && FHoverRowIdx >= 0) {
        const int row = FHoverRowIdx;
        FHoverRowIdx = -1;
        InvalidateRow(row);
    }
}

} // namespace controls
