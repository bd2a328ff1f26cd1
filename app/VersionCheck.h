#pragma once
// Asks the maker's version service whether a newer program version exists.
// The service answers a GET of /home/download/GetversionSW.asp?nomesw=<code>
// with a text such as "VER. 2.310"; "VER. 0.000" means no version is known.
// Failures of any kind count as "no newer version".
#include "platform/HttpGet.h"

#include <QByteArray>
#include <QString>
#include <QUrl>

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

// Check_Version: runs the request against `site` and reads the reply. The
// caller waits at most the options' time limit.
bool checkVersion(int type, const QUrl &site, const platform::HttpGetOptions &options = {});

// The type's entry on the download page: <site>/Home/download/download.asp#<anchor>.
QString downloadPageUrl(int type, const QUrl &site);

// The link label's caption announcing a newer version: an anchor to the
// download page around `text`.
QString downloadLinkHtml(int type, const QUrl &site, const QString &text);

} // namespace app
