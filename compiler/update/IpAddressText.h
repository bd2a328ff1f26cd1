#pragma once
// IPv4 addresses as the Ethernet update wizard takes them: four edits of one
// octet each, and the dotted text kept as the last device address.
#include <QHostAddress>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>

namespace compiler {

using Ipv4Octets = std::array<std::uint8_t, 4>;
using OctetTexts = std::array<QString, 4>;

// One octet: blanks around decimal digits (leading zeros allowed) whose value
// is 0..255. Signs, hexadecimal and anything else are refused.
std::optional<std::uint8_t> parseIpOctet(const QString &text);

// Valid_IP: a dotted address with exactly four octets, each as above and with
// blanks allowed around it; nullopt otherwise.
std::optional<Ipv4Octets> parseDottedIpv4(const QString &text);

// The four edits; nullopt when any of them is not an octet.
std::optional<Ipv4Octets> parseOctetTexts(const OctetTexts &texts);

// "192.168.2.205": plain decimal, so the job file and the settings file get
// the address in one form whatever blanks or leading zeros were typed.
QString dottedIpv4(const Ipv4Octets &octets);

QHostAddress hostAddress(const Ipv4Octets &octets);

} // namespace compiler
