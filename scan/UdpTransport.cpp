// The converter over Ethernet: one socket, bound to any local port (or the
// one the caller names) and sending to the converter's address and port.
#include "scan/ScanTransport.h"

#include "platform/UdpSocket.h"

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
            return {ScanRefusal::InvalidAddress, target.address};
        if (target.port == 0)
            return {ScanRefusal::InvalidPort, {}};
        m_converter = {*address, target.port};
        platform::UdpSocket::Options options;
        options.local.port = target.localPort;
        options.reuseAddress = target.localPort != 0;
        options.maxDatagram = ReceiveBufferSize;
        const platform::SocketResult opened =
            m_socket.open(options, [receiver = std::move(receiver)](std::span<const std::uint8_t> datagram,
                                                                    const platform::Ipv4Endpoint &) {
                receiver(datagram);
            });
        if (!opened.ok())
            return {ScanRefusal::TransportFailed, opened.error};
        return {};
    }

    bool send(std::span<const std::uint8_t> bytes) override { return m_socket.sendTo(bytes, m_converter); }

    void close() override { m_socket.close(); }

private:
    platform::UdpSocket m_socket;
    platform::Ipv4Endpoint m_converter;
};

} // namespace

std::unique_ptr<ScanTransport> makeUdpTransport() { return std::make_unique<UdpTransport>(); }

std::unique_ptr<ScanTransport> makeTransport(TSelectHard hardware)
{
    return hardware == TSelectHard::shSerial ? makeSerialTransport() : makeUdpTransport();
}

} // namespace scan
