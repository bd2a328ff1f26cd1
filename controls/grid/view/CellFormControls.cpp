// The form controls of mini-HTML cells: a press on CHECK or RADIO toggles
// it in the cell's text, a press on EDIT, PASSWORD, MASK or COMBO opens a
// line edit or combo box over the control; leaving it writes the VALUE
// back. Tab walks the controls of a cell, then gives the grid the focus.
#include "controls/grid/view/CellFormControls.h"

#include "controls/grid/base/HtmlControls.h"
#include "controls/grid/base/html/DrawHtmlText.h"
#include "controls/grid/model/core/EditorFilters.h"
#include "controls/grid/view/EditExtrasState.h"
#include "controls/grid/view/GridAppearance.h"
#include "controls/grid/view/GridEditState.h"
#include "platform/HandlerGuard.h"

#include <QAbstractItemView>
#include <QKeyEvent>

namespace controls {

namespace {

bool isEditType(const QString &type)
{
    return type == u"EDIT" || type == u"PASSWORD" || type == u"MASK";
}

// Tab and Backtab stay with the control instead of walking the focus chain.
bool tabKey(QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<QKeyEvent *>(event)->key();
    return key == Qt::Key_Tab || key == Qt::Key_Backtab;
}

// Enter and Tab leave the control; true when the key was one of them.
bool leaveKey(TExStringGrid *grid, QWidget *control, QKeyEvent *event, void (TExStringGrid::*leave)(bool))
{
    const int key = event->key();
    if (control->parentWidget() != grid)
        return false;
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        platform::guarded([&] { (grid->*leave)(false); });
        return true;
    }
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
        platform::guarded([&] { (grid->*leave)(true); });
        return true;
    }
    return false;
}

} // namespace

TControlEdit::TControlEdit(TExStringGrid *grid) : QLineEdit(grid), m_grid(grid)
{
    setObjectName(QStringLiteral("ControlEdit"));
    // A password control shows a star for each character.
    setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: 42; }"));
    hide();
}

bool TControlEdit::event(QEvent *event)
{
    if (tabKey(event)) {
        keyPressEvent(static_cast<QKeyEvent *>(event));
        return true;
    }
    return QLineEdit::event(event);
}

void TControlEdit::keyPressEvent(QKeyEvent *event)
{
    if (!leaveKey(m_grid, this, event, &TExStringGrid::controlKeyLeave))
        QLineEdit::keyPressEvent(event);
}

void TControlEdit::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    platform::guarded([&] { m_grid->EndControlEdit(); });
}

TControlCombo::TControlCombo(TExStringGrid *grid) : QComboBox(grid), m_grid(grid)
{
    setObjectName(QStringLiteral("ControlCombo"));
    hide();
    connect(this, &QComboBox::activated, this, [this] { platform::guarded([&] { m_grid->ControlComboSelect(); }); });
}

bool TControlCombo::event(QEvent *event)
{
    if (tabKey(event)) {
        keyPressEvent(static_cast<QKeyEvent *>(event));
        return true;
    }
    return QComboBox::event(event);
}

void TControlCombo::keyPressEvent(QKeyEvent *event)
{
    if (!leaveKey(m_grid, this, event, &TExStringGrid::controlKeyLeave))
        QComboBox::keyPressEvent(event);
}

void TControlCombo::focusOutEvent(QFocusEvent *event)
{
    QComboBox::focusOutEvent(event);
    // The open list takes the focus for a while; the edit goes on.
    if (view() != nullptr && view()->isVisible())
        return;
    platform::guarded([&] { m_grid->EndControlEdit(); });
}

// --- the grid's side -------------------------------------------------------------------------

TControlEdit *TExStringGrid::ControlEdit() const
{
    auto &ex = editExtras();
    if (ex.controlEdit.isNull())
        ex.controlEdit = new TControlEdit(const_cast<TExStringGrid *>(this));
    return ex.controlEdit;
}

TControlCombo *TExStringGrid::ControlCombo() const
{
    auto &ex = editExtras();
    if (ex.controlCombo.isNull())
        ex.controlCombo = new TControlCombo(const_cast<TExStringGrid *>(this));
    return ex.controlCombo;
}

bool TExStringGrid::ControlEditing() const { return m_editExtras && m_editExtras->ctrlEditing; }

void TExStringGrid::StartControlEdit(const QString &HTML, const QString &CtrlType, int ARow, int ACol, int EventCol,
                                     const platform::TRect &R, const QString &CtrlValue, const QString &CtrlID)
{
    auto &ex = editExtras();
    const bool edit = isEditType(CtrlType);
    if (!edit && CtrlType != u"COMBO")
        return;
    ex.ctrlXY = QPoint(ACol, ARow);
    ex.ctrlID = CtrlID;
    ex.ctrlType = CtrlType;
    ex.ctrlEditing = true;
    const int maxLen = GetHtmlControlMaxLen(HTML, CtrlID);
    // Inside the control's box as the cell draws it.
    const int height = std::max(14, R.Bottom - R.Top - 2);
    if (edit) {
        TControlEdit *ed = ControlEdit();
        ed->setEchoMode(CtrlType == u"PASSWORD" ? QLineEdit::Password : QLineEdit::Normal);
        ed->setInputMask(CtrlType == u"MASK" ? inputMaskFromEditMask(GetHtmlControlProp(HTML, CtrlID)) : QString());
        ed->setMaxLength(maxLen > 0 ? maxLen : 32767);
        ed->setText(CtrlValue);
        ed->selectAll();
        ed->setFrame(false);
        ed->setGeometry(R.Left + 1, R.Top + 1, std::max(1, R.Right - R.Left - 4), height);
        ed->show();
        ed->raise();
        ed->setFocus();
        return;
    }
    TControlCombo *combo = ControlCombo();
    combo->clear();
    bool editable = true;
    int dropCount = 8;
    QStringList values;
    if (OnControlComboList)
        OnControlComboList(this, ARow, EventCol, CtrlID, CtrlType, CtrlValue, values, editable, dropCount);
    combo->addItems(values);
    combo->setEditable(editable);
    const int index = combo->findText(CtrlValue);
    if (index >= 0)
        combo->setCurrentIndex(index);
    if (editable) {
        combo->setEditText(CtrlValue);
        if (maxLen > 0 && combo->lineEdit() != nullptr)
            combo->lineEdit()->setMaxLength(maxLen);
    }
    combo->setMaxVisibleItems(dropCount);
    combo->setGeometry(R.Left - 1, R.Top, std::max(1, R.Right - R.Left), std::max(height, combo->sizeHint().height()));
    combo->show();
    combo->raise();
    combo->setFocus();
    combo->showPopup();
}

