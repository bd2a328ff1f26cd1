#pragma once
// Event handlers run inside guarded(): an error that escapes the handler ends
// the action and is shown in the general error box; nothing is ever thrown
// through the Qt event loop.
#include "platform/Error.h"
#include "platform/ui/MessageBox.h"

#include <exception>
#include <utility>

namespace platform {

void reportEscapedError(const std::exception *error) noexcept;

template <class Handler>
void guarded(Handler &&handler) noexcept
{
    try {
        std::forward<Handler>(handler)();
    } catch (const std::exception &e) {
        reportEscapedError(&e);
    } catch (...) {
        reportEscapedError(nullptr);
    }
}

} // namespace platform
