// Adding, inserting, deleting, clearing, moving and copying nodes, with the
// events each raises and the structure-change notification.
#include "TreeFixture.h"

#include "controls/vtree/TreeErrors.h"

#include <QIODevice>

namespace vtreetest {
namespace {

using namespace std::chrono_literals;

std::vector<std::string> childPaths(const TBaseLazyTree &tree, PLazyNode parent, const std::vector<PLazyNode> &named,
                                    const std::vector<std::string> &names)
{
    std::vector<std::string> order;
    for (PLazyNode node = tree.GetFirstChildNoInit(parent); node; node = node->NextSibling) {
        const auto at = std::find(named.begin(), named.end(), node);
        order.push_back(at == named.end() ? "?" : names[static_cast<std::size_t>(at - named.begin())]);
    }
    return order;
}

TEST(Structure, AddChildAppendsWithDenseIndexesAndTotals)
{
    TestTree tree;
    PLazyNode first = tree.AddChild(nullptr);
    EXPECT_EQ(first->Index, 0u);
    EXPECT_EQ(tree.RootNode()->ChildCount, 1u);
    EXPECT_EQ(tree.RootNode()->TotalCount, 2u);
    EXPECT_EQ(tree.AddChild(nullptr)->Index, 1u);
    PLazyNode child = tree.AddChild(first);
    EXPECT_EQ(child->Parent, first);
    EXPECT_TRUE(first->States.containsAll({vsHasChildren, vsInitialized})) << "the parent is initialised first";
    expectConsistent(tree);
}

TEST(Structure, InsertNodeTakesItsPlaceInEveryMode)
{
    struct Case {
        TLTNodeAttachMode mode;
        int destination; // child of the parent; -1: the parent itself
        std::vector<std::string> order;
    };
    const Case cases[] = {
        {amInsertBefore, 0, {"n", "a", "b", "c"}}, {amInsertBefore, 2, {"a", "b", "n", "c"}},
        {amInsertAfter, 0, {"a", "n", "b", "c"}},  {amInsertAfter, 2, {"a", "b", "c", "n"}},
        {amAddChildFirst, -1, {"n", "a", "b", "c"}}, {amAddChildLast, -1, {"a", "b", "c", "n"}},
    };
    for (const Case &c : cases) {
        TestTree tree;
        PLazyNode parent = tree.AddChild(nullptr);
        std::vector<PLazyNode> named = addChildren(tree, parent, 3);
        PLazyNode destination = c.destination < 0 ? parent : named[static_cast<std::size_t>(c.destination)];
        named.push_back(tree.InsertNode(destination, c.mode));
        EXPECT_EQ(childPaths(tree, parent, named, {"a", "b", "c", "n"}), c.order) << int(c.mode) << ' ' << c.destination;
        expectConsistent(tree);
    }
    TestTree tree;
    PLazyNode old = tree.AddChild(nullptr);
    PLazyNode inserted = tree.InsertNode(nullptr, amInsertBefore);
    EXPECT_EQ(tree.GetFirstNoInit(), inserted) << "before nothing is first at the top level";
    EXPECT_EQ(old->Index, 1u);
    EXPECT_EQ(tree.InsertNode(nullptr, amNoWhere), nullptr);
}

// A small tree: 0 (initialised) with children 0.0 (initialised, with 0.0.0
// and 0.0.1) and 0.1 (never touched); 1 whose data was read.
struct FreeOrderTree {
    FreeOrderTree()
    {
        tree.SetNodeDataSize(8);
        tree.OnFreeNode = [this](TBaseLazyTree *, PLazyNode node) { log.add("free", node); };
        top = tree.AddChild(nullptr);
        PLazyNode first = tree.AddChild(top);
        addChildren(tree, first, 2);
        tree.ValidateNode(first, true);
        tree.InsertNode(top, amAddChildLast);
        tree.GetNodeData(tree.InsertNode(nullptr, amAddChildLast));
    }
    EventLog log;
    TestTree tree;
    PLazyNode top;
};

TEST(Structure, DeletingFreesDeepestAndLastFirstOnlyWhatWasInitialisedOrTouched)
{
    FreeOrderTree t;
    t.tree.DeleteNode(t.top);
    // 0.1 was never initialised nor touched: freed silently.
    EXPECT_EQ(t.log.entries, (std::vector<std::string>{"free 0.0.1", "free 0.0.0", "free 0.0", "free 0"}));
    t.log.entries.clear();
    t.tree.Clear();
    EXPECT_EQ(t.log.entries, (std::vector<std::string>{"free 0"}));
    expectConsistent(t.tree);
}

TEST(Structure, DestroyingTheTreeFreesItsNodes)
{
    EventLog log;
    {
        TestTree tree;
        tree.OnFreeNode = [&](TBaseLazyTree *, PLazyNode node) { log.add("free", node); };
        tree.ValidateNode(tree.AddChild(nullptr), false);
        addOption(tree, TLTMiscOption::toReadOnly);
    }
    EXPECT_EQ(log.entries, std::vector<std::string>{"free 0"}) << "also in a read-only tree";
}

TEST(Structure, AFailingFreeHandlerStillFreesEveryNode)
{
    FreeOrderTree t;
    t.tree.OnFreeNode = [](TBaseLazyTree *, PLazyNode node) {
        if (node->ChildCount == 0)
            throw std::runtime_error("handler failed");
    };
    EXPECT_THROW(t.tree.Clear(), std::runtime_error);
    EXPECT_TRUE(t.tree.IsEmpty());
    EXPECT_EQ(t.tree.UpdateCount(), 0u);
    expectConsistent(t.tree);
}

TEST(Structure, LosingTheLastChildCollapsesTheParent)
{
    TestTree tree;
    PLazyNode parent = tree.AddChild(nullptr);
    PLazyNode only = tree.AddChild(parent);
    tree.SetExpanded(parent, true);
    tree.DeleteNode(only);
    EXPECT_FALSE(parent->States.containsAny({vsExpanded, vsHasChildren}));
    expectConsistent(tree);

    addChildren(tree, parent, 2);
    tree.SetChildCount(parent, 0);
    EXPECT_TRUE(parent->States.contains(vsHasChildren)) << "a zero child count keeps the node expandable";
    addChildren(tree, parent, 2);
    tree.SetHasChildren(parent, false);
    EXPECT_EQ(parent->ChildCount, 0u);
    EXPECT_FALSE(parent->States.contains(vsHasChildren));
    expectConsistent(tree);
}

TEST(Structure, ClearOnAnEmptyTreeDoesNothing)
{
    int updates = 0;
    TestTree tree;
    tree.OnUpdating = [&](TBaseLazyTree *, TLTUpdateState) { ++updates; };
    tree.Clear();
    EXPECT_EQ(updates, 0);
}

TEST(Structure, AReadOnlyTreeChangesNothing)
{
    const std::vector<std::pair<const char *, std::function<void(TestTree &, PLazyNode)>>> operations = {
        {"AddChild", [](TestTree &t, PLazyNode) { EXPECT_EQ(t.AddChild(nullptr), nullptr); }},
        {"SetChildCount", [](TestTree &t, PLazyNode n) { t.SetChildCount(n, 5); }},
        {"DeleteNode", [](TestTree &t, PLazyNode n) { t.DeleteNode(n); }},
        {"DeleteChildren", [](TestTree &t, PLazyNode n) { t.DeleteChildren(n); }},
        {"DeleteSelectedNodes", [](TestTree &t, PLazyNode) { t.DeleteSelectedNodes(); }},
        {"Clear", [](TestTree &t, PLazyNode) { t.Clear(); }},
        {"MoveTo", [](TestTree &t, PLazyNode n) { t.MoveTo(n->FirstChild, nullptr, amAddChildLast, false); }},
        {"CopyTo", [](TestTree &t, PLazyNode n) { EXPECT_EQ(t.CopyTo(n, nullptr, amAddChildLast, false), nullptr); }},
        {"SetHasChildren", [](TestTree &t, PLazyNode n) { t.SetHasChildren(n, false); }},
        {"RootNodeCount", [](TestTree &t, PLazyNode) { t.SetRootNodeCount(9); }},
    };
    for (const auto &[name, operation] : operations) {
        TestTree tree;
        addOption(tree, TLTSelectionOption::toMultiSelect);
        PLazyNode top = tree.AddChild(nullptr);
        addChildren(tree, top, 2);
        tree.SetSelected(top, true);
        addOption(tree, TLTMiscOption::toReadOnly);
        operation(tree, top);
        EXPECT_EQ(tree.RootNode()->TotalCount, 4u) << name;
        EXPECT_EQ(top->ChildCount, 2u) << name;
        EXPECT_TRUE(top->States.contains(vsHasChildren)) << name;
    }
}

TEST(Structure, MovingKeepsTheOrderOfMovedChildrenInEveryMode)
{
    struct Case {
        TLTNodeAttachMode mode;
        bool childrenOnly;
        std::vector<std::string> topLevel; // after moving s (children x, y) to t
    };
    const Case cases[] = {
        {amInsertBefore, false, {"s", "t"}},      {amInsertAfter, false, {"t", "s"}},
        {amInsertBefore, true, {"s", "x", "y", "t"}}, {amInsertAfter, true, {"s", "t", "x", "y"}},
        {amAddChildFirst, false, {"t"}},          {amAddChildLast, true, {"s", "t"}},
    };
    for (const Case &c : cases) {
        TestTree tree;
        PLazyNode s = tree.AddChild(nullptr);
        PLazyNode t = tree.AddChild(nullptr);
        std::vector<PLazyNode> kids = addChildren(tree, s, 2);
        PLazyNode other = tree.AddChild(t);
        EventLog moved;
        tree.OnNodeMoved = [&](TBaseLazyTree *, PLazyNode node) { moved.add("moved", node); };
        tree.MoveTo(s, t, c.mode, c.childrenOnly);
        const std::vector<PLazyNode> named{s, t, kids[0], kids[1], other};
        const std::vector<std::string> names{"s", "t", "x", "y", "o"};
        EXPECT_EQ(childPaths(tree, nullptr, named, names), c.topLevel) << int(c.mode) << c.childrenOnly;
        if (c.mode == amAddChildLast && c.childrenOnly) {
            EXPECT_EQ(childPaths(tree, t, named, names), (std::vector<std::string>{"o", "x", "y"}));
        }
        if (c.mode == amAddChildFirst) {
            EXPECT_EQ(childPaths(tree, t, named, names), (std::vector<std::string>{"s", "o"}));
        }
        EXPECT_EQ(moved.entries.size(), c.childrenOnly ? 2u : 1u);
        expectConsistent(tree);
    }
}

TEST(Structure, MovingANodeBelowItselfFailsAndMovesNothing)
{
    TestTree tree;
    PLazyNode top = tree.AddChild(nullptr);
    PLazyNode child = tree.AddChild(top);
    try {
        tree.MoveTo(top, child, amAddChildLast, false);
        ADD_FAILURE() << "no error";
    } catch (const ELazyTreeError &error) {
        EXPECT_EQ(error.HelpContext(), 2001);
        EXPECT_EQ(error.message(), "Target node cannot be a child node of the node to be moved.");
    }
    EXPECT_EQ(top->Parent, tree.RootNode());
    EXPECT_EQ(child->Parent, top);
    expectConsistent(tree);

    PLazyNode second = tree.AddChild(nullptr);
    tree.MoveTo(second, nullptr, amAddChildLast, false);
    EXPECT_EQ(tree.GetFirstNoInit(), second) << "no target: first at the top level";
    tree.OnNodeMoving = [](TBaseLazyTree *, PLazyNode, PLazyNode, bool &allowed) { allowed = false; };
    tree.MoveTo(second, child, amAddChildLast, false);
    EXPECT_EQ(second->Parent, tree.RootNode());

    TestTree otherTree;
    EXPECT_EQ(assertionOf([&] { otherTree.MoveTo(child, nullptr, amAddChildLast, false); }),
              "The source tree must contain the source node.");
}

TEST(Structure, CopiesCarryTheirDataThroughTheSaveAndLoadEvents)
{
    TestTree tree;
    tree.SetNodeDataSize(8);
    addOption(tree, TLTSelectionOption::toMultiSelect);
    EventLog log;
    tree.OnSaveNode = [&](TBaseLazyTree *t, PLazyNode node, QIODevice *stream) {
        log.add("save", node);
        stream->write(static_cast<const char *>(t->GetNodeData(node)), 8);
    };
    tree.OnLoadNode = [&](TBaseLazyTree *t, PLazyNode node, QIODevice *stream) {
        log.add("load", node);
        stream->read(static_cast<char *>(t->GetNodeData(node)), 8);
    };
    PLazyNode top = tree.AddChild(nullptr);
    for (int i = 0; i < 2; ++i)
        *tree.GetNodeData<std::int64_t>(tree.AddChild(top)) = 100 + i;
    *tree.GetNodeData<std::int64_t>(top) = 7;
    tree.SetExpanded(top, true);
    tree.SetSelected(top->LastChild, true);

    // Without a target the copy goes first at the top level.
    PLazyNode copy = tree.CopyTo(top, nullptr, amAddChildLast, false);
    EXPECT_EQ(log.entries, (std::vector<std::string>{"save 0.0", "save 0.1", "save 0", "load 0.0", "load 0.1", "load 0"}));
    EXPECT_EQ(*tree.GetNodeData<std::int64_t>(copy), 7);
    EXPECT_EQ(*tree.GetNodeData<std::int64_t>(copy->LastChild), 101);
    EXPECT_TRUE(copy->States.containsAll({vsInitialized, vsExpanded}));
    EXPECT_TRUE(copy->LastChild->States.contains(vsSelected));
    EXPECT_EQ(tree.SelectedCount(), 2u);
    expectConsistent(tree);
}

TEST(Structure, ARefusedCopyLeavesTheTargetAsItWas)
{
    TestTree tree;
    PLazyNode source = tree.AddChild(nullptr);
    PLazyNode target = tree.AddChild(nullptr);
    tree.OnNodeCopying = [&](TBaseLazyTree *, PLazyNode, PLazyNode to, bool &allowed) {
        EXPECT_EQ(to, target);
        allowed = false;
    };
    EXPECT_EQ(tree.CopyTo(source, target, amAddChildLast, false), nullptr);
    EXPECT_EQ(target->ChildCount, 0u);
    expectConsistent(tree);
}

TEST(Structure, CopiedChildrenKeepTheirOrderInEveryMode)
{
    for (TLTNodeAttachMode mode : {amInsertBefore, amInsertAfter, amAddChildFirst, amAddChildLast}) {
        TestTree tree;
        tree.SetNodeDataSize(8);
        PLazyNode source = tree.AddChild(nullptr);
        for (std::int64_t i = 0; i < 3; ++i)
            *tree.GetNodeData<std::int64_t>(tree.AddChild(source)) = i;
        tree.OnSaveNode = [](TBaseLazyTree *t, PLazyNode node, QIODevice *s) { s->write(static_cast<char *>(t->GetNodeData(node)), 8); };
        tree.OnLoadNode = [](TBaseLazyTree *t, PLazyNode node, QIODevice *s) { s->read(static_cast<char *>(t->GetNodeData(node)), 8); };
        PLazyNode target = tree.AddChild(nullptr);
        PLazyNode anchor = tree.AddChild(target);
        tree.CopyTo(source, anchor, mode, true);
        std::vector<std::int64_t> copied;
        const bool asChildren = mode == amAddChildFirst || mode == amAddChildLast;
        for (PLazyNode node = (asChildren ? anchor : target)->FirstChild; node; node = node->NextSibling)
            if (node != anchor)
                copied.push_back(*tree.GetNodeData<std::int64_t>(node));
        EXPECT_EQ(copied, (std::vector<std::int64_t>{0, 1, 2})) << int(mode);
        expectConsistent(tree);
    }
}

TEST(Structure, CopiesKeepOnlyTheStatesOfAStoredNode)
{
    TestTree tree;
    tree.SetNodeDataSize(8);
    int alive = 0;
    struct Probe final : platform::TInterfacedObject {
        explicit Probe(int &a) : alive(a) { ++alive; }
        ~Probe() override { --alive; }
        int &alive;
    };
    PLazyNode source = tree.AddChild(nullptr, static_cast<platform::IInterface *>(new Probe(alive)));
    tree.SetSelected(source, true); // single selection: the copy is not selected
    PLazyNode copy = tree.CopyTo(source, nullptr, amAddChildLast, false);
    EXPECT_FALSE(copy->States.containsAny({vsReleaseCallOnUserDataRequired, vsOnFreeNodeCallRequired, vsSelected}));
    tree.Clear();
    EXPECT_EQ(alive, 0) << "released once, by its own node";
}

TEST(Structure, NotificationsCarryTheirReasonOrAccumulate)
{
    TestTree tree;
    EventLog log;
    tree.OnStructureChange = [&](TBaseLazyTree *, PLazyNode node, TChangeReason reason) {
        log.add("change " + std::to_string(int(reason)) + ' ' + path(node).toStdString());
    };
    auto reason = [](TChangeReason r) { return std::to_string(int(r)); };
    PLazyNode top = tree.AddChild(nullptr);
    tree.InsertNode(top, amInsertAfter);
    tree.DeleteNode(tree.RootNode()->LastChild);
    EXPECT_EQ(log.entries, (std::vector<std::string>{"change " + reason(TChangeReason::crChildAdded) + " nil",
                                                     "change " + reason(TChangeReason::crNodeAdded) + " 1",
                                                     "change " + reason(TChangeReason::crChildDeleted) + " nil"}));
    log.entries.clear();
    tree.BeginUpdate();
    tree.AddChild(top);
    EXPECT_TRUE(log.entries.empty());
    tree.DeleteNode(top->FirstChild);
    tree.EndUpdate();
    EXPECT_EQ(log.entries.size(), 1u);
    EXPECT_EQ(log.entries[0].substr(0, 8), "change " + reason(TChangeReason::crAccumulated));
}

TEST(Structure, DelayedNotificationsWaitForTheirTimerUnlessFlushed)
{
    TestTree tree;
    tree.SetChangeDelay(100);
    std::vector<TChangeReason> seen;
    tree.OnStructureChange = [&](TBaseLazyTree *, PLazyNode, TChangeReason reason) { seen.push_back(reason); };
    tree.AddChild(nullptr);
    tree.clock->advance(60ms);
    tree.AddChild(nullptr); // restarts the delay
    tree.clock->advance(60ms);
    EXPECT_TRUE(seen.empty());
    tree.clock->advance(40ms);
    EXPECT_EQ(seen, std::vector<TChangeReason>{TChangeReason::crAccumulated});
    EXPECT_FALSE(tree.clock->isTimerSet(StructureChangeTimer));

    seen.clear();
    tree.InsertNode(nullptr, amAddChildLast);
    tree.BeginSynch(); // raises what waits, and then everything at once
    EXPECT_EQ(seen, std::vector<TChangeReason>{TChangeReason::crNodeAdded});
    tree.AddChild(nullptr);
    EXPECT_EQ(seen.size(), 2u);
    tree.EndSynch();
    EXPECT_FALSE(tree.clock->isTimerSet(StructureChangeTimer));
}

TEST(Structure, DeletingWhileIteratingFailsBeforeAnythingIsDeleted)
{
    TestTree tree;
    addChildren(tree, nullptr, 3);
    QString failure;
    tree.IterateSubtree(nullptr, [&](TBaseLazyTree *t, PLazyNode node, void *, bool &) {
        failure = assertionOf([&] { t->DeleteNode(node); });
    }, nullptr);
    EXPECT_EQ(failure, "Deleting nodes during tree iteration leads to invalid pointers.");
    EXPECT_EQ(tree.RootNodeCount(), 3u);
    tree.DeleteNode(tree.GetFirstNoInit()); // allowed again afterwards
    EXPECT_EQ(tree.RootNodeCount(), 2u);
}

TEST(Structure, AFreedNodeIsForgottenEverywhere)
{
    TestTree tree;
    addOption(tree, TLTSelectionOption::toMultiSelect);
    PLazyNode top = tree.AddChild(nullptr);
    PLazyNode child = tree.AddChild(top);
    tree.SetFocusedNode(child);
    tree.SetDropTargetNode(child);
    tree.SetSelected(child, true);
    std::vector<PLazyNode> focus;
    tree.OnFocusChanged = [&](TBaseLazyTree *, PLazyNode node, TColumnIndex) { focus.push_back(node); };
    tree.BeginUpdate();
    tree.DeleteNode(top);
    tree.EndUpdate();
    EXPECT_EQ(tree.FocusedNode(), nullptr);
    EXPECT_EQ(tree.DropTargetNode(), nullptr);
    EXPECT_EQ(tree.SelectedCount(), 0u);
    EXPECT_EQ(focus, std::vector<PLazyNode>{nullptr});
    expectConsistent(tree);
}

// Every node the tree remembers, the edited one too, is forgotten when it goes.
TEST(Structure, AReleasedNodeLeavesNoReferenceBehind)
{
    struct RememberingTree : TestTree {
        int cancelledEdits = 0;
        bool CancelEditNode() override
        {
            ++cancelledEdits;
            return true;
        }
        std::vector<PLazyNode *> remembered()
        {
            const auto known = rememberedNodeSlots();
            return {known.begin(), known.end()};
        }
    } tree;
    PLazyNode top = tree.AddChild(nullptr);
    PLazyNode child = tree.AddChild(top);
    PLazyNode other = tree.AddChild(nullptr);
    for (PLazyNode *slot : tree.remembered())
        *slot = child;
    tree.DeleteNode(top);
    for (PLazyNode *slot : tree.remembered())
        EXPECT_EQ(*slot, nullptr);
    EXPECT_GE(tree.cancelledEdits, 1);
    for (PLazyNode *slot : tree.remembered())
        *slot = other;
    tree.Clear();
    for (PLazyNode *slot : tree.remembered())
        EXPECT_EQ(*slot, nullptr);
}

} // namespace
} // namespace vtreetest