void TExStringGrid::EndControlEdit()
{
    if (!m_editExtras || !m_editExtras->ctrlEditing)
        return;
    auto &ex = *m_editExtras;
    ex.ctrlEditing = false;
    const QPoint at = ex.ctrlXY;
    QString text = Cells(at.x(), at.y());
    QString value;
    if (isEditType(ex.ctrlType) && !ex.controlEdit.isNull()) {
        value = ex.controlEdit->text();
        ex.controlEdit->hide();
    } else if (ex.ctrlType == u"COMBO" && !ex.controlCombo.isNull()) {
        value = ex.controlCombo->currentText();
        ex.controlCombo->hidePopup();
        ex.controlCombo->hide();
    }
    if (SetHtmlControlValue(text, ex.ctrlID, value))
        SetCellEx(at.x(), at.y(), text);
    if (OnControlEditDone)
        OnControlEditDone(this, at.y(), at.x(), ex.ctrlID, ex.ctrlType, value);
    ex.ctrlType.clear();
}

void TExStringGrid::ControlComboSelect()
{
    if (!m_editExtras || m_editExtras->controlCombo.isNull() || !OnControlComboSelect)
        return;
    const auto &ex = *m_editExtras;
    OnControlComboSelect(this, ex.ctrlXY.y(), ex.ctrlXY.x(), ex.controlCombo->currentIndex(), ex.ctrlID,
                         ex.controlCombo->currentText());
}

void TExStringGrid::controlKeyLeave(bool Tab)
{
    const QString id = editExtras().ctrlID;
    setFocus();
    EndControlEdit();
    if (!Tab)
        return;
    if (m_navigation.AdvanceAuto())
        AdvanceToNextCell(Col(), Row(), true, false, true, false, true);
    else
        EditNextCellControl(Col(), Row(), id);
}

void TExStringGrid::EditNextCellControl(int ACol, int ARow, const QString &CtrlID)
{
    const int rc = RealColIndex(ACol);
    const QString text = Cells(rc, ARow);
    const QString id = NextHtmlEditControlID(text, CtrlID);
    if (id.isEmpty()) {
        setFocus();
        return;
    }
    const TGridAppearance &look = Appearance();
    const platform::TRect r = htmlTextRect(rc, ARow, CellRect(ACol, ARow));
    platform::TCanvas &canvas = Canvas();
    const platform::TFont saved = canvas.Font();
    canvas.Font().Assign(Font());
    THtmlDrawParams params;
    params.HitTestOnly = true;
    params.ControlID = id;
    params.AnchorColor = look.URLColor;
    THtmlDrawResult found;
    DrawHtmlText(canvas, text, r, params, found);
    canvas.Font().Assign(saved);
    if (found.ControlID != id) {
        setFocus();
        return;
    }
    StartControlEdit(text, found.ControlType, ARow, rc, ACol, found.HitControlRect, found.ControlValue, id);
}

bool TExStringGrid::pressCellControl(int ACol, int ARow, int RealCol, const QString &Text, const THtmlDrawResult &Hit)
{
    bool editable = false;
    if (Options().testFlag(goEditing) || FEditDisable)
        editable = !ReadOnly(RealCol, ARow);
    DoCanEditCell(RealCol, ARow, editable);
    if (!editable) {
        // A read-only control is only a link: its owner hears the click.
        bool autoHandle = true;
        if (OnAnchorClick)
            OnAnchorClick(this, ARow, ACol, Hit.HitAnchor, autoHandle);
        return true;
    }
    QString text = Text;
    if (ControlEditing()) {
        EndControlEdit();
        text = Cells(RealCol, ARow);
    }
    QString value;
    GetHtmlControlValue(text, Hit.ControlID, value);
    if (Hit.ControlType == u"CHECK") {
        value = value.compare(u"TRUE", Qt::CaseInsensitive) == 0 ? QStringLiteral("FALSE") : QStringLiteral("TRUE");
        SetHtmlControlValue(text, Hit.ControlID, value);
        SetCellEx(RealCol, ARow, text);
    } else if (Hit.ControlType == u"RADIO") {
        text = ClearHtmlRadioControls(text);
        value = QStringLiteral("TRUE");
        SetHtmlControlValue(text, Hit.ControlID, value);
        SetCellEx(RealCol, ARow, text);
    }
    if (OnControlClick)
        OnControlClick(this, ARow, ACol, Hit.ControlID, Hit.ControlType, value);
    StartControlEdit(text, Hit.ControlType, ARow, RealCol, ACol, Hit.HitControlRect, value, Hit.ControlID);
    return true;
}

} // namespace controls
