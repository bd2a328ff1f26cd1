#pragma once
// What the update wizard tests share: an application folder with an open
// configuration, a pinger and a clock the test scripts, and a launcher that
// records what it was asked to start.
#include "compiler/update/DevicePing.h"
#include "compiler/update/UpdateTool.h"
#include "support/FakePingClock.h"
#include "support/GuiFixture.h"

#include <QFile>
#include <functional>
#include <memory>
#include <vector>

namespace wizardtest {

class FakeClock : public testsupport::FakePingClock {
public:
    FakeClock() : FakePingClock(std::chrono::milliseconds(5000)) {}
};

// Answers each echo request with the next scripted step (the last repeats).
// A step gets the wait hook, which the real pinger calls while it waits.
class ScriptedPinger final : public platform::Pinger {
public:
    using Step = std::function<platform::EchoResult(const platform::WaitHook &hook)>;

    explicit ScriptedPinger(FakeClock &clock) : m_clock(clock) {}

    void script(std::vector<Step> steps)
    {
        m_steps = std::move(steps);
        m_next = 0;
        targets.clear();
    }

    platform::EchoResult echo(const QHostAddress &target, std::chrono::milliseconds timeout,
                              const platform::WaitHook &hook) override
    {
        targets.push_back(target);
        m_clock.advance(timeout);
        if (m_steps.empty())
            return {};
        const Step &step = m_steps[std::min(m_next++, m_steps.size() - 1)];
        return step(hook);
    }

    std::vector<QHostAddress> targets;

private:
    FakeClock &m_clock;
    std::vector<Step> m_steps;
    std::size_t m_next = 0;
};

inline ScriptedPinger::Step reply(int dataBytes = 1024)
{
    return [dataBytes](const platform::WaitHook &hook) {
        if (hook && !hook())
            return platform::EchoResult{platform::EchoStatus::Interrupted, 0, {}};
        return platform::EchoResult{platform::EchoStatus::Reply, dataBytes, {}};
    };
}

inline ScriptedPinger::Step silence()
{
    return [](const platform::WaitHook &) { return platform::EchoResult{platform::EchoStatus::NoReply, 0, {}}; };
}

inline ScriptedPinger::Step noIcmp()
{
    return [](const platform::WaitHook &) {
        return platform::EchoResult{platform::EchoStatus::Failed, 0, QStringLiteral("no ICMP socket")};
    };
}

struct LaunchCall {
    QString program;
    QStringList arguments;
};

// Records each start; the tool "ends" at once unless told otherwise.
class RecordingLauncher {
public:
    compiler::UpdateToolLauncher launcher()
    {
        return [this](const QString &program, const QStringList &arguments) {
            calls.push_back({program, arguments});
            return result;
        };
    }

    std::vector<LaunchCall> calls;
    app::LaunchResult result{app::LaunchOutcome::Ended, 4242, 0, {}};
};

// A temporary application folder with MASTER and PROJECTS, and the
// configuration "Plant A" open.
class WizardTest : public guitest::AppFolderTest {
protected:
    void SetUp() override
    {
        guitest::AppFolderTest::SetUp();
        app::AppState &s = app::state();
        s.setUpFolders(appDir);
        s.SW_Code = QStringLiteral("SW-TEST-01");
        openConfiguration(QStringLiteral("Plant A"));
    }

    void openConfiguration(const QString &name)
    {
        app::AppState &s = app::state();
        ASSERT_TRUE(QDir().mkpath(s.projectFolder(name) + QStringLiteral("/bin")));
        s.openProject(name);
        ASSERT_TRUE(s.isProjectOpen());
    }

    // A fake update tool: a script that writes each argument it got on a
    // line of its own, in brackets.
    QString writeRecordingTool(const QString &fileName)
    {
        const QString tool = path(fileName);
        testsupport::writeFile(tool, "#!/bin/sh\nfor a in \"$@\"; do printf '[%s]\\n' \"$a\" >> '" +
                                         path(QStringLiteral("args.txt")).toUtf8() + "'; done\n");
        QFile::setPermissions(tool, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return tool;
    }

    QStringList recordedArguments() const
    {
        const QString text = QString::fromUtf8(testsupport::readFile(path(QStringLiteral("args.txt"))));
        QStringList lines = text.split(u'\n', Qt::SkipEmptyParts);
        for (QString &line : lines)
            line = line.mid(1, line.size() - 2);
        return lines;
    }

    FakeClock clock;
    std::shared_ptr<ScriptedPinger> pinger = std::make_shared<ScriptedPinger>(clock);
    RecordingLauncher launches;
};

} // namespace wizardtest
