// Cell texts as painted: one line unless multi-line cells, password masks,
// URLs, mini-HTML and rich text, malformed rich text.
#include "ViewFixture.h"

using namespace controls;
using namespace viewtest;

namespace {

struct CellTextTest : ViewTest {
    void SetUp() override
    {
        ViewTest::SetUp();
        grid.setDefaultRowHeight(60);
    }
    QRect textBox(int col, int row)
    {
        const QImage image = paint();
        const TRect r = cell(col, row);
        return darkBox(image, platform::Rect(r.Left, r.Top, r.Right - 1, r.Bottom - 1));
    }
};

TEST_F(CellTextTest, OneLineUnlessMultiLineCells)
{
    grid.setCells(1, 2, QStringLiteral("A\r\nB"));
    grid.setWordWrap(false);
    const int lineHeight = grid.MeasureCellText(grid.Canvas(), QStringLiteral("A"), false).cy;
    const QRect one = textBox(1, 2);
    EXPECT_LT(one.height(), lineHeight);
    grid.Appearance().Multilinecells = true;
    const QRect two = textBox(1, 2);
    EXPECT_GT(two.height(), lineHeight);
}

TEST_F(CellTextTest, PasswordCellShowsAsManyPasswordChars)
{
    grid.setCells(1, 2, QStringLiteral("abc"));
    grid.setCells(2, 2, QStringLiteral("***"));
    grid.OnIsPasswordCell = [](TExStringGrid *, int col, int row, bool &is) { is = col == 1 && row == 2; };
    const QImage image = paint();
    const TRect a = cell(1, 2);
    const TRect b = cell(2, 2);
    for (int y = a.Top; y < a.Bottom - 1; ++y)
        for (int x = 0; x < a.Right - a.Left - 1; ++x)
            ASSERT_EQ(image.pixel(a.Left + x, y), image.pixel(b.Left + x, y)) << x << "," << y;
}

TEST_F(CellTextTest, UrlShowDropsMailtoAndUnderlinesInUrlColour)
{
    grid.Appearance().URLShow = true;
    grid.setCells(1, 2, QStringLiteral("mailto:ab"));
    const QImage image = paint();
    const QRect blue = boxOf(image, cell(1, 2), [](TColor c) { return c == 0xFF0000; });
    ASSERT_FALSE(blue.isEmpty());
    // "ab" and its underline: far narrower than "mailto:ab" would be.
    EXPECT_LT(blue.width(), grid.Canvas().TextWidth(QStringLiteral("mailto:")));
    // The underline: a run of URL colour below the letters.
    int run = 0;
    for (int x = blue.left(); x <= blue.right(); ++x)
        run += at(image, x, blue.bottom()) == 0xFF0000;
    EXPECT_GE(run, blue.width() - 1);
}

TEST_F(CellTextTest, HtmlAndRichTextAreDrawnNotShownAsSource)
{
    grid.setCells(1, 2, QStringLiteral("<b>X</b>"));
    grid.setCells(2, 2, QStringLiteral("{\\rtf1{\\colortbl;\\red255\\green0\\blue0;}\\cf1 RR}"));
    const QImage image = paint();
    const QRect html = darkBox(image, cell(1, 2));
    ASSERT_FALSE(html.isEmpty());
    EXPECT_LT(html.width(), grid.Canvas().TextWidth(QStringLiteral("<b>")));
    const QRect red = boxOf(image, cell(2, 2), [](TColor c) {
        return platform::GetRValue(c) > 150 && platform::GetGValue(c) < 100 && platform::GetBValue(c) < 100;
    });
    EXPECT_FALSE(red.isEmpty()) << "the run's colour from the colour table";
    EXPECT_TRUE(darkBox(image, cell(2, 2)).isEmpty()) << "no source text";
}

TEST_F(CellTextTest, MalformedRichTextPaintsWhatItHas)
{
    QString deep = QStringLiteral("{\\rtf1 ok ");
    deep += QString(5000, u'{');
    grid.setCells(1, 2, QStringLiteral("{\\rtf1 \\b text \\'"));
    grid.setCells(2, 2, deep);
    QImage image;
    ASSERT_NO_THROW(image = paint());
    EXPECT_FALSE(darkBox(image, cell(1, 2)).isEmpty());
    EXPECT_FALSE(darkBox(image, cell(2, 2)).isEmpty());
}

} // namespace

namespace {

TEST(DisplayText, UrlShowInTextMarksTheFirstKindOfAddressFound)
{
    TExStringGrid grid;
    grid.setCells(1, 1, QStringLiteral("see WwW.example.com"));
    EXPECT_EQ(grid.Cells(1, 1), QStringLiteral("see WwW.example.com")) << "only when asked";
    grid.Appearance().URLShowInText = true;
    const QString shown = grid.Cells(1, 1);
    EXPECT_TRUE(shown.contains(QStringLiteral("<a href=\"WwW.example.com\">WwW.example.com</a>"))) << shown.toStdString();

    grid.setCells(1, 2, QStringLiteral("www.b.org or http://a.org"));
    const QString both = grid.Cells(1, 2);
    EXPECT_EQ(both.count(QStringLiteral("<a ")), 1) << both.toStdString();
    EXPECT_TRUE(both.contains(QStringLiteral("href=\"http://a.org\""))) << "the web prefix comes first";

    grid.setCells(1, 3, QStringLiteral("plain <b> text"));
    EXPECT_EQ(grid.Cells(1, 3), QStringLiteral("plain <b> text")) << "no address, nothing escaped";
}

} // namespace
