#pragma once
// The node store: the hidden root's block, the allocator the other nodes come
// from, the sizes of a node's areas and the counts kept over all nodes, and
// whether the tree is loading or being destroyed. The node model's sources
// (Node*.cpp, Navigation.cpp) include this; the rest use the tree's accessors.
#include "controls/vtree/LazyNode.h"
#include "controls/vtree/NodeAllocator.h"

#include <cstddef>
#include <memory>

namespace vtree {

struct TRootBlockDeleter {
    void operator()(std::byte *Block) const;
};

struct TTreeNodeStore {
    PLazyNode Root = nullptr;
    unsigned DefaultNodeHeight = 18;
    std::unique_ptr<std::byte[], TRootBlockDeleter> RootBlock;
    std::size_t RootBlockSize = 0;
    NodeAllocator Allocator;
    int NodeDataSize = -1;
    std::size_t TotalInternalDataSize = 0;
    // Rows the tree can show.
    unsigned VisibleCount = 0;
    // Between BeginLoading and Loaded.
    bool Loading = false;
    bool Destroying = false;
};

} // namespace vtree
