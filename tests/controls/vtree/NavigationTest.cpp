// Walks over the tree in both orders, restricted to rows, checked, selected,
// leaf or same-level nodes; enumerations; iteration and positions.
#include "TreeFixture.h"

namespace vtreetest {
namespace {

//   0 open: 0.0 open (0.0.0, 0.0.1), 0.1 hidden (0.1.0), 0.2
//   1 closed: 1.0, 1.1
//   2 filtered
struct Sample {
    Sample()
    {
        tree.BeginUpdate();
        PLazyNode zero = tree.AddChild(nullptr);
        PLazyNode zeroZero = tree.AddChild(zero);
        addChildren(tree, zeroZero, 2);
        PLazyNode hidden = tree.AddChild(zero);
        tree.AddChild(hidden);
        tree.AddChild(zero);
        addChildren(tree, tree.AddChild(nullptr), 2);
        filtered = tree.AddChild(nullptr);
        tree.EndUpdate();
        tree.ValidateNode(nullptr, true);
        tree.SetExpanded(zero, true);
        tree.SetExpanded(zeroZero, true);
        tree.SetExpanded(hidden, true);
        tree.SetVisible(hidden, false);
        tree.SetFiltered(filtered, true);
    }
    PLazyNode at(const char *indexes) const
    {
        PLazyNode node = tree.RootNode();
        for (const char *c = indexes; *c; ++c) {
            if (*c == '.')
                continue;
            node = node->FirstChild;
            for (int i = 0; i < *c - '0'; ++i)
                node = node->NextSibling;
        }
        return node;
    }
    TestTree tree;
    PLazyNode filtered;
};

std::vector<std::string> paths(const std::vector<PLazyNode> &nodes)
{
    std::vector<std::string> result;
    for (PLazyNode node : nodes)
        result.push_back(path(node).toStdString());
    return result;
}

template <class First, class Next>
std::vector<std::string> walk(First first, Next next)
{
    std::vector<PLazyNode> nodes;
    for (PLazyNode node = first(); node; node = next(node))
        nodes.push_back(node);
    return paths(nodes);
}

const std::vector<std::string> treeOrder{"0", "0.0", "0.0.0", "0.0.1", "0.1", "0.1.0", "0.2", "1", "1.0", "1.1", "2"};
const std::vector<std::string> childrenAboveOrder{"0.0.0", "0.0.1", "0.0", "0.1.0", "0.1", "0.2", "0", "1.0", "1.1", "1", "2"};

std::vector<std::string> reversed(std::vector<std::string> v)
{
    std::reverse(v.begin(), v.end());
    return v;
}

TEST(Navigation, AnEmptyTreeHasNothingToWalk)
{
    TestTree tree;
    EXPECT_EQ(tree.GetFirst(), nullptr);
    EXPECT_EQ(tree.GetLast(), nullptr);
    EXPECT_EQ(tree.GetFirstVisible(), nullptr);
    EXPECT_EQ(tree.GetLastVisible(), nullptr);
    EXPECT_EQ(tree.GetFirstLeaf(), nullptr);
    EXPECT_EQ(tree.GetFirstLevel(0), nullptr);
    EXPECT_EQ(tree.GetFirstChecked(), nullptr);
    int count = 0;
    for ([[maybe_unused]] PLazyNode node : tree.Nodes())
        ++count;
    for ([[maybe_unused]] PLazyNode node : tree.VisibleNodes())
        ++count;
    EXPECT_EQ(count, 0);
}

TEST(Navigation, AllNodesInTreeOrderOrWithChildrenAbove)
{
    Sample s;
    TestTree &t = s.tree;
    EXPECT_EQ(walk([&] { return t.GetFirst(); }, [&](PLazyNode n) { return t.GetNext(n); }), treeOrder);
    EXPECT_EQ(walk([&] { return t.GetLast(); }, [&](PLazyNode n) { return t.GetPrevious(n); }), reversed(treeOrder));
    EXPECT_EQ(walk([&] { return t.GetFirstNoInit(); }, [&](PLazyNode n) { return t.GetNextNoInit(n); }), treeOrder);
    addOption(t, TLTPaintOption::toChildrenAbove);
    EXPECT_EQ(walk([&] { return t.GetFirst(true); }, [&](PLazyNode n) { return t.GetNext(n, true); }), childrenAboveOrder);
    EXPECT_EQ(walk([&] { return t.GetLast(nullptr, true); }, [&](PLazyNode n) { return t.GetPrevious(n, true); }),
              reversed(childrenAboveOrder));
    EXPECT_EQ(walk([&] { return t.GetLastNoInit(nullptr, true); }, [&](PLazyNode n) { return t.GetPreviousNoInit(n, true); }),
              reversed(childrenAboveOrder));
    EXPECT_EQ(walk([&] { return t.GetFirst(false); }, [&](PLazyNode n) { return t.GetNext(n, false); }), treeOrder)
        << "without considering the option, tree order";
    EXPECT_EQ(assertionOf([&] { t.GetNext(t.RootNode()); }), "Node must not be the hidden root node.");
}

TEST(Navigation, OnlyTheInitialisingFormsAskTheApplication)
{
    TestTree tree;
    int inits = 0;
    tree.OnInitNode = [&](TBaseLazyTree *, PLazyNode, PLazyNode, TLazyNodeInitStates &states) {
        ++inits;
        states.include(TLazyNodeInitState::ivsHasChildren);
    };
    tree.OnInitChildren = [](TBaseLazyTree *t, PLazyNode node, std::uint32_t &count) { count = t->GetNodeLevel(node) < 2 ? 2 : 0; };
    tree.SetRootNodeCount(2);
    EXPECT_EQ(walk([&] { return tree.GetFirstNoInit(); }, [&](PLazyNode n) { return tree.GetNextNoInit(n); }).size(), 2u);
    EXPECT_EQ(inits, 0);
    EXPECT_EQ(walk([&] { return tree.GetFirst(); }, [&](PLazyNode n) { return tree.GetNext(n); }).size(), 2u + 4 + 8);
    EXPECT_EQ(inits, 14) << "each node once, its children made on the way";
}

TEST(Navigation, VisibleWalksSkipClosedHiddenAndFilteredParts)
{
    Sample s;
    TestTree &t = s.tree;
    const std::vector<std::string> rows{"0", "0.0", "0.0.0", "0.0.1", "0.2", "1"};
    EXPECT_EQ(walk([&] { return t.GetFirstVisible(); }, [&](PLazyNode n) { return t.GetNextVisible(n); }), rows);
    EXPECT_EQ(walk([&] { return t.GetLastVisible(); }, [&](PLazyNode n) { return t.GetPreviousVisible(n); }), reversed(rows));
    EXPECT_EQ(t.GetPreviousVisible(s.at("0.0")), s.at("0"));
    EXPECT_EQ(t.GetNextVisible(s.at("0.1.0")), s.at("0.2")) << "from inside a hidden part: on after it";
    EXPECT_EQ(t.GetPreviousVisible(s.at("1.1")), s.at("1")) << "from inside a closed part: its shown parent";
    EXPECT_EQ(t.GetLastVisible(s.at("0")), s.at("0.2"));
    EXPECT_EQ(t.GetLastVisible(s.at("1")), nullptr);
    EXPECT_EQ(t.GetLastVisible(nullptr, true, true), s.filtered);
    EXPECT_EQ(t.GetVisibleParent(s.at("0.1.0")), s.at("0"));
    EXPECT_EQ(assertionOf([&] { t.GetVisibleParent(nullptr); }), "Node must not be nil.");

    std::vector<PLazyNode> enumerated;
    for (PLazyNode node : t.VisibleNodes(nullptr, true, true))
        enumerated.push_back(node);
    std::vector<std::string> withFiltered = rows;
    withFiltered.push_back("2");
    EXPECT_EQ(paths(enumerated), withFiltered);

    addOption(t, TLTPaintOption::toChildrenAbove);
    const std::vector<std::string> above{"0.0.0", "0.0.1", "0.0", "0.2", "0", "1"};
    EXPECT_EQ(walk([&] { return t.GetFirstVisible(); }, [&](PLazyNode n) { return t.GetNextVisible(n); }), above);
    EXPECT_EQ(walk([&] { return t.GetLastVisible(); }, [&](PLazyNode n) { return t.GetPreviousVisible(n); }), reversed(above));
    EXPECT_EQ(t.GetPreviousVisible(s.at("0.2")), s.at("0.0")) << "over the hidden sibling, never into it";
}

TEST(Navigation, SiblingWalks)
{
    Sample s;
    TestTree &t = s.tree;
    EXPECT_EQ(t.GetNextVisibleSibling(s.at("0.0")), s.at("0.2"));
    EXPECT_EQ(t.GetNextVisibleSibling(s.at("1")), nullptr);
    EXPECT_EQ(t.GetNextVisibleSibling(s.at("1"), true), s.filtered);
    EXPECT_EQ(t.GetLastVisibleChild(s.at("0")), s.at("0.2"));
    EXPECT_EQ(t.GetLastVisibleChild(s.at("1")), nullptr) << "a closed node shows no child";
    EXPECT_EQ(t.GetFirstVisibleChild(nullptr), s.at("0"));
    EXPECT_EQ(assertionOf([&] { t.GetNextVisibleSibling(nullptr); }), "Invalid parameter.");
    EXPECT_EQ(assertionOf([&] { t.GetPreviousVisibleSibling(t.RootNode()); }), "Invalid parameter.");
    std::vector<PLazyNode> children;
    for (PLazyNode node : t.VisibleChildNodes(s.at("0")))
        children.push_back(node);
    EXPECT_EQ(paths(children), (std::vector<std::string>{"0.0", "0.2"}));
}

TEST(Navigation, CheckedSelectedLeavesAndLevels)
{
    Sample s;
    TestTree &t = s.tree;
    s.at("0")->CheckState = TCheckState::csMixedNormal;
    s.at("0.0.1")->CheckState = TCheckState::csCheckedNormal;
    s.at("1.1")->CheckState = TCheckState::csCheckedNormal;
    EXPECT_EQ(walk([&] { return t.GetFirstChecked(); }, [&](PLazyNode n) { return t.GetNextChecked(n); }),
              (std::vector<std::string>{"0.0.1", "1.1"}));
    EXPECT_EQ(t.GetPreviousChecked(nullptr), s.at("1.1"));

    EXPECT_EQ(t.GetFirstSelected(), nullptr);
    addOption(t, TLTSelectionOption::toMultiSelect);
    t.SetSelected(s.at("1.0"), true);
    t.SetSelected(s.at("0.1"), true);
    EXPECT_EQ(walk([&] { return t.GetFirstSelected(); }, [&](PLazyNode n) { return t.GetNextSelected(n); }),
              (std::vector<std::string>{"0.1", "1.0"}));
    EXPECT_EQ(t.GetPreviousSelected(nullptr), s.at("1.0")) << "from the very end, below the last top-level node too";

    const std::vector<std::string> leaves{"0.0.0", "0.0.1", "0.1.0", "0.2", "1.0", "1.1", "2"};
    EXPECT_EQ(walk([&] { return t.GetFirstLeaf(); }, [&](PLazyNode n) { return t.GetNextLeaf(n); }), leaves);
    EXPECT_EQ(walk([&] { return t.GetPreviousLeaf(nullptr); }, [&](PLazyNode n) { return t.GetPreviousLeaf(n); }),
              reversed(leaves));

    const std::vector<std::string> levelOne{"0.0", "0.1", "0.2", "1.0", "1.1"};
    EXPECT_EQ(walk([&] { return t.GetFirstLevel(1); }, [&](PLazyNode n) { return t.GetNextLevel(n, 1); }), levelOne);
    EXPECT_EQ(walk([&] { return s.at("1.1"); }, [&](PLazyNode n) { return t.GetPreviousLevel(n, 1); }), reversed(levelOne));
    EXPECT_EQ(t.GetNextLevel(s.at("0.0.1"), 1), s.at("0.1")) << "from below the level: after its ancestor";
    EXPECT_EQ(t.GetPreviousLevel(s.at("0.1.0"), 1), s.at("0.0"));
    EXPECT_EQ(t.GetNextLevel(s.at("0"), 2), s.at("0.0.0"));

    std::vector<PLazyNode> enumerated;
    for (PLazyNode node : t.LevelNodes(1))
        enumerated.push_back(node);
    EXPECT_EQ(paths(enumerated), levelOne);
}

TEST(Navigation, IterateSubtreeVisitsFiltersAndStops)
{
    Sample s;
    TestTree &t = s.tree;
    std::vector<PLazyNode> seen;
    auto collect = [&](TBaseLazyTree *, PLazyNode node, void *, bool &) { seen.push_back(node); };
    EXPECT_EQ(t.IterateSubtree(s.at("0.2"), collect, nullptr, {}, false, true), nullptr);
    EXPECT_TRUE(seen.empty()) << "the children of a leaf: none";
    t.IterateSubtree(s.at("0"), collect, nullptr, TLazyNodeStates{vsExpanded});
    EXPECT_EQ(paths(seen), (std::vector<std::string>{"0", "0.0", "0.1"}));
    PLazyNode stopped = t.IterateSubtree(nullptr, [&](TBaseLazyTree *, PLazyNode node, void *data, bool &abort) {
        abort = node == static_cast<PLazyNode>(data);
    }, s.at("1"));
    EXPECT_EQ(stopped, s.at("1"));
    EXPECT_FALSE(t.TreeStates().contains(TLazyTreeState::tsIterating));
    EXPECT_EQ(assertionOf([&] { t.IterateSubtree(t.RootNode(), collect, nullptr); }), "Node must not be the hidden root node.");
}

TEST(Navigation, PositionsAndAncestry)
{
    Sample s;
    TestTree &t = s.tree;
    EXPECT_EQ(t.AbsoluteIndex(s.at("1.0")), 1 + s.at("0")->TotalCount);
    EXPECT_EQ(t.AbsoluteIndex(s.at("0")), 0u);
    EXPECT_EQ(t.AbsoluteIndex(nullptr), 0u);
    for (PLazyNode node : t.NoInitNodes())
        EXPECT_TRUE(t.HasAsParent(node, t.RootNode()));
    EXPECT_TRUE(t.HasAsParent(s.at("0.1.0"), s.at("0")));
    EXPECT_FALSE(t.HasAsParent(s.at("0"), s.at("0")));
    EXPECT_FALSE(t.HasAsParent(s.at("0"), nullptr));
}

TEST(Navigation, EnumerationsFollowTheirWalks)
{
    Sample s;
    TestTree &t = s.tree;
    auto listed = [](TLTLazyNodeEnumeration e) {
        std::vector<PLazyNode> nodes;
        for (PLazyNode node : e)
            nodes.push_back(node);
        return paths(nodes);
    };
    EXPECT_EQ(listed(t.Nodes()), treeOrder);
    EXPECT_EQ(listed(t.ChildNodes(s.at("0"))), (std::vector<std::string>{"0.0", "0.1", "0.2"}));
    EXPECT_EQ(listed(t.InitializedNodes()), treeOrder);
    EXPECT_EQ(listed(t.LeafNodes()).size(), 7u);
    EXPECT_EQ(listed(t.VisibleNoInitNodes()), (std::vector<std::string>{"0", "0.0", "0.0.0", "0.0.1", "0.2", "1"}));
    EXPECT_TRUE(listed(t.SelectedNodes()).empty());
    EXPECT_TRUE(listed(t.CutCopyNodes()).empty());

    TLTLazyNodeEnumerator enumerator = t.Nodes().GetEnumerator();
    int moves = 0;
    while (enumerator.MoveNext())
        ++moves;
    EXPECT_EQ(moves, 11);
    EXPECT_FALSE(enumerator.MoveNext()) << "stays done";
}

} // namespace
} // namespace vtreetest
