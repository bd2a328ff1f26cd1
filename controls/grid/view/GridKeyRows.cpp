// The keys that change rows or what a cell holds: Space and Enter on check
// boxes, radio buttons and buttons, Insert and Delete, Down past the last
// data row, and Ctrl+A.
#include "controls/grid/view/GridEditState.h"

#include <algorithm>

namespace controls {

void TExStringGrid::clickControlKey(std::uint16_t Key, int RC)
{
    const int row = Row();
    bool editable = Options().testFlag(goEditing) || m_mouseActions.RangeSelectAndEdit;
    CheckCellEditable(RC, row, editable);
    const bool space = Key == platform::VK_SPACE;
    if (space && (editable || m_controlLook.CheckAlwaysActive) && HasCheckBox(RC, row)) {
        if (ClickCellCheckBox(RC, row, !m_controlLook.CheckAlwaysActive)) {
            bool state = false;
            markCheckRowModified(row);
            GetCheckBoxState(RC, RealRowIndex(row), state);
            DoCheckBoxClick(RC, row, state);
        }
    }
    if (space && (editable || m_controlLook.RadioAlwaysActive) && IsRadio(RC, row)) {
        SelectNextRadioItem(RC, row, !m_controlLook.RadioAlwaysActive);
        int idx = -1;
        GetRadioIdx(RC, row, idx);
        if (OnRadioClick)
            OnRadioClick(this, RC, row, idx);
    }
    if (space && (editable || m_controlLook.RadioAlwaysActive) && HasRadioButton(RC, row)) {
        SetRadioButtonColumnIndex(RC, row);
        if (OnRadioButtonClick)
            OnRadioButtonClick(this, RC, row);
    }
    if (editable && HasButton(RC, row))
        DoButtonClick(RC, row);
    RepaintCell(Col(), row);
}

void TExStringGrid::insertRowKey()
{
    bool allow = true;
    DoCanInsertRow(Row(), allow);
    if (!allow)
        return;
    // The row goes into the unfiltered grid; the filter comes back after.
    const bool filtered = FilterActive();
    const int shownRow = Row();
    if (filtered) {
        const int real = RealRowIndex(shownRow);
        setFilterActive(false);
        if (real < RowCount())
            setRow(real);
    }
    int target = Row();
    int index = 0;
    if (m_navigation.InsertPosition == TInsertPosition::pInsertAfter) {
        if (FFixedRowAlways && FixedRows() == RowCount()) {
            index = RowCount();
            target = FixedRows();
        } else {
            index = Row() + 1;
            target = Row() + 1;
        }
    } else {
        index = Row();
    }
    InsertRows(index, 1);
    if (OnAutoInsertRow)
        OnAutoInsertRow(this, RealRowIndex(index));
    editState().gridModified = true;
    if (filtered) {
        setFilterActive(true);
        target = shownRow + (m_navigation.InsertPosition == TInsertPosition::pInsertAfter ? 1 : 0);
        target = std::max(FixedRows(), std::min(target, RowCount() - 1));
    }
    setRow(target);
    CalcFooter(-1);
}

void TExStringGrid::deleteRowKey()
{
    if (RowCount() - FFixedFooters - FixedRows() < 1)
        return;
    const int real = RealRowIndex(Row());
    // The row goes from the unfiltered grid; the filter comes back after.
    const bool filtered = FilterActive();
    if (filtered)
        setFilterActive(false);
    bool canDelete = true;
    if (OnCanDeleteRow)
        OnCanDeleteRow(this, real, canDelete);
    if (!canDelete) {
        if (filtered)
            setFilterActive(true);
        return;
    }
    DoAutoDeleteRow(filtered ? DisplRowIndex(real) : Row());
    if (filtered) {
        setFilterActive(true);
        if (Row() >= RowCount())
            setRow(std::max(FixedRows(), RowCount() - 1));
    }
    if (FloatingFooterVisible() && Row() == RowCount() - 1)
        setRow(RowCount() - 2);
    SaveOldCellText(Col(), Row());
    editState().gridModified = true;
    CalcFooter(-1);
}

void TExStringGrid::selectAllKey()
{
    const TGridRect all{FirstNormalCol(), FixedRows(), ColCount() - FFixedRightCols - 1,
                        RowCount() - FFixedFooters - 1};
    if (all.Right < all.Left || all.Bottom < all.Top)
        return;
    if (m_mouseActions.DisjunctRowSelect())
        for (int r = FixedRows(); r <= all.Bottom; ++r)
            setRowSelect(r, true);
    setSelection(all);
}

bool TExStringGrid::IsLastDataRow()
{
    return Row() + 1 == RowCount() - FFixedFooters || (FloatingFooterVisible() && Row() + 2 == RowCount());
}

void TExStringGrid::AppendAutoRow()
{
    bool canAdd = true;
    DoCanAddRow(canAdd);
    if (!canAdd)
        return;
    // With footer rows the new row goes before them: appended behind, it
    // would push the last footer's texts into a data row.
    const int index = RowCount() - FFixedFooters;
    if (FFixedFooters > 0)
        InsertRows(index, 1);
    else
        IncRowCount();
    for (int c = 0; c < TotalColCount(); ++c)
        SetGridCell(c, index, QString());
    if (FFixedFooters > 0 || FloatingFooterVisible())
        setRow(Row() + 1);
    if (FloatingFooterVisible())
        CalcFooter(-1);
    if (OnAutoAddRow)
        OnAutoAddRow(this, RowCount() - FFixedFooters - 1);
}

} // namespace controls
