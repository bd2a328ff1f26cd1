// Nodes leaving and entering a tree as data: the cut and copy marks, the
// node records the clipboard and drags carry, and reading them back in.
#include "controls/vtree/BaseLazyTree.h"
#include "controls/vtree/ClipboardFormatList.h"
#include "platform/ScopeGuard.h"
#include "controls/vtree/SubtreeCopy.h"
#include "controls/vtree/TreeDataTransfer.h"
#include "controls/vtree/TreeStream.h"

#include <algorithm>
#include <limits>

namespace vtree {

using enum TLazyNodeState;
using enum TLTNodeAttachMode;

namespace {
bool cutOrCopyPending(TLazyTreeStates states)
{
    return states.containsAny({TLazyTreeState::tsCutPending, TLazyTreeState::tsCopyPending});
}
} // namespace

TNodeArray TBaseLazyTree::sortedNodesIn(TLazyNodeState State, bool Resolve, std::size_t Limit)
{
    TNodeArray result;
    if (Limit != std::numeric_limits<std::size_t>::max())
        result.reserve(Limit);
    PLazyNode node = GetFirstNoInit();
    while (node && result.size() < Limit) {
        if (node->States.contains(State)) {
            result.push_back(node);
            if (Resolve) {
                // A node in the state stands for its subtree.
                node = nextAfterSubtree(node);
                continue;
            }
        }
        node = GetNextNoInit(node);
    }
    return result;
}

unsigned TBaseLazyTree::CutCopyCount()
{
    if (!cutOrCopyPending(TreeStates()))
        return 0;
    unsigned count = 0;
    for (PLazyNode node = GetFirstNoInit(); node; node = GetNextNoInit(node))
        if (node->States.contains(vsCutOrCopy))
            ++count;
    return count;
}

TNodeArray TBaseLazyTree::GetSortedCutCopySet(bool Resolve)
{
    if (!cutOrCopyPending(TreeStates()))
        return {};
    return sortedNodesIn(vsCutOrCopy, Resolve, std::numeric_limits<std::size_t>::max());
}

void TBaseLazyTree::MarkCutCopySet(bool Cut)
{
    for (PLazyNode node = GetFirstNoInit(); node; node = GetNextNoInit(node))
        node->States.exclude(vsCutOrCopy);
    for (PLazyNode node : GetSortedSelection(false))
        if (!node->States.contains(vsDisabled))
            node->States.include(vsCutOrCopy);
    if (Cut)
        ChangeTreeStates({TLazyTreeState::tsCutPending}, {TLazyTreeState::tsCopyPending});
    else
        ChangeTreeStates({TLazyTreeState::tsCopyPending}, {TLazyTreeState::tsCutPending});
    Invalidate();
}

void TBaseLazyTree::CancelCutOrCopy()
{
    if (!cutOrCopyPending(TreeStates()))
        return;
    for (PLazyNode node = GetFirstNoInit(); node; node = GetNextNoInit(node))
        node->States.exclude(vsCutOrCopy);
    ChangeTreeStates({}, {TLazyTreeState::tsCutPending, TLazyTreeState::tsCopyPending});
    Invalidate();
}

void TBaseLazyTree::FinishCutOrCopy()
{
    if (!TreeStates().contains(TLazyTreeState::tsCutPending))
        return;
    const TNodeArray marked = GetSortedCutCopySet(true);
    {
        BeginUpdate();
        platform::Finally end([this] { EndUpdate(); });
        for (PLazyNode node : marked)
            DeleteNode(node);
    }
    ChangeTreeStates({}, {TLazyTreeState::tsCutPending});
}

QByteArray TBaseLazyTree::RenderTreeRecords(const TNodeArray &Nodes)
{
    SubtreeCopy copy;
    for (PLazyNode node : Nodes)
        captureSubtree(node, copy);
    QByteArray records;
    writeNodeRecords(copy, records);
    return records;
}

bool TBaseLazyTree::ProcessOLEData(TBaseLazyTree *Source, const QMimeData *DataObject, PLazyNode TargetNode,
                                   TLTNodeAttachMode Mode, bool Optimized)
{
    const QString mimeType = treeDataMimeType();
    if (!DataObject || !DataObject->hasFormat(mimeType))
        return false;
    if (IsReadOnly())
        return true;
    if (!TargetNode)
        TargetNode = RootNode();
    if (TargetNode == RootNode())
        Mode = attachModeAtRoot(Mode);

    if (Optimized && Source) {
        // The dragged nodes are the sorted selection, as the drag took them.
        TNodeArray nodes = Source->TreeStates().contains(TLazyTreeState::tsOLEDragging) ? Source->GetSortedSelection(true)
                                                                                    : Source->GetSortedCutCopySet(true);
        // Each lands right at the target: for these modes the last goes first.
        if (Mode == amInsertAfter || Mode == amAddChildFirst)
            std::reverse(nodes.begin(), nodes.end());
        BeginUpdate();
        platform::Finally end([this] { EndUpdate(); });
        if (Source != this)
            Source->BeginUpdate();
        platform::Finally endSource([this, Source] {
            if (Source != this)
                Source->EndUpdate();
        });
        for (PLazyNode node : nodes)
            if (node != TargetNode && !HasAsParent(TargetNode, node))
                Source->MoveTo(node, TargetNode, Mode, false);
        return true;
    }

    // Everything is read and checked before the tree changes.
    const QByteArray block = DataObject->data(mimeType);
    const QByteArray records = treeDataRecords(block);
    SubtreeCopy copy;
    readNodeRecords(records, 0, treeStreamVersion, -1, copy);

    const TChangeReason reason = Source == this ? TChangeReason::crNodeCopied : TChangeReason::crNodeAdded;
    BeginUpdate();
    platform::Finally end([this] { EndUpdate(); });
    PLazyNode destination = TargetNode;
    TLTNodeAttachMode mode = Mode;
    for (std::size_t top : copy.tops) {
        PLazyNode node = AllocateNode();
        LinkNode(node, destination, mode, *this);
        rebuildSubtree(node, copy, top);
        if (!QueryNodeCopying(node, nodeOrNil(TargetNode))) {
            DeleteNode(node);
            continue;
        }
        NotifyNodeCopied(node);
        ReportStructureChange(node, reason);
        if (Mode == amInsertAfter) {
            destination = node;
        }
    }
    return true;
}

} // namespace vtree
