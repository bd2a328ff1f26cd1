#include "controls/grid/base/html/HtmlMarkup.h"

#include <gtest/gtest.h>

using namespace controls;

TEST(HtmlMarkup, PreprocessingReplacesEachEntityOnce)
{
    const struct {
        const char16_t *text;
        const char16_t *expected;
    } cases[] = {
        {u"a&amp;b", u"a&&b"},
        {u"&amp;amp;", u"&&amp;"},
        {u"&AMP;&Quot;", u"&&\""},
        {u"&sect;&permil;&reg;&copy;&para;&trade;&euro;", u"\u00A7\u2030\u00AE\u00A9\u00B6\u2122\u20AC"},
        {u"&lt;&nbsp;&gt;&bogus;", u"&lt;&nbsp;&gt;&bogus;"},
        {u"<#name> and <#b", u"#name and #b"},
        {u"<#a<#b>c>d", u"#a#bcd"},
        {u"x\r\ny\nz\r", u"x<BR>yz<BR>"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(preprocessHtml(QString::fromUtf16(c.text)), QString::fromUtf16(c.expected))
            << QString::fromUtf16(c.text).toStdString();
}

TEST(HtmlMarkup, ChunksDecodeSpacesAndBracketsButKeepEscapedAmpersands)
{
    const struct {
        const char16_t *raw;
        const char16_t *expected;
    } cases[] = {
        {u"a&nbsp;b", u"a b"},
        {u"&lt;b&gt;", u"<b>"},
        {u"&&lt;", u"&&lt;"},
        {u"&&&lt;", u"&&<"},
        {u"& &NBSP;", u"& &NBSP;"},
        {u"plain", u"plain"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(decodeHtmlChunk(QString::fromUtf16(c.raw)), QString::fromUtf16(c.expected))
            << QString::fromUtf16(c.raw).toStdString();
}

TEST(HtmlMarkup, AttributesNeedAnEqualsSignAndDoubleQuotes)
{
    const struct {
        const char16_t *tag;
        const char16_t *name;
        bool present;
        bool quoted;
        const char16_t *value;
    } cases[] = {
        {u"<P align=\"Right\">", u"ALIGN", true, true, u"Right"},
        {u"<P ALIGN = \"x y\">", u"align", true, true, u"x y"},
        {u"<P align=right bgcolor=\"clred\">", u"ALIGN", true, false, u""},
        {u"<P align \"right\">", u"ALIGN", true, false, u""},
        {u"<P align=\"right>", u"ALIGN", true, false, u""},
        {u"<P>", u"ALIGN", false, false, u""},
    };
    for (const auto &c : cases) {
        const THtmlAttribute a = htmlAttribute(QString::fromUtf16(c.tag), QString::fromUtf16(c.name));
        EXPECT_EQ(a.present, c.present) << QString::fromUtf16(c.tag).toStdString();
        EXPECT_EQ(a.quoted, c.quoted) << QString::fromUtf16(c.tag).toStdString();
        EXPECT_EQ(a.value, QString::fromUtf16(c.value)) << QString::fromUtf16(c.tag).toStdString();
    }
    EXPECT_EQ(htmlAttribute(u"<FONT size=12>", u"SIZE").rest, u"12>");
    EXPECT_EQ(leadingNumber(u"12px"), 12);
    EXPECT_EQ(leadingNumber(u"-7", true), -7);
    EXPECT_EQ(leadingNumber(u"-7"), 0);
    EXPECT_EQ(leadingNumber(u"99999999999"), 1'000'000);
}
