// The selection and the focus. Selected nodes carry vsSelected and sit in an
// array sorted by address for a fast membership test; during an update a
// removed entry is only marked (lowest address bit set, node records being
// aligned) and packed out when the update ends.
#include "controls/vtree/BaseLazyTree.h"
#include "controls/vtree/TreeErrors.h"
#include "platform/InterfaceThread.h"

#include <algorithm>
#include <cstdint>

namespace vtree {

using enum TLazyNodeState;
using enum TLTSelectionOption;

namespace {
PLazyNode marked(PLazyNode node) { return reinterpret_cast<PLazyNode>(reinterpret_cast<std::uintptr_t>(node) | 1u); }
bool isMarked(PLazyNode node) { return (reinterpret_cast<std::uintptr_t>(node) & 1u) != 0; }
bool byAddress(PLazyNode a, PLazyNode b) { return reinterpret_cast<std::uintptr_t>(a) < reinterpret_cast<std::uintptr_t>(b); }
} // namespace

bool TBaseLazyTree::FindInSelection(PLazyNode Node, std::size_t &Index) const
{
    const auto it = std::lower_bound(FSelection.begin(), FSelection.end(), Node, byAddress);
    Index = static_cast<std::size_t>(it - FSelection.begin());
    return it != FSelection.end() && *it == Node;
}

void TBaseLazyTree::PackSelection()
{
    std::erase_if(FSelection, isMarked);
}

void TBaseLazyTree::removeFromSelectionSilently(PLazyNode Node)
{
    std::size_t index;
    if (FindInSelection(Node, index)) {
        FSelection[index] = marked(Node);
        --FSelectionCount;
    }
    Node->States.exclude(vsSelected);
}

bool TBaseLazyTree::toggleInSelection(PLazyNode Node, TNodeArray &Collected)
{
    if (!Node->States.contains(vsSelected)) {
        Collected.push_back(Node);
        return false;
    }
    removeFromSelectionSilently(Node);
    NotifyRemoveFromSelection(Node);
    return true;
}

void TBaseLazyTree::clearSelectionSilently()
{
    for (PLazyNode node : FSelection)
        if (!isMarked(node))
            node->States.exclude(vsSelected);
    FSelection.clear();
    FSelectionCount = 0;
}

bool TBaseLazyTree::AppendToSelection(const PLazyNode *Nodes, std::size_t Count, bool ForceInsert)
{
    if (Count == 0)
        return false;
    TNodeArray accepted;
    accepted.reserve(Count);
    if (ForceInsert) {
        for (std::size_t i = 0; i < Count; ++i) {
            Nodes[i]->States.include(vsSelected);
            accepted.push_back(Nodes[i]);
            NotifyAddToSelection(Nodes[i]);
        }
    } else {
        const bool levelConstraint = toOption(toLevelSelectConstraint);
        const bool siblingConstraint = toOption(toSiblingSelectConstraint);
        if (levelConstraint && FLastSelectionLevel < 0)
            FLastSelectionLevel = static_cast<int>(GetNodeLevel(Nodes[0]));
        if (siblingConstraint && !FRangeAnchor)
            FRangeAnchor = Nodes[0];
        for (std::size_t i = 0; i < Count; ++i) {
            PLazyNode node = Nodes[i];
            if (node->States.containsAny({vsSelected, vsDisabled}))
                continue;
            if (levelConstraint && static_cast<int>(GetNodeLevel(node)) != FLastSelectionLevel)
                continue;
            if (siblingConstraint && node->Parent != FRangeAnchor->Parent)
                continue;
            node->States.include(vsSelected);
            accepted.push_back(node);
            NotifyAddToSelection(node);
        }
    }
    if (accepted.empty())
        return false;
    // Nodes made one after another usually arrive in address order already.
    if (!std::is_sorted(accepted.begin(), accepted.end(), byAddress))
        std::sort(accepted.begin(), accepted.end(), byAddress);
    const std::size_t before = FSelection.size();
    const std::size_t added = accepted.size();
    if (before == 0) {
        FSelection = std::move(accepted);
    } else {
        TNodeArray merged;
        merged.reserve(before + added);
        std::merge(FSelection.begin(), FSelection.end(), accepted.begin(), accepted.end(), std::back_inserter(merged),
                   byAddress);
        FSelection = std::move(merged);
    }
    FSelectionCount += static_cast<unsigned>(added);
    LT_ASSERT(FSelection.size() == before + added, assertions::selectionCountMismatch);
    return true;
}

void TBaseLazyTree::AddToSelection(PLazyNode Node)
{
    LT_ASSERT(Node, assertions::nodeNilSelection);
    if (!AppendToSelection(&Node, 1, false))
        return;
    if (FSelectionCount == 1)
        SetFocusedNode(Node);
    InvalidateNode(Node);
    AnnounceChange(Node);
}

void TBaseLazyTree::AddNodesToSelection(const PLazyNode *NewItems, std::size_t NewLength, bool ForceInsert)
{
    const unsigned before = FSelectionCount;
    if (!AppendToSelection(NewItems, NewLength, ForceInsert))
        return;
    if (FSelectionCount - before == 1) {
        PLazyNode added = nullptr;
        for (std::size_t i = 0; i < NewLength && !added; ++i)
            if (NewItems[i]->States.contains(vsSelected))
                added = NewItems[i];
        InvalidateNode(added);
        AnnounceChange(added);
    } else {
        Invalidate();
        AnnounceChange(nullptr);
    }
}

void TBaseLazyTree::RemoveFromSelection(PLazyNode Node)
{
    LT_ASSERT(Node, assertions::nodeNilSelection);
    LT_ASSERT_TEXT(platform::isInterfaceThread(), assertions::removeFromSelectionThread(ClassName()));
    if (!Node->States.contains(vsSelected))
        return;
    Node->States.exclude(vsSelected);
    std::size_t index;
    if (FindInSelection(Node, index)) {
        FSelection.erase(FSelection.begin() + static_cast<std::ptrdiff_t>(index));
        --FSelectionCount;
    }
    if (FSelectionCount == 0)
        ResetRangeAnchor();
    if (FSelectionCount <= 1)
        UpdateNextNodeToSelect(Node);
    NotifyRemoveFromSelection(Node);
    AnnounceChange(Node);
}

void TBaseLazyTree::ClearSelection()
{
    if (FSelectionCount == 0 || FDestroying)
        return;
    Invalidate();
    TNodeArray removed;
    removed.swap(FSelection);
    FSelectionCount = 0;
    for (auto it = removed.rbegin(); it != removed.rend(); ++it) {
        if (isMarked(*it))
            continue;
        (*it)->States.exclude(vsSelected);
        NotifyRemoveFromSelection(*it);
    }
    ResetRangeAnchor();
    AnnounceChange(nullptr);
}

void TBaseLazyTree::SetSelected(PLazyNode Node, bool Value)
{
    if (!Node || Node == FRoot || Node->States.contains(vsSelected) == Value)
        return;
    if (Value) {
        if (FSelectionCount == 0)
            FRangeAnchor = Node;
        if (!toOption(toMultiSelect))
            ClearSelection();
        AddToSelection(Node);
        if (!toOption(toMultiSelect))
            SetFocusedNode(Node);
        if ((FFocusedColumn < 0 || !IsValidColumn(FFocusedColumn)) && MainColumn() >= 0) {
            if (ColumnAllowsFocus(MainColumn()))
                FFocusedColumn = MainColumn();
        }
        if (!FRangeAnchor)
            FRangeAnchor = Node;
    } else {
        RemoveFromSelection(Node);
        if (FSelectionCount == 0)
            ResetRangeAnchor();
    }
    if (GetFullyVisible(Node) && !GetEffectivelyFiltered(Node))
        InvalidateNode(Node);
}

void TBaseLazyTree::SelectAll(bool VisibleOnly)
{
    if (!toOption(toMultiSelect))
        return;
    TNodeArray nodes;
    for (PLazyNode node = VisibleOnly ? GetFirstVisible() : GetFirst(); node;
         node = VisibleOnly ? GetNextVisible(node) : GetNext(node))
        if (!node->States.contains(vsSelected))
            nodes.push_back(node);
    AddNodesToSelection(nodes.data(), nodes.size());
    Invalidate();
}

void TBaseLazyTree::InvertSelection(bool VisibleOnly)
{
    if (!toOption(toMultiSelect))
        return;
    TNodeArray added;
    bool removed = false;
    for (PLazyNode node = VisibleOnly ? GetFirstVisibleNoInit() : GetFirstNoInit(); node;
         node = VisibleOnly ? GetNextVisibleNoInit(node) : GetNextNoInit(node)) {
        if (toggleInSelection(node, added))
            removed = true;
    }
    PackSelection();
    AppendToSelection(added.data(), added.size(), false);
    Invalidate();
    if (removed || !added.empty())
        AnnounceChange(nullptr);
    if (FSelectionCount == 0)
        FNextNodeToSelect = nullptr;
}

TNodeArray TBaseLazyTree::GetSortedSelection(bool Resolve)
{
    return sortedNodesIn(vsSelected, Resolve, FSelectionCount);
}

void TBaseLazyTree::SelectRange(PLazyNode StartNode, PLazyNode EndNode, bool AddOnly)
{
    LT_ASSERT(EndNode, assertions::endNodeNil);
    if (!StartNode || !GetFullyVisible(StartNode)) {
        PLazyNode previous = StartNode ? GetPreviousVisible(StartNode) : nullptr;
        StartNode = previous ? previous : GetFirstVisible();
    }
    if (!StartNode)
        return;
    if (CompareTreeOrder(EndNode, StartNode, true) < 0)
        std::swap(StartNode, EndNode);
    PLazyNode anchor = FRangeAnchor;
    if (!AddOnly)
        clearSelectionSilently();
    TNodeArray nodes;
    for (PLazyNode node = StartNode; node; node = GetNextVisible(node)) {
        nodes.push_back(node);
        if (node == EndNode)
            break;
    }
    AppendToSelection(nodes.data(), nodes.size(), false);
    if (anchor && anchor->States.contains(vsSelected))
        FRangeAnchor = anchor;
}

void TBaseLazyTree::UnselectRange(PLazyNode StartNode, PLazyNode EndNode)
{
    LT_ASSERT(EndNode, assertions::endNodeNil);
    if (!StartNode) {
        StartNode = FRoot->FirstChild;
    } else if (!GetFullyVisible(StartNode)) {
        PLazyNode previous = GetPreviousVisible(StartNode);
        StartNode = previous ? previous : FRoot->FirstChild;
    }
    if (!StartNode)
        return;
    if (CompareTreeOrder(EndNode, StartNode, true) < 0)
        std::swap(StartNode, EndNode);
    for (PLazyNode node = StartNode; node; node = GetNextVisible(node)) {
        if (node->States.contains(vsSelected)) {
            removeFromSelectionSilently(node);
            NotifyRemoveFromSelection(node);
            AnnounceChange(node);
        }
        if (node == EndNode)
            break;
    }
    PackSelection();
    FSelection.shrink_to_fit();
}

void TBaseLazyTree::ToggleRangeSelection(PLazyNode StartNode, PLazyNode EndNode)
{
    LT_ASSERT(EndNode, assertions::endNodeNil);
    if (!StartNode)
        StartNode = FRoot->FirstChild;
    else if (!GetFullyVisible(StartNode))
        StartNode = GetPreviousVisible(StartNode);
    if (!StartNode || StartNode == EndNode)
        return;
    if (CompareTreeOrder(StartNode, EndNode, true) > 0)
        std::swap(StartNode, EndNode);
    PLazyNode anchor = FRangeAnchor;
    TNodeArray added;
    bool removed = false;
    auto toggle = [&](PLazyNode node) {
        if (toggleInSelection(node, added))
            removed = true;
    };
    // The ends toggle only on the far side of the anchor, so that moving
    // back toward it gives up what the last move took.
    if (!anchor || CompareTreeOrder(StartNode, anchor, true) < 0)
        toggle(StartNode);
    for (PLazyNode node = GetNextVisible(StartNode); node && node != EndNode; node = GetNextVisible(node))
        toggle(node);
    if (!anchor || CompareTreeOrder(EndNode, anchor, true) > 0)
        toggle(EndNode);
    PackSelection();
    if (anchor && !anchor->States.contains(vsSelected))
        added.push_back(anchor);
    if (!added.empty())
        AddNodesToSelection(added.data(), added.size());
    else if (removed)
        AnnounceChange(nullptr);
}

void TBaseLazyTree::StopIncrementalSearch()
{
    KillTreeTimer(SearchTimer);
    setSearchBuffer({});
    FLastSearchNode = nullptr;
    ChangeTreeStates({}, TLazyTreeState::tsIncrementalSearching);
}

bool TBaseLazyTree::IsMouseSelecting() const
{
    return FStates.containsAny({TLazyTreeState::tsDrawSelPending, TLazyTreeState::tsDrawSelecting});
}

void TBaseLazyTree::ResetRangeAnchor()
{
    FRangeAnchor = FFocusedNode;
    FLastSelectionLevel = -1;
}

void TBaseLazyTree::UpdateNextNodeToSelect(PLazyNode Node)
{
    if (!toOption(toAlwaysSelectNode))
        return;
    if (Node->NextSibling)
        FNextNodeToSelect = Node->NextSibling;
    else if (Node->PrevSibling)
        FNextNodeToSelect = Node->PrevSibling;
    else if (Node->Parent != FRoot)
        FNextNodeToSelect = Node->Parent;
    else
        FNextNodeToSelect = Node->FirstChild;
}

void TBaseLazyTree::AnnounceChange(PLazyNode Node)
{
    if (FStates.contains(TLazyTreeState::tsChangePending))
        KillTreeTimer(ChangeTimer);
    else
        ChangeTreeStates(TLazyTreeState::tsChangePending, {});
    FLastChangedNode = Node;
    if (IsUpdating())
        return;
    if (FChangeDelay > 0 && !FStates.contains(TLazyTreeState::tsSynchMode))
        SetTreeTimer(ChangeTimer, FChangeDelay);
    else
        NotifyChange(Node);
}

void TBaseLazyTree::EnsureNodeSelected()
{
    if (!toOption(toAlwaysSelectNode) || IsEmpty())
        return;
    if (FSelectionCount == 0) {
        if (FNextNodeToSelect)
            SetSelected(FNextNodeToSelect, true);
        else if (Focused())
            SetSelected(GetFirstVisible(), true);
    }
    if (!FFocusedNode) {
        PLazyNode first = GetFirstSelected();
        SetFocusedNode(first ? first : GetFirstVisible());
    }
    if (PLazyNode first = GetFirstSelected())
        ScrollIntoView(first, false, false);
}

void TBaseLazyTree::SetFocusedNode(PLazyNode Node)
{
    PLazyNode old = FFocusedNode;
    FocusNode(Node, true);
    if (FFocusedNode != old)
        NotifyFocusChanged(FFocusedNode, FFocusedColumn);
}

void TBaseLazyTree::FocusNode(PLazyNode Node, bool Ask)
{
    if (FStates.contains(TLazyTreeState::tsEditing) && !EndEditNode())
        return;
    Node = nodeOrNil(Node);
    if (Node != FFocusedNode && (!Ask || QueryFocusChanging(FFocusedNode, Node, FFocusedColumn, FFocusedColumn))) {
        PLazyNode old = FFocusedNode;
        if (old) {
            if (toOption(TLTAutoOption::toAutoExpand) && Node && Node->Parent == old->Parent
                && old->States.contains(vsExpanded))
                ToggleNode(old);
            else
                InvalidateNode(old);
        }
        FFocusedNode = Node;
    }
    if (FFocusedNode) {
        if (ColumnsUsed() && !IsValidColumn(FFocusedColumn))
            FFocusedColumn = MainColumn();
        if (toOption(TLTAutoOption::toAutoExpand) && !FFocusedNode->States.contains(vsExpanded))
            ToggleNode(FFocusedNode);
        InvalidateNode(FFocusedNode);
        if (!IsUpdating() && !toOption(TLTAutoOption::toDisableAutoscrollOnFocus)) {
            const bool buttonDown = FStates.containsAny(
                {TLazyTreeState::tsLeftButtonDown, TLazyTreeState::tsMiddleButtonDown, TLazyTreeState::tsRightButtonDown});
            ScrollIntoView(FFocusedNode, toOption(toCenterScrollIntoView) && !buttonDown, !toOption(toFullRowSelect));
        }
    }
    if (FSelectionCount == 0)
        ResetRangeAnchor();
}

void TBaseLazyTree::SetFocusedColumn(TColumnIndex Value)
{
    if (Value == FFocusedColumn)
        return;
    if (!QueryFocusChanging(FFocusedNode, FFocusedNode, FFocusedColumn, Value))
        return;
    CancelEditNode();
    InvalidateColumn(FFocusedColumn);
    InvalidateColumn(Value);
    FFocusedColumn = Value;
    if (FFocusedNode && !toOption(TLTAutoOption::toDisableAutoscrollOnFocus)
        && ScrollIntoView(FFocusedNode, toOption(toCenterScrollIntoView), true))
        InvalidateNode(FFocusedNode);
    if (FDropTargetNode)
        InvalidateNode(FDropTargetNode);
    NotifyFocusChanged(FFocusedNode, FFocusedColumn);
}

} // namespace vtree
