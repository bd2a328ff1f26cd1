#include "support/DialogDoubles.h"

namespace testsupport {

MessageRecorder::MessageRecorder()
{
    m_previous = platform::setMessageHook(
        [this](platform::MessageKind kind, const QString &text, platform::MessageButtons buttons, QWidget *over) {
            m_messages.push_back({kind, text, buttons, over, over != nullptr && over->isVisible()});
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
