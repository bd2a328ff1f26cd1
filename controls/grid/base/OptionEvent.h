#pragma once
// The change event of the grid's option objects: the grid assigns it to
// repaint or lay itself out again; the sender is the object that changed.
#include <functional>

namespace controls {

template <class Sender>
using TOptionEvent = std::function<void(Sender *)>;

} // namespace controls
