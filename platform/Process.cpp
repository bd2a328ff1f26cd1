#include "platform/Process.h"

namespace platform {

ProcessRun runAndWait(const QString &, const QStringList &, std::chrono::milliseconds, std::chrono::milliseconds)
{
    ProcessRun run;
    run.error = QStringLiteral("not available yet");
    return run;
}

} // namespace platform
