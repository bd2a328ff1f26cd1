#include "app/VersionCheckTimer.h"

namespace app {

VersionCheckTimer::VersionCheckTimer(platform::IntervalTimer &timer, Check runCheck)
    : m_timer(timer), m_runCheck(std::move(runCheck))
{
    m_timer.setEnabled(false);
    m_timer.setInterval(FirstCheckDelay);
    m_timer.setHandler([this] { onTimer(); });
}

VersionCheckTimer::~VersionCheckTimer()
{
    *m_alive = false;
    m_timer.setEnabled(false);
    m_timer.setHandler({});
}

void VersionCheckTimer::applyFlags(bool enableInternet, bool enableUpdate)
{
    m_flagsSet = enableInternet && enableUpdate;
    // While a check runs, its end arms the timer.
    if (!m_checking)
        m_timer.setEnabled(m_flagsSet);
}

void VersionCheckTimer::onTimer()
{
    m_timer.setEnabled(false);
    if (m_checking)
        return;
    m_checking = true;
    const unsigned check = ++m_checks;
    const std::weak_ptr<bool> alive = m_alive;
    const std::function<void()> finished = [this, alive, check] {
        if (!alive.expired())
            checkFinished(check);
    };
    if (!m_runCheck) {
        finished();
        return;
    }
    try {
        m_runCheck(finished);
    } catch (...) {
        // A check that fails to start must not end the checks for good.
        finished();
        throw;
    }
}

void VersionCheckTimer::checkFinished(unsigned check)
{
    // Only the first word of the check now running counts.
    if (!m_checking || check != m_checks)
        return;
    m_checking = false;
    m_timer.setInterval(CheckInterval);
    m_timer.setEnabled(m_flagsSet);
}

} // namespace app
