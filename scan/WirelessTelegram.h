#pragma once
// One wireless M-Bus telegram (EN 13757-4 link layer, EN 13757-3 and -7
// transport layers) as the converter relays it from its radio module: the
// telegram from its L field on, then the module's own trailing bytes, the
// last of which is the signal strength. Every read stays inside the
// telegram: a layout or an encrypted length that runs past it makes the
// payload unreadable, never a read beyond the datagram.
#include "scan/Aes128.h"
#include "scan/RecordParser.h"

#include <QDateTime>
#include <cstdint>
#include <optional>
#include <span>

namespace scan {

enum class TRadioModule { rmTelit, rmRadioCrafts };

// The four values that tell one meter from another.
struct WirelessIdentity {
    quint16 manufacturer = 0;
    qint32 address = 0;
    quint8 version = 0;
    quint8 deviceType = 0;
    friend bool operator==(const WirelessIdentity &, const WirelessIdentity &) = default;
};

// Whether the datagram is one whole telegram as the module frames it: its L
// field plus 3 bytes with a Telit module, plus 1 with a RadioCrafts module
// (whose L field counts its signal-strength byte).
bool isWholeTelegram(std::span<const std::uint8_t> datagram, TRadioModule module);

// Signal strength from the module's last byte, saturated to 8 bits.
qint8 wirelessRssi(TRadioModule module, std::uint8_t last);

struct WirelessHeader {
    quint8 cField = 0;
    WirelessIdentity link;        // M and A fields
    WirelessIdentity application; // the long transport header's, else the link layer's
    quint8 ci = 0;
    qint8 rssi = 0;
};

// nullopt when the datagram is too short for the meter's identity.
std::optional<WirelessHeader> readWirelessHeader(std::span<const std::uint8_t> datagram, TRadioModule module);

struct WirelessPayload {
    // False when the link extension carries a transport layer that is not
    // read here: a known meter keeps what it had.
    bool taken = true;
    // Not readable in plain: encrypted without the right key, a layout that
    // is not read here, or records that do not fit the telegram. There are
    // no records then.
    bool cripted = true;
    TVariableList records;
};

// Reads the payload of a telegram whose header reads. With a key, a
// short-header telegram of security mode 5 behind a short link extension is
// decrypted first, in a copy: the datagram stays as it was received.
WirelessPayload readWirelessPayload(std::span<const std::uint8_t> datagram, TRadioModule module,
                                    const std::optional<AesKey> &key, const QDateTime &receivedAt);

} // namespace scan
