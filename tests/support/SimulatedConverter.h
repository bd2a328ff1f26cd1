#pragma once
// A converter of our own for the scan tests and the scan benchmark. The
// converter answers the analyzer and configuration commands (or, on request,
// answers them wrongly or not at all); in analyzer mode it relays every frame
// to its simulated bus and returns what the bus answered, NO_SLAVE when
// nobody did; in configuration mode it relays every datagram to its radio
// module, if it has one, and returns the module's replies.
// Every datagram it receives is logged with the time of the scan's clock.
//
// It is reached in two ways: over real UDP on a loopback address
// (UdpConverter, each test on a port of its own), or in process
// (InProcessTransport, answering on the engine's thread as it sends, so that
// a scan runs in virtual time without any wait).
#include "platform/UdpSocket.h"
#include "scan/ScanClock.h"
#include "scan/ScanTransport.h"
#include "support/SimulatedMBus.h"
#include "support/SimulatedRadio.h"

#include <QByteArray>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <vector>

namespace scan {
class TMBusScanDecode;
}

namespace testsupport {

class SimulatedConverter {
public:
    enum class ModeReply {
        Exact,     // the reply the engine expects
        ExtraByte, // the reply and one byte more
        Nothing,   // no reply
    };

    struct Datagram {
        QByteArray bytes;
        quint32 tick = 0; // the scan clock's time when it arrived
    };

    // Answers a datagram in place of the converter: the replies to send, or
    // nullopt to let the converter answer.
    using Override = std::function<std::optional<std::vector<QByteArray>>(const QByteArray &datagram)>;

    SimulatedMBus &bus() { return m_bus; }
    // The replies to the commands that enter and leave a mode (analyzer or
    // configuration).
    void setEnableReply(ModeReply reply);
    void setDisableReply(ModeReply reply);
    // Gives the converter a radio module (nullopt: none, the module query
    // goes unanswered).
    void setRadio(std::optional<SimulatedRadio::Kind> kind);
    void setOverride(Override override);
    // Say nothing, instead of NO_SLAVE, when no slave answered.
    void setSilentWhenNoSlave(bool silent);
    void setClock(scan::ScanClock *clock);

    // The replies to one datagram of the engine. Thread-safe.
    std::vector<QByteArray> handle(const QByteArray &datagram);

    std::vector<Datagram> received() const;
    // The datagrams received that are M-Bus frames (not text commands).
    std::vector<QByteArray> frames() const;
    // How often the text command was received.
    int commandCount(std::string_view command) const;
    bool inAnalyzerMode() const;
    bool inConfigurationMode() const;
    // A copy of the radio module's state (registers, key table...).
    std::optional<SimulatedRadio> radio() const;
    // The datagram that relays a telegram the module received; nullopt while
    // the module does not relay (it is being configured) or there is none.
    std::optional<QByteArray> relayedTelegram(const QByteArray &telegram, std::uint8_t signal) const;
    // Transports open to the converter in process.
    int openConnections() const;
    void connectionOpened();
    void connectionClosed();

private:
    std::vector<QByteArray> answer(const QByteArray &datagram);

    mutable std::mutex m_mutex;
    SimulatedMBus m_bus;
    ModeReply m_enableReply = ModeReply::Exact;
    ModeReply m_disableReply = ModeReply::Exact;
    bool m_silentWhenNoSlave = false;
    Override m_override;
    scan::ScanClock *m_clock = nullptr;
    bool m_analyzerMode = false;
    bool m_configurationMode = false;
    std::optional<SimulatedRadio> m_radio;
    int m_connections = 0;
    std::vector<Datagram> m_received;
};

// The converter behind a UDP socket on a loopback address.
class UdpConverter {
public:
    // Port 0 takes a free one; see port().
    explicit UdpConverter(SimulatedConverter &converter, const QString &address = QStringLiteral("127.0.0.1"),
                          quint16 port = 0);
    ~UdpConverter();

    bool isListening() const { return m_socket.isOpen(); }
    QString openError() const { return m_openError; }
    QString address() const { return m_address; }
    quint16 port() const { return m_socket.localPort(); }

    // Sends bytes of its own to the peer that spoke last; false when none has.
    bool push(const QByteArray &bytes);
    // Relays a telegram the radio module received; false when the module does
    // not relay now or nobody has spoken yet.
    bool relay(const QByteArray &telegram, std::uint8_t signal);

    quint64 handled() const;
    quint64 repliesSent() const;
    // Where the last datagram came from.
    std::optional<platform::Ipv4Endpoint> peer() const;

    // For ManualScanClock: once every datagram the engine has sent is
    // answered and every answer taken in by the engine (false at the limit).
    std::function<bool(std::chrono::milliseconds)> settleWith(scan::TMBusScanDecode &engine,
                                                              std::chrono::milliseconds limit = std::chrono::seconds(10));

private:
    void onDatagram(std::span<const std::uint8_t> datagram, const platform::Ipv4Endpoint &from);

    SimulatedConverter &m_converter;
    QString m_address;
    QString m_openError;
    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    std::optional<platform::Ipv4Endpoint> m_peer;
    quint64 m_handled = 0;
    quint64 m_replies = 0;
    platform::UdpSocket m_socket; // last: its listener stops before the rest goes
};

// Fault injection over UDP: garbage datagrams to the engine once per
// interval of the scan's clock, from the converter's own socket (its address
// and port), from another port of its address and from another loopback
// address. Call tick() from the clock's pauses, before the converter settles.
class StrayDatagrams {
public:
    StrayDatagrams(UdpConverter &converter, const QString &otherAddress,
                   std::chrono::milliseconds interval = std::chrono::milliseconds(100));

    void tick(quint32 now);
    // Rounds sent, three datagrams each.
    int rounds() const { return m_rounds; }

private:
    UdpConverter &m_converter;
    std::chrono::milliseconds m_interval;
    std::optional<quint32> m_last;
    int m_rounds = 0;
    platform::UdpSocket m_otherPort;
    platform::UdpSocket m_otherAddress;
};

// The converter as the engine's transport, in process.
class InProcessTransport final : public scan::ScanTransport {
public:
    explicit InProcessTransport(SimulatedConverter &converter) : m_converter(converter) {}

    scan::ScanStart open(const scan::TransportTarget &target, Receiver receiver) override;
    bool send(std::span<const std::uint8_t> bytes) override;
    void close() override;

private:
    SimulatedConverter &m_converter;
    Receiver m_receiver;
};

// A transport factory whose transports all reach `converter` in process.
scan::TransportFactory inProcess(SimulatedConverter &converter);

// The real transports, bound to `localAddress` (a loopback address of the
// test's own), so that an engine that binds the converter's port number
// shares it with nobody.
scan::TransportFactory boundTo(const QString &localAddress);

} // namespace testsupport
