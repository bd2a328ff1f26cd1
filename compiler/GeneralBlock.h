#pragma once
// bank1.bin: the converter's 2044-byte general block, its 32-bit byte sum and
// the table of 32 wireless meters; 3072 bytes in all.
#include "compiler/CompilerRecords.h"
#include "compiler/FieldWriter.h"

#include <QByteArray>

#include <array>
#include <vector>

namespace compiler {

class GeneralBlock {
public:
    static constexpr int RecordSize = 2044;
    static constexpr int EntrySize = 32;
    static constexpr int FileSize = RecordSize + 4 + WirelessTableSize * EntrySize;

    // Offsets of the fields the compile sets.
    static constexpr int ModbusId = 20;          // u32
    static constexpr int IpAddress = 40;
    static constexpr int SubnetMask = 44;
    static constexpr int Gateway = 48;
    static constexpr int TcpPort = 54;           // u16, again at 56
    static constexpr int InterfaceCode = 59;     // u8
    static constexpr int ModbusBaud = 496;       // u32
    static constexpr int SlaveLineBaud = 504;    // u32
    static constexpr int MeterBaud = 508;        // u32
    static constexpr int ModbusParity = 520;     // u8
    static constexpr int SlaveLineParity = 522;  // u8
    static constexpr int MeterParity = 523;      // u8
    static constexpr int ModbusStopBits = 526;   // u8
    static constexpr int SlaveLineStopBits = 528; // u8
    static constexpr int SlaveLineDataBits = 534; // u8
    static constexpr int WirelessCount = 564;    // u8
    static constexpr int WirelessMode = 568;     // u8
    static constexpr int RadioChannel = 582;     // u8
    static constexpr int RadioSettings = 584;    // 3 bytes
    static constexpr int TcpTimeout = 600;       // u32, milliseconds
    static constexpr int FixedCField = 728;      // u32
    static constexpr int ReplyException = 736;   // u8
    static constexpr int FloatWordOrder = 739;   // u8

    GeneralBlock() { Init_General_Block(); }

    void Init_General_Block();
    FieldWriter fields() { return FieldWriter(m_record.data(), RecordSize); }

    // The whole of bank1.bin: the record, its sum, then the meter table padded
    // with empty entries. The table must not hold more than 32 meters.
    QByteArray write(const std::vector<WirelessMeterEntry> &meterTable) const;

private:
    std::array<std::uint8_t, RecordSize> m_record{};
};

} // namespace compiler
