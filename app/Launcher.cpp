#include "app/Launcher.h"

#include "platform/CommandLine.h"
#include "platform/Process.h"

namespace app {

LaunchResult Start_Program(const QString &NomeSW, const QString &Parameter, int tipo,
                           std::chrono::milliseconds limit)
{
    return Start_Program(NomeSW, platform::splitWindowsCommandLine(Parameter), tipo, limit);
}

LaunchResult Start_Program(const QString &NomeSW, const QStringList &arguments, int tipo,
                           std::chrono::milliseconds limit)
{
    Q_UNUSED(tipo); // our tools have no window of their own to hide
    const platform::ProcessRun run = platform::runAndWait(NomeSW, arguments, limit);
    LaunchResult result;
    result.pid = run.pid;
    result.exitCode = run.exitCode;
    result.error = run.error;
    switch (run.outcome) {
    case platform::ProcessRun::Outcome::NotStarted: result.outcome = LaunchOutcome::NotStarted; break;
    case platform::ProcessRun::Outcome::Exited: result.outcome = LaunchOutcome::Ended; break;
    case platform::ProcessRun::Outcome::StillRunning: result.outcome = LaunchOutcome::LeftRunning; break;
    }
    return result;
}

} // namespace app
