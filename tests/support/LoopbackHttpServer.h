#pragma once
// A scripted HTTP server on 127.0.0.1 with an ephemeral port, run on a thread
// of its own. Every connection gets the same treatment; the last request
// received is kept for inspection.
#include <QByteArray>
#include <QList>
#include <QUrl>
#include <atomic>
#include <mutex>
#include <thread>

namespace testsupport {

class LoopbackHttpServer {
public:
    enum class Mode {
        Reply,         // send the reply, then close
        ReplyHoldOpen, // send the reply, keep the connection until the client leaves
        Silent,        // accept, read, never answer
        Endless,       // send the reply as a head, then body bytes without end
    };

    explicit LoopbackHttpServer(Mode mode, QByteArray reply = {});
    // Connection k gets reply k; the last one answers every later connection.
    LoopbackHttpServer(Mode mode, QList<QByteArray> replies);
    ~LoopbackHttpServer();
    LoopbackHttpServer(const LoopbackHttpServer &) = delete;
    LoopbackHttpServer &operator=(const LoopbackHttpServer &) = delete;

    quint16 port() const { return m_port; }
    QUrl url() const;
    QByteArray lastRequest() const;
    int connectionCount() const { return m_connections; }

private:
    void run();
    void serve(int connection, const QByteArray &reply);
    bool waitReadable(int fd) const;
    void holdUntilClientLeaves(int connection) const;

    Mode m_mode;
    QList<QByteArray> m_replies;
    int m_listener = -1;
    quint16 m_port = 0;
    std::atomic<bool> m_stop{false};
    std::atomic<int> m_connections{0};
    mutable std::mutex m_mutex;
    QByteArray m_lastRequest;
    std::thread m_thread;
};

// A loopback port that refuses every connection for as long as the object
// lives: it is bound and never listens, so no parallel test can take it.
class RefusingPort {
public:
    RefusingPort();
    ~RefusingPort();
    RefusingPort(const RefusingPort &) = delete;
    RefusingPort &operator=(const RefusingPort &) = delete;

    quint16 port() const { return m_port; }
    QUrl url() const;

private:
    int m_socket = -1;
    quint16 m_port = 0;
};

} // namespace testsupport
