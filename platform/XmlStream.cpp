#include "platform/XmlStream.h"

#include "platform/QuotedValue.h"

namespace platform {
namespace {

// The parser's own sentences are short; this keeps them whole and cuts what
// they quote.
constexpr qsizetype ParserMessageLength = 2 * QuotedValueLength;

} // namespace

XmlStream::XmlStream(const QByteArray &bytes) : m_reader(bytes) {}

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

QString xmlErrorText(const QString &message, qint64 line, qint64 column)
{
    return QStringLiteral("%1 (line %2, column %3)").arg(quotedValue(message, ParserMessageLength)).arg(line).arg(column);
}

} // namespace platform
