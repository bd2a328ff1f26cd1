#include "controls/dropdown/MemoDropDown.h"

#include "controls/dropdown/DropDownForm.h"
#include "platform/HandlerGuard.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTimer>

namespace controls {

// The popup's memo with a limit on what typing and pasting add; a value
// longer than the limit is loaded whole and never cut.
class TExMemoDropDown::TMemoEditor : public QPlainTextEdit {
public:
    explicit TMemoEditor(QWidget *parent) : QPlainTextEdit(parent) {}
    int maxLength = 0;

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        const QString typed = event->text();
        const bool adds = !typed.isEmpty() && (typed.front().isPrint() || typed.front() == u'\r')
                          && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
        if (adds && room() <= 0) {
            event->accept();
            return;
        }
        QPlainTextEdit::keyPressEvent(event);
    }
    void insertFromMimeData(const QMimeData *source) override
    {
        if (maxLength <= 0 || !source->hasText()) {
            QPlainTextEdit::insertFromMimeData(source);
            return;
        }
        textCursor().insertText(source->text().left(std::max(0, room())));
    }

private:
    // Characters that may still be added, the selection being replaced.
    int room() const
    {
        if (maxLength <= 0)
            return INT_MAX;
        const QTextCursor cursor = textCursor();
        return maxLength - (int(toPlainText().size()) - (cursor.selectionEnd() - cursor.selectionStart()));
    }
};

TExMemoDropDown::TExMemoDropDown(TConstructKey key, QWidget *parent) : TExCustomDropDown(key, parent) {}

QPlainTextEdit *TExMemoDropDown::Memo() const { return m_memo; }

QString TExMemoDropDown::textOfLines(const QStringList &lines)
{
    QString text;
    for (const QString &line : lines)
        text += line + u'\n';
    return text;
}

QStringList TExMemoDropDown::linesOfText(const QString &text)
{
    if (text.isEmpty())
        return {};
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    QStringList lines = t.split(u'\n');
    if (t.endsWith(u'\n'))
        lines.removeLast();
    return lines;
}

void TExMemoDropDown::setMemoText(const QStringList &lines)
{
    m_memoText = lines;
    updateEditText();
    if (m_memo)
        m_memo->setPlainText(lines.join(u'\n'));
}

void TExMemoDropDown::setMemoReadOnly(bool readOnly)
{
    m_memoReadOnly = readOnly;
    if (m_memo && DroppedDown())
        m_memo->setReadOnly(readOnly);
}

QString TExMemoDropDown::summary() const
{
    const QString first = m_memoText.value(0);
    const QFontMetrics metrics(font());
    const int room = EditRect().Right - EditRect().Left;
    if (metrics.horizontalAdvance(first) < room)
        return m_memoText.size() > 1 ? first + QStringLiteral("...") : first;
    // The longest beginning that fits with the dots.
    for (qsizetype n = first.size() - 1; n > 0; --n) {
        const QString shortened = first.left(n) + QStringLiteral("...");
        if (metrics.horizontalAdvance(shortened) < room)
            return shortened;
    }
    return first;
}

void TExMemoDropDown::updateEditText()
{
    const QString text = m_memoText.isEmpty() || EditorEnabled() ? textOfLines(m_memoText) : summary();
    m_internalUpdate = true;
    SetPlainText(text);
    m_internalUpdate = false;
}

void TExMemoDropDown::setEditorEnabled(bool enabled)
{
    TExCustomDropDown::setEditorEnabled(enabled);
    updateEditText();
}

void TExMemoDropDown::resizeEvent(QResizeEvent *event)
{
    TExCustomDropDown::resizeEvent(event);
    if (!EditorEnabled())
        updateEditText();
}

void TExMemoDropDown::HandleTextChange()
{
    // What the user typed is the value; a summary never is.
    if (!m_internalUpdate && EditorEnabled())
        m_memoText = linesOfText(Text());
    TExCustomDropDown::HandleTextChange();
}

