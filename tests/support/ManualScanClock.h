#pragma once
// A scan clock that stands still until the engine pauses: each pause moves
// it on by the pause's length at once. Before it moves, it lets the test
// settle what is in flight (the answers of a converter on real sockets), so
// that a scan over UDP runs in virtual time and still sees every answer
// that came before its time-out.
#include "scan/ScanClock.h"

#include <atomic>
#include <functional>

namespace testsupport {

class ManualScanClock final : public scan::ScanClock {
public:
    explicit ManualScanClock(quint32 start = 100000) : m_now(start) {}

    quint32 tickCount() override { return m_now; }
    void setNow(quint32 now) { m_now = now; }

    bool pause(std::chrono::milliseconds duration, scan::ScanWake &wake) override
    {
        if (m_onPause && !m_onPause(duration))
            m_settleFailed = true;
        m_now += static_cast<quint32>(duration.count());
        return !wake.stopping();
    }

    // Runs at the start of every pause, on the engine's thread: settles what
    // is in flight (false when that failed) or acts at a chosen moment.
    // Set before the engine runs.
    using OnPause = std::function<bool(std::chrono::milliseconds duration)>;
    void setOnPause(OnPause onPause) { m_onPause = std::move(onPause); }
    bool settleFailed() const { return m_settleFailed; }

private:
    std::atomic<quint32> m_now;
    OnPause m_onPause;
    std::atomic<bool> m_settleFailed{false};
};

} // namespace testsupport
