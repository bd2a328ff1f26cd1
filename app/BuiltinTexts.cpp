#include "app/Language.h"

namespace app {

QString builtinText(int index)
{
    if (index < 0 || index >= Lang_Text_Count)
        return QString();
    return QStringLiteral(" ");
}

} // namespace app
