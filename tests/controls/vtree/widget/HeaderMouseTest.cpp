// The header under the mouse: synthetic mouse events sent to the header
// strip of a tree with three columns of 80, 100 and 60 pixels.
#include "HeaderColumns.h"

#include "controls/vtree/widget/HeaderPopupMenu.h"
#include "controls/vtree/widget/SharedImages.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

namespace vtreetest {
namespace {

class HeaderMouseTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        tree.resize(300, 100);
        showHeaderColumns(tree, {80, 100, 60});
        tree.addNodes(3);
        strip = tree.HeaderStrip();
        ASSERT_NE(strip, nullptr);
    }
    void TearDown() override
    {
        if (QWidget *image = tree.HeaderDragImage())
            image->close();
    }

    TLTHeader &header() { return *tree.Header(); }
    TLazyTreeColumns &columns() { return header().Columns(); }

    void mouse(QEvent::Type type, QPoint at, Qt::MouseButton button = Qt::LeftButton)
    {
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton
                                      : type == QEvent::MouseMove         ? heldButtons
                                                                          : Qt::MouseButtons(button);
        QMouseEvent event(type, QPointF(at), QPointF(strip->mapToGlobal(at)), button, held, Qt::NoModifier);
        QApplication::sendEvent(strip, &event);
    }
    void press(QPoint at, Qt::MouseButton button = Qt::LeftButton)
    {
        heldButtons = button;
        mouse(QEvent::MouseButtonPress, at, button);
    }
    void move(QPoint at) { mouse(QEvent::MouseMove, at, Qt::NoButton); }
    void release(QPoint at, Qt::MouseButton button = Qt::LeftButton)
    {
        heldButtons = Qt::NoButton;
        mouse(QEvent::MouseButtonRelease, at, button);
    }
    void doubleClick(QPoint at)
    {
        press(at);
        release(at);
        mouse(QEvent::MouseButtonDblClick, at);
        release(at);
    }
    // Press, move past the drag threshold, move to the target and release there.
    void drag(QPoint from, QPoint to, bool releaseThere = true)
    {
        press(from);
        move(from + QPoint(QApplication::startDragDistance() + 2, 0));
        move(to);
        if (releaseThere)
            release(to);
    }
    std::vector<TColumnIndex> displayOrder() const { return tree.Header()->Columns().PositionToIndex(); }

    TreeWidgetProbe tree;
    QWidget *strip = nullptr;
    Qt::MouseButtons heldButtons;
};

TEST_F(HeaderMouseTest, AColumnEdgeResizesFromThreePixelsInsideToFivePixelsBeyond)
{
    // Client points: the header spans y -19 .. 0.
    const struct {
        int x;
        TColumnIndex tracked;
    } cases[] = {{77, NoColumn}, {78, 0}, {80, 0}, {84, 0}, {85, NoColumn}, {86, NoColumn},
                 {178, 1},       {184, 1}, {185, NoColumn}, {238, 2}, {244, 2}, {245, NoColumn}};
    for (const auto &c : cases) {
        EXPECT_EQ(tree.FindSplitterColumn({c.x, -10}), c.tracked != NoColumn) << c.x;
        EXPECT_EQ(columns().FTrackIndex, c.tracked) << c.x;
    }
    // A column that may not be resized has no splitter.
    columns()[0].SetOptions(columns()[0].Options() - TLTColumnOption::coResizable);
    EXPECT_FALSE(tree.FindSplitterColumn({80, -10}));
    // A press on the splitter waits for the mouse to move; one beside it does not.
    press({84, 9});
    EXPECT_TRUE(header().States().contains(THeaderState::hsColumnWidthTrackPending) == false);
    release({84, 9});
    columns()[0].SetOptions(columns()[0].Options() + TLTColumnOption::coResizable);
    press({84, 9});
    EXPECT_TRUE(header().States().contains(THeaderState::hsColumnWidthTrackPending));
    release({84, 9});
    press({86, 9});
    EXPECT_FALSE(header().States().contains(THeaderState::hsColumnWidthTrackPending));
    release({86, 9});
    EXPECT_TRUE(header().States().empty());
}

