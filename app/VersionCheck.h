#pragma once
// Asks the maker's version service whether a newer program version exists.
// The service answers a GET of /home/download/GetversionSW.asp?nomesw=<code>
// with a text such as "VER. 2.310"; "VER. 0.000" means no version is known.
// Failures of any kind count as "no newer version". The question is asked
// without waiting: the answer comes later, on the asking thread.
#include "platform/HttpGet.h"

#include <QByteArray>
#include <QNetworkAccessManager>
#include <QObject>
#include <QString>
#include <QUrl>
#include <functional>

namespace app {

// "2.306" -> 2306: the characters after the first blank (all when there is
// none), trimmed, read as d.ddd with the second character skipped. -1 when
// they are shorter than five characters or characters 1, 3, 4, 5 are not
// all decimal digits.
int convVersion(const QString &verStr);

// The path and query of the request for the type (partner editions ask with
// type 1's code).
QByteArray versionRequestTarget(int type);

// True when the service's reply names a version above the type's own.
bool replyAnnouncesNewerVersion(const QString &reply, int type);

// Check_Version of one converter type against one service address.
class VersionService {
public:
    using Answer = std::function<void(bool newer)>;

    // The maker's site until setService says otherwise.
    explicit VersionService(int type);
    ~VersionService();
    VersionService(const VersionService &) = delete;
    VersionService &operator=(const VersionService &) = delete;

    void setService(const QUrl &site, const platform::HttpGetOptions &options = {});
    const QUrl &site() const { return m_site; }

    // Sends the request and returns at once; `answer` runs later, exactly
    // once, with true when the reply names a newer version than the type's
    // own. A service destroyed first drops the answer.
    void check(Answer answer);

private:
    int m_type;
    QUrl m_site;
    platform::HttpGetOptions m_options;
    QNetworkAccessManager m_manager;
    // Parent of the requests under way; it goes before the manager does.
    QObject m_requests;
};

// The type's entry on the download page: <site>/Home/download/download.asp#<anchor>.
QString downloadPageUrl(int type, const QUrl &site);

// The link label's caption announcing a newer version: an anchor to the
// download page around `text`.
QString downloadLinkHtml(int type, const QUrl &site, const QString &text);

} // namespace app
