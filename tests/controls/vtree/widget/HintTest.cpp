#include "TreeWidgetProbe.h"

#include "controls/vtree/widget/HintWindow.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QHelpEvent>
#include <QScreen>
#include <memory>

namespace vtreetest {
namespace {

using enum TLTHintMode;

TEST(HintTest, AHintWindowIsKeptOnTheDesktop)
{
    const QRect desktop(0, 0, 800, 600);
    struct Case {
        QRect window, expected;
    };
    for (const Case &c : {Case{{100, 100, 50, 20}, {100, 100, 50, 20}},
                          Case{{780, 100, 50, 20}, {750, 100, 50, 20}},
                          Case{{100, 590, 50, 20}, {100, 580, 50, 20}},
                          Case{{-10, -5, 50, 20}, {0, 0, 50, 20}},
                          Case{{700, 500, 900, 700}, {0, 0, 900, 700}}})
        EXPECT_EQ(keepHintOnDesktop(c.window, desktop), c.expected) << c.window.x() << "," << c.window.y();
    EXPECT_EQ(keepHintOnDesktop({900, 100, 50, 20}, {800, 0, 800, 600}), QRect(900, 100, 50, 20));
}

// A focused tree that hints.
class HintProbe : public TreeWidgetProbe {
public:
    HintProbe()
    {
        texts = {QStringLiteral("short"), QStringLiteral("a text far too long for a window two hundred pixels wide")};
        addNodes(2);
        SetHintMode(hmTooltip);
        SetHintAnimation(THintAnimationType::hatNone);
        // Animating needs a window on the screen.
        setAttribute(Qt::WA_DontShowOnScreen, false);
        show();
    }
    // Hints need the focus, which a window without a screen never gets.
    bool Focused() const override { return true; }
    ~HintProbe() override { OnGetHint = {}; }
    using TLazyStringTreeWidget::setTreeHint;
    QPoint textPoint(int index)
    {
        PLazyNode node = index == 0 ? GetFirst() : GetLast();
        const platform::TRect r = GetDisplayRect(node, NoColumn, true, true);
        return {r.Left + 2, r.Top + 2};
    }
};

TEST(HintTest, ATooltipShowsOnlyForClippedTextExactlyOverIt)
{
    HintProbe tree;
    EXPECT_FALSE(tree.ShowHintAt(tree.textPoint(0)));
    EXPECT_FALSE(tree.TreeStates().contains(TLazyTreeState::tsHint));

    ASSERT_TRUE(tree.ShowHintAt(tree.textPoint(1)));
    const platform::TRect text = tree.GetDisplayRect(tree.GetLast(), NoColumn, true, true);
    ASSERT_GT(text.Right, tree.ClientWidth());
    TLazyTreeHintWindow *window = tree.HintWindow();
    ASSERT_NE(window, nullptr);
    const QPoint corner = tree.viewport()->mapToGlobal(QPoint(text.Left, text.Top)) - QPoint(1, 1);
    const QRect desktop = tree.screen()->geometry();
    EXPECT_EQ(window->geometry(), keepHintOnDesktop(QRect(corner, QSize(text.Width() + 2, text.Height() + 2)), desktop));
    EXPECT_TRUE(tree.TreeStates().contains(TLazyTreeState::tsHint));
    // The text is drawn in the hint colours, starting three pixels in.
    EXPECT_EQ(window->Frame().pixelColor(0, 0), QColor(Qt::black));

    tree.CancelTreeHint();
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(tree.TreeStates().contains(TLazyTreeState::tsHint));
}

TEST(HintTest, ThePlatformsHintRequestOverTheRowsShowsTheHint)
{
    HintProbe tree;
    const QPoint over = tree.textPoint(1);
    QHelpEvent request(QEvent::ToolTip, over, tree.viewport()->mapToGlobal(over));
    QApplication::sendEvent(tree.viewport(), &request);
    EXPECT_TRUE(tree.TreeStates().contains(TLazyTreeState::tsHint));
    tree.CancelTreeHint();
}

TEST(HintTest, AColumnNarrowerThanItsTextShowsTheTooltip)
{
    HintProbe tree;
    tree.resize(300, 100);
    TLazyTreeColumns &columns = tree.Header()->Columns();
    columns.Add().SetWidth(100);
    columns.Add().SetWidth(150);
    tree.OnGetText = [](TreeSender, PLazyNode, TColumnIndex Column, TLSTTextType, QString &Text) {
        Text = Column == 1 ? QStringLiteral("second column") : QStringLiteral("m");
    };
    const platform::TRect text = tree.GetDisplayRect(tree.GetFirst(), 1, true, true);
    const QPoint over(text.Left + 2, text.Top + 2);
    EXPECT_FALSE(tree.ShowHintAt(over));
    columns[1].SetWidth(30);
    const platform::TRect narrowed = tree.GetDisplayRect(tree.GetFirst(), 1, true, true);
    ASSERT_TRUE(tree.ShowHintAt(QPoint(narrowed.Left + 2, narrowed.Top + 2)));
    EXPECT_EQ(tree.HintWindow()->HintData().Column, 1);
    EXPECT_EQ(tree.HintWindow()->HintData().HintText, QStringLiteral("second column"));
    EXPECT_EQ(tree.HintWindow()->size(), QSize(narrowed.Width() + 2, narrowed.Height() + 2));
}

TEST(HintTest, AHintThatGoesAwayStopsItsAnimation)
{
    for (const bool cancel : {true, false}) {
        HintProbe tree;
        unsigned now = 0;
        tree.Animation().setClock([&now] { return now; });
        tree.SetHintAnimation(THintAnimationType::hatSlide);
        ASSERT_TRUE(tree.ShowHintAt(tree.textPoint(1)));
        ASSERT_TRUE(tree.Animation().isRunning());
        if (cancel)
            tree.CancelTreeHint();
        else
            tree.HintWindow()->hide();
        now += 10;
        tree.Animation().tick();
        EXPECT_FALSE(tree.Animation().isRunning()) << cancel;
        EXPECT_FALSE(tree.TreeStates().contains(TLazyTreeState::tsInAnimation)) << cancel;
    }
}

TEST(HintTest, AnAnimationAskedForIsTheOneThatRuns)
{
    TreeWidgetProbe tree;
    for (auto kind : {THintAnimationType::hatNone, THintAnimationType::hatFade, THintAnimationType::hatSlide}) {
        tree.SetHintAnimation(kind);
        EXPECT_EQ(tree.EffectiveHintAnimation(), kind);
    }
    // The test platform animates no tooltips.
    tree.SetHintAnimation(THintAnimationType::hatSystemDefault);
    ASSERT_FALSE(QApplication::isEffectEnabled(Qt::UI_FadeTooltip) || QApplication::isEffectEnabled(Qt::UI_AnimateTooltip));
    EXPECT_EQ(tree.EffectiveHintAnimation(), THintAnimationType::hatNone);
}

TEST(HintTest, WhileEditingTheEditedNodeGetsNoTooltip)
{
    HintProbe tree;
    tree.TreeOptions().SetMiscOptions(tree.TreeOptions().MiscOptions() + TLTMiscOption::toEditable);
    ASSERT_TRUE(tree.EditNode(tree.GetLast(), NoColumn));
    EXPECT_FALSE(tree.ShowHintAt(tree.textPoint(1)));
    tree.CancelEditNode();
    EXPECT_TRUE(tree.ShowHintAt(tree.textPoint(1)));
}

TEST(HintTest, AnEmptyNodeHintShowsNoWindow)
{
    HintProbe tree;
    tree.SetHintMode(hmHint);
    tree.OnGetHint = [](TreeSender, PLazyNode, TColumnIndex, TLTTooltipLineBreakStyle &, QString &Text) { Text.clear(); };
    EXPECT_FALSE(tree.ShowHintAt(tree.textPoint(0)));
    EXPECT_TRUE(tree.HintWindow() == nullptr || !tree.HintWindow()->isVisible());
}

TEST(HintTest, BelowTheNodesTheTreesOwnHintShowsWithHintAndDefault)
{
    HintProbe tree;
    tree.SetHintMode(hmHintAndDefault);
    tree.setTreeHint(QStringLiteral("Meters|long part"));
    ASSERT_TRUE(tree.ShowHintAt({20, 80}));
    EXPECT_EQ(tree.HintWindow()->HintData().HintText, QStringLiteral("Meters"));
    const int textHeight = tree.HintWindow()->TextHeight();
    EXPECT_EQ(tree.HintWindow()->height(), textHeight + 6);
}

TEST(HintTest, AFadeStepsFromTheBackgroundToTheWholeHint)
{
    HintProbe tree;
    unsigned now = 0;
    tree.Animation().setClock([&now] { return now; });
    tree.SetHintAnimation(THintAnimationType::hatFade);
    ASSERT_TRUE(tree.ShowHintAt(tree.textPoint(1)));
    ASSERT_TRUE(tree.Animation().isRunning());
    TLazyTreeHintWindow *window = tree.HintWindow();
    // The first frame is almost all background: the tree's white.
    EXPECT_EQ(window->Frame().pixelColor(0, 0), QColor(Qt::white));
    while (tree.Animation().isRunning()) {
        now += 10;
        tree.Animation().tick();
    }
    EXPECT_EQ(window->Frame(), window->DrawBuffer());
    EXPECT_FALSE(tree.TreeStates().contains(TLazyTreeState::tsInAnimation));
}

TEST(HintTest, AHintHandlerThatDestroysTheTreeDuringAStepEndsTheAnimation)
{
    auto tree = std::make_unique<HintProbe>();
    tree->SetHintAnimation(THintAnimationType::hatSlide);
    tree->SetHintMode(hmHint);
    QPointer<TTimedAnimation> driver(&tree->Animation());
    tree->OnGetHintKind = [](TreeSender, PLazyNode, TColumnIndex, TLTHintKind &Kind) { Kind = TLTHintKind::vhkOwnerDraw; };
    tree->OnGetHintSize = [](TreeSender, PLazyNode, TColumnIndex, QRect &R) { R = QRect(0, 0, 60, 20); };
    int draws = 0;
    tree->OnDrawHint = [&](TreeSender, TCanvasPtr, PLazyNode, QRect, TColumnIndex) {
        ++draws;
        tree.reset();
    };
    tree->ShowHintAt(tree->textPoint(0));
    EXPECT_EQ(draws, 1);
    EXPECT_EQ(tree, nullptr);
    EXPECT_TRUE(driver.isNull());
}

} // namespace
} // namespace vtreetest
