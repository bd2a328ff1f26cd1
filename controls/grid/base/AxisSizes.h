#pragma once
// The widths of a grid's columns, or the heights of its rows, with the
// offsets of their edges. Offsets come from prefix sums, so finding where
// entry i of a million starts, or which entry holds a pixel, costs a few
// steps rather than a walk over every entry before it. While every entry has
// the default size nothing is stored per entry.
#include <cstdint>
#include <span>
#include <vector>

namespace controls {

class TAxisSizes {
public:
    // No entry is wider than this, so that an edge plus a size plus a line
    // always fits an int.
    static constexpr int MaxSize = 1 << 20;

    explicit TAxisSizes(int defaultSize) : m_default(clampSize(defaultSize)) {}

    int count() const { return m_count; }
    // Entries added at the end take the default size.
    void setCount(int count);
    int defaultSize() const { return m_default; }
    // Every entry takes the new default.
    void setDefaultSize(int size);

    // 0 for an index outside 0..count - 1.
    int size(int index) const;
    // Ignored outside; a negative size counts as 0.
    void setSize(int index, int size);

    // Sum of the sizes of entries 0..index - 1 (index clamped to 0..count).
    std::int64_t offset(int index) const;
    std::int64_t total() const { return offset(m_count); }
    // Sum of the sizes of entries from..to - 1 (0 when to <= from).
    std::int64_t span(int from, int to) const { return to <= from ? 0 : offset(to) - offset(from); }
    // The entry that holds pixel position pos (entries of size 0 hold
    // none): -1 before the first, count at or past the end.
    int indexAt(std::int64_t pos) const;

    // Entries inserted take the default size; ranges are clipped.
    void insert(int at, int count);
    void remove(int at, int count);
    // Entry from is taken out and put back so that it ends at index to.
    void move(int from, int to);
    // Many entries at once, in one pass (a filter hides half a million
    // rows): the entries at these indexes (ascending, distinct, in range)
    // go; or new entries come in so that they end up at these indexes
    // (ascending, distinct, in the grown range) with these sizes (the
    // default where sizes is shorter). Any other list changes nothing.
    void removeList(std::span<const int> indexes);
    void insertList(std::span<const int> indexes, std::span<const int> sizes);

private:
    static int clampSize(int size) { return size < 0 ? 0 : size > MaxSize ? MaxSize : size; }
    bool uniform() const { return m_sizes.empty(); }
    void materialise();
    void rebuild() const;

    int m_count = 0;
    int m_default;
    // Empty while every entry has the default size.
    std::vector<int> m_sizes;
    // Fenwick tree over m_sizes (1-based), rebuilt lazily after bulk changes.
    mutable std::vector<std::int64_t> m_tree;
    mutable bool m_dirty = false;
};

} // namespace controls
