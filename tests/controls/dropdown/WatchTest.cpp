#include "controls/dropdown/Watch.h"

#include "controls/dropdown/core/WatchGeometry.h"
#include "controls/grid/base/editors/EditorEvents.h"
#include "tests/support/ManualIntervalTimer.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <memory>

using namespace controls;
using namespace platform;
using namespace std::chrono_literals;
using editortest::pixel;
using testsupport::ManualIntervalTimer;

// Times read as text in failures.
static void PrintTo(const QTime &time, std::ostream *os) { *os << time.toString(u"HH:mm:ss.zzz").toStdString(); }

namespace {

// A clock whose timers and time of day the test moves.
struct Clock {
    TExWatch watch;
    ManualIntervalTimer *watchTimer = new ManualIntervalTimer;
    ManualIntervalTimer *animationTimer = new ManualIntervalTimer;
    ManualIntervalTimer *rollTimer = new ManualIntervalTimer;
    TWatchTime now{13, 45, 10, 0};
    int changes = 0;

    Clock()
    {
        watch.setTimers(std::unique_ptr<IntervalTimer>(watchTimer), std::unique_ptr<IntervalTimer>(animationTimer),
                        std::unique_ptr<IntervalTimer>(rollTimer));
        watch.setSystemTime([this] { return now; });
        watch.OnChange = [this](QObject *) { ++changes; };
    }
    // The whole clock drawn once, as its first paint does.
    void draw() { watch.DrawWatch(); }
    TColor screen(int x, int y) const { return pixel(watch.screenImage(), x, y); }
    TColor cache(int x, int y) const { return pixel(watch.cacheImage(), x, y); }
    void clickAt(QPoint p) { editortest::click(watch, p); }
};

// Some pixel of the area within a few steps of the colour (text is smoothed).
bool anyNear(const QImage &image, const QRect &area, TColor color)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (editortest::near(pixel(image, x, y), color, 60))
                return true;
    return false;
}

bool anyPixel(const QImage &image, const QRect &area, TColor color)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (pixel(image, x, y) == color)
                return true;
    return false;
}

TEST(ExWatch, ANewClockHasTheFirstLookAndMidnight)
{
    Clock c;
    EXPECT_EQ(c.watch.size(), QSize(180, 180));
    EXPECT_EQ(c.watch.Time(), QTime(0, 0, 0));
    EXPECT_TRUE(c.watch.AM());
    EXPECT_EQ(c.watch.Style(), wsClassic);
    // Not the classic preset: the first look.
    EXPECT_EQ(c.watch.Appearance().look(), TWatchLook());
    EXPECT_EQ(c.watch.Appearance().HourFont().Name(), u"Tahoma");
    EXPECT_EQ(c.watch.Appearance().AMPMFont().Size(), 10);
    EXPECT_TRUE(c.watch.Animation());
    EXPECT_EQ(c.watch.AnimationFactor(), 10);
    EXPECT_EQ(watchRect(c.watch.size(), 0).width(), 160);
    EXPECT_FALSE(c.watch.watchTimer().isEnabled());
    EXPECT_FALSE(c.watch.animationTimer().isEnabled());
}

TEST(ExWatch, TheCacheHoldsTheDialAndAHandUpdateOnlyTheHands)
{
    Clock c;
    c.watch.setAnimation(false);
    c.watch.setTime(QTime(3, 0));
    c.draw();
    // The dial: the 12 o'clock hour mark from 70.2 to 78 px above the
    // centre, a minute mark in grey, white face, black border.
    EXPECT_EQ(c.cache(90, 15), clBlack);
    EXPECT_TRUE(anyPixel(c.watch.cacheImage(), QRect(162, 95, 6, 6), clGray));
    EXPECT_EQ(c.cache(60, 60), clWhite);
    EXPECT_EQ(c.cache(90, 11), clBlack);
    // No hands in the cache; on the screen the hour hand points at 3, the
    // minute hand at 12.
    EXPECT_EQ(c.cache(120, 90), clWhite);
    EXPECT_EQ(c.cache(90, 50), clWhite);
    EXPECT_EQ(c.screen(120, 90), clBlack);
    EXPECT_EQ(c.screen(90, 50), clBlack);

    const QImage dial = c.watch.cacheImage().copy();
    c.watch.setTime(QTime(9, 0));
    EXPECT_EQ(c.watch.cacheImage(), dial);
    EXPECT_EQ(c.screen(120, 90), clWhite);
    EXPECT_EQ(c.screen(60, 90), clBlack);
    // A look changed without telling shows only at the next full drawing.
    const QRect box = c.watch.AMPMRect();
    c.watch.Appearance().setAMPMColor(clYellow);
    c.watch.RepaintHands();
    EXPECT_EQ(c.screen(box.left() + 2, box.top() + 1), clWhite);
    c.draw();
    EXPECT_EQ(c.screen(box.left() + 2, box.top() + 1), clYellow);
}

