#pragma once
// One allocation for the records of one telegram. While a RecordBlock lives,
// the records created on its thread (up to the count it was made for) take
// their memory from it; any record beyond, or created elsewhere, gets its
// own. Each record still belongs to its list and is deleted on its own: the
// block counts the records it still holds and goes with the last one, on
// whichever thread that is.
#include <cstddef>

namespace scan {

class RecordBlock {
public:
    explicit RecordBlock(std::size_t count);
    ~RecordBlock();
    RecordBlock(const RecordBlock &) = delete;
    RecordBlock &operator=(const RecordBlock &) = delete;

    struct Storage;

private:
    Storage *m_storage = nullptr;
    Storage *m_previous = nullptr;
};

} // namespace scan
