#include "controls/grid/view/InplaceEdit.h"

#include "controls/grid/base/TextTransform.h"
#include "controls/grid/view/GridEditState.h"
#include "platform/HandlerGuard.h"
#include "platform/ui/Beep.h"

#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QKeyEvent>

namespace controls {

using platform::TShiftState;

namespace {

bool isEditorEditKey(QChar c) { return c == u'\b' || c == u'\r' || c == QChar(27) || c == u'\t'; }

} // namespace

TExInplaceEdit::TExInplaceEdit(TExStringGrid *grid) : TInplaceEdit(grid), m_grid(grid)
{
    // Pasting goes through the grid's filters; the menu's paste would not.
    setContextMenuPolicy(Qt::NoContextMenu);
    connect(this, &QLineEdit::textEdited, this, [this] {
        if (!m_typing)
            platform::guarded([this] { textEditedByUser(); });
    });
}

TEditorText TExInplaceEdit::state() const
{
    TEditorText s;
    s.text = text();
    if (hasSelectedText()) {
        s.selStart = selectionStart();
        s.selLength = int(selectedText().size());
    } else {
        s.selStart = cursorPosition();
    }
    return s;
}

void TExInplaceEdit::apply(const TEditorText &s)
{
    setText(s.text);
    if (s.selLength > 0)
        setSelection(s.selStart, s.selLength);
    else
        setCursorPosition(s.selStart);
}

TEditorFilterRules TExInplaceEdit::rules(bool ctrlDown) const
{
    TEditorFilterRules r;
    r.type = m_grid->EditControl();
    r.lengthLimit = m_lengthLimit;
    r.validChars = m_grid->ValidChars;
    r.validCharSet = m_grid->ValidCharSet;
    r.ctrlDown = ctrlDown;
    return r;
}

void TExInplaceEdit::textEditedByUser()
{
    // Only the user's changes come here (a load is no edit).
    auto &st = m_grid->editState();
    if (m_grid->OnEditChange)
        m_grid->OnEditChange(m_grid, m_grid->Col(), m_grid->Row(), text());
    // With the edit shown as it goes, the cell follows every change.
    if (st.showEditProcess && st.editing && isDefaultEditType(st.editControl) && st.editControl != edValidChars)
        m_grid->GridSetEditText(m_grid->Col(), m_grid->Row(), text());
}

void TExInplaceEdit::TypeChar(QChar ch, bool ctrlDown)
{
    if (ch == u'\b') {
        m_typing = true;
        backspace();
        m_typing = false;
        textEditedByUser();
        return;
    }
    if (ch.unicode() < 32)
        return;
    if (!inputMask().isEmpty()) {
        m_typing = true;
        insert(QString(ch));
        m_typing = false;
        textEditedByUser();
        return;
    }
    const TCharFilter f = filterEditorChar(ch, state(), rules(ctrlDown));
    if (f.verdict == TCharVerdict::Beep) {
        platform::messageBeep();
        return;
    }
    if (f.verdict == TCharVerdict::Drop)
        return;
    m_typing = true;
    insert(QString(f.ch));
    if (f.capitalize) {
        const int caret = cursorPosition();
        setText(CapitalizeName(text()));
        setCursorPosition(caret);
    }
    m_typing = false;
    textEditedByUser();
}

void TExInplaceEdit::PasteText(const QString &clip)
{
    bool allow = true;
    if (m_grid->OnClipboardPaste)
        m_grid->OnClipboardPaste(this, allow);
    QString value = clip;
    if (allow && m_grid->OnClipboardBeforePasteCell)
        m_grid->OnClipboardBeforePasteCell(this, m_grid->Col(), m_grid->Row(), value, allow);
    if (!allow)
        return;
    if (m_lengthLimit >= 1 && value.size() > m_lengthLimit)
        return;
    if (const auto pasted = pasteIntoEditor(value, state(), rules(false))) {
        m_typing = true;
        apply(*pasted);
        m_typing = false;
        textEditedByUser();
    }
    if (m_grid->OnClipboardAfterPasteCell)
        m_grid->OnClipboardAfterPasteCell(this, m_grid->Col(), m_grid->Row(), text());
}

void TExInplaceEdit::DoChange()
{
    if (!m_workmode || hasSelectedText() || !m_grid->Lookup || m_grid->LookupItems.isEmpty())
        return;
    if (const auto done = lookupCompletion(state(), m_grid->LookupItems, m_grid->LookupCaseSensitive)) {
        if (done->text == text())
            return;
        m_typing = true;
        apply(*done);
        m_typing = false;
        textEditedByUser();
    }
}

void TExInplaceEdit::selectForCorrection()
{
    if (m_grid->Navigation().EditSelectAll)
        selectAll();
    else
        end(false);
}

bool TExInplaceEdit::leaveByValidation()
{
    auto &st = m_grid->editState();
    const QString old = st.oldCellText;
    if (!m_grid->ValidateCell(text())) {
        // The grid reopened the edit on its cell with the text to correct.
        selectForCorrection();
        st.oldCellText = old;
        return false;
    }
    if (st.newCellText != text())
        setText(st.newCellText);
    return true;
}

// --- keys ---------------------------------------------------------------------------------

bool TExInplaceEdit::event(QEvent *event)
{
    // Tab reaches the key handling when the grid wants it for validation.
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) && m_grid->EditorWantsTab()) {
            keyPressEvent(key);
            return true;
        }
    }
    return QLineEdit::event(event);
}

