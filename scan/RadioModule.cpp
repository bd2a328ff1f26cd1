#include "scan/RadioModule.h"

#include <initializer_list>

namespace scan {
namespace {

std::uint8_t radioCraftsMode(qint32 mode)
{
    switch (mode) {
    case wmbus::ModeT:
        return 0x01;
    case wmbus::ModeC:
        return 0x0A;
    case wmbus::ModeN1:
        return 0x11;
    case wmbus::ModeN2:
        return 0x10;
    default:
        return 0x03; // S, and anything the dialog does not offer
    }
}

QByteArray bytesOf(std::initializer_list<std::uint8_t> bytes)
{
    QByteArray out;
    for (const std::uint8_t b : bytes)
        out.append(char(b));
    return out;
}

} // namespace

QByteArray telit::setRegister(int reg, int value)
{
    return "ATS" + QByteArray::number(reg) + '=' + QByteArray::number(value) + '\r';
}

std::array<std::uint8_t, 8> telitMeterRegisters(const TSlave_wMBus &meter)
{
    const auto address = static_cast<quint32>(meter.ALA_Address);
    return {std::uint8_t(meter.ALA_Manufacturer), std::uint8_t(meter.ALA_Manufacturer >> 8),
            std::uint8_t(address),                std::uint8_t(address >> 8),
            std::uint8_t(address >> 16),          std::uint8_t(address >> 24),
            meter.ALA_Version,                    meter.ALA_DeviceType};
}

QByteArray Build_RC_Config(qint32 mode)
{
    // Memory address and value pairs.
    return bytesOf({0x03, radioCraftsMode(mode), 0x04, 0x00, 0x05, 0x01, 0x12, 0x01, 0x16, 0x17, 0x3A, 0x01, 0x3D, 0x02,
                    0x37, 0x01});
}

QByteArray Build_RC_Erase_Entry() { return QByteArray(8, '\0'); }

QByteArray Build_RC_Meter_Address(const TSlave_wMBus &meter)
{
    // The same eight bytes as the Telit registers, the address first.
    const std::array<std::uint8_t, 8> r = telitMeterRegisters(meter);
    return bytesOf({r[2], r[3], r[4], r[5], r[0], r[1], r[6], r[7]});
}

QByteArray Build_RC_Key(const TSlave_wMBus &meter)
{
    return QByteArray(reinterpret_cast<const char *>(meter.Key.data()), qsizetype(meter.Key.size()));
}

} // namespace scan