void TExMemoDropDown::EnsureDropDownForm()
{
    TExCustomDropDown::EnsureDropDownForm();
    if (!m_memo) {
        m_memo = new TMemoEditor(DropDownForm());
        m_memo->resize(width(), 100);
        m_memo->setFrameShape(QFrame::NoFrame);
        m_memo->setTabChangesFocus(false);
        QObject::connect(m_memo, &QPlainTextEdit::textChanged, this, [this] {
            if (OnMemoChange)
                platform::guarded([this] { OnMemoChange(this); });
        });
        QObject::connect(m_memo, &QWidget::customContextMenuRequested, this, [this](QPoint at) {
            if (m_memoPopup)
                m_memoPopup->popup(m_memo->viewport()->mapToGlobal(at));
        });
    }
    SetDropDownControl(m_memo);
    SetFocusControl(m_memo);
}

void TExMemoDropDown::PrepareDropDown()
{
    TExCustomDropDown::PrepareDropDown();
    // A click elsewhere keeps what was typed.
    DropDownForm()->setCancelOnDeActivate(false);
    if (!m_memo)
        return;
    m_memo->setPlainText(m_memoText.join(u'\n'));
    m_memo->setContextMenuPolicy(m_memoPopup ? Qt::CustomContextMenu : Qt::DefaultContextMenu);
    m_memo->maxLength = MaxLength();
    m_memo->setHorizontalScrollBarPolicy(m_memoScrollBars == ssHorizontal || m_memoScrollBars == ssBoth
                                             ? Qt::ScrollBarAlwaysOn
                                             : Qt::ScrollBarAlwaysOff);
    m_memo->setVerticalScrollBarPolicy(m_memoScrollBars == ssVertical || m_memoScrollBars == ssBoth
                                           ? Qt::ScrollBarAlwaysOn
                                           : Qt::ScrollBarAlwaysOff);
    m_memo->setLineWrapMode(m_memoScrollBars == ssHorizontal || m_memoScrollBars == ssBoth
                                ? QPlainTextEdit::NoWrap
                                : QPlainTextEdit::WidgetWidth);
    m_memo->setReadOnly(m_memoReadOnly);
    m_memo->moveCursor(QTextCursor::End);
}

void TExMemoDropDown::CloseDropDown(bool cancel)
{
    // The focus coming back to the edit must not open the popup again.
    const bool autoDrop = m_autoDrop;
    m_autoDrop = false;
    if (cancel && m_memo && DroppedDown())
        m_memo->setPlainText(m_memoText.join(u'\n'));
    QPointer<TExMemoDropDown> alive(this);
    TExCustomDropDown::CloseDropDown(cancel);
    if (alive)
        m_autoDrop = autoDrop;
}

void TExMemoDropDown::AfterCloseDropDown()
{
    TExCustomDropDown::AfterCloseDropDown();
    if (!m_memo)
        return;
    m_memoText = linesOfText(m_memo->toPlainText());
    updateEditText();
    setCursorPosition(0);
}

bool TExMemoDropDown::memoKeeps(const QKeyEvent &event)
{
    return !(event.modifiers() & Qt::AltModifier) && event.key() != Qt::Key_Escape && event.key() != Qt::Key_F4;
}

void TExMemoDropDown::ControlKeyDown(QKeyEvent &event)
{
    if (!memoKeeps(event))
        TExCustomDropDown::ControlKeyDown(event);
}

void TExMemoDropDown::ControlKeyUp(QKeyEvent &event)
{
    if (!memoKeeps(event))
        TExCustomDropDown::ControlKeyUp(event);
}

void TExMemoDropDown::focusInEvent(QFocusEvent *event)
{
    TExCustomDropDown::focusInEvent(event);
    if (!m_autoDrop || event->reason() == Qt::PopupFocusReason || DroppedDown())
        return;
    // Opened once the focus change is over.
    QPointer<TExMemoDropDown> self(this);
    QTimer::singleShot(0, this, [self] {
        if (self && self->m_autoDrop && self->hasFocus() && !self->DroppedDown())
            platform::guarded([&] { self->ShowDropDown(); });
    });
}

} // namespace controls
