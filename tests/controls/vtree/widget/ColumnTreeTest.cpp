#include "TreeWidgetProbe.h"

#include <gtest/gtest.h>

#include <QScrollBar>

namespace vtreetest {
namespace {

using platform::ColorToRGB;
using platform::TColor;
using platform::TRect;
using enum THitPosition;

// A string tree with three columns of 80, 100 and 60 pixels in a 300 pixel
// window; each cell's text comes from a table by column.
class ColumnTreeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        tree.resize(300, 100);
        TLazyTreeColumns &columns = tree.Header()->Columns();
        for (int width : {80, 100, 60})
            columns.Add().SetWidth(width);
        tree.OnGetText = [this](TreeSender, PLazyNode, TColumnIndex Column, TLSTTextType Type, QString &Text) {
            if (Type == TLSTTextType::ttNormal)
                Text = cellTexts.value(std::max(Column, 0));
        };
        node = tree.addNodes(2);
        node = tree.GetFirst();
    }

    THitInfo hitAt(int x, int y)
    {
        THitInfo info;
        tree.GetHitTestInfoAt(x, y, true, info);
        return info;
    }

    // Dark pixels (text) in the columns [from, to) of the first row.
    int inkBetween(const QImage &image, int from, int to) const
    {
        int ink = 0;
        for (int y = 0; y < 18; ++y)
            for (int x = from; x < to; ++x)
                ink += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
        return ink;
    }

    void setPaint(TLTPaintOptions add) { tree.TreeOptions().SetPaintOptions(tree.TreeOptions().PaintOptions() + add); }

    TreeWidgetProbe tree;
    QStringList cellTexts{QStringLiteral("main"), QStringLiteral("b"), QStringLiteral("a caption far too long")};
    PLazyNode node = nullptr;
};

TEST_F(ColumnTreeTest, TheTreeAsksItsOwnHeader)
{
    EXPECT_TRUE(tree.ColumnsUsed());
    EXPECT_EQ(tree.MainColumn(), 0);
    EXPECT_TRUE(tree.IsValidColumn(2));
    EXPECT_FALSE(tree.IsValidColumn(3));
    EXPECT_TRUE(tree.ColumnAllowsFocus(1));
    tree.Header()->SetMainColumn(9);
    EXPECT_EQ(tree.MainColumn(), 2);
    // The range is the columns' total width, not the widest text.
    EXPECT_EQ(tree.RangeX(), 240);
}

TEST_F(ColumnTreeTest, AChangedColumnReachesTheWindow)
{
    tree.repaints = 0;
    tree.Header()->Columns()[1].SetWidth(200);
    EXPECT_EQ(tree.RangeX(), 340);
    EXPECT_TRUE(tree.horizontalScrollBar()->isVisible() || tree.VerticalScrollInfo().Visible ||
                tree.HorizontalScrollInfo().Visible);
    EXPECT_GT(tree.repaints, 0);
    tree.Header()->Columns().Clear();
    EXPECT_FALSE(tree.ColumnsUsed());
    EXPECT_LT(tree.RangeX(), 340);
}

