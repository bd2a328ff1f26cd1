#include "app/AppState.h"
#include "app/ConverterType.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class AppStateFolders : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    QTemporaryDir dir;
    app::AppState s;
};

TEST_F(AppStateFolders, FirstStartCreatesTheFoldersAndASecondKeepsThem)
{
    s.setUpFolders(dir.path() + "/");
    EXPECT_EQ(s.App_Dir, dir.path());
    EXPECT_EQ(s.Master_Dir, dir.path() + "/MASTER");
    EXPECT_EQ(s.Projects_Dir, dir.path() + "/PROJECTS");
    EXPECT_EQ(s.Language_Dir, dir.path() + "/LANGUAGE");
    EXPECT_EQ(s.settingsFile(), dir.path() + "/Rostavelin.xml");
    EXPECT_EQ(s.languageFile("Italiano"), dir.path() + "/LANGUAGE/Italiano.lng");
    for (const QString &folder : {s.Master_Dir, s.Projects_Dir, s.Language_Dir})
        EXPECT_TRUE(QFileInfo(folder).isDir()) << folder.toStdString();

    testsupport::writeFile(s.Master_Dir + "/image.sim", "firmware");
    app::AppState again;
    again.setUpFolders(dir.path());
    EXPECT_EQ(testsupport::readFile(s.Master_Dir + "/image.sim"), "firmware");
}

TEST_F(AppStateFolders, AFolderThatCannotBeCreatedIsNotReported)
{
    testsupport::writeFile(dir.filePath("PROJECTS"), "a file in the way");
    s.setUpFolders(dir.path());
    EXPECT_EQ(s.Projects_Dir, dir.path() + "/PROJECTS");
    EXPECT_TRUE(QFileInfo(s.Language_Dir).isDir());
}

TEST_F(AppStateFolders, OpeningAConfigurationSetsItsFolderAndFiles)
{
    s.setUpFolders(dir.path());
    EXPECT_FALSE(s.isProjectOpen());

    s.openProject("Plant A");
    EXPECT_TRUE(s.isProjectOpen());
    EXPECT_EQ(s.Project_Name, "Plant A");
    EXPECT_EQ(s.Project_Dir, s.Projects_Dir + "/Plant A");
    EXPECT_EQ(s.File_ParGen, s.Projects_Dir + "/Plant A/ParGen.xml");
    EXPECT_EQ(s.File_M_Bus, s.Projects_Dir + "/Plant A/M_Bus.xml");

    s.openProject("");
    EXPECT_FALSE(s.isProjectOpen());
    EXPECT_EQ(s.File_ParGen, "") << "never a file of the current folder";
    EXPECT_EQ(s.File_M_Bus, "");

    // A name that would lead out of PROJECTS never opens.
    for (const char *name : {"..", ".", "../outside", "a/b", "a\\b"}) {
        s.openProject(name);
        EXPECT_FALSE(s.isProjectOpen()) << name;
        EXPECT_EQ(s.Project_Name, name);
    }
}

TEST_F(AppStateFolders, StartUpReopensTheLastConfigurationOnlyWhenItsFolderExists)
{
    s.setUpFolders(dir.path());
    ASSERT_TRUE(QDir().mkdir(s.projectFolder("Plant A")));
    s.Project_Name = "Plant A";
    EXPECT_TRUE(s.reopenLastProject());
    EXPECT_EQ(s.File_M_Bus, s.Projects_Dir + "/Plant A/M_Bus.xml");

    ASSERT_TRUE(QDir(s.projectFolder("Plant A")).removeRecursively());
    EXPECT_FALSE(s.reopenLastProject());
    EXPECT_EQ(s.Project_Name, "Plant A"); // tried again next time
    EXPECT_TRUE(s.Project_Dir.isEmpty());

    // The program's own folder exists, but it is no configuration.
    s.Project_Name = "..";
    EXPECT_FALSE(s.reopenLastProject());
    s.Project_Name = "";
    EXPECT_FALSE(s.reopenLastProject());
}

TEST(AppState, TitleCodeAndDescriptionByType)
{
    app::AppState s;
    s.chooseTypeTexts(1001);
    EXPECT_EQ(s.SW_Title, "Vellquist - Configurator PX42Lyxa - M-Bus / Modbus TCP ");
    EXPECT_EQ(s.SW_Code, "PX42Lyxa");
    EXPECT_EQ(s.SW_Desc, "M-Bus / Modbus TCP - Converter");
    for (int type : app::AllConverterTypes) {
        s.chooseTypeTexts(type);
        EXPECT_EQ(s.SW_Title, app::converterInfo(type).swTitle) << type;
    }
}

TEST(AppState, PlainNames)
{
    const std::pair<const char *, bool> cases[] = {
        {"Plant A", true}, {" x ", true}, {"a.b", true}, {"...", true},
        {"", false},       {".", false},  {"..", false}, {"a/b", false},
        {"a\\b", false},   {"a\nb", false}, {"a\tb", false},
    };
    for (const auto &[name, plain] : cases)
        EXPECT_EQ(app::isPlainName(QString::fromUtf8(name)), plain) << name;
    EXPECT_FALSE(app::isPlainName(QString(QChar(0)) + "x"));
}

} // namespace
