#include "controls/vtree/RowIndex.h"

#include <algorithm>

namespace vtree {

void TRowIndex::start(std::size_t rows)
{
    invalidate();
    m_entries.clear();
    m_entries.reserve(rows / Step + 1);
}

const TRowIndex::Entry *TRowIndex::entryForPosition(std::uint32_t Position) const
{
    auto after = std::upper_bound(m_entries.begin(), m_entries.end(), Position,
                                  [](std::uint32_t p, const Entry &e) { return p < e.Top; });
    return after == m_entries.begin() ? nullptr : &*(after - 1);
}

const TRowIndex::Entry *TRowIndex::entryForNode(PLazyNode Node,
                                                const std::function<int(PLazyNode, PLazyNode)> &Compare) const
{
    auto after = std::upper_bound(m_entries.begin(), m_entries.end(), Node,
                                  [&](PLazyNode n, const Entry &e) { return Compare(e.Node, n) > 0; });
    return after == m_entries.begin() ? nullptr : &*(after - 1);
}

} // namespace vtree
