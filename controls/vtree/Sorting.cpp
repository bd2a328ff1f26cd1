// Sorting siblings with a stable merge sort that compares only through
// OnCompareNodes. The sort runs over an array of the children and relinks the
// chain once; its comparisons come in the order of a top-down merge sort of
// the list (first half n div 2, first half first), so handlers see the same
// sequence however the sort is carried out.
#include "controls/vtree/BaseLazyTree.h"
#include "platform/ScopeGuard.h"

#include <cstddef>
#include <vector>

namespace vtree {

using enum TLazyNodeState;

// Merging reads nodes in no order the caches can guess: each step asks for
// the nodes a few steps ahead in both runs, so that they have arrived when
// the handler reads them: the record (GetData marks its states) and the
// caller's data behind it.
constexpr std::size_t prefetchDistance = 4;

inline void prefetchData(PLazyNode Node)
{
    __builtin_prefetch(Node, 1);
    __builtin_prefetch(reinterpret_cast<const std::byte *>(Node) + NodeDataOffset);
}

class SiblingMergeSort {
public:
    SiblingMergeSort(TBaseLazyTree &tree, TColumnIndex column, TSortDirection direction)
        : m_tree(tree), m_compare(tree.OnCompareNodes), m_cancelled(tree.operationCancelFlag()), m_column(column),
          m_descending(direction == TSortDirection::sdDescending)
    {
    }

    void run(std::vector<PLazyNode> &nodes)
    {
        // Two arrays that trade places level by level, so that a merge
        // writes its result where the level above reads it, with no copy back.
        m_buffer = nodes;
        sortInto(m_buffer.data(), nodes.data(), nodes.size());
    }

private:
    // Whether the head of the second run goes before the head of the first.
    bool secondFirst(PLazyNode first, PLazyNode second)
    {
        // A cancelled sort asks no more: every pair counts as equal, so the
        // remaining merges keep the order they find. Only a handler called
        // from here can cancel, so the flag is read where it is kept.
        if (*m_cancelled)
            return false;
        int result = 0;
        if (m_compare) // a handler may take itself away meanwhile
            m_compare(&m_tree, first, second, m_column, result);
        return m_descending ? result < 0 : result > 0;
    }

    // Sorts the n nodes of from into to; both hold the same nodes on entry.
    void sortInto(PLazyNode *from, PLazyNode *to, std::size_t n)
    {
        if (n < 2)
            return;
        const std::size_t half = n / 2;
        sortInto(to, from, half);
        sortInto(to + half, from + half, n - half);
        merge(from, half, n, to);
    }

    void merge(const PLazyNode *nodes, std::size_t half, std::size_t n, PLazyNode *out)
    {
        std::size_t i = 0, j = half, k = 0;
        while (i < half && j < n) {
            if (i + prefetchDistance < half)
                prefetchData(nodes[i + prefetchDistance]);
            if (j + prefetchDistance < n)
                prefetchData(nodes[j + prefetchDistance]);
            out[k++] = secondFirst(nodes[i], nodes[j]) ? nodes[j++] : nodes[i++];
        }
        while (i < half)
            out[k++] = nodes[i++];
        while (j < n)
            out[k++] = nodes[j++];
    }

    TBaseLazyTree &m_tree;
    // The handler itself, not QueryCompareNodes: one call per comparison.
    const TLTCompareEvent &m_compare;
    const bool *m_cancelled;
    TColumnIndex m_column;
    bool m_descending;
    std::vector<PLazyNode> m_buffer;
};

void TBaseLazyTree::sortChildren(PLazyNode Node, TColumnIndex Column, TSortDirection Direction)
{
    BeginOperation(TLTOperationKind::okSortNode);
    platform::Finally end([this] { EndOperation(TLTOperationKind::okSortNode); });
    std::vector<PLazyNode> nodes;
    nodes.reserve(Node->ChildCount);
    for (PLazyNode child = Node->FirstChild; child; child = child->NextSibling)
        nodes.push_back(child);
    // Whatever the handlers do, the chain is relinked from a complete array.
    platform::Finally relink([&] {
        PLazyNode previous = nullptr;
        std::uint32_t index = 0;
        constexpr std::size_t ahead = 8;
        for (std::size_t i = 0; i < nodes.size(); ++i) {
            if (i + ahead < nodes.size())
                __builtin_prefetch(nodes[i + ahead], 1);
            PLazyNode child = nodes[i];
            child->PrevSibling = previous;
            child->Index = index++;
            if (previous)
                previous->NextSibling = child;
            else
                Node->FirstChild = child;
            previous = child;
        }
        previous->NextSibling = nullptr;
        Node->LastChild = previous;
        MarkCacheStale();
    });
    // Without a handler every pair is equal and the order stays.
    if (OnCompareNodes)
        SiblingMergeSort(*this, Column, Direction).run(nodes);
}

void TBaseLazyTree::Sort(PLazyNode Node, TColumnIndex Column, TSortDirection Direction, bool DoInit)
{
    StopCacheValidation();
    KillTreeTimer(EditTimer);
    ChangeTreeStates({}, TLazyTreeState::tsEditPending);
    if (TreeStates().contains(TLazyTreeState::tsEditing) && !EndEditNode())
        return;
    if (!Node)
        Node = RootNode();
    if (!Node->States.contains(vsHasChildren))
        return;
    if (DoInit) {
        createChildrenOnDemand(Node);
        ValidateChildren(Node, false);
    }
    if (Node->ChildCount >= 2)
        sortChildren(Node, Column, Direction);
    if (!IsUpdating()) {
        ScheduleCacheValidation();
        Invalidate();
    }
}

// Level by level from the root, each node before its children; with
// auto-sort only expanded nodes are entered, collapsed ones sort when they
// expand.
void TBaseLazyTree::SortTree(TColumnIndex Column, TSortDirection Direction, bool DoInit)
{
    if (RootNode()->TotalCount <= 2)
        return;
    {
        RaisedUpdateCount update(*this);
        if (Column >= NoColumn) {
            BeginOperation(TLTOperationKind::okSortTree);
            platform::Finally end([this] { EndOperation(TLTOperationKind::okSortTree); });
            const bool expandedOnly = toOption(TLTAutoOption::toAutoSort);
            std::vector<PLazyNode> next; // per open level, the child to visit next
            Sort(RootNode(), Column, Direction, DoInit);
            next.push_back(RootNode()->FirstChild);
            while (!next.empty() && !OperationCancelRequested()) {
                PLazyNode child = next.back();
                if (!child) {
                    next.pop_back();
                    continue;
                }
                next.back() = child->NextSibling;
                if (DoInit)
                    initOnDemand(child);
                if (child->States.contains(vsInitialized) && (!expandedOnly || child->States.contains(vsExpanded))) {
                    Sort(child, Column, Direction, DoInit);
                    next.push_back(child->FirstChild);
                }
            }
        }
        MarkCacheStale();
    }
    if (!IsUpdating()) {
        ScheduleCacheValidation();
        Invalidate();
    }
}

} // namespace vtree