TEST(ExWatch, TheAmPmBoxSitsBelowTheCentreWithItsText)
{
    Clock c;
    c.draw();
    const QRect box = c.watch.AMPMRect();
    EXPECT_EQ(box.left() + box.width() / 2, 90);
    EXPECT_GT(box.top(), 90);
    EXPECT_EQ(c.cache(box.left(), box.top()), clBlack);
    EXPECT_EQ(c.cache(box.left() + 1, box.top() + 1), clWhite);
    int ink = 0;
    for (int y = box.top() + 1; y < box.bottom(); ++y)
        for (int x = box.left() + 1; x < box.right(); ++x)
            ink += editortest::near(c.cache(x, y), clBlack, 80);
    EXPECT_GT(ink, 10);
    c.watch.setShowAMPM(false);
    EXPECT_EQ(c.watch.AMPMRect().left(), -1);
}

TEST(ExWatch, ShortLineHandsLeaveOnlyTheCentrePoint)
{
    Clock c;
    c.watch.setAnimation(false);
    c.watch.setTime(QTime(3, 0));
    c.watch.Appearance().set(&TWatchLook::PointerStyle, psShortLine);
    c.draw();
    for (int y = 0; y < 180; ++y)
        for (int x = 0; x < 180; ++x)
            if (std::abs(x - 90) > 3 || std::abs(y - 90) > 3) {
                ASSERT_EQ(c.screen(x, y), c.cache(x, y)) << x << "," << y;
            }
    EXPECT_EQ(c.screen(90, 90), clBlack);
}

TEST(ExWatch, MarksNumbersAndMarginsFollowTheLook)
{
    Clock c;
    c.watch.setAnimation(false);
    c.watch.setTime(QTime(4, 40));
    // The first paint erases the control, then draws the clock.
    c.watch.grab();
    // Numbers: "3" sits left of the 3 o'clock mark.
    EXPECT_TRUE(anyNear(c.watch.cacheImage(), QRect(146, 83, 12, 14), clBlack));
    // A round dial leaves the corners of its square, also when drawn again.
    c.draw();
    const TColor margin = c.cache(12, 12);
    EXPECT_NE(margin, clWhite);
    EXPECT_EQ(c.cache(12, 12), c.cache(2, 2));

    c.watch.Appearance().set(&TWatchLook::HourMarkStyle, hmsQuartDblLine);
    c.watch.Appearance().set(&TWatchLook::TickMarks, tmHours);
    c.draw();
    // The 12 o'clock mark doubled 2 px either side of the axis.
    EXPECT_EQ(c.cache(88, 15), clBlack);
    EXPECT_EQ(c.cache(92, 15), clBlack);
    EXPECT_EQ(c.cache(90, 15), clWhite);
    // No minute marks and, with tmHours, no numbers.
    EXPECT_FALSE(anyPixel(c.watch.cacheImage(), QRect(162, 95, 6, 6), clGray));
    EXPECT_FALSE(anyNear(c.watch.cacheImage(), QRect(146, 83, 12, 14), clBlack));

    c.watch.Appearance().set(&TWatchLook::Shape, wsRoundRect);
    c.watch.Appearance().set(&TWatchLook::BackgroundColor, clYellow);
    c.draw();
    EXPECT_EQ(c.cache(12, 12), clYellow);
    // Outside the rounded corner the control shows through.
    EXPECT_EQ(c.cache(0, 0), margin);
}

TEST(ExWatch, PresetsApplyOverTheFirstLookAndTheSameStyleDoesNothing)
{
    Clock c;
    c.watch.setStyle(wsClassic);
    EXPECT_EQ(c.watch.Appearance().look(), TWatchLook());
    c.watch.setAnimation(false);
    c.watch.setStyle(wsTower);
    const TWatchLook &look = c.watch.Appearance().look();
    EXPECT_EQ(look.Shape, wsRect);
    EXPECT_EQ(look.PointerStyle, psPointer);
    EXPECT_EQ(look.BackgroundColor, 0xB1F0FE);
    EXPECT_EQ(c.watch.Appearance().HourFont().Style().bold, true);
    EXPECT_FALSE(c.watch.ShowNumbers());
    EXPECT_TRUE(c.watch.ShowAMPM());
    EXPECT_FALSE(c.watch.Animation());
    // A rectangle fills the whole client, margins too.
    c.draw();
    EXPECT_TRUE(editortest::near(c.screen(3, 3), 0xB1F0FE, 8));
    // The same style again keeps a changed look.
    c.watch.Appearance().set(&TWatchLook::BorderWidth, 6);
    c.watch.setStyle(wsTower);
    EXPECT_EQ(look.BorderWidth, 6);
    // Only the classic look touches the animation.
    c.watch.setStyle(wsClassic);
    EXPECT_TRUE(c.watch.Animation());
    EXPECT_EQ(look.HourMarkLength, 8);
    EXPECT_EQ(c.watch.Appearance().HourFont().Name(), u"Comic Sans MS");
}

