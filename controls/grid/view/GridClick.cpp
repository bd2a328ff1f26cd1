// The grid's click processing and the press that edits at once. Both
// remember the current cell's text, so that validation compares an edit
// with what the cell held when the user reached it.
#include "controls/grid/view/GridEditState.h"

namespace controls {

void TExStringGrid::Click()
{
    if (OnClick)
        OnClick(this);
    editState().entered = false;
    SaveOldCellText(Col(), Row());
}

void TExStringGrid::rememberForValidation()
{
    if (!OnCellValidate)
        return;
    editState().entered = false;
    SaveOldCellText(Col(), Row());
}

void TExStringGrid::directEditPress(int ACol, int ARow, bool AskedByBase)
{
    // The selection check fires OnRowChanging, OnColChanging and
    // OnCellChanging, and keeps the cell when one refuses; a refusal the
    // owner gave to the cell grid's own press stands.
    if (!AskedByBase && (ACol != Col() || ARow != Row()))
        setSelection(TGridRect{ACol, ARow, ACol, ARow});
    if (ACol != Col() || ARow != Row())
        return;
    SaveOldCellText(ACol, ARow);
    ShowEditor();
}

} // namespace controls
