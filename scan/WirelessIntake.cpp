#include "scan/WirelessIntake.h"

#include "scan/MBusNames.h"

namespace scan {
namespace {

std::unique_ptr<TSlave_wMBus> newMeter(const WirelessHeader &header)
{
    auto meter = std::make_unique<TSlave_wMBus>();
    meter->Message_Type = header.cField;
    meter->ALA_Manufacturer = header.application.manufacturer;
    meter->ALA_Manu_str = Trova_Man(header.application.manufacturer);
    meter->ALA_Address = header.application.address;
    meter->ALA_Version = header.application.version;
    meter->ALA_DeviceType = header.application.deviceType;
    meter->LLA_Manufacturer = header.link.manufacturer;
    meter->LLA_Manu_str = Trova_Man(header.link.manufacturer);
    meter->LLA_Address = header.link.address;
    meter->LLA_Version = header.link.version;
    meter->LLA_DeviceType = header.link.deviceType;
    meter->RSSI = header.rssi;
    meter->RadioCrafts_Ind_Tab_Decript = -1;
    return meter;
}

qint32 findMeter(const TSlaveWMBusList::Access &meters, const WirelessIdentity &id)
{
    return Find_Wireless_Slave(meters, id.manufacturer, id.address, id.version, id.deviceType);
}

} // namespace

WirelessIdentity applicationIdentity(const TSlave_wMBus &meter)
{
    return {meter.ALA_Manufacturer, meter.ALA_Address, meter.ALA_Version, meter.ALA_DeviceType};
}

qint32 Find_Wireless_Slave(const TSlaveWMBusList::Access &meters, quint16 manufacturer, qint32 identification,
                           quint8 version, quint8 deviceType)
{
    const WirelessIdentity wanted{manufacturer, identification, version, deviceType};
    for (qint32 i = 0; i < meters.count(); ++i)
        if (applicationIdentity(meters.at(i)) == wanted)
            return i;
    return -1;
}

TSlave_wMBus *reportedMeter(const TSlaveWMBusList::Access &meters, const WirelessReport &report)
{
    TSlave_wMBus *meter = meters.tryAt(report.index);
    return meter && applicationIdentity(*meter) == report.identity ? meter : nullptr;
}

std::optional<WirelessReport> takeWirelessTelegram(TSlaveWMBusList &list, std::span<const std::uint8_t> datagram,
                                                  TRadioModule module, const QDateTime &receivedAt)
{
    const std::optional<WirelessHeader> header = readWirelessHeader(datagram, module);
    if (!header)
        return std::nullopt;

    bool known = false;
    std::optional<AesKey> key;
    {
        auto meters = list.lock();
        if (const TSlave_wMBus *meter = meters.tryAt(findMeter(meters, header->application))) {
            known = true;
            if (meter->Enable_Key)
                key = meter->Key;
        }
    }

    // Decrypting and decoding happen outside the lock; the meter is looked
    // up again when the result goes in.
    WirelessPayload payload = readWirelessPayload(datagram, module, known ? key : std::nullopt, receivedAt);

    auto meters = list.lock();
    WirelessReport report{findMeter(meters, header->application), header->application};
    if (report.index < 0)
        report.index = meters.append(newMeter(*header));
    else if (known && !payload.taken)
        return report;
    TSlave_wMBus &meter = meters.at(report.index);
    meter.Cancel_Var();
    meter.DateTime = receivedAt;
    meter.RSSI = header->rssi;
    meter.Cripted = payload.cripted;
    meter.List_Var = std::move(payload.records);
    return report;
}

} // namespace scan
