// The popup's life cycle: the fixed order in which the base prepares,
// sizes, places, opens, focuses, closes and cancels it. Every step that
// reaches a handler or an override checks afterwards that the drop-down
// still exists: a handler may free it.
#include "controls/dropdown/DropDownEdit.h"

#include "controls/dropdown/DropDownForm.h"
#include "controls/dropdown/core/PopupPlacement.h"
#include "controls/dropdown/core/PopupRules.h"
#include "platform/HandlerGuard.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QToolTip>

namespace controls {

TDropDownForm *TExCustomDropDown::DropDownForm() const
{
    return m_form;
}

void TExCustomDropDown::EnsureDropDownForm()
{
    if (m_form)
        return;
    m_form = new TDropDownForm(*this);
    m_form->resize(m_dropDownWidth, m_dropDownHeight);
    m_form->hide();
}

void TExCustomDropDown::SetDropDownControl(QWidget *control)
{
    if (control == m_control)
        return;
    m_control = control;
    PlaceDropDownControl();
}

void TExCustomDropDown::PlaceDropDownControl()
{
    if (!m_form || !m_control)
        return;
    // It keeps its size until the popup is sized from it and shows.
    if (m_control->parentWidget() != m_form) {
        m_control->setParent(m_form);
        m_control->show();
    }
}

void TExCustomDropDown::PrepareDropDown()
{
    if (OnBeforeDropDown)
        OnBeforeDropDown(this);
}

void TExCustomDropDown::ComputeDropDownSize()
{
    if (!m_form)
        return;
    TDropDownSizeInput input;
    input.dropDownWidth = m_dropDownWidth;
    input.dropDownHeight = m_dropDownHeight;
    input.editWidth = width();
    input.borderWidth = m_dropDownBorderWidth;
    if (m_control && !m_control->isHidden())
        input.control = m_control->size();
    if (m_header.Visible())
        input.header = m_header.Height;
    if (m_footer.Visible())
        input.footer = m_footer.Height;
    m_form->resize(computeDropDownSize(input));
}

int TExCustomDropDown::DropDownStripsHeight() const
{
    return (m_header.Visible() ? m_header.Height : 0) + (m_footer.Visible() ? m_footer.Height : 0);
}

void TExCustomDropDown::FitDropDownToList(QWidget &list, const std::function<int()> &listWidth)
{
    if (!m_form)
        return;
    list.resize(list.width(), std::max(0, m_form->height() - DropDownStripsHeight() - 2 * m_dropDownBorderWidth));
    const int width = listWidth();
    list.resize(width, list.height());
    m_form->resize(width + 2 * m_dropDownBorderWidth, m_form->height());
}

void TExCustomDropDown::FocusDropDownControl()
{
    if (!m_focusControl || !(m_focusControl->focusPolicy() & Qt::TabFocus) || !m_focusControl->isEnabled()
        || m_focusControl->hasFocus())
        return;
    m_focusControl->setFocus(Qt::PopupFocusReason);
}

void TExCustomDropDown::placeForm(QSize size)
{
    const QRect edit(mapToGlobal(QPoint(0, 0)), this->size());
    const QScreen *shown = screen() ? screen() : QGuiApplication::primaryScreen();
    const QRect area = shown ? shown->availableGeometry() : QRect(edit.topLeft(), size);
    m_form->setGeometry(QRect(placeDropDown(edit, size, area, m_dropPosition), size));
}

void TExCustomDropDown::OpenDropDown()
{
    if (!m_form || m_form->isVisible() || !isEnabled() || isReadOnly())
        return;
    QPointer<TExCustomDropDown> alive(this);
    PrepareDropDown();
    if (!alive)
        return;
    // What a cancel brings back: the text as the popup opens on it.
    m_openText = text();
    m_form->setShadow(m_dropDownShadow);
    m_form->InitializeAndUpdate();
    if (!alive)
        return;
    ComputeDropDownSize();
    if (!alive)
        return;
    PlaceDropDownControl();
    if (!alive)
        return;
    if (m_control)
        m_control->installEventFilter(this);
    placeForm(m_form->size());
    bool accept = true;
    if (OnDropDown) {
        OnDropDown(this, accept);
        if (!alive)
            return;
    }
    if (!accept || !m_form || m_form->isVisible())
        return;
    QSize size = m_form->size();
    if (m_userWidth != -1)
        size.setWidth(m_userWidth);
    if (m_userHeight != -1)
        size.setHeight(m_userHeight);
    int height = size.height();
    AdjustDropDownHeight(height);
    if (!alive)
        return;
    size.setHeight(height);
    // Placed with the size it shows at, so that all of it is on the screen.
    placeForm(size.expandedTo(MinDropDownSize));
    m_form->layoutControl();
    m_droppedDown = true;
    // A popup window shows above all others.
    m_form->show();
    if (!alive)
        return;
    FocusDropDownControl();
}

void TExCustomDropDown::CloseDropDown(bool cancel)
{
    if (!m_form || !m_form->isVisible())
        return;
    QPointer<TExCustomDropDown> alive(this);
    if (OnBeforeDropUp) {
        OnBeforeDropUp(this);
        if (!alive || !m_form->isVisible())
            return;
    }
    m_userWidth = m_form->width();
    m_userHeight = m_form->height();
    m_form->hide();
    if (!alive)
        return;
    QToolTip::hideText();
    if (cancel) {
        RestoreDropDownValue();
        if (!alive)
            return;
        if (text() != m_openText) {
            SetPlainText(m_openText);
            if (!alive)
                return;
        }
    }
    if (OnDropUp)
        OnDropUp(this, cancel);
}

void TExCustomDropDown::AfterCloseDropDown()
{
    m_droppedDown = false;
    if (!m_destroying && (focusPolicy() & Qt::TabFocus) && isEnabled() && isVisible() && !hasFocus())
        setFocus(Qt::PopupFocusReason);
}

void TExCustomDropDown::DropDownFormDeactivated(bool cancel)
{
    CloseDropDown(cancel);
}

void TExCustomDropDown::OpenFromButton()
{
    if (!m_form || m_form->isVisible() || reopenBlocked(dropDownTickCount(), m_form->DeActivateTick()))
        return;
    OpenDropDown();
}

void TExCustomDropDown::toggleDropDown()
{
    if (m_droppedDown)
        CloseDropDown(false);
    else
        OpenDropDown();
}

// ---- keys and wheel from the popup ----

namespace {

void sendKey(QWidget &to, QEvent::Type type, const QKeyEvent &from)
{
    QKeyEvent copy(type, from.key(), from.modifiers(), from.text(), from.isAutoRepeat(), from.count());
    QCoreApplication::sendEvent(&to, &copy);
}

} // namespace

void TExCustomDropDown::DropDownFormKeyDown(QKeyEvent &event)
{
    sendKey(*this, QEvent::KeyPress, event);
}

void TExCustomDropDown::DropDownFormKeyUp(QKeyEvent &event)
{
    sendKey(*this, QEvent::KeyRelease, event);
}

void TExCustomDropDown::ControlKeyDown(QKeyEvent &event)
{
    sendKey(*this, QEvent::KeyPress, event);
}

void TExCustomDropDown::ControlKeyUp(QKeyEvent &event)
{
    sendKey(*this, QEvent::KeyRelease, event);
}

void TExCustomDropDown::DropDownFormWheelDown(Qt::KeyboardModifiers, QPoint, bool &)
{
    WheelDown();
}

void TExCustomDropDown::DropDownFormWheelUp(Qt::KeyboardModifiers, QPoint, bool &)
{
    WheelUp();
}

bool TExCustomDropDown::takeKeyFromControl(const QKeyEvent &event)
{
    const bool taken =
        &event == m_controlKey && event.key() == m_controlKeyCode && int(event.type()) == m_controlKeyType;
    m_controlKey = nullptr;
    return taken;
}

bool TExCustomDropDown::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_control || !m_droppedDown
        || (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease))
        return QLineEdit::eventFilter(watched, event);
    QPointer<TExCustomDropDown> alive(this);
    // The popup holding the control must outlive this delivery.
    QPointer<TDropDownForm> form = m_form;
    if (form)
        form->enterHandler();
    auto *key = static_cast<QKeyEvent *>(event);
    m_controlKey = key;
    m_controlKeyCode = key->key();
    m_controlKeyType = key->type();
    platform::guarded([&] {
        if (event->type() == QEvent::KeyPress)
            ControlKeyDown(*key);
        else
            ControlKeyUp(*key);
    });
    if (form)
        form->leaveHandler();
    if (!alive) {
        // The control went with the drop-down: the key ends here.
        event->accept();
        return true;
    }
    return false;
}

} // namespace controls
