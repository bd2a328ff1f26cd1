#include "controls/grid/base/AxisSizes.h"

#include <algorithm>

namespace controls {

void TAxisSizes::setCount(int count)
{
    count = std::max(count, 0);
    if (count == m_count)
        return;
    if (!uniform()) {
        m_sizes.resize(static_cast<std::size_t>(count), m_default);
        m_dirty = true;
    }
    m_count = count;
}

void TAxisSizes::setDefaultSize(int size)
{
    m_default = clampSize(size);
    m_sizes.clear();
    m_tree.clear();
    m_dirty = false;
}

int TAxisSizes::size(int index) const
{
    if (index < 0 || index >= m_count)
        return 0;
    return uniform() ? m_default : m_sizes[static_cast<std::size_t>(index)];
}

void TAxisSizes::setSize(int index, int size)
{
    if (index < 0 || index >= m_count)
        return;
    size = clampSize(size);
    if (uniform()) {
        if (size == m_default)
            return;
        materialise();
    }
    int &slot = m_sizes[static_cast<std::size_t>(index)];
    const std::int64_t delta = size - slot;
    slot = size;
    if (m_dirty || delta == 0)
        return;
    const std::size_t n = m_tree.size();
    for (std::size_t i = static_cast<std::size_t>(index) + 1; i < n; i += i & (~i + 1))
        m_tree[i] += delta;
}

std::int64_t TAxisSizes::offset(int index) const
{
    index = std::clamp(index, 0, m_count);
    if (uniform())
        return static_cast<std::int64_t>(index) * m_default;
    if (m_dirty)
        rebuild();
    std::int64_t sum = 0;
    for (std::size_t i = static_cast<std::size_t>(index); i > 0; i -= i & (~i + 1))
        sum += m_tree[i];
    return sum;
}

int TAxisSizes::indexAt(std::int64_t pos) const
{
    if (pos < 0)
        return -1;
    if (pos >= total())
        return m_count;
    if (uniform())
        return static_cast<int>(pos / m_default);
    if (m_dirty)
        rebuild();
    // The largest k whose prefix sum is at most pos: entry k holds pos.
    const std::size_t n = m_tree.size() - 1;
    std::size_t k = 0;
    std::size_t step = 1;
    while (step * 2 <= n)
        step *= 2;
    std::int64_t rest = pos;
    for (; step > 0; step /= 2) {
        if (k + step <= n && m_tree[k + step] <= rest) {
            k += step;
            rest -= m_tree[k];
        }
    }
    return static_cast<int>(k);
}

void TAxisSizes::insert(int at, int count)
{
    at = std::clamp(at, 0, m_count);
    if (count <= 0)
        return;
    if (!uniform()) {
        m_sizes.insert(m_sizes.begin() + at, static_cast<std::size_t>(count), m_default);
        m_dirty = true;
    }
    m_count += count;
}

void TAxisSizes::remove(int at, int count)
{
    if (at < 0 || at >= m_count || count <= 0)
        return;
    count = std::min(count, m_count - at);
    if (!uniform()) {
        m_sizes.erase(m_sizes.begin() + at, m_sizes.begin() + at + count);
        m_dirty = true;
    }
    m_count -= count;
}

void TAxisSizes::move(int from, int to)
{
    if (from < 0 || from >= m_count || to < 0 || to >= m_count || from == to || uniform())
        return;
    const auto first = m_sizes.begin();
    if (from < to)
        std::rotate(first + from, first + from + 1, first + to + 1);
    else
        std::rotate(first + to, first + from, first + from + 1);
    m_dirty = true;
}

// Ascending, distinct, inside 0..limit - 1, and not empty.
static bool isIndexList(std::span<const int> indexes, int limit)
{
    for (std::size_t i = 0; i < indexes.size(); ++i)
        if (indexes[i] < 0 || indexes[i] >= limit || (i > 0 && indexes[i - 1] >= indexes[i]))
            return false;
    return !indexes.empty();
}

void TAxisSizes::removeList(std::span<const int> indexes)
{
    if (!isIndexList(indexes, m_count))
        return;
    if (!uniform()) {
        std::size_t kept = 0;
        std::size_t next = 0;
        for (std::size_t i = 0; i < m_sizes.size(); ++i) {
            if (next < indexes.size() && static_cast<std::size_t>(indexes[next]) == i) {
                ++next;
                continue;
            }
            m_sizes[kept++] = m_sizes[i];
        }
        m_sizes.resize(kept);
        m_dirty = true;
    }
    m_count -= static_cast<int>(indexes.size());
}

void TAxisSizes::insertList(std::span<const int> indexes, std::span<const int> sizes)
{
    if (!isIndexList(indexes, m_count + static_cast<int>(indexes.size())))
        return;
    const int grown = m_count + static_cast<int>(indexes.size());
    const auto sizeOf = [&](std::size_t k) { return k < sizes.size() ? clampSize(sizes[k]) : m_default; };
    if (uniform()) {
        bool allDefault = true;
        for (std::size_t k = 0; k < indexes.size() && allDefault; ++k)
            allDefault = sizeOf(k) == m_default;
        if (allDefault) {
            m_count = grown;
            return;
        }
        materialise();
    }
    // Filled from the end, so that the old entries move once each.
    m_sizes.resize(static_cast<std::size_t>(grown));
    std::ptrdiff_t from = static_cast<std::ptrdiff_t>(m_count) - 1;
    std::ptrdiff_t k = static_cast<std::ptrdiff_t>(indexes.size()) - 1;
    for (std::ptrdiff_t at = grown - 1; at >= 0; --at) {
        if (k >= 0 && indexes[static_cast<std::size_t>(k)] == at)
            m_sizes[static_cast<std::size_t>(at)] = sizeOf(static_cast<std::size_t>(k--));
        else
            m_sizes[static_cast<std::size_t>(at)] = m_sizes[static_cast<std::size_t>(from--)];
    }
    m_count = grown;
    m_dirty = true;
}

void TAxisSizes::materialise()
{
    m_sizes.assign(static_cast<std::size_t>(m_count), m_default);
    m_dirty = true;
}

void TAxisSizes::rebuild() const
{
    // Linear build: each node passes its sum on to its parent.
    const std::size_t n = m_sizes.size();
    m_tree.assign(n + 1, 0);
    for (std::size_t i = 1; i <= n; ++i) {
        m_tree[i] += m_sizes[i - 1];
        const std::size_t parent = i + (i & (~i + 1));
        if (parent <= n)
            m_tree[parent] += m_tree[i];
    }
    m_dirty = false;
}

} // namespace controls
