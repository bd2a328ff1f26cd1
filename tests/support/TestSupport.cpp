#include "support/TestSupport.h"

#include <QFile>
#include <gtest/gtest.h>

namespace testsupport {

MessageRecorder::MessageRecorder()
{
    m_previous = platform::setMessageHook(
        [this](platform::MessageKind kind, const QString &text, platform::MessageButtons buttons) {
            m_messages.push_back({kind, text, buttons});
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

QByteArray readFile(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    f.write(bytes);
}

QString sharedDataDir()
{
    return qEnvironmentVariable("SHARED_DATA_DIR");
}

} // namespace testsupport
