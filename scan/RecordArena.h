#pragma once
// One allocation for the records of one telegram. The parser makes the
// telegram's records from the arena it is handed, up to the count the arena
// was made for; any record beyond gets its own allocation. Each record still
// belongs to its list and is deleted on its own: the arena's storage counts
// the records it still holds and goes with the last one, on whichever thread
// that is, to be kept (up to a bound) for later telegrams of its size.
#include "scan/ScanModel.h"

#include <cstddef>
#include <memory>

namespace scan {

class RecordArena {
public:
    explicit RecordArena(std::size_t count);
    ~RecordArena();
    RecordArena(const RecordArena &) = delete;
    RecordArena &operator=(const RecordArena &) = delete;

    // A record with every field at its initial value.
    std::unique_ptr<TVariable_MBus> make() { return std::unique_ptr<TVariable_MBus>(new (*this) TVariable_MBus); }

    struct Storage;
    // A slot of the arena for a record of `size` bytes, or null when the
    // arena is full or the record does not fit a slot.
    void *take(std::size_t size);

private:
    Storage *m_storage = nullptr;
};

} // namespace scan
