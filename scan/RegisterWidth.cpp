#include "scan/RegisterWidth.h"

#include <array>

namespace scan {

namespace {

// By data field 0 to 15; variable length (13) is counted from its bytes.
constexpr std::array<RegisterWidth, 16> FixedWidths{{
    {},       // 0 no data
    {0, 1},   // 1 8-bit integer
    {1, 1},   // 2 16-bit integer
    {4, 2},   // 3 24-bit integer
    {2, 2},   // 4 32-bit integer
    {6, 2},   // 5 32-bit real
    {5, 3},   // 6 48-bit integer
    {3, 4},   // 7 64-bit integer
    {},       // 8 selection for readout
    {0, 1},   // 9 2-digit BCD
    {1, 1},   // 10 4-digit BCD
    {4, 2},   // 11 6-digit BCD
    {2, 2},   // 12 8-digit BCD
    {7, 0},   // 13 variable length
    {5, 3},   // 14 12-digit BCD
    {},       // 15 special functions
}};

// (nbyte + 1) / 2 rounded to the nearest, halves to the even one, as the
// converter counts them: 1 byte 1, 2 bytes 2, 3 2, 4 2, 5 3, 6 4.
qint32 variableLengthRegisters(qint32 nbyte)
{
    if (nbyte <= 0)
        return 0;
    if (nbyte % 2 == 1)
        return (nbyte + 1) / 2;
    const qint32 half = nbyte / 2; // (nbyte + 1) / 2 is half and a half
    return half % 2 == 0 ? half : half + 1;
}

} // namespace

RegisterWidth registerWidth(quint8 dataField, qint32 nbyte)
{
    if (dataField >= FixedWidths.size())
        return {};
    RegisterWidth width = FixedWidths[dataField];
    if (dataField == VariableLengthField)
        width.registers = variableLengthRegisters(nbyte);
    return width;
}

} // namespace scan
