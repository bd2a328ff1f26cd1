#pragma once
// The radio module of the simulated converter, as the converter relays it in
// configuration mode: a Telit module that takes "+++", AT commands and S
// registers and answers "OK\r", or a RadioCrafts module that takes single
// command bytes and frames and answers with its prompt ">". It keeps what it
// was told (registers, memory settings, key-table entries) for the tests to
// look at, and frames received telegrams with its own trailing bytes.
#include <QByteArray>
#include <cstdint>
#include <map>
#include <vector>

namespace testsupport {

class SimulatedRadio {
public:
    enum class Kind { Telit, RadioCrafts };

    struct TableEntry {
        QByteArray address; // eight bytes; all zero when erased
        QByteArray key;
        QByteArray activation;
    };

    explicit SimulatedRadio(Kind kind) : m_kind(kind) {}

    Kind kind() const { return m_kind; }
    // The converter's reply to "Tervik_Type_Radio_Module".
    QByteArray name() const;
    // The replies to bytes the engine sends to the module.
    std::vector<QByteArray> answer(const QByteArray &bytes);
    // Whether the module relays what it receives (not while it is being
    // configured).
    bool relaying() const { return m_relaying; }
    // The datagram that relays a received telegram: a Telit module adds a
    // link-quality byte and the signal strength; a RadioCrafts module adds
    // the signal strength and counts it in the L field.
    QByteArray relay(QByteArray telegram, std::uint8_t signal) const;

    // Telit: every S register written, by number.
    const std::map<int, int> &registers() const { return m_registers; }
    int resets() const { return m_resets; }
    // RadioCrafts: the memory settings written, the key table by entry, and
    // the entries erased, in order.
    const QByteArray &memorySettings() const { return m_memory; }
    const std::map<int, TableEntry> &table() const { return m_table; }
    const std::vector<int> &erased() const { return m_erased; }

private:
    std::vector<QByteArray> answerTelit(const QByteArray &bytes);
    std::vector<QByteArray> answerRadioCrafts(const QByteArray &bytes);

    enum class State { Relaying, Configuring, Memory, EntryNumber, EntryData };

    Kind m_kind;
    bool m_relaying = true;
    // Telit
    bool m_commandMode = false;
    std::map<int, int> m_registers;
    int m_resets = 0;
    // RadioCrafts
    State m_state = State::Relaying;
    std::uint8_t m_entryCommand = 0;
    int m_entry = 0;
    QByteArray m_memory;
    std::map<int, TableEntry> m_table;
    std::vector<int> m_erased;
};

} // namespace testsupport
