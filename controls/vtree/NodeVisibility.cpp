// Expansion, hiding, filtering and row heights. Every change keeps the
// subtree totals and the count of rows the tree can show exact.
#include "controls/vtree/BaseLazyTree.h"
#include "controls/vtree/TreeNodeStore.h"
#include "platform/ScopeGuard.h"
#include "controls/vtree/TreeErrors.h"

#include <algorithm>

namespace vtree {

using enum TLazyNodeState;
using TLazyTreeState::tsCollapsing;
using TLazyTreeState::tsExpanding;
using TLazyTreeState::tsToggling;

bool TBaseLazyTree::GetEffectivelyFiltered(PLazyNode Node) const
{
    return Node && Node->States.contains(vsFiltered) && !toOption(TLTPaintOption::toShowFilteredNodes);
}

bool TBaseLazyTree::GetEffectivelyVisible(PLazyNode Node) const
{
    return Node && Node->States.contains(vsVisible) && !GetEffectivelyFiltered(Node);
}

bool TBaseLazyTree::shownPathFrom(PLazyNode Node) const
{
    for (PLazyNode parent = Node->Parent; parent != FStore->Root; parent = parent->Parent)
        if (!parent->States.containsAll({vsExpanded, vsVisible}))
            return false;
    return true;
}

bool TBaseLazyTree::GetVisiblePath(PLazyNode Node) const
{
    LT_ASSERT(Node && Node != FStore->Root, assertions::invalidParameters);
    return shownPathFrom(Node);
}

bool TBaseLazyTree::GetFullyVisible(PLazyNode Node) const
{
    LT_ASSERT(Node, assertions::invalidParameter);
    return Node->States.contains(vsVisible) && (Node == FStore->Root || shownPathFrom(Node));
}

void TBaseLazyTree::SetFullyVisible(PLazyNode Node, bool Value)
{
    LT_ASSERT(Node && Node != FStore->Root, assertions::invalidParameterNoStop);
    SetVisible(Node, Value);
    if (!Value)
        return;
    for (PLazyNode parent = Node->Parent; parent != FStore->Root; parent = parent->Parent) {
        if (!parent->States.contains(vsExpanded))
            ToggleNode(parent);
        if (!parent->States.contains(vsVisible))
            SetVisible(parent, true);
    }
}

void TBaseLazyTree::SetVisiblePath(PLazyNode Node, bool Value)
{
    LT_ASSERT(Node && Node != FStore->Root, assertions::invalidParameter);
    if (!Value)
        return;
    for (PLazyNode parent = Node->Parent; parent != FStore->Root; parent = parent->Parent)
        if (!parent->States.contains(vsExpanded))
            ToggleNode(parent);
}

void TBaseLazyTree::SetExpanded(PLazyNode Node, bool Value)
{
    if (Node && Node != FStore->Root && Node->States.contains(vsExpanded) != Value)
        ToggleNode(Node);
}

void TBaseLazyTree::ToggleNode(PLazyNode Node)
{
    LT_ASSERT(Node, assertions::nodeNil);
    if (Node == FStore->Root || Node->States.containsAny({vsDeleting, vsToggling}))
        return;
    StateScope toggling(*this, tsToggling);
    Node->States.include(vsToggling);
    platform::Finally leave([Node] { Node->States.exclude(vsToggling); });

    bool toggled = false;
    if (Node->States.contains(vsExpanded)) {
        if (QueryCollapsing(Node)) {
            AnimateToggle(Node, false, std::int64_t(Node->NodeHeight) - std::int64_t(Node->TotalHeight));
            PropagateTotalHeight(Node, GetEffectivelyFiltered(Node) ? 0 : Node->NodeHeight, false);
            if (GetFullyVisible(Node))
                FStore->VisibleCount -= ShownDescendantCount(Node);
            Node->States.exclude(vsExpanded);
            toggled = true;
            NotifyCollapsed(Node);
            if (toOption(TLTAutoOption::toAutoFreeOnCollapse) && Node->FirstChild) {
                DeleteChildren(Node, false);
                Node->States.include(vsHasChildren);
            }
        }
    } else if (QueryExpanding(Node)) {
        initOnDemand(Node);
        createChildrenOnDemand(Node);
        std::int64_t heightDelta = 0;
        for (PLazyNode child = Node->FirstChild; child; child = child->NextSibling) {
            if (child->States.contains(vsVisible)) {
                MeasureItemHeight(TreeCanvas(), child);
                heightDelta += child->TotalHeight;
            }
        }
        if (autoSortApplies())
            Sort(Node, SortColumn(), SortDirection(), false);
        AnimateToggle(Node, true, heightDelta);
        Node->States.include(vsExpanded);
        PropagateTotalHeight(Node, heightDelta, true);
        if (GetFullyVisible(Node))
            FStore->VisibleCount += ShownDescendantCount(Node);
        toggled = true;
        NotifyExpanded(Node);
    }
    if (!toggled)
        return;
    MarkCacheStale();
    if (IsUpdating()) {
        UpdateRanges();
        return;
    }
    ScheduleCacheValidation();
    if (Node->FirstChild) {
        UpdateRanges();
        UpdateScrollBars(true);
        InvalidateToBottom(Node);
    } else {
        InvalidateNode(Node);
    }
}

void TBaseLazyTree::FullExpand(PLazyNode Node)
{
    if (FStore->Root->TotalCount < 2)
        return;
    if (Node == FStore->Root)
        Node = nullptr;
    StateScope expanding(*this, tsExpanding);
    BeginOperation(TLTOperationKind::okExpand);
    platform::Finally endOperation([this] { EndOperation(TLTOperationKind::okExpand); });
    BeginUpdate();
    platform::Finally endUpdate([this] { EndUpdate(); });

    PLazyNode stop = Node ? nextAfterSubtree(Node) : nullptr;
    PLazyNode node = Node ? Node : FStore->Root->FirstChild;
    initOnDemand(node);
    while (node && node != stop) {
        if (!node->States.contains(vsExpanded))
            ToggleNode(node);
        if (OperationCancelRequested())
            break;
        node = GetNext(node, false);
    }
}

void TBaseLazyTree::FullCollapse(PLazyNode Node)
{
    if (FStore->Root->TotalCount < 2)
        return;
    if (Node == FStore->Root)
        Node = nullptr;
    StateScope collapsing(*this, tsCollapsing);
    BeginUpdate();
    platform::Finally endUpdate([this] { EndUpdate(); });

    for (PLazyNode node = GetLastVisibleNoInit(Node, true); node && node != Node; node = GetPreviousNoInit(node, true))
        if (node->States.containsAll({vsExpanded, vsHasChildren}))
            ToggleNode(node);
    if (Node && Node->States.containsAll({vsExpanded, vsHasChildren}))
        ToggleNode(Node);
}

bool TBaseLazyTree::GetVisible(PLazyNode Node)
{
    if (!Node)
        Node = FStore->Root;
    initOnDemand(Node);
    return Node->States.contains(vsVisible);
}

void TBaseLazyTree::SetVisible(PLazyNode Node, bool Value)
{
    LT_ASSERT(Node && Node != FStore->Root, assertions::invalidParameter);
    if (Node->States.contains(vsVisible) == Value)
        return;
    StopCacheValidation();
    const unsigned oldVisibleCount = FStore->VisibleCount;
    PLazyNode parent = Node->Parent;
    const bool parentExpanded = parent->States.contains(vsExpanded);
    if (Value) {
        Node->States.include(vsVisible);
        if (parentExpanded)
            PropagateTotalHeight(parent, Node->TotalHeight, true);
        if (shownPathFrom(Node))
            FStore->VisibleCount += ShownDescendantCount(Node) + (GetEffectivelyVisible(Node) ? 1 : 0);
        if (!GetEffectivelyFiltered(Node))
            parent->States.exclude(vsAllChildrenHidden);
    } else {
        if (parentExpanded)
            PropagateTotalHeight(parent, -static_cast<std::int64_t>(Node->TotalHeight), true);
        if (shownPathFrom(Node))
            FStore->VisibleCount -= ShownDescendantCount(Node) + (GetEffectivelyVisible(Node) ? 1 : 0);
        Node->States.exclude(vsVisible);
        if (IsUpdating())
            ChangeTreeStates(TLazyTreeState::tsUpdateHiddenChildrenNeeded, {});
        else
            UpdateHiddenChildrenFlag(parent);
    }
    visibleCountChanged(oldVisibleCount);
}

// Rows came or went: the scroll range and the picture follow.
void TBaseLazyTree::visibleCountChanged(unsigned oldVisibleCount)
{
    MarkCacheStale();
    if (FStore->VisibleCount != oldVisibleCount && !IsUpdating()) {
        ScheduleCacheValidation();
        UpdateScrollBars(true);
        Invalidate();
    }
}

void TBaseLazyTree::SetFiltered(PLazyNode Node, bool Value)
{
    LT_ASSERT(Node && Node != FStore->Root, assertions::invalidParameter);
    initOnDemand(Node);
    if (Node->States.contains(vsFiltered) == Value)
        return;
    StopCacheValidation();
    const unsigned oldVisibleCount = FStore->VisibleCount;
    const bool showFiltered = toOption(TLTPaintOption::toShowFilteredNodes);
    if (Value) {
        Node->States.include(vsFiltered);
        if (!showFiltered) {
            if (!Node->States.contains(vsInitializing) || Node->States.contains(vsHasChildren))
                PropagateTotalHeight(Node, -static_cast<std::int64_t>(Node->NodeHeight), true);
            else
                PropagateTotalHeight(Node, 0, false);
            if (GetFullyVisible(Node))
                --FStore->VisibleCount;
        }
        if (IsUpdating())
            ChangeTreeStates(TLazyTreeState::tsUpdateHiddenChildrenNeeded, {});
        else
            UpdateHiddenChildrenFlag(Node->Parent);
    } else {
        Node->States.exclude(vsFiltered);
        if (!showFiltered) {
            PropagateTotalHeight(Node, Node->NodeHeight, true);
            if (GetFullyVisible(Node))
                ++FStore->VisibleCount;
        }
        if (Node->States.contains(vsVisible))
            Node->Parent->States.exclude(vsAllChildrenHidden);
    }
    visibleCountChanged(oldVisibleCount);
}

void TBaseLazyTree::SetDisabled(PLazyNode Node, bool Value)
{
    if (!Node || Node->States.contains(vsDisabled) == Value)
        return;
    if (Value)
        Node->States.include(vsDisabled);
    else
        Node->States.exclude(vsDisabled);
    if (!IsUpdating())
        InvalidateNode(Node);
}

bool TBaseLazyTree::GetMultiline(PLazyNode Node) const
{
    return Node && Node != FStore->Root && Node->States.contains(vsMultiline);
}

void TBaseLazyTree::SetMultiline(PLazyNode Node, bool Value)
{
    if (!Node || Node == FStore->Root || Node->States.contains(vsMultiline) == Value)
        return;
    if (Value)
        Node->States.include(vsMultiline);
    else
        Node->States.exclude(vsMultiline);
    if (!IsUpdating())
        InvalidateNode(Node);
}

unsigned TBaseLazyTree::GetNodeHeight(PLazyNode Node)
{
    if (!Node || Node == FStore->Root)
        return 0;
    if (toOption(TLTMiscOption::toVariableNodeHeight) && !Node->States.contains(vsDeleting)) {
        initOnDemand(Node);
        MeasureItemHeight(TreeCanvas(), Node);
    }
    return Node->NodeHeight;
}

void TBaseLazyTree::SetNodeHeight(PLazyNode Node, unsigned Value)
{
    // The record keeps 16 bits: clamped here, the totals move by what is stored.
    Value = std::min(Value, 0xFFFFu);
    if (!Node || Node == FStore->Root || Node->NodeHeight == Value || IsReadOnly())
        return;
    const std::int64_t difference = static_cast<std::int64_t>(Value) - Node->NodeHeight;
    Node->NodeHeight = static_cast<std::uint16_t>(Value);
    if (GetEffectivelyFiltered(Node))
        return;
    PropagateTotalHeight(Node, difference, true);
    UpdateEditBounds();
    MarkCacheStale();
    if (!TreeStates().containsAny({TLazyTreeState::tsValidating, TLazyTreeState::tsPainting, TLazyTreeState::tsSizing})
        && GetFullyVisible(Node) && !IsUpdating()) {
        ScheduleCacheValidation();
        InvalidateToBottom(Node);
        UpdateScrollBars(true);
    }
}

void TBaseLazyTree::MeasureItemHeight(platform::TCanvas *Canvas, PLazyNode Node)
{
    if (Node->States.contains(vsHeightMeasured))
        return;
    Node->States.include(vsHeightMeasured);
    if (!toOption(TLTMiscOption::toVariableNodeHeight))
        return;
    RunOnInterfaceThread([this, Canvas, Node] {
        int height = Node->NodeHeight;
        QueryMeasureItem(Canvas, Node, height);
        SetNodeHeight(Node, static_cast<unsigned>(std::max(height, 0)));
    });
}

void TBaseLazyTree::showFilteredRows(bool Shown)
{
    for (PLazyNode node = GetFirstNoInit(); node; node = GetNextNoInit(node)) {
        if (!node->States.contains(TLazyNodeState::vsFiltered))
            continue;
        if (GetFullyVisible(node)) {
            if (Shown)
                ++FStore->VisibleCount;
            else
                --FStore->VisibleCount;
        }
        PropagateTotalHeight(node, Shown ? node->NodeHeight : -static_cast<std::int64_t>(node->NodeHeight), true);
    }
}

} // namespace vtree
