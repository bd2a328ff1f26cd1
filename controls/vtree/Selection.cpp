// The selection and the focus. Selected nodes carry vsSelected and sit in an
// array sorted by address for a fast membership test; during an update a
// removed entry is only marked (lowest address bit set, node records being
// aligned) and packed out when the update ends.
#include "controls/vtree/BaseLazyTree.h"
#include "controls/vtree/TreeSelection.h"
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
    const auto it = std::lower_bound(FSelect->Selection.begin(), FSelect->Selection.end(), Node, byAddress);
    Index = static_cast<std::size_t>(it - FSelect->Selection.begin());
    return it != FSelect->Selection.end() && *it == Node;
}

void TCorePartDeleter::operator()(TTreeSelection *Part) const { delete Part; }

TCorePart<TTreeSelection> TBaseLazyTree::newSelection() { return TCorePart<TTreeSelection>(new TTreeSelection); }

unsigned TBaseLazyTree::SelectedCount() const { return FSelect->SelectionCount; }

PLazyNode TBaseLazyTree::FocusedNode() const { return FSelect->FocusedNode; }

TColumnIndex TBaseLazyTree::FocusedColumn() const { return FSelect->FocusedColumn; }

void TBaseLazyTree::storeFocusedColumn(TColumnIndex Column) { FSelect->FocusedColumn = Column; }

PLazyNode TBaseLazyTree::RangeAnchor() const { return FSelect->RangeAnchor; }

void TBaseLazyTree::setRangeAnchor(PLazyNode Node) { FSelect->RangeAnchor = Node; }

void TBaseLazyTree::setLastSelectionLevel(int Level) { FSelect->LastSelectionLevel = Level; }

std::size_t TBaseLazyTree::SelectionEntryCount() const { return FSelect->Selection.size(); }

PLazyNode TBaseLazyTree::NextNodeToSelect() const { return FSelect->NextNodeToSelect; }

void TBaseLazyTree::PackSelection()
{
    std::erase_if(FSelect->Selection, isMarked);
}

