#include "controls/grid/model/core/ComponentStream.h"

#include "controls/grid/base/OemText.h"

#include <QtEndian>

#include <bit>
#include <cmath>
#include <cstring>

namespace controls {

namespace {

constexpr char kSignature[] = "TPF0";
constexpr int kExtendedBias = 16383;
constexpr int kDoubleBias = 1023;

// Windows-1252 differs from Latin-1 only in 0x80 to 0x9F: texts without
// those bytes (nearly all) take the fast way.
QString ansiText(QByteArrayView bytes)
{
    for (const char b : bytes)
        if (std::uint8_t(b) >= 0x80 && std::uint8_t(b) <= 0x9F)
            return AnsiToString(bytes.toByteArray());
    return QString::fromLatin1(bytes);
}

} // namespace

void doubleToExtended(double value, std::uint8_t out[10])
{
    const auto bits = std::bit_cast<std::uint64_t>(value);
    const bool negative = bits >> 63;
    const int exponent = int((bits >> 52) & 0x7FF);
    std::uint64_t fraction = bits & ((std::uint64_t(1) << 52) - 1);
    std::uint64_t mantissa = 0;
    int extExponent = 0;
    if (exponent == 0x7FF) {
        extExponent = 0x7FFF;
        mantissa = (std::uint64_t(1) << 63) | (fraction << 11);
    } else if (exponent != 0) {
        extExponent = exponent - kDoubleBias + kExtendedBias;
        mantissa = (std::uint64_t(1) << 63) | (fraction << 11);
    } else if (fraction != 0) {
        // A subnormal double is a normal extended: shift its leading one up.
        extExponent = 1 - kDoubleBias + kExtendedBias;
        mantissa = fraction << 11;
        while (!(mantissa >> 63)) {
            mantissa <<= 1;
            --extExponent;
        }
    }
    qToLittleEndian<std::uint64_t>(mantissa, out);
    qToLittleEndian<std::uint16_t>(std::uint16_t((negative ? 0x8000 : 0) | extExponent), out + 8);
}

double extendedToDouble(const std::uint8_t in[10])
{
    const std::uint64_t mantissa = qFromLittleEndian<std::uint64_t>(in);
    const std::uint16_t head = qFromLittleEndian<std::uint16_t>(in + 8);
    const bool negative = head & 0x8000;
    const int exponent = head & 0x7FFF;
    double magnitude = 0;
    if (exponent == 0x7FFF) {
        magnitude = (mantissa << 1) == 0 ? HUGE_VAL : std::nan("");
    } else if (mantissa != 0) {
        const int shift = exponent == 0 ? 1 - kExtendedBias - 63 : exponent - kExtendedBias - 63;
        magnitude = std::ldexp(double(mantissa), shift);
    }
    return negative ? -magnitude : magnitude;
}

TValueType stringValueType(const QString &text)
{
    const qsizetype units = text.size();
    bool ascii = true;
    qsizetype utf8 = 0;
    for (const QChar ch : text) {
        const char16_t u = ch.unicode();
        if (u < 0x80) {
            ++utf8;
        } else {
            ascii = false;
            // A surrogate pair is two units and four bytes: two per unit.
            utf8 += u < 0x800 ? 2 : (ch.isSurrogate() ? 2 : 3);
        }
    }
    if (utf8 >= 2 * units)
        return vaWString;
    if (!ascii)
        return vaUTF8String;
    return utf8 >= 256 ? vaLString : vaString;
}

// --- writer ------------------------------------------------------------------------------------------------

void TComponentWriter::writeShort(QByteArrayView bytes)
{
    const qsizetype n = std::min<qsizetype>(bytes.size(), 255);
    m_out.append(char(n));
    m_out.append(bytes.data(), n);
}

void TComponentWriter::writeName(QByteArrayView name)
{
    writeShort(name);
}

void TComponentWriter::writeInt32(std::int32_t value)
{
    char bytes[4];
    qToLittleEndian<std::int32_t>(value, bytes);
    m_out.append(bytes, 4);
}

void TComponentWriter::beginRecord(QByteArrayView className)
{
    m_out.append(kSignature, 4);
    writeShort(className);
    m_out.append(char(0));
}

void TComponentWriter::endRecord()
{
    m_out.append(char(vaNull));
    m_out.append(char(vaNull));
}

void TComponentWriter::writeIntegerValue(std::int64_t value)
{
    if (value >= -128 && value <= 127) {
        m_out.append(char(vaInt8));
        m_out.append(char(std::int8_t(value)));
    } else if (value >= -32768 && value <= 32767) {
        char bytes[3] = {char(vaInt16)};
        qToLittleEndian<std::int16_t>(std::int16_t(value), bytes + 1);
        m_out.append(bytes, 3);
    } else {
        m_out.append(char(vaInt32));
        writeInt32(std::int32_t(value));
    }
}

void TComponentWriter::writeStringValue(const QString &text)
{
    const TValueType type = stringValueType(text);
    m_out.append(char(type));
    switch (type) {
    case vaWString: {
        writeInt32(std::int32_t(text.size()));
        const qsizetype at = m_out.size();
        m_out.resize(at + 2 * text.size());
        qToLittleEndian<char16_t>(text.utf16(), text.size(), m_out.data() + at);
        break;
    }
    case vaUTF8String: {
        const QByteArray bytes = text.toUtf8();
        writeInt32(std::int32_t(bytes.size()));
        m_out.append(bytes);
        break;
    }
    default: {
        // ASCII only: each unit is its byte.
        const qsizetype n = text.size();
        if (type == vaLString)
            writeInt32(std::int32_t(n));
        else
            m_out.append(char(n));
        const qsizetype at = m_out.size();
        m_out.resize(at + n);
        char *out = m_out.data() + at;
        const QChar *in = text.constData();
        for (qsizetype i = 0; i < n; ++i)
            out[i] = char(in[i].unicode());
        break;
    }
    }
}

void TComponentWriter::writeInteger(QByteArrayView name, std::int64_t value)
{
    writeName(name);
    writeIntegerValue(value);
}

void TComponentWriter::writeBoolean(QByteArrayView name, bool value)
{
    writeName(name);
    m_out.append(char(value ? vaTrue : vaFalse));
}

void TComponentWriter::writeIdent(QByteArrayView name, QByteArrayView ident)
{
    writeName(name);
    m_out.append(char(vaIdent));
    writeShort(ident);
}

void TComponentWriter::writeSet(QByteArrayView name, const std::vector<QByteArrayView> &members)
{
    writeName(name);
    m_out.append(char(vaSet));
    for (const QByteArrayView member : members)
        writeShort(member);
    m_out.append(char(0));
}

void TComponentWriter::writeString(QByteArrayView name, const QString &text)
{
    writeName(name);
    writeStringValue(text);
}

void TComponentWriter::writeExtended(QByteArrayView name, double value)
{
    writeName(name);
    char bytes[11] = {char(vaExtended)};
    doubleToExtended(value, reinterpret_cast<std::uint8_t *>(bytes + 1));
    m_out.append(bytes, 11);
}

void TComponentWriter::writeBinary(QByteArrayView name, const QByteArray &bytes)
{
    writeName(name);
    m_out.append(char(vaBinary));
    writeInt32(std::int32_t(bytes.size()));
    m_out.append(bytes);
}

void TComponentWriter::writeStringList(QByteArrayView name, const QStringList &lines)
{
    writeName(name);
    m_out.append(char(vaList));
    for (const QString &line : lines)
        writeStringValue(line);
    m_out.append(char(vaNull));
}

void TComponentWriter::beginCollection(QByteArrayView name)
{
    writeName(name);
    m_out.append(char(vaCollection));
}

void TComponentWriter::writeBareValue(const TStreamValue &value)
{
    switch (value.type) {
    case vaInt8:
    case vaInt16:
    case vaInt32:
        writeIntegerValue(value.integer);
        break;
    case vaExtended: {
        char bytes[11] = {char(vaExtended)};
        doubleToExtended(value.real, reinterpret_cast<std::uint8_t *>(bytes + 1));
        m_out.append(bytes, 11);
        break;
    }
    case vaString:
    case vaLString:
    case vaWString:
    case vaUTF8String:
        writeStringValue(value.text);
        break;
    case vaIdent:
        m_out.append(char(vaIdent));
        writeShort(value.text.toUtf8());
        break;
    case vaBinary:
        m_out.append(char(vaBinary));
        writeInt32(std::int32_t(value.binary.size()));
        m_out.append(value.binary);
        break;
    case vaSet:
        m_out.append(char(vaSet));
        for (const QString &member : value.names)
            writeShort(member.toUtf8());
        m_out.append(char(0));
        break;
    case vaList:
        m_out.append(char(vaList));
        for (const QString &line : value.names)
            writeStringValue(line);
        m_out.append(char(vaNull));
        break;
    case vaCollection:
        m_out.append(char(vaCollection));
        for (const TPropertyList &item : value.items) {
            beginItem();
            for (const TStreamProperty &p : item)
                writeValue(p.name, p.value);
            endItem();
        }
        endCollection();
        break;
    default: // vaFalse, vaTrue, vaNil, vaNull
        m_out.append(char(value.type));
        break;
    }
}

void TComponentWriter::writeValue(QByteArrayView name, const TStreamValue &value)
{
    writeName(name);
    writeBareValue(value);
}

// --- reader ------------------------------------------------------------------------------------------------

void TComponentReader::fail(const char *what) const
{
    throw EReadError(QString::fromLatin1(what));
}

std::uint8_t TComponentReader::byte()
{
    if (m_pos >= m_bytes.size())
        fail("Stream read error");
    return std::uint8_t(m_bytes[m_pos++]);
}

QByteArrayView TComponentReader::take(qsizetype n)
{
    if (n < 0 || n > remaining())
        fail("Stream read error");
    const QByteArrayView part = m_bytes.sliced(m_pos, n);
    m_pos += n;
    return part;
}

std::int32_t TComponentReader::int32()
{
    return qFromLittleEndian<std::int32_t>(take(4).data());
}

qsizetype TComponentReader::length32()
{
    const std::int32_t n = int32();
    if (n < 0 || n > remaining())
        fail("Stream read error");
    return n;
}

QByteArrayView TComponentReader::shortBytes()
{
    return take(byte());
}

QByteArrayView TComponentReader::beginRecord()
{
    if (remaining() < 4 || m_bytes.sliced(m_pos, 4) != QByteArrayView(kSignature, 4))
        fail("Invalid stream format");
    m_pos += 4;
    const QByteArrayView className = shortBytes();
    shortBytes(); // the component's name; records are unnamed
    return className;
}

bool TComponentReader::nextProperty(QByteArrayView &name, TStreamValue &value)
{
    if (remaining() > 0 && std::uint8_t(m_bytes[m_pos]) == 0) {
        ++m_pos;
        // The list of children: records carry none.
        if (byte() != 0)
            fail("Invalid stream format");
        return false;
    }
    name = shortBytes();
    readValue(TValueType(byte()), value, 0);
    return true;
}

QByteArrayView TComponentReader::readRecord(TPropertyList &properties)
{
    const QByteArrayView className = beginRecord();
    properties.clear();
    QByteArrayView name;
    TStreamValue value;
    while (nextProperty(name, value))
        properties.push_back({name.toByteArray(), std::move(value)});
    return className;
}

void TComponentReader::readPropertyList(TPropertyList &properties, int depth)
{
    int count = 0;
    while (true) {
        const std::uint8_t head = byte();
        if (head == 0)
            return;
        if (++count > MaxListEntries)
            fail("Stream read error");
        TStreamProperty p;
        p.name = take(head).toByteArray();
        readValue(TValueType(byte()), p.value, depth);
        properties.push_back(std::move(p));
    }
}

void TComponentReader::readValue(TValueType type, TStreamValue &value, int depth)
{
    if (depth > MaxNesting)
        fail("Stream read error");
    value.type = type;
    switch (type) {
    case vaInt8:
        value.integer = std::int8_t(byte());
        return;
    case vaInt16:
        value.integer = qFromLittleEndian<std::int16_t>(take(2).data());
        return;
    case vaInt32:
        value.integer = int32();
        return;
    case vaExtended:
        value.real = extendedToDouble(reinterpret_cast<const std::uint8_t *>(take(10).data()));
        return;
    case vaString:
        value.text = ansiText(shortBytes());
        return;
    case vaLString:
        value.text = ansiText(take(length32()));
        return;
    case vaIdent:
        value.ident = shortBytes();
        value.text = QString::fromUtf8(value.ident);
        return;
    case vaFalse:
    case vaTrue:
    case vaNil:
    case vaNull:
        return;
    case vaBinary:
        value.binary = take(length32()).toByteArray();
        return;
    case vaSet: {
        value.names.clear();
        while (true) {
            const QByteArrayView member = shortBytes();
            if (member.isEmpty())
                return;
            if (value.names.size() >= MaxListEntries)
                fail("Stream read error");
            value.names.append(QString::fromUtf8(member));
        }
    }
    case vaWString: {
        const std::int32_t units = int32();
        if (units < 0 || units > remaining() / 2)
            fail("Stream read error");
        const QByteArrayView bytes = take(2 * qsizetype(units));
        value.text.resize(units);
        qFromLittleEndian<char16_t>(bytes.data(), units, value.text.data());
        return;
    }
    case vaUTF8String:
        value.text = QString::fromUtf8(take(length32()));
        return;
    case vaList: {
        // Lists of plain values: the string lists of our records.
        value.names.clear();
        while (true) {
            const auto itemType = TValueType(byte());
            if (itemType == vaNull)
                return;
            if (value.names.size() >= MaxListEntries)
                fail("Stream read error");
            TStreamValue item;
            readValue(itemType, item, depth + 1);
            if (!item.isString())
                fail("Invalid property value");
            value.names.append(item.text);
        }
    }
    case vaCollection: {
        value.items.clear();
        while (true) {
            const std::uint8_t head = byte();
            if (head == vaNull)
                return;
            // An item may carry its order as an integer before its list.
            TValueType itemType = TValueType(head);
            if (itemType == vaInt8 || itemType == vaInt16 || itemType == vaInt32) {
                TStreamValue order;
                readValue(itemType, order, depth + 1);
                itemType = TValueType(byte());
            }
            if (itemType != vaList || int(value.items.size()) >= MaxCollectionItems)
                fail("Stream read error");
            value.items.emplace_back();
            readPropertyList(value.items.back(), depth + 1);
        }
    }
    default:
        fail("Invalid property value");
    }
}

// --- typed reading -----------------------------------------------------------------------------------------

[[noreturn]] static void badValue(QByteArrayView name)
{
    throw EReadError(QStringLiteral("Invalid property value for %1").arg(QString::fromUtf8(name)));
}

std::int64_t integerValue(QByteArrayView name, const TStreamValue &value, std::int64_t min, std::int64_t max)
{
    if (!value.isInteger() || value.integer < min || value.integer > max)
        badValue(name);
    return value.integer;
}

bool booleanValue(QByteArrayView name, const TStreamValue &value)
{
    if (!value.isBoolean())
        badValue(name);
    return value.type == vaTrue;
}

QString stringValue(QByteArrayView name, const TStreamValue &value)
{
    if (!value.isString())
        badValue(name);
    return value.text;
}

QString identValue(QByteArrayView name, const TStreamValue &value)
{
    if (value.type != vaIdent)
        badValue(name);
    return value.text;
}

int TPropertyNames::find(QByteArrayView name)
{
    const std::size_t n = m_names.size();
    for (std::size_t k = 0; k < n; ++k) {
        const std::size_t i = (m_next + k) % n;
        if (name == QByteArrayView(m_names[i])) {
            m_next = i + 1;
            return int(i);
        }
    }
    return -1;
}

void unknownProperty(QByteArrayView name)
{
    throw EReadError(QStringLiteral("Property %1 does not exist").arg(QString::fromUtf8(name)));
}

} // namespace controls
