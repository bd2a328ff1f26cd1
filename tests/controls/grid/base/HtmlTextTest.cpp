#include "controls/grid/base/HtmlColors.h"
#include "controls/grid/base/HtmlControls.h"
#include "controls/grid/base/HtmlText.h"

#include <gtest/gtest.h>

using namespace controls;

namespace {

TEST(HtmlToPlainText, DropsTagsAndBreaksLines)
{
    EXPECT_EQ(HtmlToPlainText(QStringLiteral("a<b>b</b><br>c")), QStringLiteral("ab\r\nc"));
    EXPECT_EQ(HtmlToPlainText(QStringLiteral("x<HR>y<Br>z")), QStringLiteral("x\r\ny\r\nz"));
    EXPECT_EQ(HtmlToPlainText(QStringLiteral("a <b and more")), QStringLiteral("a <b and more"));
    EXPECT_EQ(HtmlToPlainText(QStringLiteral("<i>x</i> < y")), QStringLiteral("x < y"));
    EXPECT_EQ(HtmlToPlainText(QStringLiteral("&amp;<b>&lt;")), QStringLiteral("&amp;&lt;"));
}

TEST(HtmlEscaping, IsOnePassBothWays)
{
    struct Case {
        const char *text;
        bool table;
        const char *escaped;
    };
    const Case cases[] = {
        {"a<b", false, "a&lt;b"},
        {"&amp;", false, "&amp;amp;"},
        {"*amp;", false, "*amp;"},
        {"\"x\" > y", false, "&quot;x&quot; &gt; y"},
        {"caf\u00E9 \u20AC", true, "caf&eacute; &euro;"},
        {"caf\u00E9", false, "caf\u00E9"},
        {"\u00E3\u00D5", true, "\u00E3\u00D5"},
    };
    for (const Case &c : cases) {
        const QString text = QString::fromUtf8(c.text);
        EXPECT_EQ(EscapeHtmlText(text, c.table), QString::fromUtf8(c.escaped)) << c.text;
        EXPECT_EQ(UnescapeHtmlText(EscapeHtmlText(text, c.table), c.table), text) << c.text;
    }
}

TEST(HtmlEscaping, UnescapesOnlyWhatTheTableNames)
{
    struct Case {
        const char *text;
        bool table;
        const char *plain;
    };
    const Case cases[] = {
        {"&amp;amp;", false, "&amp;"},
        {"&amp;eacute;", true, "&eacute;"},
        {"&Eacute;&eacute;", true, "\u00C9\u00E9"},
        {"&eacute;&Eacute;", true, "\u00E9\u00C9"},
        {"&eacute;", false, "&eacute;"},
        {"&Otilde x", true, "&Otilde x"},
        {"&atilde;", true, "&atilde;"},
        {"&EACUTE;&lt", true, "&EACUTE;&lt"},
        {"a & b; &;", true, "a & b; &;"},
        {"&quot;&gt;&lt;", false, "\"><"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(UnescapeHtmlText(QString::fromUtf8(c.text), c.table), QString::fromUtf8(c.plain)) << c.text;
    EXPECT_EQ(SpacesToNbsp(QStringLiteral("a b")), QStringLiteral("a&nbsp;b"));
}

TEST(HtmlEntityTable, KeepsItsFixedOrder)
{
    const auto table = HtmlEntityTable();
    ASSERT_EQ(table.size(), 55u);
    EXPECT_EQ(QString::fromUtf16(table[0].name), QStringLiteral("&eacute;"));
    EXPECT_EQ(table[48].character, u'\u20AC');
    EXPECT_EQ(QString::fromUtf16(table[54].name), QStringLiteral("&Otilde"));
}

TEST(WrapMatchesInTag, MarksEveryVisibleMatch)
{
    struct Case {
        const char *text;
        const char *search;
        bool caseSensitive;
        const char *result;
    };
    const Case cases[] = {
        {"abxab", "ab", true, "<hi>ab</hi>x<hi>ab</hi>"},
        {"abab", "ab", true, "<hi>ab</hi><hi>ab</hi>"},
        {"aaaa", "aa", true, "<hi>aa</hi><hi>aa</hi>"},
        {"x<b>ab</b>", "ab", true, "x<hi><b>ab</hi></b>"},
        {"<b>ab</b>", "ab", true, "<hi><b>ab</hi></b>"},
        {"a<i>b</i>c", "abc", true, "<hi>a<i>b</i>c</hi>"},
        {"ABxab", "ab", false, "<hi>AB</hi>x<hi>ab</hi>"},
        {"ABxab", "ab", true, "ABx<hi>ab</hi>"},
        {"none", "ab", true, "none"},
        {"a<b", "a", true, "<hi>a</hi>&lt;b"},
        {"x<b>y</b> > a", "a", true, "xy &gt; <hi>a</hi>"},
        {"abc", "", true, "abc"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(WrapMatchesInTag(QString::fromUtf8(c.text), QString::fromUtf8(c.search), QStringLiteral("hi"),
                                   c.caseSensitive),
                  QString::fromUtf8(c.result))
            << c.text << " / " << c.search;
}

TEST(WrapMatchesInTag, RemovingTheTagsGivesTheTextBack)
{
    for (const char *text : {"abxab", "x<b>ab</b>", "a<b", "1 < 2 > 0"}) {
        const QString wrapped = WrapMatchesInTag(QString::fromUtf8(text), QStringLiteral("a"), QStringLiteral("e"), true);
        const QString back = RemoveTagPairs(wrapped, QStringLiteral("E"));
        EXPECT_EQ(back, QString::fromUtf8(text)) << text;
    }
}

TEST(HtmlColors, NamesAndHexadecimalInAnyCase)
{
    EXPECT_EQ(HtmlColorByName(QStringLiteral("clwindow")), platform::clWindow);
    EXPECT_EQ(HtmlColorByName(QStringLiteral("clred")), platform::clRed);
    EXPECT_EQ(HtmlColorByName(QStringLiteral("clinfobk")), platform::clInfoBk);
    EXPECT_EQ(HtmlColorByName(QStringLiteral("clRed")), platform::clBlack);
    struct Case {
        const char *text;
        platform::TColor color;
    };
    const Case cases[] = {{"#FF8000", 0x0080FF}, {"#ff8000", 0x0080FF}, {"#aBcDeF", 0xEFCDAB},
                          {"#FF80", 0x0080FF}, {"#GG8000", 0x008000}, {"", 0}, {"#", 0}};
    for (const Case &c : cases)
        EXPECT_EQ(HtmlHexColor(QString::fromUtf8(c.text)), c.color) << c.text;
    SetHtmlHighlightColors(platform::clYellow, platform::clBlack);
    EXPECT_EQ(HtmlHighlightColors().Background, platform::clYellow);
    EXPECT_EQ(HtmlHighlightColors().Text, platform::clBlack);
}

const QString kForm = QStringLiteral(R"(Name <CONTROL TYPE="edit" ID="n" VALUE="Ren&eacute;" WIDTH="80" HEIGHT="30" MAXLEN="12x">)"
                                     R"( ok <control type="CHECK" id="c" value="TRUE" width="16">)"
                                     R"( <CONTROL TYPE="RADIO" ID="r1" VALUE="TRUE" WIDTH="16">)"
                                     R"( <CONTROL TYPE="MASK" ID="m" VALUE="" WIDTH="40" PROP="99&lt;9">)");

TEST(HtmlControls, ReadsTheAttributesOfEachControl)
{
    const THtmlControlTag tag = ParseHtmlControlTag(
        QStringLiteral(R"(<CONTROL TYPE="edit" ID="n" VALUE="a&amp;b" WIDTH="80" PROP="&eacute;" MAXLEN="5">)"));
    EXPECT_EQ(tag.Type, QStringLiteral("EDIT"));
    EXPECT_EQ(tag.ID, QStringLiteral("n"));
    EXPECT_EQ(tag.Value, QStringLiteral("a&b"));
    EXPECT_EQ(tag.Prop, QStringLiteral(u"\u00E9"));
    EXPECT_EQ(tag.Width, QStringLiteral("80"));
    EXPECT_EQ(tag.Height, QString());
    EXPECT_EQ(tag.MaxLen, QStringLiteral("5"));

    EXPECT_TRUE(HasHtmlControl(kForm));
    EXPECT_FALSE(HasHtmlControl(QStringLiteral("<b>x</b>")));
    QString value;
    EXPECT_TRUE(GetHtmlControlValue(kForm, QStringLiteral("n"), value));
    EXPECT_EQ(value, QStringLiteral(u"Ren\u00E9"));
    EXPECT_FALSE(GetHtmlControlValue(kForm, QStringLiteral("zz"), value));
    EXPECT_EQ(GetHtmlControlProp(kForm, QStringLiteral("m")), QStringLiteral("99<9"));
    EXPECT_EQ(GetHtmlControlMaxLen(kForm, QStringLiteral("n")), 12);
    EXPECT_EQ(GetHtmlControlMaxLen(kForm, QStringLiteral("c")), 0);
}

TEST(HtmlControls, WalksTheTypedTextControlsInOrder)
{
    EXPECT_EQ(NextHtmlEditControlID(kForm, QString()), QStringLiteral("n"));
    EXPECT_EQ(NextHtmlEditControlID(kForm, QStringLiteral("n")), QStringLiteral("m"));
    EXPECT_EQ(NextHtmlEditControlID(kForm, QStringLiteral("m")), QString());
    EXPECT_EQ(NextHtmlEditControlID(kForm, QStringLiteral("nope")), QString());
}

TEST(HtmlControls, RewritesAControlKeepingEveryOtherAttribute)
{
    QString text = kForm;
    EXPECT_TRUE(SetHtmlControlValue(text, QStringLiteral("n"), QStringLiteral("a\"<b")));
    QString value;
    ASSERT_TRUE(GetHtmlControlValue(text, QStringLiteral("n"), value));
    EXPECT_EQ(value, QStringLiteral("a\"<b"));
    const THtmlControlTag tag = ParseHtmlControlTag(text.mid(text.indexOf(u'<'), text.indexOf(u'>') + 1 - text.indexOf(u'<')));
    EXPECT_EQ(tag.Height, QStringLiteral("30"));
    EXPECT_EQ(tag.Width, QStringLiteral("80"));
    EXPECT_EQ(tag.Type, QStringLiteral("EDIT"));
    EXPECT_EQ(tag.MaxLen, QStringLiteral("12x"));
    EXPECT_TRUE(text.startsWith(QStringLiteral("Name <CONTROL ID=\"n\" VALUE=")));
    EXPECT_TRUE(text.endsWith(kForm.mid(kForm.indexOf(QStringLiteral(" ok ")))));

    const QString before = text;
    EXPECT_FALSE(SetHtmlControlValue(text, QStringLiteral("zz"), QStringLiteral("x")));
    EXPECT_EQ(text, before);

    const QString cleared = ClearHtmlRadioControls(kForm);
    ASSERT_TRUE(GetHtmlControlValue(cleared, QStringLiteral("r1"), value));
    EXPECT_EQ(value, QStringLiteral("FALSE"));
    ASSERT_TRUE(GetHtmlControlValue(cleared, QStringLiteral("c"), value));
    EXPECT_EQ(value, QStringLiteral("TRUE"));
}

} // namespace
