#include "scan/RecordArena.h"

#include <array>
#include <atomic>
#include <mutex>
#include <new>
#include <vector>

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

// Room for at least `count` records, in steps of eight.
constexpr std::size_t kCapacityStep = 8;
std::size_t capacityFor(std::size_t count) { return (count + kCapacityStep - 1) / kCapacityStep * kCapacityStep; }

void freeStorage(RecordArena::Storage *storage)
{
    storage->~Storage();
    ::operator delete(static_cast<void *>(storage));
}

// Storages whose records are all gone, kept for later telegrams of their
// size (up to 64 records), up to a bound: telegram after telegram then takes
// no memory from the heap for its records, and the storages of results a
// scan lets go serve the next scan.
class SpareStorages {
public:
    RecordArena::Storage *take(std::size_t capacity)
    {
        const std::size_t index = indexOf(capacity);
        if (index >= kSizes)
            return nullptr;
        if (RecordArena::Storage *last = m_last[index].exchange(nullptr, std::memory_order_acquire))
            return last;
        const std::lock_guard lock(m_mutex);
        std::vector<RecordArena::Storage *> &kept = m_kept[index];
        if (kept.empty())
            return nullptr;
        RecordArena::Storage *storage = kept.back();
        kept.pop_back();
        m_bytes -= storageBytes(capacity);
        return storage;
    }

    void give(RecordArena::Storage *storage)
    {
        const std::size_t index = indexOf(storage->capacity);
        if (index < kSizes) {
            RecordArena::Storage *none = nullptr;
            if (m_last[index].compare_exchange_strong(none, storage, std::memory_order_release))
                return;
            const std::size_t bytes = storageBytes(storage->capacity);
            const std::lock_guard lock(m_mutex);
            if (m_bytes + bytes <= kMaxBytes) {
                try {
                    m_kept[index].push_back(storage);
                    m_bytes += bytes;
                    return;
                } catch (const std::bad_alloc &) {
                    // Given back to the heap below: a record's delete throws nothing.
                }
            }
        }
        freeStorage(storage);
    }

private:
    static constexpr std::size_t kSizes = 8;
    static constexpr std::size_t kMaxBytes = std::size_t(1) << 20;
    static std::size_t indexOf(std::size_t capacity) { return capacity / kCapacityStep - 1; }

    // The last one given of each size, taken without the lock: one telegram
    // after another mostly needs no more.
    std::array<std::atomic<RecordArena::Storage *>, kSizes> m_last{};
    std::mutex m_mutex;
    std::array<std::vector<RecordArena::Storage *>, kSizes> m_kept;
    std::size_t m_bytes = 0; // of the kept ones behind the lock
};

// Never destroyed: records may be let go while the program ends.
SpareStorages &spareStorages()
{
    static SpareStorages *spares = new SpareStorages;
    return *spares;
}

void release(RecordArena::Storage *storage, std::size_t count)
{
    if (storage->held.fetch_sub(count, std::memory_order_acq_rel) == count)
        spareStorages().give(storage);
}

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
    if (Storage *kept = spareStorages().take(capacity)) {
        kept->held.store(capacity, std::memory_order_relaxed);
        kept->used = 0;
        m_storage = kept;
        return;
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
