#pragma once
// HTTP GET for short service requests (the version check), through Qt's
// network access: the call returns at once and the answer comes later on the
// caller's thread, so a window never waits on the network. Redirects are
// followed and chunked replies read; a reply body above the cap is cut off.
// Only plain http is spoken.
#include <QByteArray>
#include <QString>
#include <QUrl>
#include <chrono>
#include <functional>

class QNetworkAccessManager;
class QObject;

namespace platform {

struct HttpGetOptions {
    // Limit of the whole exchange, redirects included; no data for this long
    // ends it too.
    std::chrono::milliseconds timeout{5000};
    qsizetype maxBodyBytes = 64 * 1024;
    // The headers the program's web client has always sent.
    QByteArray accept = "text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8";
    QByteArray userAgent = "Mozilla/3.0 (compatible; Indy Library)";
};

struct HttpGetResult {
    int status = 0;         // HTTP status of the final reply; 0 when none was read
    QByteArray body;        // at most maxBodyBytes
    bool truncated = false; // the body was cut at maxBodyBytes
    QString error;          // why the request failed; empty on success (a 2xx reply)

    bool succeeded() const { return error.isEmpty(); }
};

using HttpGetDone = std::function<void(const HttpGetResult &result)>;

// GETs `target` (an absolute path with its query, already percent-encoded)
// from the server of `server` (scheme, host and port; a path there is put in
// front of the target) and returns at once. `done` runs later, exactly once,
// on the thread of `context`, with every failure in the result; when
// `context` is destroyed first, the request is dropped and `done` never runs.
void httpGet(QNetworkAccessManager &manager, const QUrl &server, const QByteArray &target,
             const HttpGetOptions &options, QObject *context, HttpGetDone done);

} // namespace platform
