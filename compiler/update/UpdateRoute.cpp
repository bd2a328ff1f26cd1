#include "compiler/update/UpdateRoute.h"

#include "app/ConverterType.h"
#include "platform/Error.h"
#include "project/ParGenFile.h"

namespace compiler {

bool hasBoardVariant(int converterType)
{
    return app::isValidConverterType(converterType) && app::traitsOf(converterType).hasBoardVariant;
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
    if (!app::isValidConverterType(converterType))
        return UpdateWizard::None;
    switch (app::traitsOf(converterType).updateRoute) {
    case app::UpdateRoute::ByBoardVariant:
        return project::isEthernetBoard(boardVariant) ? UpdateWizard::Ethernet : UpdateWizard::Serial;
    case app::UpdateRoute::Serial: return UpdateWizard::Serial;
    case app::UpdateRoute::Ethernet: return UpdateWizard::Ethernet;
    }
    return UpdateWizard::None;
}

} // namespace compiler
