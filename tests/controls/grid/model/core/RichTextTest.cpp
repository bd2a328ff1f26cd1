#include "controls/grid/model/core/RichText.h"

#include <gtest/gtest.h>

using namespace controls;

namespace {

TEST(RichText, PlainTextOfDocuments)
{
    struct Case {
        const char *rtf;
        const char *plain;
    };
    const Case cases[] = {
        {R"({\rtf1\ansi{\fonttbl{\f0 Arial;}}\f0 Hello\par World})", "Hello\r\nWorld"},
        {R"({\rtf1 a\tab b\line c})", "a\tb\r\nc"},
        {R"({\rtf1 \{x\}\\})", "{x}\\"},
        {R"({\rtf1 caf\'e9 \'80})", "caf\u00e9 \u20ac"},
        {R"({\rtf1\uc1 \u8364?x})", "\u20acx"},
        {R"({\rtf1\uc2 \u-3??y})", "\ufffdy"},
        {R"({\rtf1{\*\unknowndest hidden}shown})", "shown"},
        {R"({\rtf1{\info{\title T}}{\stylesheet{\s0 Normal;}}body})", "body"},
        {R"({\rtf1 x\bin3 {}}y})", "xy"},
        {"{\\rtf1 one\r\ntwo}", "onetwo"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(readRichText(QString::fromUtf8(c.rtf)).plainText(), QString::fromUtf8(c.plain)) << c.rtf;
}

TEST(RichText, CharacterRunsFollowGroupsAndTheColourTable)
{
    const TRichText t = readRichText(QStringLiteral(
        R"({\rtf1{\colortbl;\red255\green0\blue0;\red0\green0\blue255;}a{\b b\i c}\ul d\ulnone\cf2\fs40 e\plain f})"));
    ASSERT_EQ(t.runs.size(), 6u);
    EXPECT_EQ(t.runs[0].text, "a");
    EXPECT_FALSE(t.runs[0].format.bold);
    EXPECT_EQ(t.runs[1].text, "b");
    EXPECT_TRUE(t.runs[1].format.bold);
    EXPECT_TRUE(t.runs[2].format.bold && t.runs[2].format.italic);
    EXPECT_EQ(t.runs[3].text, "d");
    EXPECT_TRUE(t.runs[3].format.underline);
    EXPECT_FALSE(t.runs[3].format.bold); // the group ended
    EXPECT_EQ(t.runs[4].format.color, platform::RGB(0, 0, 255));
    EXPECT_EQ(t.runs[4].format.halfPoints, 40);
    EXPECT_EQ(t.runs[5].format, TRichCharFormat{});
    EXPECT_FALSE(t.truncated);
}

// Broken and hostile documents: each reads what it can, none crashes.
TEST(RichText, DamagedDocumentsGiveWhatTheyHold)
{
    struct Case {
        QString rtf;
        QString plain;
        bool truncated;
    };
    const QString deep = QStringLiteral("{\\rtf1 a") + QString(10000, u'{') + QStringLiteral("deep")
                         + QString(10000, u'}') + QStringLiteral("b}");
    const Case cases[] = {
        {QStringLiteral("{\\rtf1 unterminated {\\b group"), QStringLiteral("unterminated group"), false},
        {QStringLiteral("{\\rtf1 x\\"), QStringLiteral("x"), false},
        {QStringLiteral("{\\rtf1 x\\'4"), QStringLiteral("x4"), false},
        {QStringLiteral("{\\rtf1 x\\'zz y}"), QStringLiteral("xzz y"), false},
        {QStringLiteral("{\\rtf1 \\cf99 c\\cf-5 d}"), QStringLiteral("cd"), false},
        {QStringLiteral("{\\rtf1 \\fs99999999999999 big}"), QStringLiteral("big"), false},
        {QStringLiteral("{\\rtf1 \\bin999999999 gone}"), QString(), false},
        {QStringLiteral("{\\rtf1 a}}}}b"), QStringLiteral("a"), false},
        {QStringLiteral("{\\rtf1 \\u99999 x}"), QStringLiteral(""), false},
        {deep, QStringLiteral("ab"), true},
    };
    for (const Case &c : cases) {
        const TRichText t = readRichText(c.rtf);
        EXPECT_EQ(t.plainText(), c.plain) << c.rtf.left(40).toStdString();
        EXPECT_EQ(t.truncated, c.truncated) << c.rtf.left(40).toStdString();
    }
}

TEST(RichText, TextStopsAtItsBound)
{
    const QString rtf = QStringLiteral("{\\rtf1 ") + QString(kMaxRichText + 10, u'x') + u'}';
    const TRichText t = readRichText(rtf);
    EXPECT_EQ(t.plainText().size(), kMaxRichText);
    EXPECT_TRUE(t.truncated);
}

TEST(RichText, OtherTextsStayAsTheyAre)
{
    EXPECT_FALSE(isRichText(QStringLiteral("{rtf")));
    EXPECT_EQ(richCellPlainText(QStringLiteral("<b>x</b>")), QStringLiteral("<b>x</b>"));
    EXPECT_EQ(richCellPlainText(QStringLiteral("{\\rtf1 \\b y}")), QStringLiteral("y"));
    EXPECT_TRUE(readRichText(QString()).runs.empty());
}

} // namespace
