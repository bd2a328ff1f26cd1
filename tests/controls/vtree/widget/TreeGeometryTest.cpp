#include "TreeWidgetProbe.h"

#include "platform/AssertionFailed.h"

#include <gtest/gtest.h>

#include <QScrollBar>

namespace vtreetest {
namespace {

using platform::TRect;
using enum THitPosition;

THitPositions hitAt(TreeWidgetProbe &tree, int x, int y)
{
    THitInfo info;
    tree.GetHitTestInfoAt(x, y, true, info);
    return info.HitPositions;
}

TEST(TreeGeometryTest, ADisplayRectangleIsTheRowInClientCoordinates)
{
    TreeWidgetProbe tree;
    tree.addNodes(3);
    PLazyNode second = tree.GetNextSibling(tree.GetFirst());
    const TRect row = tree.GetDisplayRect(second, NoColumn, false);
    EXPECT_EQ(row, TRect({0, 18, std::max(tree.ClientWidth(), tree.RangeX()), 36}));
}

TEST(TreeGeometryTest, TheTextRectangleStartsAfterIndentMarginAndImages)
{
    TreeWidgetProbe tree;
    tree.texts = {QStringLiteral("abc")};
    PLazyNode node = tree.addNodes(1);
    const int textWidth = tree.MeasureNodeWidth(nullptr, node, NoColumn);
    // toShowRoot adds one level of indentation.
    EXPECT_EQ(tree.GetDisplayRect(node, NoColumn, true), TRect({4 + 18, 0, 4 + 18 + textWidth, 18}));
}

TEST(TreeGeometryTest, ANodeUnderACollapsedParentHasAnEmptyRectangle)
{
    TreeWidgetProbe tree;
    PLazyNode parent = tree.addNodes(1);
    PLazyNode child = tree.AddChild(parent);
    EXPECT_EQ(tree.GetDisplayRect(child, NoColumn, false), TRect({0, 0, 0, 0}));
}

TEST(TreeGeometryTest, ANilNodeHasNoRectangle)
{
    TreeWidgetProbe tree;
    EXPECT_THROW(tree.GetDisplayRect(nullptr, NoColumn, false), platform::EAssertionFailed);
    EXPECT_THROW(tree.GetDisplayRect(tree.RootNode(), NoColumn, false), platform::EAssertionFailed);
}

TEST(TreeGeometryTest, NodeAtAPointClampsAboveAndIsNilBelowTheLastRow)
{
    TreeWidgetProbe tree;
    tree.addNodes(2);
    int top = -1;
    EXPECT_EQ(tree.GetNodeAt(0, -5, true, top), tree.GetFirst());
    EXPECT_EQ(top, 0);
    EXPECT_EQ(tree.GetNodeAt(0, 20), tree.GetLast());
    top = -7;
    EXPECT_EQ(tree.GetNodeAt(0, 36, true, top), nullptr);
    EXPECT_EQ(top, -7);
}

TEST(TreeGeometryTest, TopAndBottomNodesAreAtTheWindowsEdges)
{
    TreeWidgetProbe tree;
    tree.addNodes(20);
    EXPECT_EQ(tree.TopNode(), tree.GetFirst());
    EXPECT_EQ(tree.BottomNode()->Index, unsigned((tree.ClientHeight() - 1) / 18));
    PLazyNode tenth = tree.GetFirst();
    for (int i = 0; i < 10; ++i)
        tenth = tree.GetNext(tenth);
    tree.SetTopNode(tenth);
    EXPECT_EQ(tree.TopNode(), tenth);
    EXPECT_EQ(tree.OffsetY(), -10 * 18);
}

TEST(TreeGeometryTest, OutsidePointsGiveOnlyTheirDirection)
{
    TreeWidgetProbe tree;
    tree.addNodes(2);
    THitInfo info;
    tree.GetHitTestInfoAt(-1, 5, true, info);
    EXPECT_EQ(info.HitPositions, THitPositions(hiToLeft));
    EXPECT_EQ(info.HitNode, nullptr);
    EXPECT_EQ(info.HitPoint, QPoint(-1, 5));
    EXPECT_EQ(hitAt(tree, 5, -1), THitPositions(hiAbove));
    EXPECT_EQ(hitAt(tree, 10000, 10000), (THitPositions{hiToRight, hiBelow}));
    EXPECT_EQ(hitAt(tree, 5, 50), THitPositions(hiNowhere));
}

// One row with children, a check box, a state and a normal image and a short
// text; x positions from the left edge of the row.
class HitPositionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        images.Add(QPixmap(16, 16));
        tree.texts = {QStringLiteral("ab")};
        TLTMiscOptions misc = tree.TreeOptions().MiscOptions();
        misc.include(TLTMiscOption::toCheckSupport);
        tree.TreeOptions().SetMiscOptions(misc);
        tree.SetImages(&images);
        tree.SetStateImages(&images);
        tree.OnGetImageIndex = [](TreeSender, PLazyNode, TLTImageKind, TColumnIndex, bool &, TImageIndex &Index) {
            Index = 0;
        };
        node = tree.addNodes(1);
        tree.SetCheckType(node, TCheckType::ctCheckBox);
        tree.SetHasChildren(node, true);
        tree.resize(400, 100);
    }

