// The string grid's editor framework: which editor a cell gets, when it
// opens and closes, what it starts with and writes back, and the events
// at its end.
#include "controls/grid/base/CellText.h"
#include "controls/grid/base/HtmlText.h"
#include "controls/grid/model/core/EditorFilters.h"
#include "controls/grid/view/GridEditState.h"
#include "controls/grid/view/InplaceEdit.h"
#include "controls/grid/view/MemoEdit.h"
#include "platform/HandlerGuard.h"

#include <QCoreApplication>

namespace controls {

namespace {

// "GridEditDone" with the cell it names.
class TGridEditDoneEvent : public QEvent {
public:
    TGridEditDoneEvent(int col, int row) : QEvent(GridEditDoneEvent()), m_col(col), m_row(row) {}
    int col() const { return m_col; }
    int row() const { return m_row; }

private:
    int m_col;
    int m_row;
};

} // namespace

TExStringGrid::TGridEditState &TExStringGrid::editState() const
{
    if (!m_editState)
        m_editState = std::make_shared<TGridEditState>();
    return *m_editState;
}

bool TExStringGrid::Modified() const { return editState().gridModified; }
void TExStringGrid::setModified(bool value) { editState().gridModified = value; }
bool TExStringGrid::EditMode() const { return editState().editMode; }
bool TExStringGrid::EditActive() const { return editState().editActive; }
TEditorType TExStringGrid::EditControl() const { return editState().editControl; }
QString TExStringGrid::OriginalCellValue() const { return editState().cellCache; }
TExInplaceEdit *TExStringGrid::NormalEdit() const { return qobject_cast<TExInplaceEdit *>(InplaceEditor()); }

bool TExStringGrid::editorHasFocus() const
{
    const TInplaceEdit *editor = InplaceEditor();
    return editor != nullptr && editor->hasFocus();
}

// --- opening and closing ---------------------------------------------------------------------

void TExStringGrid::ShowInplaceEdit()
{
    if (IsClickControlCell(RealCol(), Row()))
        return;
    if (Row() < TopRow())
        setTopRow(Row());
    if (Col() < LeftCol())
        setLeftCol(Col());
    ShowEditor();
}

void TExStringGrid::HideInplaceEdit()
{
    auto &st = editState();
    if (!st.editMode)
        return;
    if (memoOpen())
        closeMemo(true, true);
    else
        HideEditor();
    CommitEditorControl(Col(), Row());
    st.editMode = false;
    st.editActive = false;
}

void TExStringGrid::ShowCellEdit() { GridKeyDownMessage(platform::VK_F2, {}); }

void TExStringGrid::HideCellEdit()
{
    auto &st = editState();
    if (st.editMode && memoOpen()) {
        if (const QString text = st.memo->cellText(); text != st.shownText)
            StoreEditText(RealCol(), Row(), text);
        return;
    }
    const TExInplaceEdit *editor = NormalEdit();
    const bool defaultOpen = EditorMode() && editor != nullptr;
    // Only an open editor of the current cell commits: a stale call must
    // not write an editor's text into whatever cell is current now.
    if (!st.editMode || (defaultOpen && (editor->EditCol() != Col() || editor->EditRow() != Row())))
        return;
    if (defaultOpen && editor->text() != st.shownText)
        StoreEditText(RealCol(), Row(), editor->text());
    CommitEditorControl(Col(), Row());
}

void TExStringGrid::DoneInplaceEdit(std::uint16_t Key, platform::TShiftState Shift)
{
    auto &st = editState();
    st.editing = false;
    HideInplaceEdit();
    if (m_navigation.AppendOnArrowDown && Key == platform::VK_DOWN && IsLastDataRow())
        AppendAutoRow();
    if (Key == platform::VK_TAB || (Key >= platform::VK_LEFT && Key <= platform::VK_DOWN))
        GridKeyDownMessage(Key, Shift);
    const bool alwaysEdit = m_navigation.AlwaysEdit;
    m_navigation.AlwaysEdit = false;
    setFocus();
    if (Key == platform::VK_RETURN)
        AdvanceToNextCell(Col(), Row(), false, true, true, false, false);
    m_navigation.AlwaysEdit = alwaysEdit;
}

void TExStringGrid::cancelEdit()
{
    auto &st = editState();
    st.editing = false;
    if (memoOpen())
        closeMemo(false, true);
    else
        HideEditor(true);
    CommitEditorControl(Col(), Row());
    st.editMode = false;
    st.editActive = false;
    // Typing went into the cell as it happened: the text from before goes back.
    FlushCellCache();
    setFocus();
}

bool TExStringGrid::IsEditable(int ACol, int ARow)
{
    if (!(Options() & goEditing) && !m_mouseActions.RangeSelectAndEdit && !FEditDisable)
        return false;
    return IsEditableCell(ACol, ARow);
}

void TExStringGrid::FlushCellCache()
{
    const QString &cache = editState().cellCache;
    if (CurrentCell() != cache)
        setCurrentCell(cache);
}

void TExStringGrid::StoreEditText(int ACol, int ARow, const QString &Value)
{
    GridSetEditText(DisplColIndex(ACol), ARow, Value);
    SetCellEx(ACol, ARow, Value);
}

bool TExStringGrid::EditorWantsTab() const { return (Options() & goTabs) || OnCellValidate; }

void TExStringGrid::SaveOldCellText(int ACol, int ARow)
{
    auto &st = editState();
    st.oldCol = ACol;
    st.oldRow = ARow;
    st.oldCellText = GetGridCell(RealColIndex(ACol), ARow);
    st.oldModified = st.gridModified;
}

void TExStringGrid::PostEditDone(int ACol, int ARow)
{
    if (OnEditingDone)
        OnEditingDone(this);
    editState().editMode = false;
    QCoreApplication::postEvent(this, new TGridEditDoneEvent(ACol, ARow));
}

void TExStringGrid::customEvent(QEvent *event)
{
    if (event->type() != GridEditDoneEvent()) {
        TBaseGrid::customEvent(event);
        return;
    }
    platform::guarded([&] {
        const auto *done = static_cast<TGridEditDoneEvent *>(event);
        if (OnEditCellDone)
            OnEditCellDone(this, done->col(), done->row());
        if (m_mouseActions.EditOnDblClickOnly()) {
            HideInplaceEdit();
            editState().editMode = false;
            setOptions(Options() & ~TGridOptions(goEditing));
        }
    });
}

void TExStringGrid::DoGetEditorProp(int ACol, int ARow)
{
    if (OnGetEditorProp)
        OnGetEditorProp(this, ACol, ARow);
}

void TExStringGrid::DoCellChanging(int NewCol, int NewRow, bool &Allow)
{
    if (NewRow != Row() && OnRowChanging)
        OnRowChanging(this, Row(), NewRow, Allow);
    if (NewCol != Col() && OnColChanging)
        OnColChanging(this, Col(), NewCol, Allow);
    if ((NewRow != Row() || NewCol != Col()) && OnCellChanging)
        OnCellChanging(this, Row(), Col(), NewRow, NewCol, Allow);
}

// --- the base grid's editor hooks ------------------------------------------------------------

TInplaceEdit *TExStringGrid::GridCreateEditor() { return new TExInplaceEdit(this); }

bool TExStringGrid::GridCanEditShow()
{
    auto &st = editState();
    if (st.validating)
        return false;
    // The base grid may have closed the editor behind the edit's back.
    if (st.editMode && !EditorMode() && !st.editActive && !memoOpen())
        st.editMode = false;
    const bool allowed = TBaseGrid::GridCanEditShow();
    const TGridCoord base = BaseCell(RealCol(), Row());
    if (allowed && !st.editMode) {
        if (IsClickControlCell(base.X, base.Y))
            return false;
        st.noEditChange = true;
        st.cellCache = CurrentCell();
        // The edit is validated against this cell, whatever cell was last
        // remembered.
        SaveOldCellText(Col(), Row());
        st.editControl = DefaultEditor;
        DoGetEditorType(base.X, base.Y, st.editControl);
        if (st.editControl == edNone) {
            st.noEditChange = false;
            return false;
        }
        st.editMode = true;
        if (isDefaultEditType(st.editControl)) {
            st.showEditProcess = true;
        } else {
            CreateEditorControl(DisplColIndex(base.X), base.Y);
            st.entered = true;
            st.editActive = true;
            st.editing = true;
            ShowFocusWindow(CellRect(Col(), Row()));
            return false;
        }
    }
    if (allowed) {
        st.entered = true;
        st.editing = true;
        ShowFocusWindow(CellRect(Col(), Row()));
        // Cells of several lines get the editor that shows lines.
        if (Multilinecells && isDefaultEditType(st.editControl) && st.editControl != edPassword) {
            openMemo();
            return false;
        }
    }
    return allowed;
}

bool TExStringGrid::memoOpen() const
{
    const auto &st = editState();
    return !st.memo.isNull() && st.memo->isVisible();
}

void TExStringGrid::openMemo()
{
    auto &st = editState();
    if (st.memo.isNull()) {
        st.memo = new TExMemoEdit(this);
        st.memo->setFont(Font().qfont());
    }
    const QString text = GridGetEditText(Col(), Row());
    const QRect cell = platform::toQRect(CellRect(Col(), Row())).intersected(QRect(0, 0, ClientWidth(), ClientHeight()));
    st.memo->open(text, cell, m_navigation.EditSelectAll);
    st.noEditChange = false;
}

void TExStringGrid::closeMemo(bool store, bool notify)
{
    auto &st = editState();
    const QString text = st.memo->cellText();
    st.memo->hide();
    if (store && text != st.shownText && GetGridCell(RealCol(), Row()) != text)
        SetCellEx(RealCol(), Row(), text);
    InvalidateCell(Col(), Row());
    if (notify)
        PostEditDone(RealCol(), Row());
}

QString TExStringGrid::GridGetEditText(int ACol, int ARow)
{
    auto &st = editState();
    st.noEditChange = true;
    TGridCoord cell{RealColIndex(ACol), ARow};
    if (IsMergedNonBaseCell(cell.X, cell.Y))
        cell = BaseCell(cell.X, cell.Y);
    QString text = TBaseGrid::GridGetEditText(cell.X, cell.Y);
    if (!EditWithTags && GetCellTextKind(text, true) == ckHtml)
        text = HtmlToPlainText(text);
    st.shownText = text;
    if (TExInplaceEdit *editor = NormalEdit()) {
        // Masked, the editor shows the text in the mask's form; that form
        // is what an untouched edit leaves.
        editor->setInputMask(inputMaskFromEditMask(GridGetEditMask(ACol, ARow)));
        if (!editor->inputMask().isEmpty()) {
            editor->setText(text);
            st.shownText = editor->text();
        }
        editor->setEditCell(ACol, ARow);
        editor->setLengthLimit(GridGetEditLimit());
        editor->setEchoMode(st.editControl == edPassword ? QLineEdit::Password : QLineEdit::Normal);
        TAlignment ha = taLeftJustify;
        TVAlignment va = vtaTop;
        ResolveCellAlignment(cell.X, cell.Y, ha, va);
        editor->setAlignment(ha == taRightJustify ? Qt::AlignRight | Qt::AlignVCenter : Qt::AlignLeft | Qt::AlignVCenter);
    }
    DoGetEditorProp(ACol, ARow);
    return text;
}

void TExStringGrid::GridSetEditText(int ACol, int ARow, const QString &Value)
{
    TGridCoord cell{ACol, ARow};
    if (IsMergedNonBaseCell(RealColIndex(ACol), ARow)) {
        const TGridCoord base = BaseCell(RealColIndex(ACol), ARow);
        cell = {DisplColIndex(base.X), base.Y};
    }
    TBaseGrid::GridSetEditText(RealColIndex(cell.X), cell.Y, Value);
    RepaintCell(cell.X, cell.Y);
}

QString TExStringGrid::GridGetEditMask(int ACol, int ARow)
{
    QString mask = EditMask;
    if (OnGetEditMask)
        OnGetEditMask(this, ACol, ARow, mask);
    return mask;
}

} // namespace controls
