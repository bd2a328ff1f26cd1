#include "scan/ValueDecoder.h"

#include "scan/KeptTexts.h"
#include "scan/MBusTables.h"
#include "scan/StaticTexts.h"
#include "scan/TextWriter.h"
#include "scan/ValueText.h"

#include <QLocale>
#include <algorithm>
#include <bit>

namespace scan {
namespace {

constexpr int kVifExtensionFd = 0xFD;
constexpr int kVifExtensionFb = 0xFB;

using DataBytes = std::array<std::uint8_t, 256>;

std::uint32_t littleEndian(const std::uint8_t *bytes, int count)
{
    std::uint32_t v = 0;
    for (int i = count - 1; i >= 0; --i)
        v = (v << 8) | bytes[i];
    return v;
}

RecordNumber integerNumber(std::int64_t value)
{
    RecordNumber n;
    n.integer = value;
    return n;
}

RecordNumber rawNumber(int dataField, std::uint8_t lvar, const DataBytes &d)
{
    switch (dataField) {
    case 1: return integerNumber(static_cast<std::int8_t>(d[0]));
    case 2: return integerNumber(static_cast<std::int16_t>(littleEndian(d.data(), 2)));
    case 3: {
        const std::int64_t v = littleEndian(d.data(), 3);
        return integerNumber((d[2] & 0x80) ? v - (std::int64_t(1) << 24) : v);
    }
    case 4: return integerNumber(static_cast<std::int32_t>(littleEndian(d.data(), 4)));
    case 5: {
        RecordNumber n;
        n.kind = RecordNumber::Kind::Single;
        n.single = std::bit_cast<float>(littleEndian(d.data(), 4));
        return n;
    }
    case 6: {
        const std::int64_t v = std::int64_t(littleEndian(d.data(), 4)) | std::int64_t(littleEndian(d.data() + 4, 2)) << 32;
        return integerNumber((d[5] & 0x80) ? v - (std::int64_t(1) << 48) : v);
    }
    case 7: {
        const std::uint64_t v = std::uint64_t(littleEndian(d.data(), 4)) | std::uint64_t(littleEndian(d.data() + 4, 4)) << 32;
        return integerNumber(static_cast<std::int64_t>(v));
    }
    case 9: case 10: case 11: case 12: return integerNumber(BCD_To_Int64(d, dataField - 8));
    case 14: return integerNumber(BCD_To_Int64(d, 6));
    case 13:
        if (lvar >= 0xC0 && lvar <= 0xC9)
            return integerNumber(BCD_To_Int64(d, lvar - 0xC0));
        if (lvar >= 0xD0 && lvar <= 0xD9)
            return integerNumber(-BCD_To_Int64(d, lvar - 0xD0));
        return integerNumber(0);
    default: return integerNumber(0);
    }
}

int twoDigitYear(std::uint8_t dayByte, std::uint8_t monthByte) { return ((dayByte >> 5) & 0x07) | ((monthByte >> 4) & 0x0F) << 3; }

void appendDate(TextWriter &text, std::uint8_t dayByte, std::uint8_t monthByte)
{
    appendTwoDigitText(text, dayByte & 0x1F);
    text.append(u'/');
    appendTwoDigitText(text, monthByte & 0x0F);
    text.append(u'/');
    appendTwoDigitText(text, twoDigitYear(dayByte, monthByte));
}

void appendClock(TextWriter &text, int hour, int minute)
{
    appendTwoDigitText(text, hour);
    text.append(u':');
    appendTwoDigitText(text, minute);
}

// Type G (data field 2) and type F (data field 4); other data fields give
// no text and the number shows.
void appendDateOrDateTime(TextWriter &text, int dataField, const DataBytes &d)
{
    if (dataField == 2) {
        appendDate(text, d[0], d[1]);
    } else if (dataField == 4) {
        appendDate(text, d[2], d[3]);
        text.append(u' ');
        appendClock(text, d[1] & 0x1F, d[0] & 0x3F);
    }
}

void appendTimePoint(TextWriter &text, int dataField, const DataBytes &d)
{
    switch (dataField) {
    case 3:
        appendClock(text, d[2] & 0x1F, d[1] & 0x3F);
        text.append(u':');
        appendTwoDigitText(text, d[0] & 0x3F);
        break;
    case 6:
        text.append(weekdayText((d[2] >> 5) & 0x07));
        appendDate(text, d[3], d[4]);
        text.append(u' ');
        appendClock(text, d[2] & 0x1F, d[1] & 0x3F);
        text.append(u':');
        appendTwoDigitText(text, d[0] & 0x3F);
        break;
    default: appendDateOrDateTime(text, dataField, d);
    }
}

// What replaces the number, when it makes a text.
enum class ValueText { Number, PlainText, TimePoint, Date };

struct Working {
    RecordNumber number;
    int category = -1;
    int extensionCode = -1;
    // The description in parts, each a text of the tables (left
    // uninitialised: only the first partCount are read).
    std::array<const QString *, 12> parts;
    int partCount = 0;
    ValueText valueText = ValueText::Number;

