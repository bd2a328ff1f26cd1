#pragma once
// A finer index of the visible rows beside the position cache: every Step-th
// row with its top. Finding the row at an offset, or a row's top, costs a
// binary search and a walk of fewer than Step rows, whatever the tree's size;
// the cache's own entries, 2000 rows apart, leave walks of a thousand rows
// on average, which the mouse pays on every move. Built in the same walk as
// the cache on the worker, or for trees too small for the worker on the
// interface thread when first asked; stale whenever the cache is.
#include "controls/vtree/LazyNode.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <vector>

namespace vtree {

class TRowIndex {
public:
    static constexpr unsigned Step = 8;

    struct Entry {
        PLazyNode Node;
        std::uint32_t Top;
    };

    // Building, by one thread, in the order of the rows.
    void start(std::size_t rows);
    // Called for every row: keeps every Step-th.
    void row(unsigned walked, PLazyNode node, std::uint32_t top)
    {
        if (walked % Step == 0)
            m_entries.push_back({node, top});
    }
    void finish() { m_valid.store(true, std::memory_order_release); }

    void invalidate() { m_valid.store(false, std::memory_order_release); }
    bool valid() const { return m_valid.load(std::memory_order_acquire); }

    // The last entry whose row starts at or above Position; nil when none.
    const Entry *entryForPosition(std::uint32_t Position) const;
    // The last entry at or before Node in the rows' order, as Compare
    // (entry node, node) orders them (negative: the entry's row is above).
    const Entry *entryForNode(PLazyNode Node, const std::function<int(PLazyNode, PLazyNode)> &Compare) const;

private:
    std::vector<Entry> m_entries;
    std::atomic<bool> m_valid{false};
};

} // namespace vtree
