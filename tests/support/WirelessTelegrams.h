#pragma once
// Wireless M-Bus telegrams for the tests and the benchmark, built as meters
// send them: link layer, one of the transport layouts the scan reads, and
// data records taken from real wired frames; encrypted in security mode 5
// (AES-128 CBC, the initialisation vector from the M and A fields and the
// access number) by OpenSSL, since the program itself only decrypts.
#include <QByteArray>
#include <array>
#include <cstdint>
#include <optional>

namespace testsupport {

struct MeterIdentity {
    std::uint16_t manufacturer = 0x2C2D; // "KAM"
    std::uint32_t address = 0x12345678;
    std::uint8_t version = 3;
    std::uint8_t deviceType = 7;
};

enum class TransportLayout {
    Short,            // CI 7A
    Long,             // CI 72
    ShortLinkShort,   // CI 8C, transport 7A
    ShortLinkLong,    // CI 8C, transport 72
    ShortLinkNone,    // CI 8C, transport 78
    LongLinkShort,    // CI 8D, transport 7A
    LongLinkLong,     // CI 8D, transport 72
    LongLinkNone,     // CI 8D, transport 78
};

using TestKey = std::array<std::uint8_t, 16>;

struct WirelessTelegramSpec {
    std::uint8_t cField = 0x44;
    MeterIdentity link;
    MeterIdentity application; // written by the long transport header only
    TransportLayout layout = TransportLayout::Short;
    std::uint8_t linkAccessNumber = 0x11; // of a link extension
    std::uint8_t accessNumber = 0x2A;     // of the transport header
    std::uint8_t status = 0;
    std::uint8_t mode = 0; // security mode in the configuration field
    QByteArray records;
    // Encrypts "2F 2F", the records and 2F fillers to whole blocks, sets mode
    // 5 and the number of encrypted blocks.
    std::optional<TestKey> key;
};

QByteArray wirelessTelegram(const WirelessTelegramSpec &spec);

// The data records of a real wired frame (../shared/data).
QByteArray realRecords(const char *name);

// AES-128 CBC without padding; `plain` is whole blocks.
QByteArray encryptAesCbc(const TestKey &key, const std::array<std::uint8_t, 16> &iv, const QByteArray &plain);

} // namespace testsupport
