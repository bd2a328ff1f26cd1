#include "app/MakerSite.h"

#include "app/ConverterType.h"

namespace app {

QString makerSiteAddress() { return QStringLiteral("http://www.tervikon.com"); }

QString makerSiteCaption() { return QStringLiteral("www.tervikon.com"); }

QString productPageAddress(int converterType)
{
    // The partner editions have no page on the maker's site.
    if (!isValidConverterType(converterType) || converterInfo(converterType).partnerEdition())
        return {};
    return makerSiteAddress() + QStringLiteral("/HOME/default.asp?frompg=") + converterInfo(converterType).swCode;
}

} // namespace app
