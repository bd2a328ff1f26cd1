// The node record, the caller's data behind it, the hidden root and deep trees.
#include "TreeFixture.h"

#include "controls/vtree/NodeAllocator.h"
#include "controls/vtree/TreeErrors.h"
#include "platform/Interface.h"

#include <cstring>

namespace vtreetest {
namespace {

TEST(NodeData, IsAskedForNeedsASizeAndLiesRightBehindTheRecord)
{
    for (int size : {-1, 0}) {
        TestTree tree;
        tree.SetNodeDataSize(size);
        EXPECT_EQ(assertionOf([&] { tree.GetNodeData(nullptr); }), "NodeDataSize not initialized.") << size;
    }
    TestTree tree;
    int asked = 0;
    tree.OnGetNodeDataSize = [&](TBaseLazyTree *, int &size) {
        ++asked;
        EXPECT_EQ(size, static_cast<int>(sizeof(void *))) << "room for one whole pointer by default";
        size = 12;
    };
    PLazyNode node = tree.AddChild(nullptr);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(tree.NodeDataSize(), 12);
    EXPECT_EQ(tree.GetNodeData(nullptr), nullptr);
    EXPECT_EQ(tree.GetNodeData(tree.RootNode()), nullptr);
    EXPECT_FALSE(node->States.contains(vsOnFreeNodeCallRequired));
    EXPECT_EQ(tree.GetNodeData(node), reinterpret_cast<std::byte *>(node) + 72);
    EXPECT_TRUE(node->States.contains(vsOnFreeNodeCallRequired)) << "touched data makes OnFreeNode due";
    tree.AddChild(nullptr);
    EXPECT_EQ(asked, 1);
}

TEST(NodeData, KeepsWholePointersAndRefusesTooLittleRoomBeforeAnythingChanges)
{
    TestTree tree;
    tree.SetNodeDataSize(8);
    void *const far = reinterpret_cast<void *>(std::uintptr_t{0x7FFF12345678});
    PLazyNode node = tree.AddChild(nullptr, far);
    void *stored = nullptr;
    std::memcpy(&stored, tree.GetNodeData(node), sizeof stored);
    EXPECT_EQ(stored, far);

    TestTree small;
    small.SetNodeDataSize(4);
    const QString refusal = "TBaseLazyTree: Cannot set initial user data because there is not enough user data space allocated.";
    EXPECT_EQ(assertionOf([&] { small.AddChild(nullptr, far); }), refusal);
    EXPECT_EQ(assertionOf([&] { small.InsertNode(nullptr, amAddChildLast, far); }), refusal);
    EXPECT_EQ(small.RootNodeCount(), 0u) << "no node is made when the data cannot go in";
    PLazyNode plain = small.AddChild(nullptr);
    EXPECT_EQ(assertionOf([&] { small.SetNodeData(plain, far); }), refusal);
}

class Counted final : public platform::TInterfacedObject {
public:
    explicit Counted(int &alive) : m_alive(alive) { ++m_alive; }
    ~Counted() override { --m_alive; }

private:
    int &m_alive;
};

TEST(NodeData, AnInterfaceLivesAsLongAsItsNode)
{
    int alive = 0;
    TestTree tree;
    tree.SetNodeDataSize(8);
    {
        platform::InterfaceRef<Counted> object(new Counted(alive));
        PLazyNode node = tree.AddChild(nullptr, object.get());
        EXPECT_TRUE(node->States.containsAll({vsOnFreeNodeCallRequired, vsReleaseCallOnUserDataRequired}));
        EXPECT_EQ(tree.GetNodeInterface(node).get(), object.get());
    }
    EXPECT_EQ(alive, 1) << "the node holds it";
    tree.Clear();
    EXPECT_EQ(alive, 0);

    addOption(tree, TLTMiscOption::toReadOnly);
    EXPECT_EQ(tree.AddChild(nullptr, static_cast<platform::IInterface *>(new Counted(alive))), nullptr);
    EXPECT_EQ(alive, 0) << "a read-only tree keeps no reference it has no node for";
}

TEST(NodeModel, LevelsParentsAndTheOwningTree)
{
    TestTree tree;
    PLazyNode top = tree.AddChild(nullptr);
    PLazyNode child = tree.AddChild(top);
    PLazyNode grandchild = tree.AddChild(child);
    EXPECT_EQ(tree.GetNodeLevel(nullptr), 0u);
    EXPECT_EQ(tree.GetNodeLevel(tree.RootNode()), 0u);
    EXPECT_EQ(tree.GetNodeLevel(top), 0u);
    EXPECT_EQ(tree.GetNodeLevel(grandchild), 2u);
    EXPECT_EQ(top->Parent, tree.RootNode());
    EXPECT_EQ(tree.GetNodeParent(top), nullptr);
    EXPECT_EQ(tree.GetNodeParent(grandchild), child);
    for (PLazyNode node : {top, grandchild, tree.RootNode()})
        EXPECT_EQ(TBaseLazyTree::OwnerTreeOf(node), &tree);
    EXPECT_EQ(assertionOf([] { TBaseLazyTree::OwnerTreeOf(nullptr); }), "Node must not be nil.");
    EXPECT_TRUE(tree.HasAsParent(grandchild, tree.RootNode()));
}

TEST(NodeModel, ChangingTheDataSizeRecreatesTheTopLevelUnlessTheNodesWouldSurvive)
{
    std::vector<PLazyNode> freed;
    TestTree tree;
    tree.SetNodeDataSize(8);
    tree.OnFreeNode = [&](TBaseLazyTree *, PLazyNode node) { freed.push_back(node); };
    for (PLazyNode top : addChildren(tree, nullptr, 3))
        addChildren(tree, top, 2);
    PLazyNode touched = tree.RootNode()->LastChild->LastChild;
    tree.GetNodeData(touched);

    tree.SetNodeDataSize(16);
    EXPECT_EQ(tree.NodeDataSize(), 16);
    EXPECT_EQ(tree.RootNodeCount(), 3u);
    EXPECT_EQ(tree.RootNode()->TotalCount, 4u);
    for (PLazyNode node = tree.GetFirstNoInit(); node; node = tree.GetNextNoInit(node))
        EXPECT_FALSE(node->States.contains(vsInitialized));
    // AddChild initialised each parent; the one leaf had its data read.
    EXPECT_EQ(freed.size(), 4u);
    expectConsistent(tree);

    addOption(tree, TLTMiscOption::toReadOnly);
    tree.SetNodeDataSize(32);
    EXPECT_EQ(tree.NodeDataSize(), 16) << "the nodes of a read-only tree would keep 16 bytes";
}

TEST(NodeModel, DefaultHeightIsNeverZeroAndFitsTheRecord)
{
    TestTree tree;
    addChildren(tree, nullptr, 2);
    for (auto [given, stored] : {std::pair{0u, 18u}, {70000u, 65535u}, {30u, 30u}}) {
        tree.SetDefaultNodeHeight(given);
        EXPECT_EQ(tree.DefaultNodeHeight(), stored);
        EXPECT_EQ(tree.AddChild(nullptr)->NodeHeight, stored);
        expectConsistent(tree);
    }
}

TEST(NodeModel, AlignmentIsAPercentage)
{
    TestTree tree;
    PLazyNode node = tree.AddChild(nullptr);
    EXPECT_EQ(tree.GetVerticalAlignment(node), 50);
    tree.SetVerticalAlignment(node, 250);
    EXPECT_EQ(tree.GetVerticalAlignment(node), 100);
}

TEST(NodeModel, InternalDataIsReservedBeforeNodesAndStaysAligned)
{
    TestTree tree;
    const std::size_t first = tree.ReserveInternalData(4);
    const std::size_t second = tree.ReserveInternalData(8);
    EXPECT_EQ(first, 72u);
    EXPECT_EQ(second, 80u);
    tree.SetNodeDataSize(5);
    PLazyNode node = tree.AddChild(nullptr);
    for (std::size_t offset : {first, second}) {
        const auto address = reinterpret_cast<std::uintptr_t>(tree.InternalData(node, offset));
        EXPECT_EQ(address % 8, 0u);
        EXPECT_GE(address, reinterpret_cast<std::uintptr_t>(node) + 72 + 5);
    }
    EXPECT_EQ(tree.Allocator().blockSize(), 72u + 8u + 16u);
    EXPECT_EQ(assertionOf([&] { tree.ReserveInternalData(4); }),
              "Internal data allocation must be done before any node is created.");
}

TEST(NodeModel, BlocksCostTheRecordAndTheDataOnly)
{
    TestTree tree;
    tree.SetNodeDataSize(8);
    tree.BeginUpdate();
    tree.SetRootNodeCount(100000);
    tree.EndUpdate();
    EXPECT_EQ(tree.Allocator().blockSize(), 80u);
    // Room not yet used never exceeds one slab of 4 MiB.
    EXPECT_LT(tree.Allocator().reservedBytes() - 100000u * 80u, std::size_t{4} << 20);
    tree.Clear();
    EXPECT_EQ(tree.Allocator().reservedBytes(), 0u) << "an empty tree gives its blocks back";
}

// A chain far deeper than any recursion would survive.
TEST(NodeModel, DeepTreesAreWalkedCountedCopiedAndFreedWithoutRecursion)
{
    constexpr unsigned depth = 200000;
    unsigned freed = 0;
    TestTree tree;
    tree.SetNodeDataSize(8);
    unsigned initialised = 0;
    tree.OnInitNode = [&](TBaseLazyTree *, PLazyNode, PLazyNode, TLazyNodeInitStates &) { ++initialised; };
    // Each new top-level node takes the chain so far as its child: no step
    // climbs the whole chain.
    PLazyNode chain = tree.AddChild(nullptr);
    for (unsigned level = 1; level < depth; ++level) {
        PLazyNode top = tree.AddChild(nullptr);
        tree.MoveTo(chain, top, amAddChildLast, false);
        chain = top;
    }
    EXPECT_EQ(tree.GetNodeLevel(tree.GetLastNoInit()), depth - 1);

    EXPECT_EQ(tree.TotalCount(), depth);
    EXPECT_EQ(initialised, depth);
    tree.ReinitNode(nullptr, true);
    EXPECT_EQ(initialised, 2 * depth);
    tree.InitRecursive(nullptr, ~0u, false);
    tree.ValidateNode(nullptr, true);
    tree.ValidateChildren(nullptr, true);
    tree.RecountSubtree(tree.RootNode());
    tree.RecomputeSubtreeHeight(tree.RootNode());
    EXPECT_EQ(tree.RootNode()->TotalCount, depth + 1);
    EXPECT_EQ(tree.IterateSubtree(nullptr, [](TBaseLazyTree *, PLazyNode, void *, bool &) {}, nullptr), nullptr);

    tree.CopyTo(chain, nullptr, amAddChildLast, false);
    EXPECT_EQ(tree.RootNode()->TotalCount, 2 * depth + 1);
    tree.OnFreeNode = [&](TBaseLazyTree *, PLazyNode) { ++freed; };
    tree.DeleteNode(chain);
    EXPECT_EQ(freed, depth);
    tree.Clear();
    EXPECT_EQ(freed, 2 * depth);
}

} // namespace
} // namespace vtreetest
