// The nodes the tree remembers, whichever concern keeps them: each is
// forgotten when its node goes, so none ever points at freed memory.
#include "controls/vtree/BaseLazyTree.h"
#include "controls/vtree/TreeBrackets.h"
#include "controls/vtree/TreePendingCheck.h"
#include "controls/vtree/TreeRememberedNodes.h"
#include "controls/vtree/TreeSelection.h"

namespace vtree {

void TCorePartDeleter::operator()(TTreeRememberedNodes *Part) const { delete Part; }

TCorePart<TTreeRememberedNodes> TBaseLazyTree::newRememberedNodes()
{
    return TCorePart<TTreeRememberedNodes>(new TTreeRememberedNodes);
}

PLazyNode TBaseLazyTree::HotNode() const { return FRemembered->HotNode; }

void TBaseLazyTree::storeHotNode(PLazyNode Node) { FRemembered->HotNode = Node; }

PLazyNode TBaseLazyTree::DropTargetNode() const { return FRemembered->DropTargetNode; }

void TBaseLazyTree::SetDropTargetNode(PLazyNode Node) { FRemembered->DropTargetNode = Node; }

PLazyNode TBaseLazyTree::LastSearchNode() const { return FRemembered->LastSearchNode; }

void TBaseLazyTree::setLastSearchNode(PLazyNode Node) { FRemembered->LastSearchNode = Node; }

PLazyNode TBaseLazyTree::HeightTrackNode() const { return FRemembered->HeightTrackNode; }

void TBaseLazyTree::setHeightTrackNode(PLazyNode Node) { FRemembered->HeightTrackNode = Node; }

PLazyNode TBaseLazyTree::EditedNode() const { return FRemembered->EditNode; }

void TBaseLazyTree::setEditedNode(PLazyNode Node) { FRemembered->EditNode = Node; }

std::array<PLazyNode *, 12> TBaseLazyTree::rememberedNodeSlots()
{
    return {&FBrackets->LastChangedNode, &FRemembered->HotNode,          &FRemembered->DropTargetNode,
            &FBrackets->LastStructureChangeNode, &FSelect->FocusedNode,  &FCheck->CheckNode,
            &FRemembered->LastSearchNode, &FSelect->LastSelected,        &FRemembered->HeightTrackNode,
            &FSelect->RangeAnchor,        &FRemembered->LastDragTarget,  &FRemembered->EditNode};
}

void TBaseLazyTree::forgetNode(PLazyNode Node)
{
    for (PLazyNode *remembered :
         {&FBrackets->LastChangedNode, &FRemembered->HotNode, &FRemembered->DropTargetNode, &FBrackets->LastStructureChangeNode,
          &FSelect->FocusedNode, &FCheck->CheckNode, &FRemembered->LastSearchNode, &FSelect->LastSelected,
          &FRemembered->HeightTrackNode, &FSelect->RangeAnchor, &FRemembered->LastDragTarget})
        if (*remembered == Node)
            *remembered = nullptr;
    if (FSelect->NextNodeToSelect == Node)
        FSelect->NextNodeToSelect = nodeOrNil(Node->Parent);
    if (Node->States.contains(TLazyNodeState::vsSelected))
        removeFromSelectionSilently(Node);
}

void TBaseLazyTree::forgetRememberedNodes()
{
    FSelect->FocusedNode = nullptr;
    FSelect->LastSelected = nullptr;
    FRemembered->HotNode = nullptr;
    FRemembered->DropTargetNode = nullptr;
    FBrackets->LastChangedNode = nullptr;
    FSelect->RangeAnchor = nullptr;
    FCheck->CheckNode = nullptr;
    FRemembered->LastDragTarget = nullptr;
    FRemembered->LastSearchNode = nullptr;
}

} // namespace vtree
