#include "support/SimulatedMBus.h"

#include "scan/AnalyzerProtocol.h"

#include <QFile>

namespace testsupport {

namespace {

using namespace scan::mbus;
using scan::analyzer::Acknowledgement;
constexpr std::uint8_t Broadcast = BroadcastAddress;
constexpr std::uint8_t Selected = SelectedSlaveAddress;

std::uint8_t byteAt(const QByteArray &bytes, qsizetype i) { return static_cast<std::uint8_t>(bytes.at(i)); }

void fixChecksum(QByteArray &frame)
{
    std::uint8_t sum = 0;
    for (qsizetype i = 4; i < frame.size() - 2; ++i)
        sum = static_cast<std::uint8_t>(sum + byteAt(frame, i));
    frame[frame.size() - 2] = static_cast<char>(sum);
}

// Whether the selection's identification (BCD, F nibbles wild) names `id`.
bool matches(std::uint32_t selection, std::uint32_t id)
{
    for (int shift = 0; shift < 32; shift += 4) {
        const std::uint32_t wanted = selection >> shift & 0xF;
        if (wanted != 0xF && wanted != (id >> shift & 0xF))
            return false;
    }
    return true;
}

} // namespace

QByteArray withAddresses(QByteArray frame, std::uint8_t primaryAddress, std::uint32_t identification)
{
    if (frame.size() < 13)
        return frame;
    frame[5] = static_cast<char>(primaryAddress);
    for (int i = 0; i < 4; ++i)
        frame[7 + i] = static_cast<char>(identification >> (8 * i));
    fixChecksum(frame);
    return frame;
}

QByteArray realFrame(const char *name)
{
    QFile file(qEnvironmentVariable("SHARED_DATA_DIR") + QStringLiteral("/mbus-frames/good/")
               + QLatin1String(name) + QStringLiteral(".hex"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QByteArray::fromHex(file.readAll());
}

void SimulatedMBus::addSlave(SimulatedSlave slave)
{
    Slave added;
    added.data = std::move(slave);
    m_slaves.push_back(std::move(added));
}

void SimulatedMBus::addSlave(std::uint8_t primaryAddress, std::uint32_t identification,
                             const std::vector<QByteArray> &frames)
{
    SimulatedSlave slave;
    slave.primaryAddress = primaryAddress;
    slave.identification = identification;
    for (const QByteArray &frame : frames)
        slave.telegrams.emplace_back(withAddresses(frame, primaryAddress, identification));
    addSlave(std::move(slave));
}

std::optional<QByteArray> SimulatedMBus::answer(const QByteArray &frame)
{
    if (frame.size() == ShortFrameSize && byteAt(frame, 0) == ShortFrameStart && byteAt(frame, 4) == FrameStop)
        return answerShortFrame(byteAt(frame, 1), byteAt(frame, 2));
    if (frame.size() >= 9 && byteAt(frame, 0) == LongFrameStart && byteAt(frame, 3) == LongFrameStart)
        return answerLongFrame(frame);
    return std::nullopt;
}

std::vector<SimulatedMBus::Slave *> SimulatedMBus::addressed(std::uint8_t address)
{
    std::vector<Slave *> slaves;
    for (Slave &slave : m_slaves)
        if (address == Selected ? slave.selected : slave.data.primaryAddress == address)
            slaves.push_back(&slave);
    return slaves;
}

std::optional<QByteArray> SimulatedMBus::fromAll(const std::vector<Slave *> &slaves, const QByteArray &each)
{
    if (slaves.empty())
        return std::nullopt;
    return slaves.size() == 1 ? each : m_collision;
}

std::optional<QByteArray> SimulatedMBus::telegram(Slave &slave, bool fcb)
{
    auto &telegrams = slave.data.telegrams;
    if (telegrams.empty())
        return std::nullopt;
    // A toggled bit asks for the next telegram, the same bit for the last one again.
    if (slave.lastFcb && *slave.lastFcb != fcb)
        slave.next = (slave.next + 1) % telegrams.size();
    slave.lastFcb = fcb;
    return telegrams[slave.next];
}

std::optional<QByteArray> SimulatedMBus::answerShortFrame(std::uint8_t control, std::uint8_t address)
{
    if (address == Broadcast) {
        if (control == SndNke)
            for (Slave &slave : m_slaves)
                slave.reset();
        return std::nullopt;
    }
    std::vector<Slave *> slaves = addressed(address);
    if (control == SndNke) {
        std::erase_if(slaves, [](const Slave *s) { return !s->data.acknowledges; });
        for (Slave *slave : slaves)
            slave->reset();
        return fromAll(slaves, QByteArray(1, char(Acknowledgement)));
    }
    if ((control & ~FrameCountBit) != ReqUd2FcbClear)
        return std::nullopt;
    std::vector<std::optional<QByteArray>> answers;
    for (Slave *slave : slaves)
        if (auto answer = telegram(*slave, control & FrameCountBit))
            answers.push_back(std::move(answer));
    if (answers.empty())
        return std::nullopt;
    return answers.size() == 1 ? answers.front() : m_collision;
}

std::optional<QByteArray> SimulatedMBus::answerLongFrame(const QByteArray &frame)
{
    const std::uint8_t address = byteAt(frame, 5);
    const std::uint8_t ci = byteAt(frame, 6);
    if (ci == CiSelection && address == Selected)
        return select(frame);
    if (ci != CiApplicationReset || address == Broadcast)
        return std::nullopt;
    std::vector<Slave *> slaves = addressed(address);
    std::erase_if(slaves, [](const Slave *s) { return !s->data.acknowledges; });
    return fromAll(slaves, QByteArray(1, char(Acknowledgement)));
}

std::optional<QByteArray> SimulatedMBus::select(const QByteArray &frame)
{
    if (frame.size() < 17)
        return std::nullopt;
    std::uint32_t selection = 0;
    for (int i = 0; i < 4; ++i)
        selection |= std::uint32_t(byteAt(frame, 7 + i)) << (8 * i);
    std::vector<Slave *> chosen;
    for (Slave &slave : m_slaves) {
        slave.selected = matches(selection, slave.data.identification);
        if (slave.selected)
            chosen.push_back(&slave);
    }
    return fromAll(chosen, QByteArray(1, char(Acknowledgement)));
}

} // namespace testsupport
