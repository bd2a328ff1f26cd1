// Update and synchronous brackets, long operations and the tree states.
#include "TreeFixture.h"

#include "controls/vtree/TreeGlobals.h"

#include <thread>

namespace vtreetest {
namespace {

using namespace std::chrono_literals;
using enum TLTUpdateState;

struct UpdateLog {
    explicit UpdateLog(TestTree &tree)
    {
        tree.OnUpdating = [this](TBaseLazyTree *, TLTUpdateState state) { states.push_back(state); };
        tree.OnStructureChange = [this](TBaseLazyTree *, PLazyNode, TChangeReason) { ++changes; };
    }
    std::vector<TLTUpdateState> states;
    int changes = 0;
};

TEST(Update, OneBracketGivesOneBeginOneEndAndOneNotification)
{
    TestTree tree;
    UpdateLog log(tree);
    tree.BeginUpdate();
    addChildren(tree, nullptr, 1000);
    EXPECT_EQ(log.changes, 0);
    tree.EndUpdate();
    EXPECT_EQ(log.states, (std::vector<TLTUpdateState>{usBegin, usEnd}));
    EXPECT_EQ(log.changes, 1);
    EXPECT_FALSE(tree.TreeStates().contains(TLazyTreeState::tsUpdating));
}

TEST(Update, InnerBracketsOnlyReportTheirDepth)
{
    TestTree tree;
    UpdateLog log(tree);
    tree.BeginUpdate();
    tree.BeginUpdate();
    tree.AddChild(nullptr);
    tree.EndUpdate();
    EXPECT_EQ(log.changes, 0);
    tree.EndUpdate();
    tree.EndUpdate(); // unmatched: the count stays at 0
    EXPECT_EQ(tree.UpdateCount(), 0u);
    EXPECT_EQ(log.states, (std::vector<TLTUpdateState>{usBegin, usUpdate, usUpdate, usEnd, usEnd}));
    EXPECT_EQ(log.changes, 1);
}

TEST(Update, OnlyTheInterfaceThreadMayOpenABracket)
{
    TestTree tree;
    QString failure;
    std::thread worker([&] { failure = assertionOf([&] { tree.BeginUpdate(); }); });
    worker.join();
    EXPECT_EQ(failure, "UI controls like TBaseLazyTree should only be manipulated through the main thread.");
    EXPECT_EQ(tree.UpdateCount(), 0u);
}

TEST(Update, SynchronousBracketsDeliverAtOnceAndStopTheTimers)
{
    TestTree tree;
    UpdateLog log(tree);
    tree.SetChangeDelay(500);
    for (int timer : {ExpandTimer, EditTimer, HeaderTimer, ScrollTimer, SearchTimer})
        tree.SetTreeTimer(timer, 100);
    tree.InsertNode(nullptr, amAddChildLast);
    EXPECT_EQ(log.changes, 0);
    tree.BeginSynch();
    EXPECT_EQ(log.changes, 1) << "what waited comes at once";
    for (int timer = ExpandTimer; timer <= SearchTimer; ++timer)
        EXPECT_FALSE(tree.clock->isTimerSet(timer)) << timer;
    tree.BeginSynch();
    tree.InsertNode(nullptr, amAddChildLast);
    EXPECT_EQ(log.changes, 2);
    tree.EndSynch();
    tree.EndSynch();
    EXPECT_EQ(log.states, (std::vector<TLTUpdateState>{usBeginSynch, usSynch, usSynch, usEndSynch}));
    EXPECT_FALSE(tree.TreeStates().contains(TLazyTreeState::tsSynchMode));
}

TEST(Update, OperationsCountAndCancelOnlyWhileRunning)
{
    TestTree tree;
    std::vector<std::string> log;
    tree.OnStartOperation = [&](TBaseLazyTree *, TLTOperationKind) { log.push_back("start"); };
    tree.OnEndOperation = [&](TBaseLazyTree *, TLTOperationKind) { log.push_back("end"); };
    tree.CancelOperation();
    tree.BeginOperation(TLTOperationKind::okExport);
    EXPECT_FALSE(tree.OperationCancelRequested()) << "a cancel before the operation does not count";
    tree.CancelOperation();
    EXPECT_TRUE(tree.OperationCancelRequested());
    tree.EndOperation(TLTOperationKind::okExport);
    EXPECT_FALSE(tree.OperationCancelRequested());
    EXPECT_EQ(log, (std::vector<std::string>{"start", "end"}));
    EXPECT_EQ(assertionOf([&] { tree.EndOperation(TLTOperationKind::okExport); }),
              "EndOperation must not be called when no operation in progress.");
}

TEST(TreeStates, ChangesAreReportedOnlyWhenSomethingChanges)
{
    TestTree tree;
    std::vector<std::pair<TLazyTreeStates, TLazyTreeStates>> seen;
    tree.OnStateChange = [&](TBaseLazyTree *, TLazyTreeStates enter, TLazyTreeStates leave) { seen.emplace_back(enter, leave); };
    using enum TLazyTreeState;
    tree.ChangeTreeStates(tsHint, {});
    tree.ChangeTreeStates(tsHint, {});
    tree.ChangeTreeStates({}, tsEditing);
    tree.ChangeTreeStates(tsEditing, tsEditing);
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[1].first, TLazyTreeStates(tsEditing));
    EXPECT_TRUE(tree.TreeStates().contains(tsHint));
    EXPECT_FALSE(tree.TreeStates().contains(tsEditing)) << "a state in both sets ends cleared";
}

TEST(TreeGlobals, AreMadeOnceWhicheverThreadComesFirst)
{
    std::vector<std::thread> threads;
    for (int i = 0; i < 4; ++i)
        threads.emplace_back([] { InitTreeGlobals(); });
    for (std::thread &thread : threads)
        thread.join();
    EXPECT_TRUE(TreeGlobalsInitialized());
}

} // namespace
} // namespace vtreetest