void TExInplaceEdit::keyPressEvent(QKeyEvent *event)
{
    platform::guarded([&] { keyDown(event); });
}

void TExInplaceEdit::keyDown(QKeyEvent *event)
{
    std::uint16_t key = platform::virtualKey(event->key());
    const TShiftState shift = platform::shiftState(event->modifiers());
    const bool ctrl = shift.testFlag(platform::ssCtrl);
    const TNavigation &nav = m_grid->Navigation();
    m_grid->EditorKeyDownHook(key, shift);
    m_oldSelStart = cursorPosition();
    if (key == platform::VK_BACK && shift.testFlag(platform::ssAlt)) {
        m_altBack = true;
        return;
    }
    if (key == platform::VK_BACK || key == platform::VK_DELETE)
        m_workmode = false;
    else if (key != platform::VK_RETURN && key != platform::VK_UP && key != platform::VK_DOWN)
        m_workmode = true;

    switch (key) {
    case platform::VK_ESCAPE:
        m_grid->cancelEdit();
        return;
    case 'A':
        if (ctrl) {
            selectAll();
            return;
        }
        break;
    case 'C':
    case 'X':
        if (ctrl) {
            bool allow = true;
            const auto &event = key == 'C' ? m_grid->OnClipboardCopy : m_grid->OnClipboardCut;
            if (event)
                event(this, allow);
            if (allow)
                key == 'C' ? copy() : cut();
            if (allow && key == 'X')
                textEditedByUser();
            return;
        }
        break;
    case 'V':
        if (ctrl) {
            PasteText(QApplication::clipboard()->text());
            return;
        }
        break;
    case platform::VK_INSERT:
        if (shift.testFlag(platform::ssShift)) {
            PasteText(QApplication::clipboard()->text());
            return;
        }
        break;
    case platform::VK_TAB:
        if (m_grid->EditorWantsTab()) {
            if (!leaveByValidation())
                return;
            m_grid->HideInplaceEdit();
            m_grid->setFocus();
            if (m_grid->Options().testFlag(goTabs))
                m_grid->AdvanceAfterEdit(shift.testFlag(platform::ssShift));
            else
                m_grid->KeyDown(platform::VK_TAB, shift);
            return;
        }
        break;
    case platform::VK_LEFT:
    case platform::VK_RIGHT: {
        const bool atEdge = key == platform::VK_LEFT ? cursorPosition() == 0 : cursorPosition() == text().size();
        if (atEdge && shift.testFlag(platform::ssShift) && nav.CursorWalkEditor) {
            if (!leaveByValidation())
                return;
            m_grid->HideInplaceEdit();
            m_grid->setFocus();
            return;
        }
        break;
    }
    case platform::VK_UP:
    case platform::VK_DOWN:
    case platform::VK_PRIOR:
    case platform::VK_NEXT:
        // One line: every vertical key leaves the cell, validated first.
        if (!leaveByValidation())
            return;
        m_grid->HideInplaceEdit();
        m_grid->setFocus();
        m_grid->GridKeyDownMessage(key, shift);
        return;
    case platform::VK_RETURN: {
        // A line break: Ctrl+Enter in a grid of several lines per cell, or
        // Enter with LineFeedOnEnter; any other Ctrl+Enter is dropped.
        const bool lines = m_grid->WordWrap() || m_grid->Multilinecells;
        if ((ctrl && nav.AllowCtrlEnter && lines) || (!ctrl && nav.LineFeedOnEnter)) {
            m_typing = true;
            insert(QStringLiteral("\r\n"));
            m_typing = false;
            textEditedByUser();
            return;
        }
        if (ctrl)
            return;
        if (!leaveByValidation())
            return;
        m_grid->HideInplaceEdit();
        m_grid->setFocus();
        m_grid->editorEnter();
        return;
    }
    default:
        break;
    }

    const QString typed = event->text();
    // A mask decides for itself what each place takes.
    if (!inputMask().isEmpty()) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (!typed.isEmpty() && !isEditorEditKey(typed.front()) && typed.front().unicode() >= 32 && !ctrl) {
        QChar ch = typed.front();
        if (ch == u'.' && m_grid->ExcelStyleDecimalSeparator && event->modifiers().testFlag(Qt::KeypadModifier))
            ch = formatSettings().DecimalSeparator;
        m_grid->EditorCharHook(ch);
        if (!ch.isNull())
            TypeChar(ch, false);
        return;
    }
    // Backspace, Delete, the caret keys and the shortcuts of a line edit.
    if (m_lengthLimit > 0 && !typed.isEmpty() && typed.front() == u'\b')
        TypeChar(u'\b');
    else
        QLineEdit::keyPressEvent(event);
}

