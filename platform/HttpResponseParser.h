#pragma once
// Reads an HTTP/1.x reply as it arrives from a socket: status line, header
// section, then a body delimited by Content-Length or by the end of the
// connection. The body is cut at a cap so that a huge reply never fills memory.
#include <QByteArray>
#include <QString>
#include <optional>

namespace platform {

class HttpResponseParser {
public:
    // The header section may not exceed this many bytes.
    static constexpr qsizetype MaxHeadBytes = 16 * 1024;

    explicit HttpResponseParser(qsizetype maxBodyBytes);

    // Takes the next bytes received. Bytes after the end of the reply are ignored.
    void feed(const QByteArray &bytes);
    // The peer closed the connection: a reply without a length ends here.
    void finishAtClose();

    // True once the reply is complete, cut at the cap, or failed.
    bool isDone() const { return m_state == State::Done; }
    bool hasFailed() const { return !m_error.isEmpty(); }
    const QString &error() const { return m_error; }

    int status() const { return m_status; }
    const QByteArray &body() const { return m_body; }
    bool isTruncated() const { return m_truncated; }

private:
    enum class State { Head, Body, Done };

    void parseHead(qsizetype headEnd);
    void appendBody(const QByteArray &bytes);
    void fail(const QString &message);

    qsizetype m_maxBody;
    State m_state = State::Head;
    QByteArray m_head;
    int m_status = 0;
    std::optional<qint64> m_contentLength;
    QByteArray m_body;
    bool m_truncated = false;
    QString m_error;
};

} // namespace platform
