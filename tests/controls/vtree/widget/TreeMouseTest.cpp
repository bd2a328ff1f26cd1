#include "MouseProbe.h"

#include <gtest/gtest.h>

#include <QMenu>
#include <QPointer>
#include <QTimer>

namespace vtreetest {
namespace {

using enum TLazyTreeState;
using enum TCheckState;
using enum TCheckType;

std::vector<PLazyNode> selectedOf(TLazyStringTreeWidget &tree)
{
    std::vector<PLazyNode> nodes;
    for (PLazyNode n = tree.GetFirstSelected(); n; n = tree.GetNextSelected(n))
        nodes.push_back(n);
    return nodes;
}

struct Rows : MouseProbe {
    explicit Rows(int count = 5, const QString &prefix = QStringLiteral("node"))
    {
        for (int i = 0; i < count; ++i)
            texts << QStringLiteral("%1 %2").arg(prefix).arg(i);
        addNodes(count);
        for (PLazyNode n = GetFirst(); n; n = GetNextSibling(n))
            rows.push_back(n);
    }
    std::vector<PLazyNode> rows;
};

// ---- Check boxes --------------------------------------------------------------

TEST(TreeMouseTest, ACheckBoxPressedChecksOnlyWhenReleasedOverTheSameNode)
{
    for (const bool releasedOnIt : {true, false}) {
        Rows tree(2);
        TLTMiscOptions misc = tree.TreeOptions().MiscOptions();
        misc.include(TLTMiscOption::toCheckSupport);
        tree.TreeOptions().SetMiscOptions(misc);
        tree.SetCheckType(tree.rows[0], ctCheckBox);
        std::vector<TCheckState> checking;
        int checked = 0;
        tree.OnChecking = [&](TreeSender, PLazyNode, TCheckState &state, bool &) { checking.push_back(state); };
        tree.OnChecked = [&](TreeSender, PLazyNode) { ++checked; };

        const QPoint box = tree.pointWith(tree.rows[0], THitPosition::hiOnItemCheckbox);
        ASSERT_GE(box.x(), 0);
        tree.press(box);
        EXPECT_EQ(checking, std::vector<TCheckState>{csCheckedNormal});
        EXPECT_EQ(tree.rows[0]->CheckState, csUncheckedPressed);
        EXPECT_EQ(checked, 0);

        tree.release(releasedOnIt ? box : tree.labelOf(tree.rows[1]));
        EXPECT_EQ(tree.rows[0]->CheckState, releasedOnIt ? csCheckedNormal : csUncheckedNormal) << releasedOnIt;
        EXPECT_EQ(checked, releasedOnIt ? 1 : 0);
        EXPECT_FALSE(tree.has(tsMouseCheckPending));
    }
}

TEST(TreeMouseTest, ADisabledNodesCheckBoxDoesNothing)
{
    Rows tree(1);
    TLTMiscOptions misc = tree.TreeOptions().MiscOptions();
    misc.include(TLTMiscOption::toCheckSupport);
    tree.TreeOptions().SetMiscOptions(misc);
    tree.SetCheckType(tree.rows[0], ctCheckBox);
    tree.SetDisabled(tree.rows[0], true);
    int events = 0;
    tree.OnChecking = [&](TreeSender, PLazyNode, TCheckState &, bool &) { ++events; };
    const QPoint box = tree.pointWith(tree.rows[0], THitPosition::hiOnItemCheckbox);
    tree.click(box);
    EXPECT_EQ(events, 0);
    EXPECT_EQ(tree.rows[0]->CheckState, csUncheckedNormal);
}

// ---- Selection ------------------------------------------------------------------

struct MultiRows : Rows {
    MultiRows()
    {
        TLTSelectionOptions options = TreeOptions().SelectionOptions();
        options.include(TLTSelectionOption::toMultiSelect);
        TreeOptions().SetSelectionOptions(options);
    }
    void allowDrags()
    {
        OnDragAllowed = [](TreeSender, PLazyNode, TColumnIndex, bool &allowed) { allowed = true; };
    }
};

TEST(TreeMouseTest, ClicksSelectOneNodeCtrlAddsAndShiftSelectsARange)
{
    MultiRows tree;
    auto &r = tree.rows;
    tree.click(tree.labelOf(r[1]));
    EXPECT_EQ(selectedOf(tree), std::vector<PLazyNode>{r[1]});
    EXPECT_EQ(tree.FocusedNode(), r[1]);
    tree.click(tree.labelOf(r[3]), Qt::ControlModifier);
    EXPECT_EQ(selectedOf(tree), (std::vector<PLazyNode>{r[1], r[3]}));
    tree.click(tree.labelOf(r[3]), Qt::ShiftModifier);
    EXPECT_EQ(selectedOf(tree), (std::vector<PLazyNode>{r[3]}));
    tree.click(tree.labelOf(r[0]), Qt::ShiftModifier);
    EXPECT_EQ(selectedOf(tree), (std::vector<PLazyNode>{r[0], r[1], r[2], r[3]}));
    tree.click(tree.labelOf(r[4]));
    EXPECT_EQ(selectedOf(tree), std::vector<PLazyNode>{r[4]});
}

TEST(TreeMouseTest, CtrlOnANodeThatMayBeDraggedTogglesItAtMouseUp)
{
    for (const bool wasSelected : {false, true}) {
        MultiRows tree;
        tree.allowDrags();
        tree.click(tree.labelOf(tree.rows[0]));
        if (wasSelected)
            tree.click(tree.labelOf(tree.rows[2]), Qt::ControlModifier);
        tree.OnDragAllowed = [](TreeSender, PLazyNode, TColumnIndex, bool &allowed) { allowed = true; };
        tree.press(tree.labelOf(tree.rows[2]), Qt::ControlModifier);
        EXPECT_EQ(tree.Selected(tree.rows[2]), wasSelected);
        tree.release(tree.labelOf(tree.rows[2]), Qt::ControlModifier);
        EXPECT_EQ(tree.Selected(tree.rows[2]), !wasSelected);
        EXPECT_TRUE(tree.Selected(tree.rows[0]));
    }
}

TEST(TreeMouseTest, APressOnAMultiSelectionClearsTheOthersAtMouseUpUnlessADragStarts)
{
    for (const bool drag : {false, true}) {
        MultiRows tree;
        tree.allowDrags();
        auto &r = tree.rows;
        tree.click(tree.labelOf(r[1]));
        tree.click(tree.labelOf(r[3]), Qt::ShiftModifier);
        tree.press(tree.labelOf(r[2]));
        EXPECT_TRUE(tree.has(tsClearPending));
        EXPECT_EQ(selectedOf(tree).size(), 3u);
        if (drag) {
            tree.move(tree.labelOf(r[2]) + QPoint(0, QApplication::startDragDistance() + 1));
            EXPECT_EQ(tree.drags, 1);
            EXPECT_FALSE(tree.has(tsOLEDragging));
        } else {
            tree.release(tree.labelOf(r[2]));
        }
        EXPECT_EQ(selectedOf(tree), drag ? (std::vector<PLazyNode>{r[1], r[2], r[3]}) : std::vector<PLazyNode>{r[2]});
    }
}

TEST(TreeMouseTest, TheRubberBandSelectsOnlyOnceItIsPastTheDragThreshold)
{
    MultiRows tree;
    auto &r = tree.rows;
    tree.click(tree.labelOf(r[4]));
    const QPoint start(tree.ClientWidth() - 5, tree.labelOf(r[0]).y());
    tree.press(start);
    EXPECT_TRUE(tree.has(tsDrawSelPending));
    tree.move(start + QPoint(-2, 2));
    EXPECT_TRUE(tree.has(tsDrawSelPending));
    EXPECT_TRUE(tree.RubberBandRect().isEmpty());
    EXPECT_TRUE(selectedOf(tree).empty()) << "a click beside the labels clears the selection";

    tree.move({10, tree.labelOf(r[2]).y()});
    EXPECT_TRUE(tree.has(tsDrawSelecting));
    EXPECT_FALSE(tree.RubberBandRect().isEmpty());
    EXPECT_EQ(selectedOf(tree), (std::vector<PLazyNode>{r[0], r[1], r[2]}));
    tree.move({10, tree.labelOf(r[1]).y()});
    EXPECT_EQ(selectedOf(tree), (std::vector<PLazyNode>{r[0], r[1]}));
    tree.release({10, tree.labelOf(r[1]).y()});
    EXPECT_FALSE(tree.IsMouseSelecting());
    EXPECT_EQ(selectedOf(tree), (std::vector<PLazyNode>{r[0], r[1]}));
}

TEST(TreeMouseTest, ARubberBandInTheBottomBandScrollsAfterTheDelayThenEveryInterval)
{
    MultiRows tree;
    for (int i = 0; i < 35; ++i)
        tree.rows.push_back(tree.AddChild(nullptr));
    tree.UpdateScrollBars(true);
    TLTAutoOptions options = tree.TreeOptions().AutoOptions();
    options.include(TLTAutoOption::toAutoScroll);
    tree.TreeOptions().SetAutoOptions(options);
    tree.SetAutoScrollDelay(0);
    tree.SetAutoScrollInterval(5);
    tree.press({tree.ClientWidth() - 5, 5});
    const QPoint band(10, tree.ClientHeight() - 3);
    tree.move(band - QPoint(0, 1));
    tree.move(band);
    ASSERT_TRUE(tree.has(tsDrawSelecting));
    ASSERT_TRUE(tree.has(tsScrollPending));
    EXPECT_EQ(tree.AutoScrollTimer()->interval(), 0);
    const std::size_t before = selectedOf(tree).size();
    tree.AutoScrollTimerFired();
    EXPECT_TRUE(tree.has(tsScrolling));
    EXPECT_EQ(tree.AutoScrollTimer()->interval(), 5);
    EXPECT_LT(tree.OffsetY(), 0);
    EXPECT_GT(selectedOf(tree).size(), before) << "the band grows with the view";
    tree.release(band);
    EXPECT_FALSE(tree.AutoScrollTimer()->isActive());
}

TEST(TreeMouseTest, ANodeSplitterDragsTheHeightOnlyInAFixedColumn)
{
    for (const bool fixed : {true, false}) {
        Rows tree(3);
        TLazyTreeColumn &column = tree.Header()->Columns().Add();
        column.SetWidth(150);
        if (fixed)
            column.SetOptions(column.Options() + TLTColumnOption::coFixed);
        TLTMiscOptions misc = tree.TreeOptions().MiscOptions();
        misc.include(TLTMiscOption::toNodeHeightResize);
        tree.TreeOptions().SetMiscOptions(misc);
        const QPoint splitter(100, 17); // the first row's lower edge
        tree.press(splitter);
        EXPECT_EQ(tree.has(tsNodeHeightTrackPending), fixed);
        tree.send(QEvent::MouseMove, splitter + QPoint(0, 12));
        tree.release(splitter + QPoint(0, 12));
        EXPECT_EQ(tree.GetNodeHeight(tree.rows[0]), fixed ? 29u : 18u) << fixed;
    }
}

TEST(TreeMouseTest, ARightClickPopsUpTheMenuOfTheNodeOrOfItsParent)
{
    Rows tree(2);
    PLazyNode child = tree.AddChild(tree.rows[0]);
    tree.SetExpanded(tree.rows[0], true);
    QMenu menu;
    menu.addAction(QStringLiteral("Delete"));
    std::vector<PLazyNode> asked;
    tree.OnGetPopupMenu = [&](TreeSender, PLazyNode node, TColumnIndex, QPoint, bool &, QMenu *&popup) {
        asked.push_back(node);
        if (node == tree.rows[0])
            popup = &menu;
    };
    const QPoint p = tree.labelOf(child);
    tree.press(p, {}, Qt::RightButton);
    EXPECT_TRUE(asked.empty()) << "the menu comes at the release";
    tree.release(p, {}, Qt::RightButton);
    EXPECT_EQ(asked, (std::vector<PLazyNode>{child, tree.rows[0]}));
    EXPECT_TRUE(tree.has(tsPopupMenuShown));
    EXPECT_TRUE(menu.isVisible());
    menu.close();
}

// ---- Double click, wheel ------------------------------------------------------------

TEST(TreeMouseTest, ADoubleClickOnALabelTogglesTheNodeAndOnEmptySpaceNothing)
{
    Rows tree(2);
    tree.AddChild(tree.rows[0]);
    tree.doubleClick(tree.labelOf(tree.rows[0]));
    EXPECT_TRUE(tree.GetExpanded(tree.rows[0]));
    tree.doubleClick(tree.labelOf(tree.rows[0]));
    EXPECT_FALSE(tree.GetExpanded(tree.rows[0]));
    tree.doubleClick({20, tree.ClientHeight() - 2});
    EXPECT_FALSE(tree.GetExpanded(tree.rows[0]));
}

TEST(TreeMouseTest, TheWheelScrollsByLinesAPageWithCtrlAndSidewaysWithShift)
{
    const int lines = QApplication::wheelScrollLines();
    struct Case {
        int delta;
        Qt::KeyboardModifiers modifiers;
    };
    const Case cases[] = {
        {-120, {}}, {120, {}}, {-60, {}}, {-120, Qt::ControlModifier}, {-120, Qt::ShiftModifier},
        {-120, Qt::ShiftModifier | Qt::ControlModifier},
    };
    for (const Case &c : cases) {
        Rows tree(40, QString(200, QLatin1Char('w')));
        tree.SetOffsetXY({-300, -300});
        const bool sideways = c.modifiers & Qt::ShiftModifier;
        const bool page = c.modifiers & Qt::ControlModifier;
        // A line is a default node height down, an indentation sideways.
        const int step = page ? (sideways ? tree.ClientWidth() : tree.ClientHeight()) : lines * 18;
        const int change = int(step * (c.delta / 120.0));
        const QPoint before = tree.OffsetXY();
        tree.wheel(c.delta, c.modifiers);
        EXPECT_EQ(tree.OffsetXY() - before, sideways ? QPoint(change, 0) : QPoint(0, change))
            << c.delta << " " << int(c.modifiers);
    }
}

// ---- Wheel panning ---------------------------------------------------------------

TEST(TreeMouseTest, AMiddleClickPansUntilTheNextClickAndAMovedOneUntilRelease)
{
    for (const bool moved : {false, true}) {
        Rows tree(40);
        const QPoint start(100, 50);
        tree.press(start, {}, Qt::MiddleButton);
        ASSERT_TRUE(tree.IsWheelPanning());
        ASSERT_NE(tree.PanningWindow(), nullptr);
        EXPECT_TRUE(tree.PanningWindow()->isVisible());
        EXPECT_EQ(tree.PanningCursor(), QStringLiteral("LT_MOVENS"));
        EXPECT_TRUE(tree.AutoScrollTimer()->isActive());
        if (moved) {
            tree.move(start + QPoint(0, 30));
            EXPECT_EQ(tree.PanningCursor(), QStringLiteral("LT_MOVES"));
        }
        tree.release(moved ? start + QPoint(0, 30) : start, {}, Qt::MiddleButton);
        EXPECT_EQ(tree.IsWheelPanning(), !moved);
        if (!moved) {
            tree.press(start, {}, Qt::MiddleButton);
            tree.release(start, {}, Qt::MiddleButton);
        }
        EXPECT_FALSE(tree.IsWheelPanning());
        EXPECT_EQ(tree.PanningWindow(), nullptr);
        EXPECT_FALSE(tree.AutoScrollTimer()->isActive());
        EXPECT_TRUE(tree.PanningCursor().isEmpty());
    }
}

TEST(TreeMouseTest, PanningStepsByTheDistanceBeyondItsDeadZone)
{
    Rows tree(40);
    const QPoint start(100, 50);
    tree.press(start, {}, Qt::MiddleButton);
    tree.SetOffsetY(-100);
    tree.DoAutoScroll(start + QPoint(0, 30));
    EXPECT_EQ(tree.OffsetY(), -100 - (30 - 8));
    tree.DoAutoScroll(start + QPoint(0, -20));
    EXPECT_EQ(tree.OffsetY(), -122 + (20 - 8));
    tree.DoAutoScroll(start + QPoint(0, 5));
    EXPECT_EQ(tree.OffsetY(), -110);
}

TEST(TreeMouseTest, ATreeThatFitsItsWindowDoesNotPan)
{
    Rows tree(2);
    tree.press({50, 10}, {}, Qt::MiddleButton);
    EXPECT_FALSE(tree.IsWheelPanning());
    EXPECT_EQ(tree.PanningWindow(), nullptr);
}

TEST(TreeMouseTest, PanningEndsWithTheTree)
{
    auto *tree = new Rows(40);
    tree->press({100, 50}, {}, Qt::MiddleButton);
    QPointer<QWidget> window = tree->PanningWindow();
    QPointer<QTimer> timer = const_cast<QTimer *>(tree->AutoScrollTimer());
    ASSERT_TRUE(window);
    ASSERT_TRUE(timer && timer->isActive());
    delete tree;
    EXPECT_FALSE(window);
    EXPECT_FALSE(timer);
}

// ---- Hot tracking -------------------------------------------------------------------

TEST(TreeMouseTest, HotTrackingReportsEachChangeOnce)
{
    Rows tree(2);
    TLTPaintOptions paint = tree.TreeOptions().PaintOptions();
    paint.include(TLTPaintOption::toHotTrack);
    tree.TreeOptions().SetPaintOptions(paint);
    std::vector<std::pair<PLazyNode, PLazyNode>> changes;
    tree.OnHotChange = [&](TreeSender, PLazyNode from, PLazyNode to) { changes.emplace_back(from, to); };
    tree.move(tree.labelOf(tree.rows[0]));
    tree.move(tree.labelOf(tree.rows[0]) + QPoint(1, 0));
    tree.move(tree.labelOf(tree.rows[1]));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&tree, &leave);
    using Change = std::pair<PLazyNode, PLazyNode>;
    const std::vector<Change> expected{{nullptr, tree.rows[0]}, {tree.rows[0], tree.rows[1]}, {tree.rows[1], nullptr}};
    EXPECT_EQ(changes, expected);
    EXPECT_EQ(tree.HotNode(), nullptr);
}

} // namespace
} // namespace vtreetest
