#include "scan/RecordParser.h"

#include "scan/KeptTexts.h"
#include "scan/MBusTables.h"
#include "scan/RecordArena.h"
#include "scan/StaticTexts.h"
#include "scan/TextWriter.h"
#include "scan/ValueDecoder.h"

#include <QLocale>
#include <algorithm>
#include <array>
#include <limits>
#include <memory>
#include <mutex>
#include <vector>

namespace scan {
namespace {

constexpr int kMaxExtensions = 10;   // DIFE and VIFE per record
constexpr int kPlainTextCapacity = 192;
constexpr std::uint8_t kManufacturerData = 0x0F;
constexpr std::uint8_t kMoreRecordsFollow = 0x1F;
constexpr std::uint8_t kIdleFiller = 0x2F;
// Kinds of kept texts of the parser's own (the value decoder's are below 16).
constexpr std::uint8_t kKeptHexList = 16;

constexpr char16_t hexDigit(int nibble) { return static_cast<char16_t>(nibble < 10 ? u'0' + nibble : u'A' + nibble - 10); }

// "$XX " of every byte, each followed by a null character ("$XX" is its
// start). Records take their DIF text, and a single DIFE's or VIFE's, from
// here: texts over static characters cost nothing to copy or free.
struct HexTexts {
    static constexpr std::size_t kStride = 5;
    std::array<char16_t, 256 * kStride> chars{};
    constexpr HexTexts()
    {
        for (std::size_t b = 0; b < 256; ++b) {
            char16_t *text = &chars[b * kStride];
            text[0] = u'$';
            text[1] = hexDigit(static_cast<int>(b >> 4));
            text[2] = hexDigit(static_cast<int>(b & 0x0F));
            text[3] = u' ';
        }
    }
};
constexpr HexTexts kHexTexts;

// The same as QStrings, made once: copying one is then no call into Qt.
struct DollarHexStrings {
    std::array<QString, 256> blank;
    std::array<QString, 256> bare;
    DollarHexStrings()
    {
        for (std::size_t b = 0; b < 256; ++b) {
            const auto *chars = reinterpret_cast<const QChar *>(&kHexTexts.chars[b * HexTexts::kStride]);
            blank[b] = QString::fromRawData(chars, 4);
            bare[b] = QString::fromRawData(chars, 3);
        }
    }
};

const DollarHexStrings kDollarHexStrings;

QString dollarHex(std::uint8_t byte, bool blank) { return blank ? kDollarHexStrings.blank[byte] : kDollarHexStrings.bare[byte]; }

// Copy-assigning a QString is a call into Qt; copy-constructing and moving
// is not. Records take a dozen texts from the tables this way.
[[gnu::always_inline]] inline void setText(QString &field, const QString &text) { field = QString(text); }

void writeHex(char16_t *at, std::uint8_t byte)
{
    at[0] = hexDigit(byte >> 4);
    at[1] = hexDigit(byte & 0x0F);
}

// "$XX " for each byte: shared for one byte, written out once for more
// (a meter's records repeat their lists).
void setDollarHexList(QString &field, const std::uint8_t *bytes, int count, TextWriter &texts)
{
    if (count == 1) {
        field = dollarHex(bytes[0], true);
        return;
    }
    KeptTextKey key;
    key.kind = kKeptHexList;
    for (int i = 0; i < count; ++i)
        key.add(bytes[i]);
    if (QString kept = findKeptText(key); !kept.isNull()) {
        field = std::move(kept);
        return;
    }
    char16_t *at = texts.extend(4 * static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i, at += 4) {
        at[0] = u'$';
        writeHex(at + 1, bytes[i]);
        at[3] = u' ';
    }
    finishKept(texts, key, field);
}

// A text kept for the life of the process: a QString over characters that
// never go away costs nothing to copy or to free, where a counted one costs
// an atomic operation each time. Every record of a telegram carries the date
// and time of its decoding, and they change once a second, so the kept
// characters grow slowly; past the room set aside (some hours of steady
// decoding) the texts stay counted as usual.
QString lastingText(const QString &text)
{
    static constexpr std::size_t kRoom = 1 << 18;
    static char16_t kept[kRoom];
    static std::size_t used = 0;
    static std::mutex mutex;
    const auto length = static_cast<std::size_t>(text.size());
    const std::lock_guard lock(mutex);
    if (used + length + 1 > kRoom)
        return text;
    char16_t *at = kept + used;
    std::copy_n(text.utf16(), length, at);
    at[length] = u'\0';
    used += length + 1;
    return QString::fromRawData(reinterpret_cast<const QChar *>(at), static_cast<qsizetype>(length));
}

// The local date and time texts of a decoding moment in the user's locale
// (the long time format without its time-zone part), and the locale's
// decimal separator. Formatting costs more than decoding a telegram, so
// each thread keeps the texts of its last second.
struct DecodeStamp {
    QString date;
    QString time;
    QString decimalPoint;
};

const DecodeStamp &decodeStamp(const QDateTime &decodedAt)
{
    struct Cache {
        qint64 second = std::numeric_limits<qint64>::min();
        QLocale locale;
        DecodeStamp stamp;
    };
    thread_local Cache cache;
    const QLocale locale;
    // Keyed on the local date and time as they are: converting to epoch
    // seconds would consult the time-zone files on every call.
    const qint64 second = decodedAt.date().toJulianDay() * 86400 + decodedAt.time().msecsSinceStartOfDay() / 1000;
    if (second != cache.second || locale != cache.locale) {
        QString timeFormat = locale.timeFormat(QLocale::LongFormat);
        timeFormat.remove(QLatin1Char('t'));
        const QString date = locale.toString(decodedAt.date(), QLocale::ShortFormat);
        if (date != cache.stamp.date)
            cache.stamp.date = lastingText(date);
        cache.stamp.time = lastingText(locale.toString(decodedAt.time(), timeFormat.trimmed()));
        cache.stamp.decimalPoint = locale.decimalPoint();
        cache.second = second;
        cache.locale = locale;
    }
    return cache.stamp;
}

// One record's bytes as found in the block: positions and counts, nothing
// copied yet.
struct RawRecord {
    std::uint8_t dif = 0;
    std::array<std::uint8_t, kMaxExtensions> difes{};
    int difeCount = 0;
    std::uint8_t vif = 0;
    std::array<std::uint8_t, kMaxExtensions> vifes{};
    int vifeCount = 0;
    std::size_t plainText = 0;  // plain-text unit, in telegram order
    int plainTextLength = 0;
    std::size_t data = 0;
    int dataCount = 0;
    std::uint8_t lvar = 0;
    bool filler = false;        // a wireless idle filler, kept as such
};

// Reads one record from position p; p ends on the record's last byte.
// Returns an error text when the record does not fit the block.
class RecordReader {
public:
    explicit RecordReader(std::span<const std::uint8_t> block) : m_block(block) {}

