#include "scan/WirelessTelegram.h"

#include <algorithm>
#include <vector>

namespace scan {
namespace {

constexpr std::uint8_t CiShortHeader = 0x7A;
constexpr std::uint8_t CiLongHeader = 0x72;
constexpr std::uint8_t CiNoHeader = 0x78;
constexpr std::uint8_t CiShortLinkExtension = 0x8C;
constexpr std::uint8_t CiLongLinkExtension = 0x8D;
constexpr std::uint8_t CiAuthenticatedLinkExtension = 0x8F;
constexpr std::uint8_t IdleFiller = 0x2F;
constexpr int SecurityMode5 = 5;

constexpr std::size_t CiAt = 10;
constexpr std::size_t LongIdentityAt = 11;
constexpr std::size_t LongIdentityEnd = 19;

// Behind a short link extension with a short transport header.
constexpr std::size_t ExtendedAccessNumberAt = 14;
constexpr std::size_t ExtendedConfigurationAt = 16;
constexpr std::size_t ExtendedModeAt = 17;
constexpr std::size_t ExtendedDataAt = 18;

// What the module adds after the telegram; the last byte is the signal
// strength.
constexpr std::size_t trailerSize(TRadioModule module) { return module == TRadioModule::rmTelit ? 2 : 1; }

// A byte of the telegram, or -1 past its end, so that a comparison with a
// byte value simply fails there.
class Bytes {
public:
    explicit Bytes(std::span<const std::uint8_t> bytes) : m_bytes(bytes) {}
    int at(std::size_t i) const { return i < m_bytes.size() ? m_bytes[i] : -1; }
    std::size_t size() const { return m_bytes.size(); }

private:
    std::span<const std::uint8_t> m_bytes;
};

enum class PlainWhen {
    ModeZeroOrMarked, // security mode 0, or mode 5 with the decrypted data's 2F 2F mark
    Marked,           // the mark only
    Always,           // no transport header, so nothing is encrypted
};

struct Layout {
    std::uint8_t ci;
    std::size_t transportCiAt; // 0: the CI is the transport layer itself
    std::uint8_t transportCi;
    std::size_t modeAt; // high byte of the configuration field
    std::size_t dataAt; // first byte of the records
    PlainWhen plainWhen;
};

// Where each transport layer keeps its configuration field and its records.
constexpr Layout Layouts[] = {
    {CiShortHeader, 0, 0, 14, 15, PlainWhen::ModeZeroOrMarked},
    {CiLongHeader, 0, 0, 0, 23, PlainWhen::Marked},
    {CiShortLinkExtension, 13, CiLongHeader, 25, 26, PlainWhen::ModeZeroOrMarked},
    {CiShortLinkExtension, 13, CiNoHeader, 0, 14, PlainWhen::Always},
    {CiShortLinkExtension, 13, CiShortHeader, 17, 18, PlainWhen::ModeZeroOrMarked},
    {CiLongLinkExtension, 19, CiLongHeader, 31, 32, PlainWhen::ModeZeroOrMarked},
    {CiLongLinkExtension, 19, CiNoHeader, 0, 20, PlainWhen::Always},
    {CiLongLinkExtension, 19, CiShortHeader, 23, 24, PlainWhen::ModeZeroOrMarked},
};

const Layout *findLayout(const Bytes &t)
{
    for (const Layout &layout : Layouts)
        if (t.at(CiAt) == layout.ci && (layout.transportCiAt == 0 || t.at(layout.transportCiAt) == layout.transportCi))
            return &layout;
    return nullptr;
}

bool readsInPlain(const Layout &layout, const Bytes &t)
{
    const bool marked = t.at(layout.dataAt) == IdleFiller && t.at(layout.dataAt + 1) == IdleFiller;
    switch (layout.plainWhen) {
    case PlainWhen::Always:
        return true;
    case PlainWhen::Marked:
        return marked;
    case PlainWhen::ModeZeroOrMarked: {
        const int mode = t.at(layout.modeAt) & 0x0F;
        return t.at(layout.modeAt) >= 0 && (mode == 0 || (mode == SecurityMode5 && marked));
    }
    }
    return false;
}

bool isTransportCi(int ci) { return ci == CiShortHeader || ci == CiLongHeader || ci == CiNoHeader; }

// A link extension whose transport layer is not one read here changes
// nothing of the meter; one cut off before its transport CI is taken as
// unreadable instead.
bool foreignTransport(const Bytes &t)
{
    const auto foreign = [&](std::size_t at) { return t.at(at) >= 0 && !isTransportCi(t.at(at)); };
    return (t.at(CiAt) == CiLongLinkExtension && foreign(19))
        || (t.at(CiAt) == CiAuthenticatedLinkExtension && foreign(27));
}

// Mode 5 behind a short link extension, not yet decrypted by the module.
bool decryptedHere(const Bytes &t)
{
    return t.at(CiAt) == CiShortLinkExtension && t.at(13) == CiShortHeader && t.at(ExtendedModeAt) >= 0
        && (t.at(ExtendedModeAt) & 0x05) == 0x05 && t.at(ExtendedDataAt) != IdleFiller
        && t.at(ExtendedDataAt + 1) != IdleFiller;
}

// M and A fields of the link layer, then the access number eight times.
AesBlock initialisationVector(std::span<const std::uint8_t> telegram)
{
    AesBlock iv;
    std::copy_n(telegram.begin() + 2, 8, iv.begin());
    std::fill(iv.begin() + 8, iv.end(), telegram[ExtendedAccessNumberAt]);
    return iv;
}

WirelessIdentity identityAt(std::span<const std::uint8_t> t, std::size_t manufacturerAt, std::size_t addressAt,
                            std::size_t versionAt)
{
    WirelessIdentity id;
    id.manufacturer = static_cast<quint16>(t[manufacturerAt] | t[manufacturerAt + 1] << 8);
    id.address = static_cast<qint32>(quint32(t[addressAt]) | quint32(t[addressAt + 1]) << 8
                                     | quint32(t[addressAt + 2]) << 16 | quint32(t[addressAt + 3]) << 24);
    id.version = t[versionAt];
    id.deviceType = t[versionAt + 1];
    return id;
}

std::span<const std::uint8_t> telegramOf(std::span<const std::uint8_t> datagram, TRadioModule module)
{
    const std::size_t trailer = trailerSize(module);
    return datagram.size() > trailer ? datagram.first(datagram.size() - trailer) : std::span<const std::uint8_t>{};
}

} // namespace

bool isWholeTelegram(std::span<const std::uint8_t> datagram, TRadioModule module)
{
    const std::size_t extra = module == TRadioModule::rmTelit ? 3 : 1;
    return !datagram.empty() && datagram.size() == datagram[0] + extra;
}

qint8 wirelessRssi(TRadioModule module, std::uint8_t last)
{
    const int rssi = module == TRadioModule::rmTelit ? -int(last) - 2 : int(static_cast<std::int8_t>(last)) / 2 + 1;
    return static_cast<qint8>(std::clamp(rssi, -128, 127));
}

std::optional<WirelessHeader> readWirelessHeader(std::span<const std::uint8_t> datagram, TRadioModule module)
{
    const auto t = telegramOf(datagram, module);
    if (t.size() <= CiAt)
        return std::nullopt;
    WirelessHeader header;
    header.cField = t[1];
    header.link = identityAt(t, 2, 4, 8);
    header.ci = t[CiAt];
    if (header.ci == CiShortHeader || header.ci == CiShortLinkExtension || header.ci == CiLongLinkExtension) {
        header.application = header.link;
    } else {
        if (t.size() < LongIdentityEnd)
            return std::nullopt;
        header.application = identityAt(t, 15, LongIdentityAt, 17);
    }
    header.rssi = wirelessRssi(module, datagram.back());
    return header;
}

WirelessPayload readWirelessPayload(std::span<const std::uint8_t> datagram, TRadioModule module,
                                    const std::optional<AesKey> &key, const QDateTime &receivedAt)
{
    WirelessPayload payload;
    std::span<const std::uint8_t> telegram = telegramOf(datagram, module);
    if (foreignTransport(Bytes(telegram))) {
        payload.taken = false;
        return payload;
    }

    std::vector<std::uint8_t> decrypted;
    if (key && decryptedHere(Bytes(telegram))) {
        const std::size_t length = telegram[ExtendedConfigurationAt] & 0xF0;
        if (ExtendedDataAt + length > telegram.size())
            return payload; // the encrypted blocks run past the telegram
        decrypted.assign(telegram.begin(), telegram.end());
        Decrypt_AES_CBC(telegram.subspan(ExtendedDataAt, length), *key, initialisationVector(telegram),
                        std::span(decrypted).subspan(ExtendedDataAt, length));
        telegram = decrypted;
    }

    const Bytes t(telegram);
    const Layout *layout = findLayout(t);
    if (!layout || layout->dataAt > telegram.size() || !readsInPlain(*layout, t))
        return payload;
    // The last position where a record may begin, counted from the first
    // data byte, as the whole datagram gives it.
    const auto last = static_cast<qint32>(datagram.size()) - static_cast<qint32>(layout->dataAt) - 3;
    const ParseResult parsed = Parse_Data_Records(payload.records, last, telegram.subspan(layout->dataAt),
                                                  TMBusType::mtWireless, receivedAt);
    if (!parsed.decodable)
        return payload;
    payload.cripted = false;
    return payload;
}

} // namespace scan