    platform::TImageList images{16, 16};
    TreeWidgetProbe tree;
    PLazyNode node = nullptr;
};

TEST_F(HitPositionTest, EachPartOfARowHasItsPosition)
{
    // Indent 18 (the root level), margin 4, check 16 + 2, state 16 + 2,
    // normal 16 + 2, then the label.
    const int label = 18 + 4 + 18 + 18 + 18;
    const int textWidth = tree.MeasureNodeWidth(nullptr, node, NoColumn);
    const struct {
        int x;
        THitPositions expected;
    } cases[] = {
        {0, {hiOnItem, hiOnItemButton}},
        {8, {hiOnItem, hiOnItemButton}},
        {9, {hiOnItem, hiOnItemButton, hiOnItemButtonExact}},
        {21, {hiOnItem, hiOnItemButton, hiOnItemButtonExact}}, // the margin counts to the button
        {22, {hiOnItem, hiOnItemCheckbox}},
        {39, {hiOnItem, hiOnItemCheckbox}},
        {40, {hiOnItem, hiOnStateIcon}},
        {58, {hiOnItem, hiOnNormalIcon}},
        {label, {hiOnItem, hiOnItemLabel}},
        {label + textWidth - 1, {hiOnItem, hiOnItemLabel}},
        {label + textWidth, {hiOnItem, hiOnItemRight}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(hitAt(tree, c.x, 5), c.expected) << c.x;
}

TEST_F(HitPositionTest, AlignedLabelsLeaveRoomOnTheirLeft)
{
    const int textWidth = tree.MeasureNodeWidth(nullptr, node, NoColumn);
    const int width = tree.ClientWidth();
    tree.SetAlignment(TAlignment::taRightJustify);
    EXPECT_EQ(hitAt(tree, width - textWidth - 1, 5), (THitPositions{hiOnItem, hiOnItemLeft}));
    EXPECT_EQ(hitAt(tree, width - textWidth, 5), (THitPositions{hiOnItem, hiOnItemLabel}));
    tree.SetAlignment(TAlignment::taCenter);
    const int label = 18 + 4 + 18 + 18 + 18;
    const int mid = (label + width - textWidth) / 2;
    EXPECT_EQ(hitAt(tree, mid - 1, 5), (THitPositions{hiOnItem, hiOnItemLeft}));
    EXPECT_EQ(hitAt(tree, mid, 5), (THitPositions{hiOnItem, hiOnItemLabel}));
    EXPECT_EQ(hitAt(tree, mid + textWidth, 5), (THitPositions{hiOnItem, hiOnItemRight}));
}

TEST_F(HitPositionTest, NodeHeightResizingFindsTheSplitters)
{
    TLTMiscOptions misc = tree.TreeOptions().MiscOptions();
    misc.include(TLTMiscOption::toNodeHeightResize);
    tree.TreeOptions().SetMiscOptions(misc);
    EXPECT_TRUE(hitAt(tree, 100, 1).contains(hiUpperSplitter));
    EXPECT_TRUE(hitAt(tree, 100, 15).contains(hiLowerSplitter));
    EXPECT_FALSE(hitAt(tree, 100, 8).containsAny({hiUpperSplitter, hiLowerSplitter}));
}

TEST(TreeGeometryTest, OffsetsStayWithinTheirRange)
{
    TreeWidgetProbe tree;
    tree.addNodes(20);
    tree.SetOffsetY(50);
    EXPECT_EQ(tree.OffsetY(), 0);
    tree.SetOffsetY(-100000);
    EXPECT_EQ(tree.OffsetY(), tree.ClientHeight() - tree.RangeY());
    tree.SetOffsetX(-10);
    EXPECT_EQ(tree.OffsetX(), 0) << "a narrow tree does not scroll sideways";
}

TEST(TreeGeometryTest, RangesAndScrollBarsFollowTheRows)
{
    TreeWidgetProbe tree;
    tree.SetBottomSpace(7);
    tree.addNodes(20);
    EXPECT_EQ(tree.RangeY(), 20 * 18 + 7);
    const TTreeScrollInfo &v = tree.VerticalScrollInfo();
    EXPECT_TRUE(v.Visible);
    EXPECT_EQ(v.Max, tree.RangeY());
    EXPECT_EQ(v.Page, tree.ClientHeight() + 1);
    EXPECT_EQ(tree.verticalScrollBar()->maximum(), tree.RangeY() - tree.ClientHeight());
    EXPECT_FALSE(tree.HorizontalScrollInfo().Visible);
    tree.SetOffsetY(-40);
    EXPECT_EQ(tree.verticalScrollBar()->value(), 40);
    tree.verticalScrollBar()->setValue(60);
    EXPECT_EQ(tree.OffsetY(), -60);
}

TEST(TreeGeometryTest, AlwaysVisibleBarsShowWithoutAnythingToScroll)
{
    TreeWidgetProbe tree;
    tree.addNodes(1);
    EXPECT_FALSE(tree.VerticalScrollInfo().Visible);
    tree.ScrollBarOptions().SetAlwaysVisible(true);
    EXPECT_TRUE(tree.VerticalScrollInfo().Visible);
    tree.ScrollBarOptions().SetScrollBars(TScrollStyle::ssNone);
    EXPECT_FALSE(tree.VerticalScrollInfo().Visible);
}

TEST(TreeGeometryTest, ScrollIntoViewBringsARowIntoTheWindow)
{
    TreeWidgetProbe tree;
    tree.addNodes(50);
    PLazyNode last = tree.GetLast();
    EXPECT_TRUE(tree.ScrollIntoView(last, false));
    EXPECT_EQ(tree.GetDisplayRect(last, NoColumn, false).Bottom, tree.ClientHeight());
    EXPECT_FALSE(tree.ScrollIntoView(last, false)) << "a row in view does not scroll";
    EXPECT_TRUE(tree.ScrollIntoView(tree.GetFirst(), false));
    EXPECT_EQ(tree.OffsetY(), 0);
    EXPECT_FALSE(tree.ScrollIntoView(nullptr, false));
}

TEST(TreeGeometryTest, CentredScrollIntoViewEndsTheRowAtTheMiddle)
{
    TreeWidgetProbe tree;
    tree.addNodes(50);
    PLazyNode node = tree.GetFirst();
    for (int i = 0; i < 20; ++i)
        node = tree.GetNext(node);
    EXPECT_TRUE(tree.ScrollIntoView(node, true));
    EXPECT_EQ(tree.GetDisplayRect(node, NoColumn, false).Bottom, tree.ClientHeight() / 2);
}

TEST(TreeGeometryTest, ScrollIntoViewExpandsTheParents)
{
    TreeWidgetProbe tree;
    PLazyNode parent = tree.addNodes(1);
    PLazyNode child = tree.AddChild(parent);
    tree.ScrollIntoView(child, false);
    EXPECT_TRUE(tree.GetExpanded(parent));
}

TEST(TreeGeometryTest, NothingIsInvalidatedDuringAnUpdate)
{
    TreeWidgetProbe tree;
    PLazyNode node = tree.addNodes(2);
    tree.BeginUpdate();
    EXPECT_EQ(tree.InvalidateNodeRect(node), TRect({-1, -1, -1, -1}));
    tree.EndUpdate();
    EXPECT_EQ(tree.InvalidateNodeRect(node), tree.GetDisplayRect(node, NoColumn, false));
}

TEST(TreeGeometryTest, TheVisibleExtentIsTheWidestRowPlusTheMargin)
{
    TreeWidgetProbe tree;
    tree.texts = {QStringLiteral("a"), QStringLiteral("a much longer text")};
    tree.addNodes(2);
    const int widest = tree.MeasureNodeWidth(nullptr, tree.GetLast(), NoColumn);
    EXPECT_EQ(tree.MeasureVisibleExtent(), 18 + widest + 4);
}

} // namespace
} // namespace vtreetest

