#include "app/Launcher.h"
#include "support/RecordingTool.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <sys/types.h>
#include <thread>

namespace {

using app::LaunchOutcome;

class Launcher : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    // A fake update tool: a small script that runs the given body.
    QString writeTool(const QString &name, const QByteArray &body, bool executable = true)
    {
        const QString path = dir.filePath(name);
        testsupport::writeFile(path, "#!/bin/sh\n" + body + "\n");
        if (executable)
            QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return path;
    }

    // A tool that records its arguments and ends with code 3.
    QString recordingTool()
    {
        const QString tool = dir.filePath("Ser_Update.exe");
        testsupport::writeRecordingTool(tool, dir.filePath("args.txt"), 3);
        return tool;
    }

    QStringList recordedArguments() const { return testsupport::recordedArguments(dir.filePath("args.txt")); }

    QTemporaryDir dir;
};

TEST_F(Launcher, PassesTheCommandLineAsArgumentsWithoutAShell)
{
    const QString tool = recordingTool();
    const QString marker = dir.filePath("shell-was-here");
    const QString commandLine = R"(\\.\COM3 FW NO PW PR "/a/MASTER/simQuorLyxa.sim" "/a/PROJECTS/Plant A/bin/" )"
                                R"($(touch )" + marker + R"() ";" `id` '' *)";
    const app::LaunchResult result = app::Start_Program(tool, commandLine, 0);
    EXPECT_EQ(result.outcome, LaunchOutcome::Ended);
    EXPECT_EQ(result.exitCode, 3);
    EXPECT_EQ(recordedArguments(),
              QStringList({R"(\\.\COM3)", "FW", "NO", "PW", "PR", "/a/MASTER/simQuorLyxa.sim",
                           "/a/PROJECTS/Plant A/bin/", "$(touch", marker + ")", ";", "`id`", "''", "*"}));
    EXPECT_FALSE(QFileInfo::exists(marker));
}

TEST_F(Launcher, EmptyCommandLineAndHiddenWindowStartTheToolAlike)
{
    const QString tool = writeTool("Ethernet_Update.exe", "echo ran >> '" + dir.filePath("ran.txt").toUtf8() + "'");
    EXPECT_EQ(app::Start_Program(tool, "", 0).outcome, LaunchOutcome::Ended);
    EXPECT_EQ(app::Start_Program(tool, "", 1).outcome, LaunchOutcome::Ended);
    EXPECT_EQ(testsupport::readFile(dir.filePath("ran.txt")), "ran\nran\n");
}

TEST_F(Launcher, AProgramThatCannotStartReturnsAtOnce)
{
    // The full limit is in force: only an immediate return lets these finish.
    const app::LaunchResult missing = app::Start_Program(dir.filePath("Missing_Update.exe"), "a b", 0);
    EXPECT_EQ(missing.outcome, LaunchOutcome::NotStarted);
    EXPECT_FALSE(missing.error.isEmpty());

    const QString notExecutable = writeTool("plain.txt", "exit 0", false);
    EXPECT_EQ(app::Start_Program(notExecutable, "", 0).outcome, LaunchOutcome::NotStarted);
    EXPECT_EQ(app::Start_Program(dir.path(), "", 0).outcome, LaunchOutcome::NotStarted);
    EXPECT_EQ(app::Start_Program("no-such-tool-anywhere-42", "", 0).outcome, LaunchOutcome::NotStarted);
}

TEST_F(Launcher, AToolThatOutlivesTheLimitIsLeftRunning)
{
    const QString tool = writeTool("Slow_Update.exe", "exec sleep 60");
    const app::LaunchResult result = app::Start_Program(tool, "", 0, std::chrono::milliseconds(50));
    ASSERT_EQ(result.outcome, LaunchOutcome::LeftRunning);
    ASSERT_GT(result.pid, 0);
    const auto pid = static_cast<pid_t>(result.pid);
    EXPECT_EQ(::kill(pid, 0), 0) << "the tool was stopped";

    // Clean up: once stopped, the tool is collected in the background.
    ::kill(pid, SIGKILL);
    bool gone = false;
    for (int i = 0; i < 3000 && !gone; ++i) {
        gone = ::kill(pid, 0) != 0;
        if (!gone)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_TRUE(gone) << "the stopped tool was never collected";
}

} // namespace
