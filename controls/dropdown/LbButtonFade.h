#pragma once
// Paces a button's hot-track fade: while running it calls its step every
// 30 ms on the interface thread; suspended it calls nothing. A timer of the
// button, not a thread: each step runs where the button lives, and nothing
// can arrive after the button (and with it this pacer) is gone.
#include "platform/IntervalTimer.h"

#include <chrono>
#include <functional>
#include <memory>

namespace controls {

class LbButtonFade {
public:
    static constexpr std::chrono::milliseconds StepInterval{30};

    // Starts suspended. Without a timer, the interface thread's own.
    explicit LbButtonFade(std::function<void()> step, std::unique_ptr<platform::IntervalTimer> timer = nullptr);

    void resume();
    void suspend();
    bool suspended() const { return !m_timer->isEnabled(); }

    // Puts another timer in place (tests drive a manual one); keeps the state.
    void setTimer(std::unique_ptr<platform::IntervalTimer> timer);

private:
    std::function<void()> m_step;
    std::unique_ptr<platform::IntervalTimer> m_timer;
};

} // namespace controls
