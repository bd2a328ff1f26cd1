#include "platform/HttpResponseParser.h"

#include <QList>
#include <algorithm>

namespace platform {
namespace {

// "HTTP/1.0 200 OK" -> 200; 0 when the line is no status line.
int parseStatusLine(const QByteArray &line)
{
    if (!line.startsWith("HTTP/"))
        return 0;
    const qsizetype space = line.indexOf(' ');
    if (space < 0 || line.size() < space + 4)
        return 0;
    if (line.size() > space + 4 && line.at(space + 4) != ' ')
        return 0;
    int status = 0;
    for (qsizetype i = space + 1; i < space + 4; ++i) {
        const char c = line.at(i);
        if (c < '0' || c > '9')
            return 0;
        status = status * 10 + (c - '0');
    }
    return status >= 100 && status <= 599 ? status : 0;
}

std::optional<qint64> parseLength(const QByteArray &value)
{
    if (value.isEmpty() || value.size() > 18)
        return std::nullopt;
    qint64 length = 0;
    for (const char c : value) {
        if (c < '0' || c > '9')
            return std::nullopt;
        length = length * 10 + (c - '0');
    }
    return length;
}

} // namespace

HttpResponseParser::HttpResponseParser(qsizetype maxBodyBytes)
    : m_maxBody(std::max<qsizetype>(0, maxBodyBytes))
{
}

void HttpResponseParser::feed(const QByteArray &bytes)
{
    if (m_state == State::Done || bytes.isEmpty())
        return;
    if (m_state == State::Body) {
        appendBody(bytes);
        return;
    }
    // Search only where the new bytes can complete the end of the head, so
    // that a reply trickling in byte by byte stays linear.
    const qsizetype searchFrom = std::max<qsizetype>(0, m_head.size() - 3);
    m_head.append(bytes);
    // The head ends at the first empty line; bare LF line ends are tolerated.
    const qsizetype crlf = m_head.indexOf("\r\n\r\n", searchFrom);
    const qsizetype lf = m_head.indexOf("\n\n", searchFrom);
    qsizetype headEnd = -1;
    qsizetype bodyStart = -1;
    if (crlf >= 0 && (lf < 0 || crlf < lf)) {
        headEnd = crlf;
        bodyStart = crlf + 4;
    } else if (lf >= 0) {
        headEnd = lf;
        bodyStart = lf + 2;
    }
    if (headEnd < 0) {
        if (m_head.size() > MaxHeadBytes)
            fail(QStringLiteral("the reply header is too long"));
        return;
    }
    if (headEnd > MaxHeadBytes) {
        fail(QStringLiteral("the reply header is too long"));
        return;
    }
    parseHead(headEnd);
    if (m_state != State::Body)
        return;
    // The rest of this chunk already belongs to the body.
    const QByteArray rest = m_head.mid(bodyStart);
    m_head.truncate(headEnd);
    appendBody(rest);
}

void HttpResponseParser::parseHead(qsizetype headEnd)
{
    QList<QByteArray> lines = m_head.left(headEnd).split('\n');
    for (QByteArray &line : lines)
        if (line.endsWith('\r'))
            line.chop(1);
    m_status = parseStatusLine(lines.value(0));
    if (m_status == 0) {
        fail(QStringLiteral("the reply has no valid status line"));
        return;
    }
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray &line = lines.at(i);
        const qsizetype colon = line.indexOf(':');
        if (colon <= 0)
            continue;
        const QByteArray name = line.left(colon).trimmed().toLower();
        const QByteArray value = line.mid(colon + 1).trimmed();
        if (name == "content-length") {
            const std::optional<qint64> length = parseLength(value);
            if (!length || (m_contentLength && *m_contentLength != *length)) {
                fail(QStringLiteral("the reply has an invalid Content-Length"));
                return;
            }
            m_contentLength = length;
        } else if (name == "transfer-encoding" && value.toLower() != "identity") {
            // A server may not send a coded body to an HTTP/1.0 request.
            fail(QStringLiteral("the reply uses an unsupported transfer coding"));
            return;
        }
    }
    m_state = State::Body;
    if (m_contentLength && *m_contentLength == 0)
        m_state = State::Done;
}

void HttpResponseParser::appendBody(const QByteArray &bytes)
{
    qint64 available = bytes.size();
    if (m_contentLength)
        available = std::min<qint64>(available, *m_contentLength - m_body.size());
    const qsizetype room = m_maxBody - m_body.size();
    if (available > room) {
        m_body.append(bytes.constData(), room);
        m_truncated = true;
        m_state = State::Done;
        return;
    }
    m_body.append(bytes.constData(), qsizetype(available));
    if (m_contentLength && m_body.size() == *m_contentLength) {
        m_state = State::Done;
    } else if (m_contentLength && m_body.size() == m_maxBody) {
        // More is announced than we keep: stop here rather than wait for it.
        m_truncated = true;
        m_state = State::Done;
    }
}

void HttpResponseParser::finishAtClose()
{
    if (m_state == State::Done)
        return;
    if (m_state == State::Head)
        fail(QStringLiteral("the connection closed before a complete reply"));
    else if (m_contentLength && m_body.size() < *m_contentLength)
        fail(QStringLiteral("the connection closed before the end of the reply"));
    else
        m_state = State::Done;
}

void HttpResponseParser::fail(const QString &message)
{
    m_error = message;
    m_state = State::Done;
}

} // namespace platform
