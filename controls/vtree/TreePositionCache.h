#pragma once
// The position cache, the finer row index beside it and what the worker
// thread reads of the tree. PositionCache.cpp and CacheWorker.cpp keep them.
#include "controls/vtree/BaseLazyTree.h"
#include "controls/vtree/RowIndex.h"

#include <atomic>
#include <cstdint>
#include <vector>

namespace vtree {

struct TTreePositionCache {
    std::vector<TBaseLazyTree::TCacheEntry> Entries;
    TRowIndex RowIndex;
    // tsStopValidation as the worker reads it.
    std::atomic<bool> StopValidation{false};
    std::uint64_t LiveSerial = 0;
};

} // namespace vtree
