#pragma once
// Message boxes and modal dialogs run headless: the tests answer for the user.
#include "platform/ui/MessageBox.h"
#include "platform/ui/ModalDialog.h"

#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <deque>
#include <vector>

namespace testsupport {

// Records every message box and answers from a queue (default: Ok / Yes).
class MessageRecorder {
public:
    struct Entry {
        platform::MessageKind kind;
        QString text;
        platform::MessageButtons buttons;
        QPointer<QWidget> over;   // the window the box stands over
        bool overShown = false;   // that window was on screen (shown, not only showing) when the box came
    };

    MessageRecorder();
    ~MessageRecorder();
    MessageRecorder(const MessageRecorder &) = delete;
    MessageRecorder &operator=(const MessageRecorder &) = delete;

    void queueAnswer(platform::MessageAnswer answer) { m_answers.push_back(answer); }
    const std::vector<Entry> &messages() const { return m_messages; }
    QStringList texts() const;
    void clear() { m_messages.clear(); }

private:
    std::vector<Entry> m_messages;
    std::deque<platform::MessageAnswer> m_answers;
    platform::MessageHook m_previous;
};

// Replaces execModal() for its lifetime with the given function.
class ModalScript {
public:
    explicit ModalScript(platform::ModalHook hook);
    ~ModalScript();
    ModalScript(const ModalScript &) = delete;
    ModalScript &operator=(const ModalScript &) = delete;

private:
    platform::ModalHook m_previous;
};

} // namespace testsupport
