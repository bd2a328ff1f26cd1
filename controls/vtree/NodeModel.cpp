// The node record, its data areas, the hidden root and the per-node totals.
#include "controls/vtree/BaseLazyTree.h"
#include "controls/vtree/CacheWorker.h"
#include "controls/vtree/TreeErrors.h"
#include "controls/vtree/TreeGlobals.h"

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

void TBaseLazyTree::RootDeleter::operator()(std::byte *block) const { ::operator delete[](block, rootAlignment); }

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
    FDestroying = true;
    CacheWorker::ReleaseWorkerThread(*this);
    // The nodes must go whatever the options say.
    FOptions->FMiscOptions.exclude(TLTMiscOption::toReadOnly);
    Clear();
    FTimers.reset();
}

void TBaseLazyTree::SetTreeTimers(std::unique_ptr<platform::NumberedTimers> timers)
{
    FTimers = std::move(timers);
    FTimers->setHandler([this](int id) { TimerFired(id); });
}

void TBaseLazyTree::SetTreeTimer(int Id, unsigned Milliseconds) { FTimers->setTimer(Id, std::chrono::milliseconds(Milliseconds)); }

void TBaseLazyTree::KillTreeTimer(int Id) { FTimers->killTimer(Id); }

void TBaseLazyTree::TimerFired(int Id)
{
    switch (Id) {
    case ChangeTimer:
        if (FStates.contains(TLazyTreeState::tsChangePending))
            NotifyChange(FLastChangedNode);
        else
            KillTreeTimer(ChangeTimer);
        break;
    case StructureChangeTimer:
        NotifyStructureChange(FLastStructureChangeNode, FLastStructureChangeReason);
        break;
    case SearchTimer:
        StopIncrementalSearch();
        break;
    default:
        // Numbers of the later parts fire only once they set them.
        KillTreeTimer(Id);
        break;
    }
}

void TBaseLazyTree::setupRootNode(std::size_t oldSize)
{
    const std::size_t size = sizeof(TLazyNode) + FTotalInternalDataSize;
    std::unique_ptr<std::byte[], RootDeleter> block(static_cast<std::byte *>(::operator new[](size, rootAlignment)));
    std::memset(block.get(), 0, size);
    if (FRootBlock)
        std::memcpy(block.get(), FRootBlock.get(), std::min({oldSize, FRootBlockSize, size}));
    FRootBlock = std::move(block);
    FRootBlockSize = size;
    FRoot = reinterpret_cast<PLazyNode>(FRootBlock.get());
    FRoot->PrevSibling = FRoot;
    FRoot->NextSibling = FRoot;
    // The tree stands in the root's parent link so that OwnerTreeOf finds it.
    FRoot->Parent = reinterpret_cast<PLazyNode>(this);
    FRoot->States = {vsInitialized, vsExpanded, vsHasChildren, vsVisible};
    FRoot->TotalCount = 1;
    FRoot->NodeHeight = static_cast<std::uint16_t>(FDefaultNodeHeight);
    FRoot->TotalHeight = FDefaultNodeHeight;
    FRoot->Align = 50;
}

std::size_t TBaseLazyTree::ReserveInternalData(std::size_t Size)
{
    LT_ASSERT(FRoot->ChildCount == 0, assertions::internalDataAfterNodes);
    const std::size_t offset = sizeof(TLazyNode) + FTotalInternalDataSize;
    FTotalInternalDataSize += alignNodeArea(Size);
    setupRootNode(offset);
    return offset;
}

void *TBaseLazyTree::InternalData(PLazyNode Node, std::size_t Offset) const
{
    // Behind the caller's data, which is rounded up so that the areas keep
    // their alignment; the root has no caller's data.
    const std::size_t data = Node == FRoot ? 0 : alignNodeArea(static_cast<std::size_t>(std::max(FNodeDataSize, 0)));
    return reinterpret_cast<std::byte *>(Node) + data + Offset;
}

std::size_t TBaseLazyTree::nodeBlockSize() const
{
    return sizeof(TLazyNode) + alignNodeArea(static_cast<std::size_t>(std::max(FNodeDataSize, 0))) + FTotalInternalDataSize;
}

std::size_t TBaseLazyTree::ensureNodeDataSize()
{
    if (FNodeDataSize == -1)
        FNodeDataSize = std::max(QueryNodeDataSize(), -1);
    return static_cast<std::size_t>(std::max(FNodeDataSize, 0));
}

