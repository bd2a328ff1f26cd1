#pragma once
// The rows a grid has taken out of its store: one item per hidden row with
// its real index, its height, the filter level and the reason that hid it,
// and the row's cells (whatever the grid keeps: texts and properties). The
// items stay sorted by real index, and the real/display mapping is a binary
// search over them.
#include "controls/grid/model/core/HiddenIndex.h"

#include <algorithm>
#include <functional>
#include <span>
#include <vector>

namespace controls {

// Who hid a row: showing rows by hand must not undo a filter's work.
enum class THideReason { Rows, Filter, Node };

template <class Cells>
struct THiddenRow {
    int Idx = 0; // real index
    int Height = 0; // the row's height when hidden; 0 when not kept
    int Level = 0; // the filter level that hid it
    THideReason Reason = THideReason::Rows;
    Cells Items{};
};

template <class Cells>
class THiddenRows {
public:
    using Item = THiddenRow<Cells>;

    int count() const { return m_index.count(); }
    bool empty() const { return m_index.empty(); }
    bool isHidden(int real) const { return m_index.isHidden(real); }
    int displOf(int real) const { return m_index.displOf(real); }
    int realOf(int displ) const { return m_index.realOf(displ); }
    const THiddenIndex &index() const { return m_index; }

    // The item of a hidden row; none for a shown one.
    Item *find(int real)
    {
        const int i = position(real);
        return i < 0 ? nullptr : &m_items[static_cast<std::size_t>(i)];
    }
    const Item *find(int real) const { return const_cast<THiddenRows *>(this)->find(real); }
    // The i-th item in ascending real order.
    Item &at(int i) { return m_items[static_cast<std::size_t>(i)]; }
    const Item &at(int i) const { return m_items[static_cast<std::size_t>(i)]; }

    // False when the row is hidden already (the item is dropped then).
    bool add(Item item)
    {
        const int before = m_index.hiddenBefore(item.Idx);
        if (!m_index.hide(item.Idx))
            return false;
        m_items.insert(m_items.begin() + before, std::move(item));
        return true;
    }
    // Adds many items at once, in one merge (a filter hides thousands).
    void addAll(std::vector<Item> items)
    {
        const auto byIdx = [](const Item &a, const Item &b) { return a.Idx < b.Idx; };
        // A filter hands its rows over in order already.
        if (!std::is_sorted(items.begin(), items.end(), byIdx))
            std::sort(items.begin(), items.end(), byIdx);
        items.erase(std::unique(items.begin(), items.end(), [](const Item &a, const Item &b) { return a.Idx == b.Idx; }),
                    items.end());
        std::erase_if(items, [&](const Item &i) { return m_index.isHidden(i.Idx); });
        std::vector<int> reals;
        reals.reserve(items.size());
        for (const Item &i : items)
            reals.push_back(i.Idx);
        if (m_items.empty()) {
            m_items = std::move(items);
            m_index.hideAll(reals);
            return;
        }
        std::vector<Item> merged;
        merged.reserve(m_items.size() + items.size());
        std::merge(std::make_move_iterator(m_items.begin()), std::make_move_iterator(m_items.end()),
                   std::make_move_iterator(items.begin()), std::make_move_iterator(items.end()),
                   std::back_inserter(merged), [](const Item &a, const Item &b) { return a.Idx < b.Idx; });
        m_items = std::move(merged);
        m_index.hideAll(reals);
    }
    // Takes the item of a hidden row out; false when the row is shown.
    bool take(int real, Item &out)
    {
        const int i = position(real);
        if (i < 0)
            return false;
        out = std::move(m_items[static_cast<std::size_t>(i)]);
        m_items.erase(m_items.begin() + i);
        m_index.show(real);
        return true;
    }
    // Takes out every item the predicate picks, in ascending real order.
    std::vector<Item> takeIf(const std::function<bool(const Item &)> &pick)
    {
        std::vector<Item> taken;
        // Lifting the only level there is takes everything: no copying.
        if (std::all_of(m_items.begin(), m_items.end(), pick)) {
            taken = std::move(m_items);
            m_items.clear();
            m_index.clear();
            return taken;
        }
        std::vector<Item> kept;
        kept.reserve(m_items.size());
        for (Item &i : m_items)
            (pick(i) ? taken : kept).push_back(std::move(i));
        m_items = std::move(kept);
        m_index.clear();
        std::vector<int> reals;
        reals.reserve(m_items.size());
        for (const Item &i : m_items)
            reals.push_back(i.Idx);
        m_index.hideAll(reals);
        return taken;
    }
    void clear()
    {
        m_items.clear();
        m_index.clear();
    }

    // Rows inserted or removed for good at real index at: the items after
    // them take their new real indexes; items inside a removed range go.
    void insertRows(int at, int count)
    {
        if (count <= 0)
            return;
        m_index.insertLines(at, count);
        for (Item &i : m_items)
            if (i.Idx >= at)
                i.Idx += count;
    }
    void removeRows(int at, int count)
    {
        if (count <= 0)
            return;
        m_index.removeLines(at, count);
        std::erase_if(m_items, [&](const Item &i) { return i.Idx >= at && i.Idx < at + count; });
        for (Item &i : m_items)
            if (i.Idx >= at + count)
                i.Idx -= count;
    }

    // Shown rows at these real indexes (ascending) were removed for good.
    void removeShownRows(std::span<const int> reals)
    {
        m_index.removeShownLines(reals);
        for (Item &i : m_items)
            i.Idx -= static_cast<int>(std::lower_bound(reals.begin(), reals.end(), i.Idx) - reals.begin());
    }
    // The shown row at real index from moved to real index to: the hidden
    // rows it passed step aside.
    void moveShownRow(int from, int to)
    {
        m_index.moveLine(from, to);
        for (Item &i : m_items) {
            if (from < to && i.Idx > from && i.Idx <= to)
                --i.Idx;
            else if (to < from && i.Idx >= to && i.Idx < from)
                ++i.Idx;
        }
    }

private:
    int position(int real) const
    {
        if (!m_index.isHidden(real))
            return -1;
        return m_index.hiddenBefore(real);
    }

    THiddenIndex m_index;
    std::vector<Item> m_items; // ascending by Idx, one per hidden row
};

} // namespace controls
