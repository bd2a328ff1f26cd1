#pragma once
// An interval timer on a clock the test moves by hand.
#include "platform/IntervalTimer.h"

#include <vector>

namespace testsupport {

class ManualIntervalTimer final : public platform::IntervalTimer {
public:
    using ms = std::chrono::milliseconds;

    void setInterval(ms interval) override
    {
        if (interval == m_interval)
            return;
        m_interval = interval;
        if (m_enabled)
            m_due = m_now + m_interval;
    }
    ms interval() const override { return m_interval; }
    void setEnabled(bool enabled) override
    {
        if (enabled == m_enabled)
            return;
        m_enabled = enabled;
        if (enabled)
            m_due = m_now + m_interval;
    }
    bool isEnabled() const override { return m_enabled; }

    // Moves the clock on, firing every tick that falls due on the way.
    void advance(ms by)
    {
        const ms end = m_now + by;
        while (m_enabled && m_due <= end) {
            m_now = m_due;
            m_due = m_now + m_interval;
            firedAt.push_back(m_now);
            fire();
        }
        m_now = end;
    }
    ms now() const { return m_now; }

    std::vector<ms> firedAt;

private:
    ms m_interval{1000};
    bool m_enabled = false;
    ms m_now{0};
    ms m_due{0};
};

} // namespace testsupport
