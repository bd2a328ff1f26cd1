#pragma once
// A blocking HTTP GET for short service requests (the version check). The
// caller waits, but never longer than the time limit: name lookup, connect,
// request and reply all count against it. A reply body above the cap is cut
// off. Only plain http is spoken, as HTTP/1.0 without cookies.
#include <QByteArray>
#include <QString>
#include <QUrl>
#include <chrono>

namespace platform {

struct HttpGetOptions {
    std::chrono::milliseconds timeout{5000};
    qsizetype maxBodyBytes = 64 * 1024;
    // The headers the program's web client has always sent.
    QByteArray accept = "text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8";
    QByteArray userAgent = "Mozilla/3.0 (compatible; Indy Library)";
};

struct HttpGetResult {
    int status = 0;         // HTTP status of the reply; 0 when none was read
    QByteArray body;        // at most maxBodyBytes
    bool truncated = false; // the body was cut at maxBodyBytes
    QString error;          // why the request failed; empty on success (a 2xx reply)

    bool succeeded() const { return error.isEmpty(); }
};

// GETs `target` (an absolute path with its query, already percent-encoded)
// from the server of `server` (scheme, host and port; a path there is put in
// front of the target). Never throws: every failure is reported in the result.
HttpGetResult httpGet(const QUrl &server, const QByteArray &target, const HttpGetOptions &options = {});

// The request bytes httpGet sends.
QByteArray httpGetRequest(const QUrl &server, const QByteArray &target, const HttpGetOptions &options);

} // namespace platform
