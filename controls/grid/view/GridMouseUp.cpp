// The release of a button: it ends every state a press or a drag started,
// fires OnClick for fixed cells and the check-box mouse-up events, and the
// control-level release keeps the disjunct cells and reports the selection.
#include "controls/grid/model/GridSelection.h"
#include "controls/grid/model/GridExchangeState.h"
#include "controls/grid/view/GridMouseState.h"
#include "controls/grid/view/HeaderClickState.h"

#include "platform/HandlerGuard.h"

#include <cstdlib>
#include <utility>

namespace controls {

using platform::TShiftState;

namespace {

bool sameRect(const TGridRect &a, const TGridRect &b)
{
    return a.Left == b.Left && a.Top == b.Top && a.Right == b.Right && a.Bottom == b.Bottom;
}

} // namespace

void TExStringGrid::GridMouseUp(platform::TMouseButton Button, TShiftState Shift, int X, int Y)
{
    platform::guarded([&] {
        fixedHeaderMouseUp();
        if (Button == platform::mbLeft) {
            gridLeftButtonUp(X, Y, Shift);
        } else if (Button == platform::mbRight) {
            // A right release while a header is dragged is the drag's.
            if (!((GridState() == gsRowMoving || GridState() == gsColMoving) && FEnhRowColMove))
                controlMouseUp(Button, Shift, X, Y);
        } else {
            controlMouseUp(Button, Shift, X, Y);
        }
    });
}

void TExStringGrid::gridLeftButtonUp(int X, int Y, TShiftState Shift)
{
    TGridMouse &m = mouse();
    const bool afterBorderDblClk = std::exchange(headerClick().dblClk, false);
    m.ColMoveFlg = m.ColSizeFlg = false;
    m.MouseDown = m.MouseKeepDown = false;
    m.SelectMode = msNormal;
    m.MouseDownMove = false;
    m.MouseSelectStart = -1;
    releaseFixedCell();
    fixedSizingMouseUp(X, Y);

    if (releaseCellButton(X, Y))
        return;
    int ACol = -1;
    int ARow = -1;
    MouseToCell(X, Y, ACol, ARow);

    // OnClick for a release on a fixed row or column, unless it ends a sizing.
    const bool onBorder = ARow >= 0 && ARow < FixedRows() && ACol >= 0 && (Options() & goColSizing)
                          && cursor().shape() == Qt::SplitHCursor;
    if (OnClick && m.DoOnClick && !onBorder && ACol >= 0 && ARow >= 0
        && (ARow < FixedRows() || ACol < FixedCols()))
        OnClick(this);
    m.DoOnClick = false;

    if (GridState() == gsSelecting) {
        setGridState(gsNormal);
        Click();
    }

    // A press on a selected cell that did not become a drag selects it now.
    if (m.SelectionClick) {
        m.SelectionClick = false;
        if (ACol >= FixedCols() && ARow >= FixedRows() && ACol >= 0 && ARow >= 0) {
            if (Options() & goRowSelect)
                setSelection(TGridRect{FixedCols(), ARow, ColCount() - 1, ARow});
            else
                setSelection(TGridRect{ACol, ARow, ACol, ARow});
        }
    }

    if (m_mouseActions.DisjunctRowSelect() && ACol >= 0 && ARow >= 0 && (!IsNode(ARow) || ACol != 0)) {
        if (!(ACol == 0 && m_mouseActions.HotmailRowSelect()))
            SelectionToRowSelect(false);
        if (ARow >= FixedRows() && ARow < RowCount() - FFixedFooters && m.DeselectState) {
            setRowSelect(m_mouseActions.RowSelectPersistent ? RealRowIndex(ARow) : ARow, false);
            if (m_mouseActions.HotmailRowSelect())
                RepaintCell(0, 0);
        }
        m.DeselectState = false;
    }
    if (m_mouseActions.DisjunctColSelect()) {
        SelectionToColSelect(false);
        if (ACol >= FixedCols() && ACol < ColCount() - FFixedRightCols && m.DeselectState)
            setColSelect(ACol, false);
        m.DeselectState = false;
    }

    nodeGroupSelect(ACol, ARow);
    // A move dropped where it may not drop moves nothing.
    if ((GridState() == gsColMoving || GridState() == gsRowMoving) && FEnhRowColMove) {
        hideMoveFeedback(exchange());
        unsetCursor();
        if (!m.MoveCanDrop) {
            setGridState(gsNormal);
            InvalidateGrid();
        }
        m.MoveCanDrop = true;
    }
    controlMouseUp(platform::mbLeft, Shift, X, Y);
    if (GridState() == gsSelecting)
        setGridState(gsNormal);
    resizerMouseUp();

    if (m.ColMoveFlg || m.ColSizeFlg || ACol < 0 || ARow < 0)
        return;

    // The check box and radio mouse-up events.
    if (ACol >= FixedCols()) {
        const int realCol = RealColIndex(ACol);
        bool state = false;
        if (HasCheckBox(realCol, ARow) && GetCheckBoxState(realCol, RealRowIndex(ARow), state)) {
            if (OnCheckBoxMouseUp)
                OnCheckBoxMouseUp(this, realCol, ARow, state);
        } else if (IsRadio(realCol, ARow)) {
            int idx = -1;
            GetRadioIdx(realCol, ARow, idx);
            if (OnRadioMouseUp)
                OnRadioMouseUp(this, realCol, ARow, idx);
        }
    }
    if (!afterBorderDblClk && (ACol >= FixedCols() || SortSettings().FixedCols))
        headerSortClick(RealColIndex(ACol), ARow, X, Y, Shift);
}

// The control-level release: the disjunct cells, OnSelectionChanged and
// the cell grid's own release (range selection, sizing, moving; OnMouseUp).
void TExStringGrid::controlMouseUp(platform::TMouseButton Button, TShiftState Shift, int X, int Y)
{
    const TGridRect before = Selection();
    int ACol = -1;
    int ARow = -1;
    MouseToCell(X, Y, ACol, ARow);
    filterDropDownMouseUp(X, Y);

    // A sizing released outside the grid is cancelled.
    if ((GridState() == gsColSizing && X >= ClientWidth()) || (GridState() == gsRowSizing && Y >= ClientHeight())) {
        setGridState(gsNormal);
        return;
    }

    if (m_mouseActions.DisjunctCellSelect() && Button == platform::mbLeft && ACol >= 0 && ARow >= 0) {
        const TGridCoord base = BaseCell(RealColIndex(ACol), ARow);
        const int baseCol = DisplColIndex(base.X);
        if (!IsFixed(baseCol, base.Y)) {
            bool canSelect = true;
            if (OnSelectCell)
                OnSelectCell(this, baseCol, base.Y, canSelect);
            if (!canSelect)
                return;
            if (Shift.testFlag(platform::ssShift)) {
                setSelectedCells(ACol, ARow, true);
            } else if (Shift.testFlag(platform::ssCtrl)) {
                setSelectedCells(baseCol, base.Y, !SelectedCells(baseCol, base.Y));
            } else {
                ClearSelectedCells();
                InvalidateGrid();
                setSelectedCells(baseCol, base.Y, true);
            }
        } else if (!Shift.testFlag(platform::ssCtrl) && !IsFixed(ACol, ARow)) {
            ClearSelectedCells();
            InvalidateGrid();
        }
        RepaintCell(ACol, ARow);
    }

    // Reported once per release, and only when the press changed the selection.
    if ((Button == platform::mbLeft || (Button == platform::mbRight && m_mouseActions.SelectOnRightClick))
        && !sameRect(before, mouse().PressSelection))
        DoSelectionChanged(before.Left, before.Top, before.Right, before.Bottom);

    if (!(GridState() == gsColMoving && Button == platform::mbRight)) {
        const TGridState state = GridState();
        if (state == gsColSizing)
            mouse().ColSizeFlg = true;
        if (state == gsColMoving || state == gsRowMoving)
            mouse().ColMoveFlg = true;
        TBaseGrid::GridMouseUp(Button, Shift, X, Y);
        if (OnMouseUp)
            OnMouseUp(this, Button, Shift, X, Y);
        const TGridRect after = Selection();
        if (!sameRect(before, after))
            DoSelectionChanged(after.Left, after.Top, after.Right, after.Bottom);
    }
}

} // namespace controls
