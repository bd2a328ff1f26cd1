#include "compiler/update/SerialUpdateCommand.h"

#include <gtest/gtest.h>

namespace {

using compiler::UpdateOptions;

const QString App = "/opt/cfg";
const QString Master = "/opt/cfg/MASTER";
const QString Project = "/opt/cfg/PROJECTS/Plant \"A\"";

TEST(SerialUpdateCommand, EachModelStartsItsToolWithPortOptionsImageAndBinFolder)
{
    struct Case {
        int type;
        const char *tool;
        QString image;
    };
    const Case cases[] = {
        {1, "Ser_QuorLyxa_Update.exe", Master + "/simQuorLyxa.sim"},
        {1001, "Ser_QuorLyxa_Update.exe", Master + "/simQuorLyxa.sim"},
        {2, "Ser_QuorKvoz_Update.exe", Master + "/"}, // the MASTER folder itself
        {3, "Ser_QuorNqib_Update.exe", Master + "/simQuorNqib.sim"},
        {4, "Ser_QuorMzul_Update.exe", Master + "/simQuorMzul.sim"},
        {5, "Ser_QuorPwoj_Update.exe", Master + "/simQuorPwoj.sim"},
    };
    for (const Case &c : cases) {
        const auto command = compiler::serialUpdateCommand(c.type, 3, UpdateOptions{}, App, Master, Project);
        ASSERT_TRUE(command) << c.type;
        EXPECT_EQ(command->program, App + "/" + c.tool) << c.type;
        EXPECT_EQ(command->arguments,
                  (QStringList{"/dev/ttyS2", "FW", "FR", "PW", "PR", c.image, Project + "/bin/"}))
            << c.type;
    }
}

TEST(SerialUpdateCommand, ModelsWithoutASerialBoardOrAnUnmappedPortGetNoCommand)
{
    for (const int type : {6, 7, 1007, 0, 8})
        EXPECT_FALSE(compiler::serialUpdateCommand(type, 1, UpdateOptions{}, App, Master, Project)) << type;
    EXPECT_FALSE(compiler::serialUpdateCommand(1, 97, UpdateOptions{}, App, Master, Project));
    EXPECT_FALSE(compiler::serialUpdateCommand(1, 0, UpdateOptions{}, App, Master, Project));
    EXPECT_EQ(compiler::serialUpdateCommand(1, 40, UpdateOptions{}, App, Master, Project)->arguments.front(),
              "/dev/ttyUSB7");
}

TEST(SerialUpdateCommand, OptionWordsFollowTheTicks)
{
    EXPECT_EQ(compiler::serialUpdateOptionWords({false, false, true, true}), (QStringList{"NO", "NO", "PW", "PR"}));
    EXPECT_EQ(compiler::serialUpdateOptionWords({true, false, false, true}), (QStringList{"FW", "NO", "NO", "PR"}));
    EXPECT_EQ(compiler::serialUpdateOptionWords({false, true, false, false}), (QStringList{"NO", "FR", "NO", "NO"}));
}

TEST(SerialUpdateCommand, FoldersGiveExactlyOneSeparator)
{
    const auto command =
        compiler::serialUpdateCommand(2, 1, UpdateOptions{}, App + "/", Master + "/", Project + "/");
    ASSERT_TRUE(command);
    EXPECT_EQ(command->program, App + "/Ser_QuorKvoz_Update.exe");
    EXPECT_EQ(command->arguments.mid(5), (QStringList{Master + "/", Project + "/bin/"}));
}

} // namespace
