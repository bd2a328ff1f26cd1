#pragma once
// Every message box of the program goes through showMessage(), so that tests
// can replace the dialog with a recorder that answers for the user.
#include <QString>
#include <functional>

namespace platform {

enum class MessageKind { Error, Warning, Confirmation, Information };
enum class MessageButtons { Ok, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Yes, No, Cancel };

using MessageHook = std::function<MessageAnswer(MessageKind, const QString &text, MessageButtons)>;

// Shows a modal box (or asks the installed hook) and returns the answer.
MessageAnswer showMessage(MessageKind kind, const QString &text,
                          MessageButtons buttons = MessageButtons::Ok);

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
