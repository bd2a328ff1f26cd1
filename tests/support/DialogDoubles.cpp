#include "support/DialogDoubles.h"

#include <QWindow>

namespace testsupport {
namespace {

// A window's show handler runs before its native window is shown: only then
// is it on screen.
bool isOnScreen(const QWidget *window)
{
    return window != nullptr && window->isVisible() && window->windowHandle() != nullptr
           && window->windowHandle()->isVisible();
}

} // namespace

MessageRecorder::MessageRecorder()
{
    m_previous = platform::setMessageHook(
        [this](platform::MessageKind kind, const QString &text, platform::MessageButtons buttons, QWidget *over) {
            m_messages.push_back({kind, text, buttons, over, isOnScreen(over)});
            if (!m_answers.empty()) {
                const auto answer = m_answers.front();
                m_answers.pop_front();
                return answer;
            }
            return buttons == platform::MessageButtons::Ok ? platform::MessageAnswer::Ok
                                                           : platform::MessageAnswer::Yes;
        });
}

MessageRecorder::~MessageRecorder() { platform::setMessageHook(std::move(m_previous)); }

QStringList MessageRecorder::texts() const
{
    QStringList list;
    for (const auto &m : m_messages)
        list << m.text;
    return list;
}

ModalScript::ModalScript(platform::ModalHook hook)
{
    m_previous = platform::setModalHook(std::move(hook));
}

ModalScript::~ModalScript() { platform::setModalHook(std::move(m_previous)); }

} // namespace testsupport
