#pragma once
// A wired M-Bus of simulated slaves, answering frames as the bus would:
// E5 to SND_NKE and the application reset, RSP_UD telegrams to REQ_UD2
// (the next one when the frame count bit toggles, the same one again when it
// does not), and E5, nothing or a collision to a selection by secondary
// address with F nibbles as wildcards. Broadcasts are not answered.
#include <QByteArray>
#include <cstdint>
#include <optional>
#include <vector>

namespace testsupport {

struct SimulatedSlave {
    std::uint8_t primaryAddress = 0;
    std::uint32_t identification = 0; // eight BCD digits, 0x12345678 for 12345678
    // The answers to successive REQ_UD2; nullopt: that request is not answered.
    std::vector<std::optional<QByteArray>> telegrams;
    bool acknowledges = true; // answers SND_NKE and the application reset
};

// A real RSP_UD frame given another primary address and identification
// number, its checksum made right.
QByteArray withAddresses(QByteArray frame, std::uint8_t primaryAddress, std::uint32_t identification);
// The frame of ../shared/data/mbus-frames/good/<name>.hex.
QByteArray realFrame(const char *name);

class SimulatedMBus {
public:
    void addSlave(SimulatedSlave slave);
    // A slave at `primaryAddress` with `identification` answering the real
    // frames given, in turn.
    void addSlave(std::uint8_t primaryAddress, std::uint32_t identification, const std::vector<QByteArray> &frames);

    // What the bus answers to one frame; nullopt when nobody answers.
    std::optional<QByteArray> answer(const QByteArray &frame);

    // The bytes several slaves that answer at once leave on the line.
    void setCollisionAnswer(QByteArray bytes) { m_collision = std::move(bytes); }

private:
    struct Slave {
        SimulatedSlave data;
        std::size_t next = 0;        // telegram the next REQ_UD2 gets
        std::optional<bool> lastFcb; // frame count bit of the last REQ_UD2
        bool selected = false;

        // As after SND_NKE: first telegram next, not selected.
        void reset() { next = 0, lastFcb.reset(), selected = false; }
    };

    std::optional<QByteArray> answerShortFrame(std::uint8_t control, std::uint8_t address);
    std::optional<QByteArray> answerLongFrame(const QByteArray &frame);
    std::optional<QByteArray> select(const QByteArray &frame);
    std::vector<Slave *> addressed(std::uint8_t address);
    std::optional<QByteArray> fromAll(const std::vector<Slave *> &slaves, const QByteArray &each);
    static std::optional<QByteArray> telegram(Slave &slave, bool fcb);

    std::vector<Slave> m_slaves;
    QByteArray m_collision = QByteArray::fromHex("E5E5");
};

} // namespace testsupport