namespace vtreetest {
namespace {

TEST(Structure, NodesMoveIntoAnotherTreeWithTheirDataUnlessItIsReadOnly)
{
    TestTree source;
    TestTree target;
    for (TestTree *tree : {&source, &target}) {
        tree->SetNodeDataSize(8);
        tree->OnSaveNode = [](TBaseLazyTree *t, PLazyNode node, QIODevice *s) { s->write(static_cast<char *>(t->GetNodeData(node)), 8); };
        tree->OnLoadNode = [](TBaseLazyTree *t, PLazyNode node, QIODevice *s) { s->read(static_cast<char *>(t->GetNodeData(node)), 8); };
    }
    PLazyNode moving = source.AddChild(nullptr);
    *source.GetNodeData<std::int64_t>(moving) = 42;
    addChildren(source, moving, 2);

    addOption(target, TLTMiscOption::toReadOnly);
    source.MoveTo(moving, target, amAddChildLast, false);
    EXPECT_EQ(source.RootNodeCount(), 1u);
    EXPECT_TRUE(target.IsEmpty());

    target.TreeOptions().SetMiscOptions(target.TreeOptions().MiscOptions() - TLTMiscOption::toReadOnly);
    source.MoveTo(moving, target, amAddChildLast, false);
    EXPECT_TRUE(source.IsEmpty());
    ASSERT_EQ(target.RootNodeCount(), 1u);
    EXPECT_EQ(*target.GetNodeData<std::int64_t>(target.GetFirstNoInit()), 42);
    EXPECT_EQ(target.RootNode()->TotalCount, 4u);
    expectConsistent(source);
    expectConsistent(target);
}

} // namespace
} // namespace vtreetest
