// A press of the left button: one chain of hit tests that runs before the
// cell grid's own press (focus, current cell, range selection, sizing and
// moving); each link either consumes the press or passes it on. The order
// decides which test wins: a check box in a fixed cell, a link in an
// editable cell.
#include "controls/grid/model/GridSelection.h"
#include "controls/grid/model/GridSortFilter.h"
#include "controls/grid/model/GridExchangeState.h"
#include "controls/grid/view/GridMouseState.h"

#include "platform/HandlerGuard.h"

#include <QApplication>

#include <algorithm>

namespace controls {

using platform::TShiftState;

namespace {

// OnMouseDown gets one flag of the keys held: Alt before Shift before Ctrl.
TShiftState oneShiftFlag(TShiftState shift)
{
    for (const auto flag : {platform::ssAlt, platform::ssShift, platform::ssCtrl})
        if (shift.testFlag(flag))
            return flag;
    return {};
}

} // namespace

TGridMouse &TExStringGrid::mouse() const
{
    if (!m_mouse) {
        m_mouse = std::make_shared<TGridMouse>();
        // The system's lines per wheel notch.
        m_mouse->WheelScrl = std::max(QApplication::wheelScrollLines(), 1);
    }
    return *m_mouse;
}

TExStringGrid::TMouseSelectMode TExStringGrid::MouseSelectMode() const { return mouse().SelectMode; }

void TExStringGrid::fireMouseDown(platform::TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (OnMouseDown)
        OnMouseDown(this, Button, Shift, X, Y);
}

void TExStringGrid::fireClickCell(const TClickCellEvent &event, int ARow, int ACol)
{
    if (event)
        event(this, ARow, ACol);
}

void TExStringGrid::GridMouseDown(platform::TMouseButton Button, TShiftState Shift, int X, int Y)
{
    mouse().PressSelection = Selection();
    platform::guarded([&] {
        if ((Button == platform::mbLeft || Button == platform::mbRight)
            && fixedCellEditPress(X, Y, Button == platform::mbRight, Shift.testFlag(platform::ssDouble)))
            return;
        if (Button == platform::mbLeft && Shift.testFlag(platform::ssDouble))
            gridLeftDoubleClick(X, Y);
        else if (Button == platform::mbLeft)
            gridLeftButtonDown(X, Y, Shift);
        else if (Button == platform::mbRight)
            gridRightButtonDown(X, Y, Shift);
        else
            controlMouseDown(Button, Shift, X, Y);
    });
}

// The control-level press: a second press on the current cell edits it, the
// cell grid selects, sizes or moves, and OnMouseDown fires.
void TExStringGrid::controlMouseDown(platform::TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TGridMouse &m = mouse();
    int ACol = -1;
    int ARow = -1;
    MouseToCell(X, Y, ACol, ARow);
    const bool inside = ACol >= 0 && ARow >= 0;
    if (Button == platform::mbLeft && m_mouseActions.RangeSelectAndEdit && !m_mouseActions.EditOnDblClickOnly()) {
        if (inside && ACol == Col() && ARow == Row() && !(Options() & goEditing)
            && IsEditableCell(RealColIndex(ACol), ARow)) {
            setOptions(Options() | goEditing);
            TBaseGrid::GridMouseDown(Button, Shift & ~TShiftState(platform::ssDouble), X, Y);
            ShowEditor();
            return;
        }
        if (inside && (ACol != Col() || ARow != Row()) && (Options() & goEditing) && Shift.testFlag(platform::ssShift)) {
            setOptions(Options() & ~goEditing);
            TBaseGrid::GridMouseDown(Button, Shift & ~TShiftState(platform::ssDouble), X, Y);
            return;
        }
    }
    if (fixedDropDownMouseDown(X, Y))
        return;
    // A press on the current, editable cell opens its editor, as a second
    // click does; the cell grid itself only selects.
    const bool again = Button == platform::mbLeft && inside && ACol == Col() && ARow == Row()
                       && (Options() & goEditing) && !EditorMode();
    m.EditStart = true;
    TBaseGrid::GridMouseDown(Button, Shift & ~TShiftState(platform::ssDouble), X, Y);
    m.EditStart = false;
    fireMouseDown(Button, oneShiftFlag(Shift), X, Y);
    if (again && ACol == Col() && ARow == Row() && IsEditableCell(RealColIndex(ACol), ARow) && !IsFixed(ACol, ARow))
        ShowEditor();
}

void TExStringGrid::gridLeftButtonDown(int X, int Y, TShiftState KeyShift)
{
    TGridMouse &m = mouse();
    m.DoOnClick = m.MouseDownMove = m.MouseKeepDown = true;
    bool editingSuspended = false;
    int ACol = -1;
    int ARow = -1;
    MouseToCell(X, Y, ACol, ARow);
    const TGridRect entrySel = Selection();

    // The selection resizer's handle copies the selection; the release fills.
    if (ARow >= 0 && ACol >= 0 && resizerMouseDown(X, Y, KeyShift))
        return;
    m.PressSelectMode = m.SelectMode;

    // A press outside the selection starts a range rather than an edit.
    if ((Options() & goEditing) && m_mouseActions.RangeSelectAndEdit && !PointInGridRect(entrySel, ACol, ARow))
        setOptions(Options() & ~goEditing);

    bool allow = true;
    if (OnCanClickCell)
        OnCanClickCell(this, ARow, ACol, allow);
    if (!allow)
        return;
    m.PressCell = {ACol, ARow};
    if (CellSelectorMode) {
        CellSelectorClick(ACol, ARow);
        return;
    }

    const TShiftState shift = oneShiftFlag(KeyShift);
    if (m_mouseActions.DisjunctCellSelect() && !shift.testFlag(platform::ssCtrl) && ACol >= 0 && ARow >= 0
        && !IsFixed(ACol, ARow)) {
        ClearSelectedCells();
        InvalidateGrid();
    }

    // Reset and record.
    sortFilter().lookupText.clear();
    m.MoveColInd = m.MoveRowInd = -1;
    m.SelectionClick = false;
    m.PushedCellButton = {-1, -1};
    m.OldTopRow = TopRow();
    m.OldKeepLeftCol = LeftCol();
    // A press just right of (below) a border names the cell before it.
    if (ARow == 0)
        MouseToCell(X - 5, Y, m.ColClicked, m.RowClicked);
    else if (ACol == 0)
        MouseToCell(X, Y - 4, m.ColClicked, m.RowClicked);
    else
        MouseToCell(X - 5, Y - 4, m.ColClicked, m.RowClicked);
    if (m.ColClicked >= 0 && m.RowClicked >= 0) {
        m.ColClickedSize = ColWidths(m.ColClicked);
        m.RowClickedSize = RowHeights(m.RowClicked);
    }
    m.ClickPosX = X;
    m.ClickPosY = Y;

    const bool pressInFixed = ACol >= 0 && ARow >= 0 && (ARow < FixedRows() || ACol < FixedCols());

    if (ACol < 0 || ARow < 0) {
        HideEditor();
        if (!FFixedRowAlways)
            controlMouseDown(platform::mbLeft, KeyShift, X, Y);
        return;
    }

    {
        const TGridCoord base = BaseCell(RealColIndex(ACol), ARow);
        ACol = DisplColIndex(base.X);
        ARow = base.Y;
    }
    const platform::TRect CellR = CellRect(ACol, ARow);
    if (m_mouseActions.CaretPositioning)
        m.LButFlg = true;
    if (fixedSizingMouseDown(X, Y))
        return;

    const bool fixedCell = IsFixed(ACol, ARow);
    if (pressInFixed || fixedCell)
        HideEditor();
    const bool fixedLike = fixedCell && !pressInFixed;
    if (pressInFixed || fixedLike)
        pushFixedCell(ACol, ARow);
    const int RealCol = RealColIndex(ACol);

    if (nodeGlyphPress(ACol, ARow, X, Y, KeyShift))
        return;
    // A radio group takes the press for the option under it.
    if (IsRadio(RealCol, ARow) && (IsEditableCell(RealCol, ARow) || m_controlLook.RadioAlwaysActive)) {
        HideEditor();
        RadioGroupClick(RealCol, ARow, X - CellR.Left, Y - CellR.Top);
        setFocus(Qt::MouseFocusReason);
        return;
    }
    // Ratings, buttons and expand buttons take a press on their object.
    if (pressRating(ACol, ARow, RealCol, X) || pressCellButton(ACol, ARow, RealCol, X, Y))
        return;

    // A press on a merged area selects its base cell.
    int baseX = X;
    int baseY = Y;
    if (IsMergedCell(RealCol, ARow) && !fixedCell && !OnMouseDown) {
        baseX = CellR.Left + 2;
        baseY = CellR.Top + 2;
    }
    if (ACol >= ColCount() || ARow >= RowCount()) {
        controlMouseDown(platform::mbLeft, KeyShift, baseX, baseY);
        return;
    }

    if (m.ColClicked >= 0 && m.RowClicked >= 0) {
        const platform::TRect clicked = CellRect(m.ColClicked, m.RowClicked);
        m.ClickPosDX = X - clicked.Right;
        m.ClickPosDY = Y - clicked.Bottom;
    } else {
        m.ClickPosDX = X;
        m.ClickPosDY = Y;
    }

    // Disjunct rows and columns: Ctrl toggles, a plain press starts afresh.
    if (m_mouseActions.DisjunctRowSelect() && ARow >= FixedRows() && !(ACol == 0 && m_mouseActions.HotmailRowSelect())) {
        if (KeyShift.testFlag(platform::ssShift)) {
            controlMouseDown(platform::mbLeft, KeyShift, baseX, baseY);
            setSelection(TGridRect{ACol, ARow, entrySel.Left, entrySel.Top});
            return;
        }
        if (KeyShift.testFlag(platform::ssCtrl) || m_mouseActions.DisjunctRowSelectNoCtrl) {
            const int flagRow = m_mouseActions.RowSelectPersistent ? RealRowIndex(ARow) : ARow;
            if (RowSelect(flagRow))
                m.DeselectState = true;
        } else {
            m.MouseDown = true;
            if (!KeyShift.testFlag(platform::ssAlt))
                ClearRowSelect();
        }
    }
    if (m_mouseActions.DisjunctColSelect() && ACol >= FixedCols()) {
        if (KeyShift.testFlag(platform::ssCtrl)) {
            if (ColSelect(ACol))
                m.DeselectState = true;
        } else {
            m.MouseDown = true;
            ClearColSelect();
        }
    }

    if (pressLink(ACol, ARow, RealCol, X, Y, CellR))
        return;

    // Header selection.
    m.MoveCell = -1;
    if (ACol < FixedCols() && ARow < FixedRows() && m_mouseActions.AllSelect && (Options() & goRangeSelect)
        && m.SelectMode == msAll) {
        setFocus(Qt::MouseFocusReason);
        HideSelection();
        TGridRect all{FixedCols(), FixedRows(), ColCount() - 1, RowCount() - 1};
        SelectAllHook(all);
        setSelection(all);
        m_selection->selHidden = false;
        HideEditor();
    } else if (ACol < FixedCols() && ARow >= FixedRows() && m_mouseActions.RowSelect && m.SelectMode == msRow) {
        const int oldTop = Selection().Top;
        if (EditorMode())
            setFocus(Qt::MouseFocusReason);
        HideSelection();
        if (m_mouseActions.DisjunctCellSelect())
            ClearSelectedCells();
        if (KeyShift.testFlag(platform::ssShift))
            setSelection(TGridRect{FixedCols(), oldTop, ColCount() - 1, ARow});
        else
            setSelection(TGridRect{FixedCols(), ARow, ColCount() - 1, ARow});
        m_selection->selHidden = false;
        HideEditor();
        m.MouseSelectStart = ARow;
    } else if (ARow < FixedRows() && ACol >= FixedCols() && m_mouseActions.ColSelect && (Options() & goRangeSelect)
               && m.SelectMode == msColumn) {
        const TGridRect sel = Selection();
        setFocus(Qt::MouseFocusReason);
        HideSelection();
        if (m_mouseActions.DisjunctCellSelect())
            ClearSelectedCells();
        int from = ACol;
        int to = ACol;
        if (KeyShift.testFlag(platform::ssShift)) {
            if (ACol < sel.Left)
                to = sel.Right;
            else
                from = sel.Left;
        }
        setSelection(TGridRect{from, FixedRows(), to, RowCount() - 1});
        m_selection->selHidden = false;
        HideEditor();
        m.MouseSelectStart = ACol;
    }
    if (ARow < FixedRows() && ACol >= FixedCols())
        m.MoveCell = ACol;
    else if (ACol < FixedCols() && ARow >= FixedRows())
        m.MoveCell = ARow;
    m.MoveOfsX = X - CellR.Left;
    m.MoveOfsY = Y - CellR.Top;

    bool editable = (Options() & goEditing) || m_mouseActions.RangeSelectAndEdit;
    CheckCellEditable(RealCol, ARow, editable);
    const bool radioButtonCell = HasRadioButton(RealCol, ARow);

    // Check boxes and radio buttons, fixed rows included.
    if ((editable || m_controlLook.CheckAlwaysActive || (ACol == 0 && m_mouseActions.HotmailRowSelect()))
        && (HasCheckBox(RealCol, ARow) || radioButtonCell) && IsInCheckBox(RealCol, ARow, X, Y)) {
        HideEditor();
        setFocus(Qt::MouseFocusReason);
        const int ARowReal = RealRowIndex(ARow);
        if (radioButtonCell) {
            ClickRadioButton(RealCol, ARow, true);
            if (OnRadioButtonClick)
                OnRadioButtonClick(this, RealCol, ARow);
        } else {
            ClickCellCheckBox(RealCol, ARow, true);
        }
        markCheckRowModified(ARow);
        if (ACol == 0 && m_mouseActions.HotmailRowSelect()) {
            setSelection(TGridRect{FixedCols(), ARow, ColCount() - 1, ARow});
            setRowSelect(ARowReal, !RowSelect(ARowReal));
            RepaintCell(0, ARow);
        }
        if (!m_navigation.AlwaysEdit && ARow >= FixedRows() && ACol >= FixedCols())
            MoveColRow(ACol, ARow, true, true);
        if (!radioButtonCell)
            checkBoxPressed(ACol, ARow, RealCol);
        if (OnMouseDown)
            OnMouseDown(this, platform::mbLeft, KeyShift, X, Y);
        Click();
        return;
    }

    const bool comboHit = !fixedCell && m_controlLook.DropDownAlwaysVisible && DoHasComboBox(RealCol, ARow);
    if (!fixedCell && (editable || (comboHit && m_mouseActions.EditOnDblClickOnly()))
        && (m_mouseActions.DirectEdit || (m_controlLook.DropDownAlwaysVisible && comboHit))) {
        HideEditor();
        setFocus(Qt::MouseFocusReason);
    }

    // A press on an always-visible spin pair: the editor it opens steps.
    const bool spinHit = !fixedCell && !pressInFixed && editable && editorButtonPress(ACol, ARow, X, Y);
    const TGridRect sel = Selection();
    const bool secondPress = X >= CellR.Left && X < CellR.Right && Y >= CellR.Top && Y < CellR.Bottom
                             && sel.Left == ACol && sel.Right == ACol && sel.Top == ARow && sel.Bottom == ARow;
    if (!secondPress && m_mouseActions.RangeSelectAndEdit && !fixedCell && !editable) {
        editingSuspended = true;
        setOptions(Options() & ~goEditing);
    }

    if (fixedLike) {
        if (!(FooterRowShown && ARow == RowCount() - 1))
            fireClickCell(OnClickCell, ARow, ACol);
        return;
    }

    // A press on a selected cell of a drag source may become an OLE drag
    // when the mouse moves on (GridOleDrag.cpp).
    if ((IsSelected(ACol, ARow) || (ARow < FixedRows() && !FEnhRowColMove)) && !(Options() & goEditing)
        && !HasButton(RealCol, ARow) && !HasCheckBox(RealCol, ARow) && exchange().dragDrop.OleDropSource
        && !(ARow < FixedRows() && (m_mouseActions.ColSelect || m_mouseActions.AllSelect)) && ACol >= FixedCols()
        && ((X >= CellR.Left + 4 && X <= CellR.Right - 4) || !(Options() & goColSizing))) {
        setFocus(Qt::MouseFocusReason);
        fireMouseDown(platform::mbLeft, KeyShift, X, Y);
        m.SelectionClick = true;
        fireClickCell(OnClickCell, ARow, ACol);
        return;
    }

    // A normal cell, or a cell of the fixed rows and columns.
    const bool edgeCell = ARow == TopRow() + VisibleRowCount() || ACol == LeftCol() + VisibleColCount()
                          || (ACol == LeftCol() && LeftCol() > FixedCols());
    const bool keepHoriz = (Options() & goRowSelect) && m_navigation.KeepHorizScroll;
    const int leftCol = LeftCol();
    const int topRow = TopRow();
    if (keepHoriz)
        StartUpdate();
    const bool selectedByBase = !m_selection->selHidden;
    if (selectedByBase) {
        const bool alwaysEdit = m_navigation.AlwaysEdit;
        m_navigation.AlwaysEdit = false;
        controlMouseDown(platform::mbLeft, KeyShift, baseX, baseY);
        m_navigation.AlwaysEdit = alwaysEdit;
    }
    if (GridState() == gsSelecting && edgeCell && m_mouseActions.NoAutoRangeScroll)
        setGridState(gsNormal);
    if (TopRow() != topRow && m_mouseActions.NoScrollOnPartialRow) {
        setTopRow(topRow);
        setGridState(gsNormal);
    }
    if (keepHoriz) {
        setLeftCol(leftCol);
        ResetUpdate();
    }

    const bool onBorder = ARow < FixedRows() && (Options() & goColSizing)
                          && (std::abs(X - CellR.Left) < 4 || std::abs(X - CellR.Right) < 4);
    if (!onBorder)
        fireClickCell(OnClickCell, ARow, ACol);
    rememberForValidation();

    const bool normal = !pressInFixed && !fixedCell;
    if (normal && editable && IsMergedCell(RealCol, ARow) && (secondPress || m_mouseActions.DirectEdit))
        ShowEditor();

    if (spinHit) {
        // The press opened the editor, which stepped; or it opens now.
        if (EditCtrl() == nullptr && Col() == ACol && Row() == ARow && IsEditable(RealCol, ARow))
            ShowInplaceEdit();
        FSpinUpClick = false;
        FSpinDnClick = false;
        return;
    }
    // Direct editing: the editor opens at once, once the owner lets the current cell move.
    if (normal && X > CellR.Left + 3 && X < CellR.Right - 3
        && (editable || (comboHit && m_mouseActions.EditOnDblClickOnly()))
        && (m_mouseActions.DirectEdit || (m_controlLook.DropDownAlwaysVisible && comboHit))
        && !IsClickControlCell(RealCol, ARow)) {
        if (m_mouseActions.EditOnDblClickOnly() && comboHit && !(Options() & goEditing)) {
            setOptions(Options() | goEditing);
            setFocus(Qt::MouseFocusReason);
        }
        directEditPress(ACol, ARow, selectedByBase);
    }
    if (editingSuspended)
        setGridState(gsSelecting);
}

} // namespace controls
