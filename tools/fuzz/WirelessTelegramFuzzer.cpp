// Feeds arbitrary datagrams to the wireless intake as a radio module would
// relay them. The first byte picks the module (bit 0: RadioCrafts) and
// whether the meter's key is known (bit 1); the rest is the datagram, taken
// twice: as a new meter's first telegram, then as a known meter's, decrypted
// when its layout asks for it and a key is known.
#include "scan/WirelessIntake.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 1)
        return 0;
    const auto module = data[0] & 1 ? scan::TRadioModule::rmRadioCrafts : scan::TRadioModule::rmTelit;
    const bool keyKnown = data[0] & 2;
    const std::span<const std::uint8_t> datagram(data + 1, size - 1);
    const QDateTime at(QDate(2024, 1, 1), QTime(12, 0));

    scan::isWholeTelegram(datagram, module);
    scan::TSlaveWMBusList list;
    const auto first = scan::takeWirelessTelegram(list, datagram, module, at);
    if (first && keyKnown) {
        auto meters = list.lock();
        scan::TSlave_wMBus &meter = meters.at(first->index);
        meter.Enable_Key = true;
        meter.Key.fill(0x5A);
    }
    scan::takeWirelessTelegram(list, datagram, module, at);
    return 0;
}
