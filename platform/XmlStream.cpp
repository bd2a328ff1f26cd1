#include "platform/XmlStream.h"
#include "platform/QuotedValue.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace platform {
namespace {

// The parser's own sentences are short; this keeps them whole and cuts what
// they quote.
constexpr qsizetype ParserMessageLength = 2 * QuotedValueLength;

} // namespace

XmlStream::XmlStream(const QByteArray &bytes) : m_reader(bytes)
{
    m_tooManyAttributes = hasStartTagWithMoreAttributes(bytes, MaxXmlAttributes);
    if (m_tooManyAttributes)
        m_reader.raiseError(QStringLiteral("A start tag has more than %1 attributes.").arg(MaxXmlAttributes));
}

QXmlStreamReader::TokenType XmlStream::readNext()
{
    const auto token = m_reader.readNext();
    if (token == QXmlStreamReader::StartElement && ++m_depth > MaxXmlDepth) {
        m_tooDeep = true;
        m_reader.raiseError(QStringLiteral("Elements are nested deeper than %1 levels.").arg(MaxXmlDepth));
        return QXmlStreamReader::Invalid;
    }
    if (token == QXmlStreamReader::EndElement)
        --m_depth;
    return token;
}

void XmlStream::readToEnd()
{
    while (!atEnd())
        readNext();
}

QString XmlStream::errorText() const
{
    return xmlErrorText(m_reader.errorString(), m_reader.lineNumber(), m_reader.columnNumber());
}

namespace {

// The bytes a tag's scan stops at; names and spaces between them are passed
// over in a tight loop.
constexpr std::array<bool, 256> tagSpecial = [] {
    std::array<bool, 256> special{};
    for (unsigned char c : {'"', '\'', '[', ']', '>', '='})
        special[c] = true;
    return special;
}();

// A value cannot hold '<' (the parser stops at one), so every attribute
// the parse of a tag reaches lies between the tag's '<' and the next one:
// where no such stretch holds more than `limit` equals signs, no tag holds
// more attributes. Tags are short, so most stretches are not even counted.
bool fewEqualsBetweenTags(QByteArrayView text, int limit)
{
    const char *at = text.data();
    const char *const end = at + text.size();
    while (at < end) {
        const auto *next = static_cast<const char *>(std::memchr(at, '<', std::size_t(end - at)));
        const char *const stop = next ? next : end;
        if (stop - at > limit && std::count(at, stop, '=') > limit)
            return false;
        at = next ? next + 1 : end;
    }
    return true;
}

} // namespace

bool hasStartTagWithMoreAttributes(const QByteArray &bytes, int limit)
{
    const QByteArrayView text(bytes);
    // Two-byte encodings put a zero beside every ASCII character: not scanned.
    if (text.startsWith("\xFF\xFE") || text.startsWith("\xFE\xFF") || (text.size() > 1 && (text[0] == 0 || text[1] == 0)))
        return false;
    if (fewEqualsBetweenTags(text, limit))
        return false;
    const qsizetype size = text.size();
    // Past the end of what starts at `from` and ends with `close`; size when unclosed.
    const auto after = [&](qsizetype from, QByteArrayView close) {
        const qsizetype at = text.indexOf(close, from);
        return at < 0 ? size : at + close.size();
    };
    qsizetype i = 0;
    while ((i = text.indexOf('<', i)) >= 0) {
        const QByteArrayView rest = text.sliced(i + 1);
        if (rest.startsWith("!--")) {
            i = after(i + 4, "-->");
        } else if (rest.startsWith("![CDATA[")) {
            i = after(i + 9, "]]>");
        } else if (rest.startsWith("?")) {
            i = after(i + 2, "?>");
        } else {
            // A tag or a declaration: to its '>' outside quotes (and, for a
            // declaration, outside its internal subset's brackets). A quoted
            // value is skipped in one search: values are most of the bytes.
            int equals = 0;
            int brackets = 0;
            const bool declaration = rest.startsWith("!");
            for (++i; i < size; ++i) {
                while (i < size && !tagSpecial[static_cast<unsigned char>(text[i])])
                    ++i;
                if (i >= size)
                    break;
                const char c = text[i];
                if (c == '"' || c == '\'') {
                    const qsizetype close = text.indexOf(c, i + 1);
                    i = close < 0 ? size : close;
                } else if (declaration && (c == '[' || c == ']')) {
                    brackets += c == '[' ? 1 : -1;
                } else if (c == '>' && brackets <= 0) {
                    break;
                } else if (!declaration && c == '=' && ++equals > limit) {
                    return true;
                }
            }
        }
        if (i >= size)
            return false;
    }
    return false;
}

QString xmlErrorText(const QString &message, qint64 line, qint64 column)
{
    return QStringLiteral("%1 (line %2, column %3)").arg(quotedValue(message, ParserMessageLength)).arg(line).arg(column);
}

} // namespace platform
