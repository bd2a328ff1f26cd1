#include "scan/RegisterWidth.h"

namespace scan {

namespace {

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
    switch (dataField) {
    case 1: // 8-bit integer
    case 9: // 2-digit BCD
        return {0, 1};
    case 2:  // 16-bit integer
    case 10: // 4-digit BCD
        return {1, 1};
    case 3:  // 24-bit integer
    case 11: // 6-digit BCD
        return {4, 2};
    case 4:  // 32-bit integer
    case 12: // 8-digit BCD
        return {2, 2};
    case 5: // 32-bit real
        return {6, 2};
    case 6:  // 48-bit integer
    case 14: // 12-digit BCD
        return {5, 3};
    case 7: // 64-bit integer
        return {3, 4};
    case VariableLengthField:
        return {7, variableLengthRegisters(nbyte)};
    default:
        return {};
    }
}

} // namespace scan
