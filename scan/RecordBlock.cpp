#include "scan/RecordBlock.h"

#include "scan/ScanModel.h"

#include <atomic>
#include <new>

namespace scan {

struct RecordBlock::Storage {
    // Slots not yet given back: the unused ones and the records alive.
    std::atomic<std::size_t> held;
    std::size_t capacity;
    std::size_t used = 0;
};

namespace {

constexpr std::size_t roundUp(std::size_t size)
{
    return (size + alignof(std::max_align_t) - 1) / alignof(std::max_align_t) * alignof(std::max_align_t);
}

// Every record is preceded by the block it lives in, or null when it has an
// allocation of its own.
struct SlotHeader {
    RecordBlock::Storage *storage;
};
constexpr std::size_t kHeaderSize = roundUp(sizeof(SlotHeader));
constexpr std::size_t kSlotSize = kHeaderSize + roundUp(sizeof(TVariable_MBus));
constexpr std::size_t kStorageSize = roundUp(sizeof(RecordBlock::Storage));

thread_local RecordBlock::Storage *t_current = nullptr;

std::size_t blockBytes(std::size_t capacity) { return kStorageSize + capacity * kSlotSize; }

void release(RecordBlock::Storage *storage, std::size_t count)
{
    if (storage->held.fetch_sub(count, std::memory_order_acq_rel) == count) {
        storage->~Storage();
        ::operator delete(static_cast<void *>(storage));
    }
}

} // namespace

RecordBlock::RecordBlock(std::size_t count) : m_previous(t_current)
{
    if (count > 0)
        m_storage = new (::operator new(blockBytes(count))) Storage{{count}, count};
    t_current = m_storage;
}

RecordBlock::~RecordBlock()
{
    t_current = m_previous;
    if (m_storage && m_storage->used < m_storage->capacity)
        release(m_storage, m_storage->capacity - m_storage->used);
}

void *TVariable_MBus::operator new(std::size_t size)
{
    RecordBlock::Storage *storage = t_current;
    char *slot = nullptr;
    if (storage && storage->used < storage->capacity && size <= kSlotSize - kHeaderSize) {
        slot = reinterpret_cast<char *>(storage) + kStorageSize + storage->used++ * kSlotSize;
    } else {
        storage = nullptr;
        slot = static_cast<char *>(::operator new(kHeaderSize + size));
    }
    new (slot) SlotHeader{storage};
    return slot + kHeaderSize;
}

void TVariable_MBus::operator delete(void *record, std::size_t size) noexcept
{
    if (!record)
        return;
    char *slot = static_cast<char *>(record) - kHeaderSize;
    RecordBlock::Storage *storage = reinterpret_cast<SlotHeader *>(slot)->storage;
    if (storage)
        release(storage, 1);
    else
        ::operator delete(slot);
}

} // namespace scan
