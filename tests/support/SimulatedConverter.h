#pragma once
// A converter of our own for the scan tests and the scan benchmark. The
// converter answers the analyzer commands (or, on request, answers them
// wrongly or not at all) and, in analyzer mode, relays every frame to its
// simulated bus and returns what the bus answered, NO_SLAVE when nobody did.
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
    void setEnableReply(ModeReply reply);
    void setDisableReply(ModeReply reply);
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

    quint64 handled() const;
    quint64 repliesSent() const;

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

} // namespace testsupport
