#pragma once
// Numbered timers on a clock the test moves by hand.
#include "platform/NumberedTimers.h"

#include <map>
#include <utility>
#include <vector>

namespace testsupport {

class ManualNumberedTimers final : public platform::NumberedTimers {
public:
    using ms = std::chrono::milliseconds;

    void setTimer(int id, ms interval) override
    {
        // A window timer never fires faster than its minimum; a zero interval
        // would fire forever at one instant.
        const ms step = std::max(interval, ms(1));
        m_timers[id] = Entry{step, m_now + step, m_serial++};
    }
    void killTimer(int id) override { m_timers.erase(id); }
    bool isTimerSet(int id) const override { return m_timers.count(id) != 0; }

    ms interval(int id) const { return m_timers.at(id).interval; }

    // Moves the clock on, firing every tick that falls due on the way, the
    // earliest first (timers due together in the order they were set).
    void advance(ms by)
    {
        const ms end = m_now + by;
        for (;;) {
            auto next = m_timers.end();
            for (auto it = m_timers.begin(); it != m_timers.end(); ++it) {
                if (it->second.due > end)
                    continue;
                if (next == m_timers.end() || std::pair(it->second.due, it->second.serial)
                                                  < std::pair(next->second.due, next->second.serial))
                    next = it;
            }
            if (next == m_timers.end())
                break;
            m_now = next->second.due;
            next->second.due = m_now + next->second.interval;
            const int id = next->first;
            fired.emplace_back(id, m_now);
            fire(id);
        }
        m_now = end;
    }
    ms now() const { return m_now; }

    std::vector<std::pair<int, ms>> fired;

private:
    struct Entry {
        ms interval;
        ms due;
        long serial;
    };
    std::map<int, Entry> m_timers;
    ms m_now{0};
    long m_serial = 0;
};

} // namespace testsupport
