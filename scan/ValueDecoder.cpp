#include "scan/ValueDecoder.h"

#include "scan/MBusTables.h"
#include "scan/ValueText.h"

#include <algorithm>
#include <bit>

namespace scan {
namespace {

constexpr int kVifExtensionFd = 0xFD;
constexpr int kVifExtensionFb = 0xFB;

// 10^k in extended precision: exact up to 10^27, so scaling divides by an
// exact power rather than multiplying by an inexact fraction.
long double scaleByPowerOfTen(long double value, int exponent)
{
    long double power = 1;
    for (int i = 0; i < (exponent < 0 ? -exponent : exponent); ++i)
        power *= 10;
    return exponent < 0 ? value / power : value * power;
}

std::uint32_t littleEndian(const std::uint8_t *bytes, int count)
{
    std::uint32_t v = 0;
    for (int i = count - 1; i >= 0; --i)
        v = (v << 8) | bytes[i];
    return v;
}

long double rawValue(int dataField, std::uint8_t lvar, const std::array<std::uint8_t, 256> &d)
{
    switch (dataField) {
    case 1: return static_cast<std::int8_t>(d[0]);
    case 2: return static_cast<std::int16_t>(littleEndian(d.data(), 2));
    case 3: {
        const std::int64_t v = littleEndian(d.data(), 3);
        return static_cast<long double>((d[2] & 0x80) ? v - (std::int64_t(1) << 24) : v);
    }
    case 4: return static_cast<std::int32_t>(littleEndian(d.data(), 4));
    case 5: return std::bit_cast<float>(littleEndian(d.data(), 4));
    case 6: {
        const std::int64_t v = std::int64_t(littleEndian(d.data(), 4)) | std::int64_t(littleEndian(d.data() + 4, 2)) << 32;
        return static_cast<long double>((d[5] & 0x80) ? v - (std::int64_t(1) << 48) : v);
    }
    case 7: {
        const std::uint64_t v = std::uint64_t(littleEndian(d.data(), 4)) | std::uint64_t(littleEndian(d.data() + 4, 4)) << 32;
        return static_cast<long double>(static_cast<std::int64_t>(v));
    }
    case 9: case 10: case 11: case 12: return BCD_To_Int64(d, dataField - 8);
    case 14: return BCD_To_Int64(d, 6);
    case 13:
        if (lvar >= 0xC0 && lvar <= 0xC9)
            return BCD_To_Int64(d, lvar - 0xC0);
        if (lvar >= 0xD0 && lvar <= 0xD9)
            return -static_cast<long double>(BCD_To_Int64(d, lvar - 0xD0));
        return 0;
    default: return 0;
    }
}

int twoDigitYear(std::uint8_t dayByte, std::uint8_t monthByte) { return ((dayByte >> 5) & 0x07) | ((monthByte >> 4) & 0x0F) << 3; }

QString dateText(std::uint8_t dayByte, std::uint8_t monthByte)
{
    return Two_Digit_Text(dayByte & 0x1F) + QLatin1Char('/') + Two_Digit_Text(monthByte & 0x0F) + QLatin1Char('/')
         + Two_Digit_Text(twoDigitYear(dayByte, monthByte));
}

QString clockText(std::uint8_t hour, std::uint8_t minute) { return Two_Digit_Text(hour) + QLatin1Char(':') + Two_Digit_Text(minute); }

// Type G (data field 2) and type F (data field 4); other data fields give
// no text and the number shows.
QString dateOrDateTimeText(int dataField, const std::array<std::uint8_t, 256> &d)
{
    if (dataField == 2)
        return dateText(d[0], d[1]);
    if (dataField == 4)
        return dateText(d[2], d[3]) + QLatin1Char(' ') + clockText(d[1] & 0x1F, d[0] & 0x3F);
    return {};
}

QString timePointText(int dataField, const std::array<std::uint8_t, 256> &d)
{
    switch (dataField) {
    case 3: return clockText(d[2] & 0x1F, d[1] & 0x3F) + QLatin1Char(':') + Two_Digit_Text(d[0] & 0x3F);
    case 6:
        return weekdayText((d[2] >> 5) & 0x07) + dateText(d[3], d[4]) + QLatin1Char(' ')
             + clockText(d[2] & 0x1F, d[1] & 0x3F) + QLatin1Char(':') + Two_Digit_Text(d[0] & 0x3F);
    default: return dateOrDateTimeText(dataField, d);
    }
}

struct Working {
    long double value = 0;
    int category = -1;
    int extensionCode = -1;
    QString description;
    QString valueText;
};

void applyCombinable(const CodeEntry &entry, int code, int dataField, const DecoderScratch &scratch, Working &w)
{
    w.description += entry.textFor(code);
    if (w.extensionCode == -1)
        w.extensionCode = entry.codeFor(code);
    if (entry.scaling.applies)
        w.value = scaleByPowerOfTen(w.value, entry.scaling.exponentFor(code));
    if (entry.dateText)
        w.valueText = dateOrDateTimeText(dataField, scratch.App_Data_Val);
}

// Combinable VIFE from `start`, never past the tenth.
void walkCombinableVifes(int start, int dataField, const DecoderScratch &scratch, Working &w)
{
    const auto &vifes = scratch.App_Vife_Val;
    int i = start;
    for (;;) {
        const int code = vifes[static_cast<std::size_t>(i)] & 0x7F;
        if (code == kPhaseExtensionVife) {
            if (i < 9) {
                ++i;
                w.description += phaseExtensionText(vifes[static_cast<std::size_t>(i)] & 0x7F);
            }
        } else {
            applyCombinable(combinableVifeTable().lookup(code), code, dataField, scratch, w);
        }
        if ((vifes[static_cast<std::size_t>(i)] & 0x80) && i < 9)
            ++i;
        else
            break;
    }
}

} // namespace

qint64 BCD_To_Int64(std::span<const std::uint8_t> bytes, int n)
{
    n = std::clamp<int>(n, 0, static_cast<int>(bytes.size()));
    std::uint64_t sum = 0; // at most 9 bytes reach here, far below overflow
    std::uint64_t weight = 1;
    for (int i = 0; i < n; ++i) {
        const std::uint8_t b = bytes[static_cast<std::size_t>(i)];
        sum += (b & 0x0F) * weight;
        weight *= 10;
        if (i == n - 1 && (b >> 4) == 0x0F)
            return -static_cast<qint64>(sum);
        sum += (b >> 4) * weight;
        weight *= 10;
    }
    return static_cast<qint64>(sum);
}

void Decode_Value_And_Unit(std::uint8_t vif, std::uint8_t firstVife, std::uint8_t dataField, std::uint8_t lvar,
                           qint32 nbyte, TVariable_MBus &record, const DecoderScratch &scratch)
{
    const auto &data = scratch.App_Data_Val;
    Working w;
    w.value = rawValue(dataField, lvar, data);

    const int vifCode = vif & 0x7F;
    const CodeEntry &primary = primaryVifTable().lookup(vifCode);
    w.category = primary.category;
    switch (primary.kind) {
    case VifKind::Plain:
        w.description = primary.textFor(vifCode);
        if (primary.scaling.applies)
            w.value = scaleByPowerOfTen(w.value, primary.scaling.exponentFor(vifCode));
        break;
    case VifKind::PlainTextUnit: {
        w.description = primary.textFor(vifCode);
        const int count = std::clamp<int>(nbyte, 0, static_cast<int>(data.size()));
        w.valueText = QString::fromLatin1(reinterpret_cast<const char *>(data.data()), count);
        break;
    }
    case VifKind::TimePoint:
        w.description = timePointDescription(dataField);
        w.valueText = timePointText(dataField, data);
        break;
    }

    if (vif == kVifExtensionFd || vif == kVifExtensionFb) {
        const CodeTable &table = vif == kVifExtensionFd ? vifExtensionFdTable() : vifExtensionFbTable();
        const int code = firstVife & 0x7F;
        const CodeEntry &entry = table.lookup(code);
        w.description = entry.textFor(code);
        w.extensionCode = entry.codeFor(code);
        if (entry.scaling.applies)
            w.value = scaleByPowerOfTen(w.value, entry.scaling.exponentFor(code));
        if (firstVife & 0x80)
            walkCombinableVifes(1, dataField, scratch, w);
    } else if ((vif & 0x80) && vif != 0xFE && vif != 0xFF) {
        walkCombinableVifes(0, dataField, scratch, w);
    }

    record.type_data = static_cast<quint16>(w.category);
    record.Type_Data_Vife = w.extensionCode == -1 ? 0 : w.extensionCode;
    record.Desc_Type_Data = w.description;
    record.ValueStr = w.valueText.isEmpty() ? formatRecordValue(w.value) : w.valueText;
}

} // namespace scan
