#include "compiler/GeneralBlock.h"

namespace compiler {

void GeneralBlock::Init_General_Block()
{
    m_record.fill(0);
    FieldWriter f = fields();
    f.u32(0, 250000);
    f.u32(4, 250000);
    f.u32(8, 9600);
    f.quad(IpAddress, {192, 168, 0, 5});
    f.quad(SubnetMask, {255, 255, 255, 0});
    f.quad(Gateway, {255, 255, 255, 255});
    f.u16(52, 10000);
    f.u8(InterfaceCode, 1);
    f.u32(60, 9600);
    f.quad(72, {192, 168, 0, 10});
    f.u8(ModbusStopBits, 1);
    f.u8(529, 1);
    f.u8(532, 8);
    f.u8(535, 8);
    f.u8(570, 191);
    f.u8(590, 1);
    f.u32(596, 0x68800);
    f.u32(TcpTimeout, 120000);
}

QByteArray GeneralBlock::write(const std::vector<WirelessMeterEntry> &meterTable) const
{
    Q_ASSERT(meterTable.size() <= WirelessTableSize);
    std::array<std::uint8_t, FileSize> file{};
    std::copy(m_record.begin(), m_record.end(), file.begin());
    FieldWriter out(file.data(), FileSize);
    out.u32(RecordSize, byteSum(m_record.data(), RecordSize));
    int at = RecordSize + 4;
    for (const WirelessMeterEntry &meter : meterTable) {
        out.u16(at, meter.manufacturer);
        out.u32(at + 2, meter.address);
        out.u8(at + 6, meter.version);
        out.u8(at + 7, meter.deviceType);
        std::copy(meter.key.begin(), meter.key.end(), file.begin() + at + 8);
        out.u8(at + 24, meter.keyFlag);
        at += EntrySize;
    }
    return QByteArray(reinterpret_cast<const char *>(file.data()), FileSize);
}

} // namespace compiler