TEST_F(HeaderMouseTest, DraggingASplitterResizesTheColumnWithinItsLimitsAndReportsIt)
{
    std::vector<QString> events;
    tree.OnBeforeColumnWidthTracking = [&](HeaderSender, TColumnIndex c, TShiftState) {
        events.push_back(QStringLiteral("before %1").arg(c));
    };
    tree.OnColumnWidthTracking = [&](HeaderSender, TColumnIndex c, TShiftState, QPoint &, QPoint, bool &) {
        events.push_back(QStringLiteral("tracking %1").arg(c));
    };
    tree.OnAfterColumnWidthTracking = [&](HeaderSender, TColumnIndex c) {
        events.push_back(QStringLiteral("after %1").arg(c));
    };
    press({82, 9});
    move({120, 9});
    EXPECT_TRUE(header().States().contains(THeaderState::hsColumnWidthTracking));
    EXPECT_EQ(columns()[0].Width(), 120);
    EXPECT_EQ(columns()[1].Left(), 120);
    columns()[0].SetMinWidth(30);
    move({5, 9});
    EXPECT_EQ(columns()[0].Width(), 30);
    release({5, 9});
    EXPECT_EQ(events, (std::vector<QString>{"before 0", "tracking 0", "tracking 0", "after 0"}));
    EXPECT_TRUE(header().States().empty());
    // A handler refusing the move keeps the width.
    tree.OnColumnWidthTracking = [](HeaderSender, TColumnIndex, TShiftState, QPoint &, QPoint, bool &allowed) {
        allowed = false;
    };
    press({30, 9});
    move({60, 9});
    release({60, 9});
    EXPECT_EQ(columns()[0].Width(), 30);
}

TEST_F(HeaderMouseTest, TheAutoSizeColumnsNeighbourTakesTheTrackedChange)
{
    header().SetAutoSizeIndex(0);
    header().SetOptions(header().Options() + TLTHeaderOption::hoAutoResize);
    const int first = columns()[0].Width();
    const int second = columns()[1].Width();
    press({first + 1, 9});
    move({first - 20, 9});
    release({first - 20, 9});
    EXPECT_EQ(columns()[1].Width(), second + 20);
}

TEST_F(HeaderMouseTest, HoverPressAndReleaseMakeAClickOfThePressedColumnOnly)
{
    header().SetOptions(header().Options() + TLTHeaderOption::hoHotTrack);
    std::vector<TLTHeaderHitInfo> clicks;
    tree.OnHeaderClick = [&](HeaderSender, const TLTHeaderHitInfo &hit) { clicks.push_back(hit); };
    move({120, 9});
    EXPECT_EQ(columns().FHoverIndex, 1);
    const QImage hot = tree.paintHeaderToImage();
    press({120, 9});
    EXPECT_EQ(columns().FDownIndex, 1);
    // The pressed look: its caption one pixel lower and further right.
    EXPECT_NE(tree.paintHeaderToImage(), hot);
    release({120, 9});
    ASSERT_EQ(clicks.size(), 1u);
    EXPECT_EQ(clicks[0].Column, 1);
    EXPECT_EQ(clicks[0].X, 120);
    EXPECT_EQ(clicks[0].Y, 9);
    EXPECT_EQ(clicks[0].HitPosition, TLTHeaderHitPositions{TLTHeaderHitPosition::hhiOnColumn});
    EXPECT_EQ(columns().FDownIndex, NoColumn);
    // Moving off the pressed column before the release clicks no column.
    columns()[0].SetOptions(columns()[0].Options() - TLTColumnOption::coDraggable);
    press({40, 9});
    move({120, 9});
    EXPECT_EQ(columns().FDownIndex, NoColumn);
    release({120, 9});
    ASSERT_EQ(clicks.size(), 2u);
    EXPECT_EQ(clicks[1].HitPosition, TLTHeaderHitPositions{TLTHeaderHitPosition::hhiNoWhere});
    EXPECT_EQ(columns().FClickIndex, NoColumn);
    // Leaving the header forgets the hover column.
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(strip, &leave);
    EXPECT_EQ(columns().FHoverIndex, NoColumn);
}

