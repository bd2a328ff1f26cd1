#pragma once
// Takes one received wireless telegram into the list of wireless meters: the
// meter is looked up by its application-layer identity and created by its
// first telegram; the records of each later telegram that is taken replace
// the earlier ones. A meter's key, its enable flag and its key-table entry
// are read and written under the list's lock only, so that key entry on
// another thread never meets a half-written key.
#include "scan/ScanLists.h"
#include "scan/WirelessTelegram.h"

#include <QDateTime>
#include <functional>
#include <optional>
#include <span>

namespace scan {

// What the engine reports after each telegram it took in: the meter's
// position in the list and its identity. A report is handled later, on
// another thread; its receiver finds the meter again with reportedMeter().
struct WirelessReport {
    qint32 index = -1;
    WirelessIdentity identity;
    friend bool operator==(const WirelessReport &, const WirelessReport &) = default;
};

using TUpdateListWirelessSlave = std::function<void(const WirelessReport &report)>;

WirelessIdentity applicationIdentity(const TSlave_wMBus &meter);

// Position of the first meter with this application-layer identity, or -1.
qint32 Find_Wireless_Slave(const TSlaveWMBusList::Access &meters, quint16 manufacturer, qint32 identification,
                           quint8 version, quint8 deviceType);

// The meter a report names, when it is still the one at that position;
// nullptr when the list has changed since (the report is then to be ignored).
TSlave_wMBus *reportedMeter(const TSlaveWMBusList::Access &meters, const WirelessReport &report);

// Takes one whole telegram (the datagram as the module framed it). A first
// telegram creates the meter and is not decrypted; a later one is, with the
// meter's key when one has been entered. nullopt when the datagram is too
// short for the meter's identity: nothing changed and nothing is to be
// reported.
std::optional<WirelessReport> takeWirelessTelegram(TSlaveWMBusList &list, std::span<const std::uint8_t> datagram,
                                                  TRadioModule module, const QDateTime &receivedAt);

} // namespace scan
