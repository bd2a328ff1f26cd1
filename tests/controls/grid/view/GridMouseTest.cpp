// Clicks, double clicks, right clicks and the wheel on the string grid,
// sent as real mouse events; links reach the desktop only as web or mail
// addresses.
#include "MouseEvents.h"

#include "controls/grid/model/ExCGrid.h"
#include "controls/grid/model/ExGrid.h"
#include "controls/grid/view/AnchorTarget.h"
#include "controls/grid/view/GridAppearance.h"
#include "platform/ui/ShellOpen.h"
#include "support/ManualNumberedTimers.h"

#include <QPaintEvent>
#include <QRegion>
#include <gtest/gtest.h>

#include <vector>

namespace {

using controls::TExStringGrid;
using viewtest::centre;

// A grid that remembers what it was asked to repaint.
class RecordingGrid : public TExStringGrid {
public:
    QRegion painted;
    // The wheel as a notification from a child.
    using TExStringGrid::GridWheelDown;
    using TExStringGrid::GridWheelUp;

protected:
    void paintEvent(QPaintEvent *event) override
    {
        painted += event->region();
        TExStringGrid::paintEvent(event);
    }
};

struct Click {
    int row;
    int col;
    friend bool operator==(const Click &, const Click &) = default;
};

struct GridMouseTest : testing::Test {
    RecordingGrid grid;
    std::vector<Click> clicks;
    std::vector<Click> dblClicks;
    std::vector<QString> order;

