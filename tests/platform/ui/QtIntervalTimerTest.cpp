#include "platform/ui/QtIntervalTimer.h"
#include "support/EventLoop.h"

#include <QTimer>
#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;

using testsupport::processEventsUntil;

TEST(QtIntervalTimer, FiresWhileEnabledOnTheEventLoop)
{
    platform::QtIntervalTimer timer;
    int fired = 0;
    timer.setHandler([&] { ++fired; });
    timer.setInterval(1ms);
    EXPECT_FALSE(timer.isEnabled());
    timer.setEnabled(true);
    EXPECT_TRUE(timer.isEnabled());
    ASSERT_TRUE(processEventsUntil([&] { return fired >= 2; }));

    timer.setEnabled(false);
    const int before = fired;
    // A later timer of the same loop has fired, so a disabled one would have too.
    bool later = false;
    QTimer::singleShot(20ms, [&] { later = true; });
    ASSERT_TRUE(processEventsUntil([&] { return later; }));
    EXPECT_EQ(fired, before);
}

} // namespace
