// The drop-down edit's keyboard and mouse: a key press goes through the
// key-down step, then the character step, then the Qt edit's own
// handling; Enter, Escape, F4 and Alt+Up/Down open and close the popup.
// A dialog sees Enter and Escape only when the edit had no use for them.
#include "controls/dropdown/DropDownEdit.h"

#include "controls/dropdown/DropDownForm.h"
#include "controls/grid/base/editors/EditorKeys.h"
#include "platform/HandlerGuard.h"

#include "controls/dropdown/core/TypedInput.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

namespace controls {

namespace {

bool isEnter(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }

bool isToggleKey(int key, Qt::KeyboardModifiers shift)
{
    return (shift & Qt::AltModifier) && (key == Qt::Key_Up || key == Qt::Key_Down);
}

bool isF4(int key, Qt::KeyboardModifiers shift)
{
    return key == Qt::Key_F4 && !(shift & (Qt::AltModifier | Qt::ControlModifier));
}

} // namespace

void TExCustomDropDown::closingKey(int key, Qt::KeyboardModifiers shift)
{
    if (isEnter(key))
        CloseDropDown(false);
    else if (key == Qt::Key_Escape)
        CloseDropDown(true);
    else if (isF4(key, shift)) {
        if (m_form && m_form->isVisible())
            CloseDropDown(false);
        else
            OpenDropDown();
    }
}

void TExCustomDropDown::HandleKeyDownMessage(int &key, Qt::KeyboardModifiers shift)
{
    QPointer<TExCustomDropDown> alive(this);
    // Once per press: the key goes no further.
    if (isToggleKey(key, shift)) {
        toggleDropDown();
        key = 0;
        return;
    }
    if (!m_editorEnabled) {
        if (isEnabled() && !isReadOnly())
            closingKey(key, shift);
        key = 0;
        return;
    }
    if ((shift & Qt::ControlModifier) && (key == Qt::Key_Tab || isEnter(key)))
        return;
    if (isEnter(key) && m_returnIsTab) {
        key = Qt::Key_Tab;
        if (isVisible())
            postTab(*this);
        return;
    }
    HandleKeyDown(key, shift);
    if (!alive) {
        key = 0;
        return;
    }
    if (key == 0)
        return;
    closingKey(key, shift);
    if (!alive)
        key = 0;
}

void TExCustomDropDown::HandleKeyDown(int &key, Qt::KeyboardModifiers shift)
{
    if (OnKeyDown)
        OnKeyDown(this, key, shift);
}

void TExCustomDropDown::HandleCharMessage(QChar &key)
{
    if (!m_editorEnabled) {
        key = QChar();
        return;
    }
    if (key.unicode() == 13) {
        QChar typed = key;
        key = QChar();
        // Never typed (and never beeped): only its handler hears it.
        if (!(m_keyShift & Qt::ControlModifier) && OnKeyPress)
            OnKeyPress(this, typed);
        return;
    }
    HandleKeyPress(key);
    // The edit type's rules take the character, or refuse it.
    if (!key.isNull() && typeCharacter(key, m_keyShift & Qt::KeypadModifier))
        key = QChar();
}

void TExCustomDropDown::HandleKeyPress(QChar &key)
{
    if (OnKeyPress)
        OnKeyPress(this, key);
    if (key.unicode() == 13)
        key = QChar();
}

bool TExCustomDropDown::event(QEvent *event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        // Keys the drop-down takes before any shortcut of the dialog does.
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool wanted = isToggleKey(key->key(), key->modifiers()) || isF4(key->key(), key->modifiers())
                            || (key->key() == Qt::Key_Escape && (m_droppedDown || m_canUndo))
                            || (isEnter(key->key()) && m_droppedDown);
        if (wanted) {
            event->accept();
            return true;
        }
    }
    return QLineEdit::event(event);
}

bool TExCustomDropDown::editingKey(QKeyEvent &event)
{
    // Every paste, cut and copy goes through the events and the rules.
    if (event.matches(QKeySequence::Copy))
        return copyToClipboard();
    if (!editable())
        return false;
    if (event.matches(QKeySequence::Paste))
        return pasteFromClipboard();
    if (event.matches(QKeySequence::Cut))
        return cutToClipboard();
    return prefixSuffixKey(event);
}

void TExCustomDropDown::keyPressEvent(QKeyEvent *event)
{
    QPointer<TExCustomDropDown> alive(this);
    const int key = event->key();
    const bool wasDroppedDown = m_droppedDown;
    bool accepted = true;
    m_keyShift = event->modifiers();
    platform::guarded([&] {
        if (refusedEditCommand(*event, editable()))
            return;
        if (key == Qt::Key_Escape && !wasDroppedDown) {
            // Escape on a closed edit forgets the changes, or, when it
            // cannot, is the dialog's.
            if (m_canUndo) {
                selectAll();
                setModified(false);
            } else {
                accepted = false;
            }
        }
        auto passed = splitKeyPress(
            *event,
            [this, &alive, event](int &k, Qt::KeyboardModifiers shift) {
                HandleKeyDownMessage(k, shift);
                if (alive && k != 0 && editingKey(*event))
                    k = 0;
            },
            [this, &alive](QChar &c) {
                if (alive)
                    HandleCharMessage(c);
                if (!alive)
                    c = QChar();
            });
        if (!alive || !passed)
            return;
        if (!insideQt([&] { QLineEdit::keyPressEvent(passed.get()); }))
            return;
        keepCaretInValue();
        if (!passed->isAccepted() && key != Qt::Key_Escape && !isEnter(key))
            accepted = false;
    });
    if (alive && isEnter(key) && !wasDroppedDown && !m_returnIsTab)
        accepted = false;
    event->setAccepted(accepted);
}

