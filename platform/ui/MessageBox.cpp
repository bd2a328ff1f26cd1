#include "platform/ui/MessageBox.h"

#include <QApplication>
#include <QMessageBox>

namespace platform {
namespace {

MessageHook &hookSlot()
{
    static MessageHook hook;
    return hook;
}

MessageAnswer showRealBox(MessageKind kind, const QString &text, MessageButtons buttons, QWidget *over)
{
    QMessageBox box(over);
    switch (kind) {
    case MessageKind::Error:
        box.setIcon(QMessageBox::Critical);
        box.setWindowTitle(QStringLiteral("Error"));
        break;
    case MessageKind::Warning:
        box.setIcon(QMessageBox::Warning);
        box.setWindowTitle(QStringLiteral("Warning"));
        break;
    case MessageKind::Confirmation:
        box.setIcon(QMessageBox::Question);
        box.setWindowTitle(QStringLiteral("Confirm"));
        break;
    case MessageKind::Information:
        box.setIcon(QMessageBox::Information);
        box.setWindowTitle(QStringLiteral("Information"));
        break;
    }
    box.setText(text);
    switch (buttons) {
    case MessageButtons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case MessageButtons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case MessageButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    case QMessageBox::Cancel:
        return MessageAnswer::Cancel;
    default:
        return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
    }
}

} // namespace

MessageAnswer showMessage(MessageKind kind, const QString &text, MessageButtons buttons, QWidget *over)
{
    if (over == nullptr)
        over = QApplication::activeWindow();
    if (const auto &hook = hookSlot())
        return hook(kind, text, buttons, over);
    return showRealBox(kind, text, buttons, over);
}

MessageHook setMessageHook(MessageHook hook)
{
    MessageHook previous = std::move(hookSlot());
    hookSlot() = std::move(hook);
    return previous;
}

} // namespace platform
