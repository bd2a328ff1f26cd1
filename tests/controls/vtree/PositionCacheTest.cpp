// The position cache and its worker thread: when a tree is built, where the
// entries fall, lookups equal to plain walks, a build stopped by a change,
// and the one worker shared by all trees. Every wait serves the worker's
// hand-offs, so nothing here waits on a clock.
#include "TreeFixture.h"

#include "controls/vtree/CacheWorker.h"

#include <atomic>
#include <thread>

namespace vtreetest {
namespace {

// Rows of heights 10 to 14 in turns; top-level nodes only.
void addRows(TestTree &tree, unsigned count)
{
    tree.BeginUpdate();
    for (unsigned i = 0; i < count; ++i)
        tree.SetNodeHeight(tree.AddChild(nullptr), 10 + i % 5);
    tree.EndUpdate();
}

std::uint32_t plainTop(TestTree &tree, PLazyNode target)
{
    std::uint32_t top = 0;
    for (PLazyNode node = tree.GetFirstVisibleNoInit(); node != target; node = tree.GetNextVisibleNoInit(node))
        top += node->NodeHeight;
    return top;
}

TEST(PositionCache, OnlyTreesAboveTheThresholdAreBuilt)
{
    struct Case {
        unsigned rows;
        bool built;
        std::vector<unsigned> entryRows;
    };
    for (const Case &c : {Case{2000, false, {}}, Case{2001, true, {0, 2000}}, Case{4500, true, {0, 2000, 4000}}}) {
        TestTree tree;
        addRows(tree, c.rows);
        EXPECT_EQ(tree.WaitForPositionCache(), c.built) << c.rows;
        std::vector<unsigned> rows;
        for (const auto &entry : tree.PositionCache()) {
            rows.push_back(entry.Node->Index);
            EXPECT_EQ(entry.AbsoluteTop, plainTop(tree, entry.Node));
        }
        EXPECT_EQ(rows, c.entryRows) << c.rows;
    }
}

TEST(PositionCache, LookupsEqualAPlainWalkForEveryRow)
{
    TestTree tree;
    addRows(tree, 600);
    for (PLazyNode top = tree.GetFirstNoInit(); top; top = top->NextSibling) {
        if (top->Index % 3 != 0)
            continue;
        tree.BeginUpdate();
        for (unsigned i = 0; i < 20; ++i)
            tree.SetNodeHeight(tree.AddChild(top), 7 + i % 3);
        tree.SetExpanded(top, top->Index % 6 == 0);
        tree.EndUpdate();
    }
    addOption(tree, TLTPaintOption::toChildrenAbove);
    ASSERT_GT(tree.VisibleCount(), 2000u);
    for (bool cached : {false, true}) {
        if (cached) {
            ASSERT_TRUE(tree.WaitForPositionCache());
        }
        EXPECT_EQ(tree.TreeStates().contains(TLazyTreeState::tsUseCache), cached);
        std::uint32_t top = 0;
        unsigned row = 0;
        for (PLazyNode node = tree.GetFirstVisibleNoInit(); node; node = tree.GetNextVisibleNoInit(node), ++row) {
            if (!cached && row % 17 != 0) { // walks from the start each time: a sample is enough
                top += node->NodeHeight;
                continue;
            }
            ASSERT_EQ(tree.GetNodeTop(node), top) << cached;
            std::uint32_t found = 0;
            for (std::uint32_t y : {top, top + node->NodeHeight - 1}) {
                ASSERT_EQ(tree.GetNodeAtOffset(y, found), node) << cached << ' ' << y;
                ASSERT_EQ(found, top);
            }
            top += node->NodeHeight;
        }
        std::uint32_t below = 0;
        EXPECT_EQ(tree.GetNodeAtOffset(top, below), nullptr);
    }
}

// Lookups of every row equal plain walks: each row's top, and the row at its
// first and last pixel.
void expectLookupsEqualWalks(TestTree &tree, const char *step)
{
    SCOPED_TRACE(step);
    std::uint32_t top = 0;
    for (PLazyNode node = tree.GetFirstVisibleNoInit(); node; node = tree.GetNextVisibleNoInit(node)) {
        ASSERT_EQ(tree.GetNodeTop(node), top);
        std::uint32_t found = 0;
        for (std::uint32_t y : {top, top + node->NodeHeight - 1}) {
            ASSERT_EQ(tree.GetNodeAtOffset(y, found), node) << y;
            ASSERT_EQ(found, top);
        }
        top += node->NodeHeight;
    }
    std::uint32_t below = 0;
    EXPECT_EQ(tree.GetNodeAtOffset(top, below), nullptr);
    EXPECT_EQ(below, top);
}

// A tree too small for the worker keeps its row index on the interface
// thread; every kind of change must leave it stale, so that the next lookup
// sees the rows as they are.
TEST(PositionCache, ASmallTreesLookupsFollowEveryChange)
{
    TestTree tree;
    addRows(tree, 300);
    tree.OnCompareNodes = [](TBaseLazyTree *, PLazyNode a, PLazyNode b, TColumnIndex, int &result) {
        result = int(b->NodeHeight) - int(a->NodeHeight);
    };
    PLazyNode parent = tree.GetFirstNoInit()->NextSibling;
    for (unsigned i = 0; i < 40; ++i)
        tree.SetNodeHeight(tree.AddChild(parent), 5 + i % 4);
    expectLookupsEqualWalks(tree, "built");

    const std::pair<const char *, std::function<void()>> changes[] = {
        {"expand", [&] { tree.SetExpanded(parent, true); }},
        {"height", [&] { tree.SetNodeHeight(parent->FirstChild->NextSibling, 31); }},
        {"add", [&] { tree.SetNodeHeight(tree.InsertNode(parent->FirstChild, amInsertAfter), 3); }},
        {"delete", [&] { tree.DeleteNode(tree.GetFirstNoInit()); }},
        {"hide", [&] { tree.SetVisible(parent->LastChild->PrevSibling, false); }},
        {"move", [&] { tree.MoveTo(tree.GetLastNoInit(), tree.GetFirstNoInit(), amInsertBefore, false); }},
        {"sort", [&] { tree.Sort(parent, 0, TSortDirection::sdAscending); }},
        {"collapse", [&] { tree.SetExpanded(parent, false); }},
    };
    for (const auto &[name, change] : changes) {
        change();
        expectLookupsEqualWalks(tree, name);
    }
}

// Holds its first build until the interface thread asks it to stop.
class HeldTree : public TestTree {
public:
    bool BuildPositionCache() override
    {
        if (!m_held.exchange(true)) {
            building.store(true);
            while (!StopValidationRequested())
                std::this_thread::yield();
        }
        return TestTree::BuildPositionCache();
    }
    std::atomic<bool> building{false};

private:
    std::atomic<bool> m_held{false};
};

TEST(PositionCache, AChangeStopsARunningBuildWhichIsRedoneLater)
{
    HeldTree tree;
    addOption(tree, TLTSelectionOption::toMultiSelect);
    tree.BeginUpdate();
    addRows(tree, 2500);
    PLazyNode parent = tree.GetFirstNoInit();
    tree.AddChild(parent);
    tree.SetExpanded(parent, true);
    tree.EndUpdate();
    ASSERT_TRUE(CacheWorker::instance()->ServeNextHandOff(&tree)) << "the build starts";
    EXPECT_TRUE(tree.TreeStates().contains(TLazyTreeState::tsValidating));
    while (!tree.building.load())
        std::this_thread::yield(); // the worker is on its way into the build
    std::vector<std::string> states;
    tree.OnStateChange = [&](TBaseLazyTree *, TLazyTreeStates enter, TLazyTreeStates leave) {
        if (enter.contains(TLazyTreeState::tsValidating))
            states.push_back("validating");
        if (enter.contains(TLazyTreeState::tsUseCache))
            states.push_back("valid");
        if (leave.contains(TLazyTreeState::tsValidating))
            states.push_back("ended");
    };
    // Changes that leave the rows alone may run beside the build.
    tree.SetSelected(parent->NextSibling, true);
    tree.SetCheckState(parent->NextSibling, TCheckState::csCheckedNormal);
    tree.SetExpanded(parent, false);
    EXPECT_FALSE(tree.TreeStates().contains(TLazyTreeState::tsValidating));
    EXPECT_TRUE(tree.WaitForPositionCache()) << "queued again and built";
    EXPECT_EQ(states, (std::vector<std::string>{"ended", "validating", "valid", "ended"}));
    EXPECT_EQ(tree.PositionCache().size(), 2u);
}

TEST(PositionCache, OneWorkerServesAllTreesAndGoesWithTheLast)
{
    EXPECT_EQ(CacheWorker::instance(), nullptr);
    {
        TestTree first, second;
        CacheWorker *worker = CacheWorker::instance();
        ASSERT_NE(worker, nullptr);
        addRows(first, 2100);
        addRows(second, 4100);
        EXPECT_TRUE(second.WaitForPositionCache());
        EXPECT_TRUE(first.WaitForPositionCache());
        EXPECT_EQ(first.PositionCache().size(), 2u);
        EXPECT_EQ(second.PositionCache().size(), 3u);
        addRows(first, 10); // queued again, and destroyed while it may be built
    }
    EXPECT_EQ(CacheWorker::instance(), nullptr);
    TestTree again;
    EXPECT_NE(CacheWorker::instance(), nullptr);
}

TEST(PositionCache, TreeOrder)
{
    TestTree tree;
    std::vector<PLazyNode> top = addChildren(tree, nullptr, 3);
    std::vector<PLazyNode> kids = addChildren(tree, top[1], 2);
    EXPECT_EQ(tree.CompareTreeOrder(top[1], kids[0], false), -1);
    EXPECT_EQ(tree.CompareTreeOrder(kids[1], top[1], false), 1);
    addOption(tree, TLTPaintOption::toChildrenAbove);
    EXPECT_EQ(tree.CompareTreeOrder(top[1], kids[0], true), 1);
    EXPECT_EQ(tree.CompareTreeOrder(top[1], kids[0], false), -1);
    EXPECT_EQ(tree.CompareTreeOrder(kids[1], top[0], false), 1);
    EXPECT_EQ(tree.CompareTreeOrder(top[0], top[2], false), -2);
    EXPECT_EQ(assertionOf([&] { tree.CompareTreeOrder(nullptr, top[0], false); }), "Nodes must never be nil.");
}

} // namespace
} // namespace vtreetest
