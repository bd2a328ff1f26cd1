// Lazy initialisation: a node is asked about (OnInitNode) when something
// first needs it, its children (OnInitChildren) when they are first needed.
// The recursive forms walk without recursion, so any depth is safe.
#include "controls/vtree/BaseLazyTree.h"
#include "controls/vtree/TreeNodeStore.h"
#include "platform/ScopeGuard.h"

namespace vtree {

using enum TLazyNodeState;
using enum TLazyNodeInitState;

namespace {
// Calls visit for every node below top in tree order; visit returns whether
// to go down into the node's children, which it may have just created.
template <class Visit>
void forEachDescendant(PLazyNode top, Visit visit)
{
    PLazyNode node = top->FirstChild;
    unsigned depth = 1;
    while (node) {
        if (visit(node, depth) && node->FirstChild) {
            node = node->FirstChild;
            ++depth;
            continue;
        }
        while (node != top && !node->NextSibling) {
            node = node->Parent;
            --depth;
        }
        if (node == top)
            return;
        node = node->NextSibling;
    }
}
} // namespace

void TBaseLazyTree::InitializeNode(PLazyNode Node)
{
    Node->States.include(vsInitializing);
    platform::Finally leave([Node] { Node->States.exclude(vsInitializing); });
    const bool again = Node->States.contains(vsInitialized);
    const bool wasFiltered = Node->States.contains(vsFiltered);
    TLazyNodeInitStates InitStates;
    if (again)
        InitStates.include(ivsReInit);
    // Set first: a handler that reads the node finds it initialised.
    Node->States.include(vsInitialized);
    RaiseInitNode(nodeOrNil(Node->Parent), Node, InitStates);

    if (InitStates.contains(ivsDisabled))
        Node->States.include(vsDisabled);
    if (InitStates.contains(ivsHasChildren))
        Node->States.include(vsHasChildren);
    if (InitStates.contains(ivsSelected))
        AddToSelection(Node);
    if (InitStates.contains(ivsMultiline))
        Node->States.include(vsMultiline);
    if (InitStates.contains(ivsFiltered)) {
        const bool counted = GetFullyVisible(Node) && !GetEffectivelyFiltered(Node);
        Node->States.include(vsFiltered);
        // A node that was filtered already has had its row taken off.
        if (!toOption(TLTPaintOption::toShowFilteredNodes) && !wasFiltered) {
            PropagateTotalHeight(Node, -static_cast<std::int64_t>(Node->NodeHeight), true);
            if (counted)
                --FStore->VisibleCount;
            if (!IsUpdating())
                UpdateScrollBars(true);
        }
    }
    if (Node->States.contains(vsExpanded) != InitStates.contains(ivsExpanded)) {
        if (InitStates.contains(ivsExpanded))
            ToggleNode(Node);
        else if (Node->States.contains(vsHasChildren))
            InitializeChildren(Node);
    }
}

void TBaseLazyTree::InitializeChildren(PLazyNode Node)
{
    if (!Node || Node == FStore->Root || !Node->States.contains(vsHasChildren))
        return;
    std::uint32_t count = Node->ChildCount;
    if (!QueryInitChildren(Node, count))
        return;
    SetChildCount(Node, count);
    if (count == 0)
        Node->States.exclude(vsHasChildren);
}

void TBaseLazyTree::createChildrenOnDemand(PLazyNode Node)
{
    if (Node && Node != FStore->Root && Node->ChildCount == 0 && Node->States.contains(vsHasChildren))
        InitializeChildren(Node);
}

bool TBaseLazyTree::GetChildrenInitialized(PLazyNode Node) const
{
    return !(Node->States.contains(vsHasChildren) && Node->ChildCount == 0);
}

void TBaseLazyTree::InitRecursive(PLazyNode Node, unsigned Levels, bool pVisibleOnly)
{
    if (!Node)
        Node = FStore->Root;
    else
        initOnDemand(Node);
    if (Levels == 0 || (pVisibleOnly && !Node->States.contains(vsExpanded)))
        return;
    forEachDescendant(Node, [&](PLazyNode node, unsigned depth) {
        initOnDemand(node);
        return depth < Levels && (!pVisibleOnly || node->States.contains(vsExpanded));
    });
}

void TBaseLazyTree::ValidateNode(PLazyNode Node, bool Recursive)
{
    if (!Node)
        Node = FStore->Root;
    if (Node != FStore->Root)
        initOnDemand(Node);
    if (!Recursive)
        return;
    createChildrenOnDemand(Node);
    forEachDescendant(Node, [this](PLazyNode node, unsigned) {
        initOnDemand(node);
        createChildrenOnDemand(node);
        return true;
    });
}

void TBaseLazyTree::ValidateChildren(PLazyNode Node, bool Recursive)
{
    if (!Node)
        Node = FStore->Root;
    createChildrenOnDemand(Node);
    for (PLazyNode child = Node->FirstChild; child; child = child->NextSibling)
        ValidateNode(child, Recursive);
}

namespace {
void prepareReinit(PLazyNode Node) { Node->States.exclude({vsChecking, vsCutOrCopy, vsDeleting, vsHeightMeasured}); }
} // namespace

void TBaseLazyTree::ReinitNode(PLazyNode Node, bool Recursive)
{
    if (Node && Node != FStore->Root) {
        prepareReinit(Node);
        if (Node->States.contains(vsInitialized))
            InitializeNode(Node);
    }
    if (Recursive)
        ReinitChildren(Node, true);
}

void TBaseLazyTree::ReinitChildren(PLazyNode Node, bool Recursive)
{
    if (!Node)
        Node = FStore->Root;
    InitializeChildren(Node);
    if (!Recursive) {
        for (PLazyNode child = Node->FirstChild; child; child = child->NextSibling)
            ReinitNode(child, false);
        return;
    }
    forEachDescendant(Node, [this](PLazyNode node, unsigned) {
        prepareReinit(node);
        if (node->States.contains(vsInitialized))
            InitializeNode(node);
        InitializeChildren(node);
        return true;
    });
}

void TBaseLazyTree::ResetNode(PLazyNode Node)
{
    AbortEditor();
    if (!Node || Node == FStore->Root) {
        Clear();
        return;
    }
    NotifyResetNode(Node);
    DeleteChildren(Node, false);
    Node->States.exclude({vsInitialized, vsChecking, vsCutOrCopy, vsDeleting, vsExpanded, vsHasChildren, vsHeightMeasured});
    InvalidateNode(Node);
}

} // namespace vtree
