#pragma once
// Every message box of the program goes through showMessage(), so that tests
// can replace the dialog with a recorder that answers for the user.
#include <QString>
#include <functional>

class QWidget;

namespace platform {

enum class MessageKind { Error, Warning, Confirmation, Information };
enum class MessageButtons { Ok, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Yes, No, Cancel };

// The hook gets the window the box would stand over.
using MessageHook = std::function<MessageAnswer(MessageKind, const QString &text, MessageButtons, QWidget *over)>;

// Shows a modal box (or asks the installed hook) and returns the answer. The
// box stands over `over`, or over the active window when none is given.
MessageAnswer showMessage(MessageKind kind, const QString &text,
                          MessageButtons buttons = MessageButtons::Ok, QWidget *over = nullptr);

// Shorthands for the four kinds the program uses.
inline void showError(const QString &text) { showMessage(MessageKind::Error, text); }
inline void showInformation(const QString &text) { showMessage(MessageKind::Information, text); }
inline bool askWarningYesNo(const QString &text)
{
    return showMessage(MessageKind::Warning, text, MessageButtons::YesNo) == MessageAnswer::Yes;
}
inline bool askConfirmationYesNo(const QString &text)
{
    return showMessage(MessageKind::Confirmation, text, MessageButtons::YesNo) == MessageAnswer::Yes;
}

// Installs a hook in place of the real box; returns the previous one.
MessageHook setMessageHook(MessageHook hook);

} // namespace platform
