#pragma once
// The binary component-stream form ("TPF0") that the grid's cell streams,
// column streams and its drag and clipboard payload are made of: records of
// a class name and a list of named, tagged values. The writer appends to a
// byte array; the reader walks bytes it does not trust: every length is
// checked against the bytes left, every count and nesting is capped, and a
// fault raises EReadError before the caller has acted on a half-read record.
#include "platform/Error.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <span>
#include <vector>

namespace controls {

// A stream that does not hold what its reader expects.
class EReadError : public platform::Error {
public:
    using platform::Error::Error;
};

enum TValueType : std::uint8_t {
    vaNull = 0,
    vaList = 1,
    vaInt8 = 2,
    vaInt16 = 3,
    vaInt32 = 4,
    vaExtended = 5,
    vaString = 6,
    vaIdent = 7,
    vaFalse = 8,
    vaTrue = 9,
    vaBinary = 10,
    vaSet = 11,
    vaLString = 12,
    vaNil = 13,
    vaCollection = 14,
    vaWString = 18,
    vaUTF8String = 20,
};

// The 80-bit extended-precision form of a double, little-endian, the same
// bytes on every host; and back (rounded to the nearest double).
void doubleToExtended(double value, std::uint8_t out[10]);
double extendedToDouble(const std::uint8_t in[10]);

// The tag a text is written with: the UTF-16 form when it is no longer
// than the UTF-8 one, else UTF-8 for non-ASCII text, else the long or
// short 8-bit form.
TValueType stringValueType(const QString &text);

// One value as read: what its tag says decides which members are set.
struct TStreamValue;
struct TStreamProperty;
using TPropertyList = std::vector<TStreamProperty>;

struct TStreamValue {
    TValueType type = vaNull;
    std::int64_t integer = 0; // the integer kinds
    double real = 0; // vaExtended
    QString text; // the string kinds and vaIdent
    QByteArrayView ident; // vaIdent's bytes, valid while the stream's are
    QByteArray binary; // vaBinary
    QStringList names; // vaSet members, or the strings of a vaList
    std::vector<TPropertyList> items; // vaCollection

    bool isInteger() const { return type == vaInt8 || type == vaInt16 || type == vaInt32; }
    bool isBoolean() const { return type == vaFalse || type == vaTrue; }
    bool isString() const
    {
        return type == vaString || type == vaLString || type == vaWString || type == vaUTF8String;
    }
};

struct TStreamProperty {
    QByteArray name;
    TStreamValue value;
};

class TComponentWriter {
public:
    explicit TComponentWriter(QByteArray &out) : m_out(out) {}

    // "TPF0", the class name and the empty component name.
    void beginRecord(QByteArrayView className);
    // The end of the property list and of the (empty) list of children.
    void endRecord();

    void writeInteger(QByteArrayView name, std::int64_t value);
    void writeBoolean(QByteArrayView name, bool value);
    void writeIdent(QByteArrayView name, QByteArrayView ident);
    void writeSet(QByteArrayView name, const std::vector<QByteArrayView> &members);
    void writeString(QByteArrayView name, const QString &text);
    void writeExtended(QByteArrayView name, double value);
    void writeBinary(QByteArrayView name, const QByteArray &bytes);
    void writeStringList(QByteArrayView name, const QStringList &lines);
    // A collection: vaCollection, then per item vaList, its properties and
    // vaNull, then vaNull.
    void beginCollection(QByteArrayView name);
    void beginItem() { m_out.append(char(vaList)); }
    void endItem() { m_out.append(char(vaNull)); }
    void endCollection() { m_out.append(char(vaNull)); }
    // Any value as the reader gives it back.
    void writeValue(QByteArrayView name, const TStreamValue &value);

private:
    void writeName(QByteArrayView name);
    void writeShort(QByteArrayView bytes);
    void writeIntegerValue(std::int64_t value);
    void writeStringValue(const QString &text);
    void writeInt32(std::int32_t value);
    void writeBareValue(const TStreamValue &value);

    QByteArray &m_out;
};

// Pulls records out of bytes. Names are views into the bytes, valid while
// they live.
class TComponentReader {
public:
    // Caps that no sound stream of ours reaches.
    static constexpr int MaxListEntries = 1 << 20;
    static constexpr int MaxCollectionItems = 1 << 16;
    static constexpr int MaxNesting = 8;

    explicit TComponentReader(QByteArrayView bytes) : m_bytes(bytes) {}

    qsizetype position() const { return m_pos; }
    qsizetype remaining() const { return m_bytes.size() - m_pos; }
    bool atEnd() const { return m_pos >= m_bytes.size(); }

    // The signature and the class name; raises "Invalid stream format"
    // when the record does not begin with "TPF0".
    QByteArrayView beginRecord();
    // The next property; false at the end of the record's list (the end
    // of its children read too).
    bool nextProperty(QByteArrayView &name, TStreamValue &value);
    // A whole record, its class name returned.
    QByteArrayView readRecord(TPropertyList &properties);

private:
    std::uint8_t byte();
    QByteArrayView take(qsizetype n);
    std::int32_t int32();
    qsizetype length32();
    QByteArrayView shortBytes();
    void readValue(TValueType type, TStreamValue &value, int depth);
    void readPropertyList(TPropertyList &properties, int depth);
    [[noreturn]] void fail(const char *what) const;

    QByteArrayView m_bytes;
    qsizetype m_pos = 0;
};

// The value read as an integer of the range; raises EReadError naming the
// property when it is not one.
std::int64_t integerValue(QByteArrayView name, const TStreamValue &value, std::int64_t min, std::int64_t max);
bool booleanValue(QByteArrayView name, const TStreamValue &value);
QString stringValue(QByteArrayView name, const TStreamValue &value);
QString identValue(QByteArrayView name, const TStreamValue &value);
// The index of a name in a record class's list of property names, looked
// for first where the previous one was found plus one, since writers list
// them in order; -1 for a name the list lacks.
class TPropertyNames {
public:
    // The list outlives the finder (a static table).
    explicit TPropertyNames(std::span<const char *const> names) : m_names(names) {}
    int find(QByteArrayView name);

private:
    std::span<const char *const> m_names;
    std::size_t m_next = 0;
};

// "Property %s does not exist" for a name a record class does not have.
[[noreturn]] void unknownProperty(QByteArrayView name);

} // namespace controls
