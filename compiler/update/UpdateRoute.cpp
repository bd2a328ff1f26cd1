#include "compiler/update/UpdateRoute.h"

#include "platform/Error.h"
#include "platform/IntText.h"
#include "platform/Xml.h"

#include <QFileInfo>

namespace compiler {

bool hasBoardVariant(int converterType)
{
    return converterType == 1 || converterType == 1001 || converterType == 2 || converterType == 3;
}

int readBoardVariant(const QString &parGenPath)
{
    if (!QFileInfo::exists(parGenPath))
        return 0;
    const platform::XmlLoadResult file = platform::loadXmlFile(parGenPath);
    if (!file.ok())
        throw platform::Error(QStringLiteral("%1: %2").arg(parGenPath, file.error));
    const auto text = platform::childText(file.root(), "Sel_Dev");
    return text ? platform::parseInt32Or(*text, 0) : 0;
}

UpdateWizard updateWizardFor(int converterType, int boardVariant)
{
    switch (converterType) {
    case 1:
    case 1001:
    case 2:
    case 3: return boardVariant == 1 ? UpdateWizard::Ethernet : UpdateWizard::Serial;
    case 4:
    case 5: return UpdateWizard::Serial;
    case 6:
    case 7:
    case 1007: return UpdateWizard::Ethernet;
    default: return UpdateWizard::None;
    }
}

} // namespace compiler
