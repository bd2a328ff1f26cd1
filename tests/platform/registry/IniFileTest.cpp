#include "platform/IniFile.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace platform;

TEST(IniFile, ReadsWhatWindowsReads)
{
    const TMemIniFile ini = TMemIniFile::fromBytes("\xEF\xBB\xBF"
                                                   "stray=before any section\r\n"
                                                   "; a comment\r\n"
                                                   "[ Layout ]\r\n"
                                                   "  Col0 = 64  \r\n"
                                                   "Col0=99\r\n"
                                                   "no equals sign\r\n"
                                                   "Title=\" padded \"\r\n"
                                                   "Empty=\r\n"
                                                   "[layout]\n"
                                                   "Col1=70\n");
    EXPECT_EQ(ini.ReadSections(), QStringList{"Layout"}) << "sections of one name merge";
    EXPECT_EQ(ini.ReadSection("LAYOUT"), (QStringList{"Col0", "Title", "Empty", "Col1"}));
    EXPECT_EQ(ini.ReadInteger("layout", "col0", -1), 64) << "the first of two equal names wins";
    EXPECT_EQ(ini.ReadString("Layout", "Title", "x"), " padded ") << "quotes keep the blanks";
    EXPECT_EQ(ini.ReadString("Layout", "Empty", "x"), "");
    EXPECT_EQ(ini.ReadString("Layout", "Missing", "x"), "x");
    EXPECT_EQ(ini.ReadInteger("Layout", "Title", 7), 7) << "no integer";
    EXPECT_FALSE(ini.ValueExists("Layout", "stray"));
}

TEST(IniFile, EveryValueThatCanBeWrittenReadsBack)
{
    const QStringList values = {"plain", " leading", "trailing\t", "\"quoted\"", "\"", "a = b", "", "x;y", "[z]"};
    TMemIniFile ini;
    for (int i = 0; i < values.size(); ++i)
        ASSERT_TRUE(ini.WriteString("S", QString("v%1").arg(i), values[i])) << i;
    ASSERT_TRUE(ini.WriteInteger("S", "n", -12));
    ASSERT_TRUE(ini.WriteBool("S", "b", true));
    const TMemIniFile back = TMemIniFile::fromBytes(ini.toBytes());
    for (int i = 0; i < values.size(); ++i)
        EXPECT_EQ(back.ReadString("S", QString("v%1").arg(i), "?"), values[i]) << i;
    EXPECT_EQ(back.ReadInteger("S", "n", 0), -12);
    EXPECT_TRUE(back.ReadBool("S", "b", false));
    EXPECT_EQ(back, ini);
}

TEST(IniFile, RefusesWhatWouldReadBackAsSomethingElse)
{
    struct Case {
        const char *section;
        const char *name;
        const char *value;
    };
    const Case refused[] = {
        {"S", "name", "two\nlines"}, {"S", "name", "cr\ronly"}, {"S", "a=b", "v"}, {"S", "", "v"},
        {"S", " padded", "v"},       {"S", ";comment", "v"},    {"S", "[section", "v"}, {"a]b", "n", "v"},
        {"", "n", "v"},              {"two\nlines", "n", "v"},
    };
    for (const Case &c : refused) {
        TMemIniFile ini;
        EXPECT_FALSE(ini.WriteString(c.section, c.name, c.value)) << c.section << "/" << c.name;
        EXPECT_TRUE(ini.ReadSections().isEmpty()) << "nothing stored";
    }
}

TEST(IniFile, ErasesSectionsAndEntriesByAnyCase)
{
    TMemIniFile ini;
    ini.WriteString("A", "x", "1");
    ini.WriteString("A", "y", "2");
    ini.WriteString("B", "z", "3");
    ini.DeleteKey("a", "X");
    ini.EraseSection("b");
    EXPECT_EQ(ini.ReadSections(), QStringList{"A"});
    EXPECT_EQ(ini.ReadSection("A"), QStringList{"y"});
}

TEST(IniFileOnDisk, KeepsAFileThatIsThereButCannotBeRead)
{
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("new.ini"));
    TIniFileOnDisk fresh(missing);
    ASSERT_TRUE(fresh.data().WriteInteger("S", "n", 1));
    EXPECT_TRUE(fresh.UpdateFile()) << "a missing file starts empty";
    EXPECT_EQ(TIniFileOnDisk(missing).data().ReadInteger("S", "n", 0), 1);

    // Reading /proc/self/mem from its start fails, even for root.
    const QString unreadable = dir.filePath(QStringLiteral("held.ini"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/proc/self/mem"), unreadable));
    TIniFileOnDisk held(unreadable);
    ASSERT_TRUE(held.data().WriteInteger("S", "n", 1));
    QString error;
    EXPECT_FALSE(held.UpdateFile(&error));
    EXPECT_TRUE(error.startsWith(QStringLiteral("Cannot read "))) << error.toStdString();
    EXPECT_EQ(QFileInfo(unreadable).symLinkTarget(), QStringLiteral("/proc/self/mem")) << "left in place";
}
