#include "scan/RecordParser.h"

#include "scan/MBusTables.h"
#include "scan/ValueDecoder.h"

#include <QLocale>
#include <algorithm>
#include <limits>

namespace scan {
namespace {

constexpr int kMaxExtensions = 10;   // DIFE and VIFE per record
constexpr int kPlainTextCapacity = 192;
constexpr std::uint8_t kManufacturerData = 0x0F;
constexpr std::uint8_t kMoreRecordsFollow = 0x1F;
constexpr std::uint8_t kIdleFiller = 0x2F;

void appendHex(QString &text, std::uint8_t byte)
{
    static constexpr char digits[] = "0123456789ABCDEF";
    text += QLatin1Char(digits[byte >> 4]);
    text += QLatin1Char(digits[byte & 0x0F]);
}

QString dollarHex(std::uint8_t byte)
{
    static constexpr char digits[] = "0123456789ABCDEF";
    const char text[3] = {'$', digits[byte >> 4], digits[byte & 0x0F]};
    return QString::fromLatin1(text, 3);
}

QString dollarHexList(const std::uint8_t *bytes, int count)
{
    QString text;
    text.reserve(count * 4);
    for (int i = 0; i < count; ++i) {
        text += QLatin1Char('$');
        appendHex(text, bytes[i]);
        text += QLatin1Char(' ');
    }
    return text;
}

// The local date and time texts of a decoding moment, in the user's locale
// (the long time format without its time-zone part). Formatting costs more
// than decoding a record, so each thread keeps the texts of its last second.
struct DecodeStamp {
    QString date;
    QString time;
};

DecodeStamp decodeStamp(const QDateTime &decodedAt)
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
        cache.stamp = {locale.toString(decodedAt.date(), QLocale::ShortFormat),
                       locale.toString(decodedAt.time(), timeFormat.trimmed())};
        cache.second = second;
        cache.locale = locale;
    }
    return cache.stamp;
}

// One record's bytes as read from the telegram.
struct RawRecord {
    std::uint8_t dif = 0;
    std::array<std::uint8_t, kMaxExtensions> difes{};
    int difeCount = 0;
    std::uint8_t vif = 0;
    QString plainText;                // plain-text unit, in telegram order
    DecoderScratch scratch;           // data bytes and VIFE bytes
    int vifeCount = 0;
    int dataCount = 0;
    std::uint8_t lvar = 0;
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
                const int kept = std::min<int>(length, kPlainTextCapacity);
                r.plainText = QString::fromLatin1(reinterpret_cast<const char *>(m_block.data() + p + 1), kept);
                p += length;
            }
            // The VIF's extension bit opens the VIFE chain (after the plain
            // text for VIF FC).
            for (std::uint8_t b = r.vif; b & 0x80;) {
                if (!next(p, b))
                    return pastEnd(start);
                if (r.vifeCount == kMaxExtensions)
                    return QStringLiteral("more than ten VIFE in the record at byte %1").arg(start);
                r.scratch.App_Vife_Val[static_cast<std::size_t>(r.vifeCount++)] = b;
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
        std::copy_n(m_block.data() + p + 1, r.dataCount, r.scratch.App_Data_Val.data());
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

void setVifFields(const RawRecord &r, TVariable_MBus &record)
{
    record.VIF = r.vif;
    const int code = r.vif & 0x7F;
    const std::uint8_t firstVife = r.scratch.App_Vife_Val[0];
    if (code == 0x7C) {
        record.casovif = 101;
        record.VIF_ASCII = r.plainText;
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

void setDataFields(const RawRecord &r, TVariable_MBus &record)
{
    record.VIFE = dollarHexList(r.scratch.App_Vife_Val.data(), r.vifeCount);
    record.PrinVIFE = r.scratch.App_Vife_Val[0];
    std::uint32_t a = 0;
    std::uint32_t b = 0;
    record.totdati.reserve(r.dataCount * 2);
    for (int k = 0; k < r.dataCount; ++k) {
        const std::uint8_t byte = r.scratch.App_Data_Val[static_cast<std::size_t>(k)];
        appendHex(record.totdati, byte);
        if (k < 4)
            a += std::uint32_t(byte) << (8 * k);
        else
            b += std::uint32_t(byte) << (8 * ((k - 4) % 4));
    }
    record.dato_A = static_cast<qint32>(a);
    record.dato_B = static_cast<qint32>(b);
}

} // namespace

ParseResult Parse_Data_Records(TVariableList &target, qint32 last, std::span<const std::uint8_t> block,
                               TMBusType mode, const QDateTime &decodedAt)
{
    ParseResult result;
    if (block.empty())
        return result;

    const DecodeStamp stamp = decodeStamp(decodedAt);
    const qint64 lastStart = std::min<qint64>(last, static_cast<qint64>(block.size()) - 1);
    const RecordReader reader(block);
    TVariableList records;

    qint64 p = 0;
    do {
        RawRecord r;
        if (QString error = reader.read(p, r); !error.isEmpty()) {
            result.decodable = false;
            result.error = error;
            return result;
        }
        const int dataField = r.dif & 0x0F;
        const DataFieldEntry &field = dataFieldEntry(dataField);

        auto record = std::make_unique<TVariable_MBus>();
        record->Is_BCD = field.bcd;
        record->DataFieldStr = field.dataFieldStr;
        record->datagiorno = stamp.date;
        record->tempo = stamp.time;
        record->Real_Wireless_Var = true;
        record->DIF = dollarHex(r.dif);

        if (dataField == kSpecialFunctionField) {
            if (r.dif == kManufacturerData || r.dif == kMoreRecordsFollow) {
                if (r.dif == kMoreRecordsFollow)
                    result.result = 0;
                break;
            }
            if (r.dif >= 0x3F && r.dif <= 0x7F)
                break;
            if (mode == TMBusType::mtWireless && r.dif == kIdleFiller) {
                record->Real_Wireless_Var = false;
                records.push_back(std::move(record));
            }
            ++p;
            continue;
        }

        record->dimension = static_cast<quint8>(dataField);
        bool reservedLength = false;
        if (dataField == kVariableLengthField) {
            const LvarEntry lvar = lvarEntry(r.lvar);
            record->DataFieldStr = lvar.dataFieldStr;
            record->descdim = lvar.descdim;
            record->nbyte = lvar.byteCount;
            reservedLength = lvar.reserved;
        } else {
            record->descdim = field.descdim;
            record->nbyte = field.nbyte;
        }
        if (dataField == kSelectionForReadoutField)
            break;

        record->function_fild = (r.dif >> 4) & 0x03;
        if (r.difeCount > 0) {
            record->DIFE = dollarHexList(r.difes.data(), r.difeCount);
            record->numdife = r.difeCount;
        }
        setStorageTariffSubunit(r, *record);

        if ((r.vif & 0x7F) == 0x7E)
            break;
        setVifFields(r, *record);
        setDataFields(r, *record);
        if (reservedLength) {
            record->errata = true;
            record->sterror = QStringLiteral("Non analizabile");
        }

        Decode_Value_And_Unit(r.vif, r.scratch.App_Vife_Val[0], static_cast<std::uint8_t>(dataField), r.lvar,
                              record->nbyte, *record, r.scratch);
        record->FunctionFieldStr = functionFieldText(record->function_fild);
        records.push_back(std::move(record));

        // Nothing tells how long reserved variable-length data is, so the
        // records after it cannot be found.
        if (reservedLength)
            break;
        ++p;
    } while (p <= lastStart);

    for (auto &record : records)
        target.push_back(std::move(record));
    return result;
}

} // namespace scan