TEST_F(HeaderMouseTest, ClickingSortsByTheColumnAndClickingAgainTurnsTheDirection)
{
    header().SetOptions(header().Options() + TLTHeaderOption::hoHeaderClickAutoSort);
    columns()[1].SetDefaultSortDirection(TSortDirection::sdDescending);
    press({120, 9});
    release({120, 9});
    EXPECT_EQ(header().SortColumn(), 1);
    EXPECT_EQ(header().SortDirection(), TSortDirection::sdDescending);
    press({120, 9});
    release({120, 9});
    EXPECT_EQ(header().SortDirection(), TSortDirection::sdAscending);
}

TEST_F(HeaderMouseTest, AClickOnAColumnCheckBoxTogglesIt)
{
    header().SetOptions(header().Options() + TLTHeaderOption::hoShowImages);
    TLazyTreeColumn &column = columns()[1];
    column.SetCheckBox(true);
    tree.paintHeaderToImage(); // the check box's place is known once painted
    TLTHeaderHitInfo hit;
    tree.OnHeaderClick = [&](HeaderSender, const TLTHeaderHitInfo &info) { hit = info; };
    const QPoint box(80 + 2 + 4 - 2 + 8, 9);
    press(box);
    EXPECT_EQ(columns().FDownIndex, 1);
    release(box);
    EXPECT_TRUE(hit.HitPosition.containsAll({TLTHeaderHitPosition::hhiOnColumn, TLTHeaderHitPosition::hhiOnIcon,
                                             TLTHeaderHitPosition::hhiOnCheckbox}));
    EXPECT_EQ(column.CheckState(), TCheckState::csCheckedNormal);
    press(box);
    release(box);
    EXPECT_EQ(column.CheckState(), TCheckState::csUncheckedNormal);
    // Beside the box the click is on the column only.
    press({150, 9});
    release({150, 9});
    EXPECT_EQ(hit.HitPosition, TLTHeaderHitPositions{TLTHeaderHitPosition::hhiOnColumn});
    EXPECT_EQ(column.CheckState(), TCheckState::csUncheckedNormal);
}

TEST_F(HeaderMouseTest, AColumnDroppedBesideAnotherTakesItsPlaceBeforeOrAfterIt)
{
    // From column A (positions A B C): the drop point and the order after.
    const struct {
        int x;
        TColumnIndex target;
        bool before;
        std::vector<TColumnIndex> order;
    } cases[] = {
        {100, 1, true, {0, 1, 2}},  // before B: where it was
        {150, 1, false, {1, 0, 2}}, // after B
        {190, 2, true, {1, 0, 2}},  // before C
        {230, 2, false, {1, 2, 0}}, // after C
    };
    for (const auto &c : cases) {
        for (TColumnIndex i = 0; i < 3; ++i)
            columns()[i].SetPosition(TColumnPosition(i));
        std::vector<std::pair<TColumnIndex, int>> dragged;
        tree.OnHeaderDragged = [&](HeaderSender, TColumnIndex column, int old) { dragged.emplace_back(column, old); };
        drag({40, 9}, {c.x, 9}, false);
        EXPECT_TRUE(header().States().contains(THeaderState::hsDragging)) << c.x;
        EXPECT_EQ(tree.HeaderDragIndex(), 0) << c.x;
        EXPECT_EQ(tree.HeaderDropTarget(), c.target) << c.x;
        EXPECT_EQ(tree.HeaderDropBefore(), c.before) << c.x;
        ASSERT_NE(tree.HeaderDragImage(), nullptr);
        EXPECT_TRUE(tree.HeaderDragImage()->isVisible());
        release({c.x, 9});
        EXPECT_EQ(displayOrder(), c.order) << c.x;
        EXPECT_EQ(dragged, (std::vector<std::pair<TColumnIndex, int>>{{0, 0}})) << c.x;
        EXPECT_EQ(tree.HeaderDropTarget(), NoColumn);
        EXPECT_TRUE(header().States().empty());
    }
}

TEST_F(HeaderMouseTest, TheDropMarkShowsOnTheTargetColumnOnly)
{
    const QImage before = tree.paintHeaderToImage();
    drag({40, 9}, {150, 9}, false);
    const QImage marked = tree.paintHeaderToImage();
    // Image 1 (drop after) at B's right edge less 16; A and C unchanged.
    EXPECT_NE(marked.copy(180 - 16, 0, 16, 19), before.copy(180 - 16, 0, 16, 19));
    EXPECT_EQ(marked.copy(0, 0, 80, 19), before.copy(0, 0, 80, 19));
    EXPECT_EQ(marked.copy(180, 0, 60, 19), before.copy(180, 0, 60, 19));
    // Over the dragged column itself no mark shows.
    move({20, 9});
    EXPECT_EQ(tree.HeaderDropTarget(), 0);
    EXPECT_EQ(tree.paintHeaderToImage().copy(80, 0, 160, 19), before.copy(80, 0, 160, 19));
    release({20, 9});
}

