#include "controls/dropdown/core/PopupPlacement.h"

#include <algorithm>

namespace controls {

namespace {

// QRect's right and bottom are the last pixel; these are one past it.
int rightEnd(const QRect &r) { return r.left() + r.width(); }
int bottomEnd(const QRect &r) { return r.top() + r.height(); }

int placeAcross(const QRect &edit, int width, const QRect &area)
{
    int left = edit.left();
    if (left + width > rightEnd(area))
        left = rightEnd(area) - width;
    return std::max(left, area.left());
}

int placeUpDown(const QRect &edit, int height, const QRect &area, TDropPosition position)
{
    const int below = edit.top() + edit.height() - 1;
    const int above = edit.top() - height;
    switch (position) {
    case dpDown:
        return below;
    case dpUp:
        return above;
    case dpAuto:
        break;
    }
    if (below + height <= bottomEnd(area))
        return below;
    if (above >= area.top())
        return above;
    const int roomBelow = bottomEnd(area) - below;
    const int roomAbove = edit.top() - area.top();
    const int top = roomBelow >= roomAbove ? below : above;
    // Taller than the work area: its top edge stays on it.
    return std::max(std::min(top, bottomEnd(area) - height), area.top());
}

} // namespace

QPoint placeDropDown(const QRect &edit, QSize popup, const QRect &workArea, TDropPosition position)
{
    return {placeAcross(edit, popup.width(), workArea), placeUpDown(edit, popup.height(), workArea, position)};
}

} // namespace controls
