#include "compiler/update/UpdateRoute.h"

#include "platform/Error.h"
#include "project/ParGenFile.h"

namespace compiler {

bool hasBoardVariant(int converterType)
{
    return converterType == 1 || converterType == 1001 || converterType == 2 || converterType == 3;
}

int readBoardVariant(const QString &parGenPath)
{
    project::BoardVariantRead read = project::readBoardVariant(parGenPath);
    if (read.error)
        throw platform::Error(read.error->message());
    return read.variant;
}

UpdateWizard updateWizardFor(int converterType, int boardVariant)
{
    switch (converterType) {
    case 1:
    case 1001:
    case 2:
    case 3: return project::isEthernetBoard(boardVariant) ? UpdateWizard::Ethernet : UpdateWizard::Serial;
    case 4:
    case 5: return UpdateWizard::Serial;
    case 6:
    case 7:
    case 1007: return UpdateWizard::Ethernet;
    default: return UpdateWizard::None;
    }
}

} // namespace compiler
