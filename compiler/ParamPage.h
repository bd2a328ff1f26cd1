#pragma once
// The 2048-byte parameter page at the start of the Ethernet board's bank.bin:
// a 184-byte record of network and meter-bus settings, zero fill and the
// 32-bit byte sum of everything before it.
#include "compiler/FieldWriter.h"

#include <QByteArray>

#include <array>

namespace compiler {

class ParamPage {
public:
    static constexpr int RecordSize = 184;
    static constexpr int PageSize = 2048;
    static constexpr int SumOffset = 2044;

    ParamPage() { Init_Param_Page(); }

    void Init_Param_Page();
    FieldWriter fields() { return FieldWriter(m_record.data(), RecordSize); }

    // Field offsets of the record that the compile sets.
    static constexpr int MeterBaud = 12;    // u32, again at 60
    static constexpr int MeterParity = 18;  // u16, again at 66
    static constexpr int IpAddress = 40;
    static constexpr int SubnetMask = 44;
    static constexpr int Gateway = 48;
    static constexpr int TcpPort = 54;      // u16, again at 56
    static constexpr int Marker = 58;       // u16
    static constexpr int TcpTimeout = 172;  // u32, milliseconds
    static constexpr int FixedCField = 176; // u32
    static constexpr int ReplyException = 180;

    // The whole page: record, zero fill, sum.
    QByteArray Write_Param_Page() const;

private:
    std::array<std::uint8_t, RecordSize> m_record{};
};

} // namespace compiler
