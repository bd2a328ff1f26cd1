// The border ring: its thickness from the settings, its pixels, and the
// header and rows laid out inside it with their coordinates unchanged.
#include "HeaderColumns.h"

#include <gtest/gtest.h>

#include <QPixmap>
#include <QScrollBar>

#include <algorithm>
#include <tuple>
#include <vector>

namespace vtreetest {
namespace {

using platform::ColorToRGB;
using platform::TColor;

TColor pixel(const QImage &image, int x, int y)
{
    const QRgb rgb = image.pixel(x, y);
    return TColor(qRed(rgb) | (qGreen(rgb) << 8) | (qBlue(rgb) << 16));
}

struct RingCase {
    const char *name;
    int borderWidth;
    TBevelKind kind;
    TBevelCut inner;
    TBevelCut outer;
    int bevelWidth;
    TBevelEdges edges;
    bool ctl3D;
    QMargins margins;
    // Pixels of the 200 by 100 window: x, y and the colour there.
    std::vector<std::tuple<int, int, TColor>> pixels;
};

const TColor red = ColorToRGB(platform::clRed);
const TColor window = ColorToRGB(platform::clWindow);
const TColor shadow = ColorToRGB(platform::clBtnShadow);
const TColor highlight = ColorToRGB(platform::clBtnHighlight);
const TColor face = ColorToRGB(platform::clBtnFace);

const RingCase ringCases[] = {
    {"border only", 3, TBevelKind::bkNone, TBevelCut::bvRaised, TBevelCut::bvLowered, 1, AllBevelEdges, true,
     {3, 3, 3, 3},
     {{0, 0, red}, {2, 50, red}, {3, 50, window}, {196, 50, window}, {197, 97, red}, {199, 99, red}}},
    {"tiled bevel", 0, TBevelKind::bkTile, TBevelCut::bvRaised, TBevelCut::bvLowered, 1, AllBevelEdges, true,
     {2, 2, 2, 2},
     {{0, 50, shadow}, {1, 50, highlight}, {2, 50, window}, {198, 50, shadow}, {199, 50, highlight}}},
    {"flat bevel on two sides", 1, TBevelKind::bkFlat, TBevelCut::bvLowered, TBevelCut::bvLowered, 2,
     TBevelEdges{TBevelEdge::beLeft, TBevelEdge::beTop}, true,
     {5, 5, 1, 1},
     {{0, 50, shadow}, {1, 50, face}, {2, 50, red}, {4, 50, red}, {5, 50, window}, {50, 0, shadow}, {199, 50, red},
      {198, 50, window}}},
    {"mono bevel of one cut", 0, TBevelKind::bkSoft, TBevelCut::bvNone, TBevelCut::bvRaised, 3, AllBevelEdges, false,
     {3, 3, 3, 3},
     {{0, 50, ColorToRGB(platform::clWindowFrame)}, {1, 50, red}, {2, 50, red}, {3, 50, window},
      {199, 50, ColorToRGB(platform::clWindowFrame)}}},
};

class TreeBorderRingTest : public ::testing::TestWithParam<RingCase> {};

TEST_P(TreeBorderRingTest, TheRingHasItsThicknessAndPixels)
{
    const RingCase &c = GetParam();
    TreeWidgetProbe tree;
    tree.Colors().SetColor(TLTColors::BorderColor, platform::clRed);
    tree.SetBevelEdges(c.edges);
    tree.SetBevelInner(c.inner);
    tree.SetBevelOuter(c.outer);
    tree.SetBevelWidth(c.bevelWidth);
    tree.SetCtl3D(c.ctl3D);
    tree.SetBorderWidth(c.borderWidth);
    tree.SetBevelKind(c.kind);
    EXPECT_EQ(tree.BorderMargins(), c.margins);
    EXPECT_EQ(tree.viewport()->geometry(), tree.rect().marginsRemoved(c.margins));
    EXPECT_EQ(tree.BorderRect(), tree.rect());
    const QImage image = tree.grab().toImage();
    for (const auto &[x, y, color] : c.pixels)
        EXPECT_EQ(pixel(image, x, y), color) << x << ", " << y;
}

INSTANTIATE_TEST_SUITE_P(Settings, TreeBorderRingTest, ::testing::ValuesIn(ringCases),
                         [](const auto &info) {
                             std::string name = info.param.name;
                             std::replace(name.begin(), name.end(), ' ', '_');
                             return name;
                         });

TEST(TreeBorderTest, NoBorderAndNoBevelLeaveTheWindowAsItWas)
{
    TreeWidgetProbe tree;
    tree.SetBevelKind(TBevelKind::bkTile);
    tree.SetBevelInner(TBevelCut::bvNone);
    tree.SetBevelOuter(TBevelCut::bvNone);
    EXPECT_TRUE(tree.BorderMargins().isNull());
    EXPECT_TRUE(tree.BorderRect().isEmpty());
    EXPECT_EQ(tree.viewport()->geometry(), tree.rect());
    // Out-of-range widths are taken at their bounds.
    tree.SetBorderWidth(-4);
    tree.SetBevelWidth(0);
    EXPECT_EQ(tree.BorderWidth(), 0);
    EXPECT_EQ(tree.BevelWidth(), 1);
}

TEST(TreeBorderTest, HeaderAndRowsLieInsideTheRingWithClientCoordinatesKept)
{
    TreeWidgetProbe tree;
    tree.resize(300, 100);
    showHeaderColumns(tree, {80, 100, 60});
    tree.addNodes(3);
    THitInfo before;
    tree.GetHitTestInfoAt(90, 20, true, before);
    const QImage rowsBefore = tree.paintToImage();

    tree.SetBorderWidth(4);
    QWidget *strip = tree.HeaderStrip();
    ASSERT_NE(strip, nullptr);
    EXPECT_EQ(strip->geometry(), QRect(4, 4, 292, 19));
    EXPECT_EQ(tree.viewport()->geometry(), QRect(4, 23, 292, 73));
    EXPECT_EQ(tree.ClientWidth(), 292);
    EXPECT_EQ(tree.ClientHeight(), 73);
    // What lies where in the window: ring, header, rows.
    EXPECT_EQ(tree.childAt(2, 50), nullptr);
    EXPECT_EQ(tree.childAt(10, 10), strip);
    EXPECT_EQ(tree.childAt(10, 30), tree.viewport());
    // Hit tests and row painting in client coordinates are as they were.
    THitInfo after;
    tree.GetHitTestInfoAt(90, 20, true, after);
    EXPECT_EQ(after.HitNode, before.HitNode);
    EXPECT_EQ(after.HitColumn, before.HitColumn);
    EXPECT_EQ(after.HitPositions, before.HitPositions);
    EXPECT_EQ(tree.paintToImage().copy(0, 0, 292, 73), rowsBefore.copy(0, 0, 292, 73));
    const QImage image = tree.grab().toImage();
    EXPECT_EQ(pixel(image, 10, 3), face) << "the ring in the border colour";
    EXPECT_EQ(pixel(image, 150, 22), ColorToRGB(platform::cl3DDkShadow)) << "the header button's bottom";
}

TEST(TreeBorderTest, TheRingLiesInsideQtsFrameAndAroundTheRowsBesideScrollBars)
{
    TreeWidgetProbe tree;
    tree.SetBorderStyle(TBorderStyle::bsSingle);
    tree.SetBorderWidth(2);
    const QPoint frame = tree.WindowFrameSize();
    EXPECT_EQ(tree.BorderRect(), tree.rect().adjusted(-frame.x(), -frame.y(), frame.x(), frame.y()));
    tree.addNodes(40);
    ASSERT_TRUE(tree.verticalScrollBar()->isVisible());
    const QRect rows = tree.viewport()->geometry();
    EXPECT_EQ(tree.BorderRect(), rows.marginsAdded({2, 2, 2, 2}));
    EXPECT_LE(tree.BorderRect().right(), tree.verticalScrollBar()->parentWidget()->geometry().left() - 1);
}

TEST(TreeBorderTest, AssignTakesTheBorderSettings)
{
    TreeWidgetProbe source;
    source.SetBorderWidth(3);
    source.SetBevelKind(TBevelKind::bkSoft);
    source.SetBevelEdges(TBevelEdge::beTop);
    source.SetBevelWidth(2);
    source.SetCtl3D(false);
    TreeWidgetProbe tree;
    tree.Assign(source);
    EXPECT_EQ(tree.BorderMargins(), QMargins(3, 7, 3, 3));
    EXPECT_EQ(tree.BevelKind(), TBevelKind::bkSoft);
    EXPECT_FALSE(tree.Ctl3D());
    EXPECT_EQ(tree.viewport()->geometry(), tree.rect().marginsRemoved(QMargins(3, 7, 3, 3)));
}

} // namespace
} // namespace vtreetest
