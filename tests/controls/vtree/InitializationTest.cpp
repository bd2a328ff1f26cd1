// Lazy initialisation: OnInitNode and OnInitChildren when a node is first
// needed, again on request, and reset.
#include "TreeFixture.h"

namespace vtreetest {
namespace {

using enum TLazyNodeInitState;

struct InitLog {
    explicit InitLog(TestTree &tree)
    {
        tree.OnInitNode = [this](TBaseLazyTree *, PLazyNode parent, PLazyNode node, TLazyNodeInitStates &states) {
            EXPECT_TRUE(node->States.containsAll({vsInitialized, vsInitializing}));
            log.add("init " + path(node).toStdString() + " parent " + path(parent).toStdString()
                    + (states.contains(ivsReInit) ? " again" : ""));
            states.include(answer);
        };
    }
    EventLog log;
    TLazyNodeInitStates answer;
};

TEST(Initialization, HappensOnceOnFirstUseAndAgainOnlyOnRequest)
{
    TestTree tree;
    InitLog init(tree);
    tree.SetRootNodeCount(1);
    EXPECT_TRUE(init.log.entries.empty()) << "created uninitialised";
    PLazyNode node = tree.GetFirst();
    tree.GetFirst();
    EXPECT_EQ(init.log.entries, std::vector<std::string>{"init 0 parent nil"});
    tree.ReinitNode(node, false);
    EXPECT_EQ(init.log.entries.back(), "init 0 parent nil again");
    PLazyNode fresh = tree.InsertNode(node, amInsertAfter);
    const std::size_t before = init.log.entries.size();
    tree.ReinitNode(fresh, false);
    EXPECT_EQ(init.log.entries.size(), before) << "a node never initialised is not initialised by a re-initialisation";
}

TEST(Initialization, AnExpandedAnswerOpensTheNodeWithTheChildrenAskedFor)
{
    TestTree tree;
    InitLog init(tree);
    init.answer = {ivsHasChildren, ivsExpanded};
    tree.OnInitChildren = [](TBaseLazyTree *, PLazyNode, std::uint32_t &count) { count = 3; };
    tree.SetRootNodeCount(1);
    init.answer = {};
    PLazyNode node = tree.GetFirstNoInit();
    init.answer = {ivsHasChildren, ivsExpanded};
    tree.ValidateNode(node, false);
    EXPECT_TRUE(node->States.contains(vsExpanded));
    EXPECT_EQ(node->ChildCount, 3u);
    expectConsistent(tree);
}

TEST(Initialization, AnExpandedNodeWithoutTheExpandedAnswerGetsItsChildren)
{
    TestTree tree;
    PLazyNode node = tree.AddChild(nullptr);
    tree.SetHasChildren(node, true);
    tree.ToggleNode(node); // expanded, no children handler yet
    EXPECT_TRUE(node->States.contains(vsExpanded));
    EXPECT_EQ(node->ChildCount, 0u);
    tree.OnInitChildren = [](TBaseLazyTree *, PLazyNode, std::uint32_t &count) { count = 2; };
    InitLog init(tree);
    tree.ReinitNode(node, false);
    EXPECT_TRUE(node->States.contains(vsExpanded));
    EXPECT_EQ(node->ChildCount, 2u);
    expectConsistent(tree);
}

TEST(Initialization, TheAnswerAddsStatesButNeverTakesAny)
{
    TestTree tree;
    addOption(tree, TLTSelectionOption::toMultiSelect);
    InitLog init(tree);
    init.answer = {ivsDisabled, ivsMultiline, ivsSelected, ivsFiltered};
    PLazyNode node = tree.AddChild(nullptr);
    tree.GetFirst();
    EXPECT_TRUE(node->States.containsAll({vsDisabled, vsMultiline, vsFiltered}));
    EXPECT_FALSE(node->States.contains(vsSelected)) << "a disabled node is never selected";
    EXPECT_EQ(tree.VisibleCount(), 0u);
    init.answer = {};
    tree.ReinitNode(node, false);
    EXPECT_TRUE(node->States.containsAll({vsDisabled, vsMultiline, vsFiltered}));
    expectConsistent(tree);
}

TEST(Initialization, AFailingHandlerLeavesTheNodeInitialisedButNotInitialising)
{
    TestTree tree;
    tree.OnInitNode = [](TBaseLazyTree *, PLazyNode, PLazyNode, TLazyNodeInitStates &) { throw std::runtime_error("no"); };
    PLazyNode node = tree.InsertNode(nullptr, amAddChildLast);
    EXPECT_THROW(tree.GetFirst(), std::runtime_error);
    EXPECT_TRUE(node->States.contains(vsInitialized));
    EXPECT_FALSE(node->States.contains(vsInitializing));
}

TEST(Initialization, InitRecursiveGoesAsDeepAsAskedAndOnlyIntoOpenNodes)
{
    TestTree tree;
    tree.BeginUpdate();
    for (PLazyNode top : addChildren(tree, nullptr, 2))
        for (PLazyNode child : addChildren(tree, top, 2))
            addChildren(tree, child, 2);
    tree.EndUpdate();
    tree.ResetNode(nullptr);
    tree.BeginUpdate();
    // Three levels again, none initialised, the first top-level node open.
    tree.SetRootNodeCount(2);
    for (PLazyNode top = tree.GetFirstNoInit(); top; top = top->NextSibling)
        for (int i = 0; i < 2; ++i)
            tree.InsertNode(tree.InsertNode(top, amAddChildLast), amAddChildLast);
    tree.EndUpdate();
    for (PLazyNode node = tree.GetFirstNoInit(); node; node = tree.GetNextNoInit(node))
        node->States.exclude(vsInitialized);
    tree.RootNode()->FirstChild->States.include(vsExpanded);
    tree.RecomputeSubtreeHeight(tree.RootNode());

    int count = 0;
    tree.OnInitNode = [&](TBaseLazyTree *, PLazyNode, PLazyNode, TLazyNodeInitStates &) { ++count; };
    tree.InitRecursive(nullptr, 1, true);
    EXPECT_EQ(count, 2) << "the top level only";
    tree.InitRecursive(nullptr, 2, true);
    EXPECT_EQ(count, 4) << "the children of the open node";
    tree.InitRecursive(nullptr, 3, false);
    EXPECT_EQ(count, 2 + 4 + 4);
}

TEST(Initialization, ResetTakesANodeBackToItsUninitialisedStart)
{
    EventLog log;
    TestTree tree;
    tree.OnResetNode = [&](TBaseLazyTree *, PLazyNode node) { log.add("reset", node); };
    tree.OnFreeNode = [&](TBaseLazyTree *, PLazyNode node) { log.add("free", node); };
    PLazyNode node = tree.AddChild(nullptr);
    tree.ValidateNode(tree.AddChild(node), false);
    tree.ToggleNode(node);
    tree.ResetNode(node);
    EXPECT_EQ(log.entries, (std::vector<std::string>{"reset 0", "free 0.0"}));
    EXPECT_FALSE(node->States.containsAny({vsInitialized, vsExpanded, vsHasChildren}));
    EXPECT_TRUE(tree.GetChildrenInitialized(node));
    tree.SetHasChildren(node, true);
    EXPECT_FALSE(tree.GetChildrenInitialized(node));
    tree.ResetNode(nullptr);
    EXPECT_TRUE(tree.IsEmpty());
    expectConsistent(tree);
}

} // namespace
} // namespace vtreetest
