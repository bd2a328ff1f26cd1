#pragma once
// Runs an external tool (the update tools) and waits for it, so that the
// wizard that called it goes on only after the update.
#include <QString>
#include <QStringList>
#include <chrono>
#include <cstdint>

namespace app {

// How long Start_Program waits at most; a tool that runs longer keeps running.
inline constexpr std::chrono::milliseconds StartProgramTimeLimit{150000};

enum class LaunchOutcome {
    NotStarted,  // missing or not executable program: returned at once
    Ended,       // the tool ended within the limit
    LeftRunning, // the limit passed; the tool goes on by itself
};

struct LaunchResult {
    LaunchOutcome outcome = LaunchOutcome::NotStarted;
    std::int64_t pid = -1; // of the started tool
    int exitCode = -1;     // when Ended
    QString error;         // why it did not start
};

// Starts NomeSW with the command line Parameter, split into arguments by the
// Windows quoting rules and passed without a shell. tipo 0 shows the tool's
// window normally, any other value asks for it hidden (a tool here has no
// window we could hide). Blocks the caller, checking every 10 ms, until the
// tool ends or the limit passes. Callers ignore the result: a failed update
// is reported by the tool itself.
LaunchResult Start_Program(const QString &NomeSW, const QString &Parameter, int tipo,
                           std::chrono::milliseconds limit = StartProgramTimeLimit);

// The same with the arguments already apart: each reaches the tool exactly
// as given, whatever blanks, quotes or backslashes it holds.
LaunchResult Start_Program(const QString &NomeSW, const QStringList &arguments, int tipo,
                           std::chrono::milliseconds limit = StartProgramTimeLimit);

} // namespace app
