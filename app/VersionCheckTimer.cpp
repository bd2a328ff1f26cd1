#include "app/VersionCheckTimer.h"

namespace app {

VersionCheckTimer::VersionCheckTimer(platform::IntervalTimer &timer, std::function<void()> runCheck)
    : m_timer(timer), m_runCheck(std::move(runCheck))
{
    m_timer.setEnabled(false);
    m_timer.setInterval(FirstCheckDelay);
    m_timer.setHandler([this] { onTimer(); });
}

VersionCheckTimer::~VersionCheckTimer()
{
    m_timer.setEnabled(false);
    m_timer.setHandler({});
}

void VersionCheckTimer::applyFlags(bool enableInternet, bool enableUpdate)
{
    m_timer.setEnabled(enableInternet && enableUpdate);
}

void VersionCheckTimer::onTimer()
{
    // Stopped while the request runs, so a slow server never stacks checks up.
    m_timer.setEnabled(false);
    struct Rearm {
        platform::IntervalTimer &timer;
        ~Rearm()
        {
            timer.setInterval(CheckInterval);
            timer.setEnabled(true);
        }
    } rearm{m_timer};
    if (m_runCheck)
        m_runCheck();
}

} // namespace app
