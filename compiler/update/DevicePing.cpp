#include "compiler/update/DevicePing.h"

#include <algorithm>
#include <thread>

namespace compiler {

namespace {

class SteadyPingClock final : public PingClock {
public:
    std::chrono::milliseconds now() override
    {
        return std::chrono::duration_cast<std::chrono::milliseconds>(
            std::chrono::steady_clock::now().time_since_epoch());
    }

    bool pause(std::chrono::milliseconds duration, const platform::WaitHook &hook) override
    {
        const auto end = now() + duration;
        for (auto left = duration; left.count() > 0; left = end - now()) {
            std::this_thread::sleep_for(std::min(left, std::chrono::milliseconds(10)));
            if (hook && !hook())
                return false;
        }
        return true;
    }
};

} // namespace

PingClock &steadyPingClock()
{
    static SteadyPingClock clock;
    return clock;
}

DevicePingOutcome pingDevice(platform::Pinger &pinger, const QHostAddress &device, const DevicePingLimits &limits,
                             const platform::WaitHook &hook, PingClock &clock)
{
    DevicePingOutcome outcome;
    const auto start = clock.now();
    for (;;) {
        const auto attemptStart = clock.now();
        const platform::EchoResult echo = pinger.echo(device, limits.attemptTimeout, hook);
        ++outcome.attempts;
        bool answered = false;
        switch (echo.status) {
        case platform::EchoStatus::Failed:
            outcome.result = DevicePingResult::Failed;
            outcome.error = echo.error;
            return outcome;
        case platform::EchoStatus::Interrupted:
            outcome.result = DevicePingResult::Cancelled;
            return outcome;
        case platform::EchoStatus::Reply:
            // An empty echo is no proof that the device is the one we look for.
            answered = echo.dataBytes > 0;
            break;
        case platform::EchoStatus::NoReply:
            break;
        }
        if (answered && ++outcome.answers >= limits.answersWanted)
            break;
        // A request that failed at once must not turn the check into a busy loop.
        if (!answered) {
            const auto used = clock.now() - attemptStart;
            if (used < limits.attemptTimeout && !clock.pause(limits.attemptTimeout - used, hook)) {
                outcome.result = DevicePingResult::Cancelled;
                return outcome;
            }
        }
        if (clock.now() - start > limits.totalLimit)
            break;
    }
    outcome.result = outcome.answers > 0 ? DevicePingResult::Found : DevicePingResult::NotFound;
    return outcome;
}

} // namespace compiler
