#include "controls/grid/base/editors/EditorKeys.h"
#include "platform/ui/Beep.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QWidget>

namespace controls {

QChar typedChar(const QKeyEvent &event)
{
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return QChar(13);
    case Qt::Key_Escape:
        return QChar(27);
    case Qt::Key_Backspace:
        return QChar(8);
    case Qt::Key_Tab:
        return QChar(9);
    default:
        break;
    }
    // Delete types nothing, as on Windows, where it sends no character.
    const QString text = event.text();
    return text.isEmpty() || text.front().unicode() == 127 ? QChar() : text.front();
}

std::unique_ptr<QKeyEvent> splitKeyPress(const QKeyEvent &event, const TKeyDownStep &keyDown,
                                         const TKeyPressStep &keyPress)
{
    int key = event.key();
    keyDown(key, event.modifiers());
    if (key == 0)
        return nullptr;
    QChar typed = typedChar(event);
    QString text = event.text();
    if (!typed.isNull()) {
        const QChar before = typed;
        keyPress(typed);
        if (typed.isNull())
            return nullptr;
        if (typed != before)
            text = QString(typed);
    }
    return std::make_unique<QKeyEvent>(event.type(), key, event.modifiers(), text, event.isAutoRepeat(),
                                       event.count());
}

void postTab(QWidget &widget)
{
    QApplication::postEvent(&widget, new QKeyEvent(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier));
}

bool refusedEditCommand(const QKeyEvent &event, bool mayChange)
{
    return !mayChange
           && (event.matches(QKeySequence::Paste) || event.matches(QKeySequence::Cut)
               || event.matches(QKeySequence::Undo) || event.matches(QKeySequence::Redo));
}

void showEditMenu(QLineEdit &edit, const QPoint &globalPos, bool mayChange)
{
    std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
    for (QAction *action : menu->actions()) {
        const QString name = action->objectName();
        if (name == QStringLiteral("edit-cut") || name == QStringLiteral("edit-paste")
            || name == QStringLiteral("edit-undo") || name == QStringLiteral("edit-redo"))
            action->setEnabled(action->isEnabled() && mayChange);
    }
    menu->exec(globalPos);
}

int grabAccelerator(QWidget &widget, int held, const QString &caption)
{
    if (held != 0)
        widget.releaseShortcut(held);
    const QKeySequence mnemonic = QKeySequence::mnemonic(caption);
    return mnemonic.isEmpty() ? 0 : widget.grabShortcut(mnemonic);
}

void editorBeep()
{
    platform::messageBeep();
}

void setBeepHook(std::function<void()> hook)
{
    platform::setMessageBeepHook(std::move(hook));
}

} // namespace controls
