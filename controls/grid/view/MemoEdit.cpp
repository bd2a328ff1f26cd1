#include "controls/grid/view/MemoEdit.h"

#include "controls/grid/base/TextTransform.h"
#include "controls/grid/view/GridEditState.h"
#include "platform/HandlerGuard.h"
#include "platform/ui/Beep.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTextBlock>

#include <algorithm>

namespace controls {

using platform::TShiftState;

TExMemoEdit::TExMemoEdit(TExStringGrid *grid) : QPlainTextEdit(grid), m_grid(grid)
{
    setFrameShape(QFrame::NoFrame);
    // A cell's editor has no bars: its lines scroll with the caret.
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setContextMenuPolicy(Qt::NoContextMenu);
    setTabChangesFocus(false);
    hide();
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        if (!m_loading)
            platform::guarded([this] { userChanged(); });
    });
}

void TExMemoEdit::open(const QString &text, const QRect &rect, bool selectAll)
{
    m_loading = true;
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    setPlainText(lines);
    m_loading = false;
    setGeometry(rect);
    show();
    raise();
    if (selectAll)
        this->selectAll();
    else
        moveCursor(QTextCursor::End);
    if (m_grid->hasFocus() || m_grid->isActiveWindow())
        setFocus();
}

QString TExMemoEdit::cellText() const
{
    QString text = toPlainText();
    text.replace(u'\n', QStringLiteral("\r\n"));
    return text;
}

TEditorText TExMemoEdit::state() const
{
    const QTextCursor c = textCursor();
    const QString text = toPlainText();
    TEditorText s;
    s.text = text;
    s.selStart = c.selectionStart();
    s.selLength = c.selectionEnd() - c.selectionStart();
    return s;
}

void TExMemoEdit::userChanged()
{
    auto &st = m_grid->editState();
    const QString text = cellText();
    if (m_grid->OnEditChange)
        m_grid->OnEditChange(m_grid, m_grid->Col(), m_grid->Row(), text);
    if (st.showEditProcess && st.editing && st.editControl != edValidChars)
        m_grid->GridSetEditText(m_grid->Col(), m_grid->Row(), text);
}

void TExMemoEdit::TypeChar(QChar ch)
{
    TEditorFilterRules rules;
    rules.type = m_grid->EditControl();
    rules.lengthLimit = m_grid->GridGetEditLimit();
    rules.validChars = m_grid->ValidChars;
    rules.validCharSet = m_grid->ValidCharSet;
    const TCharFilter f = filterEditorChar(ch, state(), rules);
    if (f.verdict == TCharVerdict::Beep) {
        platform::messageBeep();
        return;
    }
    if (f.verdict == TCharVerdict::Drop)
        return;
    insertPlainText(QString(f.ch));
    if (f.capitalize) {
        const int caret = textCursor().position();
        m_loading = true;
        setPlainText(CapitalizeName(toPlainText()));
        m_loading = false;
        QTextCursor c = textCursor();
        c.setPosition(std::min(caret, int(toPlainText().size())));
        setTextCursor(c);
        userChanged();
    }
}

bool TExMemoEdit::leave()
{
    auto &st = m_grid->editState();
    const QString old = st.oldCellText;
    if (!m_grid->ValidateCell(cellText())) {
        selectAll();
        st.oldCellText = old;
        return false;
    }
    m_grid->HideInplaceEdit();
    m_grid->setFocus();
    return true;
}

bool TExMemoEdit::event(QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)) {
            keyPressEvent(key);
            return true;
        }
    }
    return QPlainTextEdit::event(event);
}

void TExMemoEdit::keyPressEvent(QKeyEvent *event)
{
    platform::guarded([&] { keyDown(event); });
}

void TExMemoEdit::keyDown(QKeyEvent *event)
{
    std::uint16_t key = platform::virtualKey(event->key());
    const TShiftState shift = platform::shiftState(event->modifiers());
    const bool ctrl = shift.testFlag(platform::ssCtrl);
    const TNavigation &nav = m_grid->Navigation();
    m_grid->EditorKeyDownHook(key, shift);
    const QTextCursor cursor = textCursor();
    switch (key) {
    case platform::VK_ESCAPE:
        m_grid->cancelEdit();
        return;
    case platform::VK_RETURN:
        if ((ctrl && nav.AllowCtrlEnter) || (!ctrl && nav.LineFeedOnEnter)) {
            insertPlainText(QStringLiteral("\n"));
            // A new line grows the row as it is typed.
            if (m_grid->SizeWhileTyping.Height)
                m_grid->SizeWhileTypingHook(true);
            return;
        }
        if (!ctrl)
            leave();
        return;
    case platform::VK_TAB:
        if (leave() && m_grid->Options().testFlag(goTabs))
            m_grid->AdvanceAfterEdit(shift.testFlag(platform::ssShift));
        else if (m_grid->hasFocus())
            m_grid->KeyDown(platform::VK_TAB, shift);
        return;
    case platform::VK_UP:
    case platform::VK_DOWN: {
        // Inside the text the caret moves; past its first or last line the
        // cell is left.
        const bool edge = key == platform::VK_UP ? cursor.block() == document()->firstBlock()
                                                 : cursor.block() == document()->lastBlock();
        if (!edge)
            break;
        if (leave())
            m_grid->GridKeyDownMessage(key, shift);
        return;
    }
    default:
        break;
    }
    const QString typed = event->text();
    if (!typed.isEmpty() && typed.front().unicode() >= 32 && !ctrl) {
        QChar ch = typed.front();
        m_grid->EditorCharHook(ch);
        if (!ch.isNull())
            TypeChar(ch);
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void TExMemoEdit::focusOutEvent(QFocusEvent *event)
{
    QPlainTextEdit::focusOutEvent(event);
    platform::guarded([&] {
        auto &st = m_grid->editState();
        if (st.validating || !isVisible())
            return;
        // Left for another window: validated and closed, as by Enter.
        if (QApplication::focusWidget() != m_grid) {
            m_grid->ValidateCell(cellText());
            m_grid->HideInplaceEdit();
            st.editing = false;
            st.editMode = false;
        }
    });
}

} // namespace controls
