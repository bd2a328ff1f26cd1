#include "app/MakerSite.h"

#include "app/ConverterType.h"

namespace app {

QString makerSiteAddress() { return QStringLiteral("http://www.tervikon.com"); }

QString makerSiteCaption() { return QStringLiteral("www.tervikon.com"); }

QString productPageAddress(int converterType)
{
    if (converterType < 1 || converterType > 7)
        return {};
    return makerSiteAddress() + QStringLiteral("/HOME/default.asp?frompg=") + converterInfo(converterType).swCode;
}

} // namespace app
