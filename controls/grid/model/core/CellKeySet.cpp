#include "controls/grid/model/core/CellKeySet.h"

#include <algorithm>
#include <optional>

namespace controls {

bool TCellKeySet::add(int col, int row)
{
    const TCellKey key = cellKey(col, row);
    if (!m_members.insert(key).second)
        return false;
    m_order.push_back(key);
    return true;
}

bool TCellKeySet::remove(int col, int row)
{
    const TCellKey key = cellKey(col, row);
    if (m_members.erase(key) == 0)
        return false;
    std::erase(m_order, key);
    return true;
}

void TCellKeySet::clear()
{
    m_order.clear();
    m_members.clear();
}

TCellPoint TCellKeySet::at(int index) const
{
    if (index < 0 || index >= count())
        return {-1, -1};
    const TCellKey key = m_order[static_cast<std::size_t>(index)];
    return {keyCol(key), keyRow(key)};
}

template <class Remap>
void TCellKeySet::remapAll(Remap remap)
{
    std::vector<TCellKey> kept;
    kept.reserve(m_order.size());
    m_members.clear();
    for (const TCellKey key : m_order) {
        const std::optional<TCellPoint> to = remap(TCellPoint{keyCol(key), keyRow(key)});
        if (!to)
            continue;
        const TCellKey moved = cellKey(to->col, to->row);
        if (m_members.insert(moved).second)
            kept.push_back(moved);
    }
    m_order = std::move(kept);
}

namespace {

// Where index i goes when count lines are inserted at at (count > 0) or
// removed from at (count < 0); nothing when it was removed.
std::optional<int> shifted(int i, int at, int count)
{
    if (count >= 0)
        return i >= at ? i + count : i;
    const int removed = -count;
    if (i < at)
        return i;
    if (i < at + removed)
        return std::nullopt;
    return i - removed;
}

} // namespace

void TCellKeySet::insertRows(int at, int count)
{
    if (count <= 0)
        return;
    remapAll([&](TCellPoint p) -> std::optional<TCellPoint> { return TCellPoint{p.col, *shifted(p.row, at, count)}; });
}

void TCellKeySet::removeRows(int at, int count)
{
    if (count <= 0)
        return;
    remapAll([&](TCellPoint p) -> std::optional<TCellPoint> {
        const std::optional<int> row = shifted(p.row, at, -count);
        return row ? std::optional<TCellPoint>(TCellPoint{p.col, *row}) : std::nullopt;
    });
}

void TCellKeySet::removeRowList(std::span<const int> rows)
{
    if (rows.empty() || m_order.empty())
        return;
    remapAll([&](TCellPoint p) -> std::optional<TCellPoint> {
        const auto at = std::lower_bound(rows.begin(), rows.end(), p.row);
        if (at != rows.end() && *at == p.row)
            return std::nullopt;
        return TCellPoint{p.col, p.row - static_cast<int>(at - rows.begin())};
    });
}

void TCellKeySet::insertRowList(std::span<const int> rows)
{
    if (rows.empty() || m_order.empty())
        return;
    remapAll([&](TCellPoint p) -> std::optional<TCellPoint> {
        // Row r ends at r + k, k being the new rows placed before it;
        // rows[k] - k never falls, so k is found by halving.
        std::size_t lo = 0;
        std::size_t hi = rows.size();
        while (lo < hi) {
            const std::size_t mid = lo + (hi - lo) / 2;
            if (rows[mid] - static_cast<int>(mid) <= p.row)
                lo = mid + 1;
            else
                hi = mid;
        }
        return TCellPoint{p.col, p.row + static_cast<int>(lo)};
    });
}

void TCellKeySet::insertCols(int at, int count)
{
    if (count <= 0)
        return;
    remapAll([&](TCellPoint p) -> std::optional<TCellPoint> { return TCellPoint{*shifted(p.col, at, count), p.row}; });
}

void TCellKeySet::removeCols(int at, int count)
{
    if (count <= 0)
        return;
    remapAll([&](TCellPoint p) -> std::optional<TCellPoint> {
        const std::optional<int> col = shifted(p.col, at, -count);
        return col ? std::optional<TCellPoint>(TCellPoint{*col, p.row}) : std::nullopt;
    });
}

} // namespace controls
