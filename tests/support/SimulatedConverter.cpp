#include "support/SimulatedConverter.h"

#include "scan/AnalyzerProtocol.h"
#include "scan/MBusScanDecode.h"

namespace testsupport {

namespace {

QByteArray bytesOf(std::string_view text) { return QByteArray(text.data(), qsizetype(text.size())); }

std::vector<QByteArray> modeReply(SimulatedConverter::ModeReply reply, std::string_view text)
{
    switch (reply) {
    case SimulatedConverter::ModeReply::Exact:
        return {bytesOf(text)};
    case SimulatedConverter::ModeReply::ExtraByte:
        return {bytesOf(text) + '\0'};
    case SimulatedConverter::ModeReply::Nothing:
        break;
    }
    return {};
}

bool isCommand(const QByteArray &datagram) { return datagram.startsWith("Tervik_"); }

class LocallyBound final : public scan::ScanTransport {
public:
    LocallyBound(std::unique_ptr<scan::ScanTransport> transport, QString localAddress)
        : m_transport(std::move(transport)), m_localAddress(std::move(localAddress))
    {
    }

    scan::ScanStart open(const scan::TransportTarget &target, Receiver receiver) override
    {
        scan::TransportTarget bound = target;
        bound.localAddress = m_localAddress;
        return m_transport->open(bound, std::move(receiver));
    }
    bool send(std::span<const std::uint8_t> bytes) override { return m_transport->send(bytes); }
    void close() override { m_transport->close(); }

private:
    std::unique_ptr<scan::ScanTransport> m_transport;
    QString m_localAddress;
};

} // namespace

void SimulatedConverter::setEnableReply(ModeReply reply)
{
    std::lock_guard lock(m_mutex);
    m_enableReply = reply;
}

void SimulatedConverter::setDisableReply(ModeReply reply)
{
    std::lock_guard lock(m_mutex);
    m_disableReply = reply;
}

void SimulatedConverter::setRadio(std::optional<SimulatedRadio::Kind> kind)
{
    std::lock_guard lock(m_mutex);
    m_radio.reset();
    if (kind)
        m_radio.emplace(*kind);
}

void SimulatedConverter::setOverride(Override override)
{
    std::lock_guard lock(m_mutex);
    m_override = std::move(override);
}

void SimulatedConverter::setSilentWhenNoSlave(bool silent)
{
    std::lock_guard lock(m_mutex);
    m_silentWhenNoSlave = silent;
}

void SimulatedConverter::setClock(scan::ScanClock *clock)
{
    std::lock_guard lock(m_mutex);
    m_clock = clock;
}

std::vector<QByteArray> SimulatedConverter::handle(const QByteArray &datagram)
{
    std::lock_guard lock(m_mutex);
    m_received.push_back({datagram, m_clock ? m_clock->tickCount() : 0});
    if (m_override)
        if (auto replies = m_override(datagram))
            return *replies;
    return answer(datagram);
}

std::vector<QByteArray> SimulatedConverter::answer(const QByteArray &datagram)
{
    namespace analyzer = scan::analyzer;
    if (datagram == bytesOf(analyzer::EnableAnalyzerMode)) {
        m_analyzerMode = true;
        return modeReply(m_enableReply, analyzer::AnalyzerModeEnabled);
    }
    if (datagram == bytesOf(analyzer::DisableAnalyzerMode)) {
        m_analyzerMode = false;
        return modeReply(m_disableReply, analyzer::AnalyzerModeDisabled);
    }
    if (datagram == bytesOf(analyzer::EnableConfigurationMode)) {
        m_configurationMode = true;
        return modeReply(m_enableReply, analyzer::ConfigurationModeEnabled);
    }
    if (datagram == bytesOf(analyzer::DisableConfigurationMode)) {
        m_configurationMode = false;
        return modeReply(m_disableReply, analyzer::ConfigurationModeDisabled);
    }
    if (m_configurationMode) {
        if (!m_radio)
            return {};
        if (datagram == bytesOf(analyzer::TypeRadioModule))
            return {m_radio->name()};
        return isCommand(datagram) ? std::vector<QByteArray>{} : m_radio->answer(datagram);
    }
    if (!m_analyzerMode || isCommand(datagram))
        return {};
    if (auto answer = m_bus.answer(datagram))
        return {*answer};
    if (m_silentWhenNoSlave)
        return {};
    return {bytesOf(analyzer::NoSlave)};
}

std::vector<SimulatedConverter::Datagram> SimulatedConverter::received() const
{
    std::lock_guard lock(m_mutex);
    return m_received;
}

std::vector<QByteArray> SimulatedConverter::frames() const
{
    std::vector<QByteArray> frames;
    for (const Datagram &d : received())
        if (!isCommand(d.bytes))
            frames.push_back(d.bytes);
    return frames;
}

int SimulatedConverter::commandCount(std::string_view command) const
{
    int count = 0;
    for (const Datagram &d : received())
        count += d.bytes == bytesOf(command);
    return count;
}

bool SimulatedConverter::inAnalyzerMode() const
{
    std::lock_guard lock(m_mutex);
    return m_analyzerMode;
}

bool SimulatedConverter::inConfigurationMode() const
{
    std::lock_guard lock(m_mutex);
    return m_configurationMode;
}

std::optional<SimulatedRadio> SimulatedConverter::radio() const
{
    std::lock_guard lock(m_mutex);
    return m_radio;
}

std::optional<QByteArray> SimulatedConverter::relayedTelegram(const QByteArray &telegram, std::uint8_t signal) const
{
    std::lock_guard lock(m_mutex);
    if (!m_radio || !m_radio->relaying())
        return std::nullopt;
    return m_radio->relay(telegram, signal);
}

int SimulatedConverter::openConnections() const
{
    std::lock_guard lock(m_mutex);
    return m_connections;
}

void SimulatedConverter::connectionOpened()
{
    std::lock_guard lock(m_mutex);
    ++m_connections;
}

void SimulatedConverter::connectionClosed()
{
    std::lock_guard lock(m_mutex);
    --m_connections;
}

UdpConverter::UdpConverter(SimulatedConverter &converter, const QString &address, quint16 port)
    : m_converter(converter), m_address(address)
{
    platform::UdpSocket::Options options;
    options.local = {platform::parseIpv4(address).value_or(0x7F000001), port};
    const platform::SocketResult opened = m_socket.open(
        options, [this](std::span<const std::uint8_t> datagram, const platform::Ipv4Endpoint &from) {
            onDatagram(datagram, from);
        });
    m_openError = opened.error;
}

UdpConverter::~UdpConverter() { m_socket.close(); }

void UdpConverter::onDatagram(std::span<const std::uint8_t> datagram, const platform::Ipv4Endpoint &from)
{
    const QByteArray bytes(reinterpret_cast<const char *>(datagram.data()), qsizetype(datagram.size()));
    const std::vector<QByteArray> replies = m_converter.handle(bytes);
    for (const QByteArray &reply : replies)
        m_socket.sendTo({reinterpret_cast<const std::uint8_t *>(reply.constData()), std::size_t(reply.size())}, from);
    {
        std::lock_guard lock(m_mutex);
        m_peer = from;
        m_replies += replies.size();
        ++m_handled;
    }
    m_changed.notify_all();
}

bool UdpConverter::push(const QByteArray &bytes)
{
    std::optional<platform::Ipv4Endpoint> peer;
    {
        std::lock_guard lock(m_mutex);
        peer = m_peer;
        if (peer)
            ++m_replies;
    }
    return peer
        && m_socket.sendTo({reinterpret_cast<const std::uint8_t *>(bytes.constData()), std::size_t(bytes.size())},
                           *peer);
}

bool UdpConverter::relay(const QByteArray &telegram, std::uint8_t signal)
{
    const std::optional<QByteArray> datagram = m_converter.relayedTelegram(telegram, signal);
    return datagram && push(*datagram);
}

quint64 UdpConverter::handled() const
{
    std::lock_guard lock(m_mutex);
    return m_handled;
}

std::optional<platform::Ipv4Endpoint> UdpConverter::peer() const
{
    std::lock_guard lock(m_mutex);
    return m_peer;
}

quint64 UdpConverter::repliesSent() const
{
    std::lock_guard lock(m_mutex);
    return m_replies;
}

std::function<bool(std::chrono::milliseconds)> UdpConverter::settleWith(scan::TMBusScanDecode &engine,
                                                                        std::chrono::milliseconds limit)
{
    return [this, &engine, limit](std::chrono::milliseconds) {
        const quint64 sent = engine.engineStats().datagramsSent;
        quint64 replies = 0;
        {
            std::unique_lock lock(m_mutex);
            if (!m_changed.wait_for(lock, limit, [&] { return m_handled >= sent; }))
                return false;
            replies = m_replies;
        }
        return engine.waitForDatagramsReceived(replies, limit);
    };
}

StrayDatagrams::StrayDatagrams(UdpConverter &converter, const QString &otherAddress, std::chrono::milliseconds interval)
    : m_converter(converter), m_interval(interval)
{
    const auto ignore = [](std::span<const std::uint8_t>, const platform::Ipv4Endpoint &) {};
    platform::UdpSocket::Options options;
    options.local = {platform::parseIpv4(converter.address()).value_or(0x7F000001), 0};
    m_otherPort.open(options, ignore);
    options.local = {platform::parseIpv4(otherAddress).value_or(0x7F000001), 0};
    m_otherAddress.open(options, ignore);
}

void StrayDatagrams::tick(quint32 now)
{
    if (m_last && quint32(now - *m_last) < quint32(m_interval.count()))
        return;
    const std::optional<platform::Ipv4Endpoint> engine = m_converter.peer();
    if (!engine)
        return; // nobody to disturb yet
    m_last = now;
    // Nothing the engine waits for: no reply text, no acknowledgement, no
    // frame, no telegram of either module's framing.
    static const QByteArray garbage[] = {QByteArray::fromHex("DEADBEEF"), QByteArrayLiteral("\n\rNOISE\n\r"),
                                         QByteArray::fromHex("680505680000")};
    const QByteArray &bytes = garbage[m_rounds % std::size(garbage)];
    const std::span<const std::uint8_t> span(reinterpret_cast<const std::uint8_t *>(bytes.constData()),
                                             std::size_t(bytes.size()));
    m_converter.push(bytes);
    m_otherPort.sendTo(span, *engine);
    m_otherAddress.sendTo(span, *engine);
    ++m_rounds;
}

scan::ScanStart InProcessTransport::open(const scan::TransportTarget &, Receiver receiver)
{
    m_receiver = std::move(receiver);
    m_converter.connectionOpened();
    return {};
}

bool InProcessTransport::send(std::span<const std::uint8_t> bytes)
{
    if (!m_receiver)
        return false;
    const QByteArray datagram(reinterpret_cast<const char *>(bytes.data()), qsizetype(bytes.size()));
    for (const QByteArray &reply : m_converter.handle(datagram))
        m_receiver({reinterpret_cast<const std::uint8_t *>(reply.constData()), std::size_t(reply.size())});
    return true;
}

void InProcessTransport::close()
{
    if (m_receiver)
        m_converter.connectionClosed();
    m_receiver = nullptr;
}

scan::TransportFactory inProcess(SimulatedConverter &converter)
{
    return [&converter](scan::TSelectHard) { return std::make_unique<InProcessTransport>(converter); };
}

scan::TransportFactory boundTo(const QString &localAddress)
{
    return [localAddress](scan::TSelectHard hardware) {
        return std::make_unique<LocallyBound>(scan::makeTransport(hardware), localAddress);
    };
}

} // namespace testsupport
