#include "controls/grid/view/FixedCellEditors.h"

#include "controls/grid/view/EditExtrasState.h"
#include "platform/HandlerGuard.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QTimer>

namespace controls {

namespace {

// Enter never goes into the text: it ends the edit, and a stored text hands
// the focus back to the grid. False for any other key.
template <typename TEditor>
bool enterEndsEdit(TEditor &editor, TExStringGrid *grid, const QKeyEvent *event)
{
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter)
        return false;
    platform::guarded([&] {
        if (editor.StopEdit() && grid != nullptr)
            grid->setFocus();
    });
    return true;
}

// The text goes through OnCellValidate; a valid one is stored and the
// editor hides, a refused one keeps it open on its cell.
bool stopFixedEdit(TExStringGrid *grid, QWidget *editor, int col, int row, const QString &text)
{
    if (grid == nullptr) {
        editor->hide();
        return true;
    }
    QString value = text;
    bool valid = true;
    if (grid->OnCellValidate)
        grid->OnCellValidate(grid, col, row, value, valid);
    if (!valid) {
        grid->setCol(grid->DisplColIndex(col));
        grid->setRow(row);
        // Once the focus change that asked has settled, the editor takes it back.
        QTimer::singleShot(0, editor, [editor] {
            if (editor->isVisible())
                editor->setFocus();
        });
        editor->setFocus();
        return false;
    }
    if (grid->OnEditingDone)
        grid->OnEditingDone(grid);
    grid->SetCellEx(col, row, value);
    editor->hide();
    return true;
}

} // namespace

TGridTransEdit::TGridTransEdit(TExStringGrid *grid) : QLineEdit(grid), FGrid(grid)
{
    setObjectName(QStringLiteral("EditTrans"));
    hide();
}

bool TGridTransEdit::StopEdit() { return stopFixedEdit(FGrid, this, FCol, FRow, text()); }

void TGridTransEdit::keyPressEvent(QKeyEvent *event)
{
    if (!enterEndsEdit(*this, FGrid, event))
        QLineEdit::keyPressEvent(event);
}

void TGridTransEdit::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    if (isVisible())
        platform::guarded([&] { StopEdit(); });
}

TGridTransCombo::TGridTransCombo(TExStringGrid *grid) : QComboBox(grid), FGrid(grid)
{
    setObjectName(QStringLiteral("ComboTrans"));
    hide();
}

bool TGridTransCombo::StopEdit() { return stopFixedEdit(FGrid, this, FCol, FRow, currentText()); }

void TGridTransCombo::keyPressEvent(QKeyEvent *event)
{
    if (!enterEndsEdit(*this, FGrid, event))
        QComboBox::keyPressEvent(event);
}

void TGridTransCombo::focusOutEvent(QFocusEvent *event)
{
    QComboBox::focusOutEvent(event);
    if (isVisible() && (view() == nullptr || !view()->isVisible()))
        platform::guarded([&] { StopEdit(); });
}

// --- the grid's side -------------------------------------------------------------------------

TGridTransEdit *TExStringGrid::EditTrans() const
{
    auto &ex = editExtras();
    if (ex.editTrans.isNull()) {
        auto *self = const_cast<TExStringGrid *>(this);
        ex.editTrans = new TGridTransEdit(self);
        QObject::connect(ex.editTrans, &QLineEdit::textEdited, ex.editTrans, [self](const QString &text) {
            platform::guarded([&] {
                if (self->OnEditChange)
                    self->OnEditChange(self, self->editExtras().fixedColEdit, self->editExtras().fixedRowEdit, text);
            });
        });
    }
    return ex.editTrans;
}

TGridTransCombo *TExStringGrid::ComboTrans() const
{
    auto &ex = editExtras();
    if (ex.comboTrans.isNull()) {
        auto *self = const_cast<TExStringGrid *>(this);
        ex.comboTrans = new TGridTransCombo(self);
        QObject::connect(ex.comboTrans, &QComboBox::currentTextChanged, ex.comboTrans, [self](const QString &text) {
            platform::guarded([&] {
                if (self->OnEditChange && self->ComboTrans()->isVisible())
                    self->OnEditChange(self, self->editExtras().fixedColEdit, self->editExtras().fixedRowEdit, text);
            });
        });
    }
    return ex.comboTrans;
}

