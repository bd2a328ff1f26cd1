// Moving and copying nodes. A move within one tree relinks the nodes; a copy,
// and a move into another tree, take the nodes over field by field with the
// events a saved and reloaded subtree raises: OnSaveNode for every source
// node and OnLoadNode for every copy, children before their parent, so the
// application carries its data over as it would through a stream. A copy
// keeps only the states that belong to a stored node.
#include "controls/vtree/BaseLazyTree.h"
#include "controls/vtree/TreeNodeStore.h"
#include "platform/ScopeGuard.h"
#include "controls/vtree/SubtreeCopy.h"
#include "controls/vtree/TreeErrors.h"

#include <QBuffer>
#include <QByteArray>
#include <algorithm>
#include <vector>

namespace vtree {

using enum TLazyNodeState;
using enum TLTNodeAttachMode;

// With toInitOnSave every node is initialised and gets its children first;
// the children of a node that is not initialised are left out.
void TBaseLazyTree::captureSubtree(PLazyNode Top, SubtreeCopy &copy)
{
    copy.tops.push_back(copy.nodes.size());
    struct Open {
        std::size_t record;
        PLazyNode next; // the next child to record
    };
    std::vector<Open> open;
    std::vector<PLazyNode> sources; // per open record
    auto record = [&](PLazyNode node) {
        if (toOption(TLTMiscOption::toInitOnSave)) {
            initOnDemand(node);
            createChildrenOnDemand(node);
        }
        const bool withChildren = node->States.contains(vsInitialized);
        CapturedNode captured;
        captured.States = node->States - unsavedStates;
        captured.NodeHeight = node->NodeHeight;
        captured.Align = node->Align;
        captured.CheckState = node->CheckState;
        captured.CheckType = node->CheckType;
        // The count says how many records follow, so that the record reads back.
        captured.Children = withChildren ? node->ChildCount : 0;
        copy.nodes.push_back(std::move(captured));
        open.push_back({copy.nodes.size() - 1, withChildren ? node->FirstChild : nullptr});
        sources.push_back(node);
    };
    record(Top);
    while (!open.empty()) {
        if (PLazyNode child = open.back().next) {
            open.back().next = child->NextSibling;
            record(child);
            continue;
        }
        // All its children are recorded: the node's own data follows theirs.
        const std::size_t doneRecord = open.back().record;
        PLazyNode source = sources.back();
        open.pop_back();
        sources.pop_back();
        QString caption;
        if (source->States.contains(vsInitialized) && CaptionForStream(source, caption)) {
            copy.nodes[doneRecord].HasCaption = true;
            copy.nodes[doneRecord].Caption = caption;
        }
        if (OnSaveNode) {
            QByteArray user;
            QBuffer buffer(&user);
            buffer.open(QIODevice::WriteOnly);
            NotifySaveNode(source, &buffer);
            copy.nodes[doneRecord].User = user;
        }
    }
}

// Fills the linked node Node from the records starting at first and builds
// its children, raising OnLoadNode children first; then the totals, the
// visible count and the selection take the new subtree in.
void TBaseLazyTree::rebuildSubtree(PLazyNode Node, const SubtreeCopy &copy, std::size_t first)
{
    PLazyNode parent = Node->Parent;
    const bool parentShown = parent == FStore->Root || (GetFullyVisible(parent) && parent->States.contains(vsExpanded));
    auto rows = [&] {
        return parentShown && Node->States.contains(vsVisible)
                   ? ShownDescendantCount(Node) + (GetEffectivelyVisible(Node) ? 1u : 0u)
                   : 0u;
    };
    auto shownHeight = [&]() -> std::int64_t {
        return parent->States.contains(vsExpanded) && Node->States.contains(vsVisible) ? Node->TotalHeight : 0;
    };
    const unsigned oldRows = rows();
    const std::int64_t oldHeight = shownHeight();
    const std::uint32_t oldCount = Node->TotalCount;
    auto settle = [&] {
        RecountSubtree(Node);
        RecomputeSubtreeHeight(Node);
        PropagateTotalCount(parent, static_cast<std::int64_t>(Node->TotalCount) - oldCount, true);
        PropagateTotalHeight(parent, shownHeight() - oldHeight, true);
        FStore->VisibleCount = FStore->VisibleCount - oldRows + rows();
    };

    struct Open {
        PLazyNode node;
        std::size_t record;
        std::uint32_t left;
    };
    std::vector<Open> open;
    std::size_t next = first;
    auto fill = [&](PLazyNode node) {
        const CapturedNode &rec = copy.nodes[next];
        open.push_back({node, next, rec.Children});
        ++next;
        if (!rec.HasBase)
            return;
        node->States = rec.States * storedStates;
        node->NodeHeight = static_cast<std::uint16_t>(std::min<std::uint32_t>(rec.NodeHeight, 0xFFFF));
        node->TotalHeight = node->NodeHeight;
        node->Align = rec.Align;
        node->CheckState = rec.CheckState;
        node->CheckType = rec.CheckType;
    };
    try {
        fill(Node);
        while (!open.empty()) {
            if (open.back().left > 0) {
                --open.back().left;
                PLazyNode owner = open.back().node;
                PLazyNode child = AllocateNode();
                linkAsLastChild(owner, child);
                ++owner->ChildCount;
                fill(child);
                continue;
            }
            const Open done = open.back();
            open.pop_back();
            const CapturedNode &rec = copy.nodes[done.record];
            if (rec.HasCaption)
                CaptionFromStream(done.node, rec.Caption);
            if (!rec.User.isEmpty()) {
                QByteArray bytes = rec.User;
                QBuffer buffer(&bytes);
                buffer.open(QIODevice::ReadOnly);
                NotifyLoadNode(done.node, &buffer);
            }
        }
    } catch (...) {
        settle();
        throw;
    }
    settle();
    selectLoaded(Node);
}

// Copied selected nodes stay selected in a multi-select tree only.
void TBaseLazyTree::selectLoaded(PLazyNode Node)
{
    TNodeArray selected;
    const PLazyNode stop = nextAfterSubtree(Node);
    for (PLazyNode node = Node; node && node != stop; node = GetNextNoInit(node)) {
        if (!node->States.contains(vsSelected))
            continue;
        node->States.exclude(vsSelected);
        if (toOption(TLTSelectionOption::toMultiSelect))
            selected.push_back(node);
    }
    AppendToSelection(selected.data(), selected.size(), true);
}

// The copies go in one after the other, each after the one before, so that
// children copied or moved as a group keep their order in every mode.
PLazyNode TBaseLazyTree::transfer(PLazyNode Source, TBaseLazyTree &TargetTree, PLazyNode Target, TLTNodeAttachMode Mode,
                                  bool ChildrenOnly, bool Move)
{
    SubtreeCopy copy;
    if (ChildrenOnly) {
        for (PLazyNode child = Source->FirstChild; child; child = child->NextSibling)
            captureSubtree(child, copy);
    } else {
        captureSubtree(Source, copy);
    }
    PLazyNode result = nullptr;
    {
        TargetTree.BeginUpdate();
        platform::Finally end([&TargetTree] { TargetTree.EndUpdate(); });
        PLazyNode destination = Target;
        TLTNodeAttachMode mode = Mode;
        for (std::size_t top : copy.tops) {
            PLazyNode node = TargetTree.AllocateNode();
            TargetTree.LinkNode(node, destination, mode, TargetTree);
            TargetTree.rebuildSubtree(node, copy, top);
            if (Move) {
                NotifyNodeMoved(node);
            } else if (QueryNodeCopying(node, TargetTree.nodeOrNil(Target))) {
                NotifyNodeCopied(node);
            } else {
                TargetTree.DeleteNode(node);
                continue;
            }
            result = node;
            destination = node;
            mode = amInsertAfter;
        }
    }
    return result;
}

// No target means the top of this tree; the mode then and at any root is one
// that makes sense there.
TBaseLazyTree *TBaseLazyTree::resolveTarget(PLazyNode &Target, TLTNodeAttachMode &Mode)
{
    TBaseLazyTree *tree = this;
    if (!Target) {
        Target = FStore->Root;
        Mode = amAddChildFirst;
    } else {
        tree = OwnerTreeOf(Target);
    }
    if (Target == tree->FStore->Root)
        Mode = attachModeAtRoot(Mode);
    return tree;
}

void TBaseLazyTree::MoveTo(PLazyNode Source, PLazyNode Target, TLTNodeAttachMode Mode, bool ChildrenOnly)
{
    LT_ASSERT(!Source || OwnerTreeOf(Source) == this, assertions::sourceNotInTree);
    const bool besideItself = ChildrenOnly && (Mode == amInsertBefore || Mode == amInsertAfter);
    if (!(Target != Source || besideItself) || Mode == amNoWhere || !Source || Source == FStore->Root || IsReadOnly())
        return;
    TBaseLazyTree *targetTree = resolveTarget(Target, Mode);
    if (targetTree != this && targetTree->IsReadOnly())
        return; // as a copy, a move puts nothing into a read-only tree
    if (Target != targetTree->FStore->Root) {
        targetTree->initOnDemand(Target);
        targetTree->createChildrenOnDemand(Target);
    }

    bool allowed = false;
    if (targetTree == this) {
        allowed = QueryNodeMoving(Source, nodeOrNil(Target));
        if (allowed) {
            if (HasAsParent(Target, Source))
                RaiseTreeError(errMoveToOwnChild);
            auto moveOne = [&](PLazyNode node, bool reindex) {
                UnlinkNode(node, true, reindex, false);
                LinkNode(node, Target, Mode, *this);
                NotifyNodeMoved(node);
            };
            if (!ChildrenOnly) {
                moveOne(Source, true);
            } else if (Mode == amAddChildFirst || Mode == amInsertAfter) {
                // Each lands right at the target: the last goes first.
                for (PLazyNode child = Source->LastChild, previous; child; child = previous) {
                    previous = child->PrevSibling;
                    moveOne(child, false);
                }
            } else {
                for (PLazyNode child = Source->FirstChild, following; child; child = following) {
                    following = child->NextSibling;
                    moveOne(child, false);
                }
            }
        }
    } else {
        allowed = QueryNodeMoving(Source, targetTree->nodeOrNil(Target));
        if (allowed) {
            transfer(Source, *targetTree, Target, Mode, ChildrenOnly, true);
            BeginUpdate();
            platform::Finally end([this] { EndUpdate(); });
            if (ChildrenOnly)
                DeleteChildren(Source, false);
            else
                RemoveNode(Source, true, false);
        }
    }
    MarkCacheStale();
    if (!IsUpdating() && allowed) {
        ScheduleCacheValidation();
        UpdateScrollBars(true);
        Invalidate();
        if (targetTree != this)
            targetTree->Invalidate();
    }
    // A source moved into another tree is gone: nothing to name.
    ReportStructureChange(targetTree == this || ChildrenOnly ? Source : nullptr, TChangeReason::crNodeMoved);
}

void TBaseLazyTree::MoveTo(PLazyNode Source, TBaseLazyTree &Tree, TLTNodeAttachMode Mode, bool ChildrenOnly)
{
    MoveTo(Source, Tree.FStore->Root, Mode, ChildrenOnly);
}

PLazyNode TBaseLazyTree::CopyTo(PLazyNode Source, PLazyNode Target, TLTNodeAttachMode Mode, bool ChildrenOnly)
{
    LT_ASSERT(!Source || OwnerTreeOf(Source) == this, assertions::sourceNotInTree);
    if (Mode == amNoWhere || !Source || Source == FStore->Root)
        return nullptr;
    TBaseLazyTree *targetTree = resolveTarget(Target, Mode);
    if (targetTree->IsReadOnly())
        return nullptr;
    PLazyNode copied = transfer(Source, *targetTree, Target, Mode, ChildrenOnly, false);
    targetTree->MarkCacheStale();
    if (!targetTree->IsUpdating()) {
        targetTree->ScheduleCacheValidation();
        targetTree->UpdateScrollBars(true);
        targetTree->Invalidate();
    }
    targetTree->ReportStructureChange(ChildrenOnly || targetTree != this ? nullptr : Source, TChangeReason::crNodeCopied);
    return ChildrenOnly ? Target : copied;
}

PLazyNode TBaseLazyTree::CopyTo(PLazyNode Source, TBaseLazyTree &Tree, TLTNodeAttachMode Mode, bool ChildrenOnly)
{
    return CopyTo(Source, Tree.FStore->Root, Mode, ChildrenOnly);
}

} // namespace vtree