    QString read(qint64 &p, RawRecord &r) const
    {
        r.dif = m_block[static_cast<std::size_t>(p)];
        const qint64 start = p;
        // Special functions below 0x80 (0F, 1F, 2F, 3F-7F) carry no VIF worth
        // reading: they end the block or are a one-byte filler.
        const bool specialWithoutVif = (r.dif & 0x0F) == kSpecialFunctionField && r.dif < 0x80;
        if (!specialWithoutVif) {
            for (std::uint8_t b = r.dif; b & 0x80;) {
                if (!next(p, b))
                    return pastEnd(start);
                if (r.difeCount == kMaxExtensions)
                    return QStringLiteral("more than ten DIFE in the record at byte %1").arg(start);
                r.difes[static_cast<std::size_t>(r.difeCount++)] = b;
            }
            if (!next(p, r.vif))
                return pastEnd(start);
            if ((r.vif & 0x7F) == 0x7C) {
                std::uint8_t length = 0;
                if (!next(p, length) || p + length >= size())
                    return pastEnd(start);
                r.plainText = static_cast<std::size_t>(p + 1);
                r.plainTextLength = std::min<int>(length, kPlainTextCapacity);
                p += length;
            }
            // The VIF's extension bit opens the VIFE chain (after the plain
            // text for VIF FC).
            for (std::uint8_t b = r.vif; b & 0x80;) {
                if (!next(p, b))
                    return pastEnd(start);
                if (r.vifeCount == kMaxExtensions)
                    return QStringLiteral("more than ten VIFE in the record at byte %1").arg(start);
                r.vifes[static_cast<std::size_t>(r.vifeCount++)] = b;
            }
        }
        const int dataField = r.dif & 0x0F;
        r.dataCount = dataFieldEntry(dataField).bytesRead;
        if (dataField == kVariableLengthField) {
            if (!next(p, r.lvar))
                return pastEnd(start);
            r.dataCount = lvarByteCount(r.lvar);
        }
        if (p + r.dataCount >= size())
            return pastEnd(start);
        r.data = static_cast<std::size_t>(p + 1);
        p += r.dataCount;
        return {};
    }

private:
    qint64 size() const { return static_cast<qint64>(m_block.size()); }

    bool next(qint64 &p, std::uint8_t &byte) const
    {
        if (p + 1 >= size())
            return false;
        byte = m_block[static_cast<std::size_t>(++p)];
        return true;
    }

    static QString pastEnd(qint64 start)
    {
        return QStringLiteral("the record at byte %1 runs past the end of the data").arg(start);
    }

