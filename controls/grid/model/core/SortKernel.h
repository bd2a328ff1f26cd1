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

// The order of the items 0..count-1: result[k] is the item that goes to
// place k. before(a, b) answers whether item a goes before item b; equal
// items keep their order.
template <class Before>
std::vector<int> stableSortOrder(int count, Before before)
{
    std::vector<int> order(static_cast<std::size_t>(std::max(count, 0)));
    std::iota(order.begin(), order.end(), 0);
    if (count < 2)
        return order;
    // Runs of 16 by insertion, then merges bottom-up between two buffers.
    constexpr int kRun = 16;
    for (int lo = 0; lo < count; lo += kRun) {
        const int hi = std::min(lo + kRun, count);
        for (int i = lo + 1; i < hi; ++i) {
            const int item = order[static_cast<std::size_t>(i)];
            int j = i;
            while (j > lo && before(item, order[static_cast<std::size_t>(j - 1)])) {
                order[static_cast<std::size_t>(j)] = order[static_cast<std::size_t>(j - 1)];
                --j;
            }
            order[static_cast<std::size_t>(j)] = item;
        }
    }
    std::vector<int> other(order.size());
    std::vector<int> *from = &order;
    std::vector<int> *to = &other;
    for (int width = kRun; width < count; width *= 2) {
        for (int lo = 0; lo < count; lo += 2 * width) {
            const int mid = std::min(lo + width, count);
            const int hi = std::min(lo + 2 * width, count);
            int a = lo;
            int b = mid;
            int k = lo;
            const int *src = from->data();
            int *dst = to->data();
            // Already in order: copy the pair of runs as it is.
            if (mid < hi && !before(src[mid], src[mid - 1])) {
                std::copy(src + lo, src + hi, dst + lo);
                continue;
            }
            while (a < mid && b < hi)
                dst[k++] = before(src[b], src[a]) ? src[b++] : src[a++];
            while (a < mid)
                dst[k++] = src[a++];
            while (b < hi)
                dst[k++] = src[b++];
        }
        std::swap(from, to);
    }
    if (from != &order)
        order.swap(other);
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
