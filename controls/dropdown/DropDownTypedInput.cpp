// The typed edit: what typing, deleting, pasting, cutting and leaving do
// to the value between the fixed prefix and suffix. The rules live in the
// core; here each keystroke or paste that they accept becomes one change
// of the edit's text, and one OnChange.
#include "controls/dropdown/DropDownEdit.h"

#include "controls/dropdown/core/NumberRules.h"
#include "controls/dropdown/core/TypedInput.h"
#include "platform/HandlerGuard.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>

namespace controls {

TEditTypeSettings TExCustomDropDown::EditTypeSettings() const
{
    return m_editSettings;
}

QString TExCustomDropDown::Value() const
{
    QString value = text();
    const QString &prefix = m_editSettings.Prefix;
    const QString &suffix = m_editSettings.Suffix;
    if (!prefix.isEmpty() && value.startsWith(prefix))
        value.remove(0, prefix.size());
    if (!suffix.isEmpty())
        value.chop(std::min(value.size(), suffix.size()));
    return value;
}

TEditState TExCustomDropDown::editState() const
{
    const int p = int(m_editSettings.Prefix.size());
    TEditState state;
    state.value = Value();
    const int length = int(state.value.size());
    state.caret = std::clamp(cursorPosition() - p, 0, length);
    if (hasSelectedText()) {
        const int start = std::clamp(selectionStart() - p, 0, length);
        const int end = std::clamp(selectionEnd() - p, 0, length);
        state.selStart = start;
        state.selLength = end - start;
    } else {
        state.selStart = state.caret;
    }
    return state;
}

void TExCustomDropDown::applyEditState(const TEditState &state)
{
    const int p = int(m_editSettings.Prefix.size());
    const QString full = m_editSettings.Prefix + state.value + m_editSettings.Suffix;
    QPointer<TExCustomDropDown> alive(this);
    insideQt([&] {
        if (full != text())
            QLineEdit::setText(full);
        if (state.selLength > 0) {
            // The caret at the selection's end it was typed or pasted from.
            if (state.caret == state.selStart)
                setSelection(p + state.selStart + state.selLength, -state.selLength);
            else
                setSelection(p + state.selStart, state.selLength);
        } else {
            setCursorPosition(p + state.caret);
        }
        setModified(true);
    });
}

void TExCustomDropDown::setValueText(const QString &value)
{
    setText(value);
}

void TExCustomDropDown::setEditType(TDropDownEditType type)
{
    if (type == m_editSettings.EditType)
        return;
    m_editSettings.EditType = type;
    if (type == etPassword) {
        setEchoMode(QLineEdit::Password);
        m_canUndo = false;
    } else {
        setEchoMode(QLineEdit::Normal);
    }
    const int kind = ClassifyEditNumberText(Value());
    switch (type) {
    case etNumeric:
        if (kind != entInteger)
            SetIntValue(0);
        break;
    case etFloat:
    case etMoney:
        if (kind == entOther || kind == entHex)
            SetFloatValue(0);
        break;
    case etHex:
        if (kind != entInteger && kind != entHex)
            SetIntValue(0);
        break;
    default:
        break;
    }
}

void TExCustomDropDown::setPrecision(int precision)
{
    const TDropDownEditType type = m_editSettings.EditType;
    if (precision == m_editSettings.Precision || !(type == etString || type == etFloat || type == etMoney))
        return;
    m_editSettings.Precision = precision;
    if (ClassifyEditNumberText(Value()) == entOther)
        SetFloatValue(0);
    else
        SetFloatValue(GetFloatValue());
}

void TExCustomDropDown::setPrefix(const QString &prefix)
{
    const QString value = Value();
    m_editSettings.Prefix = prefix;
    SetPlainText(prefix + value + m_editSettings.Suffix);
}

void TExCustomDropDown::setSuffix(const QString &suffix)
{
    const QString value = Value();
    m_editSettings.Suffix = suffix;
    SetPlainText(m_editSettings.Prefix + value + suffix);
}

void TExCustomDropDown::SetFloatValue(double value) { showValueText(FloatValueText(value, m_editSettings)); }

void TExCustomDropDown::SetIntValue(std::int64_t value) { showValueText(IntValueText(value, m_editSettings)); }

void TExCustomDropDown::showValueText(const std::optional<QString> &shown)
{
    // A value the edit type cannot show changes nothing.
    if (!shown)
        return;
    // The change handler may free the drop-down.
    QPointer<TExCustomDropDown> alive(this);
    setText(*shown);
    if (alive)
        setModified(true);
}

double TExCustomDropDown::GetFloatValue() const
{
    return FloatValueOf(Value(), m_editSettings);
}

void TExCustomDropDown::SelectAllValue()
{
    const int p = int(m_editSettings.Prefix.size());
    setSelection(p + int(Value().size()), -int(Value().size()));
}

void TExCustomDropDown::SelectBeforeDecimal()
{
    const qsizetype point = Value().indexOf(formatSettings().DecimalSeparator);
    setCursorPosition(int(m_editSettings.Prefix.size()) + int(std::max<qsizetype>(point, 0)));
}

void TExCustomDropDown::SelectAfterDecimal()
{
    const qsizetype point = Value().indexOf(formatSettings().DecimalSeparator);
    setCursorPosition(int(m_editSettings.Prefix.size()) + int(point < 0 ? 0 : point + 1));
}

// ---- typing ----

bool TExCustomDropDown::typeCharacter(QChar c, bool keypad)
{
    if (!editable())
        return false;
    const TTypedKey key{c, keypad, bool(m_keyShift & Qt::ControlModifier)};
    const TTypedResult result = TypeCharacter(m_editSettings, editState(), key);
    switch (result.verdict) {
    case TTypedVerdict::Pass:
        return false;
    case TTypedVerdict::Refuse:
        return true;
    case TTypedVerdict::Apply:
        applyEditState(result.state);
        return true;
    }
    return true;
}

bool TExCustomDropDown::prefixSuffixKey(QKeyEvent &event)
{
    if (!editable())
        return false;
    const int p = int(m_editSettings.Prefix.size());
    const int end = p + int(Value().size());
    const bool framed = !m_editSettings.Prefix.isEmpty() || !m_editSettings.Suffix.isEmpty();
    const bool shift = event.modifiers() & Qt::ShiftModifier;
    const bool plain = !(event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    const int caret = cursorPosition();
    if (event.matches(QKeySequence::Delete) || (event.key() == Qt::Key_Delete && plain && !shift)) {
        TEditState state = editState();
        if (!state.hasSelection()) {
            if (state.caret >= state.value.size())
                return true;
            state.selStart = state.caret;
            state.selLength = 1;
        }
        TEditState next{QString(state.value).remove(state.selStart, state.selLength), state.selStart, state.selStart, 0};
        if (m_editSettings.EditType == etMoney)
            next = FormatMoneyText(next, m_editSettings);
        applyEditState(next);
        return true;
    }
    if (!framed || !plain)
        return false;
    switch (event.key()) {
    case Qt::Key_Home:
        if (shift)
            setSelection(caret, p - caret);
        else
            setCursorPosition(p);
        return true;
    case Qt::Key_End:
        if (shift)
            setSelection(caret, end - caret);
        else
            setCursorPosition(end);
        return true;
    case Qt::Key_Left:
        return !shift && !hasSelectedText() && caret <= p;
    case Qt::Key_Right:
        return !shift && !hasSelectedText() && caret >= end;
    default:
        return false;
    }
}

void TExCustomDropDown::keepCaretInValue()
{
    const int p = int(m_editSettings.Prefix.size());
    const int end = p + int(Value().size());
    if (m_editSettings.Prefix.isEmpty() && m_editSettings.Suffix.isEmpty())
        return;
    if (hasSelectedText()) {
        const int start = std::clamp(selectionStart(), p, end);
        const int stop = std::clamp(selectionEnd(), p, end);
        if (start != selectionStart() || stop != selectionEnd()) {
            if (cursorPosition() == selectionStart())
                setSelection(stop, start - stop);
            else
                setSelection(start, stop - start);
        }
        return;
    }
    if (cursorPosition() < p)
        SelectAllValue();
    else if (cursorPosition() > end)
        setCursorPosition(end);
}

// ---- clipboard and drops ----

void TExCustomDropDown::PasteValue(const QString &clip)
{
    if (isReadOnly() || !m_editorEnabled || clip.isEmpty())
        return;
    const TEditState state = editState();
    const TEditState inserted = InsertText(state, clip);
    if (OnClipboardPaste) {
        bool allow = true;
        QPointer<TExCustomDropDown> alive(this);
        OnClipboardPaste(this, inserted.value, allow);
        if (!alive || !allow)
            return;
    }
    // A refused paste keeps the caret and the selection as they were.
    if (const auto pasted = PasteText(m_editSettings, editState(), clip))
        applyEditState(*pasted);
}

bool TExCustomDropDown::pasteFromClipboard()
{
    const QMimeData *data = QApplication::clipboard()->mimeData();
    if (data && data->hasText())
        PasteValue(data->text());
    return true;
}

bool TExCustomDropDown::copyToClipboard()
{
    if (OnClipboardCopy) {
        bool allow = true;
        QPointer<TExCustomDropDown> alive(this);
        OnClipboardCopy(this, selectedText(), allow);
        if (!alive || !allow)
            return true;
    }
    copy();
    return true;
}

bool TExCustomDropDown::cutToClipboard()
{
    if (!editable())
        return true;
    if (OnClipboardCut) {
        bool allow = true;
        QPointer<TExCustomDropDown> alive(this);
        OnClipboardCut(this, selectedText(), allow);
        if (!alive || !allow)
            return true;
    }
    insideQt([&] { cut(); });
    return true;
}

void TExCustomDropDown::dropEvent(QDropEvent *event)
{
    const QMimeData *data = event->mimeData();
    if (!data || !data->hasText() || !editable() || event->source() == this) {
        QLineEdit::dropEvent(event);
        return;
    }
    event->acceptProposedAction();
    platform::guarded([&] {
        setCursorPosition(cursorPositionAt(event->position().toPoint()));
        keepCaretInValue();
        PasteValue(data->text());
    });
}

void TExCustomDropDown::contextMenuEvent(QContextMenuEvent *event)
{
    std::unique_ptr<QMenu> menu(createStandardContextMenu());
    QPointer<TExCustomDropDown> alive(this);
    for (QAction *action : menu->actions()) {
        const QString name = action->objectName();
        // Paste and cut go through the edit type's rules and the events.
        if (name == QStringLiteral("edit-paste")) {
            action->disconnect();
            action->setEnabled(action->isEnabled() && editable());
            connect(action, &QAction::triggered, this, [this] { platform::guarded([this] { pasteFromClipboard(); }); });
        } else if (name == QStringLiteral("edit-cut")) {
            action->disconnect();
            action->setEnabled(action->isEnabled() && editable());
            connect(action, &QAction::triggered, this, [this] { platform::guarded([this] { cutToClipboard(); }); });
        } else if (name == QStringLiteral("edit-copy")) {
            action->disconnect();
            connect(action, &QAction::triggered, this, [this] { platform::guarded([this] { copyToClipboard(); }); });
        } else if (name == QStringLiteral("edit-undo") || name == QStringLiteral("edit-redo")) {
            action->setEnabled(action->isEnabled() && editable());
        }
    }
    insideQt([&] { menu->exec(event->globalPos()); });
}

} // namespace controls