    void SetUp() override
    {
        grid.setScrollBars(controls::ssNone);
        grid.setColCount(4);
        grid.setRowCount(8);
        grid.resize(300, 250);
        for (int r = 0; r < grid.RowCount(); ++r)
            for (int c = 0; c < grid.ColCount(); ++c)
                grid.setCells(c, r, QStringLiteral("%1:%2").arg(c).arg(r));
        grid.OnClickCell = [this](TExStringGrid *, int ARow, int ACol) { clicks.push_back({ARow, ACol}); };
        grid.OnDblClickCell = [this](TExStringGrid *, int ARow, int ACol) {
            dblClicks.push_back({ARow, ACol});
            order.push_back(QStringLiteral("DblClickCell"));
        };
        grid.OnDblClick = [this](QObject *) { order.push_back(QStringLiteral("DblClick")); };
    }
    QPoint at(int col, int row) const { return centre(grid.CellRect(col, row)); }
    // Shows the grid and lets every pending paint happen.
    void settle()
    {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
};

TEST_F(GridMouseTest, PressOnARowSelectCellMovesTheRowRepaintsTwoRowsAndFiresOnClickCellOnce)
{
    grid.setOptions(grid.Options() | controls::goRowSelect);
    grid.show();
    settle();
    grid.painted = QRegion();

    viewtest::click(grid, at(2, 5));
    settle();

    EXPECT_EQ(grid.Row(), 5);
    EXPECT_EQ(clicks, (std::vector<Click>{{5, 2}}));
    // Only the rows left and entered are painted again.
    const QRect oldRow(0, grid.CellRect(1, 1).Top, grid.width(), grid.RowHeights(1));
    const QRect newRow(0, grid.CellRect(1, 5).Top, grid.width(), grid.RowHeights(5));
    EXPECT_FALSE(grid.painted.isEmpty());
    EXPECT_TRUE((grid.painted - QRegion(oldRow) - QRegion(newRow)).isEmpty()) << grid.painted.boundingRect().top();
}

TEST_F(GridMouseTest, PressOnAHeaderFiresWithoutSelecting)
{
    viewtest::click(grid, at(2, 0));
    EXPECT_EQ(clicks, (std::vector<Click>{{0, 2}}));
    EXPECT_EQ(grid.Row(), 1);
    EXPECT_EQ(grid.Col(), 1);
}

TEST_F(GridMouseTest, DoubleClickFiresOnDblClickThenOnDblClickCell)
{
    viewtest::doubleClick(grid, at(3, 4));
    EXPECT_EQ(order, (std::vector<QString>{QStringLiteral("DblClick"), QStringLiteral("DblClickCell")}));
    EXPECT_EQ(dblClicks, (std::vector<Click>{{4, 3}}));
    // The first press of the pair selected the cell; the second is no new click.
    EXPECT_EQ(clicks, (std::vector<Click>{{4, 3}}));
}

TEST_F(GridMouseTest, RefusedOnCanClickCellChangesNothing)
{
    int mouseDowns = 0;
    grid.OnMouseDown = [&](TExStringGrid *, platform::TMouseButton, platform::TShiftState, int, int) { ++mouseDowns; };
    grid.OnCanClickCell = [](TExStringGrid *, int ARow, int, bool &Allow) { Allow = ARow != 6; };
    viewtest::click(grid, at(2, 6));
    EXPECT_EQ(grid.Row(), 1);
    EXPECT_EQ(grid.Col(), 1);
    EXPECT_TRUE(clicks.empty());
    EXPECT_EQ(mouseDowns, 0);
    viewtest::click(grid, at(2, 5));
    EXPECT_EQ(grid.Row(), 5);
    EXPECT_EQ(mouseDowns, 1);
}

TEST_F(GridMouseTest, CheckBoxTogglesOnEveryPressInsideIt)
{
    grid.setOptions(grid.Options() | controls::goEditing);
    grid.AddCheckBox(2, 3, false, false);
    std::vector<bool> mouseUps;
    grid.OnCheckBoxMouseUp = [&](TExStringGrid *, int, int, bool State) { mouseUps.push_back(State); };
    const platform::TRect r = grid.CellRect(2, 3);
    const QPoint box(r.Left + 4, r.Top + 4);
    bool state = true;
    viewtest::click(grid, box);
    ASSERT_TRUE(grid.GetCheckBoxState(2, 3, state));
    EXPECT_TRUE(state);
    viewtest::click(grid, box);
    ASSERT_TRUE(grid.GetCheckBoxState(2, 3, state));
    EXPECT_FALSE(state);
    EXPECT_EQ(mouseUps, (std::vector<bool>{true, false}));
}

TEST_F(GridMouseTest, ReadOnlyCheckBoxStaysUnlessCheckAlwaysActive)
{
    grid.AddCheckBox(2, 3, false, false);
    const platform::TRect r = grid.CellRect(2, 3);
    bool state = true;
    viewtest::click(grid, QPoint(r.Left + 4, r.Top + 4));
    ASSERT_TRUE(grid.GetCheckBoxState(2, 3, state));
    EXPECT_FALSE(state) << "no goEditing: the box is read-only";
    grid.ControlLook().CheckAlwaysActive = true;
    viewtest::click(grid, QPoint(r.Left + 4, r.Top + 4));
    ASSERT_TRUE(grid.GetCheckBoxState(2, 3, state));
    EXPECT_TRUE(state);
}

TEST_F(GridMouseTest, RightClickSelectsOnlyWithSelectOnRightClickAndAlwaysFires)
{
    std::vector<Click> rightClicks;
    grid.OnRightClickCell = [&](TExStringGrid *, int ARow, int ACol) { rightClicks.push_back({ARow, ACol}); };
    viewtest::click(grid, at(2, 4), Qt::RightButton);
    EXPECT_EQ(grid.Row(), 1);
    grid.MouseActions().SelectOnRightClick = true;
    viewtest::click(grid, at(2, 4), Qt::RightButton);
    EXPECT_EQ(grid.Row(), 4);
    EXPECT_EQ(grid.Col(), 2);
    viewtest::click(grid, QPoint(grid.width() - 2, grid.height() - 2), Qt::RightButton);
    EXPECT_EQ(rightClicks, (std::vector<Click>{{4, 2}, {4, 2}, {-1, -1}}));
}

TEST_F(GridMouseTest, HeaderMoveGivesColumnModeExceptNearASizingBorder)
{
    grid.MouseActions().ColSelect = true;
    grid.setOptions(grid.Options() | controls::goColSizing);
    const platform::TRect r = grid.CellRect(2, 0);
    viewtest::moveTo(grid, centre(r));
    EXPECT_EQ(grid.MouseSelectMode(), TExStringGrid::msColumn);
    viewtest::moveTo(grid, QPoint(r.Right - 2, (r.Top + r.Bottom) / 2));
    EXPECT_EQ(grid.MouseSelectMode(), TExStringGrid::msNormal);
    viewtest::moveTo(grid, centre(r));
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&grid, &leave);
    EXPECT_EQ(grid.MouseSelectMode(), TExStringGrid::msNormal);
}

TEST_F(GridMouseTest, RowModeOnTheFixedColumnButNotOnAFloatingFooterRow)
{
    grid.MouseActions().RowSelect = true;
    grid.FooterRowShown = true;
    viewtest::moveTo(grid, at(0, 3));
    EXPECT_EQ(grid.MouseSelectMode(), TExStringGrid::msRow);
    viewtest::moveTo(grid, at(0, grid.RowCount() - 1));
    EXPECT_EQ(grid.MouseSelectMode(), TExStringGrid::msNormal);
    // A press in row mode selects the whole row.
    viewtest::moveTo(grid, at(0, 4));
    viewtest::click(grid, at(0, 4));
    const controls::TGridRect sel = grid.Selection();
    EXPECT_EQ(sel.Top, 4);
    EXPECT_EQ(sel.Bottom, 4);
    EXPECT_EQ(sel.Left, grid.FixedCols());
    EXPECT_EQ(sel.Right, grid.ColCount() - 1);
}

// --- wheel ---------------------------------------------------------------------------------------

TEST_F(GridMouseTest, WheelMoveSelectionNeverReachesTheFooterRows)
{
    grid.setFixedFooters(2);
    grid.setWheelScrollLines(3);
    for (int notch = 0; notch < 4; ++notch)
        viewtest::wheel(grid, at(1, 2), true);
    EXPECT_EQ(grid.Row(), grid.RowCount() - 3);
    viewtest::wheel(grid, at(1, 2), false);
    EXPECT_EQ(grid.Row(), grid.RowCount() - 6);
}

TEST_F(GridMouseTest, WheelOffDoesNothingAtAll)
{
    grid.EnableWheel = false;
    grid.MouseActions().WheelIncrement = 1;
    int wheelEvents = 0;
    grid.OnMouseWheelDown = [&](TExStringGrid *, platform::TShiftState, QPoint, bool &) { ++wheelEvents; };
    const int top = grid.TopRow();
    viewtest::wheel(grid, at(1, 2), true);
    EXPECT_EQ(grid.Row(), 1);
    EXPECT_EQ(grid.TopRow(), top);
    EXPECT_EQ(wheelEvents, 0);
}

TEST_F(GridMouseTest, WheelIncrementStepsAndTellsTheOwner)
{
    grid.MouseActions().WheelIncrement = 2;
    int wheelEvents = 0;
    grid.OnMouseWheelDown = [&](TExStringGrid *, platform::TShiftState, QPoint, bool &) { ++wheelEvents; };
    viewtest::wheel(grid, at(1, 2), true);
    EXPECT_EQ(grid.Row(), 3);
    EXPECT_EQ(wheelEvents, 1);
}

TEST_F(GridMouseTest, WheelScrollMovesTheViewNotTheCell)
{
    grid.setRowCount(40);
    grid.MouseActions().setWheelAction(controls::TWheelAction::waScroll);
    grid.setWheelScrollLines(3);
    viewtest::wheel(grid, at(1, 2), true);
    EXPECT_EQ(grid.TopRow(), 4);
    EXPECT_EQ(grid.Row(), 1);
    viewtest::wheel(grid, at(1, 2), false);
    EXPECT_EQ(grid.TopRow(), 1);
}

// The parent hears the wheel first and may keep it.
class WheelKeeper : public QObject {
public:
    int seen = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::Wheel)
            return false;
        ++seen;
        return true;
    }
};

