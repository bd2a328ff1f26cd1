#pragma once
// The blocks of one tree's nodes, all of one size, carved from slabs that grow
// with the tree: a node costs its block and nothing more (no allocation of
// its own, no header), and freeing the whole tree gives the slabs back at
// once. Blocks come zero-filled. A freed block keeps the link to the next
// free one in its last bytes; under AddressSanitizer the rest is poisoned, so
// a node record used after it was deleted is reported.
#include <cstddef>
#include <memory>
#include <vector>

namespace vtree {

class NodeAllocator {
public:
    NodeAllocator() = default;
    ~NodeAllocator();
    NodeAllocator(const NodeAllocator &) = delete;
    NodeAllocator &operator=(const NodeAllocator &) = delete;

    // Only while no block is live; the slabs of the old size are given back.
    void setBlockSize(std::size_t size);
    std::size_t blockSize() const { return m_blockSize; }

    void *allocate();
    void release(void *block);

    std::size_t liveCount() const { return m_live; }
    // Bytes taken from the system for slabs.
    std::size_t reservedBytes() const { return m_reserved; }

private:
    struct SlabDeleter {
        void operator()(std::byte *slab) const;
    };
    struct Slab {
        std::unique_ptr<std::byte[], SlabDeleter> memory;
        std::size_t bytes;
    };

    void addSlab();
    void dropSlabs();
    std::byte **linkOf(std::byte *block) const;

    std::size_t m_blockSize = 0;
    std::vector<Slab> m_slabs;
    std::byte *m_cursor = nullptr; // next never-used block of the last slab
    std::byte *m_end = nullptr;
    std::size_t m_nextSlabBlocks = 0;
    std::byte *m_free = nullptr; // the last freed block
    std::size_t m_live = 0;
    std::size_t m_reserved = 0;
};

} // namespace vtree