void TExInplaceEdit::keyReleaseEvent(QKeyEvent *event)
{
    platform::guarded([&] { keyUp(event); });
    QLineEdit::keyReleaseEvent(event);
}

void TExInplaceEdit::keyUp(QKeyEvent *event)
{
    const std::uint16_t key = platform::virtualKey(event->key());
    if (key == platform::VK_BACK)
        m_altBack = false;
    if (!isVisible())
        return;
    if (key == platform::VK_LEFT || key == platform::VK_RIGHT) {
        walkKey(key, platform::shiftState(event->modifiers()));
        return;
    }
    DoChange();
    if (m_grid->SizeWhileTyping.Width || m_grid->SizeWhileTyping.Height)
        m_grid->SizeWhileTypingHook(m_grid->SizeWhileTyping.Height);
    if (cursorPosition() > 0)
        m_grid->EditTextChangeHook(text(), cursorRect().topLeft(), cursorPosition());
    m_grid->FormulaEditHook(text().startsWith(u'='));
    advanceWhenFull();
}

void TExInplaceEdit::walkKey(std::uint16_t key, TShiftState shift)
{
    if (!m_grid->Navigation().CursorWalkEditor || hasSelectedText() || shift.testFlag(platform::ssShift))
        return;
    const bool forward = key == platform::VK_RIGHT;
    const bool atEdge = forward ? m_oldSelStart == text().size() && cursorPosition() == text().size()
                                : cursorPosition() == 0 && m_oldSelStart == 0;
    if (!atEdge || !leaveByValidation())
        return;
    m_grid->editorWalk(forward);
}

void TExInplaceEdit::advanceWhenFull()
{
    const TNavigation &nav = m_grid->Navigation();
    if (!nav.AdvanceAuto() || !nav.AdvanceOnEnter || hasSelectedText() || cursorPosition() != text().size())
        return;
    const int limit = m_grid->MaxEditLength;
    const bool full = inputMask().isEmpty() ? limit > 0 && text().size() == limit
                                            : hasAcceptableInput() && !displayText().contains(u' ');
    if (!full || !leaveByValidation())
        return;
    m_grid->HideInplaceEdit();
    m_grid->setFocus();
    m_grid->editorEnter();
}

// --- focus ----------------------------------------------------------------------------------

void TExInplaceEdit::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    platform::guarded([&] {
        m_gotFocus = true;
        m_grid->editState().noEditChange = false;
        m_lengthLimit = m_grid->GridGetEditLimit();
        if (!m_grid->Navigation().EditSelectAll)
            end(false);
    });
}

void TExInplaceEdit::focusOutEvent(QFocusEvent *event)
{
    platform::guarded([&] { focusLost(event); });
}

void TExInplaceEdit::focusLost(QFocusEvent *event)
{
    auto &st = m_grid->editState();
    st.startEditChar = QChar();
    if (m_grid->LookupHistory && !text().isEmpty() && !m_grid->LookupItems.contains(text()))
        m_grid->LookupItems.append(text());
    m_grid->FormulaEditHook(false);
    QLineEdit::focusOutEvent(event);
    // A validation under way hides and reopens the editor itself.
    if (m_altBack || st.validating)
        return;
    QWidget *next = QApplication::focusWidget();
    if (next != m_grid && isVisible()) {
        m_grid->ValidateCell(text());
        m_grid->HideInplaceEdit();
        st.editing = false;
        st.editMode = false;
    }
    m_grid->EditTextChangeHook(text(), QPoint(-1, -1), -1);
    if (m_gotFocus) {
        m_gotFocus = false;
        m_grid->PostEditDone(m_grid->RealColIndex(m_colE), m_rowE);
    }
}

} // namespace controls