TEST_F(HeaderMouseTest, AMoveWithinTheDragThresholdIsNoDragAndTheReleaseClicks)
{
    int clicks = 0;
    tree.OnHeaderClick = [&](HeaderSender, const TLTHeaderHitInfo &) { ++clicks; };
    press({40, 9});
    EXPECT_TRUE(header().States().contains(THeaderState::hsDragPending));
    move({40 + QApplication::startDragDistance(), 9});
    EXPECT_FALSE(header().States().contains(THeaderState::hsDragging));
    release({40 + QApplication::startDragDistance(), 9});
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(displayOrder(), (std::vector<TColumnIndex>{0, 1, 2}));
    // A handler refusing the drag keeps it from starting.
    tree.OnHeaderDragging = [](HeaderSender, TColumnIndex, bool &allowed) { allowed = false; };
    drag({40, 9}, {150, 9});
    EXPECT_EQ(displayOrder(), (std::vector<TColumnIndex>{0, 1, 2}));
}

TEST_F(HeaderMouseTest, ADropThatMovesNothingIsReportedAsDraggedOut)
{
    std::vector<std::pair<TColumnIndex, QPoint>> out;
    int draggedEvents = 0;
    tree.OnHeaderDraggedOut = [&](HeaderSender, TColumnIndex column, QPoint at) { out.emplace_back(column, at); };
    tree.OnHeaderDragged = [&](HeaderSender, TColumnIndex, int) { ++draggedEvents; };
    // Onto itself.
    drag({40, 9}, {20, 9});
    // Outside the tree's window, after passing over another column.
    drag({40, 9}, {150, 9}, false);
    const QPoint outside(150, 400);
    move(outside);
    release(outside);
    ASSERT_EQ(out.size(), 2u);
    EXPECT_EQ(out[0].first, 0);
    EXPECT_EQ(out[0].second, strip->mapToGlobal(QPoint(20, 9)));
    EXPECT_EQ(out[1].second, strip->mapToGlobal(outside));
    EXPECT_EQ(draggedEvents, 0);
    EXPECT_EQ(displayOrder(), (std::vector<TColumnIndex>{0, 1, 2}));
}

TEST_F(HeaderMouseTest, EscapeCancelsAColumnDragAndAWidthTracking)
{
    int draggedEvents = 0;
    tree.OnHeaderDragged = [&](HeaderSender, TColumnIndex, int) { ++draggedEvents; };
    tree.OnHeaderDraggedOut = [&](HeaderSender, TColumnIndex, QPoint) { ++draggedEvents; };
    drag({40, 9}, {150, 9}, false);
    ASSERT_TRUE(header().States().contains(THeaderState::hsDragging));
    // Escape goes to the tree, which holds the focus.
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&tree, &escape);
    EXPECT_TRUE(escape.isAccepted());
    EXPECT_TRUE(header().States().empty());
    EXPECT_EQ(tree.HeaderDropTarget(), NoColumn);
    EXPECT_TRUE(!tree.HeaderDragImage() || !tree.HeaderDragImage()->isVisible());
    release({150, 9});
    EXPECT_EQ(draggedEvents, 0);
    EXPECT_EQ(displayOrder(), (std::vector<TColumnIndex>{0, 1, 2}));

    int after = 0;
    tree.OnAfterColumnWidthTracking = [&](HeaderSender, TColumnIndex) { ++after; };
    press({82, 9});
    move({120, 9});
    QApplication::sendEvent(&tree, &escape);
    EXPECT_EQ(after, 1);
    EXPECT_TRUE(header().States().empty());
    move({150, 9});
    EXPECT_EQ(columns()[0].Width(), 120) << "no longer tracked";
    release({150, 9});
    // Without a header state Escape is the tree's own.
    QKeyEvent again(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    again.ignore();
    EXPECT_FALSE(tree.HandleHeaderEvent(&again));
}