void TBaseLazyTree::removeFromSelectionSilently(PLazyNode Node)
{
    std::size_t index;
    if (FindInSelection(Node, index)) {
        FSelect->Selection[index] = marked(Node);
        --FSelect->SelectionCount;
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
    for (PLazyNode node : FSelect->Selection)
        if (!isMarked(node))
            node->States.exclude(vsSelected);
    FSelect->Selection.clear();
    FSelect->SelectionCount = 0;
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
        if (levelConstraint && FSelect->LastSelectionLevel < 0)
            FSelect->LastSelectionLevel = static_cast<int>(GetNodeLevel(Nodes[0]));
        if (siblingConstraint && !FSelect->RangeAnchor)
            FSelect->RangeAnchor = Nodes[0];
        for (std::size_t i = 0; i < Count; ++i) {
            PLazyNode node = Nodes[i];
            if (node->States.containsAny({vsSelected, vsDisabled}))
                continue;
            if (levelConstraint && static_cast<int>(GetNodeLevel(node)) != FSelect->LastSelectionLevel)
                continue;
            if (siblingConstraint && node->Parent != FSelect->RangeAnchor->Parent)
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
    const std::size_t before = FSelect->Selection.size();
    const std::size_t added = accepted.size();
    if (before == 0) {
        FSelect->Selection = std::move(accepted);
    } else {
        TNodeArray merged;
        merged.reserve(before + added);
        std::merge(FSelect->Selection.begin(), FSelect->Selection.end(), accepted.begin(), accepted.end(), std::back_inserter(merged),
                   byAddress);
        FSelect->Selection = std::move(merged);
    }
    FSelect->SelectionCount += static_cast<unsigned>(added);
    LT_ASSERT(FSelect->Selection.size() == before + added, assertions::selectionCountMismatch);
    return true;
}

void TBaseLazyTree::AddToSelection(PLazyNode Node)
{
    LT_ASSERT(Node, assertions::nodeNilSelection);
    if (!AppendToSelection(&Node, 1, false))
        return;
    if (FSelect->SelectionCount == 1)
        SetFocusedNode(Node);
    InvalidateNode(Node);
    AnnounceChange(Node);
}

void TBaseLazyTree::AddNodesToSelection(const PLazyNode *NewItems, std::size_t NewLength, bool ForceInsert)
{
    const unsigned before = FSelect->SelectionCount;
    if (!AppendToSelection(NewItems, NewLength, ForceInsert))
        return;
    if (FSelect->SelectionCount - before == 1) {
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
        FSelect->Selection.erase(FSelect->Selection.begin() + static_cast<std::ptrdiff_t>(index));
        --FSelect->SelectionCount;
    }
    if (FSelect->SelectionCount == 0)
        ResetRangeAnchor();
    if (FSelect->SelectionCount <= 1)
        UpdateNextNodeToSelect(Node);
    NotifyRemoveFromSelection(Node);
    AnnounceChange(Node);
}

void TBaseLazyTree::ClearSelection()
{
    if (FSelect->SelectionCount == 0 || IsDestroying())
        return;
    Invalidate();
    TNodeArray removed;
    removed.swap(FSelect->Selection);
    FSelect->SelectionCount = 0;
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
    if (!Node || Node == RootNode() || Node->States.contains(vsSelected) == Value)
        return;
    if (Value) {
        if (FSelect->SelectionCount == 0)
            FSelect->RangeAnchor = Node;
        if (!toOption(toMultiSelect))
            ClearSelection();
        AddToSelection(Node);
        if (!toOption(toMultiSelect))
            SetFocusedNode(Node);
        if ((FSelect->FocusedColumn < 0 || !IsValidColumn(FSelect->FocusedColumn)) && MainColumn() >= 0) {
            if (ColumnAllowsFocus(MainColumn()))
                FSelect->FocusedColumn = MainColumn();
        }
        if (!FSelect->RangeAnchor)
            FSelect->RangeAnchor = Node;
    } else {
        RemoveFromSelection(Node);
        if (FSelect->SelectionCount == 0)
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
    if (FSelect->SelectionCount == 0)
        FSelect->NextNodeToSelect = nullptr;
}

TNodeArray TBaseLazyTree::GetSortedSelection(bool Resolve)
{
    return sortedNodesIn(vsSelected, Resolve, FSelect->SelectionCount);
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
    PLazyNode anchor = FSelect->RangeAnchor;
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
        FSelect->RangeAnchor = anchor;
}

void TBaseLazyTree::UnselectRange(PLazyNode StartNode, PLazyNode EndNode)
{
    LT_ASSERT(EndNode, assertions::endNodeNil);
    if (!StartNode) {
        StartNode = RootNode()->FirstChild;
    } else if (!GetFullyVisible(StartNode)) {
        PLazyNode previous = GetPreviousVisible(StartNode);
        StartNode = previous ? previous : RootNode()->FirstChild;
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
    FSelect->Selection.shrink_to_fit();
}

void TBaseLazyTree::ToggleRangeSelection(PLazyNode StartNode, PLazyNode EndNode)
{
    LT_ASSERT(EndNode, assertions::endNodeNil);
    if (!StartNode)
        StartNode = RootNode()->FirstChild;
    else if (!GetFullyVisible(StartNode))
        StartNode = GetPreviousVisible(StartNode);
    if (!StartNode || StartNode == EndNode)
        return;
    if (CompareTreeOrder(StartNode, EndNode, true) > 0)
        std::swap(StartNode, EndNode);
    PLazyNode anchor = FSelect->RangeAnchor;
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
    setLastSearchNode(nullptr);
    ChangeTreeStates({}, TLazyTreeState::tsIncrementalSearching);
}

bool TBaseLazyTree::IsMouseSelecting() const
{
    return TreeStates().containsAny({TLazyTreeState::tsDrawSelPending, TLazyTreeState::tsDrawSelecting});
}

void TBaseLazyTree::ResetRangeAnchor()
{
    FSelect->RangeAnchor = FSelect->FocusedNode;
    FSelect->LastSelectionLevel = -1;
}

void TBaseLazyTree::UpdateNextNodeToSelect(PLazyNode Node)
{
    if (!toOption(toAlwaysSelectNode))
        return;
    if (Node->NextSibling)
        FSelect->NextNodeToSelect = Node->NextSibling;
    else if (Node->PrevSibling)
        FSelect->NextNodeToSelect = Node->PrevSibling;
    else if (Node->Parent != RootNode())
        FSelect->NextNodeToSelect = Node->Parent;
    else
        FSelect->NextNodeToSelect = Node->FirstChild;
}

void TBaseLazyTree::EnsureNodeSelected()
{
    if (!toOption(toAlwaysSelectNode) || IsEmpty())
        return;
    if (FSelect->SelectionCount == 0) {
        if (FSelect->NextNodeToSelect)
            SetSelected(FSelect->NextNodeToSelect, true);
        else if (Focused())
            SetSelected(GetFirstVisible(), true);
    }
    if (!FSelect->FocusedNode) {
        PLazyNode first = GetFirstSelected();
        SetFocusedNode(first ? first : GetFirstVisible());
    }
    if (PLazyNode first = GetFirstSelected())
        ScrollIntoView(first, false, false);
}

void TBaseLazyTree::SetFocusedNode(PLazyNode Node)
{
    PLazyNode old = FSelect->FocusedNode;
    FocusNode(Node, true);
    if (FSelect->FocusedNode != old)
        NotifyFocusChanged(FSelect->FocusedNode, FSelect->FocusedColumn);
}

void TBaseLazyTree::FocusNode(PLazyNode Node, bool Ask)
{
    if (TreeStates().contains(TLazyTreeState::tsEditing) && !EndEditNode())
        return;
    Node = nodeOrNil(Node);
    if (Node != FSelect->FocusedNode && (!Ask || QueryFocusChanging(FSelect->FocusedNode, Node, FSelect->FocusedColumn, FSelect->FocusedColumn))) {
        PLazyNode old = FSelect->FocusedNode;
        if (old) {
            if (toOption(TLTAutoOption::toAutoExpand) && Node && Node->Parent == old->Parent
                && old->States.contains(vsExpanded))
                ToggleNode(old);
            else
                InvalidateNode(old);
        }
        FSelect->FocusedNode = Node;
    }
    if (FSelect->FocusedNode) {
        if (ColumnsUsed() && !IsValidColumn(FSelect->FocusedColumn))
            FSelect->FocusedColumn = MainColumn();
        if (toOption(TLTAutoOption::toAutoExpand) && !FSelect->FocusedNode->States.contains(vsExpanded))
            ToggleNode(FSelect->FocusedNode);
        InvalidateNode(FSelect->FocusedNode);
        if (!IsUpdating() && !toOption(TLTAutoOption::toDisableAutoscrollOnFocus)) {
            const bool buttonDown = TreeStates().containsAny(
                {TLazyTreeState::tsLeftButtonDown, TLazyTreeState::tsMiddleButtonDown, TLazyTreeState::tsRightButtonDown});
            ScrollIntoView(FSelect->FocusedNode, toOption(toCenterScrollIntoView) && !buttonDown, !toOption(toFullRowSelect));
        }
    }
    if (FSelect->SelectionCount == 0)
        ResetRangeAnchor();
}

void TBaseLazyTree::SetFocusedColumn(TColumnIndex Value)
{
    if (Value == FSelect->FocusedColumn)
        return;
    if (!QueryFocusChanging(FSelect->FocusedNode, FSelect->FocusedNode, FSelect->FocusedColumn, Value))
        return;
    CancelEditNode();
    InvalidateColumn(FSelect->FocusedColumn);
    InvalidateColumn(Value);
    FSelect->FocusedColumn = Value;
    if (FSelect->FocusedNode && !toOption(TLTAutoOption::toDisableAutoscrollOnFocus)
        && ScrollIntoView(FSelect->FocusedNode, toOption(toCenterScrollIntoView), true))
        InvalidateNode(FSelect->FocusedNode);
    if (DropTargetNode())
        InvalidateNode(DropTargetNode());
    NotifyFocusChanged(FSelect->FocusedNode, FSelect->FocusedColumn);
}

} // namespace vtree
