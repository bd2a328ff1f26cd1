#pragma once
// Starting an external program without a shell and waiting for it with a
// time limit. A program that outlives the limit is left running; it is
// reaped in the background when it ends, so it never lingers as a zombie.
#include <QString>
#include <QStringList>
#include <chrono>
#include <cstdint>

namespace platform {

struct ProcessRun {
    enum class Outcome { NotStarted, Exited, StillRunning };
    Outcome outcome = Outcome::NotStarted;
    std::int64_t pid = -1;
    int exitCode = -1; // exit status, or 128 + signal number, when Exited
    QString error;     // why it did not start
};

// Starts program with the given arguments (argv[0] is the program itself).
// A program without "/" is looked up in PATH. Checks every pollInterval
// whether it has ended, at most for limit. Does not process events.
ProcessRun runAndWait(const QString &program, const QStringList &arguments, std::chrono::milliseconds limit,
                      std::chrono::milliseconds pollInterval = std::chrono::milliseconds(10));

} // namespace platform