TEST_F(HeaderMouseTest, ADoubleClickOnASplitterFitsTheColumnToItsContent)
{
    tree.texts = {QStringLiteral("a"), QStringLiteral("a rather long text of a node"), QStringLiteral("b")};
    header().SetOptions(header().Options() + TLTHeaderOption::hoDblClickResize);
    const int widest = tree.GetMaxColumnWidth(0);
    EXPECT_GT(widest, 120);
    std::vector<TColumnIndex> fitted;
    tree.OnAfterAutoFitColumn = [&](HeaderSender, TColumnIndex column) { fitted.push_back(column); };
    doubleClick({81, 9});
    EXPECT_EQ(columns()[0].Width(), widest);
    EXPECT_EQ(fitted, std::vector<TColumnIndex>{0});
    // A handler may keep the width.
    tree.OnColumnWidthDblClickResize = [](HeaderSender, TColumnIndex, TShiftState, QPoint, bool &allowed) {
        allowed = false;
    };
    const int second = columns()[1].Width();
    doubleClick({widest + 100, 9});
    EXPECT_EQ(columns()[1].Width(), second);
}

TEST_F(HeaderMouseTest, TheLowerEdgeResizesTheHeaderAndADoubleClickRestoresItsDefault)
{
    header().SetOptions(header().Options() + TLTHeaderOption::hoHeightResize + TLTHeaderOption::hoHeightDblClickResize);
    press({120, 18});
    EXPECT_TRUE(header().States().contains(THeaderState::hsHeightTrackPending));
    move({120, 18 + 10});
    EXPECT_EQ(header().Height(), 19 + 10 - 1);
    release({120, 18 + 10});
    EXPECT_EQ(tree.viewport()->geometry().top(), tree.contentsRect().top() + 28);
    doubleClick({120, 27});
    EXPECT_EQ(header().Height(), 19);
}

TEST_F(HeaderMouseTest, ARightClickShowsTheColumnMenuAndThenTheHeadersOwnMenu)
{
    header().SetOptions(header().Options() + TLTHeaderOption::hoAutoColumnPopupMenu + TLTHeaderOption::hoDblClickResize);
    QMenu own;
    own.addAction(QStringLiteral("Own entry"));
    tree.SetHeaderPopupMenu(&own);
    std::vector<TLTHeaderHitInfo> clicks;
    tree.OnHeaderClick = [&](HeaderSender, const TLTHeaderHitInfo &hit) { clicks.push_back(hit); };
    press({120, 9}, Qt::RightButton);
    release({120, 9}, Qt::RightButton);
    auto *columnMenu = dynamic_cast<TLTHeaderPopupMenu *>(tree.AutoColumnPopupMenu());
    ASSERT_NE(columnMenu, nullptr);
    EXPECT_EQ(columnMenu->PopupComponent(), &tree);
    // The fit entry (the tree has nodes), a separator and the three columns.
    ASSERT_EQ(columnMenu->actions().size(), 5);
    EXPECT_EQ(columnMenu->actions()[0]->objectName(), TLTHeaderPopupMenu::ResizeToFitItemName);
    EXPECT_TRUE(columnMenu->isVisible());
    EXPECT_FALSE(own.isVisible()) << "the header's own menu waits for the column menu";
    ASSERT_EQ(clicks.size(), 1u);
    EXPECT_EQ(clicks[0].Button, TMouseButton::mbRight);
    EXPECT_EQ(clicks[0].Column, 1);
    // Hiding a column through the automatic menu reports its visibility.
    std::vector<std::pair<TColumnIndex, bool>> changes;
    tree.OnColumnVisibilityChanged = [&](TreeSender, TColumnIndex column, bool visible) {
        changes.emplace_back(column, visible);
    };
    columnMenu->actions()[3]->trigger();
    EXPECT_FALSE(columns()[1].Options().contains(TLTColumnOption::coVisible));
    EXPECT_EQ(changes, (std::vector<std::pair<TColumnIndex, bool>>{{1, false}}));
    columnMenu->close();
    QCoreApplication::processEvents();
    EXPECT_TRUE(own.isVisible());
    own.close();
}

