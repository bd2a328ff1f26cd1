// What the cell-selection check does for editing: whether the target cell
// may be edited (goEditing follows it), and validating an open edit before
// the current cell leaves it.
#include "controls/grid/view/GridEditState.h"
#include "controls/grid/view/InplaceEdit.h"
#include "controls/grid/view/MemoEdit.h"
#include "controls/grid/view/SpecialEditor.h"

namespace controls {

void TExStringGrid::editOnMergedEntry(int ACol, int ARow)
{
    if (m_mouseActions.DirectEdit || (m_controlLook.DropDownAlwaysVisible && DoHasComboBox(ACol, ARow)))
        ShowInplaceEdit();
}

void TExStringGrid::prepareCellEditing(int RealCol, int ARow)
{
    auto &st = editState();
    const TGridOptions options = Options();
    const bool editingOn = options.testFlag(goEditing);
    if (IsClickControlCell(RealCol, ARow)) {
        bool canEdit = true;
        CheckCellEditable(RealCol, ARow, canEdit);
        if (!FEditDisable)
            FEditDisable = !canEdit && (editingOn || m_mouseActions.RangeSelectAndEdit);
        if (!editingOn && !options.testFlag(goRowSelect) && canEdit) {
            st.editChange = true;
            setOptions(options | goEditing);
        }
        return;
    }
    bool canEdit = editingOn || FEditDisable;
    CheckCellEditable(RealCol, ARow, canEdit);
    if (canEdit && m_mouseActions.DirectEdit) {
        st.editControl = DefaultEditor;
        if (HasNoEditor(RealCol, ARow))
            canEdit = false;
    }
    if (m_mouseActions.EditOnDblClickOnly())
        canEdit = false;
    if (canEdit) {
        FEditDisable = false;
        if (!editingOn) {
            st.editChange = true;
            if (!st.editing)
                SaveOldCellText(DisplColIndex(RealCol), ARow);
            TGridOptions next = options | goEditing;
            if (m_mouseActions.RangeSelectAndEdit)
                next &= ~TGridOptions(goRowSelect);
            setOptions(next);
        }
        if ((st.editing && (EditorMode() || memoOpen())) || EditCtrl() != nullptr)
            HideInplaceEdit();
        return;
    }
    if ((st.editing && (EditorMode() || memoOpen())) || EditCtrl() != nullptr)
        HideInplaceEdit();
    if (editingOn) {
        st.editMode = false;
        FEditDisable = true;
        st.editChange = true;
        setOptions(options & ~TGridOptions(goEditing));
    }
}

bool TExStringGrid::validateBeforeMove(int ACol, int ARow)
{
    auto &st = editState();
    // An edit still open is checked before its cell is left; refused, the
    // current cell stays and so does the edit.
    if (st.editing) {
        const TExInplaceEdit *editor = EditorMode() ? NormalEdit() : nullptr;
        QString text = memoOpen() ? editState().memo->cellText() : editor != nullptr ? editor->text() : CurrentCell();
        // A special editor's value is checked as the in-place edit's text is.
        if (EditCtrl() != nullptr)
            if (const TGridSpecialEditor *open = SpecialEditor(EditControl()); open != nullptr && open->isOpen())
                text = open->value().value_or(text);
        if (!ValidateCell(text))
            return false;
    }
    bool allow = true;
    if (!FDisableChange)
        DoCellChanging(ACol, ARow, allow);
    return allow;
}

} // namespace controls
