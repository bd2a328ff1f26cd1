#pragma once
// Event handlers run inside guarded(): an error that escapes the handler ends
// the action and goes to the program's error reporter; nothing is ever thrown
// through the Qt event loop. Timers of GUI-free cores run their handlers the
// same way, so the reporter is installed by whoever owns the screen (the
// error box, see platform/ui/ErrorBox.h); without one the text goes to the log.
#include "platform/Error.h"

#include <QString>
#include <exception>
#include <utility>

namespace platform {

using EscapedErrorReporter = void (*)(const QString &text);

// Installs a reporter; returns the previous one (nullptr: the log).
EscapedErrorReporter setEscapedErrorReporter(EscapedErrorReporter reporter);

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