TEST(ExWatch, PresetSizesFromALargeClockStayWithinAByte)
{
    struct Case {
        int side;
        TWatchStyle style;
        int TWatchLook::*field;
        int expected;
    };
    const Case cases[] = {
        {180, wsSuperNova, &TWatchLook::HourMarkLength, 40},   {180, wsSuperNova, &TWatchLook::MinuteMarkLength, 60},
        {920, wsSuperNova, &TWatchLook::HourMarkLength, 204},  {920, wsSuperNova, &TWatchLook::MinuteMarkLength, 255},
        {1150, wsSuperNova, &TWatchLook::HourMarkLength, 255}, {180, wsSports, &TWatchLook::CenterPointSize, 50},
        {768, wsSports, &TWatchLook::CenterPointSize, 213},    {1150, wsSports, &TWatchLook::CenterPointSize, 255},
    };
    for (const Case &k : cases) {
        TExWatch watch;
        watch.resize(k.side, k.side);
        watch.setStyle(k.style);
        EXPECT_EQ(watch.Appearance().look().*k.field, k.expected) << k.side;
    }
}

TEST(ExWatch, ColourStylesRecolourTheDial)
{
    Clock c;
    c.watch.SetComponentStyle(tsOffice2003Blue);
    const TWatchLook &look = c.watch.Appearance().look();
    EXPECT_EQ(look.BackgroundColor, 0xFFD2AF);
    EXPECT_EQ(look.AMPMColor, 0xD68759);
    EXPECT_EQ(look.AMPMBorderColor, 0x962D00);
    EXPECT_EQ(look.HourPointer, 0xD68759);
    EXPECT_EQ(look.HourPointerShadow, clWhite);
    EXPECT_EQ(look.CenterPointOuterBorderColor, clBlack);
    EXPECT_EQ(c.watch.Appearance().HourFont().Color(), clBlack);
    c.draw();
    EXPECT_EQ(c.cache(60, 60), 0xFFD2AF);
    EXPECT_EQ(c.cache(90, 15), 0xD68759);

    c.watch.SetComponentStyle(tsOffice2007Obsidian);
    EXPECT_EQ(c.watch.Appearance().AMPMFont().Color(), 0xF2F1F0);
    // Custom keeps the colours, blackening only the ring and the fonts.
    c.watch.SetComponentStyle(tsCustom);
    EXPECT_EQ(look.BackgroundColor, 0x5C534C);
    EXPECT_EQ(c.watch.Appearance().AMPMFont().Color(), clBlack);
}

TEST(ExWatch, TheAnimationTimerWalksTheHourAndStopsWhenOff)
{
    Clock c;
    c.watch.setAnimation(false);
    c.watch.setTime(QTime(9, 0));
    c.watch.setAnimation(true);
    c.watch.SetHour(3);
    EXPECT_TRUE(c.animationTimer->isEnabled());
    c.animationTimer->advance(2ms);
    EXPECT_EQ(c.watch.Time().hour(), 7);
    // Off: the timer stops and the hand stays where it is.
    c.watch.setAnimation(false);
    EXPECT_FALSE(c.animationTimer->isEnabled());
    c.animationTimer->advance(10ms);
    EXPECT_EQ(c.watch.Time().hour(), 7);
    // On again: it walks on to its target, reported once.
    c.watch.setAnimation(true);
    EXPECT_TRUE(c.animationTimer->isEnabled());
    c.animationTimer->advance(20ms);
    EXPECT_EQ(c.watch.Time().hour(), 3);
    EXPECT_FALSE(c.animationTimer->isEnabled());
    EXPECT_EQ(c.changes, 1);
}

TEST(ExWatch, ClicksSetTheMinuteOutsideTheFaceAndTheHourOnIt)
{
    Clock c;
    c.watch.setAnimation(false);
    c.watch.setTime(QTime(10, 20));
    c.clickAt({175, 90});
    EXPECT_EQ(c.watch.Time(), QTime(10, 15));
    c.clickAt({150, 90});
    EXPECT_EQ(c.watch.Time(), QTime(3, 15));
    c.watch.setTime(QTime(15, 15));
    c.clickAt({92, 20});
    EXPECT_EQ(c.watch.Time(), QTime(12, 15));
    // Out-of-range values are ignored.
    c.watch.SetHour(24);
    c.watch.SetMinute(60);
    EXPECT_EQ(c.watch.Time(), QTime(12, 15));
    c.watch.setAnimationFactor(0);
    EXPECT_EQ(c.watch.AnimationFactor(), 1);
}

