#include "controls/dropdown/core/WatchGeometry.h"
#include "controls/dropdown/core/WatchModel.h"

#include <gtest/gtest.h>

#include <vector>

using namespace controls;

namespace {

TEST(WatchGeometry, A180PixelClockHasItsRadiiAndMarks)
{
    const QRect watch = watchRect(QSize(180, 180), 0);
    EXPECT_EQ(watch, QRect(10, 10, 160, 160));
    const QPoint c = watchCenter(watch);
    EXPECT_EQ(c, QPoint(90, 90));
    const double r = watchRadius(watch);
    EXPECT_EQ(r, 80);
    const double inner = watchInnerRadius(r, 4);
    EXPECT_EQ(inner, 78);
    const TWatchMarkRadii marks = watchMarkRadii(inner, 0, 0);
    EXPECT_DOUBLE_EQ(marks.hourInner, 70.2);
    EXPECT_DOUBLE_EQ(marks.minuteInner, 74.1);
    EXPECT_EQ(marks.outer, 78);
    // A wide border moves marks in, not the hands' radius.
    EXPECT_EQ(watchInnerRadius(r, 8), 76);
    EXPECT_EQ(watchMarkRadii(78, 8, 4).hourInner, 70);
}

TEST(WatchGeometry, NumbersTenAndElevenMoveIn)
{
    // b = 8: the numbers sit on R' - 18 + 4.
    EXPECT_EQ(watchNumberRadius(78, 8, 3, 13), 78 - 18 + 4);
    EXPECT_EQ(watchNumberRadius(78, 8, 10, 13), 78 - 18 + 4 - 3);
    EXPECT_EQ(watchNumberRadius(78, 8, 11, 13), 78 - 18 + 4 - 2);
}

TEST(WatchGeometry, TheAmPmBoxIsBelowTheCentre)
{
    const QRect box = watchAmPmRect(QPoint(90, 90), 80, QSize(20, 13), true);
    EXPECT_EQ(box, QRect(90 - 14, 90 + 22, 28, 13));
    const QRect hidden = watchAmPmRect(QPoint(90, 90), 80, QSize(20, 13), false);
    EXPECT_EQ(hidden.left(), -1);
    EXPECT_FALSE(hidden.contains(QPoint(-1, -1)));
}

TEST(WatchGeometry, MinuteAndHourFromAPoint)
{
    const QPoint c(90, 90);
    struct Case {
        QPoint point;
        int minute;
    };
    const Case cases[] = {
        {{90, 10}, 0},   {{170, 90}, 15}, {{90, 170}, 30}, {{10, 90}, 45},  // the axes
        {{150, 30}, 7},  {{150, 150}, 23}, {{30, 150}, 37}, {{30, 30}, 53}, // the diagonals round 7.5 to 8
        {{95, 10}, 1},   {{85, 10}, 59},                                     // near the 12
    };
    for (const Case &k : cases)
        EXPECT_EQ(minuteAt(c, k.point), k.minute) << k.point.x() << "," << k.point.y();
    // Near the 12 the hour is 0 before noon and 12 after.
    for (QPoint near12 : {QPoint(95, 10), QPoint(85, 10), QPoint(90, 10), QPoint(100, 30)}) {
        EXPECT_EQ(hourAt(c, near12, true), 0);
        EXPECT_EQ(hourAt(c, near12, false), 12);
    }
    EXPECT_EQ(hourAt(c, QPoint(170, 90), true), 3);
    EXPECT_EQ(hourAt(c, QPoint(170, 90), false), 15);
}

TEST(WatchGeometry, PresetSizesClampToAByte)
{
    EXPECT_EQ(clampToByte(768 / 3.6), 213);
    EXPECT_EQ(clampToByte(1150 / 4.5), 255);
    EXPECT_EQ(clampToByte(920 / 3), 255);
    EXPECT_EQ(clampToByte(-3), 0);
}

struct Clock {
    TWatchModel model;
    int changes = 0;
    Clock() { model.onChange = [this] { ++changes; }; }
    std::vector<int> walk(bool hours)
    {
        std::vector<int> seen;
        for (int tick = 0; tick < 100 && model.timerRunning(); ++tick) {
            model.animationStep();
            seen.push_back(hours ? model.displayTime().hour : model.displayTime().minute);
        }
        return seen;
    }
};

TEST(WatchModel, HourWalksOneAnHourATickWithOneChange)
{
    Clock clock;
    clock.model.setAnimation(false);
    clock.model.setTime({9, 0, 0, 0});
    clock.model.setAnimation(true);
    clock.model.setHour(3);
    EXPECT_EQ(clock.model.displayTime().hour, 9);
    EXPECT_EQ(clock.walk(true), (std::vector<int>{8, 7, 6, 5, 4, 3, 3}));
    EXPECT_EQ(clock.changes, 1);
    EXPECT_FALSE(clock.model.timerRunning());
}

TEST(WatchModel, MinuteWalksForwardThroughTwelveAndAdvancesTheHour)
{
    Clock clock;
    clock.model.setTime({5, 45, 30, 0});
    clock.model.setMinute(0);
    const std::vector<int> seen = clock.walk(false);
    ASSERT_GE(seen.size(), 2u);
    EXPECT_EQ(seen.front(), 47);
    EXPECT_EQ(clock.model.displayTime(), (TWatchTime{6, 0, 30, 0}));
    EXPECT_EQ(clock.changes, 1);
}

TEST(WatchModel, Keys)
{
    Clock clock;
    clock.model.setAnimation(false);
    clock.model.setTime({0, 0, 17, 0});
    clock.model.keyDown(TWatchKey::Left);
    EXPECT_EQ(clock.model.displayTime(), (TWatchTime{23, 59, 17, 0}));
    EXPECT_EQ(clock.changes, 0);
    clock.model.keyDown(TWatchKey::Right);
    EXPECT_EQ(clock.model.displayTime(), (TWatchTime{0, 0, 17, 0}));
    clock.model.keyDown(TWatchKey::PageDown);
    EXPECT_EQ(clock.model.displayTime().hour, 23);
    clock.model.keyDown(TWatchKey::PageUp);
    EXPECT_EQ(clock.model.displayTime().hour, 0);
    clock.model.keyDown(TWatchKey::P);
    EXPECT_EQ(clock.model.displayTime().hour, 12);
    EXPECT_FALSE(clock.model.am());
    clock.model.keyDown(TWatchKey::A);
    EXPECT_EQ(clock.model.displayTime().hour, 0);
    clock.model.keyDown(TWatchKey::Home);
    EXPECT_EQ(clock.model.displayTime().hour, 12);
    clock.model.setMinute(30);
    clock.model.keyDown(TWatchKey::End);
    EXPECT_EQ(clock.model.displayTime().minute, 0);
    clock.model.toggleHalf();
    EXPECT_EQ(clock.model.displayTime().hour, 0);
    EXPECT_TRUE(clock.model.am());
}

TEST(WatchModel, OutOfRangeValuesAreIgnoredAndTheFactorIsAtLeastOne)
{
    Clock clock;
    clock.model.setAnimation(false);
    clock.model.setTime({4, 20, 0, 0});
    clock.model.setMinute(60);
    clock.model.setHour(24);
    clock.model.setHour(-1);
    EXPECT_EQ(clock.model.displayTime(), (TWatchTime{4, 20, 0, 0}));
    clock.model.setAnimationFactor(0);
    EXPECT_EQ(clock.model.animationFactor(), 1);
    clock.model.setAnimation(true);
    clock.model.setHour(10);
    EXPECT_EQ(clock.walk(true), (std::vector<int>{10, 10}));
}

TEST(WatchModel, AnimationOffStopsTheTimerAndOnResumesTheWalk)
{
    Clock clock;
    clock.model.setAnimation(false);
    clock.model.setTime({9, 0, 0, 0});
    clock.model.setAnimation(true);
    clock.model.setHour(3);
    clock.model.animationStep();
    clock.model.setAnimation(false);
    EXPECT_FALSE(clock.model.timerRunning());
    clock.model.animationStep();
    EXPECT_EQ(clock.model.displayTime().hour, 8);
    clock.model.setAnimation(true);
    EXPECT_TRUE(clock.model.timerRunning());
    clock.walk(true);
    EXPECT_EQ(clock.model.displayTime().hour, 3);
    EXPECT_EQ(clock.changes, 1);
}

TEST(WatchModel, AutoModeShowsTheInjectedTimeAndIgnoresKeys)
{
    Clock clock;
    TWatchTime now{13, 58, 5, 0};
    clock.model.setSystemTime([&now] { return now; });
    clock.model.setTimeOffset(3);
    clock.model.setAuto(true);
    EXPECT_EQ(clock.model.displayTime(), (TWatchTime{14, 1, 5, 0}));
    EXPECT_FALSE(clock.model.am());
    clock.model.keyDown(TWatchKey::Home);
    clock.model.setHour(2);
    now = {23, 59, 0, 0};
    EXPECT_EQ(clock.model.displayTime(), (TWatchTime{0, 2, 0, 0}));
}

} // namespace

namespace {

TEST(WatchModel, DirectChangesReportAtOnceAnimationStepsOnlyAtTheTarget)
{
    Clock clock;
    clock.model.setAnimation(false);
    clock.model.setHour(7);
    clock.model.setMinute(30);
    clock.model.keyDown(TWatchKey::Home);
    EXPECT_EQ(clock.changes, 3);
    // Through the Time writer: no report.
    clock.model.setTime({1, 2, 3, 0});
    EXPECT_EQ(clock.changes, 3);
    clock.model.setAnimation(true);
    clock.model.setMinute(40);
    const std::vector<int> seen = clock.walk(false);
    EXPECT_GT(seen.size(), 3u);
    EXPECT_EQ(clock.changes, 4);
}

} // namespace