TEST_F(GridMouseTest, ParentFilterTakesTheWheelBeforeTheGrid)
{
    WheelKeeper keeper;
    grid.installEventFilter(&keeper);
    viewtest::wheel(grid, at(1, 2), true);
    EXPECT_EQ(keeper.seen, 1);
    EXPECT_EQ(grid.Row(), 1);
}

TEST_F(GridMouseTest, WheelNotificationWithScrollActionOnlyAsksTheOwner)
{
    grid.MouseActions().setWheelAction(controls::TWheelAction::waScroll);
    grid.OnMouseWheelUp = [](TExStringGrid *, platform::TShiftState, QPoint, bool &Handled) { Handled = true; };
    EXPECT_TRUE(grid.GridWheelUp({}, QPoint()));
    EXPECT_FALSE(grid.GridWheelDown({}, QPoint()));
    EXPECT_EQ(grid.Row(), 1);
}

// --- the grid's timer -----------------------------------------------------------------------------

class TickingGrid : public TExStringGrid {
public:
    std::vector<int> ticks;

protected:
    void GridTimer(int id) override { ticks.push_back(id); }
};

TEST(GridTimer, Timer111RunsEvery500msFromTheFirstShow)
{
    TickingGrid grid;
    auto timers = std::make_unique<testsupport::ManualNumberedTimers>();
    testsupport::ManualNumberedTimers &clock = *timers;
    grid.setGridTimers(std::move(timers));
    EXPECT_FALSE(clock.isTimerSet(TExStringGrid::GridTimerID)) << "no window yet";
    grid.show();
    ASSERT_TRUE(clock.isTimerSet(TExStringGrid::GridTimerID));
    EXPECT_EQ(clock.interval(TExStringGrid::GridTimerID), std::chrono::milliseconds(500));
    clock.advance(std::chrono::milliseconds(1600));
    EXPECT_EQ(grid.ticks, (std::vector<int>{111, 111, 111}));
    grid.hide();
    grid.show();
    clock.advance(std::chrono::milliseconds(500));
    EXPECT_EQ(grid.ticks.size(), 4u) << "showing again starts no second timer";
}

