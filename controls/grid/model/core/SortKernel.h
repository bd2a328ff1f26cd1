#pragma once
// The grid's sort kernel: a merge sort over row indexes that only reads the
// comparison, so that a comparison which is not a strict order (an owner's
// compare event, a mixed column) gives some order and never a wild access
// or an endless loop; it is stable, and the rows themselves move once
// afterwards, along the cycles of the permutation.
#include <algorithm>
#include <cstddef>
#include <numeric>
#include <vector>

namespace controls {

// Sorts the items stably: before(a, b) answers whether item a goes before
// item b. Runs of 16 by insertion, then merges bottom-up between two
// buffers; each step only compares and moves, whatever the answers.
template <class T, class Before>
void stableSortItems(std::vector<T> &items, Before before)
{
    const int count = static_cast<int>(items.size());
    if (count < 2)
        return;
    constexpr int kRun = 8;
    for (int lo = 0; lo < count; lo += kRun) {
        const int hi = std::min(lo + kRun, count);
        for (int i = lo + 1; i < hi; ++i) {
            if (!before(items[static_cast<std::size_t>(i)], items[static_cast<std::size_t>(i - 1)]))
                continue;
            T item = std::move(items[static_cast<std::size_t>(i)]);
            int j = i;
            do {
                items[static_cast<std::size_t>(j)] = std::move(items[static_cast<std::size_t>(j - 1)]);
                --j;
            } while (j > lo && before(item, items[static_cast<std::size_t>(j - 1)]));
            items[static_cast<std::size_t>(j)] = std::move(item);
        }
    }
    if (count <= kRun)
        return;
    std::vector<T> other(items.size());
    std::vector<T> *from = &items;
    std::vector<T> *to = &other;
    for (int width = kRun; width < count; width *= 2) {
        T *src = from->data();
        T *dst = to->data();
        for (int lo = 0; lo < count; lo += 2 * width) {
            const int mid = std::min(lo + width, count);
            const int hi = std::min(lo + 2 * width, count);
            // Already in order: move the pair of runs as it is.
            if (mid >= hi || !before(src[mid], src[mid - 1])) {
                std::move(src + lo, src + hi, dst + lo);
                continue;
            }
            int a = lo;
            int b = mid;
            int k = lo;
            while (a < mid && b < hi)
                dst[k++] = before(src[b], src[a]) ? std::move(src[b++]) : std::move(src[a++]);
            while (a < mid)
                dst[k++] = std::move(src[a++]);
            while (b < hi)
                dst[k++] = std::move(src[b++]);
        }
        std::swap(from, to);
    }
    if (from != &items)
        items.swap(other);
}

// The order of the items 0..count-1: result[k] is the item that goes to
// place k. before(a, b) answers whether item a goes before item b; equal
// items keep their order.
template <class Before>
std::vector<int> stableSortOrder(int count, Before before)
{
    std::vector<int> order(static_cast<std::size_t>(std::max(count, 0)));
    std::iota(order.begin(), order.end(), 0);
    stableSortItems(order, before);
    return order;
}

// Puts the items in the given order through exchanges of two places:
// swap(i, j) exchanges the items at places i and j. At most count - 1
// exchanges, each place's item moving straight to where it belongs.
template <class Swap>
void applySortOrder(const std::vector<int> &order, Swap swap)
{
    // where[item] is the place the item sits at now, at[place] the item.
    const std::size_t n = order.size();
    std::vector<int> where(n);
    std::vector<int> at(n);
    std::iota(where.begin(), where.end(), 0);
    std::iota(at.begin(), at.end(), 0);
    for (std::size_t k = 0; k < n; ++k) {
        const int want = order[k];
        const int from = where[static_cast<std::size_t>(want)];
        if (from == static_cast<int>(k))
            continue;
        swap(static_cast<int>(k), from);
        const int displaced = at[k];
        at[static_cast<std::size_t>(from)] = displaced;
        where[static_cast<std::size_t>(displaced)] = from;
        at[k] = want;
        where[static_cast<std::size_t>(want)] = static_cast<int>(k);
    }
}

} // namespace controls
