#pragma once
// The maker's web site: the version service, the download page and the
// product pages all live there. Tests pass a loopback address instead.
#include <QUrl>

namespace app {

inline constexpr char MakerSiteAddress[] = "http://www.tervikon.com";

inline QUrl makerSite()
{
    return QUrl(QString::fromLatin1(MakerSiteAddress));
}

} // namespace app
