#include "KeyTreeProbe.h"

#include <gtest/gtest.h>

namespace vtreetest {
namespace {

using namespace std::chrono_literals;

struct SearchTest : ::testing::Test {
    SearchTest()
    {
        tree.texts = {QStringLiteral("Alpha"), QStringLiteral("Beta"), QStringLiteral("Bravo"), QStringLiteral("Charlie")};
        tree.addNodes(4);
        tree.SetIncrementalSearch(TLTIncrementalSearch::isAll);
        tree.focus(0);
    }
    int focused() { return tree.indexOf(tree.FocusedNode()); }
    KeyTreeProbe tree;
};

TEST_F(SearchTest, TypedLettersFindTheNodeAndTheSameLetterAgainMovesOn)
{
    tree.type(QStringLiteral("Be"));
    EXPECT_EQ(focused(), 1);
    EXPECT_EQ(tree.selection(), std::vector<int>{1});
    tree.timers->advance(1000ms);
    tree.focus(0);
    tree.type(QStringLiteral("BB"));
    EXPECT_EQ(focused(), 2);
    EXPECT_EQ(tree.SearchBuffer(), QStringLiteral("B"));
    EXPECT_EQ(tree.beeps, 0);
}

TEST_F(SearchTest, TheTimeOutStartsANewSearch)
{
    tree.type(QStringLiteral("B"));
    EXPECT_EQ(tree.timers->interval(SearchTimer), 1000ms);
    tree.timers->advance(999ms);
    tree.type(QStringLiteral("r"));
    EXPECT_EQ(focused(), 2);
    tree.timers->advance(1000ms);
    EXPECT_TRUE(tree.SearchBuffer().isEmpty());
    EXPECT_FALSE(tree.TreeStates().contains(TLazyTreeState::tsIncrementalSearching));
    tree.type(QStringLiteral("C"));
    EXPECT_EQ(focused(), 3);
}

TEST_F(SearchTest, AFurtherMatchingLetterKeepsTheFocusedNode)
{
    tree.type(QStringLiteral("Al"));
    EXPECT_EQ(focused(), 0);
    EXPECT_EQ(tree.SearchBuffer(), QStringLiteral("Al"));
}

TEST_F(SearchTest, AMissBeepsOnceAndChangesNothing)
{
    tree.type(QStringLiteral("B"));
    tree.type(QStringLiteral("x"));
    EXPECT_EQ(tree.beeps, 1);
    EXPECT_EQ(focused(), 1);
    EXPECT_EQ(tree.SearchBuffer(), QStringLiteral("B"));
}

TEST_F(SearchTest, BackspaceShortensTheTextAndSearchesBackward)
{
    tree.focus(2);
    tree.type(QStringLiteral("Br"));
    EXPECT_EQ(focused(), 2);
    tree.key(Qt::Key_Backspace, {}, QStringLiteral("\b"));
    EXPECT_EQ(tree.SearchBuffer(), QStringLiteral("B"));
    EXPECT_EQ(focused(), 1);
}

TEST_F(SearchTest, WithoutIncrementalSearchTypingDoesNothingAndSwitchingItOffEndsTheSearch)
{
    tree.type(QStringLiteral("B"));
    tree.SetIncrementalSearch(TLTIncrementalSearch::isNone);
    EXPECT_TRUE(tree.SearchBuffer().isEmpty());
    EXPECT_FALSE(tree.timers->isTimerSet(SearchTimer));
    tree.type(QStringLiteral("C"));
    EXPECT_EQ(focused(), 1);
}

TEST_F(SearchTest, VisibleOnlySkipsCollapsedChildren)
{
    PLazyNode child = tree.AddChild(tree.visible(0));
    tree.texts.append(QStringLiteral("Charlie"));
    tree.OnGetText = [child](TreeSender, PLazyNode node, TColumnIndex, TLSTTextType, QString &text) {
        text = node == child ? QStringLiteral("Delta") : QStringLiteral("Echo");
    };
    tree.SetIncrementalSearch(TLTIncrementalSearch::isVisibleOnly);
    tree.type(QStringLiteral("D"));
    EXPECT_EQ(tree.beeps, 1);
    tree.timers->advance(1000ms);
    tree.SetIncrementalSearch(TLTIncrementalSearch::isAll);
    tree.type(QStringLiteral("D"));
    EXPECT_EQ(tree.FocusedNode(), child);
}

} // namespace
} // namespace vtreetest
