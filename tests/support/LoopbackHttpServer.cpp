#include "support/LoopbackHttpServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <stdexcept>

namespace testsupport {
namespace {

constexpr int PollMs = 20;

int boundLoopbackSocket(quint16 *port)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        throw std::runtime_error("socket() failed");
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    socklen_t length = sizeof address;
    if (::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0
        || ::getsockname(fd, reinterpret_cast<sockaddr *>(&address), &length) != 0) {
        ::close(fd);
        throw std::runtime_error("bind() on 127.0.0.1 failed");
    }
    *port = ntohs(address.sin_port);
    return fd;
}

} // namespace

LoopbackHttpServer::LoopbackHttpServer(Mode mode, QByteArray reply)
    : LoopbackHttpServer(mode, QList<QByteArray>{std::move(reply)})
{
}

LoopbackHttpServer::LoopbackHttpServer(Mode mode, QList<QByteArray> replies)
    : m_mode(mode), m_replies(std::move(replies))
{
    if (m_replies.isEmpty())
        m_replies.append(QByteArray());
    m_listener = boundLoopbackSocket(&m_port);
    if (::listen(m_listener, 8) != 0) {
        ::close(m_listener);
        throw std::runtime_error("listen() failed");
    }
    m_thread = std::thread([this] { run(); });
}

LoopbackHttpServer::~LoopbackHttpServer()
{
    m_stop = true;
    m_thread.join();
    ::close(m_listener);
}

QUrl LoopbackHttpServer::url() const
{
    return QUrl(QStringLiteral("http://127.0.0.1:%1").arg(m_port));
}

QByteArray LoopbackHttpServer::lastRequest() const
{
    std::lock_guard lock(m_mutex);
    return m_lastRequest;
}

RefusingPort::RefusingPort() : m_socket(boundLoopbackSocket(&m_port)) {}

RefusingPort::~RefusingPort() { ::close(m_socket); }

QUrl RefusingPort::url() const
{
    return QUrl(QStringLiteral("http://127.0.0.1:%1").arg(m_port));
}

bool LoopbackHttpServer::waitReadable(int fd) const
{
    pollfd p{fd, POLLIN, 0};
    return ::poll(&p, 1, PollMs) > 0;
}

void LoopbackHttpServer::run()
{
    while (!m_stop) {
        if (!waitReadable(m_listener))
            continue;
        const int connection = ::accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC);
        if (connection < 0)
            continue;
        const int index = m_connections++;
        serve(connection, m_replies.value(index, m_replies.last()));
        ::close(connection);
    }
}

void LoopbackHttpServer::serve(int connection, const QByteArray &reply)
{
    QByteArray request;
    while (!m_stop && !request.contains("\r\n\r\n") && request.size() < 64 * 1024) {
        if (!waitReadable(connection))
            continue;
        char buffer[4096];
        const ssize_t n = ::recv(connection, buffer, sizeof buffer, 0);
        if (n <= 0)
            break;
        request.append(buffer, n);
    }
    {
        std::lock_guard lock(m_mutex);
        m_lastRequest = request;
    }
    // Never blocks for long, so that the server stops even when the client stalls.
    auto sendAll = [&](const QByteArray &bytes) {
        for (qsizetype sent = 0; sent < bytes.size();) {
            if (m_stop)
                return false;
            pollfd p{connection, POLLOUT, 0};
            if (::poll(&p, 1, PollMs) <= 0)
                continue;
            const ssize_t n = ::send(connection, bytes.constData() + sent, size_t(bytes.size() - sent),
                                     MSG_NOSIGNAL | MSG_DONTWAIT);
            if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
                continue;
            if (n <= 0)
                return false;
            sent += n;
        }
        return true;
    };
    switch (m_mode) {
    case Mode::Reply:
        sendAll(reply);
        break;
    case Mode::ReplyHoldOpen:
        sendAll(reply);
        holdUntilClientLeaves(connection);
        break;
    case Mode::Silent:
        holdUntilClientLeaves(connection);
        break;
    case Mode::Endless: {
        const QByteArray chunk(16 * 1024, 'x');
        if (sendAll(reply))
            while (!m_stop && sendAll(chunk)) {
            }
        break;
    }
    }
}

void LoopbackHttpServer::holdUntilClientLeaves(int connection) const
{
    while (!m_stop) {
        if (!waitReadable(connection))
            continue;
        char buffer[256];
        if (::recv(connection, buffer, sizeof buffer, 0) <= 0)
            return;
    }
}

} // namespace testsupport
