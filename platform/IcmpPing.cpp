#include "platform/IcmpPing.h"

#include <QByteArray>

#include <algorithm>
#include <arpa/inet.h>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace platform {

namespace {

constexpr std::uint8_t EchoReplyType = 0;
constexpr std::uint8_t EchoRequestType = 8;
constexpr int IcmpHeaderBytes = 8;
constexpr int MaxPayloadBytes = 65507 - IcmpHeaderBytes;
constexpr std::chrono::milliseconds HookInterval{10};

std::uint16_t internetChecksum(const unsigned char *data, std::size_t size)
{
    std::uint32_t sum = 0;
    for (std::size_t i = 0; i + 1 < size; i += 2)
        sum += (std::uint32_t(data[i]) << 8) | data[i + 1];
    if (size % 2)
        sum += std::uint32_t(data[size - 1]) << 8;
    while (sum >> 16)
        sum = (sum & 0xFFFF) + (sum >> 16);
    return std::uint16_t(~sum);
}

void putBigEndian16(unsigned char *at, std::uint16_t value)
{
    at[0] = std::uint8_t(value >> 8);
    at[1] = std::uint8_t(value);
}

std::uint16_t bigEndian16(const unsigned char *at)
{
    return std::uint16_t((at[0] << 8) | at[1]);
}

QString systemError(const char *what, int error)
{
    return QStringLiteral("%1: %2").arg(QLatin1String(what), QString::fromLocal8Bit(std::strerror(error)));
}

// Distinct identifiers for several raw-socket pingers in one process.
std::uint16_t nextRawIdentifier()
{
    static std::atomic<std::uint16_t> counter{0};
    return std::uint16_t(std::uint16_t(::getpid()) ^ std::uint16_t(counter.fetch_add(1) * 0x9E37u));
}

} // namespace

IcmpPinger::IcmpPinger(int payloadBytes, SocketChoice choice)
    : m_payloadBytes(std::clamp(payloadBytes, 0, MaxPayloadBytes)), m_choice(choice)
{
}

IcmpPinger::~IcmpPinger()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

bool IcmpPinger::openSocket(QString *error)
{
    if (m_fd >= 0)
        return true;
    int datagramError = 0;
    if (m_choice != SocketChoice::RawOnly) {
        m_fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_NONBLOCK | SOCK_CLOEXEC, IPPROTO_ICMP);
        if (m_fd >= 0) {
            m_kind = SocketKind::Datagram;
            return true;
        }
        datagramError = errno;
    }
    if (m_choice != SocketChoice::DatagramOnly) {
        m_fd = ::socket(AF_INET, SOCK_RAW | SOCK_NONBLOCK | SOCK_CLOEXEC, IPPROTO_ICMP);
        if (m_fd >= 0) {
            m_kind = SocketKind::Raw;
            m_identifier = nextRawIdentifier();
            return true;
        }
        *error = systemError("ICMP sockets are not permitted on this system", errno);
        return false;
    }
    *error = systemError("ICMP datagram sockets are not permitted on this system", datagramError);
    return false;
}

EchoResult IcmpPinger::echo(const QHostAddress &target, std::chrono::milliseconds timeout, const WaitHook &hook)
{
    EchoResult result;
    bool isIpv4 = false;
    const std::uint32_t address = target.toIPv4Address(&isIpv4);
    if (!isIpv4) {
        result.status = EchoStatus::Failed;
        result.error = QStringLiteral("Not an IPv4 address: %1").arg(target.toString());
        return result;
    }
    if (!openSocket(&result.error)) {
        result.status = EchoStatus::Failed;
        return result;
    }

    const std::uint16_t sequence = ++m_sequence;
    QByteArray packet(IcmpHeaderBytes + m_payloadBytes, '\0');
    auto *bytes = reinterpret_cast<unsigned char *>(packet.data());
    bytes[0] = EchoRequestType;
    putBigEndian16(bytes + 4, m_identifier);
    putBigEndian16(bytes + 6, sequence);
    for (int i = 0; i < m_payloadBytes; ++i)
        bytes[IcmpHeaderBytes + i] = std::uint8_t('a' + i % 23);
    putBigEndian16(bytes + 2, internetChecksum(bytes, std::size_t(packet.size())));

    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_addr.s_addr = htonl(address);
    if (::sendto(m_fd, packet.constData(), std::size_t(packet.size()), 0, reinterpret_cast<sockaddr *>(&to),
                 sizeof to) < 0) {
        // Unreachable network and the like: this attempt simply gets no answer.
        result.error = systemError("Echo request not sent", errno);
        return result;
    }

    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline = Clock::now() + timeout;
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0)
            return result;
        pollfd watch{m_fd, POLLIN, 0};
        const int ready = ::poll(&watch, 1, int(std::min(left, HookInterval).count()));
        if (ready > 0) {
            bool socketError = false;
            if (readReply(address, sequence, &result.dataBytes, &socketError)) {
                result.status = EchoStatus::Reply;
                return result;
            }
            if (socketError)
                return result;
        } else if (ready < 0 && errno != EINTR) {
            result.error = systemError("Waiting for the echo reply failed", errno);
            return result;
        }
        if (hook && !hook()) {
            result.status = EchoStatus::Interrupted;
            return result;
        }
    }
}

bool IcmpPinger::readReply(std::uint32_t target, std::uint16_t sequence, int *dataBytes, bool *socketError)
{
    unsigned char buffer[65536];
    for (;;) {
        sockaddr_in from{};
        socklen_t fromSize = sizeof from;
        const ssize_t size = ::recvfrom(m_fd, buffer, sizeof buffer, 0, reinterpret_cast<sockaddr *>(&from), &fromSize);
        if (size < 0) {
            if (errno == EINTR)
                continue;
            *socketError = errno != EAGAIN && errno != EWOULDBLOCK;
            return false;
        }
        const unsigned char *icmp = buffer;
        std::size_t icmpSize = std::size_t(size);
        if (m_kind == SocketKind::Raw) {
            // A raw socket hands over the IP header as well.
            if (icmpSize < 20)
                continue;
            const std::size_t ipHeader = std::size_t(buffer[0] & 0x0F) * 4;
            if (ipHeader < 20 || icmpSize < ipHeader)
                continue;
            icmp += ipHeader;
            icmpSize -= ipHeader;
        }
        if (icmpSize < std::size_t(IcmpHeaderBytes) || icmp[0] != EchoReplyType || icmp[1] != 0)
            continue;
        if (ntohl(from.sin_addr.s_addr) != target || bigEndian16(icmp + 6) != sequence)
            continue; // someone else's, or a late answer to an earlier attempt
        // The kernel filters replies by identifier for datagram sockets.
        if (m_kind == SocketKind::Raw && bigEndian16(icmp + 4) != m_identifier)
            continue;
        *dataBytes = int(icmpSize) - IcmpHeaderBytes;
        return true;
    }
}

} // namespace platform
