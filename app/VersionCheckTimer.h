#pragma once
// When the automatic version check runs: 60 s after start, then every two
// hours, while both the internet and the update flags are set. The check
// itself (request and link) is the caller's callback; it runs on the thread
// of the timer, with the timer stopped meanwhile.
#include "platform/IntervalTimer.h"

#include <chrono>
#include <functional>

namespace app {

class VersionCheckTimer {
public:
    static constexpr std::chrono::milliseconds FirstCheckDelay{60'000};
    static constexpr std::chrono::milliseconds CheckInterval{7'200'000};

    // Takes over `timer` (not owned): interval 60 s, disabled.
    VersionCheckTimer(platform::IntervalTimer &timer, std::function<void()> runCheck);
    ~VersionCheckTimer();
    VersionCheckTimer(const VersionCheckTimer &) = delete;
    VersionCheckTimer &operator=(const VersionCheckTimer &) = delete;

    // At start and after a confirmed options dialog: the timer runs exactly
    // while both flags are set. Its interval is left as it is, so checks that
    // have begun stay two hours apart.
    void applyFlags(bool enableInternet, bool enableUpdate);

    // What a tick of the timer runs: stop, check, then re-arm with the
    // two-hour interval. The window's timer handler is exactly this.
    void onTimer();

private:

    platform::IntervalTimer &m_timer;
    std::function<void()> m_runCheck;
};

} // namespace app