// --- links ---------------------------------------------------------------------------------------

TEST(AnchorTarget, OnlyWebAndMailAddressesReachTheShell)
{
    struct Case {
        const char *anchor;
        const char *target; // nullptr: not opened
    };
    const Case cases[] = {
        {"http://example.org/a", "http://example.org/a"},
        {"HTTPS://Example.org", "HTTPS://Example.org"},
        {"MailTo:someone@example.org", "MailTo:someone@example.org"},
        {"www.example.org", "http://www.example.org"},
        {"  https://example.org  ", "https://example.org"},
        {"file:///etc/passwd", nullptr},
        {"javascript:alert(1)", nullptr},
        {"/usr/bin/xterm", nullptr},
        {"see http://example.org", nullptr},
        {"ftp://example.org", nullptr},
        {"CELL://R1C1", nullptr},
        {"xCELL://R1C1", nullptr},
        {"http://", nullptr},
        {"", nullptr},
    };
    for (const Case &c : cases) {
        const std::optional<QString> target = controls::AnchorShellTarget(QString::fromUtf8(c.anchor));
        if (c.target)
            EXPECT_EQ(target, QString::fromUtf8(c.target)) << c.anchor;
        else
            EXPECT_FALSE(target.has_value()) << c.anchor;
    }
    EXPECT_EQ(controls::AnchorCellReference(QStringLiteral("cell://r3c2")), QStringLiteral("r3c2"));
    EXPECT_FALSE(controls::AnchorCellReference(QStringLiteral("see CELL://R3C2")).has_value());
}

struct GridLinkTest : GridMouseTest {
    std::vector<QString> opened;
    std::vector<QString> anchorClicks;
    platform::ShellOpenHook previous;
    void SetUp() override
    {
        GridMouseTest::SetUp();
        grid.setColWidths(2, 200);
        previous = platform::setShellOpenHook([this](const QString &a) { opened.push_back(a); });
        grid.OnAnchorClick = [this](TExStringGrid *, int, int, const QString &Anchor, bool &) {
            anchorClicks.push_back(Anchor);
        };
    }
    void TearDown() override { platform::setShellOpenHook(std::move(previous)); }
    // The first pixels of the cell's text, where an anchor starting it lies.
    QPoint textStart(int col, int row) const
    {
        const platform::TRect r = grid.CellRect(col, row);
        return {r.Left + 8, r.Top + 8};
    }
};

TEST_F(GridLinkTest, HtmlAnchorsOpenOnlyWebAndMail)
{
    const struct {
        const char *href;
        const char *opened;
    } cases[] = {
        {"http://example.org", "http://example.org"},
        {"mailto:a@example.org", "mailto:a@example.org"},
        {"www.example.org", "http://www.example.org"},
        {"file:///etc/passwd", nullptr},
        {"notepad.exe", nullptr},
    };
    for (const auto &c : cases) {
        opened.clear();
        anchorClicks.clear();
        grid.setCells(2, 3, QStringLiteral("<A HREF=\"%1\">link link link</A>").arg(QString::fromUtf8(c.href)));
        viewtest::click(grid, textStart(2, 3));
        EXPECT_EQ(anchorClicks, (std::vector<QString>{QString::fromUtf8(c.href)})) << c.href;
        if (c.opened)
            EXPECT_EQ(opened, (std::vector<QString>{QString::fromUtf8(c.opened)})) << c.href;
        else
            EXPECT_TRUE(opened.empty()) << c.href;
    }
}