void TExStringGrid::DoFixedEdit(int ACol, int ARow, QStringList &Items, TGridFixedCellEditor &Editor)
{
    if (OnFixedEdit)
        OnFixedEdit(this, ACol, ARow, Items, Editor);
}

void TExStringGrid::StartFixedCellEdit(int ACol, int ARow)
{
    auto &ex = editExtras();
    // An open edit that cannot end keeps the focus.
    if (!ex.editTrans.isNull() && ex.editTrans->isVisible() && !ex.editTrans->StopEdit())
        return;
    if (!ex.comboTrans.isNull() && ex.comboTrans->isVisible() && !ex.comboTrans->StopEdit())
        return;
    bool canEdit = true;
    if (OnCanEditCell)
        OnCanEditCell(this, ARow, ACol, canEdit);
    if (!canEdit)
        return;
    ex.fixedColEdit = ACol;
    ex.fixedRowEdit = ARow;
    TGridFixedCellEditor kind = ACol == 0 ? m_mouseActions.FixedColsEditor : m_mouseActions.FixedRowsEditor;
    QStringList items = m_mouseActions.FixedComboValues();
    DoFixedEdit(ACol, ARow, items, kind);
    platform::TRect r = CellRect(ACol, ARow);
    r = platform::Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
    const int rc = RealColIndex(ACol);
    const QString text = Cells(rc, ARow);
    if (kind == TGridFixedCellEditor::fceEdit) {
        TGridTransEdit *ed = EditTrans();
        ed->setGeometry(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top);
        ed->setText(text);
        ed->FCol = rc;
        ed->FRow = ARow;
        ed->show();
        ed->raise();
        ed->setFocus();
        ed->selectAll();
        return;
    }
    TGridTransCombo *combo = ComboTrans();
    combo->hide();
    combo->clear();
    combo->addItems(items);
    combo->setEditable(kind == TGridFixedCellEditor::fceComboEdit);
    combo->setGeometry(r.Left - 1, r.Top - 1, r.Right - r.Left + 1, r.Bottom - r.Top);
    const int index = combo->findText(text);
    if (index >= 0)
        combo->setCurrentIndex(index);
    if (combo->isEditable())
        combo->setEditText(text);
    combo->FCol = rc;
    combo->FRow = ARow;
    combo->show();
    combo->raise();
    combo->setFocus();
}

bool TExStringGrid::fixedCellEditPress(int X, int Y, bool Right, bool DoubleClick)
{
    const auto rowsEdit = m_mouseActions.FixedRowsEdit;
    const auto colsEdit = m_mouseActions.FixedColsEdit;
    if (rowsEdit == TGridFixedCellEdit::fceNone && colsEdit == TGridFixedCellEdit::fceNone)
        return false;
    int ACol = -1;
    int ARow = -1;
    MouseToCell(X, Y, ACol, ARow);
    if (ACol < 0 || ARow < 0 || ACol >= ColCount() || ARow >= RowCount())
        return false;
    const bool fixedRow = ARow < FixedRows();
    const bool fixedCol = !fixedRow && ACol < FixedCols();
    if (!fixedRow && !fixedCol)
        return false;
    const TGridFixedCellEdit how = fixedRow ? rowsEdit : colsEdit;
    if (DoubleClick) {
        if (how != TGridFixedCellEdit::fceDblClick)
            return false;
        StartFixedCellEdit(ACol, ARow);
        return true;
    }
    if (Right) {
        if (how != TGridFixedCellEdit::fceRightClick)
            return false;
        StartFixedCellEdit(ACol, ARow);
        return true;
    }
    if (how != TGridFixedCellEdit::fceLeftClick)
        return false;
    // With sizing on, a press near the border sizes rather than edits.
    const bool margin = fixedRow ? Options().testFlag(goColSizing) : Options().testFlag(goRowSizing);
    if (margin) {
        const platform::TRect r = CellRect(ACol, ARow);
        if (X < r.Left + 4 || X >= r.Right - 4 || Y < r.Top + 4 || Y >= r.Bottom - 4)
            return false;
    }
    StartFixedCellEdit(ACol, ARow);
    return true;
}

} // namespace controls
