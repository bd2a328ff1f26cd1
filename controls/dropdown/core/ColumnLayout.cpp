#include "controls/dropdown/core/ColumnLayout.h"

#include <algorithm>
#include <cfenv>
#include <cmath>
#include <numeric>

namespace controls::multicol {

namespace {

// Nearest integer, halves to the even one.
long long nearestEven(double value)
{
    const int mode = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const long long rounded = std::llrint(value);
    std::fesetround(mode);
    return rounded;
}

} // namespace

int adjustDropDownHeight(int height, int headerFooter, int headerHeight, int rowHeight)
{
    rowHeight = std::max(1, rowHeight);
    const int rows = height - headerFooter - headerHeight - 2;
    // Integer division towards zero, as the rows that fit.
    return headerFooter + headerHeight + (rows / rowHeight) * rowHeight + 2;
}

std::vector<int> fitColumnsToWidth(const std::vector<int> &widths, int available)
{
    std::vector<int> fitted;
    if (widths.empty())
        return fitted;
    const double total = 1.0 + std::accumulate(widths.begin(), widths.end(), 0.0);
    const double f = available / total;
    fitted.reserve(widths.size());
    double exact = 0;
    long long placed = 0;
    for (const int width : widths) {
        // Each column ends where the rounded running sum ends: what one
        // column loses to rounding the next gets back, and the other way.
        exact += f * width;
        const long long end = nearestEven(exact);
        fitted.push_back(int(end - placed));
        placed = end;
    }
    return fitted;
}

int gridWidth(int borderWidth, const std::vector<int> &widths, int scrollBarWidth, bool allRowsVisible)
{
    const int sum = std::accumulate(widths.begin(), widths.end(), 0);
    return 2 * borderWidth + sum + (allRowsVisible ? 0 : scrollBarWidth);
}

int autoCellWidth(bool showsImage, int imageWidth, bool hasText, int textWidth)
{
    return (showsImage ? imageWidth + 4 : 0) + (hasText ? textWidth + 6 : 0);
}

int autoCellHeight(bool showsImage, int imageHeight, bool hasText, int textHeight)
{
    const int image = showsImage ? imageHeight + 6 : 0;
    return hasText ? std::max(image, textHeight + 6) : image;
}

int selectionPartKind(int col, int colCount)
{
    if (colCount <= 1)
        return 0;
    if (col == 0)
        return 1;
    if (col == colCount - 1)
        return 2;
    return 3;
}

} // namespace controls::multicol
