#pragma once
// The hidden lines (rows or columns) of a grid as a sorted set of real
// indexes, and the two mappings between real and display indexes that every
// feature addresses cells through. Both mappings are binary searches, so a
// grid with half a million hidden rows converts as fast as one with none.
//
// A display index counts the shown lines only; a real index counts all of
// them. A hidden real index maps to the display index its next shown line
// has.
#include <algorithm>
#include <bit>
#include <cstdint>
#include <span>
#include <vector>

namespace controls {

class THiddenIndex {
public:
    int count() const { return static_cast<int>(m_hidden.size()); }
    bool empty() const { return m_hidden.empty(); }
    bool isHidden(int real) const { return std::binary_search(m_hidden.begin(), m_hidden.end(), real); }
    // The real index of the i-th hidden line, in ascending order.
    int hiddenAt(int i) const { return m_hidden[static_cast<std::size_t>(i)]; }
    std::span<const int> hidden() const { return m_hidden; }
    // Hidden lines below real.
    int hiddenBefore(int real) const
    {
        if (real <= 0)
            return 0;
        if (real >= bitCount())
            return count();
        const int word = real / 64;
        const int super = word / kWordsPerSuper;
        int hidden = static_cast<int>(m_rank[static_cast<std::size_t>(super)]);
        for (int w = super * kWordsPerSuper; w < word; ++w)
            hidden += std::popcount(m_bits[static_cast<std::size_t>(w)]);
        const std::uint64_t below = (std::uint64_t{1} << (real % 64)) - 1;
        return hidden + std::popcount(m_bits[static_cast<std::size_t>(word)] & below);
    }

    int displOf(int real) const { return real - hiddenBefore(real); }
    // The real index of the (displ + 1)-th shown line; displ itself for a
    // negative index.
    int realOf(int displ) const
    {
        if (displ < 0 || m_hidden.empty())
            return displ;
        if (displ >= bitCount() - count())
            return displ + count(); // beyond the last hidden line
        // The super block that holds it, between the two sampled ones.
        const std::size_t sample = static_cast<std::size_t>(displ) / kSuperBits;
        int lo = static_cast<int>(m_selectHint[sample]);
        int hi = static_cast<int>(m_selectHint[sample + 1]);
        while (lo < hi) { // the last super block with at most displ shown lines before it
            const int mid = lo + (hi - lo + 1) / 2;
            if (shownBefore(mid) <= displ)
                lo = mid;
            else
                hi = mid - 1;
        }
        int rest = displ - shownBefore(lo);
        int word = lo * kWordsPerSuper;
        for (;; ++word) {
            const int shown = 64 - std::popcount(m_bits[static_cast<std::size_t>(word)]);
            if (rest < shown)
                break;
            rest -= shown;
        }
        std::uint64_t free = ~m_bits[static_cast<std::size_t>(word)];
        for (; rest > 0; --rest)
            free &= free - 1;
        return word * 64 + std::countr_zero(free);
    }

    // False when the line was hidden already (or shown already).
    bool hide(int real);
    bool show(int real);
    // Hides every listed line in one merge; the list need not be sorted.
    void hideAll(std::span<const int> reals);
    // Shows the hidden lines of first..last; how many there were.
    int showRange(int first, int last);
    void clear()
    {
        m_hidden.clear();
        summarise();
    }

    // Lines came or went at real index at: hidden lines from there on move
    // along; removed hidden lines are forgotten.
    void insertLines(int at, int count);
    void removeLines(int at, int count);
    // Shown lines at these real indexes (ascending) were removed: every
    // hidden line after some of them moves up by as many.
    void removeShownLines(std::span<const int> reals);
    // Line from was taken out and put back at to; its flag goes along, the
    // lines between step aside.
    void moveLine(int from, int to);

private:
    // The lines as bits (set: hidden) up to the last hidden one, with the
    // hidden count before every super block of 512 lines and, for every
    // 512th shown line, the super block it lies in: both conversions then
    // read a handful of words instead of searching.
    static constexpr int kWordsPerSuper = 8;
    static constexpr int kSuperBits = kWordsPerSuper * 64;
    // Rebuilds the bits and the counts after every change.
    void summarise();
    int bitCount() const { return static_cast<int>(m_bits.size()) * 64; }
    int shownBefore(int super) const { return super * kSuperBits - static_cast<int>(m_rank[static_cast<std::size_t>(super)]); }

    std::vector<int> m_hidden; // ascending, unique
    std::vector<std::uint64_t> m_bits;
    std::vector<std::uint32_t> m_rank; // one per super block, and the total after the last
    std::vector<std::uint32_t> m_selectHint; // super block of shown line 512 j, and the last after them
};

} // namespace controls
