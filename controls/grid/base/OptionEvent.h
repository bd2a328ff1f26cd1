#pragma once
// The change event of the grid's option objects: the grid assigns it to
// repaint or lay itself out again; the sender is the object that changed.
#include <functional>

namespace controls {

template <class Sender>
using TOptionEvent = std::function<void(Sender *)>;

template <class Sender>
void fire(const TOptionEvent<Sender> &event, Sender *sender)
{
    if (event)
        event(sender);
}

// Stores value; true when it differs from what was there.
template <class T>
bool storeChanged(T &field, const T &value)
{
    if (field == value)
        return false;
    field = value;
    return true;
}

} // namespace controls
