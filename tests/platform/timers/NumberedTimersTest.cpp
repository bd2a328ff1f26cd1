#include "platform/NumberedTimers.h"

#include "support/ManualNumberedTimers.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

#include <vector>

using namespace platform;
using namespace std::chrono_literals;

namespace {

// Qt's zero-interval timers fire on the next pass of the event loop, so the
// real timers are checked without waiting.
TEST(QtNumberedTimers, FireWithTheirNumberUntilKilled)
{
    QtNumberedTimers timers;
    std::vector<int> fired;
    timers.setHandler([&](int id) {
        fired.push_back(id);
        if (fired.size() == 3)
            timers.killTimer(id);
    });
    timers.setTimer(6, 0ms);
    EXPECT_TRUE(timers.isTimerSet(6));
    for (int pass = 0; pass < 10; ++pass)
        QCoreApplication::processEvents();
    EXPECT_EQ(fired, (std::vector<int>{6, 6, 6}));
    EXPECT_FALSE(timers.isTimerSet(6));
}

TEST(QtNumberedTimers, KilledOrRestartedTimersDoNotFireTwice)
{
    QtNumberedTimers timers;
    std::vector<int> fired;
    timers.setHandler([&](int id) {
        fired.push_back(id);
        timers.killTimer(id);
    });
    timers.setTimer(5, 0ms);
    timers.setTimer(5, 0ms); // restarts the one timer 5
    timers.setTimer(4, 0ms);
    timers.killTimer(4);
    timers.killTimer(7); // never set
    for (int pass = 0; pass < 5; ++pass)
        QCoreApplication::processEvents();
    EXPECT_EQ(fired, (std::vector<int>{5}));
}

TEST(QtNumberedTimers, NothingFiresAfterTheOwnerIsGone)
{
    std::vector<int> fired;
    {
        QtNumberedTimers timers;
        timers.setHandler([&](int id) { fired.push_back(id); });
        timers.setTimer(1, 0ms);
    }
    QCoreApplication::processEvents();
    EXPECT_TRUE(fired.empty());
}

TEST(ManualNumberedTimers, FireInTimeOrderAndRestartOnSet)
{
    testsupport::ManualNumberedTimers timers;
    std::vector<int> fired;
    timers.setHandler([&](int id) { fired.push_back(id); });
    timers.setTimer(1, 30ms);
    timers.setTimer(2, 20ms);
    timers.advance(25ms);
    timers.setTimer(2, 20ms); // restarted at 25: due at 45
    timers.advance(20ms);     // to 45: 1 at 30, 2 at 45
    timers.killTimer(1);
    timers.advance(100ms);    // 2 at 65, 85, 105, 125, 145
    EXPECT_EQ(fired, (std::vector<int>{2, 1, 2, 2, 2, 2, 2, 2}));
}

} // namespace
