// Sorting: stability in both directions, the order the handler is asked in,
// a cancel in the middle, and which levels a whole-tree sort enters.
#include "TreeFixture.h"

#include <algorithm>
#include <random>

namespace vtreetest {
namespace {

// Nodes carry an integer key in their data.
struct KeyTree {
    TestTree tree;
    std::vector<std::pair<int, int>> compared; // keys asked, in order

    KeyTree()
    {
        tree.SetNodeDataSize(sizeof(int));
        // Keys are written after AddChild: no sorting on the way.
        tree.TreeOptions().SetAutoOptions(tree.TreeOptions().AutoOptions() - TLTAutoOption::toAutoSort);
        tree.OnCompareNodes = [this](TBaseLazyTree *, PLazyNode a, PLazyNode b, TColumnIndex, int &result) {
            compared.emplace_back(key(a), key(b));
            result = key(a) / 10 - key(b) / 10; // equal tens compare equal
        };
    }
    int key(PLazyNode node) { return *tree.GetNodeData<int>(node); }
    PLazyNode add(PLazyNode parent, int key)
    {
        PLazyNode node = tree.AddChild(parent);
        *tree.GetNodeData<int>(node) = key;
        return node;
    }
    std::vector<int> keys(PLazyNode parent)
    {
        std::vector<int> out;
        for (PLazyNode node = parent ? parent->FirstChild : tree.RootNode()->FirstChild; node; node = node->NextSibling)
            out.push_back(key(node));
        return out;
    }
};

TEST(Sorting, StableInBothDirectionsAndLikeStableSort)
{
    std::mt19937 random(7);
    std::vector<int> keys(257);
    for (int &k : keys)
        k = std::uniform_int_distribution<int>(0, 99)(random) * 10 + std::uniform_int_distribution<int>(0, 9)(random);
    for (auto direction : {TSortDirection::sdAscending, TSortDirection::sdDescending}) {
        KeyTree t;
        for (int k : keys)
            t.add(nullptr, k);
        t.tree.Sort(nullptr, 0, direction);
        std::vector<int> expected = keys;
        std::stable_sort(expected.begin(), expected.end(), [&](int a, int b) {
            return direction == TSortDirection::sdAscending ? a / 10 < b / 10 : a / 10 > b / 10;
        });
        EXPECT_EQ(t.keys(nullptr), expected);
        expectConsistent(t.tree);
    }
}

TEST(Sorting, TheHandlerIsAskedInMergeOrderAndNotForFewerThanTwo)
{
    KeyTree t;
    PLazyNode parent = t.add(nullptr, 0);
    t.add(parent, 30);
    t.add(parent, 20);
    t.add(parent, 10);
    PLazyNode single = t.add(nullptr, 0);
    t.add(single, 5);
    t.tree.Sort(single, 0, TSortDirection::sdAscending);
    PLazyNode leaf = single->FirstChild;
    t.tree.Sort(leaf, 0, TSortDirection::sdAscending);
    EXPECT_TRUE(t.compared.empty());
    t.tree.Sort(parent, 0, TSortDirection::sdAscending);
    EXPECT_EQ(t.compared, (std::vector<std::pair<int, int>>{{20, 10}, {30, 10}, {30, 20}}));
    EXPECT_EQ(t.keys(parent), (std::vector<int>{10, 20, 30}));
}

TEST(Sorting, WithoutAHandlerTheOrderStaysAndTheOperationStillRuns)
{
    KeyTree t;
    for (int k : {30, 10, 20})
        t.add(nullptr, k);
    t.tree.OnCompareNodes = nullptr;
    std::vector<TLTOperationKind> started;
    t.tree.OnStartOperation = [&](TBaseLazyTree *, TLTOperationKind kind) { started.push_back(kind); };
    t.tree.Sort(nullptr, 0, TSortDirection::sdAscending);
    EXPECT_EQ(t.keys(nullptr), (std::vector<int>{30, 10, 20}));
    EXPECT_EQ(started, std::vector<TLTOperationKind>{TLTOperationKind::okSortNode});
    expectConsistent(t.tree);
}

TEST(Sorting, ACancelStopsTheEventsAndLeavesADenseChain)
{
    KeyTree t;
    for (int k = 100; k > 0; --k)
        t.add(nullptr, k * 10);
    int asked = 0;
    t.tree.OnCompareNodes = [&](TBaseLazyTree *tree, PLazyNode a, PLazyNode b, TColumnIndex, int &result) {
        if (++asked == 40)
            tree->CancelOperation();
        result = t.key(a) - t.key(b);
    };
    t.tree.Sort(nullptr, 0, TSortDirection::sdAscending);
    EXPECT_EQ(asked, 40);
    std::vector<int> keys = t.keys(nullptr);
    std::sort(keys.begin(), keys.end());
    EXPECT_EQ(keys.size(), 100u);
    EXPECT_TRUE(std::adjacent_find(keys.begin(), keys.end()) == keys.end()) << "every node once";
    expectConsistent(t.tree);
    EXPECT_EQ(t.tree.OperationCount(), 0u);
}

TEST(Sorting, AFailingHandlerLeavesACompleteChain)
{
    KeyTree t;
    for (int k = 0; k < 9; ++k)
        t.add(nullptr, 90 - k * 10);
    int asked = 0;
    t.tree.OnCompareNodes = [&](TBaseLazyTree *, PLazyNode, PLazyNode, TColumnIndex, int &result) {
        if (++asked == 5)
            throw std::runtime_error("compare");
        result = 1;
    };
    EXPECT_THROW(t.tree.Sort(nullptr, 0, TSortDirection::sdAscending), std::runtime_error);
    EXPECT_EQ(t.tree.RootNodeCount(), 9u);
    expectConsistent(t.tree);
}

TEST(Sorting, SortTreeEntersCollapsedNodesOnlyWithoutAutoSort)
{
    for (bool autoSort : {false, true}) {
        KeyTree t;
        PLazyNode expanded = t.add(nullptr, 20);
        PLazyNode collapsed = t.add(nullptr, 10);
        for (int k : {30, 10, 20}) {
            t.add(expanded, k);
            t.add(collapsed, k);
        }
        t.tree.SetExpanded(expanded, true);
        if (autoSort)
            addOption(t.tree, TLTAutoOption::toAutoSort);
        t.tree.SortTree(0, TSortDirection::sdAscending);
        EXPECT_EQ(t.keys(nullptr), (std::vector<int>{10, 20}));
        EXPECT_EQ(t.keys(expanded), (std::vector<int>{10, 20, 30}));
        EXPECT_EQ(t.keys(collapsed), (autoSort ? std::vector<int>{30, 10, 20} : std::vector<int>{10, 20, 30}));
    }
}

TEST(Sorting, SortTreeWithoutAColumnSortsNothing)
{
    KeyTree t;
    for (int k : {30, 10, 20})
        t.add(nullptr, k);
    t.tree.ChangeTreeStates(TLazyTreeState::tsUseCache, {});
    t.tree.SortTree(InvalidColumn, TSortDirection::sdAscending);
    EXPECT_TRUE(t.compared.empty());
    EXPECT_EQ(t.keys(nullptr), (std::vector<int>{30, 10, 20}));
}

TEST(Sorting, AutoSortPlacesNewChildrenOnlyWithAComparison)
{
    KeyTree t;
    addOption(t.tree, TLTAutoOption::toAutoSort);
    for (int k : {30, 10, 20})
        t.add(nullptr, k);
    // The key is written after AddChild sorted, so sort once more by hand.
    t.tree.Sort(nullptr, NoColumn, TSortDirection::sdAscending);
    t.compared.clear();
    t.tree.OnCompareNodes = nullptr;
    t.tree.AddChild(nullptr);
    EXPECT_TRUE(t.compared.empty());
    EXPECT_EQ(t.keys(nullptr), (std::vector<int>{10, 20, 30, 0}));
}

} // namespace
} // namespace vtreetest
