// Validating an edited value: OnCellValidate sees it, a valid value is
// stored (and recorded for undo), a refused one puts the edit back on its
// cell with the old or the handler's text.
#include "controls/grid/base/widget/ExGridUndoRedo.h"
#include "controls/grid/view/GridEditState.h"
#include "controls/grid/view/InplaceEdit.h"

#include <QToolTip>

namespace controls {

namespace {

// Clears a flag however the scope is left.
struct TFlagScope {
    bool &flag;
    bool value;
    TFlagScope(bool &f, bool v) : flag(f), value(f) { f = v; }
    ~TFlagScope() { flag = value; }
};

} // namespace

bool TExStringGrid::ValidateCell(const QString &NewValue)
{
    auto &st = editState();
    if (!st.editing || st.validating)
        return true;
    st.editing = false;
    const bool modifiedBefore = st.oldModified;
    bool valid = true;
    {
        TFlagScope validating(st.validating, true);
        const int rc = RealColIndex(st.oldCol);
        const int row = st.oldRow;
        st.newCellText = NewValue;
        // Left as the editor showed it, the cell keeps its stored text:
        // the editor hides tags, which must not be lost by looking.
        const bool untouched = NewValue == st.shownText;
        const QString start = untouched ? st.oldCellText : NewValue;
        const bool changed = start != st.oldCellText;
        if (changed || AlwaysValidate) {
            TFlagScope advance(m_navigation.AdvanceOnEnter, false);
            QString value = start;
            CellCheckerCorrect(rc, row, value);
            if (OnCellValidate)
                OnCellValidate(this, rc, row, value, valid);
            const bool differs = value != st.oldCellText;
            if (differs) {
                st.gridModified = true;
                if (FixedCols() > 0)
                    setRowModified(row, true);
            }
            if (valid)
                RecalcFooterColumn(rc, row);
            CellCheckerMark(rc, row, value);
            if (valid && differs) {
                if (TExGridUndoRedo *undo = UndoRedo())
                    undo->RegisterChange(TCellChange{rc, row, st.oldCellText, value});
                DoCellsChanged(platform::TRect{rc, row, rc, row});
            }
            // The editor keeps its own text unless the handler changed it.
            st.newCellText = untouched && value == start ? NewValue : value;
            if (valid) {
                if (GetGridCell(rc, row) != value) {
                    SetCellEx(rc, row, value);
                    if (!IsBaseCell(rc, row)) {
                        const TGridCoord base = BaseCell(rc, row);
                        SetCellEx(base.X, base.Y, value);
                    }
                }
            } else {
                st.lastValidation = false;
                // A special editor stays open with the text to correct; the
                // in-place edit is reopened on its cell.
                if (EditCtrl() != nullptr)
                    SetCellEx(rc, row, value != start ? value : st.oldCellText);
                else
                    restoreRefusedEdit(value != start ? value : st.oldCellText, rc, row);
                st.gridModified = modifiedBefore;
                if (!InvalidEntryTitle.isEmpty() || !InvalidEntryText.isEmpty()) {
                    const QString tip = InvalidEntryTitle.isEmpty() ? InvalidEntryText
                                                                    : InvalidEntryTitle + u'\n' + InvalidEntryText;
                    // Below the editor that holds the refused value, special or not.
                    QWidget *anchor = EditCtrl() != nullptr ? EditCtrl() : InplaceEditor();
                    if (anchor != nullptr && anchor->isVisible())
                        QToolTip::showText(anchor->mapToGlobal(QPoint(0, anchor->height())), tip, anchor);
                }
            }
            st.oldCellText = GetGridCell(rc, row);
        }
        if (valid)
            SaveOldCellText(Col(), Row());
    }
    if (valid)
        HideFocusWindow();
    else
        st.editing = true;
    return valid;
}

void TExStringGrid::restoreRefusedEdit(const QString &Value, int RealCol, int ARow)
{
    auto &st = editState();
    const QString text = Value; // Value may be one of the fields below
    // The editor reopens on the refused cell with the text to correct.
    HideEditor(true);
    if (memoOpen())
        closeMemo(false, false);
    SetCellEx(RealCol, ARow, text);
    const int col = DisplColIndex(RealCol);
    if (Col() != col || Row() != ARow) {
        const bool force = FForceSel;
        FForceSel = true;
        FocusCell(col, ARow);
        FForceSel = force;
    }
    st.validating = false;
    st.editing = true;
    st.editMode = false;
    ShowInplaceEdit();
    st.validating = true;
}

} // namespace controls
