// Walks over the tree: first, next, previous and last in tree order or with
// children above their parent, restricted to visible, checked, selected ...
// nodes. The initialising forms ask the application about every node they
// return and create children they go into; the NoInit forms only read links.
#include "controls/vtree/BaseLazyTree.h"
#include "controls/vtree/TreeNodeStore.h"
#include "controls/vtree/TreeErrors.h"

namespace vtree {

using enum TLazyNodeState;

PLazyNode TBaseLazyTree::nextAfterSubtree(PLazyNode Node) const
{
    for (PLazyNode node = Node; node != FStore->Root; node = node->Parent)
        if (node->NextSibling)
            return node->NextSibling;
    return nullptr;
}

PLazyNode TBaseLazyTree::firstNoInitFrom(PLazyNode Node, bool C) const
{
    PLazyNode node = Node;
    if (childrenAbove(C))
        while (node && node->FirstChild)
            node = node->FirstChild;
    return node;
}

PLazyNode TBaseLazyTree::GetFirst(bool C)
{
    PLazyNode node = FStore->Root->FirstChild;
    initOnDemand(node);
    if (childrenAbove(C)) {
        while (node) {
            createChildrenOnDemand(node);
            if (!node->FirstChild)
                break;
            node = node->FirstChild;
            initOnDemand(node);
        }
    }
    return node;
}

PLazyNode TBaseLazyTree::GetFirstNoInit(bool C) const { return firstNoInitFrom(FStore->Root->FirstChild, C); }

PLazyNode TBaseLazyTree::GetNext(PLazyNode Node, bool C)
{
    if (!Node)
        return nullptr;
    LT_ASSERT(Node != FStore->Root, assertions::nodeIsRoot);
    PLazyNode result;
    if (childrenAbove(C)) {
        if (Node->NextSibling) {
            result = Node->NextSibling;
            for (;;) {
                createChildrenOnDemand(result);
                if (!result->FirstChild)
                    break;
                result = result->FirstChild;
            }
        } else {
            result = nodeOrNil(Node->Parent);
        }
    } else {
        createChildrenOnDemand(Node);
        result = Node->FirstChild ? Node->FirstChild : nextAfterSubtree(Node);
    }
    initOnDemand(result);
    return result;
}

PLazyNode TBaseLazyTree::GetNextNoInit(PLazyNode Node, bool C) const
{
    if (!Node)
        return nullptr;
    LT_ASSERT(Node != FStore->Root, assertions::nodeIsRoot);
    if (childrenAbove(C))
        return Node->NextSibling ? firstNoInitFrom(Node->NextSibling, true) : nodeOrNil(Node->Parent);
    return Node->FirstChild ? Node->FirstChild : nextAfterSubtree(Node);
}

PLazyNode TBaseLazyTree::GetPrevious(PLazyNode Node, bool C)
{
    if (!Node)
        return nullptr;
    LT_ASSERT(Node != FStore->Root, assertions::nodeIsRoot);
    PLazyNode result;
    if (childrenAbove(C)) {
        createChildrenOnDemand(Node);
        if (Node->LastChild) {
            result = Node->LastChild;
        } else {
            PLazyNode node = Node;
            while (node != FStore->Root && !node->PrevSibling)
                node = node->Parent;
            result = node == FStore->Root ? nullptr : node->PrevSibling;
        }
    } else if (Node->PrevSibling) {
        result = GetLast(Node->PrevSibling, false);
        if (!result)
            result = Node->PrevSibling;
    } else {
        result = nodeOrNil(Node->Parent);
    }
    initOnDemand(result);
    return result;
}

PLazyNode TBaseLazyTree::GetPreviousNoInit(PLazyNode Node, bool C) const
{
    if (!Node)
        return nullptr;
    LT_ASSERT(Node != FStore->Root, assertions::nodeIsRoot);
    if (childrenAbove(C)) {
        if (Node->LastChild)
            return Node->LastChild;
        PLazyNode node = Node;
        while (node != FStore->Root && !node->PrevSibling)
            node = node->Parent;
        return node == FStore->Root ? nullptr : node->PrevSibling;
    }
    if (Node->PrevSibling) {
        PLazyNode last = GetLastNoInit(Node->PrevSibling, false);
        return last ? last : Node->PrevSibling;
    }
    return nodeOrNil(Node->Parent);
}

PLazyNode TBaseLazyTree::GetLast(PLazyNode Node, bool C)
{
    PLazyNode result = GetLastChild(Node);
    if (!childrenAbove(C))
        while (PLazyNode next = result ? GetLastChild(result) : nullptr)
            result = next;
    return result;
}

PLazyNode TBaseLazyTree::GetLastNoInit(PLazyNode Node, bool C) const
{
    PLazyNode result = (Node ? Node : FStore->Root)->LastChild;
    if (!childrenAbove(C))
        while (result && result->LastChild)
            result = result->LastChild;
    return result;
}

// A node whose children are about to be read: initialised, its children
// made; nil when it can have none. Nil stands for the root.
PLazyNode TBaseLazyTree::preparedParent(PLazyNode Node)
{
    if (!Node || Node == FStore->Root)
        return FStore->Root;
    initOnDemand(Node);
    createChildrenOnDemand(Node);
    return Node->States.contains(vsHasChildren) ? Node : nullptr;
}

PLazyNode TBaseLazyTree::GetFirstChild(PLazyNode Node)
{
    PLazyNode parent = preparedParent(Node);
    PLazyNode result = parent ? parent->FirstChild : nullptr;
    initOnDemand(result);
    return result;
}

PLazyNode TBaseLazyTree::GetFirstChildNoInit(PLazyNode Node) const { return (Node ? Node : FStore->Root)->FirstChild; }

PLazyNode TBaseLazyTree::GetLastChild(PLazyNode Node)
{
    PLazyNode parent = preparedParent(Node);
    PLazyNode result = parent ? parent->LastChild : nullptr;
    initOnDemand(result);
    return result;
}

PLazyNode TBaseLazyTree::GetLastChildNoInit(PLazyNode Node) const { return (Node ? Node : FStore->Root)->LastChild; }

PLazyNode TBaseLazyTree::GetNextSibling(PLazyNode Node)
{
    PLazyNode result = GetNextSiblingNoInit(Node);
    initOnDemand(result);
    return result;
}

PLazyNode TBaseLazyTree::GetNextSiblingNoInit(PLazyNode Node) const
{
    if (!Node)
        return nullptr;
    LT_ASSERT(Node != FStore->Root, assertions::nodeIsRoot);
    return Node->NextSibling;
}

PLazyNode TBaseLazyTree::GetPreviousSibling(PLazyNode Node)
{
    PLazyNode result = GetPreviousSiblingNoInit(Node);
    initOnDemand(result);
    return result;
}

PLazyNode TBaseLazyTree::GetPreviousSiblingNoInit(PLazyNode Node) const
{
    if (!Node)
        return nullptr;
    LT_ASSERT(Node != FStore->Root, assertions::nodeIsRoot);
    return Node->PrevSibling;
}

// ---- Visible walks ---------------------------------------------------------

PLazyNode TBaseLazyTree::GetFirstVisible(PLazyNode Node, bool C, bool IF)
{
    if (!Node)
        Node = FStore->Root;
    if (!Node->States.contains(vsHasChildren))
        return nullptr;
    createChildrenOnDemand(Node);
    PLazyNode result = GetFirstChild(Node);
    if (childrenAbove(C)) {
        PLazyNode parent = Node;
        while (result) {
            while (result && !result->States.contains(vsVisible))
                result = GetNextSibling(result);
            if (!result) {
                result = nodeOrNil(parent);
                break;
            }
            if (!result->States.contains(vsExpanded))
                break;
            createChildrenOnDemand(result);
            if (!result->FirstChild)
                break;
            parent = result;
            result = GetFirstChild(result);
        }
    } else {
        while (result && !result->States.contains(vsVisible)) {
            PLazyNode node = result;
            while (node != FStore->Root && !node->NextSibling)
                node = node->Parent;
            result = node == FStore->Root ? nullptr : GetNextSibling(node);
        }
    }
    if (result && !IF && GetEffectivelyFiltered(result))
        result = GetNextVisible(result, C);
    return result;
}

PLazyNode TBaseLazyTree::GetFirstVisibleNoInit(PLazyNode Node, bool C, bool IF)
{
    if (!Node)
        Node = FStore->Root;
    if (!Node->States.contains(vsHasChildren))
        return nullptr;
    PLazyNode result = Node->FirstChild;
    if (childrenAbove(C)) {
        PLazyNode parent = Node;
        while (result) {
            while (result && !result->States.contains(vsVisible))
                result = result->NextSibling;
            if (!result) {
                result = nodeOrNil(parent);
                break;
            }
            if (!result->States.contains(vsExpanded) || !result->FirstChild)
                break;
            parent = result;
            result = result->FirstChild;
        }
    } else {
        while (result && !result->States.contains(vsVisible)) {
            PLazyNode node = result;
            while (node != FStore->Root && !node->NextSibling)
                node = node->Parent;
            result = node == FStore->Root ? nullptr : node->NextSibling;
        }
    }
    if (result && !IF && GetEffectivelyFiltered(result))
        result = GetNextVisibleNoInit(result, C);
    return result;
}

// The next (or previous) row the tree shows after Node, in tree order or
// with children above their parents. A row is a node with vsVisible on a
// visible path; an effectively filtered one only counts with IF. The walk
// starts from any node: from one that is not shown itself it goes on after
// (before) the part of the tree that hides it, never back into it.
PLazyNode TBaseLazyTree::visibleWalk(PLazyNode Node, bool C, bool forward, bool init, bool IF)
{
    struct Walk {
        TBaseLazyTree &tree;
        bool init;
        void touch(PLazyNode node)
        {
            if (init)
                tree.initOnDemand(node);
        }
    } walk{*this, init};
    const bool above = childrenAbove(C);

    PLazyNode current = Node;
    bool descend = true;       // current's children may hold the next row
    PLazyNode candidate = nullptr;
    if (!GetFullyVisible(Node)) {
        PLazyNode shown = GetVisibleParent(Node, true);
        PLazyNode outer = Node;
        while (outer->Parent != shown)
            outer = outer->Parent;
        descend = false;
        // Below a collapsed shown node nothing is shown: the walk goes on from
        // that node, which itself comes next with children above, or before
        // in tree order.
        if (shown != FStore->Root && !shown->States.contains(vsExpanded)) {
            if (forward == above)
                candidate = shown;
            else
                current = shown;
        } else {
            current = outer;
        }
    }

    for (;;) {
        if (!candidate) {
            if (forward && !above) {
                PLazyNode next = nullptr;
                if (descend && current->States.contains(vsExpanded)) {
                    if (init)
                        createChildrenOnDemand(current);
                    next = current->FirstChild;
                }
                if (!next) {
                    PLazyNode node = current;
                    while (node != FStore->Root && !node->NextSibling)
                        node = node->Parent;
                    if (node == FStore->Root)
                        return nullptr;
                    next = node->NextSibling;
                }
                walk.touch(next);
                current = next;
                if (!next->States.contains(vsVisible)) {
                    descend = false;
                    continue;
                }
                candidate = next;
            } else if (forward) {
                if (!current->NextSibling) {
                    PLazyNode parent = nodeOrNil(current->Parent);
                    if (!parent)
                        return nullptr;
                    walk.touch(parent);
                    candidate = parent;
                } else {
                    PLazyNode next = current->NextSibling;
                    walk.touch(next);
                    bool hidden = !next->States.contains(vsVisible);
                    while (!hidden && next->States.contains(vsExpanded)) {
                        if (init)
                            createChildrenOnDemand(next);
                        PLazyNode child = next->FirstChild;
                        if (!child)
                            break;
                        walk.touch(child);
                        next = child;
                        hidden = !child->States.contains(vsVisible);
                    }
                    current = next;
                    if (hidden) {
                        descend = false;
                        continue;
                    }
                    candidate = next;
                }
            } else if (!above) {
                PLazyNode previous = current->PrevSibling;
                while (previous) {
                    walk.touch(previous);
                    if (previous->States.contains(vsVisible))
                        break;
                    previous = previous->PrevSibling;
                }
                if (previous) {
                    // The last row of that sibling's subtree.
                    PLazyNode last = previous;
                    while (last->States.contains(vsExpanded)) {
                        PLazyNode child = last->LastChild;
                        while (child && !child->States.contains(vsVisible))
                            child = child->PrevSibling;
                        if (!child)
                            break;
                        last = child;
                    }
                    if (init)
                        for (PLazyNode node = last; node != previous; node = node->Parent)
                            initOnDemand(node);
                    candidate = last;
                } else {
                    PLazyNode parent = nodeOrNil(current->Parent);
                    if (!parent)
                        return nullptr;
                    walk.touch(parent);
                    candidate = parent;
                }
            } else {
                if (descend && current->States.contains(vsExpanded) && current->LastChild) {
                    PLazyNode child = current->LastChild;
                    walk.touch(child);
                    current = child;
                    if (!child->States.contains(vsVisible)) {
                        descend = false;
                        continue;
                    }
                    candidate = child;
                } else if (current->PrevSibling) {
                    PLazyNode previous = current->PrevSibling;
                    walk.touch(previous);
                    current = previous;
                    if (!previous->States.contains(vsVisible)) {
                        descend = false;
                        continue;
                    }
                    candidate = previous;
                } else {
                    for (PLazyNode ancestor = current->Parent; ancestor != FStore->Root && !candidate; ancestor = ancestor->Parent)
                        for (PLazyNode sibling = ancestor->PrevSibling; sibling && !candidate; sibling = sibling->PrevSibling) {
                            walk.touch(sibling);
                            if (sibling->States.contains(vsVisible))
                                candidate = sibling;
                        }
                    if (!candidate)
                        return nullptr;
                }
            }
        }
        if (IF || !GetEffectivelyFiltered(candidate))
            return candidate;
        // A filtered row is passed over; its children still show.
        current = candidate;
        candidate = nullptr;
        descend = true;
    }
}

PLazyNode TBaseLazyTree::GetNextVisible(PLazyNode Node, bool C)
{
    if (!Node)
        return nullptr;
    LT_ASSERT(Node != FStore->Root, assertions::nodeIsRoot);
    return visibleWalk(Node, C, true, true);
}

PLazyNode TBaseLazyTree::GetNextVisibleNoInit(PLazyNode Node, bool C)
{
    if (!Node)
        return nullptr;
    LT_ASSERT(Node != FStore->Root, assertions::nodeIsRoot);
    return visibleWalk(Node, C, true, false);
}

PLazyNode TBaseLazyTree::GetPreviousVisible(PLazyNode Node, bool C)
{
    if (!Node)
        return nullptr;
    LT_ASSERT(Node != FStore->Root, assertions::nodeIsRoot);
    return visibleWalk(Node, C, false, true);
}

PLazyNode TBaseLazyTree::GetPreviousVisibleNoInit(PLazyNode Node, bool C)
{
    if (!Node)
        return nullptr;
    LT_ASSERT(Node != FStore->Root, assertions::nodeIsRoot);
    return visibleWalk(Node, C, false, false);
}

// The last row of Node's subtree, Node itself excluded: found from the end
// of the subtree, skipping hidden and collapsed parts whole.
PLazyNode TBaseLazyTree::lastVisibleIn(PLazyNode Node, bool C, bool IF)
{
    if (!Node)
        Node = FStore->Root;
    else if (!GetFullyVisible(Node))
        return nullptr;
    auto acceptable = [this, IF](PLazyNode node) { return IF || !GetEffectivelyFiltered(node); };
    auto lastVisibleChild = [](PLazyNode node) {
        PLazyNode child = node->LastChild;
        while (child && !child->States.contains(vsVisible))
            child = child->PrevSibling;
        return child;
    };
    if (!Node->States.contains(vsExpanded))
        return nullptr;
    if (!childrenAbove(C)) {
        // The deepest last row, then back in tree order to an acceptable one.
        PLazyNode node = Node;
        while (node->States.contains(vsExpanded)) {
            PLazyNode child = lastVisibleChild(node);
            if (!child)
                break;
            node = child;
        }
        while (node != Node && !acceptable(node)) {
            PLazyNode previous = node->PrevSibling;
            while (previous && !previous->States.contains(vsVisible))
                previous = previous->PrevSibling;
            if (previous) {
                while (previous->States.contains(vsExpanded)) {
                    PLazyNode child = lastVisibleChild(previous);
                    if (!child)
                        break;
                    previous = child;
                }
                node = previous;
            } else {
                node = node->Parent;
            }
        }
        return node == Node ? nullptr : node;
    }
    // With children above, the subtree ends with Node's last child; going
    // back, a node's children come before it.
    PLazyNode node = Node->LastChild;
    bool descend = true;
    while (node) {
        if (node->States.contains(vsVisible)) {
            if (descend && acceptable(node))
                return node;
            if (descend && node->States.contains(vsExpanded) && node->LastChild) {
                node = node->LastChild;
                continue;
            }
        }
        descend = true;
        while (node != Node && !node->PrevSibling)
            node = node->Parent;
        if (node == Node)
            return nullptr;
        node = node->PrevSibling;
    }
    return nullptr;
}

PLazyNode TBaseLazyTree::GetLastVisibleNoInit(PLazyNode Node, bool C, bool IF) { return lastVisibleIn(Node, C, IF); }

PLazyNode TBaseLazyTree::GetLastVisible(PLazyNode Node, bool C, bool IF)
{
    PLazyNode result = lastVisibleIn(Node, C, IF);
    PLazyNode top = Node ? Node : FStore->Root;
    for (PLazyNode node = result; node && node != top && node != FStore->Root; node = node->Parent)
        initOnDemand(node);
    return result;
}

PLazyNode TBaseLazyTree::GetFirstVisibleChild(PLazyNode Node, bool IF)
{
    PLazyNode result = GetFirstChild(Node);
    if (result && (!result->States.contains(vsVisible) || (!IF && GetEffectivelyFiltered(result))))
        result = GetNextVisibleSibling(result, IF);
    return result;
}

PLazyNode TBaseLazyTree::GetFirstVisibleChildNoInit(PLazyNode Node, bool IF) const
{
    PLazyNode result = GetFirstChildNoInit(Node);
    if (result && (!result->States.contains(vsVisible) || (!IF && GetEffectivelyFiltered(result))))
        result = GetNextVisibleSiblingNoInit(result, IF);
    return result;
}

PLazyNode TBaseLazyTree::GetLastVisibleChild(PLazyNode Node, bool IF)
{
    if (Node && Node != FStore->Root && !(GetFullyVisible(Node) && Node->States.contains(vsExpanded)))
        return nullptr;
    PLazyNode result = GetLastChild(Node);
    if (result && (!result->States.contains(vsVisible) || (!IF && GetEffectivelyFiltered(result))))
        result = GetPreviousVisibleSibling(result, IF);
    initOnDemand(result);
    return result;
}

PLazyNode TBaseLazyTree::GetLastVisibleChildNoInit(PLazyNode Node, bool IF) const
{
    if (Node && Node != FStore->Root && !(GetFullyVisible(Node) && Node->States.contains(vsExpanded)))
        return nullptr;
    PLazyNode result = GetLastChildNoInit(Node);
    if (result && (!result->States.contains(vsVisible) || (!IF && GetEffectivelyFiltered(result))))
        result = GetPreviousVisibleSiblingNoInit(result, IF);
    return result;
}

namespace {
// The nearest sibling after (before) Node that shows; touch sees every
// sibling passed.
template <class Tree, class Touch>
PLazyNode shownSibling(const Tree &tree, PLazyNode Node, bool IF, bool forward, Touch touch)
{
    LT_ASSERT(Node && Node != tree.RootNode(), assertions::invalidParameter);
    PLazyNode result = Node;
    do {
        result = forward ? result->NextSibling : result->PrevSibling;
        touch(result);
    } while (result && (!result->States.contains(vsVisible) || (!IF && tree.GetEffectivelyFiltered(result))));
    return result;
}
} // namespace

PLazyNode TBaseLazyTree::GetNextVisibleSibling(PLazyNode Node, bool IF)
{
    return shownSibling(*this, Node, IF, true, [this](PLazyNode node) { initOnDemand(node); });
}

PLazyNode TBaseLazyTree::GetNextVisibleSiblingNoInit(PLazyNode Node, bool IF) const
{
    return shownSibling(*this, Node, IF, true, [](PLazyNode) {});
}

PLazyNode TBaseLazyTree::GetPreviousVisibleSibling(PLazyNode Node, bool IF)
{
    return shownSibling(*this, Node, IF, false, [this](PLazyNode node) { initOnDemand(node); });
}

PLazyNode TBaseLazyTree::GetPreviousVisibleSiblingNoInit(PLazyNode Node, bool IF) const
{
    return shownSibling(*this, Node, IF, false, [](PLazyNode) {});
}

bool TBaseLazyTree::AnyLaterSiblingShown(PLazyNode Node) const
{
    for (PLazyNode sibling = Node->NextSibling; sibling; sibling = sibling->NextSibling)
        if (GetEffectivelyVisible(sibling))
            return true;
    return false;
}

bool TBaseLazyTree::AnyEarlierSiblingShown(PLazyNode Node) const
{
    for (PLazyNode sibling = Node->PrevSibling; sibling; sibling = sibling->PrevSibling)
        if (GetEffectivelyVisible(sibling))
            return true;
    return false;
}

bool TBaseLazyTree::IsFirstShownChild(PLazyNode Parent, PLazyNode Node) const
{
    PLazyNode child = Parent->FirstChild;
    while (child && !GetEffectivelyVisible(child))
        child = child->NextSibling;
    return child == Node;
}

bool TBaseLazyTree::IsLastShownChild(PLazyNode Parent, PLazyNode Node) const
{
    PLazyNode child = Parent->LastChild;
    while (child && !GetEffectivelyVisible(child))
        child = child->PrevSibling;
    return child == Node;
}

// ---- Walks over nodes with a property ----------------------------------------

namespace {
template <class Tree, class Match>
PLazyNode nextMatching(const Tree &tree, PLazyNode Node, bool C, Match match)
{
    PLazyNode node = (!Node || Node == tree.RootNode()) ? tree.GetFirstNoInit(C) : tree.GetNextNoInit(Node, C);
    while (node && !match(node))
        node = tree.GetNextNoInit(node, C);
    return node;
}

template <class Tree, class Match>
PLazyNode previousMatching(const Tree &tree, PLazyNode Node, bool C, Match match)
{
    PLazyNode node = (!Node || Node == tree.RootNode()) ? tree.GetLastNoInit(nullptr, C) : tree.GetPreviousNoInit(Node, C);
    while (node && !match(node))
        node = tree.GetPreviousNoInit(node, C);
    return node;
}
} // namespace

PLazyNode TBaseLazyTree::GetFirstChecked(TCheckState State, bool C) { return GetNextChecked(nullptr, State, C); }

PLazyNode TBaseLazyTree::GetNextChecked(PLazyNode Node, TCheckState State, bool C)
{
    PLazyNode result = nextMatching(*this, Node, C, [State](PLazyNode node) { return node->CheckState == State; });
    initOnDemand(result);
    return result;
}

PLazyNode TBaseLazyTree::GetPreviousChecked(PLazyNode Node, TCheckState State, bool C)
{
    PLazyNode result = previousMatching(*this, Node, C, [State](PLazyNode node) { return node->CheckState == State; });
    initOnDemand(result);
    return result;
}

namespace {
bool isSelected(PLazyNode node) { return node->States.contains(vsSelected); }
bool isCutOrCopy(PLazyNode node) { return node->States.contains(vsCutOrCopy); }
bool isInitialized(PLazyNode node) { return node->States.contains(vsInitialized); }
} // namespace

PLazyNode TBaseLazyTree::GetFirstSelected(bool C) { return GetNextSelected(nullptr, C); }

PLazyNode TBaseLazyTree::GetNextSelected(PLazyNode Node, bool C)
{
    if (SelectedCount() == 0)
        return nullptr;
    PLazyNode result = nextMatching(*this, Node, C, isSelected);
    initOnDemand(result);
    return result;
}

PLazyNode TBaseLazyTree::GetPreviousSelected(PLazyNode Node, bool C)
{
    if (SelectedCount() == 0)
        return nullptr;
    PLazyNode result = previousMatching(*this, Node, C, isSelected);
    initOnDemand(result);
    return result;
}

PLazyNode TBaseLazyTree::GetFirstCutCopy(bool C) { return GetNextCutCopy(nullptr, C); }

PLazyNode TBaseLazyTree::GetNextCutCopy(PLazyNode Node, bool C)
{
    if (!TreeStates().containsAny({TLazyTreeState::tsCutPending, TLazyTreeState::tsCopyPending}))
        return nullptr;
    PLazyNode result = nextMatching(*this, Node, C, isCutOrCopy);
    initOnDemand(result);
    return result;
}

PLazyNode TBaseLazyTree::GetPreviousCutCopy(PLazyNode Node, bool C)
{
    if (!TreeStates().containsAny({TLazyTreeState::tsCutPending, TLazyTreeState::tsCopyPending}))
        return nullptr;
    PLazyNode result = previousMatching(*this, Node, C, isCutOrCopy);
    initOnDemand(result);
    return result;
}

PLazyNode TBaseLazyTree::GetFirstInitialized(bool C) const { return GetNextInitialized(nullptr, C); }

PLazyNode TBaseLazyTree::GetNextInitialized(PLazyNode Node, bool C) const { return nextMatching(*this, Node, C, isInitialized); }

PLazyNode TBaseLazyTree::GetPreviousInitialized(PLazyNode Node, bool C) const
{
    return previousMatching(*this, Node, C, isInitialized);
}

PLazyNode TBaseLazyTree::GetLastInitialized(PLazyNode Node, bool C) const
{
    PLazyNode result = GetLastNoInit(Node, C);
    if (result && !isInitialized(result))
        result = GetPreviousInitialized(result, C);
    return result;
}

PLazyNode TBaseLazyTree::GetFirstLeaf() { return GetNextLeaf(nullptr); }

PLazyNode TBaseLazyTree::GetNextLeaf(PLazyNode Node)
{
    PLazyNode result = (!Node || Node == FStore->Root) ? GetFirstChild(nullptr) : GetNext(Node, false);
    while (result && result->States.contains(vsHasChildren))
        result = GetNext(result, false);
    return result;
}

PLazyNode TBaseLazyTree::GetPreviousLeaf(PLazyNode Node)
{
    // From the end of the tree, not from the last top-level node: the leaves
    // below that node come after it.
    PLazyNode result = (!Node || Node == FStore->Root) ? GetLast(nullptr, false) : GetPrevious(Node, false);
    while (result && result->States.contains(vsHasChildren))
        result = GetPrevious(result, false);
    return result;
}

PLazyNode TBaseLazyTree::GetFirstLevel(unsigned NodeLevel)
{
    PLazyNode result = GetFirstNoInit(true);
    while (result && GetNodeLevel(result) != NodeLevel)
        result = GetNextNoInit(result, true);
    initOnDemand(result);
    return result;
}

// The next (previous) node on the level in tree order, never going below the
// level; a node below the level starts from its ancestor on the level.
PLazyNode TBaseLazyTree::levelWalk(PLazyNode Node, unsigned NodeLevel, bool forward)
{
    if (!Node || Node == FStore->Root)
        return nullptr;
    const int level = static_cast<int>(NodeLevel);
    int depth = static_cast<int>(GetNodeLevel(Node));
    PLazyNode node = Node;
    while (depth > level) {
        node = node->Parent;
        --depth;
    }
    if (forward) {
        bool descend = depth < level;
        for (;;) {
            PLazyNode next = nullptr;
            if (descend && depth < level) {
                createChildrenOnDemand(node);
                if ((next = node->FirstChild))
                    ++depth;
            }
            if (!next) {
                while (node != FStore->Root && !node->NextSibling) {
                    node = node->Parent;
                    --depth;
                }
                if (node == FStore->Root)
                    return nullptr;
                next = node->NextSibling;
            }
            node = next;
            initOnDemand(node);
            if (depth == level)
                return node;
            descend = true;
        }
    }
    bool examine = false;
    for (;;) {
        if (examine) {
            initOnDemand(node);
            if (depth == level)
                return node;
            if (PLazyNode child = GetLastChild(node)) {
                node = child;
                ++depth;
                continue;
            }
        }
        if (node->PrevSibling) {
            node = node->PrevSibling;
            examine = true;
            continue;
        }
        node = node->Parent;
        --depth;
        if (node == FStore->Root)
            return nullptr;
        examine = false;
    }
}

PLazyNode TBaseLazyTree::GetNextLevel(PLazyNode Node, unsigned NodeLevel) { return levelWalk(Node, NodeLevel, true); }

PLazyNode TBaseLazyTree::GetPreviousLevel(PLazyNode Node, unsigned NodeLevel) { return levelWalk(Node, NodeLevel, false); }

// ---- Iteration and positions -------------------------------------------------

PLazyNode TBaseLazyTree::IterateSubtree(PLazyNode Node, const TLTGetNodeProc &Callback, void *Data, TLazyNodeStates Filter,
                                        bool DoInit, bool ChildNodesOnly)
{
    LT_ASSERT(Node != FStore->Root, assertions::nodeIsRoot);
    StateScope iterating(*this, TLazyTreeState::tsIterating);

    PLazyNode stop = nullptr;
    PLazyNode node;
    if (Node) {
        if (DoInit)
            initOnDemand(Node);
        stop = nextAfterSubtree(Node);
        node = Node;
        if (ChildNodesOnly) {
            if (DoInit)
                createChildrenOnDemand(Node);
            node = Node->FirstChild;
        }
    } else {
        node = GetFirstNoInit(false);
    }
    if (DoInit)
        initOnDemand(node);
    while (node && node != stop) {
        if (Filter.empty() || node->States.containsAll(Filter)) {
            bool Abort = false;
            Callback(this, node, Data, Abort);
            if (Abort)
                return node;
        }
        node = DoInit ? GetNext(node, false) : GetNextNoInit(node, false);
    }
    return nullptr;
}

unsigned TBaseLazyTree::AbsoluteIndex(PLazyNode Node)
{
    unsigned result = 0;
    if (!Node || Node == FStore->Root)
        return 0;
    PLazyNode node = Node;
    while (node != FStore->Root) {
        initOnDemand(node);
        if (node->PrevSibling) {
            node = node->PrevSibling;
            result += node->TotalCount;
        } else {
            node = node->Parent;
            if (node != FStore->Root)
                ++result;
        }
    }
    return result;
}

PLazyNode TBaseLazyTree::GetVisibleParent(PLazyNode Node, bool IF) const
{
    LT_ASSERT(Node, assertions::nodeNil);
    LT_ASSERT(Node != FStore->Root, assertions::nodeIsRoot);
    PLazyNode result = Node->Parent;
    while (result != FStore->Root && (!GetFullyVisible(result) || (!IF && GetEffectivelyFiltered(result))))
        result = result->Parent;
    return result;
}

bool TBaseLazyTree::HasAsParent(PLazyNode Node, PLazyNode PotentialParent) const
{
    if (!Node || !PotentialParent || Node == PotentialParent || Node == FStore->Root)
        return false;
    for (PLazyNode parent = Node->Parent;; parent = parent->Parent) {
        if (parent == PotentialParent)
            return true;
        if (parent == FStore->Root)
            return false;
    }
}

} // namespace vtree
