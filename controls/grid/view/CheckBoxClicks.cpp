// What follows a check box toggled by a press or by Space: the modified
// marker of its row, OnCheckBoxClick with the new state, and a header check
// box that sets the whole column (or every row's selection).
#include "controls/grid/view/GridAppearance.h"
#include "controls/grid/view/GridMouseState.h"

namespace controls {

void TExStringGrid::DoCheckBoxClick(int ACol, int ARow, bool State)
{
    if (OnCheckBoxClick)
        OnCheckBoxClick(this, ACol, ARow, State);
}

void TExStringGrid::markCheckRowModified(int ARow)
{
    if (!Appearance().ShowModified.Enabled)
        return;
    setRowModified(ARow, true);
    RepaintCell(0, ARow);
}

void TExStringGrid::checkBoxPressed(int ACol, int ARow, int RealCol)
{
    bool state = false;
    GetCheckBoxState(RealCol, RealRowIndex(ARow), state);
    DoCheckBoxClick(ACol, ARow, state);
    if (Appearance().HideFocusRect)
        RepaintCell(ACol, ARow);
    if (ARow >= FixedRows() || !m_mouseActions.CheckAllCheck)
        return;
    // A header check box sets every data row alike.
    for (int row = FixedRows(); row < RowCount(); ++row) {
        if (m_mouseActions.HotmailRowSelect())
            setRowSelect(RealRowIndex(row), state);
        else
            SetCheckBoxState(RealCol, row, state);
    }
    InvalidateGrid();
}

} // namespace controls
