#include "controls/grid/model/core/ColumnOrder.h"

#include <algorithm>

namespace controls {

void TColumnOrder::reset(int count)
{
    m_entries.resize(static_cast<std::size_t>(std::max(count, 0)));
    for (std::size_t i = 0; i < m_entries.size(); ++i)
        m_entries[i] = static_cast<int>(i);
}

int TColumnOrder::at(int position) const
{
    return position >= 0 && position < count() ? m_entries[static_cast<std::size_t>(position)] : -1;
}

int TColumnOrder::positionOf(int column) const
{
    const auto it = std::find(m_entries.begin(), m_entries.end(), column);
    return it == m_entries.end() ? -1 : static_cast<int>(it - m_entries.begin());
}

void TColumnOrder::move(int from, int to)
{
    if (from < 0 || from >= count() || to < 0 || to >= count() || from == to)
        return;
    const auto first = m_entries.begin();
    if (from < to)
        std::rotate(first + from, first + from + 1, first + to + 1);
    else
        std::rotate(first + to, first + from, first + from + 1);
}

void TColumnOrder::insertCols(int at, int n)
{
    if (m_entries.empty() || n <= 0)
        return;
    at = std::clamp(at, 0, count());
    for (int &e : m_entries)
        if (e >= at)
            e += n;
    std::vector<int> fresh(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i)
        fresh[static_cast<std::size_t>(i)] = at + i;
    m_entries.insert(m_entries.begin() + at, fresh.begin(), fresh.end());
}

void TColumnOrder::removeCols(int at, int n)
{
    if (at < 0 || at >= count() || n <= 0)
        return;
    n = std::min(n, count() - at);
    std::vector<int> gone(m_entries.begin() + at, m_entries.begin() + at + n);
    m_entries.erase(m_entries.begin() + at, m_entries.begin() + at + n);
    std::sort(gone.begin(), gone.end());
    for (int &e : m_entries)
        e -= static_cast<int>(std::lower_bound(gone.begin(), gone.end(), e) - gone.begin());
}

bool TColumnOrder::isPermutation() const
{
    std::vector<bool> seen(m_entries.size(), false);
    for (const int e : m_entries) {
        if (e < 0 || e >= count() || seen[static_cast<std::size_t>(e)])
            return false;
        seen[static_cast<std::size_t>(e)] = true;
    }
    return true;
}

std::optional<std::vector<std::pair<int, int>>> TColumnOrder::restoringMoves() const
{
    if (!isPermutation())
        return std::nullopt;
    std::vector<int> order = m_entries;
    std::vector<std::pair<int, int>> moves;
    for (int target = 0; target < count(); ++target) {
        const int from = static_cast<int>(std::find(order.begin() + target, order.end(), target) - order.begin());
        if (from == target)
            continue;
        moves.emplace_back(from, target);
        std::rotate(order.begin() + target, order.begin() + from, order.begin() + from + 1);
    }
    return moves;
}

} // namespace controls