    std::span<const std::uint8_t> m_block;
};

// The records a block yields, read before any is made: a block that does
// not decode makes none, and the rest are made in one go.
ParseResult readRecords(std::span<const std::uint8_t> block, qint64 lastStart, TMBusType mode,
                        std::vector<RawRecord> &records)
{
    ParseResult result;
    const RecordReader reader(block);
    qint64 p = 0;
    do {
        RawRecord &r = records.emplace_back();
        if (QString error = reader.read(p, r); !error.isEmpty()) {
            result.decodable = false;
            result.error = error;
            records.clear();
            return result;
        }
        const int dataField = r.dif & 0x0F;
        if (dataField == kSpecialFunctionField) {
            if (r.dif == kManufacturerData || r.dif == kMoreRecordsFollow) {
                if (r.dif == kMoreRecordsFollow)
                    result.result = 0;
                records.pop_back();
                break;
            }
            if (r.dif >= 0x3F && r.dif <= 0x7F) {
                records.pop_back();
                break;
            }
            if (mode == TMBusType::mtWireless && r.dif == kIdleFiller)
                r.filler = true;
            else
                records.pop_back();
            ++p;
            continue;
        }
        if (dataField == kSelectionForReadoutField || (r.vif & 0x7F) == 0x7E) {
            records.pop_back();
            break;
        }
        // Nothing tells how long reserved variable-length data is, so the
        // records after it cannot be found.
        if (dataField == kVariableLengthField && lvarEntry(r.lvar).reserved)
            break;
        ++p;
    } while (p <= lastStart);
    return result;
}

// Storage number, tariff and sub-unit from the DIF and its DIFE, the last
// DIFE holding the most significant bits. Up to 41 storage bits: unsigned
// 64-bit arithmetic keeps every one.
void setStorageTariffSubunit(const RawRecord &r, TVariable_MBus &record)
{
    const std::uint64_t difStorageBit = (r.dif >> 6) & 1;
    if (r.difeCount == 0) {
        record.storage_number = static_cast<qint64>(difStorageBit);
        return;
    }
    std::uint64_t storage = 0;
    std::uint32_t tariff = 0;
    std::uint32_t subunit = 0;
    for (int i = r.difeCount - 1; i >= 0; --i) {
        const std::uint8_t d = r.difes[static_cast<std::size_t>(i)];
        storage = storage * 16 + (d & 0x0F);
        tariff = tariff * 4 + ((d >> 4) & 0x03);
        subunit = subunit * 2 + ((d >> 6) & 0x01);
    }
    record.storage_number = static_cast<qint64>(storage * 2 + difStorageBit);
    record.tarif = static_cast<quint16>(tariff);
    record.device = static_cast<quint16>(subunit);
}

void setVifFields(const RawRecord &r, std::span<const std::uint8_t> block, TVariable_MBus &record)
{
    record.VIF = r.vif;
    const int code = r.vif & 0x7F;
    const std::uint8_t firstVife = r.vifes[0];
    if (code == 0x7C) {
        record.casovif = 101;
        record.VIF_ASCII = QString::fromLatin1(reinterpret_cast<const char *>(block.data() + r.plainText), r.plainTextLength);
        std::reverse(record.VIF_ASCII.begin(), record.VIF_ASCII.end());
    } else if (code <= 0x7A) {
        record.vifvalue = r.vif;
        record.casovif = 0;
    } else if (r.vif == 0xFB) {
        record.casovif = 2;
        record.vifvalue = firstVife;
    } else if (r.vif == 0xFD) {
        record.casovif = 1;
        record.vifvalue = firstVife;
    } else if (code == 0x7F) {
        record.casovif = 100;
    }
}

void setDataFields(const RawRecord &r, std::span<const std::uint8_t> block, TVariable_MBus &record, TextWriter &texts)
{
    if (r.vifeCount == 0)
        record.VIFE = QStringLiteral("");
    else
        setDollarHexList(record.VIFE, r.vifes.data(), r.vifeCount, texts);
    record.PrinVIFE = r.vifes[0];
    const std::uint8_t *data = block.data() + r.data;
    const auto count = static_cast<std::size_t>(r.dataCount);
    std::uint32_t a = 0;
    std::uint32_t b = 0;
    std::uint8_t any = 0;
    for (std::size_t k = 0; k < count; ++k) {
        any |= data[k];
        if (k < 4)
            a += std::uint32_t(data[k]) << (8 * k);
        else
            b += std::uint32_t(data[k]) << (8 * ((k - 4) % 4));
    }
    record.dato_A = static_cast<qint32>(a);
    record.dato_B = static_cast<qint32>(b);

    // The data bytes in hexadecimal: shared when one byte or all zero,
    // otherwise written straight into a text of their length.
    if (count == 0) {
        record.totdati = QStringLiteral("");
    } else if (count == 1) {
        record.totdati = staticHexByte(data[0]);
    } else if (QString zeros = any == 0 ? staticZeros(2 * count) : QString(); !zeros.isNull()) {
        record.totdati = std::move(zeros);
    } else {
        QString hex(static_cast<qsizetype>(2 * count), Qt::Uninitialized);
        char16_t *at = reinterpret_cast<char16_t *>(hex.data());
        for (std::size_t k = 0; k < count; ++k)
            writeHex(at + 2 * k, data[k]);
        record.totdati = std::move(hex);
    }
}

struct TelegramTexts {
    QString date;
    QString time;
    QStringView decimalPoint;
};

std::unique_ptr<TVariable_MBus> makeRecord(const RawRecord &r, std::span<const std::uint8_t> block,
                                           const TelegramTexts &shared, DecoderScratch &scratch, RecordArena &arena,
                                           TextWriter &texts)
{
    const int dataField = r.dif & 0x0F;
    const DataFieldEntry &field = dataFieldEntry(dataField);

    auto record = arena.make();
    record->Is_BCD = field.bcd;
    setText(record->DataFieldStr, field.dataFieldStr);
    setText(record->datagiorno, shared.date);
    setText(record->tempo, shared.time);
    record->DIF = dollarHex(r.dif, false);
    if (r.filler) {
        record->Real_Wireless_Var = false;
        return record;
    }
    record->Real_Wireless_Var = true;

    record->dimension = static_cast<quint8>(dataField);
    bool reservedLength = false;
    if (dataField == kVariableLengthField) {
        const LvarEntry &lvar = lvarEntry(r.lvar);
        setText(record->DataFieldStr, lvar.dataFieldStr);
        setText(record->descdim, lvar.descdim);
        record->nbyte = lvar.byteCount;
        reservedLength = lvar.reserved;
    } else {
        setText(record->descdim, field.descdim);
        record->nbyte = field.nbyte;
    }

    record->function_fild = (r.dif >> 4) & 0x03;
    if (r.difeCount > 0) {
        setDollarHexList(record->DIFE, r.difes.data(), r.difeCount, texts);
        record->numdife = r.difeCount;
    }
    setStorageTariffSubunit(r, *record);
    setVifFields(r, block, *record);
    setDataFields(r, block, *record, texts);
    if (reservedLength) {
        record->errata = true;
        record->sterror = QStringLiteral("Non analizabile");
    }

    // The value decoder reads the bytes from a zeroed scratch; they are
    // zeroed again for the next record.
    std::copy_n(block.data() + r.data, r.dataCount, scratch.App_Data_Val.data());
    scratch.App_Vife_Val = r.vifes;
    decodeValueAndUnit(r.vif, r.vifes[0], static_cast<std::uint8_t>(dataField), r.lvar, record->nbyte, *record,
                       scratch, texts, shared.decimalPoint);
    std::fill_n(scratch.App_Data_Val.data(), r.dataCount, std::uint8_t(0));
    setText(record->FunctionFieldStr, functionFieldText(record->function_fild));
    return record;
}

} // namespace

QDateTime currentDecodeTime()
{
    struct Cache {
        qint64 second = std::numeric_limits<qint64>::min();
        QDateTime local;
    };
    thread_local Cache cache;
    const qint64 second = QDateTime::currentMSecsSinceEpoch() / 1000;
    if (second != cache.second) {
        cache.local = QDateTime::fromMSecsSinceEpoch(second * 1000);
        cache.second = second;
    }
    return cache.local;
}

ParseResult Parse_Data_Records(TVariableList &target, qint32 last, std::span<const std::uint8_t> block,
                               TMBusType mode, const QDateTime &decodedAt)
{
    if (block.empty())
        return {};

    thread_local std::vector<RawRecord> raw;
    raw.clear();
    const qint64 lastStart = std::min<qint64>(last, static_cast<qint64>(block.size()) - 1);
    const ParseResult result = readRecords(block, lastStart, mode, raw);
    if (raw.empty())
        return result;

    const DecodeStamp &stamp = decodeStamp(decodedAt);
    const TelegramTexts shared{stamp.date, stamp.time, stamp.decimalPoint};

    const std::size_t needed = target.size() + raw.size();
    if (needed > target.capacity())
        target.reserve(std::max(needed, target.capacity() * 2));
    // The telegram's records share one allocation; each text is built once.
    DecoderScratch scratch;
    RecordArena arena(raw.size());
    TextWriter texts;
    for (const RawRecord &r : raw)
        target.push_back(makeRecord(r, block, shared, scratch, arena, texts));
    return result;
}

} // namespace scan
