#pragma once
// The interval timer of the running program, on the thread's event loop. Its
// handler runs guarded: an error is shown in the error box, never thrown
// further.
#include "platform/IntervalTimer.h"

#include <QTimer>

namespace platform {

class QtIntervalTimer final : public IntervalTimer {
public:
    QtIntervalTimer();

    void setInterval(std::chrono::milliseconds interval) override;
    std::chrono::milliseconds interval() const override { return m_interval; }
    void setEnabled(bool enabled) override;
    bool isEnabled() const override { return m_timer.isActive(); }

private:
    QTimer m_timer;
    std::chrono::milliseconds m_interval{1000};
};

} // namespace platform
