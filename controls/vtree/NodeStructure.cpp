// Creating, linking, unlinking and deleting nodes, with the bookkeeping every
// change owes: sibling links and indexes, the totals, the visible count, the
// hidden-children flag and the structure-change notification.
#include "controls/vtree/BaseLazyTree.h"
#include "controls/vtree/TreeNodeStore.h"
#include "platform/ScopeGuard.h"
#include "controls/vtree/TreeErrors.h"

#include <exception>

namespace vtree {

using enum TLazyNodeState;
using enum TLTNodeAttachMode;
using TLazyTreeState::tsIterating;

std::uint32_t TBaseLazyTree::GetChildCount(PLazyNode Node) const
{
    return (Node ? Node : FStore->Root)->ChildCount;
}

bool TBaseLazyTree::GetHasChildren(PLazyNode Node) const
{
    return (Node ? Node : FStore->Root)->States.contains(vsHasChildren);
}

void TBaseLazyTree::SetHasChildren(PLazyNode Node, bool Value)
{
    if (!Node || IsReadOnly())
        return;
    if (Value) {
        Node->States.include(vsHasChildren);
    } else {
        Node->States.exclude(vsHasChildren);
        DeleteChildren(Node, false);
    }
}

void TBaseLazyTree::SetRootNodeCount(std::uint32_t Value)
{
    if (FStore->Loading) {
        // The nodes come when loading ends.
        FStore->Root->ChildCount = Value;
        ChangeTreeStates(TLazyTreeState::tsNeedRootCountUpdate, {});
        return;
    }
    if (Value == FStore->Root->ChildCount)
        return;
    BeginUpdate();
    platform::Finally end([this] { EndUpdate(); });
    StopCacheValidation();
    SetChildCount(FStore->Root, Value);
}

void TBaseLazyTree::Loaded()
{
    FStore->Loading = false;
    if (!TreeStates().contains(TLazyTreeState::tsNeedRootCountUpdate))
        return;
    ChangeTreeStates({}, TLazyTreeState::tsNeedRootCountUpdate);
    const std::uint32_t count = FStore->Root->ChildCount;
    if (count == 0 || FStore->Root->FirstChild)
        return;
    FStore->Root->ChildCount = 0;
    const bool readOnly = IsReadOnly();
    FOptions->FMiscOptions.exclude(TLTMiscOption::toReadOnly);
    platform::Finally restore([this, readOnly] {
        if (readOnly)
            FOptions->FMiscOptions.include(TLTMiscOption::toReadOnly);
    });
    BeginUpdate();
    platform::Finally end([this] { EndUpdate(); });
    SetChildCount(FStore->Root, count);
}

void TBaseLazyTree::SetChildCount(PLazyNode Node, std::uint32_t NewChildCount)
{
    if (IsReadOnly())
        return;
    if (!Node)
        Node = FStore->Root;
    if (NewChildCount == 0) {
        DeleteChildren(Node, false);
        return;
    }
    if (NewChildCount == Node->ChildCount)
        return;
    StopCacheValidation();
    if (NewChildCount > Node->ChildCount) {
        if (!Node->LastChild)
            Node->States.include(vsHasChildren);
        Node->States.exclude({vsAllChildrenHidden, vsHeightMeasured});
        const bool shown = Node->States.contains(vsExpanded) && GetFullyVisible(Node);
        const std::uint32_t oldTotalHeight = Node->TotalHeight;
        std::uint32_t created = 0;
        std::int64_t heights = 0;
        {
            // Whatever a handler does meanwhile, the nodes made so far are
            // counted.
            platform::Finally account([&] {
                if (created == 0)
                    return;
                if (Node->States.contains(vsExpanded))
                    PropagateTotalHeight(Node, oldTotalHeight + heights, false);
                PropagateTotalCount(Node, created, true);
                if (shown)
                    FStore->VisibleCount += created;
            });
            const bool variableHeight = toOption(TLTMiscOption::toVariableNodeHeight);
            while (Node->ChildCount < NewChildCount) {
                PLazyNode child = AllocateNode();
                linkAsLastChild(Node, child);
                ++Node->ChildCount;
                ++created;
                if (variableHeight)
                    GetNodeHeight(child);
                heights += child->TotalHeight;
            }
        }
        if (!IsUpdating() && autoSortApplies())
            Sort(Node, SortColumn(), SortDirection(), true);
        MarkCacheStale();
    } else {
        while (Node->ChildCount > NewChildCount && Node->LastChild)
            DeleteNode(Node->LastChild);
    }
    if (!IsUpdating()) {
        ScheduleCacheValidation();
        UpdateScrollBars(true);
        Invalidate();
    }
    ReportStructureChange(Node, TChangeReason::crChildAdded);
}

PLazyNode TBaseLazyTree::AddChild(PLazyNode Parent, void *UserData)
{
    if (IsReadOnly())
        return nullptr;
    checkInitialUserData(UserData);
    CancelEditNode();
    if (!Parent)
        Parent = FStore->Root;
    initOnDemand(Parent);
    {
        RaisedUpdateCount raised(*this);
        SetChildCount(Parent, Parent->ChildCount + 1);
        Parent->States.exclude(vsAllChildrenHidden);
    }
    PLazyNode result = Parent->LastChild;
    if (UserData)
        result->SetData(UserData);
    MarkCacheStale();
    if (IsUpdating())
        return result;
    ScheduleCacheValidation();
    if (TreeStates().contains(TLazyTreeState::tsStructureChangePending))
        ReportStructureChange(Parent, TChangeReason::crChildAdded);
    if (autoSortApplies())
        Sort(Parent, SortColumn(), SortDirection(), true);
    InvalidateToBottom(Parent);
    UpdateScrollBars(true);
    return result;
}

PLazyNode TBaseLazyTree::AddChild(PLazyNode Parent, platform::IInterface *UserData)
{
    if (!UserData)
        return AddChild(Parent, static_cast<void *>(nullptr));
    checkInitialUserData(UserData);
    UserData->AddRef();
    PLazyNode result = nullptr;
    try {
        result = AddChild(Parent, static_cast<void *>(UserData));
    } catch (...) {
        UserData->Release();
        throw;
    }
    if (result)
        result->States.include(vsReleaseCallOnUserDataRequired);
    else
        UserData->Release(); // a read-only tree made no node to hold it
    return result;
}

PLazyNode TBaseLazyTree::InsertNode(PLazyNode Node, TLTNodeAttachMode Mode, void *UserData)
{
    if (Mode == amNoWhere)
        return nullptr;
    checkInitialUserData(UserData);
    CancelEditNode();
    if (!Node)
        Node = FStore->Root;
    if (Node == FStore->Root)
        Mode = attachModeAtRoot(Mode);
    PLazyNode result = AllocateNode();
    try {
        if (Mode == amAddChildFirst || Mode == amAddChildLast)
            initOnDemand(Node);
    } catch (...) {
        FStore->Allocator.release(result);
        throw;
    }
    LinkNode(result, Node, Mode, *this);
    if (UserData)
        result->SetData(UserData);
    if (!IsUpdating()) {
        if (autoSortApplies())
            Sort(Mode == amInsertBefore || Mode == amInsertAfter ? Node->Parent : Node, SortColumn(), SortDirection(), true);
        UpdateScrollBars(true);
        InvalidateToBottom(Mode == amInsertBefore ? result : Node);
    }
    ReportStructureChange(result, TChangeReason::crNodeAdded);
    return result;
}

void TBaseLazyTree::LinkNode(PLazyNode Node, PLazyNode Destination, TLTNodeAttachMode Mode, TBaseLazyTree &Target)
{
    if (Destination == Target.FStore->Root)
        Mode = attachModeAtRoot(Mode);
    switch (Mode) {
    case amNoWhere:
        break;
    case amInsertBefore:
        Node->PrevSibling = Destination->PrevSibling;
        Destination->PrevSibling = Node;
        Node->NextSibling = Destination;
        Node->Parent = Destination->Parent;
        Node->Index = Destination->Index;
        if (Node->PrevSibling)
            Node->PrevSibling->NextSibling = Node;
        else
            Node->Parent->FirstChild = Node;
        for (PLazyNode run = Destination; run; run = run->NextSibling)
            ++run->Index;
        break;
    case amInsertAfter:
        Node->NextSibling = Destination->NextSibling;
        Destination->NextSibling = Node;
        Node->PrevSibling = Destination;
        Node->Parent = Destination->Parent;
        if (Node->NextSibling)
            Node->NextSibling->PrevSibling = Node;
        else
            Node->Parent->LastChild = Node;
        Node->Index = Destination->Index;
        for (PLazyNode run = Node; run; run = run->NextSibling)
            ++run->Index;
        break;
    case amAddChildFirst:
        Node->NextSibling = Destination->FirstChild;
        if (Destination->FirstChild)
            Destination->FirstChild->PrevSibling = Node;
        else
            Destination->LastChild = Node;
        Destination->FirstChild = Node;
        Node->PrevSibling = nullptr;
        Node->Parent = Destination;
        Node->Index = 0;
        for (PLazyNode run = Node->NextSibling; run; run = run->NextSibling)
            ++run->Index;
        break;
    case amAddChildLast:
        linkAsLastChild(Destination, Node);
        break;
    }
    Node->States.exclude({vsChecking, vsCutOrCopy, vsDeleting});
    if (Mode == amNoWhere)
        return;

    PLazyNode parent = Node->Parent;
    ++parent->ChildCount;
    parent->States.include(vsHasChildren);
    Target.PropagateTotalCount(parent, Node->TotalCount, true);
    if (parent->States.contains(vsExpanded) && Node->States.contains(vsVisible)) {
        Target.PropagateTotalHeight(parent, Node->TotalHeight, true);
        // Only rows on a visible path count.
        if (parent == Target.FStore->Root || Target.GetFullyVisible(parent))
            Target.FStore->VisibleCount += Target.ShownDescendantCount(Node) + (Target.GetEffectivelyVisible(Node) ? 1 : 0);
    }
    if (parent != Target.FStore->Root) {
        if (Target.GetEffectivelyVisible(Node))
            parent->States.exclude(vsAllChildrenHidden);
        else if (parent->ChildCount == 1)
            parent->States.include(vsAllChildrenHidden);
    }
}

void TBaseLazyTree::focusLost(PLazyNode Node)
{
    if (Node == FocusedNode()) {
        FocusNode(nullptr, false);
        NotifyFocusChanged(FocusedNode(), FocusedColumn());
    }
}

void TBaseLazyTree::UnlinkNode(PLazyNode Node, bool KeepFocus, bool Reindex, bool ParentClearing)
{
    LT_ASSERT(Node && Node != FStore->Root, assertions::nodeNilOrRoot);
    if (!KeepFocus)
        focusLost(Node);
    if (Node == RangeAnchor())
        ResetRangeAnchor();
    if (Node->States.contains(vsDeleting))
        return; // the parent is being emptied and resets its links itself
    Node->States.exclude(vsChecking);

    PLazyNode parent = Node->Parent;
    const bool heightShown = parent->States.contains(vsExpanded) && Node->States.contains(vsVisible);
    // Whether the node's rows are counted, decided before the parent may
    // collapse below.
    const unsigned counted = GetFullyVisible(Node) ? ShownDescendantCount(Node) + (GetEffectivelyVisible(Node) ? 1 : 0) : 0;
    --parent->ChildCount;
    if (parent->ChildCount == 0) {
        parent->States.exclude({vsAllChildrenHidden, vsHasChildren});
        if (parent != FStore->Root)
            parent->States.exclude(vsExpanded);
    }
    PropagateTotalCount(parent, -static_cast<std::int64_t>(Node->TotalCount), true);
    if (heightShown)
        PropagateTotalHeight(parent, -static_cast<std::int64_t>(Node->TotalHeight), true);
    FStore->VisibleCount -= counted;

    if (Node->PrevSibling)
        Node->PrevSibling->NextSibling = Node->NextSibling;
    else
        parent->FirstChild = Node->NextSibling;
    if (Node->NextSibling)
        Node->NextSibling->PrevSibling = Node->PrevSibling;
    else
        parent->LastChild = Node->PrevSibling;
    if (Reindex) {
        std::uint32_t index = Node->Index;
        for (PLazyNode run = Node->NextSibling; run; run = run->NextSibling)
            run->Index = index++;
    }
    // After the cut, so that the flag speaks of the children that stay.
    if (parent != FStore->Root && !ParentClearing) {
        if (IsUpdating())
            ChangeTreeStates(TLazyTreeState::tsUpdateHiddenChildrenNeeded, {});
        else
            UpdateHiddenChildrenFlag(parent);
    }
}

unsigned TBaseLazyTree::ShownDescendantCount(PLazyNode Node) const
{
    if (!Node->States.contains(vsExpanded))
        return 0;
    unsigned count = 0;
    PLazyNode node = Node->FirstChild;
    while (node) {
        if (node->States.contains(vsVisible)) {
            if (!GetEffectivelyFiltered(node))
                ++count;
            if (node->States.contains(vsExpanded) && node->FirstChild) {
                node = node->FirstChild;
                continue;
            }
        }
        while (node != Node && !node->NextSibling)
            node = node->Parent;
        if (node == Node)
            break;
        node = node->NextSibling;
    }
    return count;
}

void TBaseLazyTree::UpdateHiddenChildrenFlag(PLazyNode Node)
{
    if (Node->FirstChild) {
        bool allHidden = true;
        for (PLazyNode child = Node->FirstChild; child && allHidden; child = child->NextSibling)
            allHidden = !GetEffectivelyVisible(child);
        if (allHidden)
            Node->States.include(vsAllChildrenHidden);
        else
            Node->States.exclude(vsAllChildrenHidden);
    } else if (Node->States.contains(vsHasChildren)) {
        Node->States.exclude(vsAllChildrenHidden);
    } else {
        Node->States.include(vsAllChildrenHidden);
    }
}

void TBaseLazyTree::UpdateAllHiddenChildrenFlags()
{
    for (PLazyNode node = GetFirstNoInit(); node; node = GetNextNoInit(node))
        UpdateHiddenChildrenFlag(node);
}

void TBaseLazyTree::RemoveNode(PLazyNode Node, bool Reindex, bool ParentClearing)
{
    if (!Node || Node == FStore->Root || IsReadOnly())
        return;
    LT_ASSERT(!TreeStates().contains(tsIterating), assertions::deleteWhileIterating);
    PLazyNode parent = Node->Parent;
    if (!ParentClearing)
        ReportStructureChange(parent, TChangeReason::crChildDeleted);
    const int oldX = OffsetX();
    const int oldY = OffsetY();
    if (Node->States.contains(vsSelected)) {
        if (IsUpdating()) {
            removeFromSelectionSilently(Node);
        } else {
            // The selection change is reported at once, not after a delay.
            StateScope synch(*this, TLazyTreeState::tsSynchMode);
            RemoveFromSelection(Node);
        }
    }
    InvalidateToBottom(parent);
    if (TreeStates().contains(TLazyTreeState::tsHint)) {
        CancelTreeHint();
        ChangeTreeStates({}, TLazyTreeState::tsHint);
    }
    if (!ParentClearing)
        StopCacheValidation();
    DeleteChildren(Node, false);
    UnlinkNode(Node, false, Reindex, ParentClearing);
    ReleaseNode(Node);
    if (ParentClearing)
        return;
    if (parent != FStore->Root)
        UpdateHiddenChildrenFlag(parent);
    MarkCacheStale();
    if (!IsUpdating()) {
        ScheduleCacheValidation();
        UpdateScrollBars(true);
        if (oldX != OffsetX() || oldY != OffsetY())
            Invalidate();
    }
}

void TBaseLazyTree::DeleteChildren(PLazyNode Node, bool ResetHasChildren)
{
    if (!Node)
        return;
    if (!Node->FirstChild || IsReadOnly()) {
        if (ResetHasChildren)
            Node->States.exclude(vsHasChildren);
        return;
    }
    LT_ASSERT(!TreeStates().contains(tsIterating), assertions::deleteWhileIterating);
    const int oldX = OffsetX();
    const int oldY = OffsetY();
    {
        RaisedUpdateCount raised(*this);
        StopCacheValidation();
        if (Node == FStore->Root || (GetFullyVisible(Node) && Node->States.contains(vsExpanded)))
            FStore->VisibleCount -= ShownDescendantCount(Node);
        platform::Finally settle([this, Node, ResetHasChildren] {
            if (ResetHasChildren)
                Node->States.exclude(vsHasChildren);
            if (Node != FStore->Root)
                Node->States.exclude(vsExpanded);
            Node->ChildCount = 0;
            Node->FirstChild = nullptr;
            Node->LastChild = nullptr;
            if (Node == FStore->Root) {
                FStore->Root->TotalHeight = FStore->DefaultNodeHeight;
                FStore->Root->TotalCount = 1;
            } else if (!Node->States.contains(vsDeleting)) {
                PropagateTotalHeight(Node, GetEffectivelyFiltered(Node) ? 0 : Node->NodeHeight, false);
                PropagateTotalCount(Node, 1, false);
            }
        });
        freeDescendants(Node);
    }
    MarkCacheStale();
    if (!IsUpdating()) {
        PackSelection();
        ScheduleCacheValidation();
        UpdateScrollBars(true);
        if (oldX != OffsetX() || oldY != OffsetY())
            Invalidate();
        else
            InvalidateToBottom(Node);
        deliverPendingChange();
        EnsureNodeSelected();
    }
    ReportStructureChange(Node, TChangeReason::crChildDeleted);
}

// Frees every node below Node, the deepest first and the last child before
// its previous sibling, without recursion: a tree of any depth is freed on a
// small stack. Each node is released after its own children, as deleting it
// with its parent's children would: it is taken out of the selection, loses
// the focus and the range anchor, and reports its emptied child list. A
// failing handler does not leave half a tree: the freeing goes on and the
// first failure is passed on at the end.
void TBaseLazyTree::freeDescendants(PLazyNode Node)
{
    std::exception_ptr failure;
    auto guard = [&failure](auto &&work) {
        try {
            work();
        } catch (...) {
            if (!failure)
                failure = std::current_exception();
        }
    };
    if (TreeStates().contains(TLazyTreeState::tsHint))
        guard([this] {
            CancelTreeHint();
            ChangeTreeStates({}, TLazyTreeState::tsHint);
        });
    PLazyNode node = Node->LastChild;
    while (node) {
        while (node->LastChild)
            node = node->LastChild;
        PLazyNode previous = node->PrevSibling;
        PLazyNode parent = node->Parent;
        node->States.include(vsDeleting);
        if (previous)
            previous->NextSibling = nullptr;
        parent->LastChild = previous;
        if (node->ChildCount > 0) {
            // Its children are gone: it ends as an emptied node does.
            node->States.exclude(vsExpanded);
            node->ChildCount = 0;
            node->FirstChild = nullptr;
            guard([&] { ReportStructureChange(node, TChangeReason::crChildDeleted); });
        }
        if (node->States.contains(vsSelected))
            removeFromSelectionSilently(node);
        guard([&] { focusLost(node); });
        if (node == RangeAnchor())
            ResetRangeAnchor();
        guard([&] { ReleaseNode(node); });
        node = previous ? previous : (parent == Node ? nullptr : parent);
    }
    if (failure)
        std::rethrow_exception(failure);
}

void TBaseLazyTree::Clear()
{
    if (!((FStore->Root->FirstChild && !IsReadOnly()) || FStore->Destroying))
        return;
    BeginUpdate();
    platform::Finally end([this] { EndUpdate(); });
    StopCacheValidation();
    CancelEditNode();
    if (TreeStates().containsAny({TLazyTreeState::tsCutPending, TLazyTreeState::tsCopyPending})) {
        ClearClipboardOfCutCopy();
        ChangeTreeStates({}, {TLazyTreeState::tsCutPending, TLazyTreeState::tsCopyPending});
    }
    ClearSelection();
    forgetRememberedNodes();
    DeleteChildren(FStore->Root, true);
    storeOffsets(0, 0);
}

void TBaseLazyTree::DeleteSelectedNodes()
{
    if (SelectedCount() == 0 || IsReadOnly())
        return;
    BeginUpdate();
    platform::Finally end([this] { EndUpdate(); });
    const TNodeArray nodes = GetSortedSelection(true);
    for (std::size_t i = nodes.size() - 1; i > 0; --i)
        RemoveNode(nodes[i], nodes[i]->Parent != nodes[i - 1]->Parent, false);
    RemoveNode(nodes[0], true, false);
}

} // namespace vtree