TEST(ExWatch, TheAmPmBoxRollsOnATimerAndEndsShowingTheOtherHalf)
{
    Clock c;
    c.watch.setAnimation(true);
    c.draw();
    const QRect box = c.watch.AMPMRect();
    const QImage before = c.watch.screenImage().copy(box);
    c.clickAt(box.center());
    // The click returns at once; the time is already in the other half.
    EXPECT_TRUE(c.watch.rolling());
    EXPECT_TRUE(c.rollTimer->isEnabled());
    EXPECT_EQ(c.rollTimer->interval(), 10ms);
    EXPECT_EQ(c.watch.Time().hour(), 12);
    EXPECT_FALSE(c.watch.AM());
    const int h = box.height() - 2;
    c.rollTimer->advance(10ms * (h / 2));
    const QImage middle = c.watch.screenImage().copy(box);
    EXPECT_NE(middle, before);
    c.rollTimer->advance(10ms * h);
    EXPECT_FALSE(c.watch.rolling());
    EXPECT_FALSE(c.rollTimer->isEnabled());
    const QImage after = c.watch.screenImage().copy(box);
    EXPECT_NE(after, before);
    EXPECT_NE(after, middle);
    // Without animation the box changes at once.
    c.watch.setAnimation(false);
    c.clickAt(box.center());
    EXPECT_FALSE(c.watch.rolling());
    EXPECT_TRUE(c.watch.AM());
    EXPECT_EQ(c.watch.screenImage().copy(box), before);
}

TEST(ExWatch, AutoModeFollowsTheInjectedClockAndIgnoresInput)
{
    Clock c;
    c.watch.Settings().setAuto(true);
    EXPECT_TRUE(c.watchTimer->isEnabled());
    EXPECT_EQ(c.watch.Time(), QTime(13, 45, 10));
    EXPECT_FALSE(c.watch.AM());
    c.draw();
    // The second hand at 10 s (60 degrees), in red.
    EXPECT_TRUE(anyPixel(c.watch.screenImage(), QRect(140, 58, 8, 8), clRed));
    c.watch.WatchKeyDown(Qt::Key_PageUp);
    c.clickAt({150, 90});
    EXPECT_EQ(c.watch.Time(), QTime(13, 45, 10));
    c.now = {9, 0, 0, 0};
    c.watch.Settings().setTimeOffset(30);
    c.watchTimer->advance(100ms);
    EXPECT_EQ(c.watch.Time(), QTime(9, 30, 0));
    EXPECT_TRUE(c.watch.AM());
    c.watch.Settings().setAuto(false);
    EXPECT_FALSE(c.watchTimer->isEnabled());
}

TEST(ExWatch, ForwardedKeysMoveTheHands)
{
    Clock c;
    c.watch.setAnimation(false);
    c.watch.WatchKeyDown(Qt::Key_Left);
    EXPECT_EQ(c.watch.Time(), QTime(23, 59));
    EXPECT_EQ(c.changes, 0);
    c.watch.WatchKeyDown(Qt::Key_Right);
    EXPECT_EQ(c.watch.Time(), QTime(0, 0));
    c.watch.WatchKeyDown(Qt::Key_P);
    EXPECT_EQ(c.watch.Time(), QTime(12, 0));
    EXPECT_FALSE(c.watch.AM());
    c.watch.WatchKeyDown(Qt::Key_Up);
    EXPECT_EQ(c.watch.Time(), QTime(12, 0));
}

TEST(ExWatch, TheCursorIsAHandOverTheAmPmBox)
{
    Clock c;
    editortest::moveTo(c.watch, c.watch.AMPMRect().center());
    EXPECT_EQ(c.watch.cursor().shape(), Qt::PointingHandCursor);
    editortest::moveTo(c.watch, {20, 20});
    EXPECT_EQ(c.watch.cursor().shape(), Qt::ArrowCursor);
}

TEST(ExWatch, DestroyingAClockWithEveryTimerRunningIsClean)
{
    auto *watch = new TExWatch;
    watch->show();
    watch->setAnimation(true);
    watch->Settings().setAuto(true);
    watch->Settings().setAuto(false);
    watch->SetHour(11);
    watch->Settings().setAuto(true);
    ASSERT_TRUE(watch->watchTimer().isEnabled());
    editortest::click(*watch, watch->AMPMRect().center());
    editortest::settle();
    delete watch;
    // Nothing ticks into the freed clock.
    editortest::settle();

    auto *walking = new TExWatch;
    walking->SetHour(7);
    ASSERT_TRUE(walking->animationTimer().isEnabled());
    walking->Settings().setAuto(true);
    ASSERT_TRUE(walking->watchTimer().isEnabled());
    editortest::settle();
    delete walking;
    editortest::settle();
}

} // namespace
