#pragma once
// A UDP socket over IPv4 with a listener thread of its own: every datagram
// that arrives is handed to the handler on that thread, read with a maximum
// size so that nothing larger is ever kept. close() wakes the listener and
// joins it, so no handler runs once close() has returned.
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <thread>

namespace platform {

struct Ipv4Endpoint {
    std::uint32_t address = 0; // host byte order: 127.0.0.1 is 0x7F000001
    std::uint16_t port = 0;

    friend bool operator==(const Ipv4Endpoint &, const Ipv4Endpoint &) = default;
};

// Four decimal octets 0-255 joined by dots, nothing else ("192.168.0.10");
// leading zeros read as decimal. nullopt for anything that is not one.
std::optional<std::uint32_t> parseIpv4(const QString &text);
QString ipv4Text(std::uint32_t address);

struct SocketResult {
    QString error; // empty: done
    int code = 0;  // the system's error number when it failed
    bool ok() const { return error.isEmpty(); }
};

// The local address the system sends from to reach `peer` (what a socket
// connected to it would be bound to), without sending anything; nullopt
// with the reason in `failure` when there is no route to it.
std::optional<std::uint32_t> localAddressTowards(const Ipv4Endpoint &peer, SocketResult *failure = nullptr);

class UdpSocket {
public:
    // Runs on the listener thread. The handler must not close the socket.
    using Handler = std::function<void(std::span<const std::uint8_t> datagram, const Ipv4Endpoint &from)>;

    struct Options {
        Ipv4Endpoint local;        // address 0: any; port 0: a free one
        bool reuseAddress = false; // SO_REUSEADDR, for two sockets on one port
        std::size_t maxDatagram = 8192; // longer datagrams are cut to this
    };

    UdpSocket() = default;
    ~UdpSocket();
    UdpSocket(const UdpSocket &) = delete;
    UdpSocket &operator=(const UdpSocket &) = delete;

    // Binds and starts the listener. Opening an open socket closes it first.
    SocketResult open(const Options &options, Handler handler);
    void close();
    bool isOpen() const { return m_fd >= 0; }

    // The port the socket is bound to (useful after binding port 0).
    std::uint16_t localPort() const;

    // Sends one datagram; false when it could not leave.
    bool sendTo(std::span<const std::uint8_t> datagram, const Ipv4Endpoint &to);

private:
    void listen(std::size_t maxDatagram);

    int m_fd = -1;
    int m_wakeFd = -1; // eventfd that ends the listener's wait
    Handler m_handler;
    std::thread m_listener;
};

} // namespace platform
