#include "platform/Automation.h"

namespace platform {

void CreateOleObject(const QString &progId)
{
    throw EOleSysError(QStringLiteral("Invalid class string: no automation server \"%1\" on this system").arg(progId));
}

} // namespace platform
