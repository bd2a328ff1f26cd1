#pragma once
// A scan clock that stands still until the engine pauses: each pause moves
// it on by the pause's length at once. Before it moves, it lets the test
// settle what is in flight (the answers of a converter on real sockets), so
// that a scan over UDP runs in virtual time and still sees every answer
// that came before its time-out.
#include "scan/ScanClock.h"

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>

namespace testsupport {

class ManualScanClock final : public scan::ScanClock {
public:
    explicit ManualScanClock(quint32 start = 100000) : m_now(start) {}

    quint32 tickCount() override { return m_now; }
    void setNow(quint32 now) { m_now = now; }

    bool pause(std::chrono::milliseconds duration, scan::ScanWake &wake) override
    {
        // A copy, so that a test replacing the hook meanwhile never frees
        // the one running here.
        std::shared_ptr<const OnPause> onPause;
        {
            std::lock_guard lock(m_onPauseMutex);
            onPause = m_onPause;
        }
        if (onPause && *onPause && !(*onPause)(duration))
            m_settleFailed = true;
        m_now += static_cast<quint32>(duration.count());
        return !wake.stopping();
    }

    // Runs at the start of every pause, on the engine's thread: settles what
    // is in flight (false when that failed) or acts at a chosen moment.
    // A call already running when the hook is replaced finishes with the
    // old one.
    using OnPause = std::function<bool(std::chrono::milliseconds duration)>;
    void setOnPause(OnPause onPause)
    {
        auto next = std::make_shared<const OnPause>(std::move(onPause));
        std::lock_guard lock(m_onPauseMutex);
        m_onPause = std::move(next);
    }
    bool settleFailed() const { return m_settleFailed; }

private:
    std::atomic<quint32> m_now;
    std::mutex m_onPauseMutex;
    std::shared_ptr<const OnPause> m_onPause;
    std::atomic<bool> m_settleFailed{false};
};

} // namespace testsupport