TEST_F(HeaderMouseTest, MouseEventsGetHeaderRelativePoints)
{
    QStringList seen;
    tree.OnHeaderMouseDown = [&](HeaderSender, TMouseButton button, TShiftState, int x, int y) {
        seen << QStringLiteral("down %1 %2,%3").arg(int(button)).arg(x).arg(y);
    };
    tree.OnHeaderMouseMove = [&](HeaderSender, TShiftState, int x, int y) { seen << QStringLiteral("move %1,%2").arg(x).arg(y); };
    tree.OnHeaderMouseUp = [&](HeaderSender, TMouseButton button, TShiftState, int x, int y) {
        seen << QStringLiteral("up %1 %2,%3").arg(int(button)).arg(x).arg(y);
    };
    move({30, 5});
    press({30, 5});
    release({30, 5});
    press({150, 7}, Qt::MiddleButton);
    release({150, 7}, Qt::MiddleButton);
    EXPECT_EQ(seen, (QStringList{"move 30,5", "down 0 30,5", "up 0 30,5", "down 2 150,7", "up 2 150,7"}));
}

TEST_F(HeaderMouseTest, TheCursorShowsTheSplitterUnderTheMouse)
{
    header().SetOptions(header().Options() + TLTHeaderOption::hoHeightResize);
    const struct {
        QPoint at;
        Qt::CursorShape shape;
        bool column;
    } cases[] = {{{40, 9}, Qt::ArrowCursor, false}, {{82, 9}, Qt::BitmapCursor, true}, {{40, 18}, Qt::BitmapCursor, false}};
    for (const auto &c : cases) {
        move(c.at);
        EXPECT_EQ(strip->cursor().shape(), c.shape) << c.at.x() << "," << c.at.y();
        if (c.shape == Qt::BitmapCursor) {
            const QCursor &expected = c.column ? HeaderSplitCursor() : VertSplitCursor();
            EXPECT_EQ(strip->cursor().hotSpot(), expected.hotSpot());
            EXPECT_EQ(strip->cursor().pixmap().toImage(), expected.pixmap().toImage());
        }
    }
    // The application may keep the default cursor.
    tree.OnGetHeaderCursor = [](HeaderSender, TCursor &cursor) { cursor = 0; };
    move({82, 9});
    EXPECT_EQ(strip->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(HeaderMouseTest, LosingTheFocusEndsAWidthTracking)
{
    int after = 0;
    tree.OnAfterColumnWidthTracking = [&](HeaderSender, TColumnIndex) { ++after; };
    press({82, 9});
    move({100, 9});
    QFocusEvent lost(QEvent::FocusOut);
    QApplication::sendEvent(&tree, &lost);
    EXPECT_EQ(after, 1);
    EXPECT_TRUE(header().States().empty());
    release({100, 9});
    EXPECT_EQ(after, 1);
}

TEST_F(HeaderMouseTest, WithoutItsOwnMenuTheHeaderAsksTheApplicationForOne)
{
    QMenu given;
    given.addAction(QStringLiteral("Given"));
    std::vector<std::pair<PLazyNode, TColumnIndex>> asked;
    tree.OnGetPopupMenu = [&](TreeSender, PLazyNode node, TColumnIndex column, QPoint, bool &, QMenu *&menu) {
        asked.emplace_back(node, column);
        menu = &given;
    };
    press({200, 9}, Qt::RightButton);
    release({200, 9}, Qt::RightButton);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].first, nullptr);
    EXPECT_EQ(asked[0].second, 2);
    EXPECT_TRUE(given.isVisible());
    given.close();
}

TEST_F(HeaderMouseTest, FittingHasNothingToDoOutsideTheColumnsOrWithoutRows)
{
    tree.AutoFitColumns(false, TSmartAutoFitType::smaUseColumnOption, 5);
    EXPECT_EQ(columns()[0].Width(), 80);
    tree.Clear();
    int before = 0;
    tree.OnBeforeGetMaxColumnWidth = [&](HeaderSender, TColumnIndex, bool &) { ++before; };
    EXPECT_EQ(tree.GetMaxColumnWidth(1), 0);
    tree.TreeOptions().SetPaintOptions(tree.TreeOptions().PaintOptions() + TLTPaintOption::toShowVertGridLines);
    EXPECT_EQ(tree.GetMaxColumnWidth(1), 1);
    EXPECT_EQ(before, 2);
}

} // namespace
} // namespace vtreetest
