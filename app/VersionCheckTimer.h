#pragma once
// When the automatic version check runs: 60 s after start, then every two
// hours, while both the internet and the update flags are set. The check
// itself (request and link) is the caller's callback; the timer stays
// stopped from the tick until the check says it has finished, so a slow
// server never stacks checks up.
#include "platform/IntervalTimer.h"

#include <chrono>
#include <functional>
#include <memory>

namespace app {

class VersionCheckTimer {
public:
    static constexpr std::chrono::milliseconds FirstCheckDelay{60'000};
    static constexpr std::chrono::milliseconds CheckInterval{7'200'000};

    // Starts a check; the check calls `finished` once when it is over (at
    // once or later).
    using Check = std::function<void(std::function<void()> finished)>;

    // Takes over `timer` (not owned): interval 60 s, disabled.
    VersionCheckTimer(platform::IntervalTimer &timer, Check runCheck);
    ~VersionCheckTimer();
    VersionCheckTimer(const VersionCheckTimer &) = delete;
    VersionCheckTimer &operator=(const VersionCheckTimer &) = delete;

    // At start and after a confirmed options dialog: the timer runs exactly
    // while both flags are set. Its interval is left as it is, so checks that
    // have begun stay two hours apart.
    void applyFlags(bool enableInternet, bool enableUpdate);

    // What a tick of the timer runs: stop, start the check, and re-arm with
    // the two-hour interval once it has finished. The window's timer handler
    // is exactly this.
    void onTimer();

    bool isChecking() const { return m_checking; }

private:
    void checkFinished(unsigned check);

    platform::IntervalTimer &m_timer;
    Check m_runCheck;
    bool m_flagsSet = false;
    bool m_checking = false;
    unsigned m_checks = 0;
    // Tells a late `finished` that this schedule is gone.
    std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
};

} // namespace app
