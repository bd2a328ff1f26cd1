#pragma once
// Turns one parsed data record into its value and unit: raw value by data
// field, scaling and name by VIF, time points, the VIF extension tables and
// the combinable VIFE.
#include "scan/ScanModel.h"

#include <QStringView>
#include <array>
#include <cstdint>
#include <span>

namespace scan {

class TextWriter;

// The current record's bytes as the parser hands them over: data bytes from
// 0 (unused ones 0) and the VIFE bytes from 0 (unused ones 0).
struct DecoderScratch {
    std::array<std::uint8_t, 256> App_Data_Val{};
    std::array<std::uint8_t, 10> App_Vife_Val{};
};

// BCD of the first n bytes, least significant first; a high nibble F in the
// last byte is a minus sign. Nibbles A-F count as 10-15. n is limited to
// the bytes given.
qint64 BCD_To_Int64(std::span<const std::uint8_t> bytes, int n);

// Sets type_data, Type_Data_Vife, Desc_Type_Data and ValueStr of the record.
void Decode_Value_And_Unit(std::uint8_t vif, std::uint8_t firstVife, std::uint8_t dataField, std::uint8_t lvar,
                           qint32 nbyte, TVariable_MBus &record, const DecoderScratch &scratch);

// The same for the parser: the texts the record does not share with the
// tables are written to `texts`; numbers take the given decimal separator.
void decodeValueAndUnit(std::uint8_t vif, std::uint8_t firstVife, std::uint8_t dataField, std::uint8_t lvar,
                        qint32 nbyte, TVariable_MBus &record, const DecoderScratch &scratch, TextWriter &texts,
                        QStringView decimalPoint);

} // namespace scan
