#include "app/AppState.h"
#include "app/Language.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using app::Lang_Text_Count;

TEST(BuiltinTexts, HoldTheEnglishTextsExactly)
{
    // Odd blanks, spellings and quote marks are part of the texts.
    const std::pair<int, const char *> cases[] = {
        {0, "Begin"},
        {9, "None Configuration Opened "},
        {11, "Opened Configuration of the Converter : "},
        {18, "Error! Project not Valid"},
        {22, " "},
        {35, "List of Avaliable Configurations"},
        {44, " / "},
        {57, "Update Firmware from Etherner (UDP)"},
        {94, " Select Device "},
        {125, "M-Bus!!  Node State value must be between 0 and 255"},
        {132, "Nodes     "},
        {144, "Valiables List"},
        {177, "Error!! ModBus Register already use in the Node \""},
        {190, "\", Variable \""},
        {267, "Select the new  Registers for the Variables"},
        {306, "1"},
        {124, "M-Bus!! Cyclic request Delay must be between 0 and 864000 seconds"},
        {392, "M-Bus!! Cyclic request Delay must be between 0 and 65535 seconds"},
        {393, "Information!! The wired M-Bus is \"Not Present\" in the General Parameters: these wired nodes are not "
              "compiled and the converter will not read them:"},
        {394, "ParGen.xml could not be read: the IP address is left empty"},
        {395, "The key was not installed: the scan is not receiving telegrams now"},
        {396, " "},
        {401, "SCAN && DECODE"},
        {430, "Configuration saved! To do a new Scan press \"New Scan\" button otherwise press top-right \"X\" "
              "to close the page"},
        {506, "Error!! The Star Modbus Address must be between 1 and 65535"},
        {604, "Error!! The Key must contain 16 bytes (32 characters in HEX)"},
        {710, "!! Modbus Start Address must be between 1 and 59999"},
        {799, " "},
    };
    for (const auto &[index, expected] : cases)
        EXPECT_EQ(app::builtinText(index), QString::fromUtf8(expected)) << index;

    for (int i = 0; i < Lang_Text_Count; ++i)
        EXPECT_FALSE(app::builtinText(i).isEmpty()) << i;
    EXPECT_TRUE(app::builtinText(Lang_Text_Count).isNull());
    EXPECT_TRUE(app::builtinText(-1).isNull());

    app::LanguageTable table;
    EXPECT_EQ(table.count(), 800);
    EXPECT_EQ(table.text(18), "Error! Project not Valid");
    EXPECT_TRUE(table.text(800).isEmpty());
    EXPECT_TRUE(table.text(-1).isEmpty());
}

struct LineCase {
    const char *line; // UTF-8
    int index;        // -1: the line is ignored
    const char *text;
};

TEST(LngLine, FollowsTheGrammar)
{
    const LineCase cases[] = {
        {"STR 9 = \xC2\xB6None Configuration Opened \xC2\xB6", 9, "None Configuration Opened "},
        {"STR 9 = None Configuration Opened ", 9, "None Configuration Opened"},
        {"STR 20 = Set Communication /#/ note for translators", 20, "Set Communication"},
        {"   STR  7  =  the value  ", 7, "the value"},
        {"\tSTR 3 = tab\t\r", 3, "tab"},
        // The character before "=" is dropped whatever it is: this sets 1.
        {"STR 17= seventeen", 1, "seventeen"},
        {"STR 5 = a = b", 5, "a = b"},
        {"STR 5 = \xC2\xB6\xC2\xB6", 5, ""},
        {"STR 5 = \xC2\xB6 lead", 5, " lead"},
        // The comment is cut and the rest trimmed before the pilcrow goes.
        {"STR 5 = \xC2\xB6 word /#/ other \xC2\xB6", 5, " word"},
        {"STR 5 = \xC2\xB6 kept \xC2\xB6 dropped", 5, " kept "},
        {"STR 0 = first", 0, "first"},
        {"STR 799 = last", 799, "last"},
        {"STR 800 = beyond", -1, ""},
        {"STR -1 = below", -1, ""},
        {"STR 5 =", -1, ""},
        {"STR 5 =    ", -1, ""},
        {"STR 5 = /#/ only a note", -1, ""},
        {"STR 5 no equals", -1, ""},
        {"STR abc = x", -1, ""},
        {"STR = x", -1, ""},
        {"STR=x", -1, ""},
        {"str 5 = lower case", -1, ""},
        {"XSTR 5 = other letters", -1, ""},
        {"/#/ STR 5 = commented out", -1, ""},
        {"", -1, ""},
    };
    for (const LineCase &c : cases) {
        const auto entry = app::parseLngLine(QString::fromUtf8(c.line));
        if (c.index < 0) {
            EXPECT_FALSE(entry.has_value()) << c.line;
        } else {
            ASSERT_TRUE(entry.has_value()) << c.line;
            EXPECT_EQ(entry->first, c.index) << c.line;
            EXPECT_EQ(entry->second, QString::fromUtf8(c.text)) << c.line;
        }
    }
}

