// Selecting single nodes and ranges under the constraints, the change
// notification, and the focus.
#include "TreeFixture.h"

#include <thread>

namespace vtreetest {
namespace {

using namespace std::chrono_literals;
using enum TLTSelectionOption;

// Two top-level nodes with three children each, all open.
struct Selectable {
    explicit Selectable(TLTSelectionOptions options = {toMultiSelect})
    {
        tree.TreeOptions().SetSelectionOptions(options);
        for (PLazyNode top : addChildren(tree, nullptr, 2)) {
            addChildren(tree, top, 3);
            tree.SetExpanded(top, true);
        }
    }
    PLazyNode top(int i) { return i == 0 ? tree.GetFirstNoInit() : tree.GetFirstNoInit()->NextSibling; }
    PLazyNode child(int i, int j)
    {
        PLazyNode node = top(i)->FirstChild;
        while (j-- > 0)
            node = node->NextSibling;
        return node;
    }
    std::vector<std::string> selection() const
    {
        std::vector<std::string> result;
        for (PLazyNode node : const_cast<TestTree &>(tree).SelectedNodes())
            result.push_back(path(node).toStdString());
        return result;
    }
    TestTree tree;
};

TEST(Selection, WithoutMultiSelectASecondNodeReplacesTheFirstAndTakesTheFocus)
{
    Selectable s(TLTSelectionOptions{});
    s.tree.SetSelected(s.top(0), true);
    s.tree.SetSelected(s.top(1), true);
    EXPECT_EQ(s.selection(), std::vector<std::string>{"1"});
    EXPECT_EQ(s.tree.FocusedNode(), s.top(1));
    expectConsistent(s.tree);
}

TEST(Selection, RangesKeepToTheLevelOrToTheAnchorsSiblings)
{
    Selectable level(TLTSelectionOptions{toMultiSelect, toLevelSelectConstraint});
    level.tree.SetSelected(level.top(0), true);
    level.tree.SelectRange(level.top(0), level.child(1, 1), false);
    EXPECT_EQ(level.selection(), (std::vector<std::string>{"0", "1"}));

    Selectable siblings(TLTSelectionOptions{toMultiSelect, toSiblingSelectConstraint});
    siblings.tree.SetSelected(siblings.child(0, 1), true);
    siblings.tree.SelectRange(siblings.child(0, 1), siblings.child(1, 2), true);
    EXPECT_EQ(siblings.selection(), (std::vector<std::string>{"0.1", "0.2"}));

    Selectable plain;
    plain.tree.SelectRange(plain.child(1, 0), plain.child(0, 1), false); // ends in either order
    EXPECT_EQ(plain.selection(), (std::vector<std::string>{"0.1", "0.2", "1", "1.0"}));
    plain.tree.UnselectRange(plain.child(0, 2), plain.top(1));
    EXPECT_EQ(plain.selection(), (std::vector<std::string>{"0.1", "1.0"}));
    EXPECT_EQ(assertionOf([&] { plain.tree.SelectRange(nullptr, nullptr, false); }), "EndNode must not be nil!");
    expectConsistent(plain.tree);
}

TEST(Selection, ToggledRangesTurnAtTheAnchorAndKeepIt)
{
    Selectable s;
    std::vector<PLazyNode> changes;
    s.tree.OnChange = [&](TBaseLazyTree *, PLazyNode node) { changes.push_back(node); };
    s.tree.SetSelected(s.child(0, 1), true);
    s.tree.ToggleRangeSelection(s.child(0, 1), s.top(1));
    EXPECT_EQ(s.selection(), (std::vector<std::string>{"0.1", "0.2", "1"}));
    s.tree.ToggleRangeSelection(s.top(1), s.top(0)); // back across the anchor
    EXPECT_EQ(s.selection(), (std::vector<std::string>{"0", "0.0", "0.1"}));
    changes.clear();
    s.tree.ToggleRangeSelection(s.top(0), s.child(0, 1)); // only giving up
    EXPECT_EQ(s.selection(), std::vector<std::string>{"0.1"});
    EXPECT_EQ(changes, std::vector<PLazyNode>{nullptr});
    EXPECT_EQ(assertionOf([&] { s.tree.ToggleRangeSelection(nullptr, nullptr); }), "EndNode must not be nil!");
    expectConsistent(s.tree);
}

TEST(Selection, ChangesWithinTheDelayMakeOneNotificationForTheLast)
{
    for (unsigned delay : {0u, 300u}) {
        std::vector<PLazyNode> changes;
        Selectable s;
        s.tree.SetChangeDelay(delay);
        s.tree.OnChange = [&](TBaseLazyTree *, PLazyNode node) { changes.push_back(node); };
        for (int i = 0; i < 3; ++i) {
            s.tree.SetSelected(s.child(0, i), true);
            s.tree.clock->advance(100ms);
        }
        s.tree.clock->advance(300ms);
        if (delay == 0) {
            EXPECT_EQ(changes, (std::vector<PLazyNode>{s.child(0, 0), s.child(0, 1), s.child(0, 2)}));
        } else {
            EXPECT_EQ(changes, std::vector<PLazyNode>{s.child(0, 2)});
        }
    }
}

TEST(Selection, InvertingAFullSelectionEmptiesItWithOneNotification)
{
    std::vector<PLazyNode> changes;
    Selectable s;
    s.tree.SelectAll(false);
    EXPECT_EQ(s.tree.SelectedCount(), 8u);
    s.tree.OnChange = [&](TBaseLazyTree *, PLazyNode node) { changes.push_back(node); };
    s.tree.InvertSelection(false);
    EXPECT_EQ(s.tree.SelectedCount(), 0u);
    EXPECT_EQ(changes, std::vector<PLazyNode>{nullptr});
    expectConsistent(s.tree);

    Selectable single(TLTSelectionOptions{});
    single.tree.SelectAll(false);
    EXPECT_EQ(single.tree.SelectedCount(), 0u) << "only with multi-select";
}

TEST(Selection, DisabledNodesAreNeverSelected)
{
    Selectable s;
    s.tree.SetDisabled(s.top(0), true);
    s.tree.SetSelected(s.top(0), true);
    s.tree.SelectAll(true);
    EXPECT_FALSE(s.tree.Selected(s.top(0)));
    EXPECT_EQ(s.tree.SelectedCount(), 7u);
}

TEST(Selection, NodesLeavingDuringAnUpdateArePackedOutAtItsEnd)
{
    Selectable s;
    s.tree.SelectAll(false);
    s.tree.BeginUpdate();
    s.tree.DeleteNode(s.top(1));
    EXPECT_EQ(s.tree.SelectedCount(), 4u);
    EXPECT_EQ(s.tree.selectionEntries(), 8u) << "marked, not yet removed";
    s.tree.EndUpdate();
    EXPECT_EQ(s.tree.selectionEntries(), 4u);
    EXPECT_EQ(s.tree.GetSortedSelection(true).size(), 1u) << "a selected node stands for its subtree";
    EXPECT_EQ(s.tree.GetSortedSelection(false).size(), 4u);
    expectConsistent(s.tree);
}

TEST(Selection, RemovalIsForTheInterfaceThreadAndNeedsANode)
{
    Selectable s;
    s.tree.SetSelected(s.top(0), true);
    QString failure;
    std::thread worker([&] { failure = assertionOf([&] { s.tree.RemoveFromSelection(s.top(0)); }); });
    worker.join();
    EXPECT_EQ(failure, "TBaseLazyTree.RemoveFromSelection() must only be called from UI thread.");
    EXPECT_TRUE(s.tree.Selected(s.top(0)));
    EXPECT_EQ(assertionOf([&] { s.tree.AddToSelection(nullptr); }), "Node must not be nil!");
}

TEST(Selection, AlwaysSelectNodeKeepsASelection)
{
    Selectable s(TLTSelectionOptions{toAlwaysSelectNode});
    s.tree.SetSelected(s.child(0, 1), true);
    s.tree.ToggleNode(s.top(0));
    EXPECT_EQ(s.selection(), std::vector<std::string>{"0"}) << "a collapse hands the selection to the shown parent";
    s.tree.ToggleNode(s.top(0));
    s.tree.SetSelected(s.child(0, 1), true);
    s.tree.DeleteNode(s.child(0, 1));
    EXPECT_EQ(s.selection(), std::vector<std::string>{"0.1"}) << "the next sibling takes the deleted node's place";
    expectConsistent(s.tree);
}

TEST(Focus, MovesWithItsEventsUnlessRefused)
{
    Selectable s;
    std::vector<PLazyNode> changed;
    bool allow = true;
    s.tree.OnFocusChanging = [&](TBaseLazyTree *, PLazyNode, PLazyNode, TColumnIndex, TColumnIndex, bool &allowed) {
        allowed = allow;
    };
    s.tree.OnFocusChanged = [&](TBaseLazyTree *, PLazyNode node, TColumnIndex) { changed.push_back(node); };
    s.tree.SetFocusedNode(s.top(1));
    allow = false;
    s.tree.SetFocusedNode(s.top(0));
    EXPECT_EQ(s.tree.FocusedNode(), s.top(1));
    EXPECT_EQ(changed, std::vector<PLazyNode>{s.top(1)});
    s.tree.SetFocusedNode(s.tree.RootNode());
    EXPECT_EQ(s.tree.FocusedNode(), s.top(1)) << "the root counts as no node, and that was refused too";
    EXPECT_FALSE(s.tree.QueryFocusChanging(nullptr, nullptr, NoColumn, 0)) << "no column to move to without a header";
}

} // namespace
} // namespace vtreetest
