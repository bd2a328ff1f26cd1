#include "controls/grid/base/ControlList.h"

#include <algorithm>

namespace controls {

void TControlList::AddControl(int X, int Y, QObject *control) { m_items.push_back({X, Y, control}); }

int TControlList::ControlIndex(int X, int Y) const
{
    const auto found =
        std::find_if(m_items.begin(), m_items.end(), [&](const TControlItem &item) { return item.X == X && item.Y == Y; });
    return found == m_items.end() ? -1 : int(found - m_items.begin());
}

const TControlItem *TControlList::Control(int index) const
{
    return index >= 0 && index < Count() ? &m_items[std::size_t(index)] : nullptr;
}

void TControlList::RemoveControl(int index)
{
    if (index >= 0 && index < Count())
        m_items.erase(m_items.begin() + index);
}

bool TControlList::HasHandle(const QObject *window) const
{
    // Like a window handle, the one asked about may be stale: only the
    // listed controls, which are alive, are looked into.
    return window && std::any_of(m_items.begin(), m_items.end(), [&](const TControlItem &item) {
               return item.Control == window && item.Control->isWidgetType();
           });
}

} // namespace controls
