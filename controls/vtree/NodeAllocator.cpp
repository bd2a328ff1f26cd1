#include "controls/vtree/NodeAllocator.h"

#include "controls/vtree/LazyNode.h"

#include <algorithm>
#include <cstring>
#include <new>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/asan_interface.h>
#define VTREE_POISON(address, size) ASAN_POISON_MEMORY_REGION((address), (size))
#define VTREE_UNPOISON(address, size) ASAN_UNPOISON_MEMORY_REGION((address), (size))
#else
#define VTREE_POISON(address, size) ((void)(address), (void)(size))
#define VTREE_UNPOISON(address, size) ((void)(address), (void)(size))
#endif

namespace vtree {

namespace {
// Slabs start small, so that a tree of a few nodes stays small, and double
// up to a size where the slab count no longer matters.
constexpr std::size_t firstSlabBlocks = 32;
constexpr std::size_t largestSlabBytes = std::size_t{4} << 20;
constexpr std::align_val_t slabAlignment{alignof(TLazyNode)};
} // namespace

void NodeAllocator::SlabDeleter::operator()(std::byte *slab) const { ::operator delete[](slab, slabAlignment); }

NodeAllocator::~NodeAllocator() { dropSlabs(); }

void NodeAllocator::setBlockSize(std::size_t size)
{
    size = alignNodeArea(std::max(size, sizeof(void *)));
    if (size == m_blockSize)
        return;
    dropSlabs();
    m_blockSize = size;
}

void NodeAllocator::dropSlabs()
{
    for (Slab &slab : m_slabs)
        VTREE_UNPOISON(slab.memory.get(), slab.bytes);
    m_slabs.clear();
    m_free = nullptr;
    m_cursor = m_end = nullptr;
    m_nextSlabBlocks = firstSlabBlocks;
    m_reserved = 0;
    m_live = 0;
}

void NodeAllocator::addSlab()
{
    const std::size_t blocks = std::max<std::size_t>(1, std::min(m_nextSlabBlocks, largestSlabBytes / m_blockSize));
    const std::size_t bytes = blocks * m_blockSize;
    Slab slab{std::unique_ptr<std::byte[], SlabDeleter>(static_cast<std::byte *>(::operator new[](bytes, slabAlignment))),
              bytes};
    VTREE_POISON(slab.memory.get(), bytes);
    m_cursor = slab.memory.get();
    m_end = m_cursor + bytes;
    m_reserved += bytes;
    m_slabs.push_back(std::move(slab));
    m_nextSlabBlocks = blocks * 2;
}

std::byte **NodeAllocator::linkOf(std::byte *block) const
{
    return reinterpret_cast<std::byte **>(block + m_blockSize - sizeof(std::byte *));
}

void *NodeAllocator::allocate()
{
    std::byte *block;
    if (m_free) {
        block = m_free;
        m_free = *linkOf(block);
    } else {
        if (m_cursor == m_end)
            addSlab();
        block = m_cursor;
        m_cursor += m_blockSize;
    }
    VTREE_UNPOISON(block, m_blockSize);
    std::memset(block, 0, m_blockSize);
    ++m_live;
    return block;
}

void NodeAllocator::release(void *block)
{
    VTREE_POISON(block, m_blockSize - sizeof(std::byte *));
    --m_live;
    if (m_live == 0) {
        // The tree is empty: give everything back rather than keep a free
        // list as long as the largest tree ever was.
        const std::size_t size = m_blockSize;
        dropSlabs();
        m_blockSize = size;
        return;
    }
    *linkOf(static_cast<std::byte *>(block)) = m_free;
    m_free = static_cast<std::byte *>(block);
}

} // namespace vtree
