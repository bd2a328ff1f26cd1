#pragma once
// A pinger that plays a script, one step per echo request (the last step
// repeats), on a ping clock the test drives: nothing waits and no packet
// leaves the machine.
#include "support/FakePingClock.h"

#include "platform/IcmpPing.h"

#include <QHostAddress>
#include <algorithm>
#include <chrono>
#include <functional>
#include <vector>

namespace testsupport {

struct PingStep {
    PingStep(platform::EchoStatus status, int dataBytes = 0,
             std::chrono::milliseconds takes = std::chrono::milliseconds::max(), std::function<void()> during = {})
        : status(status), dataBytes(dataBytes), takes(takes), during(std::move(during))
    {
    }

    platform::EchoStatus status;
    int dataBytes;
    // How long the request lasts on the clock; never longer than its time-out.
    std::chrono::milliseconds takes;
    // Runs while the request waits, before the wait hook is asked.
    std::function<void()> during;
};

inline PingStep reply(int dataBytes = 1024, std::function<void()> during = {})
{
    return {platform::EchoStatus::Reply, dataBytes, std::chrono::milliseconds(1), std::move(during)};
}
inline PingStep silence() { return {platform::EchoStatus::NoReply, 0}; }
inline PingStep noIcmp() { return {platform::EchoStatus::Failed, 0, std::chrono::milliseconds(0)}; }

class ScriptedPinger final : public platform::Pinger {
public:
    explicit ScriptedPinger(FakePingClock &clock, std::vector<PingStep> steps = {})
        : m_clock(clock), m_steps(std::move(steps))
    {
    }

    void script(std::vector<PingStep> steps)
    {
        m_steps = std::move(steps);
        m_next = 0;
        targets.clear();
        timeouts.clear();
    }

    platform::EchoResult echo(const QHostAddress &target, std::chrono::milliseconds timeout,
                              const platform::WaitHook &hook) override
    {
        targets.push_back(target);
        timeouts.push_back(timeout);
        platform::EchoResult result;
        if (m_steps.empty())
            return result;
        const PingStep &step = m_steps[std::min(m_next++, m_steps.size() - 1)];
        m_clock.advance(std::min(step.takes, timeout));
        if (step.during)
            step.during();
        result.status = step.status;
        result.dataBytes = step.dataBytes;
        if (step.status == platform::EchoStatus::Failed)
            result.error = QStringLiteral("no ICMP here");
        // The real pinger asks the hook while it waits, whatever comes back.
        if (hook && !hook())
            result.status = platform::EchoStatus::Interrupted;
        return result;
    }

    std::vector<QHostAddress> targets;
    std::vector<std::chrono::milliseconds> timeouts;

private:
    FakePingClock &m_clock;
    std::vector<PingStep> m_steps;
    std::size_t m_next = 0;
};

} // namespace testsupport
