// The node record, its data areas, the hidden root and the per-node totals.
#include "controls/vtree/BaseLazyTree.h"
#include "controls/vtree/CacheWorker.h"
#include "controls/vtree/TreeErrors.h"
#include "controls/vtree/TreeGlobals.h"
#include "controls/vtree/TreeNodeStore.h"

#include <algorithm>
#include <cstring>
#include <exception>
#include <new>

namespace vtree {

using enum TLazyNodeState;

namespace {
constexpr std::align_val_t rootAlignment{alignof(TLazyNode)};
constexpr unsigned largestNodeHeight = 0xFFFF;
} // namespace

void TRootBlockDeleter::operator()(std::byte *Block) const { ::operator delete[](Block, rootAlignment); }

void TCorePartDeleter::operator()(TTreeNodeStore *Part) const { delete Part; }

TCorePart<TTreeNodeStore> TBaseLazyTree::newNodeStore() { return TCorePart<TTreeNodeStore>(new TTreeNodeStore); }

TBaseLazyTree::TBaseLazyTree()
    : TBaseLazyTree([](TBaseLazyTree &tree) { return std::make_unique<TCustomLazyTreeOptions>(tree); })
{
}

TBaseLazyTree::TBaseLazyTree(const OptionsFactory &createOptions)
{
    InitTreeGlobals();
    FOptions = createOptions(*this);
    SetTreeTimers(std::make_unique<platform::QtNumberedTimers>());
    setupRootNode(0);
    CacheWorker::RetainWorkerThread(*this);
}

TBaseLazyTree::~TBaseLazyTree()
{
    FStore->Destroying = true;
    CacheWorker::ReleaseWorkerThread(*this);
    // The nodes must go whatever the options say.
    FOptions->FMiscOptions.exclude(TLTMiscOption::toReadOnly);
    Clear();
    stopTreeTimers();
}

void TBaseLazyTree::setupRootNode(std::size_t oldSize)
{
    const std::size_t size = sizeof(TLazyNode) + FStore->TotalInternalDataSize;
    std::unique_ptr<std::byte[], TRootBlockDeleter> block(static_cast<std::byte *>(::operator new[](size, rootAlignment)));
    std::memset(block.get(), 0, size);
    if (FStore->RootBlock)
        std::memcpy(block.get(), FStore->RootBlock.get(), std::min({oldSize, FStore->RootBlockSize, size}));
    FStore->RootBlock = std::move(block);
    FStore->RootBlockSize = size;
    FStore->Root = reinterpret_cast<PLazyNode>(FStore->RootBlock.get());
    FStore->Root->PrevSibling = FStore->Root;
    FStore->Root->NextSibling = FStore->Root;
    // The tree stands in the root's parent link so that OwnerTreeOf finds it.
    FStore->Root->Parent = reinterpret_cast<PLazyNode>(this);
    FStore->Root->States = {vsInitialized, vsExpanded, vsHasChildren, vsVisible};
    FStore->Root->TotalCount = 1;
    FStore->Root->NodeHeight = static_cast<std::uint16_t>(FStore->DefaultNodeHeight);
    FStore->Root->TotalHeight = FStore->DefaultNodeHeight;
    FStore->Root->Align = 50;
}

std::size_t TBaseLazyTree::ReserveInternalData(std::size_t Size)
{
    LT_ASSERT(FStore->Root->ChildCount == 0, assertions::internalDataAfterNodes);
    const std::size_t offset = sizeof(TLazyNode) + FStore->TotalInternalDataSize;
    FStore->TotalInternalDataSize += alignNodeArea(Size);
    setupRootNode(offset);
    return offset;
}

void *TBaseLazyTree::InternalData(PLazyNode Node, std::size_t Offset) const
{
    // Behind the caller's data, which is rounded up so that the areas keep
    // their alignment; the root has no caller's data.
    const std::size_t data = Node == FStore->Root ? 0 : alignNodeArea(static_cast<std::size_t>(std::max(FStore->NodeDataSize, 0)));
    return reinterpret_cast<std::byte *>(Node) + data + Offset;
}

std::size_t TBaseLazyTree::nodeBlockSize() const
{
    return sizeof(TLazyNode) + alignNodeArea(static_cast<std::size_t>(std::max(FStore->NodeDataSize, 0))) + FStore->TotalInternalDataSize;
}

std::size_t TBaseLazyTree::ensureNodeDataSize()
{
    if (FStore->NodeDataSize == -1)
        FStore->NodeDataSize = std::max(QueryNodeDataSize(), -1);
    return static_cast<std::size_t>(std::max(FStore->NodeDataSize, 0));
}

PLazyNode TBaseLazyTree::AllocateNode()
{
    ensureNodeDataSize();
    if (FStore->Allocator.liveCount() == 0)
        FStore->Allocator.setBlockSize(nodeBlockSize());
    auto *node = static_cast<PLazyNode>(FStore->Allocator.allocate());
    node->TotalCount = 1;
    node->NodeHeight = static_cast<std::uint16_t>(FStore->DefaultNodeHeight);
    node->TotalHeight = FStore->DefaultNodeHeight;
    node->States = vsVisible;
    node->Align = 50;
    return node;
}

void *TBaseLazyTree::GetNodeData(PLazyNode Node)
{
    LT_ASSERT(FStore->NodeDataSize > 0, assertions::nodeDataSizeNotInitialized);
    if (!Node || Node == FStore->Root)
        return nullptr;
    return Node->GetData();
}

void TBaseLazyTree::checkInitialUserData(void *UserData)
{
    if (!UserData)
        return;
    ensureNodeDataSize();
    LT_ASSERT_TEXT(FStore->NodeDataSize >= static_cast<int>(sizeof(void *)), ClassName() + QString::fromUtf8(assertions::notEnoughUserData));
}

void TBaseLazyTree::SetNodeData(PLazyNode Node, void *pUserData)
{
    LT_ASSERT_TEXT(FStore->NodeDataSize >= static_cast<int>(sizeof(void *)), ClassName() + QString::fromUtf8(assertions::notEnoughUserData));
    if (Node && Node != FStore->Root)
        Node->SetData(pUserData);
}

void TBaseLazyTree::SetNodeData(PLazyNode Node, platform::IInterface *pUserData)
{
    LT_ASSERT_TEXT(FStore->NodeDataSize >= static_cast<int>(sizeof(void *)), ClassName() + QString::fromUtf8(assertions::notEnoughUserData));
    if (Node && Node != FStore->Root)
        Node->SetData(pUserData);
}

platform::InterfaceRef<platform::IInterface> TBaseLazyTree::GetNodeInterface(PLazyNode Node)
{
    if (!Node)
        return {};
    void *data = GetNodeData(Node);
    if (!data || FStore->NodeDataSize < static_cast<int>(sizeof(void *)))
        return {};
    platform::IInterface *stored = nullptr;
    std::memcpy(&stored, data, sizeof stored);
    return platform::InterfaceRef<platform::IInterface>(stored);
}

unsigned TBaseLazyTree::GetNodeLevel(PLazyNode Node) const
{
    if (!Node || Node == FStore->Root)
        return 0;
    unsigned level = 0;
    for (PLazyNode parent = Node->Parent; parent != FStore->Root; parent = parent->Parent)
        ++level;
    return level;
}

PLazyNode TBaseLazyTree::GetNodeParent(PLazyNode Node) const
{
    if (!Node || Node == FStore->Root || Node->Parent == FStore->Root)
        return nullptr;
    return Node->Parent;
}

void TBaseLazyTree::SetNodeParent(PLazyNode Node, PLazyNode Value)
{
    if (Node && Value && Node->Parent != Value)
        MoveTo(Node, Value, TLTNodeAttachMode::amAddChildLast, false);
}

void TBaseLazyTree::SetVerticalAlignment(PLazyNode Node, std::uint8_t Value)
{
    if (!Node || Node == FStore->Root)
        return;
    Value = std::min<std::uint8_t>(Value, 100);
    if (Node->Align == Value)
        return;
    Node->Align = Value;
    if (GetFullyVisible(Node) && !GetEffectivelyFiltered(Node))
        InvalidateNode(Node);
}

unsigned TBaseLazyTree::TotalCount()
{
    RaisedUpdateCount raised(*this);
    ValidateNode(FStore->Root, true);
    return FStore->Root->TotalCount - 1;
}

TBaseLazyTree *TBaseLazyTree::OwnerTreeOf(PLazyNode Node)
{
    LT_ASSERT(Node, assertions::nodeNil);
    while (Node->NextSibling != Node)
        Node = Node->Parent;
    return reinterpret_cast<TBaseLazyTree *>(Node->Parent);
}

void TBaseLazyTree::SetNodeDataSize(int value)
{
    value = std::max(value, -1);
    if (value == FStore->NodeDataSize)
        return;
    // Nodes that would survive the change keep areas of the old size: refuse.
    if ((IsReadOnly() || FStore->Loading) && FStore->Root->ChildCount > 0)
        return;
    FStore->NodeDataSize = value;
    if (FStore->Loading)
        return;
    const std::uint32_t count = FStore->Root->ChildCount;
    Clear();
    SetRootNodeCount(count);
}

void TBaseLazyTree::SetDefaultNodeHeight(unsigned value)
{
    if (value == 0)
        value = 18;
    value = std::min(value, largestNodeHeight);
    if (value == FStore->DefaultNodeHeight)
        return;
    const std::int64_t difference = static_cast<std::int64_t>(value) - FStore->DefaultNodeHeight;
    FStore->Root->TotalHeight = static_cast<std::uint32_t>(FStore->Root->TotalHeight + difference);
    FStore->Root->NodeHeight = static_cast<std::uint16_t>(value);
    FStore->DefaultNodeHeight = value;
    MarkCacheStale();
    if (!IsUpdating() && HandleAllocated() && !FStore->Loading) {
        ScheduleCacheValidation();
        UpdateScrollBars(true);
        ScrollIntoView(FocusedNode(), toOption(TLTSelectionOption::toCenterScrollIntoView), true);
        Invalidate();
    }
}

void TBaseLazyTree::PropagateTotalCount(PLazyNode Node, std::int64_t Value, bool Relative)
{
    if (!Relative)
        Value -= Node->TotalCount;
    if (Value == 0)
        return;
    for (PLazyNode node = Node;; node = node->Parent) {
        node->TotalCount = static_cast<std::uint32_t>(node->TotalCount + Value);
        if (node == FStore->Root)
            break;
    }
}

void TBaseLazyTree::PropagateTotalHeight(PLazyNode Node, std::int64_t Value, bool Relative)
{
    if (!Relative)
        Value -= Node->TotalHeight;
    if (Value != 0) {
        for (PLazyNode node = Node;; node = node->Parent) {
            node->TotalHeight = static_cast<std::uint32_t>(node->TotalHeight + Value);
            if (node == FStore->Root || !node->States.contains(vsVisible) || !node->Parent
                || !node->Parent->States.contains(vsExpanded))
                break;
        }
    }
    UpdateVerticalRange();
}

namespace {
// Calls visit for every node of top's subtree, children before their parent,
// without recursion.
template <class Visit>
void forEachPostOrder(PLazyNode top, Visit visit)
{
    PLazyNode node = top;
    while (node->FirstChild)
        node = node->FirstChild;
    for (;;) {
        visit(node);
        if (node == top)
            return;
        if (node->NextSibling) {
            node = node->NextSibling;
            while (node->FirstChild)
                node = node->FirstChild;
        } else {
            node = node->Parent;
        }
    }
}
} // namespace

void TBaseLazyTree::RecountSubtree(PLazyNode Node)
{
    forEachPostOrder(Node, [](PLazyNode node) {
        std::uint32_t count = 1;
        for (PLazyNode child = node->FirstChild; child; child = child->NextSibling)
            count += child->TotalCount;
        node->TotalCount = count;
    });
}

void TBaseLazyTree::RecomputeSubtreeHeight(PLazyNode Node)
{
    forEachPostOrder(Node, [this](PLazyNode node) {
        std::uint32_t height = GetEffectivelyFiltered(node) ? 0 : node->NodeHeight;
        if (node->States.contains(vsExpanded))
            for (PLazyNode child = node->FirstChild; child; child = child->NextSibling)
                if (child->States.contains(vsVisible))
                    height += child->TotalHeight;
        node->TotalHeight = height;
    });
}

PLazyNode TBaseLazyTree::RootNode() const { return FStore->Root; }

int TBaseLazyTree::NodeDataSize() const { return FStore->NodeDataSize; }

unsigned TBaseLazyTree::DefaultNodeHeight() const { return FStore->DefaultNodeHeight; }

unsigned TBaseLazyTree::VisibleCount() const { return FStore->VisibleCount; }

std::uint32_t TBaseLazyTree::RootNodeCount() const { return FStore->Root->ChildCount; }

bool TBaseLazyTree::IsEmpty() const { return FStore->Root->ChildCount == 0; }

PLazyNode TBaseLazyTree::nodeOrNil(PLazyNode Node) const { return Node == FStore->Root ? nullptr : Node; }

const NodeAllocator &TBaseLazyTree::Allocator() const { return FStore->Allocator; }

void TBaseLazyTree::BeginLoading() { FStore->Loading = true; }

bool TBaseLazyTree::IsLoading() const { return FStore->Loading; }

bool TBaseLazyTree::IsDestroying() const { return FStore->Destroying; }

void TBaseLazyTree::freeNodeRecord(PLazyNode Node)
{
    if (Node->States.contains(vsReleaseCallOnUserDataRequired) && FStore->NodeDataSize >= static_cast<int>(sizeof(void *))) {
        platform::IInterface *stored = nullptr;
        std::memcpy(&stored, reinterpret_cast<std::byte *>(Node) + NodeDataOffset, sizeof stored);
        if (stored)
            stored->Release();
    }
    FStore->Allocator.release(Node);
}

TBaseLazyTree::StateScope::StateScope(TBaseLazyTree &tree, TLazyTreeState state) : m_leave(enter(tree, state)) {}

TBaseLazyTree::StateScope::Leave TBaseLazyTree::StateScope::enter(TBaseLazyTree &tree, TLazyTreeState state)
{
    const bool entered = !tree.TreeStates().contains(state);
    if (entered)
        tree.ChangeTreeStates(state, {});
    return {&tree, state, entered};
}

void TBaseLazyTree::StateScope::Leave::operator()() const
{
    if (Entered)
        Tree->ChangeTreeStates({}, State);
}

void TBaseLazyTree::linkAsLastChild(PLazyNode Parent, PLazyNode Node)
{
    Node->Parent = Parent;
    Node->PrevSibling = Parent->LastChild;
    Node->NextSibling = nullptr;
    if (Parent->LastChild) {
        Parent->LastChild->NextSibling = Node;
        Node->Index = Parent->LastChild->Index + 1;
    } else {
        Parent->FirstChild = Node;
        Node->Index = 0;
    }
    Parent->LastChild = Node;
}

bool TBaseLazyTree::autoSortApplies() const
{
    // Without a comparison every order is sorted; skipping it keeps adding
    // children one by one linear.
    return toOption(TLTAutoOption::toAutoSort) && SortColumn() >= NoColumn && OnCompareNodes;
}

} // namespace vtree
