#include "compiler/update/IpAddressText.h"

#include "platform/IntText.h"

#include <QStringList>

namespace compiler {

std::optional<std::uint8_t> parseIpOctet(const QString &text)
{
    const QString digits = platform::trimBlanks(text);
    if (digits.isEmpty())
        return std::nullopt;
    // Leading zeros are allowed ("0255" is 255); the value may not pass 255.
    int value = 0;
    for (const QChar c : digits) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
        if (value > 255)
            return std::nullopt;
    }
    return std::uint8_t(value);
}

std::optional<Ipv4Octets> parseDottedIpv4(const QString &text)
{
    const QStringList parts = text.split(u'.');
    if (parts.size() != 4)
        return std::nullopt;
    return parseOctetTexts({parts[0], parts[1], parts[2], parts[3]});
}

std::optional<Ipv4Octets> parseOctetTexts(const OctetTexts &texts)
{
    Ipv4Octets octets{};
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const auto octet = parseIpOctet(texts[i]);
        if (!octet)
            return std::nullopt;
        octets[i] = *octet;
    }
    return octets;
}

QString dottedIpv4(const Ipv4Octets &octets)
{
    return QStringLiteral("%1.%2.%3.%4").arg(octets[0]).arg(octets[1]).arg(octets[2]).arg(octets[3]);
}

QHostAddress hostAddress(const Ipv4Octets &octets)
{
    return QHostAddress((quint32(octets[0]) << 24) | (quint32(octets[1]) << 16) | (quint32(octets[2]) << 8) |
                        quint32(octets[3]));
}

} // namespace compiler
