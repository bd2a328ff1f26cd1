// The double click, the right button and the radio group's own press.
#include "controls/grid/view/GridMouseState.h"

#include <QFontMetrics>

#include <algorithm>

namespace controls {

using platform::TShiftState;

void TExStringGrid::gridLeftDoubleClick(int X, int Y)
{
    int ACol = -1;
    int ARow = -1;
    MouseToCell(X, Y, ACol, ARow);
    const int reportedCol = ACol;
    const int reportedRow = ARow;
    const auto baseDoubleClick = [this] {
        if (OnDblClick)
            OnDblClick(this);
    };
    if (m_mouseActions.RangeSelectAndEdit && ACol >= 0 && ARow >= 0 && !IsClickControlCell(RealColIndex(ACol), ARow))
        FForceSel = true;
    // Right of the last column counts as the last header cell.
    if (ACol == -1) {
        if (FFixedRowAlways) {
            baseDoubleClick();
            FForceSel = false;
            return;
        }
        ACol = ColCount() - 1;
        ARow = 0;
    }
    if (borderAutoSize(ACol, ARow, X)) {
        baseDoubleClick();
        FForceSel = false;
        return;
    }
    if (onCellButton(X, Y)) {
        FForceSel = false;
        return;
    }
    if (ACol >= 0 && ARow >= 0 && IsClickControlCell(RealColIndex(ACol), ARow)) {
        baseDoubleClick();
        FForceSel = false;
        return;
    }
    baseDoubleClick();
    fireClickCell(OnDblClickCell, reportedRow, reportedCol);

    const bool onCell = ACol >= 0 && ARow >= 0 && ACol < ColCount() && ARow < RowCount();
    const bool normal = onCell && ACol >= FixedCols() && ARow >= FixedRows() && !IsFixed(ACol, ARow);
    if (normal && m_mouseActions.EditOnDblClickOnly()) {
        const bool rangeEdit = m_mouseActions.RangeSelectAndEdit;
        m_mouseActions.RangeSelectAndEdit = true;
        if (IsEditableCell(RealColIndex(ACol), ARow)) {
            setOptions(Options() | goEditing);
            MoveColRow(ACol, ARow, true, true);
            ShowEditor();
        }
        m_mouseActions.RangeSelectAndEdit = rangeEdit;
    } else if (normal && m_mouseActions.RangeSelectAndEdit) {
        if (IsEditableCell(RealColIndex(ACol), ARow)) {
            setOptions(Options() | goEditing);
            const TGridCoord base = BaseCell(RealColIndex(ACol), ARow);
            const platform::TRect r = CellRect(DisplColIndex(base.X), base.Y);
            controlMouseDown(platform::mbLeft, {}, r.Left + 4, r.Top + 4);
        }
    } else if (normal && (Options() & goEditing) && ACol == Col() && ARow == Row()
               && IsEditableCell(RealColIndex(ACol), ARow)) {
        // The first press of the pair made the cell current.
        ShowEditor();
    }
    FForceSel = false;
}

void TExStringGrid::gridRightButtonDown(int X, int Y, TShiftState Shift)
{
    controlMouseDown(platform::mbRight, Shift, X, Y);
    int ACol = -1;
    int ARow = -1;
    MouseToCell(X, Y, ACol, ARow);
    const bool onCell = ACol >= 0 && ARow >= 0;
    if (m_mouseActions.SelectOnRightClick && onCell && !IsFixed(ACol, ARow)
        && !(m_mouseActions.DisjunctCellSelect() && IsSelected(ACol, ARow))) {
        if (!IsClickControlCell(RealColIndex(ACol), ARow)) {
            if (OnRightClickCell) {
                FocusCell(ACol, ARow);
            } else {
                controlMouseDown(platform::mbLeft, {}, X, Y);
                controlMouseUp(platform::mbLeft, {}, X, Y);
            }
        }
        if (IsSelected(ACol, ARow)) {
            bool canSelect = true;
            if (OnSelectCell)
                OnSelectCell(this, ACol, ARow, canSelect);
        } else {
            const int leftCol = LeftCol();
            const bool keep = m_navigation.KeepHorizScroll;
            if (keep)
                StartUpdate();
            const TGridCoord base = BaseCell(RealColIndex(ACol), ARow);
            MoveColRow(DisplColIndex(base.X), base.Y, true, true);
            if (keep) {
                setLeftCol(leftCol);
                ResetUpdate();
            }
        }
        if (m_mouseActions.DisjunctRowSelect()) {
            if (Shift.testFlag(platform::ssCtrl) || m_mouseActions.DisjunctRowSelectNoCtrl) {
                setRowSelect(ARow, !RowSelect(ARow));
            } else {
                ClearRowSelect();
                setRowSelect(ARow, true);
            }
        }
    }
    fireClickCell(OnRightClickCell, ARow, ACol);
}

void TExStringGrid::RadioGroupClick(int ACol, int ARow, int XOffset, int YOffset)
{
    const TGridCoord base = BaseCell(ACol, ARow);
    TCellGraphic *g = GetCellGraphic(base.X, base.Y);
    if (!g || g->FCellType != ctRadio)
        return;
    const QStringList *items = GetRadioStrings(base.X, base.Y);
    if (!items)
        return;
    const int displCol = DisplColIndex(base.X);
    if (!IsFixed(displCol, base.Y))
        MoveColRow(displCol, base.Y, true, true);
    const int spacing = m_controlLook.ControlStyle >= csWinXP ? 16 : m_controlLook.RadioSize;
    const QFontMetrics metrics(Font().qfont());
    int hit = -1;
    if (g->FCellBoolean) {
        // Side by side: each option is its caption's width and the spacing.
        int from = 0;
        for (int i = 0; i < items->size() && hit < 0; ++i) {
            const int to = from + metrics.horizontalAdvance(items->at(i)) + spacing;
            if (XOffset > from && XOffset < to)
                hit = i;
            from = to;
        }
    } else {
        const int height = std::max(spacing, metrics.height());
        for (int i = 0; i < items->size() && hit < 0; ++i)
            if (YOffset > i * height && YOffset < (i + 1) * height)
                hit = i;
    }
    if (hit < 0)
        return;
    if (g->FCellIndex == -1)
        setCells(displCol, base.Y, items->at(hit));
    setCells(displCol, base.Y, Cells(displCol, base.Y));
    SetRadioIdx(base.X, base.Y, hit);
    if (OnRadioClick)
        OnRadioClick(this, displCol, base.Y, hit);
}

} // namespace controls
