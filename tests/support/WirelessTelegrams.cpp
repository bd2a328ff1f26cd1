#include "support/WirelessTelegrams.h"

#include "support/SimulatedMBus.h"

#include <openssl/evp.h>

#include <memory>
#include <stdexcept>

namespace testsupport {

namespace {

constexpr std::uint8_t Filler = 0x2F;
constexpr std::size_t FirstRecordOfWiredFrame = 19;

void appendIdentity(QByteArray &out, const MeterIdentity &id, bool addressFirst)
{
    const auto manufacturer = [&] { out.append(char(id.manufacturer & 0xFF)).append(char(id.manufacturer >> 8)); };
    if (!addressFirst)
        manufacturer();
    for (int shift = 0; shift < 32; shift += 8)
        out.append(char((id.address >> shift) & 0xFF));
    if (addressFirst)
        manufacturer();
    out.append(char(id.version)).append(char(id.deviceType));
}

bool hasLongHeader(TransportLayout layout)
{
    return layout == TransportLayout::Long || layout == TransportLayout::ShortLinkLong
        || layout == TransportLayout::LongLinkLong;
}

bool hasNoHeader(TransportLayout layout)
{
    return layout == TransportLayout::ShortLinkNone || layout == TransportLayout::LongLinkNone;
}

} // namespace

QByteArray encryptAesCbc(const TestKey &key, const std::array<std::uint8_t, 16> &iv, const QByteArray &plain)
{
    std::unique_ptr<EVP_CIPHER_CTX, decltype(&EVP_CIPHER_CTX_free)> ctx(EVP_CIPHER_CTX_new(), EVP_CIPHER_CTX_free);
    QByteArray cipher(plain.size(), '\0');
    int written = 0;
    if (!ctx || EVP_EncryptInit_ex(ctx.get(), EVP_aes_128_cbc(), nullptr, key.data(), iv.data()) != 1
        || EVP_CIPHER_CTX_set_padding(ctx.get(), 0) != 1
        || EVP_EncryptUpdate(ctx.get(), reinterpret_cast<unsigned char *>(cipher.data()), &written,
                             reinterpret_cast<const unsigned char *>(plain.constData()), int(plain.size()))
               != 1
        || written != plain.size())
        throw std::runtime_error("AES encryption failed");
    return cipher;
}

QByteArray wirelessTelegram(const WirelessTelegramSpec &spec)
{
    QByteArray t;
    t.append('\0').append(char(spec.cField));
    appendIdentity(t, spec.link, false);

    const TransportLayout layout = spec.layout;
    switch (layout) {
    case TransportLayout::Short:
        t.append(char(0x7A));
        break;
    case TransportLayout::Long:
        t.append(char(0x72));
        break;
    case TransportLayout::ShortLinkShort:
    case TransportLayout::ShortLinkLong:
    case TransportLayout::ShortLinkNone:
        t.append(char(0x8C)).append(char(0x20)).append(char(spec.linkAccessNumber));
        break;
    case TransportLayout::LongLinkShort:
    case TransportLayout::LongLinkLong:
    case TransportLayout::LongLinkNone:
        // Session number and payload CRC, not looked at.
        t.append(char(0x8D)).append(char(0x20)).append(char(spec.linkAccessNumber));
        t.append(QByteArray::fromHex("010203040506"));
        break;
    }
    if (layout != TransportLayout::Short && layout != TransportLayout::Long)
        t.append(char(hasLongHeader(layout) ? 0x72 : hasNoHeader(layout) ? 0x78 : 0x7A));

    QByteArray data = spec.records;
    std::uint8_t blocks = 0;
    if (spec.key) {
        data.prepend(QByteArray(2, char(Filler)));
        while (data.size() % 16 != 0)
            data.append(char(Filler));
        blocks = static_cast<std::uint8_t>(data.size() / 16);
        if (blocks > 15)
            throw std::length_error("at most 15 encrypted blocks");
        std::array<std::uint8_t, 16> iv{};
        iv.fill(spec.accessNumber);
        for (int i = 0; i < 8; ++i)
            iv[std::size_t(i)] = std::uint8_t(t[2 + i]);
        data = encryptAesCbc(*spec.key, iv, data);
    }

    if (!hasNoHeader(layout)) {
        if (hasLongHeader(layout))
            appendIdentity(t, spec.application, true);
        const std::uint8_t mode = spec.key ? 5 : spec.mode;
        t.append(char(spec.accessNumber)).append(char(spec.status));
        t.append(char(blocks << 4)).append(char(mode));
    }
    t.append(data);
    if (t.size() > 256)
        throw std::length_error("a wireless telegram holds at most 255 bytes after its L field");
    t[0] = char(t.size() - 1);
    return t;
}

QByteArray realRecords(const char *name)
{
    const QByteArray frame = realFrame(name);
    return frame.mid(FirstRecordOfWiredFrame, frame.size() - FirstRecordOfWiredFrame - 2);
}

} // namespace testsupport
