#include "controls/grid/base/LineBreaks.h"
#include "controls/grid/base/OemText.h"
#include "controls/grid/base/TextSearch.h"
#include "controls/grid/base/TextTransform.h"

#include <gtest/gtest.h>

using namespace controls;

namespace {

TEST(TextSearch, PositionsCountFromOneAndZeroIsNotFound)
{
    int position = -1;
    EXPECT_EQ(PosWithResult(QStringLiteral("cd"), QStringLiteral("abcd"), position), 3);
    EXPECT_EQ(position, 3);
    EXPECT_EQ(PosWithResult(QStringLiteral("x"), QStringLiteral("abcd"), position), 0);
    EXPECT_EQ(position, 0);
    EXPECT_EQ(UpperCasePos(QStringLiteral("CD"), QStringLiteral("abcd")), 3);
    position = 7;
    EXPECT_EQ(FindCharWithResult(u'x', QStringLiteral("abc"), position), 0);
    EXPECT_EQ(position, 7);
    EXPECT_EQ(FindCharWithResult(u'c', QStringLiteral("abc"), position), 3);
    EXPECT_EQ(position, 3);
    EXPECT_EQ(CountCharInText(u'a', QStringLiteral("banana")), 3);
}

TEST(TextSearch, UnpairedQuotesAreThoseNotDoubled)
{
    struct Case {
        const char *text;
        int first;
        int count;
    };
    const Case cases[] = {
        {R"(ab"c)", 3, 1},     {R"(a""b)", 0, 0},   {R"(a"""b)", 4, 1}, {R"(abc")", 4, 1},
        {R"(abc"")", 0, 0},    {R"(abc""")", 6, 1}, {R"("a"b")", 1, 3}, {"", 0, 0},
        {R"(""a""")", 6, 1},
    };
    for (const Case &c : cases) {
        int position = -1;
        EXPECT_EQ(FindUnpairedChar(u'"', QString::fromUtf8(c.text), position), c.first) << c.text;
        EXPECT_EQ(position, c.first) << c.text;
        EXPECT_EQ(CountUnpairedChars(u'"', QString::fromUtf8(c.text)), c.count) << c.text;
    }
}

TEST(TextSearch, GridRectanglesIncludeTheirEdges)
{
    const TGridRect rect{1, 2, 3, 4};
    EXPECT_TRUE(PointInGridRect(rect, 1, 2));
    EXPECT_TRUE(PointInGridRect(rect, 3, 4));
    EXPECT_FALSE(PointInGridRect(rect, 0, 3));
    EXPECT_FALSE(PointInGridRect(rect, 2, 5));
}

TEST(TextTransform, CapitalizesNamesWithTheirExceptions)
{
    struct Case {
        const char *text;
        const char *name;
    };
    const Case cases[] = {
        {"mcdonald", "McDonald"},         {"henry iii", "Henry III"},     {"henry ii", "Henry II"},
        {"john o'neil", "John O'Neil"},   {"ANNE-MARIE", "Anne-Marie"},   {"ronald mcdonald", "Ronald McDonald"},
        {"st. john", "St. John"},         {"", ""},                       {"louis xiv", "Louis Xiv"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(CapitalizeName(QString::fromUtf8(c.text)), QString::fromUtf8(c.name)) << c.text;
}

TEST(TextTransform, QuotesTokensAndFills)
{
    EXPECT_EQ(DoubleQuoteChars(QStringLiteral(R"(a"b)")), QStringLiteral(R"(a""b)"));
    EXPECT_EQ(UndoubleChar(u'"', QStringLiteral(R"(a""b"""c")")), QStringLiteral(R"(a"b""c")"));
    QString text = QStringLiteral("ab;cd;ef");
    EXPECT_EQ(CutNextToken(text, u';'), QStringLiteral("ab"));
    EXPECT_EQ(text, QStringLiteral("cd;ef"));
    text = QStringLiteral("last");
    EXPECT_EQ(CutNextToken(text, u';'), QString());
    EXPECT_EQ(text, QStringLiteral("last"));
    FillWithChar(text, u'*');
    EXPECT_EQ(text, QStringLiteral("****"));
    EXPECT_EQ(JoinStringItems({QStringLiteral("a"), QStringLiteral("b")}), QStringLiteral("ab"));
}

TEST(TextTransform, ReadsRowColumnReferences)
{
    QPoint cell(-1, -1);
    EXPECT_TRUE(ParseRowColRef(QStringLiteral("r12c3"), cell));
    EXPECT_EQ(cell, QPoint(3, 12));
    for (const char *bad : {"R1", "R1C", "RxC1", "C1R1", "R1C1x", "r1c"}) {
        cell = QPoint(-1, -1);
        EXPECT_FALSE(ParseRowColRef(QString::fromUtf8(bad), cell)) << bad;
        EXPECT_EQ(cell, QPoint(-1, -1)) << bad;
    }
}

TEST(LineBreaks, OneLineFormsOfMultiLineText)
{
    const QString twoLines = QStringLiteral("a\r\nb");
    EXPECT_EQ(CountTextLines(twoLines, true), 2);
    EXPECT_EQ(CountTextLines(twoLines, false), 1);
    EXPECT_EQ(RemoveCR(twoLines), QStringLiteral("a\nb"));
    EXPECT_EQ(CRToLF(twoLines), QStringLiteral("a\n\nb"));
    EXPECT_EQ(CRToEscapedNewline(twoLines), QStringLiteral("a\\nb"));
    EXPECT_EQ(EscapedNewlineToCR(QStringLiteral("a\\nb")), QStringLiteral("a\rb"));

    QString text = twoLines;
    CRLFToLF(text);
    EXPECT_EQ(text, QStringLiteral("a\nb"));
    text = twoLines;
    LineBreaksToTilde(text);
    EXPECT_EQ(text, QStringLiteral("a~b"));
    TildeToLineBreaks(text);
    EXPECT_EQ(text, twoLines);
    text = QStringLiteral("^");
    TildeToLineBreaks(text);
    EXPECT_EQ(text, QString());
    text = twoLines;
    QuoteMultiLineText(text);
    EXPECT_EQ(text, QStringLiteral("\"a\x0B"
                                   "b\""));
    LTToCRLF(text);
    EXPECT_EQ(text, QStringLiteral("\"a\r\nb\""));
}

TEST(LineBreaks, MaskingKeepsEveryCharacterButTabsAndBackspaces)
{
    const QString text = QStringLiteral("a\r\nb") + QChar(0) + QStringLiteral("c\r\nd");
    const QString masked = MaskLineBreaks(text);
    EXPECT_FALSE(masked.contains(u'\r') || masked.contains(u'\n') || masked.contains(QChar(0)));
    EXPECT_EQ(UnmaskLineBreaks(masked, true), text);
    EXPECT_EQ(UnmaskLineBreaks(masked, false), QStringLiteral("a"));
    EXPECT_EQ(MaskLineBreaks(QStringLiteral("plain")), QStringLiteral("plain"));
    EXPECT_EQ(UnmaskLineBreaks(QStringLiteral("one\rtwo"), true), QStringLiteral("one\rtwo"));
    EXPECT_EQ(UnmaskLineBreaks(QStringLiteral("one\rtwo"), false), QStringLiteral("one"));

    QString rest = QStringLiteral("x\r\ny\rz");
    QString line;
    CutFirstLine(rest, true, line);
    EXPECT_EQ(line, QStringLiteral("x"));
    EXPECT_EQ(rest, QStringLiteral("y\rz"));
    CutFirstLine(rest, false, line);
    EXPECT_EQ(line, QStringLiteral("y"));
    EXPECT_EQ(rest, QString());
}

TEST(OemText, ConvertsThroughCodePage850AndBack)
{
    // é is byte 0x82 in code page 850, which Windows-1252 shows as ‚.
    QString text = QStringLiteral(u"Caffè é ÄÖÜ ß ½");
    const QString original = text;
    StringToOem(text);
    EXPECT_EQ(text[text.indexOf(u' ') + 1], QChar(0x201A));
    OemToString(text);
    EXPECT_EQ(text, original);

    QString unknown = QStringLiteral(u"\u20AC\u4E2D");
    StringToOem(unknown);
    EXPECT_EQ(unknown, QStringLiteral("??"));
}

} // namespace
