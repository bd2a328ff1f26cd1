#include "support/SimulatedRadio.h"

#include "scan/AnalyzerProtocol.h"
#include "scan/RadioModule.h"

namespace testsupport {

namespace {

QByteArray bytesOf(std::string_view text) { return QByteArray(text.data(), qsizetype(text.size())); }

QByteArray prompt() { return QByteArray(1, char(scan::radiocrafts::Prompt)); }

constexpr std::uint8_t LinkQuality = 0x01;

} // namespace

QByteArray SimulatedRadio::name() const
{
    return bytesOf(m_kind == Kind::Telit ? scan::analyzer::TelitModule : scan::analyzer::RadioCraftsModule);
}

std::vector<QByteArray> SimulatedRadio::answer(const QByteArray &bytes)
{
    return m_kind == Kind::Telit ? answerTelit(bytes) : answerRadioCrafts(bytes);
}

QByteArray SimulatedRadio::relay(QByteArray telegram, std::uint8_t signal) const
{
    if (m_kind == Kind::Telit) {
        telegram.append(char(LinkQuality));
    } else if (!telegram.isEmpty()) {
        telegram[0] = char(std::uint8_t(telegram[0]) + 1);
    }
    telegram.append(char(signal));
    return telegram;
}

std::vector<QByteArray> SimulatedRadio::answerTelit(const QByteArray &bytes)
{
    const QByteArray ok = bytesOf(scan::telit::Ok);
    if (bytes == bytesOf(scan::telit::CommandMode)) {
        m_commandMode = true;
        m_relaying = false;
        return {ok};
    }
    if (!m_commandMode)
        return {}; // in data mode the module sends what it is given over the air
    if (bytes == bytesOf(scan::telit::Reset)) {
        ++m_resets;
        return {ok};
    }
    if (bytes == bytesOf(scan::telit::Online)) {
        m_commandMode = false;
        m_relaying = true;
        return {ok};
    }
    if (bytes.startsWith("ATS") && bytes.endsWith('\r') && bytes.contains('=')) {
        const QByteArray setting = bytes.mid(3, bytes.size() - 4);
        bool regOk = false;
        bool valueOk = false;
        const int reg = setting.left(setting.indexOf('=')).toInt(&regOk);
        const int value = setting.mid(setting.indexOf('=') + 1).toInt(&valueOk);
        if (regOk && valueOk && value >= 0 && value <= 255) {
            m_registers[reg] = value;
            return {ok};
        }
    }
    return {QByteArrayLiteral("ERROR\r")};
}

std::vector<QByteArray> SimulatedRadio::answerRadioCrafts(const QByteArray &bytes)
{
    namespace rc = scan::radiocrafts;
    const auto single = [&](std::uint8_t command) { return bytes.size() == 1 && std::uint8_t(bytes[0]) == command; };
    switch (m_state) {
    case State::Relaying:
        if (single(rc::EnterConfiguration)) {
            m_state = State::Configuring;
            m_relaying = false;
            return {prompt()};
        }
        return {};
    case State::Configuring:
        if (single(rc::ReadMemory))
            return {QByteArray(rc::MemorySize, '\x11') + prompt()};
        if (single(rc::WriteMemory)) {
            m_state = State::Memory;
            return {prompt()};
        }
        if (single(rc::MeterAddress) || single(rc::MeterKey) || single(rc::ActivateEntry)) {
            m_entryCommand = std::uint8_t(bytes[0]);
            m_state = State::EntryNumber;
            return {prompt()};
        }
        if (single(rc::ExitConfiguration)) {
            m_state = State::Relaying;
            m_relaying = true;
        }
        return {};
    case State::Memory:
        if (single(rc::EndMemory)) {
            m_state = State::Configuring;
            return {prompt()};
        }
        m_memory += bytes;
        return {};
    case State::EntryNumber:
        // The entry's number is taken without a reply.
        m_entry = bytes.isEmpty() ? 0 : std::uint8_t(bytes[0]);
        m_state = State::EntryData;
        return {};
    case State::EntryData: {
        TableEntry &entry = m_table[m_entry];
        if (m_entryCommand == rc::MeterAddress) {
            entry.address = bytes;
            if (bytes == QByteArray(8, '\0'))
                m_erased.push_back(m_entry);
        } else if (m_entryCommand == rc::MeterKey) {
            entry.key = bytes;
        } else {
            entry.activation = bytes;
        }
        m_state = State::Configuring;
        return {prompt()};
    }
    }
    return {};
}

} // namespace testsupport
