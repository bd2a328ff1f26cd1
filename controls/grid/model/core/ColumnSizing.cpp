#include "controls/grid/model/core/ColumnSizing.h"

#include "controls/grid/base/NumberText.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace controls {

std::optional<int> stretchedColumnWidth(int clientWidth, int othersWidth, int defaultColWidth, bool scrolledFullyLeft)
{
    if (clientWidth > othersWidth)
        return clientWidth - othersWidth - 1;
    if (scrolledFullyLeft)
        return defaultColWidth;
    return std::nullopt;
}

std::optional<int> stretchColumnIndex(int stretchColumn, int colCount)
{
    const int index = stretchColumn == -1 ? colCount - 1 : stretchColumn;
    if (index < 0 || index >= colCount)
        return std::nullopt;
    return index;
}

std::vector<int> fittedColumnWidths(const std::vector<int> &widths, int room, int lines)
{
    std::vector<int> result = widths;
    const int n = static_cast<int>(widths.size());
    if (n == 0)
        return result;
    const long long sum = std::accumulate(widths.begin(), widths.end(), 0LL);
    if (sum == room)
        return result;
    if (sum <= 0) {
        // No proportion to keep: every column the same share.
        const int share = std::max(room - lines, 0) / n;
        std::fill(result.begin(), result.end(), share);
    } else {
        const double f = static_cast<double>(room - lines) / static_cast<double>(sum);
        long long t = 0;
        for (int w : widths)
            t += std::llround(std::nearbyint(w * f));
        for (int i = 0; i < n; ++i)
            result[static_cast<std::size_t>(i)] =
                static_cast<int>(std::nearbyint(static_cast<double>(widths[static_cast<std::size_t>(i)]) * t / sum));
    }
    int rest = room - std::accumulate(result.begin(), result.end(), 0);
    if (n > 1 && n < rest) {
        for (int &w : result)
            w += rest / n;
        rest %= n;
    }
    const auto widest = std::max_element(result.begin(), result.end());
    *widest += rest;
    return result;
}

int contentColumnWidth(int measured, int current, int minWidth, int maxWidth, bool growOnly)
{
    if (growOnly && current >= measured)
        return current;
    return ClampToLimits(measured, minWidth, maxWidth);
}

int contentExtraWidth(bool sortIndicatorCell, bool filterButtonCell)
{
    return (sortIndicatorCell ? 10 : 0) + (filterButtonCell ? 12 : 0);
}

std::vector<std::pair<int, int>> autoNumbers(int fixed, int last, int start, int offset, bool descending)
{
    std::vector<std::pair<int, int>> numbers;
    for (int k = fixed + start; k <= last; ++k) {
        const int value = k - fixed + 1 + offset;
        numbers.emplace_back(descending ? fixed + last - k : k, value);
    }
    return numbers;
}

} // namespace controls