PLazyNode TBaseLazyTree::AllocateNode()
{
    ensureNodeDataSize();
    if (FAllocator.liveCount() == 0)
        FAllocator.setBlockSize(nodeBlockSize());
    auto *node = static_cast<PLazyNode>(FAllocator.allocate());
    node->TotalCount = 1;
    node->NodeHeight = static_cast<std::uint16_t>(FDefaultNodeHeight);
    node->TotalHeight = FDefaultNodeHeight;
    node->States = vsVisible;
    node->Align = 50;
    return node;
}

void *TBaseLazyTree::GetNodeData(PLazyNode Node)
{
    LT_ASSERT(FNodeDataSize > 0, assertions::nodeDataSizeNotInitialized);
    if (!Node || Node == FRoot)
        return nullptr;
    return Node->GetData();
}

void TBaseLazyTree::checkInitialUserData(void *UserData)
{
    if (!UserData)
        return;
    ensureNodeDataSize();
    LT_ASSERT_TEXT(FNodeDataSize >= static_cast<int>(sizeof(void *)), ClassName() + QString::fromUtf8(assertions::notEnoughUserData));
}

void TBaseLazyTree::SetNodeData(PLazyNode Node, void *pUserData)
{
    LT_ASSERT_TEXT(FNodeDataSize >= static_cast<int>(sizeof(void *)), ClassName() + QString::fromUtf8(assertions::notEnoughUserData));
    if (Node && Node != FRoot)
        Node->SetData(pUserData);
}

void TBaseLazyTree::SetNodeData(PLazyNode Node, platform::IInterface *pUserData)
{
    LT_ASSERT_TEXT(FNodeDataSize >= static_cast<int>(sizeof(void *)), ClassName() + QString::fromUtf8(assertions::notEnoughUserData));
    if (Node && Node != FRoot)
        Node->SetData(pUserData);
}

platform::InterfaceRef<platform::IInterface> TBaseLazyTree::GetNodeInterface(PLazyNode Node)
{
    if (!Node)
        return {};
    void *data = GetNodeData(Node);
    if (!data || FNodeDataSize < static_cast<int>(sizeof(void *)))
        return {};
    platform::IInterface *stored = nullptr;
    std::memcpy(&stored, data, sizeof stored);
    return platform::InterfaceRef<platform::IInterface>(stored);
}

unsigned TBaseLazyTree::GetNodeLevel(PLazyNode Node) const
{
    if (!Node || Node == FRoot)
        return 0;
    unsigned level = 0;
    for (PLazyNode parent = Node->Parent; parent != FRoot; parent = parent->Parent)
        ++level;
    return level;
}

PLazyNode TBaseLazyTree::GetNodeParent(PLazyNode Node) const
{
    if (!Node || Node == FRoot || Node->Parent == FRoot)
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
    if (!Node || Node == FRoot)
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
    ValidateNode(FRoot, true);
    return FRoot->TotalCount - 1;
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
    if (value == FNodeDataSize)
        return;
    // Nodes that would survive the change keep areas of the old size: refuse.
    if ((IsReadOnly() || FLoading) && FRoot->ChildCount > 0)
        return;
    FNodeDataSize = value;
    if (FLoading)
        return;
    const std::uint32_t count = FRoot->ChildCount;
    Clear();
    SetRootNodeCount(count);
}

void TBaseLazyTree::SetDefaultNodeHeight(unsigned value)
{
    if (value == 0)
        value = 18;
    value = std::min(value, largestNodeHeight);
    if (value == FDefaultNodeHeight)
        return;
    const std::int64_t difference = static_cast<std::int64_t>(value) - FDefaultNodeHeight;
    FRoot->TotalHeight = static_cast<std::uint32_t>(FRoot->TotalHeight + difference);
    FRoot->NodeHeight = static_cast<std::uint16_t>(value);
    FDefaultNodeHeight = value;
    MarkCacheStale();
    if (!IsUpdating() && HandleAllocated() && !FLoading) {
        ScheduleCacheValidation();
        UpdateScrollBars(true);
        ScrollIntoView(FFocusedNode, toOption(TLTSelectionOption::toCenterScrollIntoView), true);
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
        if (node == FRoot)
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
            if (node == FRoot || !node->States.contains(vsVisible) || !node->Parent
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

TBaseLazyTree::StateScope::StateScope(TBaseLazyTree &tree, TLazyTreeState state) : m_leave(enter(tree, state)) {}

TBaseLazyTree::StateScope::Leave TBaseLazyTree::StateScope::enter(TBaseLazyTree &tree, TLazyTreeState state)
{
    const bool entered = !tree.FStates.contains(state);
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
