#include "platform/Process.h"

#include <QElapsedTimer>
#include <QStandardPaths>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace platform {
namespace {

int exitCodeOf(int status)
{
    if (WIFEXITED(status))
        return WEXITSTATUS(status);
    if (WIFSIGNALED(status))
        return 128 + WTERMSIG(status);
    return -1;
}

// Waits for a child we no longer watch, so that it does not stay a zombie
// after it ends. The thread ends with the child.
void reapInBackground(pid_t pid)
{
    std::thread([pid] {
        int status = 0;
        while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
    }).detach();
}

} // namespace

ProcessRun runAndWait(const QString &program, const QStringList &arguments, std::chrono::milliseconds limit,
                      std::chrono::milliseconds pollInterval)
{
    ProcessRun run;
    QString path = program;
    if (!program.contains(u'/')) {
        path = QStandardPaths::findExecutable(program);
        if (path.isEmpty()) {
            run.error = QStringLiteral("%1: program not found").arg(program);
            return run;
        }
    }

    // argv holds the program followed by the arguments, exactly as given:
    // no shell sees them.
    std::vector<QByteArray> storage;
    storage.reserve(static_cast<size_t>(arguments.size()) + 1);
    storage.push_back(path.toLocal8Bit());
    for (const QString &argument : arguments)
        storage.push_back(argument.toLocal8Bit());
    std::vector<char *> argv;
    for (QByteArray &bytes : storage)
        argv.push_back(bytes.data());
    argv.push_back(nullptr);

    // The tool starts with no blocked signals and SIGPIPE at its default,
    // whatever this process has set for itself.
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t none;
    sigemptyset(&none);
    sigset_t defaults;
    sigemptyset(&defaults);
    sigaddset(&defaults, SIGPIPE);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setsigdefault(&attributes, &defaults);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);

    pid_t pid = -1;
    const QByteArray file = path.toLocal8Bit();
    const int rc = posix_spawn(&pid, file.constData(), nullptr, &attributes, argv.data(), environ);
    posix_spawnattr_destroy(&attributes);
    if (rc != 0) {
        run.error = QStringLiteral("%1: %2").arg(program, QString::fromLocal8Bit(std::strerror(rc)));
        return run;
    }
    run.pid = pid;

    QElapsedTimer clock;
    clock.start();
    for (;;) {
        int status = 0;
        const pid_t done = waitpid(pid, &status, WNOHANG);
        if (done == pid || (done < 0 && errno != EINTR)) {
            run.outcome = ProcessRun::Outcome::Exited;
            run.exitCode = done == pid ? exitCodeOf(status) : -1;
            std::this_thread::sleep_for(pollInterval);
            return run;
        }
        if (clock.elapsed() >= limit.count()) {
            // Leave the tool running; someone still has to collect it.
            run.outcome = ProcessRun::Outcome::StillRunning;
            reapInBackground(pid);
            return run;
        }
        std::this_thread::sleep_for(pollInterval);
    }
}

} // namespace platform
