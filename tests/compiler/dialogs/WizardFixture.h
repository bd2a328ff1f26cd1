#pragma once
// What the update wizard tests share: an application folder with an open
// configuration, a pinger and a clock the test scripts, and a launcher that
// records what it was asked to start.
#include "compiler/update/DevicePing.h"
#include "compiler/update/UpdateTool.h"
#include "support/GuiFixture.h"
#include "support/RecordingTool.h"
#include "support/ScriptedPinger.h"

#include <QFile>
#include <functional>
#include <memory>
#include <vector>

namespace wizardtest {

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

    // A fake update tool beside the program that records its arguments.
    QString writeRecordingTool(const QString &fileName)
    {
        const QString tool = path(fileName);
        testsupport::writeRecordingTool(tool, path(QStringLiteral("args.txt")));
        return tool;
    }

    QStringList recordedArguments() const { return testsupport::recordedArguments(path(QStringLiteral("args.txt"))); }

    testsupport::FakePingClock clock{std::chrono::milliseconds(5000)};
    std::shared_ptr<testsupport::ScriptedPinger> pinger = std::make_shared<testsupport::ScriptedPinger>(clock);
    RecordingLauncher launches;
};

} // namespace wizardtest
