// Sorting by clicks on the header row, sent as real mouse events: the
// direction turning round, the undone order, the index of several columns,
// the places and refusals where a click never sorts, the border double
// click; and the header's indicator, index numbers and gradient as painted.
#include "MouseEvents.h"
#include "ViewFixture.h"

#include "controls/grid/view/GridAppearance.h"

#include <QFontMetrics>

namespace {

using namespace controls;
using namespace viewtest;

// Four columns, one fixed row and column; column 1 holds c a d b e.
struct HeaderSortTest : ViewTest {
    std::vector<int> clickSorts;
    void SetUp() override
    {
        ViewTest::SetUp();
        grid.setColCount(4);
        grid.setRowCount(6);
        const QStringList names{QStringLiteral("c"), QStringLiteral("a"), QStringLiteral("d"), QStringLiteral("b"),
                                QStringLiteral("e")};
        for (int r = 1; r < 6; ++r) {
            grid.setCells(0, r, QString::number(r));
            grid.setCells(1, r, names[r - 1]);
            grid.setCells(2, r, QString::number(10 - r));
        }
        grid.setCells(1, 0, QStringLiteral("Name"));
        grid.setCells(2, 0, QStringLiteral("Number"));
        grid.SortSettings().Show = true;
        grid.OnClickSort = [this](TExStringGrid *, int col) { clickSorts.push_back(col); };
    }
    QString column(int col)
    {
        QString s;
        for (int r = 1; r < grid.RowCount(); ++r)
            s += grid.Cells(col, r);
        return s;
    }
    void clickHeader(int col, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        click(grid, centre(cell(col, 0)), Qt::LeftButton, mods);
    }
};

TEST_F(HeaderSortTest, WithUndoSortTheThirdClickRestoresTheOrder)
{
    grid.SortSettings().UndoSort = true;
    clickHeader(1);
    EXPECT_EQ(column(1), QStringLiteral("abcde"));
    EXPECT_EQ(grid.SortSettings().Column(), 1);
    clickHeader(1);
    EXPECT_EQ(column(1), QStringLiteral("edcba"));
    EXPECT_EQ(grid.SortSettings().Direction, sdDescending);
    clickHeader(1);
    EXPECT_EQ(column(1), QStringLiteral("cadbe"));
    EXPECT_EQ(column(0), QStringLiteral("12345"));
    EXPECT_EQ(grid.SortSettings().Column(), -1);
    EXPECT_EQ(clickSorts, (std::vector<int>{1, 1, -1}));
    // Without UndoSort the clicks only turn the direction round.
    grid.SortSettings().UndoSort = false;
    clickHeader(1);
    clickHeader(1);
    clickHeader(1);
    EXPECT_EQ(column(1), QStringLiteral("abcde"));
}

TEST_F(HeaderSortTest, ADescendingFirstClickStartsDescending)
{
    grid.SortSettings().InitSortDirection = sdDescending;
    clickHeader(2);
    EXPECT_EQ(column(2), QStringLiteral("98765"));
    clickHeader(1);
    EXPECT_EQ(column(1), QStringLiteral("edcba"));
}

TEST_F(HeaderSortTest, CtrlClickAddsAnIndexColumnAndAPlainClickOnTheOnlyOneTurnsIt)
{
    grid.SortSettings().IndexShow = true;
    grid.SortSettings().IndexSortKey = TSortSettings::ikCtrl;
    grid.setCells(2, 1, QStringLiteral("1"));
    grid.setCells(1, 3, QStringLiteral("c")); // c c ... ties broken by column 2
    clickHeader(1);
    ASSERT_EQ(grid.SortIndexes().Count(), 1);
    clickHeader(2, Qt::ControlModifier);
    ASSERT_EQ(grid.SortIndexes().Count(), 2);
    EXPECT_EQ(grid.SortIndexes().SortColumns(1), 2);
    EXPECT_EQ(column(1), QStringLiteral("abcce"));
    EXPECT_EQ(grid.Cells(2, 3), QStringLiteral("1")) << "the tie on c ordered by column 2";
    EXPECT_EQ(grid.SortSettings().Column(), 1);
    // Shift is not the key here: a plain click starts a new index.
    clickHeader(2, Qt::ShiftModifier);
    ASSERT_EQ(grid.SortIndexes().Count(), 1);
    EXPECT_TRUE(grid.SortIndexes().SortDirections(0));
    clickHeader(2);
    EXPECT_FALSE(grid.SortIndexes().SortDirections(0)) << "the only listed column turns round";
    EXPECT_EQ(grid.SortSettings().Column(), 2);
}

struct NoSortCase {
    const char *name;
    std::function<void(TExStringGrid &)> prepare;
    std::function<QPoint(TExStringGrid &)> at;
};

TEST_F(HeaderSortTest, SomeReleasesNeverSort)
{
    const auto middle = [](TExStringGrid &g) { return centre(g.CellRect(1, 0)); };
    const std::vector<NoSortCase> cases{
        {"3 pixels left of the right border with column sizing",
         [](TExStringGrid &g) { g.setOptions(g.Options() | goColSizing); },
         [](TExStringGrid &g) { return QPoint(g.CellRect(1, 0).Right - 3, 5); }},
        {"on the filter button",
         [](TExStringGrid &g) {
             g.OnGetColumnFilter = [](TExStringGrid *, int, QStringList &f) { f << QStringLiteral("a"); };
         },
         [](TExStringGrid &g) { return QPoint(g.CellRect(1, 0).Right - 8, 5); }},
        {"on an ignored column", [](TExStringGrid &g) { g.IgnoreColumns().Add(1); }, middle},
        {"after OnCanSort refuses",
         [](TExStringGrid &g) { g.OnCanSort = [](TExStringGrid *, int col, bool &doSort) { doSort = col != 1; }; },
         middle},
        {"in a grid of two rows", [](TExStringGrid &g) { g.setRowCount(2); }, middle},
        {"with the indicator off", [](TExStringGrid &g) { g.SortSettings().Show = false; }, middle},
        {"press on a data row, release on the header", [](TExStringGrid &) {}, nullptr},
    };
    for (const NoSortCase &c : cases) {
        SCOPED_TRACE(c.name);
        TExStringGrid g;
        g.setScrollBars(ssNone);
        g.resize(400, 250);
        g.setColCount(4);
        g.setRowCount(6);
        for (int r = 1; r < 6; ++r)
            g.setCells(1, r, QString(QChar(u'e' - r + 1)));
        g.SortSettings().Show = true;
        c.prepare(g);
        const QString before = g.Cells(1, 1);
        if (c.at) {
            click(g, c.at(g));
        } else {
            sendMouse(g, QEvent::MouseButtonPress, Qt::LeftButton, centre(g.CellRect(1, 2)));
            sendMouse(g, QEvent::MouseButtonRelease, Qt::LeftButton, centre(g.CellRect(1, 0)));
        }
        EXPECT_EQ(g.SortSettings().Column(), -1);
        EXPECT_EQ(g.Cells(1, 1), before);
    }
}

TEST_F(HeaderSortTest, IgnoredColumnsCountAsEqualInASort)
{
    grid.setCells(1, 1, QStringLiteral("a"));
    grid.setCells(1, 2, QStringLiteral("a")); // rows 1 and 2 tie on column 1
    grid.IgnoreColumns().Add(2);
    grid.setCells(3, 1, QStringLiteral("z"));
    grid.setCells(3, 2, QStringLiteral("y"));
    clickHeader(1);
    EXPECT_EQ(grid.Cells(3, 1), QStringLiteral("y")) << "the tie skips column 2 and goes on to 3";
}

TEST_F(HeaderSortTest, ABorderDoubleClickSizesTheColumnAndItsReleaseDoesNotSort)
{
    grid.setOptions(grid.Options() | goColSizing);
    grid.setCells(1, 2, QStringLiteral("a considerably longer text"));
    std::vector<int> ended;
    grid.OnEndColumnSize = [&](TExStringGrid *, int col) { ended.push_back(col); };
    const int border = cell(1, 0).Right;
    doubleClick(grid, QPoint(border, 6));
    const int textWidth =
        QFontMetrics(grid.Font().qfont()).horizontalAdvance(QStringLiteral("a considerably longer text"));
    EXPECT_GT(grid.ColWidths(1), textWidth);
    EXPECT_EQ(ended, std::vector<int>{1});
    EXPECT_EQ(grid.SortSettings().Column(), -1);
    EXPECT_TRUE(clickSorts.empty());
    // The next plain click sorts again.
    clickHeader(1);
    EXPECT_EQ(grid.SortSettings().Column(), 1);
}

TEST_F(HeaderSortTest, OnColumnSizeCanRefuseTheBorderAutoSize)
{
    grid.setOptions(grid.Options() | goColSizing);
    grid.setCells(1, 2, QStringLiteral("a considerably longer text"));
    grid.OnColumnSize = [](TExStringGrid *, int, bool &allow) { allow = false; };
    const int before = grid.ColWidths(1);
    doubleClick(grid, QPoint(cell(1, 0).Right, 6));
    EXPECT_EQ(grid.ColWidths(1), before);
    EXPECT_EQ(grid.SortSettings().Column(), -1);
}

TEST_F(HeaderSortTest, AClickInANodeGridSortsInsideTheGroups)
{
    // Rows 1..3 under a node at 1 and 4..5 under one at 4.
    grid.setCells(1, 1, QStringLiteral("x"));
    grid.setCells(1, 2, QStringLiteral("z"));
    grid.setCells(1, 3, QStringLiteral("y"));
    grid.setCells(1, 4, QStringLiteral("q"));
    grid.setCells(1, 5, QStringLiteral("p"));
    grid.AddNode(1, 3);
    grid.AddNode(4, 2);
    clickHeader(1);
    EXPECT_EQ(column(1), QStringLiteral("xyzq") + QStringLiteral("p")) << "the node rows stay; children sorted";
}

TEST_F(HeaderSortTest, AnIndexClickInANodeGridSortsInsideTheGroups)
{
    grid.SortSettings().IndexShow = true;
    grid.setCells(1, 1, QStringLiteral("x"));
    grid.setCells(1, 2, QStringLiteral("z"));
    grid.setCells(1, 3, QStringLiteral("y"));
    grid.AddNode(1, 3);
    grid.AddNode(4, 2);
    clickHeader(1);
    EXPECT_EQ(grid.Cells(1, 2), QStringLiteral("y"));
    EXPECT_EQ(grid.Cells(1, 4), QStringLiteral("b")) << "the second node row stays";
    EXPECT_EQ(grid.SortSettings().Column(), 1);
}

TEST_F(HeaderSortTest, MergedColumnsAreSplitForTheSortAndMergedAgain)
{
    grid.SortSettings().AutoColumnMerge = true;
    for (int r = 1; r < 6; ++r)
        grid.setCells(3, r, r < 3 ? QStringLiteral("same") : QStringLiteral("other"));
    grid.MergedColumns().Add(3);
    grid.ReapplyMergedColumns();
    ASSERT_TRUE(grid.IsMergedCell(3, 1));
    clickHeader(1); // a b c d e come from rows 2 4 1 3 5
    EXPECT_EQ(grid.Cells(3, 1), QStringLiteral("same"));
    EXPECT_EQ(grid.Cells(3, 2), QStringLiteral("other"));
    EXPECT_EQ(grid.Cells(3, 3), QStringLiteral("same"));
    EXPECT_FALSE(grid.IsMergedCell(3, 1)) << "no longer a run of equal cells";
    EXPECT_TRUE(grid.IsMergedCell(3, 4)) << "the new run of two is merged";
}

// --- what the header shows ---------------------------------------------------------------

struct HeaderPaintTest : HeaderSortTest {
    void SetUp() override
    {
        HeaderSortTest::SetUp();
        grid.setColWidths(1, 90);
        grid.setColWidths(2, 90);
    }
};

TEST_F(HeaderPaintTest, TheClickedHeaderShowsItsIndicator)
{
    const QImage before = paint();
    clickHeader(1);
    const QImage after = paint();
    const QRect changed = differenceBox(before, after, cell(1, 0));
    ASSERT_FALSE(changed.isEmpty());
    const int textRight = cell(1, 0).Left + QFontMetrics(grid.Font().qfont()).horizontalAdvance(QStringLiteral("Name"));
    EXPECT_GT(changed.left(), textRight) << "beside the text, not over it";
    EXPECT_TRUE(differenceBox(before, after, cell(2, 0)).isEmpty());
}

TEST_F(HeaderPaintTest, IndexHeadersShowTheirNumbersOnTheIndexColour)
{
    grid.SortSettings().IndexShow = true;
    grid.SortSettings().IndexSortKey = TSortSettings::ikCtrl;
    clickHeader(1);
    clickHeader(2, Qt::ControlModifier);
    const QImage image = paint();
    const auto yellow = [](TColor c) { return c == 0x00FFFF; };
    EXPECT_FALSE(boxOf(image, cell(1, 0), yellow).isEmpty());
    EXPECT_FALSE(boxOf(image, cell(2, 0), yellow).isEmpty());
    EXPECT_TRUE(boxOf(image, cell(3, 0), yellow).isEmpty());
}

TEST_F(HeaderPaintTest, TheSortedHeaderTakesTheHeaderGradient)
{
    grid.Appearance().Look = glXP;
    TSortSettings &sort = grid.SortSettings();
    sort.HeaderColor = 0x0000FF;
    sort.HeaderColorTo = 0x000080;
    sort.HeaderMirrorColor = 0x00FF00;
    sort.HeaderMirrorColorTo = 0x008000;
    clickHeader(2);
    const QImage image = paint();
    const TRect r = cell(2, 0);
    const int h = r.Bottom - r.Top;
    // Red in the upper half, green in the lower, each darkening downwards.
    const TColor top = at(image, r.Left + 3, r.Top + 2);
    const TColor upper = at(image, r.Left + 3, r.Top + h / 2 - 1);
    const TColor lower = at(image, r.Left + 3, r.Top + h / 2 + 1);
    EXPECT_GT(platform::GetRValue(top), 200);
    EXPECT_LT(platform::GetRValue(upper), platform::GetRValue(top));
    EXPECT_EQ(platform::GetBValue(top), 0);
    EXPECT_GT(platform::GetGValue(lower), 100);
    EXPECT_EQ(platform::GetRValue(lower), 0);
    // Another header keeps the look's own.
    EXPECT_NE(at(image, cell(1, 0).Left + 3, r.Top + 2), top);
}

TEST_F(HeaderPaintTest, TheIndicatorMovesPastAGraphicLeftOfTheText)
{
    clickHeader(1);
    grid.setCells(1, 0, QStringLiteral("N"));
    const QImage plain = paint();
    QImage picture(16, 16, QImage::Format_ARGB32);
    picture.fill(Qt::white);
    grid.AddBitmap(1, 0, &picture, false, haBeforeText, vaTop);
    const QImage withGraphic = paint();
    const auto darkRight = [](const QImage &im, const TRect &r) { return darkBox(im, r).right(); };
    EXPECT_GE(darkRight(withGraphic, cell(1, 0)), darkRight(plain, cell(1, 0)) + 14);
    grid.RemoveBitmap(1, 0);
}

TEST_F(HeaderPaintTest, ACentredHeaderStartsItsTextTenPixelsRight)
{
    grid.setAlignments(2, 0, taCenter);
    const QImage unsorted = paint();
    clickHeader(2);
    const QImage sorted = paint();
    // The indicator stands at the left: the text's right end shows the move.
    EXPECT_EQ(darkBox(sorted, cell(2, 0)).right(), darkBox(unsorted, cell(2, 0)).right() + 5)
        << "half of 10: the centre moves with the left edge";
}

} // namespace
