#include "platform/CommandLine.h"

namespace platform {

QStringList splitWindowsCommandLine(const QString &commandLine)
{
    return commandLine.split(u' ', Qt::SkipEmptyParts); // filled in below
}

} // namespace platform
