#include "app/AppState.h"
#include "app/Language.h"
#include "app/Settings.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

app::Settings defaults()
{
    return app::Settings{};
}

class SettingsFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        path = dir.filePath("Rostavelin.xml");
    }
    app::Settings readFrom(const QByteArray &content)
    {
        testsupport::writeFile(path, content);
        return app::readSettings(path);
    }

    QTemporaryDir dir;
    QString path;
};

TEST_F(SettingsFile, DefaultsWhenMissing)
{
    const app::Settings s = app::readSettings(path);
    EXPECT_EQ(s.projectName, "");
    EXPECT_EQ(s.ipAddress, "192.168.2.205");
    EXPECT_EQ(s.language, "English");
    EXPECT_FALSE(s.enableInternet);
    EXPECT_FALSE(s.enableUpdate);
}

TEST_F(SettingsFile, EachValueFallsBackOnItsOwn)
{
    struct Case {
        const char *name;
        QByteArray content;
        app::Settings expected;
    };
    app::Settings onlyLanguage = defaults();
    onlyLanguage.language = "Deutsch";
    app::Settings full;
    full.projectName = "Plant A";
    full.ipAddress = "10.0.0.7";
    full.language = "Italiano";
    full.enableInternet = true;
    full.enableUpdate = true;
    app::Settings internetOnly = defaults();
    internetOnly.enableInternet = true;
    app::Settings projectOnly = defaults();
    projectOnly.projectName = "P";

    const QByteArray fullBody = "<lastproj><projectname>Plant A</projectname></lastproj>"
                                "<lastipadd><ipaddress>10.0.0.7</ipaddress></lastipadd>"
                                "<lastlang><language>Italiano</language></lastlang>"
                                "<lastinternet><enable_internet>1</enable_internet>"
                                "<enable_update>1</enable_update></lastinternet>";
    const Case cases[] = {
        {"only the language group", "<Conf_Settings><lastlang><language>Deutsch</language></lastlang></Conf_Settings>",
         onlyLanguage},
        {"all values", "<Conf_Settings>" + fullBody + "</Conf_Settings>", full},
        {"root of another name", "<Other>" + fullBody + "</Other>", full},
        {"declaration and comment before the root",
         "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!-- saved -->\n<Conf_Settings>" + fullBody + "</Conf_Settings>",
         full},
        {"flags other than exactly 1",
         "<Conf_Settings><lastinternet><enable_internet>true</enable_internet>"
         "<enable_update> 1</enable_update></lastinternet></Conf_Settings>",
         defaults()},
        {"one flag set", "<Conf_Settings><lastinternet><enable_internet>1</enable_internet></lastinternet></Conf_Settings>",
         internetOnly},
        {"group without its value, value outside its group",
         "<Conf_Settings><lastipadd/><language>Deutsch</language>"
         "<lastproj><projectname>P</projectname></lastproj></Conf_Settings>",
         projectOnly},
        {"not well-formed", "<Conf_Settings><lastlang><language>Deutsch</lastlang>", defaults()},
        {"empty file", "", defaults()},
        {"binary garbage", QByteArray("\x00\xFF\xFE<<", 5), defaults()},
        // Refused by its depth, quickly: the window must not wait for it.
        {"nested 100,000 levels deep", testsupport::nestedXml("Conf_Settings", 100000), defaults()},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(readFrom(c.content), c.expected) << c.name;
        EXPECT_EQ(testsupport::readFile(path), c.content) << c.name;
    }
}

TEST_F(SettingsFile, WritesTheWholeDocumentAndReadsItBack)
{
    app::Settings s;
    s.projectName = "Plant <A> & \"B\" \xC3\xA9";
    s.ipAddress = "192.168.0.10";
    s.language = "Italiano";
    s.enableUpdate = true;
    QString error;
    ASSERT_TRUE(app::writeSettings(path, s, &error)) << error.toStdString();

    const QByteArray expected = "<Conf_Settings>\n"
                                "  <lastproj>\n"
                                "    <projectname>Plant &lt;A&gt; &amp; &quot;B&quot; \xC3\xA9</projectname>\n"
                                "  </lastproj>\n"
                                "  <lastipadd>\n"
                                "    <ipaddress>192.168.0.10</ipaddress>\n"
                                "  </lastipadd>\n"
                                "  <lastlang>\n"
                                "    <language>Italiano</language>\n"
                                "  </lastlang>\n"
                                "  <lastinternet>\n"
                                "    <enable_internet>0</enable_internet>\n"
                                "    <enable_update>1</enable_update>\n"
                                "  </lastinternet>\n"
                                "</Conf_Settings>\n";
    EXPECT_EQ(testsupport::readFile(path), expected);
    EXPECT_EQ(app::readSettings(path), s);

    // Defaults survive a round trip too, the empty project name included.
    ASSERT_TRUE(app::writeSettings(path, defaults()));
    EXPECT_EQ(app::readSettings(path), defaults());
}

TEST_F(SettingsFile, UnwritableFileIsReportedAndTheOldOneKept)
{
    // A plain file where the folder should be stops even a privileged user.
    const QString blocker = dir.filePath("not-a-folder");
    testsupport::writeFile(blocker, "x");
    QString error;
    EXPECT_FALSE(app::writeSettings(blocker + "/Rostavelin.xml", defaults(), &error));
    EXPECT_TRUE(error.contains("not-a-folder/Rostavelin.xml")) << error.toStdString();

    // A settings file that is a folder cannot be replaced either.
    ASSERT_TRUE(QDir().mkdir(path));
    error.clear();
    EXPECT_FALSE(app::writeSettings(path, defaults(), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(QFileInfo(path).isDir());
}

TEST(SettingsState, ARunThatChangedNothingWritesBackWhatItRead)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    app::AppState s;
    s.setUpFolders(dir.path());
    testsupport::writeFile(s.settingsFile(),
                           "<Conf_Settings><lastproj><projectname>Gone</projectname></lastproj>"
                           "<lastlang><language>Klingon</language></lastlang>"
                           "<lastinternet><enable_internet>1</enable_internet></lastinternet></Conf_Settings>");

    app::loadSettings(s);
    app::Load_Language(s); // no Klingon.lng: the language becomes English
    EXPECT_FALSE(s.reopenLastProject());
    EXPECT_EQ(s.Project_Name, "Gone");
    ASSERT_TRUE(app::Save_Setting(s));
    app::languageTable().Load_Default_Texts();

    app::Settings expected;
    expected.projectName = "Gone"; // kept although its folder is gone
    expected.enableInternet = true;
    EXPECT_EQ(app::readSettings(s.settingsFile()), expected);
}

} // namespace