TEST(LngFile, OverlaysLineByLineWithAnyLineEnd)
{
    app::LanguageTable table;
    table.applyLngText(QStringLiteral("STR 5 = first\r\nSTR 6 = six\rSTR 5 = second\nSTR 7 = \nSTR 1000 = x\n"));
    EXPECT_EQ(table.text(5), "second"); // the later line wins
    EXPECT_EQ(table.text(6), "six");
    EXPECT_EQ(table.text(7), "Step 7");
    EXPECT_EQ(table.text(0), "Begin");
    EXPECT_EQ(table.count(), 800);

    table.Load_Default_Texts();
    EXPECT_EQ(table.text(5), "Step 5");
}

TEST(LngFile, DecodesUtf8AndFallsBackToWindows1252)
{
    // Pilcrow and e-acute as UTF-8 and as Windows-1252 bytes.
    EXPECT_EQ(app::decodeLngBytes("STR 1 = \xC2\xB6" "caf\xC3\xA9 \xC2\xB6"),
              QString::fromUtf8("STR 1 = \xC2\xB6" "caf\xC3\xA9 \xC2\xB6"));
    EXPECT_EQ(app::decodeLngBytes("STR 1 = \xB6" "caf\xE9 \xB6 \x80"),
              QString::fromUtf8("STR 1 = \xC2\xB6" "caf\xC3\xA9 \xC2\xB6 \xE2\x82\xAC"));
    EXPECT_EQ(app::decodeLngBytes("\xEF\xBB\xBFSTR 1 = x"), "STR 1 = x");
    EXPECT_EQ(app::decodeLngBytes(QByteArray("\xFF\xFES\0T\0R\0", 8)), "STR");
    EXPECT_EQ(app::decodeLngBytes(QByteArray("\xFE\xFF\0S\0T\0R", 8)), "STR");
    // A truncated UTF-8 sequence at the end is not UTF-8.
    EXPECT_EQ(app::decodeLngBytes("ab\xC3"), QString::fromUtf8("ab\xC3\x83"));
}

class LanguageLoading : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        appState.setUpFolders(dir.path());
    }
    void TearDown() override { app::languageTable().Load_Default_Texts(); }

    void writeLng(const QString &name, const QByteArray &content)
    {
        testsupport::writeFile(appState.languageFile(name), content);
    }

    QTemporaryDir dir;
    app::AppState appState;
};

TEST_F(LanguageLoading, ChosenFileOverlaysAndEachLoadStartsFromEnglish)
{
    writeLng("Italiano", "STR 0 = Inizio\nSTR 18 = Errore! Progetto non valido\n");
    writeLng("Deutsch", "STR 0 = Anfang\n");
    appState.Language_Name = "Italiano";
    app::Load_Language(appState);
    EXPECT_EQ(appState.Language_Name, "Italiano");
    EXPECT_EQ(app::text(0), "Inizio");
    EXPECT_EQ(app::text(18), "Errore! Progetto non valido");

    appState.Language_Name = "Deutsch";
    app::Load_Language(appState);
    EXPECT_EQ(app::text(0), "Anfang");
    EXPECT_EQ(app::text(18), "Error! Project not Valid");
}

TEST_F(LanguageLoading, MissingChosenFileFallsBackToEnglish)
{
    writeLng("English", "STR 1 = Step One\n");
    for (const char *name : {"Klingon", "", "../LANGUAGE/English"}) {
        app::languageTable().applyLngText("STR 2 = stale");
        appState.Language_Name = QString::fromUtf8(name);
        app::Load_Language(appState);
        EXPECT_EQ(appState.Language_Name, "English") << name;
        EXPECT_EQ(app::text(1), "Step One") << name;
        EXPECT_EQ(app::text(2), "Step 2") << name;
    }
}

TEST_F(LanguageLoading, WithoutAnyFileTheBuiltInTextsStay)
{
    appState.Language_Name = "English";
    app::Load_Language(appState);
    EXPECT_EQ(appState.Language_Name, "English");
    for (int i = 0; i < Lang_Text_Count; ++i)
        ASSERT_EQ(app::text(i), app::builtinText(i)) << i;
}

TEST_F(LanguageLoading, UnreadableFileChangesNothing)
{
    // A folder where the file should be cannot be read as one.
    ASSERT_TRUE(QDir().mkdir(appState.languageFile("Folder")));
    app::languageTable().Load_Lng_File(appState.languageFile("Folder"));
    app::languageTable().Load_Lng_File(appState.languageFile("Nowhere"));
    EXPECT_EQ(app::text(0), "Begin");
}

} // namespace
