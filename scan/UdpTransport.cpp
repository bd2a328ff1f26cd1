// The converter over Ethernet: one socket, bound to any local port (or the
// one the caller names, on the address the converter is reached from) and
// sending to the converter's address and port.
#include "scan/ScanTransport.h"

#include "platform/UdpSocket.h"

#include <cerrno>

namespace scan {

namespace {

// Room for the longest datagram a converter relays; the engine keeps at most
// its answer buffer of it.
constexpr std::size_t ReceiveBufferSize = 8192;

class UdpTransport final : public ScanTransport {
public:
    ScanStart open(const TransportTarget &target, Receiver receiver) override
    {
        const auto address = platform::parseIpv4(target.address);
        if (!address)
            return {ScanRefusal::InvalidAddress, target.address, {}};
        if (target.port == 0)
            return {ScanRefusal::InvalidPort, {}, {}};
        m_converter = {*address, target.port};
        platform::UdpSocket::Options options;
        if (!target.localAddress.isEmpty()) {
            const auto local = platform::parseIpv4(target.localAddress);
            if (!local)
                return {ScanRefusal::InvalidAddress, target.localAddress, {}};
            options.local.address = *local;
        } else if (target.localPort != 0) {
            // A given port is bound where the converter is reached from, not
            // on every address: a converter (or its simulator) on another
            // local address may hold the same port number.
            platform::SocketResult noRoute;
            const auto local = platform::localAddressTowards(m_converter, &noRoute);
            if (!local)
                return {ScanRefusal::TransportFailed, noRoute.error, {}};
            options.local.address = *local;
        }
        // No address sharing: a port that another socket holds, even one
        // that shares, is refused at the start instead of splitting the
        // converter's datagrams between two receivers.
        options.local.port = target.localPort;
        options.maxDatagram = ReceiveBufferSize;
        const platform::SocketResult opened = m_socket.open(
            options, [this, receiver = std::move(receiver)](std::span<const std::uint8_t> datagram,
                                                            const platform::Ipv4Endpoint &from) {
                // Whatever else reaches the port is no answer of the converter.
                if (from == m_converter)
                    receiver(datagram);
            });
        if (!opened.ok()) {
            const ScanRefusal refusal = target.localPort != 0 ? bindRefusal(opened.code) : ScanRefusal::TransportFailed;
            return {refusal, opened.error, platform::ipv4Text(options.local.address)};
        }
        return {};
    }

    bool send(std::span<const std::uint8_t> bytes) override { return m_socket.sendTo(bytes, m_converter); }

    void close() override { m_socket.close(); }

private:
    platform::UdpSocket m_socket;
    platform::Ipv4Endpoint m_converter; // written before the socket's listener starts
};

} // namespace

ScanRefusal bindRefusal(int systemError)
{
    switch (systemError) {
    case EACCES:
    case EPERM:
        return ScanRefusal::PortDenied;
    case EADDRINUSE:
        return ScanRefusal::PortInUse;
    default:
        return ScanRefusal::TransportFailed;
    }
}

std::unique_ptr<ScanTransport> makeUdpTransport() { return std::make_unique<UdpTransport>(); }

std::unique_ptr<ScanTransport> makeTransport(TSelectHard hardware)
{
    return hardware == TSelectHard::shSerial ? makeSerialTransport() : makeUdpTransport();
}

} // namespace scan
