// Expanding, collapsing, hiding, filtering and row heights, each keeping the
// totals and the visible count exact.
#include "TreeFixture.h"

namespace vtreetest {
namespace {

// Two top-level nodes with three children each, the children with two each.
struct ThreeLevels {
    ThreeLevels()
    {
        tree.BeginUpdate();
        for (PLazyNode top : addChildren(tree, nullptr, 2))
            for (PLazyNode child : addChildren(tree, top, 3))
                addChildren(tree, child, 2);
        tree.EndUpdate();
    }
    TestTree tree;
};

TEST(Expansion, CountsTheShownDescendantsInAndOut)
{
    ThreeLevels t;
    PLazyNode top = t.tree.GetFirstNoInit();
    EXPECT_EQ(t.tree.VisibleCount(), 2u);
    t.tree.ToggleNode(top->FirstChild); // opens below a closed parent: no rows yet
    EXPECT_EQ(t.tree.VisibleCount(), 2u);
    t.tree.ToggleNode(top);
    EXPECT_EQ(t.tree.VisibleCount(), 2u + 3 + 2);
    t.tree.ToggleNode(top);
    EXPECT_EQ(t.tree.VisibleCount(), 2u);
    expectConsistent(t.tree);
}

TEST(Expansion, EventsCanRefuseAndAutoFreeAsksForTheChildrenAgain)
{
    EventLog log;
    TestTree tree;
    bool allow = false;
    tree.OnExpanding = [&](TBaseLazyTree *, PLazyNode node, bool &allowed) {
        log.add("expanding", node);
        allowed = allow;
    };
    tree.OnExpanded = [&](TBaseLazyTree *, PLazyNode node) { log.add("expanded", node); };
    tree.OnCollapsed = [&](TBaseLazyTree *, PLazyNode node) { log.add("collapsed", node); };
    tree.OnFreeNode = [&](TBaseLazyTree *, PLazyNode node) { log.add("free", node); };
    tree.OnInitChildren = [&](TBaseLazyTree *, PLazyNode node, std::uint32_t &count) {
        log.add("children", node);
        count = 1;
    };
    addOption(tree, TLTAutoOption::toAutoFreeOnCollapse);
    PLazyNode node = tree.AddChild(nullptr);
    tree.SetHasChildren(node, true);
    tree.SetExpanded(node, true);
    EXPECT_FALSE(node->States.contains(vsExpanded));
    allow = true;
    tree.SetExpanded(node, true);
    tree.ValidateNode(node->FirstChild, false);
    tree.SetExpanded(node, false);
    tree.SetExpanded(node, true);
    EXPECT_EQ(log.entries, (std::vector<std::string>{"expanding 0", "expanding 0", "children 0", "expanded 0", "collapsed 0",
                                                     "free 0.0", "expanding 0", "children 0", "expanded 0"}));
    expectConsistent(tree);
}

TEST(Expansion, FullExpandOpensEveryNodeAndStopsWhenCancelled)
{
    ThreeLevels t;
    t.tree.FullExpand();
    EXPECT_EQ(t.tree.VisibleCount(), 2u + 6 + 12);
    expectConsistent(t.tree);
    t.tree.FullCollapse();
    EXPECT_EQ(t.tree.VisibleCount(), 2u);
    for (PLazyNode node = t.tree.GetFirstNoInit(); node; node = t.tree.GetNextNoInit(node))
        EXPECT_FALSE(node->States.contains(vsExpanded) && node->States.contains(vsHasChildren)) << path(node).toStdString();

    int expanded = 0;
    t.tree.OnExpanded = [&](TBaseLazyTree *tree, PLazyNode) {
        if (++expanded == 2)
            tree->CancelOperation();
    };
    t.tree.FullExpand();
    EXPECT_EQ(expanded, 2);
    EXPECT_EQ(t.tree.OperationCount(), 0u);
    expectConsistent(t.tree);
}

TEST(Expansion, FullCollapseClosesASubtreeFromTheBottomUp)
{
    ThreeLevels t;
    t.tree.FullExpand();
    std::vector<std::string> order;
    t.tree.OnCollapsed = [&](TBaseLazyTree *, PLazyNode node) { order.push_back(path(node).toStdString()); };
    t.tree.FullCollapse(t.tree.GetFirstNoInit());
    EXPECT_EQ(order, (std::vector<std::string>{"0.2", "0.1", "0.0", "0"}));
    expectConsistent(t.tree);
}

TEST(Visibility, HidingTakesTheSubtreeOutOfItsAncestorsButKeepsItsOwnTotal)
{
    ThreeLevels t;
    t.tree.FullExpand();
    PLazyNode child = t.tree.GetFirstNoInit()->FirstChild;
    const std::uint32_t own = child->TotalHeight;
    const std::uint32_t rootHeight = t.tree.RootNode()->TotalHeight;
    t.tree.SetVisible(child, false);
    EXPECT_EQ(child->TotalHeight, own);
    EXPECT_EQ(t.tree.RootNode()->TotalHeight, rootHeight - own);
    EXPECT_EQ(t.tree.VisibleCount(), 20u - 3);
    t.tree.SetVisible(child, true);
    EXPECT_EQ(t.tree.RootNode()->TotalHeight, rootHeight);
    expectConsistent(t.tree);

    t.tree.FullCollapse();
    PLazyNode deep = child->FirstChild;
    t.tree.SetFullyVisible(deep, true);
    EXPECT_TRUE(t.tree.GetFullyVisible(deep)) << "both collapsed ancestors opened";
    expectConsistent(t.tree);
    EXPECT_EQ(assertionOf([&] { t.tree.SetVisible(nullptr, true); }), "Invalid parameter.");
    EXPECT_EQ(assertionOf([&] { t.tree.SetFullyVisible(t.tree.RootNode(), true); }), "Invalid parameter");
    EXPECT_EQ(assertionOf([&] { t.tree.GetVisiblePath(nullptr); }), "Invalid parameters.");
}

TEST(Filtering, AFilteredRowCountsOnlyWhenFilteredNodesAreShown)
{
    TestTree tree;
    PLazyNode node = tree.AddChild(nullptr);
    tree.AddChild(nullptr);
    const std::uint32_t rootHeight = tree.RootNode()->TotalHeight;
    tree.SetFiltered(node, true);
    EXPECT_EQ(tree.RootNode()->TotalHeight, rootHeight - node->NodeHeight);
    EXPECT_EQ(tree.VisibleCount(), 1u);
    EXPECT_TRUE(tree.GetEffectivelyFiltered(node));
    addOption(tree, TLTPaintOption::toShowFilteredNodes);
    EXPECT_EQ(tree.RootNode()->TotalHeight, rootHeight);
    EXPECT_EQ(tree.VisibleCount(), 2u);
    EXPECT_FALSE(tree.GetEffectivelyFiltered(node));
    tree.SetFiltered(node, false);
    EXPECT_EQ(tree.RootNode()->TotalHeight, rootHeight) << "only the flag changes";
    expectConsistent(tree);
}

TEST(Heights, AreClampedToTheRecordBeforeTheTotalsMove)
{
    TestTree tree;
    PLazyNode node = tree.AddChild(nullptr);
    EXPECT_EQ(tree.GetNodeHeight(tree.RootNode()), 0u);
    tree.SetNodeHeight(tree.RootNode(), 50);
    EXPECT_EQ(tree.RootNode()->NodeHeight, tree.DefaultNodeHeight());
    tree.SetNodeHeight(node, 70000);
    EXPECT_EQ(node->NodeHeight, 65535u);
    expectConsistent(tree);
    tree.SetNodeHeight(node, 70001);
    tree.SetNodeHeight(node, 5);
    EXPECT_EQ(tree.RootNode()->TotalHeight, tree.DefaultNodeHeight() + 5) << "no drift";
}

TEST(Heights, VariableHeightsAreAskedOnce)
{
    TestTree tree;
    addOption(tree, TLTMiscOption::toVariableNodeHeight);
    int asked = 0;
    tree.OnMeasureItem = [&](TBaseLazyTree *, platform::TCanvas *, PLazyNode, int &height) {
        ++asked;
        height = 30;
    };
    PLazyNode node = tree.AddChild(nullptr); // asked as it is created
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(tree.GetNodeHeight(node), 30u);
    EXPECT_EQ(asked, 1);
    tree.ReinitNode(node, false);
    EXPECT_EQ(tree.GetNodeHeight(node), 30u);
    EXPECT_EQ(asked, 2);
    expectConsistent(tree);
}

} // namespace
} // namespace vtreetest