TEST_F(GridLinkTest, PlainUrlTextWithUrlShowOpensOnlyWhenItIsAnAddress)
{
    grid.Appearance().URLShow = true;
    grid.setCells(2, 3, QStringLiteral("https://example.org/x"));
    viewtest::click(grid, textStart(2, 3));
    EXPECT_EQ(opened, (std::vector<QString>{QStringLiteral("https://example.org/x")}));
    opened.clear();
    grid.setCells(2, 4, QStringLiteral("smb://server/share"));
    viewtest::click(grid, textStart(2, 4));
    EXPECT_TRUE(opened.empty());
    EXPECT_EQ(anchorClicks.back(), QStringLiteral("smb://server/share"));
    opened.clear();
    grid.Appearance().URLShow = false;
    viewtest::click(grid, textStart(2, 3));
    EXPECT_TRUE(opened.empty());
}

TEST_F(GridLinkTest, CellAnchorJumpsUnlessTheOwnerTakesIt)
{
    grid.setCells(2, 3, QStringLiteral("<A HREF=\"cell://R6C3\">go to the cell</A>"));
    viewtest::click(grid, textStart(2, 3));
    EXPECT_EQ(grid.Row(), 6);
    EXPECT_EQ(grid.Col(), 3);
    EXPECT_TRUE(opened.empty());

    grid.FocusCell(1, 1);
    grid.OnAnchorClick = [](TExStringGrid *, int, int, const QString &, bool &AutoHandle) { AutoHandle = false; };
    viewtest::click(grid, textStart(2, 3));
    EXPECT_EQ(grid.Row(), 1);
    grid.setCells(2, 4, QStringLiteral("<A HREF=\"http://example.org\">web</A>"));
    viewtest::click(grid, textStart(2, 4));
    EXPECT_TRUE(opened.empty());
}

// --- the column grid's click side ----------------------------------------------------------------

struct ColumnGridClickTest : testing::Test {
    controls::TExColumnGrid grid;
    void SetUp() override
    {
        grid.setScrollBars(controls::ssNone);
        grid.resize(400, 200);
        grid.setOptions(grid.Options() | controls::goEditing);
        grid.Columns().Items(2)->ReadOnly = true;
        grid.Columns().Items(3)->Fixed = true;
    }
    QPoint at(int col, int row) const { return centre(grid.CellRect(col, row)); }
    bool editsAfterDoubleClick(int col, int row)
    {
        grid.HideEditor(true);
        viewtest::doubleClick(grid, at(col, row));
        return grid.EditorMode();
    }
};

TEST_F(ColumnGridClickTest, DoubleClickEditsOnlyEditableColumns)
{
    EXPECT_TRUE(editsAfterDoubleClick(1, 2));
    EXPECT_FALSE(editsAfterDoubleClick(2, 2)) << "ReadOnly column";
    EXPECT_FALSE(editsAfterDoubleClick(3, 2)) << "Fixed column";
    EXPECT_FALSE(editsAfterDoubleClick(0, 2)) << "fixed column";
    EXPECT_FALSE(editsAfterDoubleClick(1, 0)) << "fixed row";
}

TEST_F(ColumnGridClickTest, SecondPressOnTheCurrentCellEditsIt)
{
    viewtest::click(grid, at(1, 3));
    EXPECT_FALSE(grid.EditorMode());
    viewtest::click(grid, at(1, 3));
    EXPECT_TRUE(grid.EditorMode());
    grid.HideEditor(true);
    viewtest::click(grid, at(2, 3));
    viewtest::click(grid, at(2, 3));
    EXPECT_FALSE(grid.EditorMode()) << "ReadOnly column";
}

TEST_F(ColumnGridClickTest, NothingEditsWhileLoadingUnlessOnCanEditCellAllows)
{
    grid.BeginLoading();
    EXPECT_FALSE(editsAfterDoubleClick(1, 2));
    grid.OnCanEditCell = [](controls::TExStringGrid *, int, int ACol, bool &CanEdit) { CanEdit = CanEdit || ACol == 2; };
    EXPECT_TRUE(editsAfterDoubleClick(2, 2)) << "the handler allows the ReadOnly column even while loading";
    grid.EndLoading();
    EXPECT_TRUE(editsAfterDoubleClick(2, 3));
}

} // namespace
