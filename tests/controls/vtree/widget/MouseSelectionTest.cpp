#include "KeyTreeProbe.h"

#include "platform/AssertionFailed.h"

#include <gtest/gtest.h>

namespace vtreetest {
namespace {

using enum TLTSelectionOption;
using enum TShiftStateItem;
using Ints = std::vector<int>;

struct MouseSelectionTest : ::testing::Test {
    MouseSelectionTest()
    {
        tree.addNodes(6);
        tree.setSelectionOptions({toMultiSelect});
    }
    void down(int row, TShiftState shift = {}, bool dragPossible = false)
    {
        THitInfo hit;
        hit.HitNode = tree.visible(row);
        hit.HitPositions = {THitPosition::hiOnItem, THitPosition::hiOnItemLabel};
        tree.HandleMouseSelection(hit, shift, TMouseButton::mbLeft, dragPossible, false);
    }
    void click(int row, TShiftState shift = {}, bool dragPossible = false)
    {
        down(row, shift, dragPossible);
        tree.CompleteMouseSelection(tree.visible(row));
    }
    KeyTreeProbe tree;
};

TEST_F(MouseSelectionTest, APlainClickSelectsFocusesAndAnchorsOnlyTheNode)
{
    click(1);
    click(3);
    EXPECT_EQ(tree.selection(), Ints{3});
    EXPECT_EQ(tree.FocusedNode(), tree.visible(3));
    EXPECT_EQ(tree.RangeAnchor(), tree.visible(3));
}

TEST_F(MouseSelectionTest, ShiftSelectsTheRangeFromTheAnchorAndCtrlShiftAddsIt)
{
    click(1);
    click(3, {ssShift});
    EXPECT_EQ(tree.selection(), (Ints{1, 2, 3}));
    click(2, {ssShift});
    EXPECT_EQ(tree.selection(), (Ints{1, 2}));
    click(5, {ssCtrl});
    click(4, {ssCtrl, ssShift});
    EXPECT_EQ(tree.selection(), (Ints{1, 2, 4, 5}));
}

TEST_F(MouseSelectionTest, CtrlTogglesAtOnceOrAtMouseUpWhenADragMayStart)
{
    click(1);
    click(3, {ssCtrl});
    EXPECT_EQ(tree.selection(), (Ints{1, 3}));
    down(3, {ssCtrl}, true);
    EXPECT_EQ(tree.selection(), (Ints{1, 3})) << "a drag keeps it";
    tree.CompleteMouseSelection(tree.visible(3));
    EXPECT_EQ(tree.selection(), Ints{1});
    click(1, {ssCtrl});
    EXPECT_TRUE(tree.selection().empty());
}

TEST_F(MouseSelectionTest, ASelectedNodeThatMayBeDraggedKeepsTheOthersUntilMouseUp)
{
    click(1);
    click(3, {ssShift});
    down(2, {}, true);
    EXPECT_EQ(tree.selection(), (Ints{1, 2, 3}));
    EXPECT_TRUE(tree.TreeStates().contains(TLazyTreeState::tsClearPending));
    tree.CompleteMouseSelection(tree.visible(2));
    EXPECT_EQ(tree.selection(), Ints{2});
    EXPECT_FALSE(tree.TreeStates().contains(TLazyTreeState::tsClearPending));
}

TEST_F(MouseSelectionTest, AClickOnNowhereClearsUnlessANodeMustStaySelected)
{
    click(1);
    THitInfo nowhere;
    nowhere.HitPositions = {THitPosition::hiNowhere};
    tree.HandleMouseSelection(nowhere, {}, TMouseButton::mbLeft, false, false);
    EXPECT_TRUE(tree.selection().empty());
    click(1);
    tree.setSelectionOptions({toMultiSelect, toAlwaysSelectNode});
    tree.HandleMouseSelection(nowhere, {}, TMouseButton::mbLeft, false, false);
    EXPECT_EQ(tree.selection(), Ints{1});
}

TEST_F(MouseSelectionTest, APendingClearMeetingADirectOneIsAProgrammingError)
{
    click(1);
    tree.SetTreeStates(tree.TreeStates() + TLazyTreeState::tsClearPending);
    EXPECT_THROW(down(2), platform::EAssertionFailed);
}

TEST(MouseSelectionLevelTest, TheLevelConstraintKeepsAShiftRangeOnTheClickedLevel)
{
    KeyTreeProbe tree;
    PLazyNode first = tree.addNodes(1);
    tree.addNodes(2, first);
    tree.addNodes(1);
    tree.FullExpand();
    tree.setSelectionOptions({toMultiSelect, toLevelSelectConstraint});
    auto click = [&](int row, TShiftState shift) {
        THitInfo hit;
        hit.HitNode = tree.visible(row);
        hit.HitPositions = {THitPosition::hiOnItem, THitPosition::hiOnItemLabel};
        tree.HandleMouseSelection(hit, shift, TMouseButton::mbLeft, false, false);
        tree.CompleteMouseSelection(hit.HitNode);
    };
    click(0, {});
    click(3, {ssShift});
    EXPECT_EQ(tree.selection(), (Ints{0, 3}));
}

} // namespace
} // namespace vtreetest