void TExCustomDropDown::keyReleaseEvent(QKeyEvent *event)
{
    insideQt([&] { QLineEdit::keyReleaseEvent(event); });
}

void TExCustomDropDown::inputMethodEvent(QInputMethodEvent *event)
{
    // Text an input method commits goes through the character step too.
    QString committed;
    QPointer<TExCustomDropDown> alive(this);
    m_keyShift = Qt::NoModifier;
    for (QChar c : event->commitString()) {
        platform::guarded([&] { HandleCharMessage(c); });
        if (!alive)
            return;
        if (!c.isNull())
            committed += c;
    }
    if (committed == event->commitString()) {
        insideQt([&] { QLineEdit::inputMethodEvent(event); });
        return;
    }
    QInputMethodEvent filtered(event->preeditString(), event->attributes());
    filtered.setCommitString(committed, event->replacementStart(), event->replacementLength());
    insideQt([&] { QLineEdit::inputMethodEvent(&filtered); });
}

// ---- mouse ----

void TExCustomDropDown::mousePressEvent(QMouseEvent *event)
{
    QPointer<TExCustomDropDown> alive(this);
    if (!m_editorEnabled) {
        if (!insideQt([&] { QLineEdit::mousePressEvent(event); }))
            return;
        if (event->button() == Qt::LeftButton)
            platform::guarded([this] { OpenFromButton(); });
        return;
    }
    if (event->button() == Qt::LeftButton && hasSelectedText() && hasFocus()) {
        // A press inside the selection keeps it until the release.
        const int at = cursorPositionAt(event->position().toPoint());
        if (selectionStart() <= at && at <= selectionEnd()) {
            m_buttonDown = true;
            return;
        }
    }
    insideQt([&] { QLineEdit::mousePressEvent(event); });
}

void TExCustomDropDown::mouseReleaseEvent(QMouseEvent *event)
{
    // The selection's paste obeys the edit type like any other.
    if (event->button() == Qt::MiddleButton && m_editorEnabled) {
        const QClipboard *clipboard = QApplication::clipboard();
        if (clipboard->supportsSelection() && editable()) {
            setCursorPosition(cursorPositionAt(event->position().toPoint()));
            keepCaretInValue();
            platform::guarded([&] { PasteValue(clipboard->text(QClipboard::Selection)); });
        }
        event->accept();
        return;
    }
    if (!m_editorEnabled || isReadOnly())
        update();
    if (m_buttonDown) {
        m_buttonDown = false;
        setCursorPosition(cursorPositionAt(event->position().toPoint()));
    }
    QPointer<TExCustomDropDown> alive(this);
    insideQt([&] { QLineEdit::mouseReleaseEvent(event); });
    if (alive && event->button() == Qt::LeftButton)
        keepCaretInValue();
}

void TExCustomDropDown::mouseDoubleClickEvent(QMouseEvent *event)
{
    insideQt([&] { QLineEdit::mouseDoubleClickEvent(event); });
}

void TExCustomDropDown::wheelEvent(QWheelEvent *event)
{
    QLineEdit::wheelEvent(event);
    platform::guarded([&] {
        if (event->angleDelta().y() < 0)
            WheelDown();
        else if (event->angleDelta().y() > 0)
            WheelUp();
    });
}

void TExCustomDropDown::enterEvent(QEnterEvent *event)
{
    QLineEdit::enterEvent(event);
    if (isEnabled()) {
        m_mouseInControl = true;
        update();
    }
}

void TExCustomDropDown::leaveEvent(QEvent *event)
{
    QLineEdit::leaveEvent(event);
    if (isEnabled()) {
        m_mouseInControl = false;
        update();
    }
}

// ---- focus ----

void TExCustomDropDown::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    // Back from its own popup the edit never really lost the focus.
    if (event->reason() != Qt::PopupFocusReason) {
        m_oldString = text();
        if (m_editorEnabled && event->reason() != Qt::MouseFocusReason)
            selectAll();
    }
    update();
}

void TExCustomDropDown::focusOutEvent(QFocusEvent *event)
{
    // Back to its own popup the edit keeps its value as typed.
    if (event->reason() != Qt::PopupFocusReason && m_editorEnabled) {
        if (const auto left = ValueOnLeave(m_editSettings, Value(), m_allowNumericNullValue)) {
            const bool modified = isModified();
            QPointer<TExCustomDropDown> alive(this);
            setText(*left);
            if (!alive)
                return;
            setModified(modified);
        }
    }
    QLineEdit::focusOutEvent(event);
    update();
}

} // namespace controls
