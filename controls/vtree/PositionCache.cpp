// The position cache: every CacheStep-th visible row with its top, so that
// finding the row at a position, or a row's position, costs a binary search
// and a walk of fewer than CacheStep rows. Every change that moves rows
// stops a running build first and marks the cache stale.
#include "controls/vtree/BaseLazyTree.h"
#include "controls/vtree/TreePositionCache.h"
#include "controls/vtree/CacheWorker.h"
#include "controls/vtree/TreeErrors.h"

#include <algorithm>

namespace vtree {

using enum TLazyTreeState;

void TCorePartDeleter::operator()(TTreePositionCache *Part) const { delete Part; }

TCorePart<TTreePositionCache> TBaseLazyTree::newPositionCache() { return TCorePart<TTreePositionCache>(new TTreePositionCache); }

const std::vector<TBaseLazyTree::TCacheEntry> &TBaseLazyTree::PositionCache() const { return FCache->Entries; }

bool TBaseLazyTree::StopValidationRequested() const { return FCache->StopValidation.load(std::memory_order_acquire); }

void TBaseLazyTree::publishStopValidation(bool Stop) { FCache->StopValidation.store(Stop, std::memory_order_release); }

std::uint64_t TBaseLazyTree::LiveSerial() const { return FCache->LiveSerial; }

void TBaseLazyTree::MarkCacheStale()
{
    FCache->RowIndex.invalidate();
    ChangeTreeStates(tsValidationNeeded, tsUseCache);
}

void TBaseLazyTree::ScheduleCacheValidation()
{
    StopCacheValidation();
    // Rows whose heights the application measures on demand are not built
    // on the worker: they stay on walks.
    if (TreeStates().contains(tsValidationNeeded) && VisibleCount() > CacheStep && !toOption(TLTMiscOption::toVariableNodeHeight))
        if (CacheWorker *worker = CacheWorker::instance())
            worker->AddTree(this);
}

void TBaseLazyTree::StopCacheValidation()
{
    FCache->RowIndex.invalidate();
    ChangeTreeStates(tsStopValidation, tsUseCache);
    CacheWorker *worker = CacheWorker::instance();
    if (!worker)
        return;
    const bool wasValidating = TreeStates().contains(tsValidating);
    // A build taken off the queue or interrupted before it said so is redone too.
    if (worker->RemoveTree(this) || wasValidating)
        MarkCacheStale();
}

bool TBaseLazyTree::WaitForPositionCache()
{
    if (CacheWorker *worker = CacheWorker::instance())
        worker->WaitWhileQueuedOrValidating(this);
    return TreeStates().contains(tsUseCache);
}

unsigned TBaseLazyTree::CacheEntryCount() const
{
    return VisibleCount() > 1 ? (VisibleCount() + CacheStep - 1) / CacheStep : 0;
}

bool TBaseLazyTree::BuildPositionCache()
{
    if (StopValidationRequested())
        return false;
    FCache->Entries.clear();
    FCache->Entries.resize(CacheEntryCount());
    FCache->RowIndex.start(VisibleCount());
    std::size_t index = 0;
    std::uint32_t top = 0;
    unsigned walked = 0;
    for (PLazyNode node = GetFirstVisibleNoInit(nullptr, true); node && !StopValidationRequested();
         node = GetNextVisibleNoInit(node, true)) {
        if (walked % CacheStep == 0) {
            if (index == FCache->Entries.size())
                break;
            FCache->Entries[index++] = {node, top};
        }
        FCache->RowIndex.row(walked, node, top);
        top += node->NodeHeight;
        ++walked;
    }
    if (StopValidationRequested())
        return false;
    FCache->RowIndex.finish();
    // Only entries that name a row's own top: a closing entry with the
    // height after the last row would give that row a wrong top.
    FCache->Entries.resize(index);
    return walked >= 2;
}

namespace {
// The entry before After: its node and top, or nil and 0 at the start.
template <class Iterator>
PLazyNode entryBefore(Iterator After, Iterator Begin, std::uint32_t &AbsoluteTop)
{
    if (After == Begin) {
        AbsoluteTop = 0;
        return nullptr;
    }
    --After;
    AbsoluteTop = After->AbsoluteTop;
    return After->Node;
}
} // namespace

PLazyNode TBaseLazyTree::CacheEntryForPosition(std::uint32_t Position, std::uint32_t &AbsoluteTop) const
{
    auto after = std::upper_bound(FCache->Entries.begin(), FCache->Entries.end(), Position,
                                  [](std::uint32_t p, const TCacheEntry &e) { return p < e.AbsoluteTop; });
    return entryBefore(after, FCache->Entries.begin(), AbsoluteTop);
}

PLazyNode TBaseLazyTree::CacheEntryForNode(PLazyNode Node, std::uint32_t &AbsoluteTop) const
{
    // The entries follow the rows, so they are compared in the rows' order.
    auto after = std::upper_bound(FCache->Entries.begin(), FCache->Entries.end(), Node, [this](PLazyNode n, const TCacheEntry &e) {
        return CompareTreeOrder(e.Node, n, true) > 0;
    });
    return entryBefore(after, FCache->Entries.begin(), AbsoluteTop);
}

int TBaseLazyTree::CompareTreeOrder(PLazyNode Node1, PLazyNode Node2, bool ConsiderChildrenAbove) const
{
    LT_ASSERT(Node1 && Node2, assertions::nodesNil);
    if (Node1 == Node2)
        return 0;
    const bool above = childrenAbove(ConsiderChildrenAbove);
    if (HasAsParent(Node1, Node2))
        return above ? -1 : 1;
    if (HasAsParent(Node2, Node1))
        return above ? 1 : -1;
    unsigned level1 = GetNodeLevel(Node1), level2 = GetNodeLevel(Node2);
    for (; level1 > level2; --level1)
        Node1 = Node1->Parent;
    for (; level2 > level1; --level2)
        Node2 = Node2->Parent;
    while (Node1->Parent != Node2->Parent) {
        Node1 = Node1->Parent;
        Node2 = Node2->Parent;
    }
    return static_cast<int>(Node1->Index) - static_cast<int>(Node2->Index);
}

const TRowIndex *TBaseLazyTree::usableRowIndex()
{
    // Rows measured on demand change height while painting: they walk.
    if (toOption(TLTMiscOption::toVariableNodeHeight))
        return nullptr;
    // A large tree's index comes from the worker with the cache.
    if (TreeStates().contains(tsUseCache))
        return FCache->RowIndex.valid() ? &FCache->RowIndex : nullptr;
    if (VisibleCount() > CacheStep)
        return nullptr;
    // The worker never takes a tree this small: the index is built here.
    if (!FCache->RowIndex.valid()) {
        FCache->RowIndex.start(VisibleCount());
        std::uint32_t top = 0;
        unsigned walked = 0;
        for (PLazyNode node = GetFirstVisibleNoInit(nullptr, true); node; node = GetNextVisibleNoInit(node, true)) {
            FCache->RowIndex.row(walked++, node, top);
            top += node->NodeHeight;
        }
        FCache->RowIndex.finish();
    }
    return &FCache->RowIndex;
}

PLazyNode TBaseLazyTree::GetNodeAtOffset(std::uint32_t Y, std::uint32_t &NodeTop)
{
    std::uint32_t top = 0;
    PLazyNode node = nullptr;
    if (const TRowIndex *rows = usableRowIndex()) {
        if (const TRowIndex::Entry *entry = rows->entryForPosition(Y)) {
            node = entry->Node;
            top = entry->Top;
        }
    } else if (TreeStates().contains(tsUseCache)) {
        node = CacheEntryForPosition(Y, top);
    }
    if (!node)
        node = GetFirstVisibleNoInit(nullptr, true);
    for (; node; node = GetNextVisibleNoInit(node, true)) {
        if (Y < top + node->NodeHeight) {
            NodeTop = top;
            return node;
        }
        top += node->NodeHeight;
    }
    NodeTop = top;
    return nullptr;
}

std::uint32_t TBaseLazyTree::GetNodeTop(PLazyNode Node)
{
    if (const TRowIndex *rows = usableRowIndex()) {
        const auto order = [this](PLazyNode a, PLazyNode b) { return CompareTreeOrder(a, b, true); };
        if (const TRowIndex::Entry *entry = rows->entryForNode(Node, order)) {
            // A visible row lies fewer than Step rows past its entry; a node
            // not found there is not visible and takes the walk below.
            std::uint32_t top = entry->Top;
            PLazyNode node = entry->Node;
            for (unsigned n = 0; node && n <= TRowIndex::Step; ++n, node = GetNextVisibleNoInit(node, true)) {
                if (node == Node)
                    return top;
                top += node->NodeHeight;
            }
        }
    }
    std::uint32_t top = 0;
    PLazyNode entry = TreeStates().contains(tsUseCache) ? CacheEntryForNode(Node, top) : nullptr;
    if (entry) {
        for (PLazyNode node = entry; node && node != Node; node = GetNextVisibleNoInit(node, true))
            top += node->NodeHeight;
        return top;
    }
    for (PLazyNode node = GetPreviousVisibleNoInit(Node, true); node; node = GetPreviousVisibleNoInit(node, true))
        top += node->NodeHeight;
    return top;
}

} // namespace vtree
