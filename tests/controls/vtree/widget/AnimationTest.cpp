#include "TreeWidgetProbe.h"

#include "controls/vtree/widget/ToggleGeometry.h"
#include "controls/vtree/widget/TreeAnimation.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace vtreetest {
namespace {

using enum TToggleDirection;

TEST(AnimationTest, ThePacerSpreadsTheStepsAndGrowsThemWhenTimeRunsShort)
{
    struct Case {
        int steps;
        unsigned duration;
        int stepSize, interval;
    };
    for (const Case &c : {Case{90, 200, 1, 2}, Case{255, 400, 1, 1}, Case{1000, 100, 10, 1}, Case{30, 300, 1, 10}}) {
        TAnimationPacer pacer;
        ASSERT_TRUE(pacer.start(c.steps, c.duration));
        EXPECT_EQ(pacer.nextStep(), 0);
        EXPECT_EQ(pacer.stepSize(), c.stepSize) << c.steps;
        EXPECT_EQ(int(pacer.interval()), c.interval) << c.steps;
    }
    TAnimationPacer pacer;
    EXPECT_FALSE(pacer.start(10, 0));
    EXPECT_FALSE(pacer.start(0, 100));
    // 30 steps over 300 ms: on time, one pixel a step; late, bigger steps.
    ASSERT_TRUE(pacer.start(30, 300));
    ASSERT_TRUE(pacer.advance(10));
    EXPECT_EQ(pacer.nextStep(), 1);
    EXPECT_EQ(pacer.stepSize(), 1);
    ASSERT_TRUE(pacer.advance(280));
    EXPECT_GT(pacer.stepSize(), 1);
    EXPECT_FALSE(pacer.advance(100));
}

TEST(AnimationTest, TheDriverStepsOnItsTimerAndClosesWithAZeroStep)
{
    TTimedAnimation animation;
    unsigned now = 0;
    animation.setClock([&now] { return now; });
    std::vector<std::pair<int, int>> calls;
    bool finished = false;
    ASSERT_TRUE(animation.start(
        4, 40, [&calls](int step, int size) { return calls.emplace_back(step, size), true; }, [&finished] { finished = true; }));
    while (animation.isRunning()) {
        now += 10;
        animation.tick();
    }
    EXPECT_EQ(calls, (std::vector<std::pair<int, int>>{{0, 1}, {1, 1}, {2, 1}, {3, 1}, {0, 0}}));
    EXPECT_TRUE(finished);
}

TEST(AnimationTest, AStepThatDestroysTheDriversOwnerEndsTheAnimation)
{
    auto owner = std::make_unique<QObject>();
    auto *animation = new TTimedAnimation(owner.get());
    int calls = 0;
    ASSERT_TRUE(animation->start(10, 100, [&](int, int) {
        ++calls;
        owner.reset();
        return true;
    }));
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(owner, nullptr);
}

TEST(AnimationTest, TwoMovingAreasAreExchangedSoThatTheBiggerLeads)
{
    ToggleScrollData data;
    data.ScrollRect1 = QRect(0, 0, 100, 40);
    data.Direction1 = Up;
    data.Amount1 = 30;
    data.ScrollRect2 = QRect(0, 40, 100, 60);
    data.Direction2 = Down;
    data.Amount2 = 90;
    EXPECT_EQ(prepareToggleSteps(data), 90);
    EXPECT_EQ(data.ScrollRect1, QRect(0, 40, 100, 60));
    EXPECT_EQ(data.Direction1, Down);
    EXPECT_DOUBLE_EQ(data.Scale, 1.0 / 3.0);
    QImage frame(100, 100, QImage::Format_RGB32);
    frame.fill(Qt::black);
    data.Background = platform::clWhite;
    AnimateToggleStep(0, 1, data, frame);
    // The leading area moved one row and its strip (two rows) is filled;
    // the other moved Round(1/3) = 0 rows and keeps a third of a row.
    EXPECT_DOUBLE_EQ(data.Carry, 1.0 / 3.0);
    EXPECT_EQ(frame.pixelColor(50, 40), QColor(Qt::white));
    EXPECT_EQ(frame.pixelColor(50, 41), QColor(Qt::white));
    EXPECT_EQ(frame.pixelColor(50, 42), QColor(Qt::black));
    EXPECT_EQ(frame.pixelColor(50, 39), QColor(Qt::black));
    // Later steps move pixels but fill nothing.
    frame.fill(Qt::black);
    AnimateToggleStep(1, 1, data, frame);
    EXPECT_EQ(frame.pixelColor(50, 40), QColor(Qt::black));
}

TEST(AnimationTest, TheUncoveredStripTakesEachColumnsColour)
{
    ToggleScrollData data;
    data.ScrollRect1 = QRect(0, 20, 100, 80);
    data.Direction1 = Down;
    data.Amount1 = 10;
    data.Background = platform::clWhite;
    data.Pieces = {{0, 40, platform::clRed}, {60, 100, platform::clBlue}};
    QImage frame(100, 100, QImage::Format_RGB32);
    frame.fill(Qt::black);
    ASSERT_EQ(prepareToggleSteps(data), 10);
    AnimateToggleStep(0, 3, data, frame);
    // Four rows from the area's top: the three moved and one more.
    for (int y : {20, 23}) {
        EXPECT_EQ(frame.pixelColor(10, y), QColor(Qt::red)) << y;
        EXPECT_EQ(frame.pixelColor(50, y), QColor(Qt::white)) << y;
        EXPECT_EQ(frame.pixelColor(80, y), QColor(Qt::blue)) << y;
    }
    EXPECT_EQ(frame.pixelColor(50, 24), QColor(Qt::black));
}

TEST(AnimationTest, CollapsingMovesTheRowsBelowUpByAtMostTheChildrensHeight)
{
    TToggleGeometry g;
    g.Right = 200;
    g.NodeHeight = 18;
    g.TotalHeight = 18 + 3 * 18;
    g.HeightChange = -3 * 18;
    g.ClientHeight = 100;
    g.RangeY = 200;
    struct Case {
        int top;
        bool animates;
        int amount;
    };
    // Rows from y 18 to 100 move up by 54; near the bottom by what shows;
    // a row ending at the bottom has nothing below to move.
    for (const Case &c : {Case{0, true, 54}, Case{54, true, 29}, Case{82, false, 0}}) {
        ToggleScrollData data;
        g.Top = c.top;
        g.Bottom = c.top + 18;
        EXPECT_EQ(planCollapseAnimation(g, data), c.animates) << c.top;
        if (!c.animates)
            continue;
        EXPECT_EQ(data.ScrollRect1, QRect(0, c.top + 18, 200, 100 - c.top - 18));
        EXPECT_EQ(data.Direction1, Up);
        EXPECT_EQ(data.Amount1, c.amount);
        EXPECT_EQ(data.Direction2, None);
    }
}

TEST(AnimationTest, ExpandingMovesTheRowsBelowDownByWhatShows)
{
    TToggleGeometry g;
    g.Right = 200;
    g.Top = 18;
    g.Bottom = 36;
    g.NodeHeight = 18;
    g.TotalHeight = 18;
    g.HeightChange = 5 * 18;
    g.ClientHeight = 100;
    ToggleScrollData data;
    ASSERT_TRUE(planExpandAnimation(g, data));
    EXPECT_EQ(data.ScrollRect1, QRect(0, 36, 200, 64));
    EXPECT_EQ(data.Direction1, Down);
    EXPECT_EQ(data.Amount1, 64);
    g.Top = 100;
    EXPECT_FALSE(planExpandAnimation(g, data));
}

// A shown tree that can animate, its clock moved by hand.
struct AnimatedTree {
    AnimatedTree()
    {
        tree->setAttribute(Qt::WA_DontShowOnScreen, false);
        tree->show();
        driver = &tree->Animation();
        driver->setClock([this] { return now; });
        tree->TreeOptions().SetAnimationOptions({TLTAnimationOption::toAnimatedToggle});
        parent = tree->addNodes(2);
        tree->AddChild(parent);
        tree->AddChild(parent);
    }
    void runOut()
    {
        for (int i = 0; i < 1000 && driver && driver->isRunning(); ++i) {
            now += 5;
            driver->tick();
        }
    }
    std::unique_ptr<TreeWidgetProbe> tree = std::make_unique<TreeWidgetProbe>();
    PLazyNode parent = nullptr;
    QPointer<TTimedAnimation> driver;
    unsigned now = 0;
};

TEST(AnimationTest, AShownTreeSlidesTheRowsAndRepaintsWhenDone)
{
    AnimatedTree animated;
    TreeWidgetProbe &tree = *animated.tree;
    tree.ToggleNode(animated.parent);
    // The node is open at once; only the picture slides.
    EXPECT_TRUE(tree.GetExpanded(animated.parent));
    EXPECT_TRUE(tree.IsToggleAnimating());
    EXPECT_TRUE(tree.TreeStates().contains(TLazyTreeState::tsInAnimation));
    animated.runOut();
    EXPECT_FALSE(tree.IsToggleAnimating());
    EXPECT_FALSE(tree.TreeStates().contains(TLazyTreeState::tsInAnimation));
}

TEST(AnimationTest, ATreeOffTheScreenTogglesWithoutAnimation)
{
    TreeWidgetProbe tree;
    tree.TreeOptions().SetAnimationOptions({TLTAnimationOption::toAnimatedToggle});
    PLazyNode parent = tree.addNodes(2);
    tree.AddChild(parent);
    tree.ToggleNode(parent);
    EXPECT_TRUE(tree.GetExpanded(parent));
    EXPECT_FALSE(tree.IsToggleAnimating());
    EXPECT_FALSE(tree.TreeStates().contains(TLazyTreeState::tsInAnimation));
}

TEST(AnimationTest, ATreeDestroyedDuringAToggleAnimationStopsIt)
{
    AnimatedTree animated;
    animated.tree->ToggleNode(animated.parent);
    ASSERT_TRUE(animated.tree->IsToggleAnimating());
    animated.tree.reset();
    EXPECT_TRUE(animated.driver.isNull());
}

TEST(AnimationTest, OneAnimationRunsAtATimeAndNoneWithoutTime)
{
    AnimatedTree animated;
    TreeWidgetProbe &tree = *animated.tree;
    const auto step = [](int, int) { return true; };
    EXPECT_FALSE(tree.RunAnimation(10, 0, step));
    ASSERT_TRUE(tree.RunAnimation(10, 100, step));
    EXPECT_FALSE(tree.RunAnimation(10, 100, step));
    animated.runOut();
    EXPECT_TRUE(tree.RunAnimation(10, 100, step));
    tree.FinishAnimation();
    EXPECT_FALSE(tree.TreeStates().contains(TLazyTreeState::tsInAnimation));
}

TEST(AnimationTest, AHandlerThatDestroysTheTreeDuringAStepEndsTheAnimation)
{
    AnimatedTree animated;
    TreeWidgetProbe *tree = animated.tree.get();
    int steps = 0;
    ASSERT_TRUE(tree->RunAnimation(10, 100, [&](int, int size) {
        if (size > 0 && ++steps == 2)
            animated.tree.reset();
        return true;
    }));
    animated.runOut();
    EXPECT_EQ(steps, 2);
    EXPECT_EQ(animated.tree, nullptr);
}

} // namespace
} // namespace vtreetest
