#include "scan/RecordArena.h"

#include <atomic>
#include <new>

namespace scan {

struct RecordArena::Storage {
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

// Every record is preceded by the storage it lives in, or null when it has
// an allocation of its own.
struct SlotHeader {
    RecordArena::Storage *storage;
};
constexpr std::size_t kHeaderSize = roundUp(sizeof(SlotHeader));
constexpr std::size_t kSlotSize = kHeaderSize + roundUp(sizeof(TVariable_MBus));
constexpr std::size_t kStorageSize = roundUp(sizeof(RecordArena::Storage));

std::size_t storageBytes(std::size_t capacity) { return kStorageSize + capacity * kSlotSize; }

// The storage of the last telegram whose records are all gone, kept for the
// next telegram: one telegram after another on the scan thread then takes
// no memory from the heap for its records.
std::atomic<RecordArena::Storage *> g_spare{nullptr};

void freeStorage(RecordArena::Storage *storage)
{
    storage->~Storage();
    ::operator delete(static_cast<void *>(storage));
}

void release(RecordArena::Storage *storage, std::size_t count)
{
    if (storage->held.fetch_sub(count, std::memory_order_acq_rel) == count) {
        if (RecordArena::Storage *previous = g_spare.exchange(storage, std::memory_order_acq_rel))
            freeStorage(previous);
    }
}

// Room for at least `count` records, in steps of eight.
std::size_t capacityFor(std::size_t count) { return (count + 7) / 8 * 8; }

void *ownAllocation(std::size_t size)
{
    char *slot = static_cast<char *>(::operator new(kHeaderSize + size));
    new (slot) SlotHeader{nullptr};
    return slot + kHeaderSize;
}

} // namespace

RecordArena::RecordArena(std::size_t count)
{
    if (count == 0)
        return;
    const std::size_t capacity = capacityFor(count);
    if (Storage *spare = g_spare.exchange(nullptr, std::memory_order_acq_rel)) {
        if (spare->capacity >= capacity && spare->capacity <= 4 * capacity) {
            spare->held.store(spare->capacity, std::memory_order_relaxed);
            spare->used = 0;
            m_storage = spare;
            return;
        }
        freeStorage(spare);
    }
    m_storage = new (::operator new(storageBytes(capacity))) Storage{{capacity}, capacity};
}

RecordArena::~RecordArena()
{
    if (m_storage && m_storage->used < m_storage->capacity)
        release(m_storage, m_storage->capacity - m_storage->used);
}

void *RecordArena::take(std::size_t size)
{
    if (!m_storage || m_storage->used == m_storage->capacity || size > kSlotSize - kHeaderSize)
        return nullptr;
    char *slot = reinterpret_cast<char *>(m_storage) + kStorageSize + m_storage->used++ * kSlotSize;
    new (slot) SlotHeader{m_storage};
    return slot + kHeaderSize;
}

void *TVariable_MBus::operator new(std::size_t size) { return ownAllocation(size); }

void *TVariable_MBus::operator new(std::size_t size, RecordArena &arena)
{
    if (void *slot = arena.take(size))
        return slot;
    return ownAllocation(size);
}

void TVariable_MBus::operator delete(void *record, std::size_t) noexcept
{
    if (!record)
        return;
    char *slot = static_cast<char *>(record) - kHeaderSize;
    RecordArena::Storage *storage = reinterpret_cast<SlotHeader *>(slot)->storage;
    if (storage)
        release(storage, 1);
    else
        ::operator delete(slot);
}

void TVariable_MBus::operator delete(void *record, RecordArena &) noexcept
{
    TVariable_MBus::operator delete(record, sizeof(TVariable_MBus));
}

} // namespace scan
