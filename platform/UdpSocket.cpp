#include "platform/UdpSocket.h"

#include <QStringList>

#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <netinet/in.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <unistd.h>
#include <vector>

namespace platform {

namespace {

SocketResult systemError(const char *what, int error)
{
    return {QStringLiteral("%1: %2").arg(QLatin1String(what), QString::fromLocal8Bit(std::strerror(error))), error};
}

sockaddr_in socketAddress(const Ipv4Endpoint &endpoint)
{
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(endpoint.address);
    address.sin_port = htons(endpoint.port);
    return address;
}

} // namespace

std::optional<std::uint32_t> parseIpv4(const QString &text)
{
    const QStringList octets = text.split(QLatin1Char('.'));
    if (octets.size() != 4)
        return std::nullopt;
    std::uint32_t address = 0;
    for (const QString &octet : octets) {
        if (octet.isEmpty())
            return std::nullopt;
        std::uint32_t value = 0;
        for (const QChar c : octet) {
            if (c < u'0' || c > u'9')
                return std::nullopt;
            value = value * 10 + std::uint32_t(c.unicode() - u'0');
            if (value > 255)
                return std::nullopt;
        }
        address = address << 8 | value;
    }
    return address;
}

QString ipv4Text(std::uint32_t address)
{
    return QStringLiteral("%1.%2.%3.%4")
        .arg(address >> 24)
        .arg(address >> 16 & 0xFF)
        .arg(address >> 8 & 0xFF)
        .arg(address & 0xFF);
}

std::optional<std::uint32_t> localAddressTowards(const Ipv4Endpoint &peer, SocketResult *failure)
{
    // Connecting a datagram socket only looks the route up.
    const int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        if (failure)
            *failure = systemError("socket", errno);
        return std::nullopt;
    }
    const sockaddr_in target = socketAddress(peer);
    sockaddr_in local{};
    socklen_t size = sizeof local;
    std::optional<std::uint32_t> address;
    if (::connect(fd, reinterpret_cast<const sockaddr *>(&target), sizeof target) != 0) {
        if (failure)
            *failure = systemError("connect", errno);
    } else if (::getsockname(fd, reinterpret_cast<sockaddr *>(&local), &size) != 0) {
        if (failure)
            *failure = systemError("getsockname", errno);
    } else {
        address = ntohl(local.sin_addr.s_addr);
    }
    ::close(fd);
    return address;
}

UdpSocket::~UdpSocket() { close(); }

SocketResult UdpSocket::open(const Options &options, Handler handler)
{
    close();
    const int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return systemError("socket", errno);
    const int yes = 1;
    if (options.reuseAddress && ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes) != 0) {
        const int error = errno;
        ::close(fd);
        return systemError("SO_REUSEADDR", error);
    }
    const sockaddr_in local = socketAddress(options.local);
    if (::bind(fd, reinterpret_cast<const sockaddr *>(&local), sizeof local) != 0) {
        const int error = errno;
        ::close(fd);
        return systemError("bind", error);
    }
    const int wakeFd = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (wakeFd < 0) {
        const int error = errno;
        ::close(fd);
        return systemError("eventfd", error);
    }
    m_fd = fd;
    m_wakeFd = wakeFd;
    m_handler = std::move(handler);
    m_listener = std::thread([this, size = std::max<std::size_t>(options.maxDatagram, 1)] { listen(size); });
    return {};
}

void UdpSocket::close()
{
    if (m_listener.joinable()) {
        const std::uint64_t one = 1;
        [[maybe_unused]] const ssize_t written = ::write(m_wakeFd, &one, sizeof one);
        m_listener.join();
    }
    if (m_fd >= 0)
        ::close(m_fd);
    if (m_wakeFd >= 0)
        ::close(m_wakeFd);
    m_fd = m_wakeFd = -1;
    m_handler = nullptr;
}

std::uint16_t UdpSocket::localPort() const
{
    sockaddr_in address{};
    socklen_t size = sizeof address;
    if (m_fd < 0 || ::getsockname(m_fd, reinterpret_cast<sockaddr *>(&address), &size) != 0)
        return 0;
    return ntohs(address.sin_port);
}

bool UdpSocket::sendTo(std::span<const std::uint8_t> datagram, const Ipv4Endpoint &to)
{
    if (m_fd < 0)
        return false;
    const sockaddr_in target = socketAddress(to);
    const ssize_t sent = ::sendto(m_fd, datagram.data(), datagram.size(), MSG_NOSIGNAL,
                                  reinterpret_cast<const sockaddr *>(&target), sizeof target);
    return sent == static_cast<ssize_t>(datagram.size());
}

void UdpSocket::listen(std::size_t maxDatagram)
{
    std::vector<std::uint8_t> buffer(maxDatagram);
    pollfd waits[2] = {{m_fd, POLLIN, 0}, {m_wakeFd, POLLIN, 0}};
    for (;;) {
        if (::poll(waits, 2, -1) < 0) {
            if (errno == EINTR)
                continue;
            return;
        }
        if (waits[1].revents)
            return;
        if (!waits[0].revents)
            continue;
        sockaddr_in from{};
        socklen_t fromSize = sizeof from;
        // Without MSG_TRUNC a longer datagram is cut to the buffer and its
        // rest discarded by the kernel.
        const ssize_t size = ::recvfrom(m_fd, buffer.data(), buffer.size(), MSG_DONTWAIT,
                                        reinterpret_cast<sockaddr *>(&from), &fromSize);
        if (size < 0)
            continue; // EAGAIN, or a pending socket error, which the call clears
        m_handler(std::span<const std::uint8_t>(buffer.data(), static_cast<std::size_t>(size)),
                  Ipv4Endpoint{ntohl(from.sin_addr.s_addr), ntohs(from.sin_port)});
    }
}

} // namespace platform
