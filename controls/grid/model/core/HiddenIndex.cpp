#include "controls/grid/model/core/HiddenIndex.h"

#include <algorithm>

namespace controls {

void THiddenIndex::summarise()
{
    m_bits.assign(m_hidden.empty() ? 0 : static_cast<std::size_t>(m_hidden.back() / 64 + 1), 0);
    for (const int real : m_hidden)
        m_bits[static_cast<std::size_t>(real / 64)] |= std::uint64_t{1} << (real % 64);
    const std::size_t supers = (m_bits.size() + kWordsPerSuper - 1) / kWordsPerSuper;
    m_rank.assign(supers + 1, 0);
    std::uint32_t hidden = 0;
    for (std::size_t w = 0; w < m_bits.size(); ++w) {
        if (w % kWordsPerSuper == 0)
            m_rank[w / kWordsPerSuper] = hidden;
        hidden += static_cast<std::uint32_t>(std::popcount(m_bits[w]));
    }
    m_rank[supers] = hidden;
    // The super block of every 512th shown line; the last entry closes the
    // range of the last sample.
    const int shown = bitCount() - count();
    m_selectHint.assign(static_cast<std::size_t>(shown / kSuperBits + 2), 0);
    std::size_t super = 0;
    for (std::size_t j = 0; j * kSuperBits < static_cast<std::size_t>(shown); ++j) {
        while (super + 1 < supers && shownBefore(static_cast<int>(super + 1)) <= static_cast<int>(j * kSuperBits))
            ++super;
        m_selectHint[j] = static_cast<std::uint32_t>(super);
    }
    for (std::size_t j = 0; j < m_selectHint.size(); ++j)
        if (j * kSuperBits >= static_cast<std::size_t>(shown))
            m_selectHint[j] = static_cast<std::uint32_t>(supers == 0 ? 0 : supers - 1);
}

bool THiddenIndex::hide(int real)
{
    const auto at = std::lower_bound(m_hidden.begin(), m_hidden.end(), real);
    if (at != m_hidden.end() && *at == real)
        return false;
    m_hidden.insert(at, real);
    summarise();
    return true;
}

bool THiddenIndex::show(int real)
{
    const auto at = std::lower_bound(m_hidden.begin(), m_hidden.end(), real);
    if (at == m_hidden.end() || *at != real)
        return false;
    m_hidden.erase(at);
    summarise();
    return true;
}

void THiddenIndex::hideAll(std::span<const int> reals)
{
    std::vector<int> added(reals.begin(), reals.end());
    if (!std::is_sorted(added.begin(), added.end()))
        std::sort(added.begin(), added.end());
    std::vector<int> merged;
    merged.reserve(m_hidden.size() + added.size());
    std::set_union(m_hidden.begin(), m_hidden.end(), added.begin(), added.end(), std::back_inserter(merged));
    merged.erase(std::unique(merged.begin(), merged.end()), merged.end());
    m_hidden = std::move(merged);
    summarise();
}

int THiddenIndex::showRange(int first, int last)
{
    if (first > last)
        return 0;
    const auto from = std::lower_bound(m_hidden.begin(), m_hidden.end(), first);
    const auto to = std::upper_bound(from, m_hidden.end(), last);
    const int shown = static_cast<int>(to - from);
    m_hidden.erase(from, to);
    summarise();
    return shown;
}

void THiddenIndex::insertLines(int at, int count)
{
    if (count <= 0)
        return;
    for (auto it = std::lower_bound(m_hidden.begin(), m_hidden.end(), at); it != m_hidden.end(); ++it)
        *it += count;
    summarise();
}

void THiddenIndex::removeLines(int at, int count)
{
    if (count <= 0)
        return;
    const auto from = std::lower_bound(m_hidden.begin(), m_hidden.end(), at);
    const auto to = std::lower_bound(from, m_hidden.end(), at + count);
    for (auto it = to; it != m_hidden.end(); ++it)
        *it -= count;
    m_hidden.erase(from, to);
    summarise();
}

void THiddenIndex::removeShownLines(std::span<const int> reals)
{
    if (reals.empty())
        return;
    for (int &real : m_hidden)
        real -= static_cast<int>(std::lower_bound(reals.begin(), reals.end(), real) - reals.begin());
    summarise();
}

void THiddenIndex::moveLine(int from, int to)
{
    if (from == to)
        return;
    const bool wasHidden = show(from);
    for (int &real : m_hidden) {
        if (from < to && real > from && real <= to)
            --real;
        else if (to < from && real >= to && real < from)
            ++real;
    }
    if (wasHidden)
        hide(to);
    summarise();
}

} // namespace controls