TEST_F(ColumnTreeTest, CellRectanglesFollowTheColumnsPositionsAndWidths)
{
    const struct {
        TColumnIndex column;
        TRect expected;
    } cases[] = {
        {0, {0, 0, 79, 18}},
        {1, {80, 0, 179, 18}},
        {2, {180, 0, 239, 18}},
        {NoColumn, {0, 0, 300, 18}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(tree.GetDisplayRect(node, c.column, false), c.expected) << c.column;
    // Shown first, the last column starts at 0 and the others follow it.
    tree.Header()->Columns()[2].SetPosition(0);
    EXPECT_EQ(tree.GetDisplayRect(node, 2, false), TRect({0, 0, 59, 18}));
    EXPECT_EQ(tree.GetDisplayRect(node, 0, false), TRect({60, 0, 139, 18}));
}

TEST_F(ColumnTreeTest, OnlyTheMainColumnsTextIsIndented)
{
    const int mainLeft = tree.GetDisplayRect(node, NoColumn, true).Left;
    EXPECT_EQ(tree.GetDisplayRect(node, 0, true).Left, mainLeft);
    const int width = tree.MeasureNodeWidth(nullptr, node, 1);
    EXPECT_EQ(tree.GetDisplayRect(node, 1, true), TRect({80 + 4, 0, 80 + 4 + width, 18}));
}

TEST_F(ColumnTreeTest, CellsScrollWithTheTree)
{
    tree.resize(200, 100);
    tree.UpdateScrollBars(true);
    ASSERT_EQ(tree.RangeX(), 240);
    tree.SetOffsetX(-20);
    EXPECT_EQ(tree.GetDisplayRect(node, 1, false), TRect({60, 0, 159, 18}));
    EXPECT_EQ(hitAt(60, 5).HitColumn, 1);
    EXPECT_EQ(hitAt(59, 5).HitColumn, 0);
}

TEST_F(ColumnTreeTest, AHitNamesItsColumnAndPlaceInTheCell)
{
    const int secondText = tree.MeasureNodeWidth(nullptr, node, 1);
    const struct {
        int x;
        TColumnIndex column;
        THitPositions expected;
    } cases[] = {
        {85, 1, {hiOnItem, hiOnItemLabel}},
        {84 + secondText, 1, {hiOnItem, hiOnItemRight}},
        {180 + 4, 2, {hiOnItem, hiOnItemLabel}},
        // Right of the last column there is no cell.
        {250, InvalidColumn, {hiNowhere}},
    };
    for (const auto &c : cases) {
        const THitInfo info = hitAt(c.x, 5);
        EXPECT_EQ(info.HitColumn, c.column) << c.x;
        EXPECT_EQ(info.HitPositions, c.expected) << c.x;
        EXPECT_EQ(info.HitNode, node) << c.x;
    }
    // In a report only the main column's cells are items.
    TLTMiscOptions misc = tree.TreeOptions().MiscOptions();
    misc.include(TLTMiscOption::toReportMode);
    tree.TreeOptions().SetMiscOptions(misc);
    EXPECT_EQ(hitAt(85, 5).HitPositions, THitPositions{hiOnItem});
    EXPECT_EQ(hitAt(50, 5).HitPositions, (THitPositions{hiOnItem, hiOnItemLabel}));
}

TEST_F(ColumnTreeTest, ARightToLeftCellIsClassifiedFromItsRightEdge)
{
    TLTHeader &header = *tree.Header();
    header.Columns()[0].SetBiDiMode(TBiDiMode::bdRightToLeft);
    header.Columns()[1].SetBiDiMode(TBiDiMode::bdRightToLeft);
    tree.SetHasChildren(node, true);
    const int w = tree.MeasureNodeWidth(nullptr, node, 1);
    // The main column: indentation (18) and margin (4) on the right of 80.
    // The second: a left-justified text is drawn on the right, after the margin.
    const struct {
        int x;
        TColumnIndex column;
        THitPositions expected;
    } cases[] = {
        {75, 0, {hiOnItem, hiOnItemButton}},
        {65, 0, {hiOnItem, hiOnItemButton, hiOnItemButtonExact}},
        {60, 0, {hiOnItem}},
        {80 + 10, 1, {hiOnItem, hiOnItemLeft}},
        {80 + 96 - w - 1, 1, {hiOnItem, hiOnItemLeft}},
        {80 + 96 - w, 1, {hiOnItem, hiOnItemLabel}},
    };
    for (const auto &c : cases) {
        const THitInfo info = hitAt(c.x, 5);
        EXPECT_EQ(info.HitColumn, c.column) << c.x;
        EXPECT_EQ(info.HitPositions, c.expected) << c.x;
    }
    EXPECT_EQ(tree.GetDisplayRect(node, 1, true), TRect({175 - w, 0, 175, 18}));
}

TEST_F(ColumnTreeTest, AutoSpanningGivesAnEmptyCellToItsLeftNeighbour)
{
    cellTexts[1].clear();
    EXPECT_EQ(hitAt(120, 5).HitColumn, 1);
    TLTAutoOptions autoOptions = tree.TreeOptions().AutoOptions();
    autoOptions.include(TLTAutoOption::toAutoSpanColumns);
    tree.TreeOptions().SetAutoOptions(autoOptions);
    EXPECT_EQ(hitAt(120, 5).HitColumn, 0);
    EXPECT_EQ(hitAt(200, 5).HitColumn, 2);
}

TEST_F(ColumnTreeTest, EachCellShowsItsColumnsTextAndShortensWhatDoesNotFit)
{
    const QImage image = tree.paintToImage();
    // The second column's "b" after its margin and text margin.
    EXPECT_GT(inkBetween(image, 80 + 4 + 4, 80 + 4 + 4 + 12), 0);
    EXPECT_EQ(inkBetween(image, 100, 180), 0);
    // The long caption stops at the text margin with an ellipsis inside the cell.
    EXPECT_GT(inkBetween(image, 180, 236), 0);
    EXPECT_EQ(inkBetween(image, 236, 300), 0);
    // Without columns the same text is not shortened.
    tree.Header()->Columns().Clear();
    cellTexts[0] = cellTexts[2];
    tree.ClearCachedTextWidths();
    EXPECT_GT(inkBetween(tree.paintToImage(), 120, 140), 0);
}

TEST_F(ColumnTreeTest, ColumnColoursAndVerticalGridLinesMarkTheCells)
{
    TLazyTreeColumn &second = tree.Header()->Columns()[1];
    second.SetOptions(second.Options() - TLTColumnOption::coParentColor);
    second.SetColor(platform::clYellow);
    setPaint(TLTPaintOption::toShowVertGridLines);
    const QImage image = tree.paintToImage();
    const platform::TCanvas probe(const_cast<QImage *>(&image));
    const TColor grid = ColorToRGB(tree.Colors().GetColor(TLTColors::GridLineColor));
    int gridDots = 0;
    for (int y = 0; y < 18; ++y)
        gridDots += probe.Pixel(79, y) == grid ? 1 : 0;
    EXPECT_GE(gridDots, 8);
    EXPECT_EQ(probe.Pixel(150, 5), ColorToRGB(platform::clYellow));
    EXPECT_EQ(probe.Pixel(150, 30), ColorToRGB(platform::clYellow)) << "second row";
    EXPECT_EQ(probe.Pixel(60, 5), ColorToRGB(platform::clWindow));
    // Below the rows the column keeps its colour; the grid line stops with the rows.
    EXPECT_EQ(probe.Pixel(150, 80), ColorToRGB(platform::clYellow));
    EXPECT_EQ(probe.Pixel(260, 80), ColorToRGB(platform::clWindow)) << "right of the last column";
    for (int y = 40; y < 100; ++y)
        ASSERT_NE(probe.Pixel(79, y), grid) << y;
    setPaint(TLTPaintOption::toFullVertGridLines);
    const QImage full = tree.paintToImage();
    const platform::TCanvas fullProbe(const_cast<QImage *>(&full));
    int below = 0;
    for (int y = 40; y < 100; ++y)
        below += fullProbe.Pixel(179, y) == grid ? 1 : 0;
    EXPECT_GE(below, 25);
    EXPECT_EQ(fullProbe.Pixel(150, 80), ColorToRGB(platform::clYellow));
}

TEST_F(ColumnTreeTest, AFixedColumnStaysWhileTheOthersScroll)
{
    TLazyTreeColumn &first = tree.Header()->Columns()[0];
    first.SetOptions(first.Options() + TLTColumnOption::coFixed);
    tree.resize(150, 100);
    tree.UpdateScrollBars(true);
    const QImage before = tree.paintToImage();
    tree.SetOffsetX(-30);
    ASSERT_EQ(tree.OffsetX(), -30);
    EXPECT_EQ(tree.GetDisplayRect(node, 0, false), TRect({0, 0, 79, 18}));
    EXPECT_EQ(tree.GetDisplayRect(node, 1, false), TRect({50, 0, 149, 18}));
    EXPECT_EQ(hitAt(10, 5).HitColumn, 0);
    EXPECT_EQ(hitAt(10, 5).HitPoint.x(), 10);
    EXPECT_EQ(hitAt(85, 5).HitColumn, 1);
    EXPECT_EQ(hitAt(85, 5).HitPoint.x(), 115);
    const QImage after = tree.paintToImage();
    EXPECT_EQ(after.copy(0, 0, 80, 36), before.copy(0, 0, 80, 36));
    EXPECT_EQ(inkBetween(after, 80, 150), 0) << "the second column's text scrolled under the fixed one";
    tree.Header()->SetOptions(tree.Header()->Options() + TLTHeaderOption::hoVisible);
    tree.RecalcHeaderRect();
    const QImage header = tree.paintHeaderToImage();
    EXPECT_LT(qGray(header.pixel(79, 9)), qGray(header.pixel(80, 9))) << "the fixed button keeps its edge";
}

TEST_F(ColumnTreeTest, AColumnScrollsIntoView)
{
    tree.resize(150, 100);
    tree.UpdateScrollBars(true);
    ASSERT_EQ(tree.RangeX(), 240);
    const struct {
        TColumnIndex column;
        bool center;
        int offsetX;
    } cases[] = {
        {1, false, -30},  // its right edge (180) at the window's
        {0, false, 0},    // its left edge back at 0
        {2, false, -90},  // the last column ends the range
        {1, true, -55},   // the middle (130) in the middle (75)
        {0, true, 0},     // clamped at the start
    };
    for (const auto &c : cases) {
        EXPECT_TRUE(tree.ScrollIntoView(c.column, c.center)) << c.column;
        EXPECT_EQ(tree.OffsetX(), c.offsetX) << c.column << " " << c.center;
    }
    EXPECT_FALSE(tree.ScrollIntoView(TColumnIndex(7), false));
}

} // namespace
} // namespace vtreetest
