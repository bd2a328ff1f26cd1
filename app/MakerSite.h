#pragma once
// Addresses on the maker's web site: the product page, the download page and
// the version service all live under one server, set here. Tests pass a
// loopback address to the version check instead.
#include <QString>
#include <QUrl>

namespace app {

// Scheme and host of the maker's web site, without a trailing "/".
QString makerSiteAddress();
inline QUrl makerSite() { return QUrl(makerSiteAddress()); }

// The text the windows show for the site.
QString makerSiteCaption();

// The product page of a type: /HOME/default.asp?frompg=<software code>.
// Only types 1 to 7 have one; other types give an empty text.
QString productPageAddress(int converterType);

} // namespace app
