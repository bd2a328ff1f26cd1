#include "platform/HttpGet.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QTimer>
#include <algorithm>

namespace platform {
namespace {

QByteArray requestTarget(const QUrl &server, const QByteArray &target)
{
    QByteArray prefix = server.path(QUrl::FullyEncoded).toLatin1();
    while (prefix.endsWith('/'))
        prefix.chop(1);
    if (!target.startsWith('/'))
        prefix += '/';
    return prefix + target;
}

// Why a request cannot be sent at all; empty when it can.
QString refusal(const QUrl &server, const QByteArray &target)
{
    if (!server.isValid() || server.scheme().compare(QLatin1String("http"), Qt::CaseInsensitive) != 0
        || server.host().isEmpty())
        return QStringLiteral("unsupported server address: %1").arg(server.toString());
    // Blanks or control characters in the target would break the request line.
    if (std::any_of(target.begin(), target.end(), [](char c) { return uchar(c) <= 0x20 || uchar(c) == 0x7F; }))
        return QStringLiteral("invalid request target");
    return {};
}

// One request from start to answer. It lives as a child of the caller's
// context object: destroying the context drops the request unanswered.
class HttpGetJob final : public QObject {
public:
    HttpGetJob(QNetworkReply *reply, const HttpGetOptions &options, QObject *context, HttpGetDone done)
        : QObject(context), m_reply(reply), m_cap(std::max<qsizetype>(0, options.maxBodyBytes)),
          m_done(std::move(done))
    {
        m_reply->setParent(this);
        // Never let Qt buffer much more than the body we keep.
        m_reply->setReadBufferSize(std::max<qint64>(m_cap, 16 * 1024));
        connect(m_reply, &QNetworkReply::readyRead, this, [this] { readBody(); });
        connect(m_reply, &QNetworkReply::finished, this, [this] { finish(); });
        m_deadline.setSingleShot(true);
        connect(&m_deadline, &QTimer::timeout, this, [this] {
            m_timedOut = true;
            m_reply->abort();
        });
        m_deadline.start(options.timeout);
    }

    ~HttpGetJob() override
    {
        // Unanswered: the reply goes without calling back into a half-destroyed
        // job (a manager that goes first takes its replies along).
        if (m_reply) {
            m_reply->disconnect(this);
            m_reply->abort();
        }
    }

private:
    void readBody()
    {
        if (m_truncated || !m_reply || !m_reply->isOpen())
            return;
        const qint64 available = m_reply->bytesAvailable();
        const qint64 room = m_cap - m_body.size();
        m_body += m_reply->read(std::min(available, room));
        if (available > room) {
            // The rest is not wanted: what fits is the answer.
            m_truncated = true;
            m_reply->abort();
        }
    }

    void finish()
    {
        m_deadline.stop();
        readBody();
        HttpGetResult result;
        if (m_timedOut) {
            result.error = QStringLiteral("the server did not answer in time");
        } else if (m_reply->error() != QNetworkReply::NoError && !m_truncated) {
            result.error = m_reply->errorString();
        } else {
            result.status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
            result.body = m_body;
            result.truncated = m_truncated;
            if (result.status < 200 || result.status > 299)
                result.error = QStringLiteral("the server answered with status %1").arg(result.status);
        }
        if (!result.succeeded()) {
            result.body.clear();
            result.truncated = false;
        }
        HttpGetDone done = std::move(m_done);
        deleteLater();
        if (done)
            done(result);
    }

    QPointer<QNetworkReply> m_reply;
    qsizetype m_cap;
    HttpGetDone m_done;
    QTimer m_deadline;
    QByteArray m_body;
    bool m_truncated = false;
    bool m_timedOut = false;
};

} // namespace

void httpGet(QNetworkAccessManager &manager, const QUrl &server, const QByteArray &target,
             const HttpGetOptions &options, QObject *context, HttpGetDone done)
{
    QObject *owner = context ? context : &manager;
    if (const QString why = refusal(server, target); !why.isEmpty()) {
        // Answered later all the same, so that callers meet one order of events.
        QTimer::singleShot(0, owner, [why, done = std::move(done)] {
            HttpGetResult result;
            result.error = why;
            if (done)
                done(result);
        });
        return;
    }
    QUrl url = server.adjusted(QUrl::RemovePath | QUrl::RemoveQuery | QUrl::RemoveFragment);
    url = QUrl::fromEncoded(url.toEncoded(QUrl::StripTrailingSlash) + requestTarget(server, target), QUrl::StrictMode);
    QNetworkRequest request(url);
    request.setRawHeader("Accept", options.accept);
    request.setHeader(QNetworkRequest::UserAgentHeader, options.userAgent);
    request.setTransferTimeout(int(options.timeout.count()));
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    new HttpGetJob(manager.get(request), options, owner, std::move(done));
}

} // namespace platform
