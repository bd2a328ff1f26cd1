#pragma once
// ICMP echo over IPv4. An unprivileged ICMP datagram socket is tried first
// (allowed where net.ipv4.ping_group_range includes our group); a raw socket
// (CAP_NET_RAW) is the fallback. Callers hold a Pinger so that tests can put a
// scripted one in its place.
#include <QHostAddress>
#include <QString>
#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>

namespace platform {

enum class EchoStatus {
    Reply,       // the target answered this request
    NoReply,     // nothing within the time-out, or the request could not leave
    Interrupted, // the wait hook asked to stop
    Failed,      // no way to ping at all (no ICMP socket, not an IPv4 address)
};

struct EchoResult {
    EchoStatus status = EchoStatus::NoReply;
    int dataBytes = 0; // payload bytes the reply carried
    QString error;     // why, for Failed (and for a request that could not be sent)
};

// Called about every 10 ms while a wait lasts, so that a window can handle its
// events; returning false ends the wait.
using WaitHook = std::function<bool()>;

class Pinger {
public:
    virtual ~Pinger() = default;
    // Sends one echo request and waits at most timeout for its own reply.
    virtual EchoResult echo(const QHostAddress &target, std::chrono::milliseconds timeout,
                            const WaitHook &hook) = 0;
};

class IcmpPinger final : public Pinger {
public:
    enum class SocketKind { Datagram, Raw };
    enum class SocketChoice { DatagramThenRaw, DatagramOnly, RawOnly };

    explicit IcmpPinger(int payloadBytes = 1024, SocketChoice choice = SocketChoice::DatagramThenRaw);
    ~IcmpPinger() override;
    IcmpPinger(const IcmpPinger &) = delete;
    IcmpPinger &operator=(const IcmpPinger &) = delete;

    EchoResult echo(const QHostAddress &target, std::chrono::milliseconds timeout,
                    const WaitHook &hook) override;

    // The socket in use once the first echo has opened one.
    std::optional<SocketKind> socketKind() const { return m_kind; }

private:
    bool openSocket(QString *error);
    // Reads what is queued; true when the reply to sequence has arrived.
    bool readReply(std::uint32_t target, std::uint16_t sequence, int *dataBytes, bool *socketError);

    int m_payloadBytes;
    SocketChoice m_choice;
    int m_fd = -1;
    std::optional<SocketKind> m_kind;
    std::uint16_t m_identifier = 0; // raw sockets only: the kernel sets it for datagram sockets
    std::uint16_t m_sequence = 0;
};

} // namespace platform
