#include "controls/dropdown/core/SelectorLayout.h"

#include <algorithm>

namespace controls {

QSize measureSelectorItem(QSize content, QSize caption, TItemLayout layout, const TSelectorMargins &margins)
{
    const int a = content.width(), b = content.height();
    int c = caption.width();
    const int d = caption.height();
    if (c > 0)
        c += 4;
    if (layout == ilCaptionLeft || layout == ilCaptionRight) {
        int w = 2 * margins.ItemOffsetX + c;
        if (a > 0)
            w += a;
        if (a > 0 && c > 0)
            w += margins.CaptionGap;
        return {w, std::max(d, b) + 2 * margins.ItemOffsetY};
    }
    int h = 2 * margins.ItemOffsetY + d;
    if (b > 0)
        h += b;
    if (b > 0 && d >= 1)
        h += margins.CaptionGap;
    return {std::max(c, a) + 2 * margins.ItemOffsetX, h};
}

TSelectorArrangement arrangeSelectorItems(int count, int columns, QSize item, const TSelectorMargins &margins)
{
    TSelectorArrangement result;
    if (count <= 0) {
        result.panel = {100, 50};
        return result;
    }
    columns = std::max(1, columns);
    const int w = item.width(), h = item.height();
    int x = margins.OffsetX, y = margins.OffsetY, column = 0, maxX = 0;
    result.items.reserve(std::size_t(count));
    for (int i = 0; i < count; ++i) {
        result.items.emplace_back(QPoint(x, y), QSize(w, h));
        ++column;
        if (i == count - 1)
            break;
        if (column < columns) {
            x += w;
        } else {
            maxX = std::max(maxX, x);
            y += h;
            x = margins.OffsetX;
            column = 0;
        }
    }
    result.panel = {std::max(maxX, x) + w + margins.OffsetX, y + h + margins.OffsetY};
    return result;
}

QRect selectorItemRect(int index, int columns, QSize item, const TSelectorMargins &margins)
{
    columns = std::max(1, columns);
    return {QPoint(margins.OffsetX + index % columns * item.width(), margins.OffsetY + index / columns * item.height()),
            item};
}

QSize selectorPanelSize(int count, int columns, QSize item, const TSelectorMargins &margins)
{
    if (count <= 0)
        return {100, 50};
    columns = std::max(1, columns);
    const int across = std::min(count, columns);
    const int rows = (count + columns - 1) / columns;
    return {across * item.width() + 2 * margins.OffsetX, rows * item.height() + 2 * margins.OffsetY};
}

int itemAtPos(const std::vector<QRect> &items, QPoint at)
{
    for (std::size_t i = 0; i < items.size(); ++i)
        if (items[i].contains(at))
            return int(i);
    return -1;
}

int nextIndex(int current, int count)
{
    if (count <= 0)
        return current;
    if (current < 0)
        return 0;
    return current + 1 < count ? current + 1 : current;
}

int previousIndex(int current, int count)
{
    if (count <= 0)
        return current;
    if (current < 0)
        return 0;
    return current - 1 >= 0 ? current - 1 : current;
}

int visibleItemCount(int height, int itemHeight, int columns, int count)
{
    if (count <= 0 || itemHeight <= 0)
        return 0;
    return height / itemHeight * std::max(1, columns);
}

int scrollDeltaForItem(int top, int bottom, int position, int clientHeight)
{
    top -= position;
    bottom -= position;
    if (top < 0)
        return top;
    if (bottom > clientHeight) {
        if (bottom - top > clientHeight)
            bottom = top + clientHeight;
        return bottom - clientHeight;
    }
    return 0;
}

} // namespace controls
