#include "compiler/update/DevicePing.h"
#include "support/ScriptedPinger.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using compiler::DevicePingResult;
using platform::EchoStatus;
using namespace std::chrono_literals;

using testsupport::PingStep;
using testsupport::ScriptedPinger;

// A clock that starts at an odd moment: only differences count.
class FakeClock : public testsupport::FakePingClock {
public:
    FakeClock() : FakePingClock(std::chrono::milliseconds(123456)) {}
};

const QHostAddress Device("127.0.0.9");
const PingStep Answer{EchoStatus::Reply, 1024, 1ms};
const PingStep Silence{EchoStatus::NoReply, 0, 400ms};

TEST(DevicePing, StopsAfterTwoAnswersAndCountsOnlyRealOnes)
{
    struct Case {
        const char *name;
        std::vector<PingStep> steps;
        DevicePingResult result;
        int answers;
        int attempts;
    };
    const Case cases[] = {
        {"answers at once", {Answer}, DevicePingResult::Found, 2, 2},
        {"answers on the third try", {Silence, Silence, Answer}, DevicePingResult::Found, 2, 4},
        // 400 ms per attempt; a new one starts until 10 s have passed.
        {"silent", {Silence}, DevicePingResult::NotFound, 0, 26},
        // One answer is proof enough, but a later silence is not an answer.
        {"answers once, then silent", {Answer, Silence}, DevicePingResult::Found, 1, 26},
        {"empty echoes only", {{EchoStatus::Reply, 0, 1ms}}, DevicePingResult::NotFound, 0, 26},
        // A request that cannot leave still waits its turn instead of spinning.
        {"sending fails at once", {{EchoStatus::NoReply, 0, 0ms}}, DevicePingResult::NotFound, 0, 26},
    };
    for (const Case &c : cases) {
        FakeClock clock;
        ScriptedPinger pinger(clock, c.steps);
        const auto start = clock.now();
        const auto outcome = compiler::pingDevice(pinger, Device, {}, {}, clock);
        EXPECT_EQ(outcome.result, c.result) << c.name;
        EXPECT_EQ(outcome.answers, c.answers) << c.name;
        EXPECT_EQ(outcome.attempts, c.attempts) << c.name;
        EXPECT_LE(clock.now() - start, 10400ms) << c.name;
        for (const QHostAddress &t : pinger.targets)
            EXPECT_EQ(t, Device);
        for (const auto timeout : pinger.timeouts)
            EXPECT_EQ(timeout, 400ms);
    }
}

TEST(DevicePing, LimitsAreTheCallersToSet)
{
    FakeClock clock;
    ScriptedPinger pinger(clock, {Silence});
    const compiler::DevicePingLimits limits{100ms, 1000ms, 3};
    const auto outcome = compiler::pingDevice(pinger, Device, limits, {}, clock);
    EXPECT_EQ(outcome.result, DevicePingResult::NotFound);
    EXPECT_EQ(outcome.attempts, 11);
    EXPECT_EQ(pinger.timeouts.front(), 100ms);

    ScriptedPinger answering(clock, {Answer});
    EXPECT_EQ(compiler::pingDevice(answering, Device, limits, {}, clock).attempts, 3);
}

TEST(DevicePing, ImpossiblePingIsAnErrorAtOnce)
{
    FakeClock clock;
    ScriptedPinger pinger(clock, {{EchoStatus::Failed, 0, 0ms}});
    const auto outcome = compiler::pingDevice(pinger, Device, {}, {}, clock);
    EXPECT_EQ(outcome.result, DevicePingResult::Failed);
    EXPECT_EQ(outcome.attempts, 1);
    EXPECT_EQ(outcome.error, "no ICMP here");
}

TEST(DevicePing, TheWaitHookCanStopTheCheck)
{
    for (const PingStep &step : {Silence, PingStep{EchoStatus::NoReply, 0, 0ms}}) {
        FakeClock clock;
        ScriptedPinger pinger(clock, {step});
        int calls = 0;
        const auto outcome = compiler::pingDevice(pinger, Device, {}, [&] { return ++calls < 5; }, clock);
        EXPECT_EQ(outcome.result, DevicePingResult::Cancelled);
        EXPECT_EQ(calls, 5);
    }
}

TEST(DevicePing, RealPingOfLoopbackFindsIt)
{
    platform::IcmpPinger pinger;
    const auto outcome = compiler::pingDevice(pinger, QHostAddress(QHostAddress::LocalHost));
    if (outcome.result == DevicePingResult::Failed)
        GTEST_SKIP() << "This system forbids ICMP sockets: " << outcome.error.toStdString();
    EXPECT_EQ(outcome.result, DevicePingResult::Found);
    EXPECT_EQ(outcome.answers, 2);
}

} // namespace