    void describe(const QString &text)
    {
        parts[0] = &text;
        partCount = 1;
    }
    void extendDescription(const QString &text)
    {
        if (partCount < static_cast<int>(parts.size()))
            parts[static_cast<std::size_t>(partCount++)] = &text;
    }
};

void applyCombinable(const CodeTable &table, int code, Working &w)
{
    const CodeEntry &entry = table.lookup(code);
    w.extendDescription(table.textOf(code));
    if (w.extensionCode == -1)
        w.extensionCode = entry.codeFor(code);
    if (entry.scaling.applies)
        w.number.scale(entry.scaling.exponentFor(code));
    if (entry.dateText)
        w.valueText = ValueText::Date;
}

// Combinable VIFE from `start`, never past the tenth.
void walkCombinableVifes(int start, const DecoderScratch &scratch, Working &w)
{
    const auto &vifes = scratch.App_Vife_Val;
    int i = start;
    for (;;) {
        const int code = vifes[static_cast<std::size_t>(i)] & 0x7F;
        if (code == kPhaseExtensionVife) {
            if (i < 9) {
                ++i;
                w.extendDescription(phaseExtensionText(vifes[static_cast<std::size_t>(i)] & 0x7F));
            }
        } else {
            applyCombinable(combinableVifeTable(), code, w);
        }
        if ((vifes[static_cast<std::size_t>(i)] & 0x80) && i < 9)
            ++i;
        else
            break;
    }
}

// What keys the texts kept for good (see KeptTexts.h).
enum KeptKind : std::uint8_t { kKeptDescription = 1, kKeptTimePoint, kKeptDate };

// A description follows from the VIF, the data field (time points) and the
// VIFE chain.
KeptTextKey descriptionKey(std::uint8_t vif, std::uint8_t dataField, const DecoderScratch &scratch)
{
    KeptTextKey key;
    key.kind = kKeptDescription;
    key.add(vif);
    key.add(dataField);
    for (const std::uint8_t vife : scratch.App_Vife_Val)
        key.add(vife);
    return key;
}

// A date or time point follows from its kind, the data field and the first
// six data bytes.
KeptTextKey dateKey(ValueText kind, int dataField, const DataBytes &d)
{
    KeptTextKey key;
    key.kind = kind == ValueText::TimePoint ? kKeptTimePoint : kKeptDate;
    key.add(static_cast<std::uint8_t>(dataField));
    for (std::size_t i = 0; i < 6; ++i)
        key.add(d[i]);
    return key;
}

// The parts joined as appending QStrings would: null only when every part is.
// Joined descriptions are kept: a meter's records repeat them.
void setDescription(const Working &w, std::uint8_t vif, std::uint8_t dataField, const DecoderScratch &scratch,
                    TVariable_MBus &record, TextWriter &texts)
{
    const QString *only = nullptr;
    int textCount = 0;
    for (int i = 0; i < w.partCount; ++i) {
        if (!w.parts[static_cast<std::size_t>(i)]->isNull()) {
            only = w.parts[static_cast<std::size_t>(i)];
            ++textCount;
        }
    }
    if (textCount <= 1) {
        record.Desc_Type_Data = only ? *only : QString();
        return;
    }
    const KeptTextKey key = descriptionKey(vif, dataField, scratch);
    if (QString kept = findKeptText(key); !kept.isNull()) {
        record.Desc_Type_Data = std::move(kept);
        return;
    }
    for (int i = 0; i < w.partCount; ++i)
        texts.append(*w.parts[static_cast<std::size_t>(i)]);
    finishKept(texts, key, record.Desc_Type_Data);
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

void decodeValueAndUnit(std::uint8_t vif, std::uint8_t firstVife, std::uint8_t dataField, std::uint8_t lvar,
                        qint32 nbyte, TVariable_MBus &record, const DecoderScratch &scratch, TextWriter &texts,
                        QStringView decimalPoint)
{
    const auto &data = scratch.App_Data_Val;
    Working w;
    w.number = rawNumber(dataField, lvar, data);

    const int vifCode = vif & 0x7F;
    const CodeTable &primaryTable = primaryVifTable();
    const CodeEntry &primary = primaryTable.lookup(vifCode);
    w.category = primary.category;
    switch (primary.kind) {
    case VifKind::Plain:
        w.describe(primaryTable.textOf(vifCode));
        if (primary.scaling.applies)
            w.number.scale(primary.scaling.exponentFor(vifCode));
        break;
    case VifKind::PlainTextUnit:
        w.describe(primaryTable.textOf(vifCode));
        w.valueText = ValueText::PlainText;
        break;
    case VifKind::TimePoint:
        w.describe(timePointDescription(dataField));
        w.valueText = ValueText::TimePoint;
        break;
    }

    if (vif == kVifExtensionFd || vif == kVifExtensionFb) {
        const CodeTable &table = vif == kVifExtensionFd ? vifExtensionFdTable() : vifExtensionFbTable();
        const int code = firstVife & 0x7F;
        const CodeEntry &entry = table.lookup(code);
        w.describe(table.textOf(code));
        w.extensionCode = entry.codeFor(code);
        if (entry.scaling.applies)
            w.number.scale(entry.scaling.exponentFor(code));
        if (firstVife & 0x80)
            walkCombinableVifes(1, scratch, w);
    } else if ((vif & 0x80) && vif != 0xFE && vif != 0xFF) {
        walkCombinableVifes(0, scratch, w);
    }

    record.type_data = static_cast<quint16>(w.category);
    record.Type_Data_Vife = w.extensionCode == -1 ? 0 : w.extensionCode;
    setDescription(w, vif, dataField, scratch, record, texts);

    switch (w.valueText) {
    case ValueText::Number: break;
    case ValueText::PlainText: {
        const int count = std::clamp<int>(nbyte, 0, static_cast<int>(data.size()));
        texts.appendLatin1(reinterpret_cast<const char *>(data.data()), static_cast<std::size_t>(count));
        break;
    }
    case ValueText::TimePoint:
    case ValueText::Date: {
        // Dates come back telegram after telegram: they are kept.
        const KeptTextKey key = dateKey(w.valueText, dataField, data);
        if (QString kept = findKeptText(key); !kept.isNull()) {
            record.ValueStr = std::move(kept);
            return;
        }
        if (w.valueText == ValueText::TimePoint)
            appendTimePoint(texts, dataField, data);
        else
            appendDateOrDateTime(texts, dataField, data);
        if (!texts.current().isEmpty()) {
            finishKept(texts, key, record.ValueStr);
            return;
        }
        break;
    }
    }
    if (texts.current().isEmpty()) {
        const RecordNumber &n = w.number;
        if (n.kind == RecordNumber::Kind::Integer && n.tenPower == 0 && n.integer >= 0 && n.integer <= kLargestStaticInteger) {
            record.ValueStr = staticInteger(static_cast<int>(n.integer));
            return;
        }
        appendRecordValue(texts, n, decimalPoint);
    }
    if (QString shared = staticSmallInteger(texts.current()); !shared.isNull()) {
        record.ValueStr = std::move(shared);
        texts.discard();
    } else {
        texts.finish(record.ValueStr);
    }
}

void Decode_Value_And_Unit(std::uint8_t vif, std::uint8_t firstVife, std::uint8_t dataField, std::uint8_t lvar,
                           qint32 nbyte, TVariable_MBus &record, const DecoderScratch &scratch)
{
    TextWriter texts;
    const QString decimalPoint = QLocale().decimalPoint();
    decodeValueAndUnit(vif, firstVife, dataField, lvar, nbyte, record, scratch, texts, decimalPoint);
}

} // namespace scan
