#include "platform/ui/QtIntervalTimer.h"

#include "platform/HandlerGuard.h"

namespace platform {

QtIntervalTimer::QtIntervalTimer()
{
    m_timer.setInterval(m_interval);
    QObject::connect(&m_timer, &QTimer::timeout, [this] { guarded([this] { fire(); }); });
}

void QtIntervalTimer::setInterval(std::chrono::milliseconds interval)
{
    if (interval == m_interval)
        return;
    m_interval = interval;
    // QTimer restarts an active timer on a new interval, as wanted.
    m_timer.setInterval(interval);
}

void QtIntervalTimer::setEnabled(bool enabled)
{
    if (enabled == m_timer.isActive())
        return;
    if (enabled)
        m_timer.start();
    else
        m_timer.stop();
}

} // namespace platform
