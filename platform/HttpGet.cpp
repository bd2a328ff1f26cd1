#include "platform/HttpGet.h"

#include "platform/HttpResponseParser.h"

#include <QEventLoop>
#include <QTcpSocket>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <memory>

namespace platform {
namespace {

constexpr quint16 DefaultHttpPort = 80;
constexpr qint64 ReadChunkBytes = 16 * 1024;

QByteArray hostHeader(const QUrl &server)
{
    QByteArray host = server.host(QUrl::FullyEncoded).toLatin1();
    if (host.contains(':'))
        host = '[' + host + ']';
    const int port = server.port(DefaultHttpPort);
    if (port != DefaultHttpPort)
        host += ':' + QByteArray::number(port);
    return host;
}

QByteArray requestTarget(const QUrl &server, const QByteArray &target)
{
    QByteArray prefix = server.path(QUrl::FullyEncoded).toLatin1();
    while (prefix.endsWith('/'))
        prefix.chop(1);
    if (!target.startsWith('/'))
        prefix += '/';
    return prefix + target;
}

// One exchange on the calling thread, driven by a local event loop. It runs
// on a worker thread of its own, so no event of the caller's thread is
// dispatched while the caller waits.
HttpGetResult exchange(const QUrl &server, const QByteArray &request, const HttpGetOptions &options)
{
    HttpGetResult result;
    HttpResponseParser parser(options.maxBodyBytes);
    QTcpSocket socket;
    // Never let the socket buffer more than we are about to read.
    socket.setReadBufferSize(ReadChunkBytes);
    QTimer deadline;
    deadline.setSingleShot(true);
    QEventLoop loop;
    bool finished = false;
    auto finish = [&](const QString &error) {
        if (finished)
            return;
        finished = true;
        if (!error.isEmpty() && result.error.isEmpty())
            result.error = error;
        loop.quit();
    };
    auto readAvailable = [&] {
        while (!parser.isDone() && socket.bytesAvailable() > 0)
            parser.feed(socket.read(ReadChunkBytes));
        if (parser.isDone())
            finish({});
    };

    QObject::connect(&deadline, &QTimer::timeout, [&] { finish(QStringLiteral("the server did not answer in time")); });
    QObject::connect(&socket, &QTcpSocket::connected, [&] { socket.write(request); });
    QObject::connect(&socket, &QTcpSocket::readyRead, readAvailable);
    QObject::connect(&socket, &QTcpSocket::disconnected, [&] {
        readAvailable();
        parser.finishAtClose();
        finish({});
    });
    QObject::connect(&socket, &QTcpSocket::errorOccurred, [&](QAbstractSocket::SocketError error) {
        if (error == QAbstractSocket::RemoteHostClosedError) {
            // HTTP/1.0 ends a reply by closing the connection.
            readAvailable();
            parser.finishAtClose();
            finish({});
            return;
        }
        finish(socket.errorString());
    });

    deadline.start(options.timeout);
    socket.connectToHost(server.host(), quint16(server.port(DefaultHttpPort)));
    if (!finished)
        loop.exec();
    socket.abort();

    if (!result.error.isEmpty())
        return result;
    if (parser.hasFailed()) {
        result.error = parser.error();
        return result;
    }
    result.status = parser.status();
    result.body = parser.body();
    result.truncated = parser.isTruncated();
    if (result.status < 200 || result.status > 299)
        result.error = QStringLiteral("the server answered with status %1").arg(result.status);
    return result;
}

} // namespace

QByteArray httpGetRequest(const QUrl &server, const QByteArray &target, const HttpGetOptions &options)
{
    return "GET " + requestTarget(server, target) + " HTTP/1.0\r\n"
           "Host: " + hostHeader(server) + "\r\n"
           "Accept: " + options.accept + "\r\n"
           "User-Agent: " + options.userAgent + "\r\n"
           "\r\n";
}

HttpGetResult httpGet(const QUrl &server, const QByteArray &target, const HttpGetOptions &options)
{
    if (!server.isValid() || server.scheme().compare(QLatin1String("http"), Qt::CaseInsensitive) != 0
        || server.host().isEmpty()) {
        HttpGetResult result;
        result.error = QStringLiteral("unsupported server address: %1").arg(server.toString());
        return result;
    }
    HttpGetResult result;
    // Blanks or control characters in the target would break the request line.
    if (std::any_of(target.begin(), target.end(), [](char c) { return uchar(c) <= 0x20 || uchar(c) == 0x7F; })) {
        result.error = QStringLiteral("invalid request target");
        return result;
    }
    const QByteArray request = httpGetRequest(server, target, options);
    std::unique_ptr<QThread> worker(QThread::create([&] { result = exchange(server, request, options); }));
    worker->start();
    worker->wait();
    return result;
}

} // namespace platform
