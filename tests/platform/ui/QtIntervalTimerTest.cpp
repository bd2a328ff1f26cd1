#include "platform/ui/QtIntervalTimer.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;

// Runs the event loop until done() holds, at most for the limit.
template <class Done>
bool processEventsUntil(Done done, std::chrono::milliseconds limit = 10s)
{
    const QDeadlineTimer deadline(limit);
    while (!done() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

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