namespace vtreetest {
namespace {

TEST(ScrollCodeTest, EachVerticalCodeMovesTheOffsetItsWay)
{
    TreeWidgetProbe tree;
    tree.addNodes(100);
    const int h = tree.ClientHeight();
    const int lowest = h - tree.RangeY();
    const struct {
        int code;
        int start;
        int expected;
    } cases[] = {
        {TLazyStringTreeWidget::SB_LINEUP, -100, -80},
        {TLazyStringTreeWidget::SB_LINEDOWN, -100, -120},
        {TLazyStringTreeWidget::SB_PAGEUP, -300, -300 + h},
        {TLazyStringTreeWidget::SB_PAGEDOWN, -300, -300 - h},
        {TLazyStringTreeWidget::SB_PAGEDOWN, lowest + 5, lowest},
        {TLazyStringTreeWidget::SB_TOP, -300, 0},
        {TLazyStringTreeWidget::SB_BOTTOM, 0, lowest}, // asks for the whole height, clamped
        {TLazyStringTreeWidget::SB_ENDSCROLL, -300, -300},
        {9, -300, -300},
    };
    for (const auto &c : cases) {
        tree.SetOffsetY(c.start);
        const bool known = tree.HandleScroll(Qt::Vertical, c.code);
        EXPECT_EQ(known, c.code <= TLazyStringTreeWidget::SB_ENDSCROLL) << c.code;
        EXPECT_EQ(tree.OffsetY(), c.expected) << c.code;
    }
}

TEST(ScrollCodeTest, ThumbTrackingFollowsTheThumbUntilTheEnd)
{
    TreeWidgetProbe tree;
    tree.addNodes(100);
    tree.HandleScroll(Qt::Vertical, TLazyStringTreeWidget::SB_THUMBTRACK, 250);
    EXPECT_EQ(tree.OffsetY(), -250);
    EXPECT_TRUE(tree.TreeStates().contains(TLazyTreeState::tsThumbTracking));
    tree.HandleScroll(Qt::Vertical, TLazyStringTreeWidget::SB_ENDSCROLL);
    EXPECT_FALSE(tree.TreeStates().contains(TLazyTreeState::tsThumbTracking));
    EXPECT_EQ(tree.VerticalScrollInfo().Pos, 250);
}

TEST(ScrollCodeTest, HorizontalCodesStepByTheIncrement)
{
    TreeWidgetProbe tree;
    tree.texts = {QStringLiteral("a text far wider than the two hundred pixels of the window, so it scrolls")};
    tree.addNodes(1);
    ASSERT_GT(tree.RangeX(), tree.ClientWidth());
    tree.HandleScroll(Qt::Horizontal, TLazyStringTreeWidget::SB_LINEDOWN);
    EXPECT_EQ(tree.OffsetX(), -20);
    tree.HandleScroll(Qt::Horizontal, TLazyStringTreeWidget::SB_BOTTOM);
    EXPECT_EQ(tree.OffsetX(), tree.ClientWidth() - tree.RangeX());
    tree.HandleScroll(Qt::Horizontal, TLazyStringTreeWidget::SB_LINEUP);
    EXPECT_EQ(tree.OffsetX(), tree.ClientWidth() - tree.RangeX() + 20);
}

} // namespace
} // namespace vtreetest
