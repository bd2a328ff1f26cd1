#include "controls/grid/model/core/HiddenColumns.h"

#include <algorithm>

namespace controls {

void THiddenColumns::setAllCount(int count)
{
    count = std::max(count, 0);
    if (count < allCount())
        m_index.removeLines(count, allCount() - count);
    m_widths.resize(static_cast<std::size_t>(count), 0);
}

bool THiddenColumns::hide(int real, int width)
{
    if (!inside(real) || !m_index.hide(real))
        return false;
    m_widths[static_cast<std::size_t>(real)] = width;
    return true;
}

bool THiddenColumns::show(int real) { return inside(real) && m_index.show(real); }

int THiddenColumns::savedWidth(int real) const { return inside(real) ? m_widths[static_cast<std::size_t>(real)] : 0; }

void THiddenColumns::setSavedWidth(int real, int width)
{
    if (inside(real))
        m_widths[static_cast<std::size_t>(real)] = width;
}

void THiddenColumns::insertCols(int at, int count)
{
    at = std::clamp(at, 0, allCount());
    if (count <= 0)
        return;
    m_index.insertLines(at, count);
    m_widths.insert(m_widths.begin() + at, static_cast<std::size_t>(count), 0);
}

void THiddenColumns::removeCols(int at, int count)
{
    if (at < 0 || at >= allCount() || count <= 0)
        return;
    count = std::min(count, allCount() - at);
    m_index.removeLines(at, count);
    m_widths.erase(m_widths.begin() + at, m_widths.begin() + at + count);
}

void THiddenColumns::moveCol(int from, int to)
{
    if (!inside(from) || !inside(to) || from == to)
        return;
    m_index.moveLine(from, to);
    const auto first = m_widths.begin();
    if (from < to)
        std::rotate(first + from, first + from + 1, first + to + 1);
    else
        std::rotate(first + to, first + from, first + from + 1);
}

} // namespace controls
