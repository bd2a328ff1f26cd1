// The string grid's scroll bar looks (the window's bars and the thin Metro
// bars), thumbs sized by pixels, scroll hints and scrolling along with the
// thumb, drag scrolling near the edges, wheel-button panning and zoom,
// driven by real mouse, wheel, key and drag events.
#include "MouseEvents.h"

#include "controls/grid/model/ExGrid.h"
#include "controls/grid/view/MetroScrollBars.h"

#include <QApplication>
#include <QCursor>
#include <QMimeData>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <memory>

namespace {

using namespace controls;
using viewtest::sendMouse;

// The grid's own window bars (not the cell's).
QScrollBar *bar(TExStringGrid &g, Qt::Orientation o)
{
    for (QScrollBar *b : g.findChildren<QScrollBar *>(QString(), Qt::FindDirectChildrenOnly))
        if (b->orientation() == o)
            return b;
    return nullptr;
}

// The share of the track the thumb takes, as Qt sizes it.
double thumbShare(const QScrollBar &b)
{
    return double(b.pageStep()) / double(b.maximum() - b.minimum() + b.pageStep());
}

QRect thumbRect(QScrollBar &b)
{
    QStyleOptionSlider opt;
    opt.initFrom(&b);
    opt.subControls = QStyle::SC_All;
    opt.orientation = b.orientation();
    opt.minimum = b.minimum();
    opt.maximum = b.maximum();
    opt.sliderPosition = b.sliderPosition();
    opt.sliderValue = b.value();
    opt.singleStep = b.singleStep();
    opt.pageStep = b.pageStep();
    if (b.orientation() == Qt::Horizontal)
        opt.state |= QStyle::State_Horizontal;
    return b.style()->subControlRect(QStyle::CC_ScrollBar, &opt, QStyle::SC_ScrollBarSlider, &b);
}

// Presses the thumb and drags it by d pixels along its bar, the button held.
void dragThumb(QScrollBar &b, int d)
{
    const QPoint from = thumbRect(b).center();
    const QPoint to = from + (b.orientation() == Qt::Vertical ? QPoint(0, d) : QPoint(d, 0));
    sendMouse(b, QEvent::MouseButtonPress, Qt::LeftButton, from);
    QMouseEvent move(QEvent::MouseMove, QPointF(to), b.mapToGlobal(QPointF(to)), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(&b, &move);
}

void releaseThumb(QScrollBar &b)
{
    sendMouse(b, QEvent::MouseButtonRelease, Qt::LeftButton, thumbRect(b).center());
}

struct GridScrollingTest : testing::Test {
    TExStringGrid grid;
    void SetUp() override
    {
        grid.setColCount(30);
        grid.setRowCount(200);
        grid.resize(400, 300);
        grid.show();
        QApplication::processEvents();
    }
};

// --- bar looks ---------------------------------------------------------------------------------

TEST_F(GridScrollingTest, MetroTakesTheWindowBarsAndLeavingItGivesBothBack)
{
    grid.setScrollBars(ssVertical);
    grid.setScrollType(ssMetro);
    EXPECT_EQ(grid.ScrollBars(), ssNone);
    ASSERT_NE(grid.VertScrollControl(), nullptr);
    ASSERT_NE(grid.HorzScrollControl(), nullptr);
    EXPECT_EQ(grid.VertScrollControl()->width(), 6);
    EXPECT_EQ(grid.VertScrollControl()->geometry().right(), grid.width() - 1);
    EXPECT_EQ(grid.HorzScrollControl()->height(), 6);
    EXPECT_EQ(grid.HorzScrollControl()->geometry().bottom(), grid.height() - 1);
    EXPECT_FALSE(bar(grid, Qt::Vertical)->isVisible());

    grid.setScrollType(ssNormal);
    EXPECT_EQ(grid.ScrollBars(), ssBoth);
    EXPECT_EQ(grid.VertScrollControl(), nullptr);
    EXPECT_EQ(grid.findChildren<TScrollControl *>().size(), 0);
    EXPECT_TRUE(bar(grid, Qt::Vertical)->isVisible());
}

TEST_F(GridScrollingTest, FlatAndEncartaKeepTheWindowBars)
{
    for (const TScrollType type : {ssFlat, ssEncarta}) {
        grid.setScrollType(type);
        EXPECT_EQ(grid.ScrollType(), type);
        EXPECT_EQ(grid.ScrollBars(), ssBoth);
        EXPECT_EQ(grid.VertScrollControl(), nullptr);
        EXPECT_TRUE(bar(grid, Qt::Vertical)->isVisible());
        EXPECT_TRUE(bar(grid, Qt::Horizontal)->isVisible());
    }
}

TEST_F(GridScrollingTest, MetroBarsFollowTheGridsSize)
{
    grid.setScrollType(ssMetro);
    grid.resize(500, 350);
    QApplication::processEvents();
    EXPECT_EQ(grid.VertScrollControl()->geometry(), QRect(494, 0, 6, 344));
    EXPECT_EQ(grid.HorzScrollControl()->geometry(), QRect(0, 344, 500, 6));
}

TEST_F(GridScrollingTest, MetroThumbIsAtLeastTwentyPixelsAndStaysInside)
{
    grid.setScrollType(ssMetro);
    TScrollControl &v = *grid.VertScrollControl();
    struct Case {
        int rows;
        bool last;
    };
    for (const Case c : {Case{200, false}, Case{200, true}, Case{100000, true}, Case{30, true}}) {
        grid.setRowCount(c.rows);
        grid.setTopRow(c.last ? grid.RowCount() - 1 : grid.FixedRows());
        int pos = 0;
        int size = 0;
        ASSERT_TRUE(v.GetThumb(pos, size)) << c.rows;
        EXPECT_GE(size, 20) << c.rows;
        EXPECT_GE(pos, v.TrackStart()) << c.rows;
        EXPECT_LE(pos + size, v.height()) << c.rows;
    }
    // The thumb is painted in the bar's colour, nothing else is.
    grid.setRowCount(200);
    grid.setTopRow(1);
    int pos = 0;
    int size = 0;
    ASSERT_TRUE(v.GetThumb(pos, size));
    const QImage image = grid.grab().toImage();
    const QPoint inThumb = v.mapToParent(QPoint(1, pos + size / 2));
    EXPECT_EQ(QColor(image.pixel(inThumb)), QColor(0xC0, 0xC0, 0xC0));
}

TEST_F(GridScrollingTest, MetroTrackClickScrollsAPageButNotPastTheEnd)
{
    grid.setScrollType(ssMetro);
    TScrollControl &v = *grid.VertScrollControl();
    const int page = grid.VisibleRowCount();
    int pos = 0;
    int size = 0;
    ASSERT_TRUE(v.GetThumb(pos, size));
    viewtest::click(v, QPoint(2, pos + size + 5));
    EXPECT_EQ(grid.TopRow(), 1 + page);
    viewtest::click(v, QPoint(2, 0));
    EXPECT_EQ(grid.TopRow(), 1);

    grid.setTopRow(grid.RowCount() - page - 5);
    ASSERT_TRUE(v.GetThumb(pos, size));
    ASSERT_LT(pos + size + 1, v.height());
    viewtest::click(v, QPoint(2, pos + size + 1));
    EXPECT_EQ(grid.TopRow(), grid.RowCount() - grid.VisibleRowCount());
}

TEST_F(GridScrollingTest, MetroThumbDragScrollsWithThePointer)
{
    grid.setScrollType(ssMetro);
    TScrollControl &v = *grid.VertScrollControl();
    int pos = 0;
    int size = 0;
    ASSERT_TRUE(v.GetThumb(pos, size));
    const QPoint from(2, pos + size / 2);
    sendMouse(v, QEvent::MouseButtonPress, Qt::LeftButton, from);
    QMouseEvent move(QEvent::MouseMove, QPointF(from + QPoint(0, 40)), v.mapToGlobal(QPointF(from + QPoint(0, 40))),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&v, &move);
    sendMouse(v, QEvent::MouseButtonRelease, Qt::LeftButton, from + QPoint(0, 40));
    // 40 pixels of a bar less the first row's height, times the rows.
    const int expected = 1 + int(std::lround(40.0 / (v.height() - grid.RowHeights(0)) * grid.RowCount()));
    EXPECT_EQ(grid.TopRow(), expected);
}

// The bars divided by the scrollable rows and by the bar less the first
// row: with neither positive there is no thumb and nothing moves.
TEST_F(GridScrollingTest, MetroBarWithNothingToDivideByNeitherShowsNorMoves)
{
    grid.setScrollType(ssMetro);
    TScrollControl &v = *grid.VertScrollControl();

    grid.setRowCount(1);
    grid.setFixedRows(1);
    int pos = -1;
    int size = -1;
    EXPECT_FALSE(v.GetThumb(pos, size));
    viewtest::click(v, QPoint(2, v.height() - 2));
    EXPECT_EQ(grid.TopRow(), grid.FixedRows());

    // A first row as high as the bar: the drag has no length to go by.
    grid.setFixedRows(0);
    grid.setRowCount(200);
    grid.setRowHeights(0, v.height() + 10);
    grid.setTopRow(0);
    ASSERT_TRUE(v.GetThumb(pos, size));
    const QPoint from(2, pos + size / 2);
    const int top = grid.TopRow();
    sendMouse(v, QEvent::MouseButtonPress, Qt::LeftButton, from);
    QMouseEvent move(QEvent::MouseMove, QPointF(from + QPoint(0, 3)), v.mapToGlobal(QPointF(from + QPoint(0, 3))),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&v, &move);
    sendMouse(v, QEvent::MouseButtonRelease, Qt::LeftButton, from);
    EXPECT_EQ(grid.TopRow(), top);
}

// --- proportional thumbs ---------------------------------------------------------------------

TEST_F(GridScrollingTest, ProportionalThumbTakesThePixelShareOfTheView)
{
    // Tall rows at the top: few rows show, yet they take much of the height.
    for (int r = 1; r <= 20; ++r)
        grid.setRowHeights(r, 100);
    QScrollBar &v = *bar(grid, Qt::Vertical);
    const double rowShare = thumbShare(v);
    grid.setScrollProportional(true);
    const double fixed = 1 + grid.RowHeights(0);
    double total = 1;
    for (int r = 1; r < grid.RowCount(); ++r)
        total += grid.RowHeights(r);
    const double expected = (grid.height() - fixed) / total;
    EXPECT_NEAR(thumbShare(v), expected, 0.002);
    EXPECT_GT(std::abs(rowShare - expected), 0.01);
    // Kept through scrolling and resizing, which set the bars again.
    v.triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(grid.TopRow(), 2);
    EXPECT_NEAR(thumbShare(v), expected, 0.002);
    grid.setTopRow(150);
    EXPECT_NEAR(thumbShare(v), expected, 0.002);
    grid.resize(400, 400);
    EXPECT_NEAR(thumbShare(v), (400 - fixed) / total, 0.002);
    // Off: a page of whole rows again.
    grid.setScrollProportional(false);
    EXPECT_EQ(v.pageStep(), grid.VisibleRowCount());
}

TEST_F(GridScrollingTest, ProportionalLeavesBarsAloneWhereAllFitsOrNearlyFits)
{
    grid.setRowCount(5);
    QScrollBar &v = *bar(grid, Qt::Vertical);
    QScrollBar &h = *bar(grid, Qt::Horizontal);
    const int vPage = v.pageStep();
    grid.setScrollProportional(true);
    EXPECT_EQ(v.pageStep(), vPage);

    // Columns wider than the grid by less than 5 pixels.
    grid.setColCount(3);
    grid.setColWidths(0, 100);
    grid.setColWidths(1, 150);
    grid.setColWidths(2, 400 - 250 - 1 + 3);
    grid.setScrollProportional(false);
    const int hPage = h.pageStep();
    grid.setScrollProportional(true);
    EXPECT_EQ(h.pageStep(), hPage);
}

// --- scroll hints and scrolling along with the thumb ---------------------------------------

TEST_F(GridScrollingTest, HorizontalHintsShowOnlyForTheHorizontalThumb)
{
    grid.ScrollHints = shHorizontal;
    QScrollBar &v = *bar(grid, Qt::Vertical);
    QScrollBar &h = *bar(grid, Qt::Horizontal);
    dragThumb(v, 40);
    EXPECT_FALSE(grid.ScrollHintShowing());
    releaseThumb(v);

    int asked = -1;
    grid.OnScrollHint = [&](TExStringGrid *, int ARow, QString &text) { asked = ARow; };
    dragThumb(h, 30);
    ASSERT_TRUE(grid.ScrollHintShowing());
    const int col = grid.FixedCols() + h.sliderPosition();
    EXPECT_GT(col, 1);
    EXPECT_EQ(grid.ScrollHintText(), QStringLiteral("Col : %1").arg(col));
    EXPECT_EQ(asked, col);
    releaseThumb(h);
    EXPECT_FALSE(grid.ScrollHintShowing());
}

TEST_F(GridScrollingTest, HintTextCanBeChangedAndRowsAreNamed)
{
    grid.ScrollHints = shBoth;
    grid.OnScrollHint = [](TExStringGrid *, int ARow, QString &text) { text = QStringLiteral("Meter %1").arg(ARow); };
    QScrollBar &v = *bar(grid, Qt::Vertical);
    dragThumb(v, 40);
    EXPECT_EQ(grid.ScrollHintText(), QStringLiteral("Meter %1").arg(grid.FixedRows() + v.sliderPosition()));
    releaseThumb(v);
}

TEST_F(GridScrollingTest, ScrollSynchScrollsWhileTheThumbIsDragged)
{
    QScrollBar &v = *bar(grid, Qt::Vertical);
    dragThumb(v, 40);
    // Without it the grid waits for the release.
    EXPECT_EQ(grid.TopRow(), 1);
    releaseThumb(v);
    const int released = grid.TopRow();
    EXPECT_GT(released, 1);

    grid.setTopRow(1);
    grid.ScrollSynch = true;
    dragThumb(v, 40);
    EXPECT_EQ(grid.TopRow(), released);
    releaseThumb(v);
}

// --- drag scrolling ---------------------------------------------------------------------------

// Qt sends the moves of a drag only to a widget that took its entry: this
// stands in for the grid's drop target.
class AcceptEntry : public QObject {
protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::DragEnter)
            static_cast<QDragEnterEvent *>(event)->acceptProposedAction();
        return false;
    }
};

struct DragScrollTest : GridScrollingTest {
    QMimeData data;
    AcceptEntry acceptEntry;
    void drag(QEvent::Type type, QPoint p)
    {
        if (type == QEvent::DragLeave) {
            QDragLeaveEvent leave;
            QCoreApplication::sendEvent(&grid, &leave);
            return;
        }
        if (type == QEvent::DragEnter) {
            QDragEnterEvent enter(p, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(&grid, &enter);
            return;
        }
        QDragMoveEvent move(p, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&grid, &move);
    }
    void SetUp() override
    {
        GridScrollingTest::SetUp();
        grid.setAcceptDrops(true);
        grid.installEventFilter(&acceptEntry);
        grid.DragScrollOptions().Active = true;
        drag(QEvent::DragEnter, {200, 150});
        grid.setTopRow(20);
        grid.setLeftCol(5);
    }
};

TEST_F(DragScrollTest, EdgeBandsWaitTheInitialDelayThenRepeat)
{
    EXPECT_EQ(grid.DragScrollTimerObject(), nullptr);
    drag(QEvent::DragMove, {200, 280});
    QTimer *timer = grid.DragScrollTimerObject();
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->parent(), &grid);
    EXPECT_EQ(timer->interval(), 1000);
    EXPECT_TRUE(timer->isActive());
    grid.DragScrollTimer();
    EXPECT_EQ(grid.TopRow(), 21);
    EXPECT_EQ(timer->interval(), 250);
    // Still in the band: the repeat goes on.
    drag(QEvent::DragMove, {210, 285});
    EXPECT_EQ(timer->interval(), 1000);
    grid.DragScrollTimer();
    // Into the corner band: up and left together, after the delay again.
    drag(QEvent::DragMove, {10, 10});
    EXPECT_EQ(timer->interval(), 1000);
    grid.DragScrollTimer();
    EXPECT_EQ(grid.TopRow(), 21);
    EXPECT_EQ(grid.LeftCol(), 4);
    // Back to the middle: no timer.
    drag(QEvent::DragMove, {200, 150});
    QApplication::processEvents();
    EXPECT_EQ(grid.DragScrollTimerObject(), nullptr);
}

TEST_F(DragScrollTest, NothingScrollsPastTheFixedRowsOrWithoutActive)
{
    grid.setTopRow(grid.FixedRows());
    drag(QEvent::DragMove, {200, 5});
    grid.DragScrollTimer();
    EXPECT_EQ(grid.TopRow(), grid.FixedRows());

    grid.setTopRow(20);
    grid.DragScrollOptions().Active = false;
    drag(QEvent::DragMove, {200, 5});
    EXPECT_EQ(grid.DragScrollTimerObject(), nullptr);
}

TEST_F(DragScrollTest, TheOwnerMayChangeTheDirectionsOrVetoTheStep)
{
    bool can = false;
    grid.OnDragScroll = [&](TExStringGrid *, int, int, TDragScrollDirection &dirs, bool &CanScroll) {
        dirs = dsdRight;
        CanScroll = can;
    };
    drag(QEvent::DragMove, {200, 5});
    grid.DragScrollTimer();
    EXPECT_EQ(grid.TopRow(), 20);
    EXPECT_EQ(grid.LeftCol(), 5);
    can = true;
    grid.DragScrollTimer();
    EXPECT_EQ(grid.TopRow(), 20);
    EXPECT_EQ(grid.LeftCol(), 6);
    drag(QEvent::DragLeave, {});
    QApplication::processEvents();
    EXPECT_EQ(grid.DragScrollTimerObject(), nullptr);
}

// The timer was once the parent's: it outlived a grid freed during a
// drag and stepped a grid that was gone. Now it goes with the grid.
TEST(DragScrollTimerTest, GoesWithTheGrid)
{
    QWidget form;
    auto *grid = new TExStringGrid(&form);
    grid->setRowCount(100);
    grid->setAcceptDrops(true);
    grid->DragScrollOptions().Active = true;
    AcceptEntry acceptEntry;
    grid->installEventFilter(&acceptEntry);
    form.show();
    QMimeData data;
    QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(grid, &enter);
    QDragMoveEvent move(QPoint(100, 240), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(grid, &move);
    ASSERT_NE(grid->DragScrollTimerObject(), nullptr);
    delete grid;
    EXPECT_TRUE(form.findChildren<QTimer *>().isEmpty());
    QApplication::processEvents();
}

// --- panning ----------------------------------------------------------------------------------

struct PanningTest : GridScrollingTest {
    QPoint anchor{200, 150};
    void pointerAt(QPoint p) { QCursor::setPos(grid.mapToGlobal(p)); }
    void SetUp() override
    {
        GridScrollingTest::SetUp();
        grid.MouseActions().setWheelAction(TWheelAction::waScroll);
        grid.setTopRow(50);
        grid.setLeftCol(5);
        sendMouse(grid, QEvent::MouseButtonPress, Qt::MiddleButton, anchor);
        sendMouse(grid, QEvent::MouseButtonRelease, Qt::MiddleButton, anchor);
    }
    void TearDown() override { grid.StopPanning(); }
};

TEST_F(PanningTest, WheelButtonStartsItWithTheAnchorCursorAndATenMillisecondTimer)
{
    ASSERT_TRUE(grid.Panning());
    EXPECT_EQ(grid.PanAnchor(), anchor);
    EXPECT_EQ(grid.PanCursorId(), 8000);
    auto *timer = grid.findChild<QTimer *>(QStringLiteral("panTimer"));
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->interval(), 10);
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(QWidget::mouseGrabber(), &grid);
    auto *glyph = grid.findChild<QWidget *>(QStringLiteral("panGlyph"));
    ASSERT_NE(glyph, nullptr);
    EXPECT_EQ(glyph->pos(), anchor);
}

TEST_F(PanningTest, PointerDirectionsStepAndTheDeadZoneRests)
{
    struct Case {
        QPoint offset;
        TIntelliPan pan;
        int top;
        int left;
        int cursor;
    };
    const Case cases[] = {
        {{0, 40}, ipVertical, 51, 5, 8001},
        {{0, -40}, ipVertical, 49, 5, 8004},
        {{80, 0}, ipVertical, 50, 5, 8000},    // ipVertical ignores X
        {{80, 40}, ipVertical, 51, 5, 8001},
        {{4, -5}, ipBoth, 50, 5, 8000},        // within 5 pixels
        {{-40, 0}, ipBoth, 50, 4, 8002},
        {{40, 40}, ipBoth, 51, 6, 8007},
        {{40, 40}, ipHorizontal, 50, 6, 8003},
    };
    for (const Case &c : cases) {
        grid.setTopRow(50);
        grid.setLeftCol(5);
        grid.IntelliPan = c.pan;
        pointerAt(anchor + c.offset);
        grid.PanStep();
        EXPECT_EQ(grid.TopRow(), c.top) << c.offset.x() << "," << c.offset.y();
        EXPECT_EQ(grid.LeftCol(), c.left) << c.offset.x() << "," << c.offset.y();
        EXPECT_EQ(grid.PanCursorId(), c.cursor) << c.offset.x() << "," << c.offset.y();
    }
}

TEST_F(PanningTest, WithMoveSelectionTheCurrentCellMovesAndStopsAboveTheFooters)
{
    grid.MouseActions().setWheelAction(TWheelAction::waMoveSelection);
    grid.setFixedFooters(2);
    grid.FocusCell(3, grid.RowCount() - 4);
    pointerAt(anchor + QPoint(0, 40));
    grid.PanStep();
    EXPECT_EQ(grid.Row(), grid.RowCount() - 3);
    grid.PanStep();
    EXPECT_EQ(grid.Row(), grid.RowCount() - 3);
    EXPECT_EQ(grid.Col(), 3);
}

TEST_F(PanningTest, CellHintsRestWhileItRuns)
{
    EXPECT_FALSE(grid.ShowHint());
    grid.StopPanning();
    EXPECT_TRUE(grid.ShowHint());
}

TEST_F(PanningTest, AKeyEndsItAndGoesOn)
{
    grid.setFocus();
    const int row = grid.Row();
    QTest::keyClick(&grid, Qt::Key_Down);
    EXPECT_FALSE(grid.Panning());
    EXPECT_EQ(grid.Row(), row + 1);
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    EXPECT_EQ(grid.findChild<QWidget *>(QStringLiteral("panGlyph")), nullptr);
    EXPECT_FALSE(grid.findChild<QTimer *>(QStringLiteral("panTimer"))->isActive());
}

TEST_F(PanningTest, APressEndsItAndTheWheelWaitsMeanwhile)
{
    const int top = grid.TopRow();
    viewtest::wheel(grid, anchor, true);
    EXPECT_EQ(grid.TopRow(), top);
    EXPECT_TRUE(grid.Panning());
    sendMouse(grid, QEvent::MouseButtonPress, Qt::LeftButton, anchor);
    sendMouse(grid, QEvent::MouseButtonRelease, Qt::LeftButton, anchor);
    EXPECT_FALSE(grid.Panning());
}

TEST_F(PanningTest, HidingTheGridGivesTheMouseBack)
{
    grid.hide();
    EXPECT_FALSE(grid.Panning());
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
}

TEST(PanningStartTest, NotWithIpNoneOrOnlyFixedRows)
{
    TExStringGrid grid;
    grid.IntelliPan = ipNone;
    sendMouse(grid, QEvent::MouseButtonPress, Qt::MiddleButton, {50, 50});
    EXPECT_FALSE(grid.Panning());
    grid.IntelliPan = ipVertical;
    grid.setRowCount(1);
    grid.setFixedRows(1);
    sendMouse(grid, QEvent::MouseButtonPress, Qt::MiddleButton, {50, 50});
    EXPECT_FALSE(grid.Panning());
}

// --- zoom -------------------------------------------------------------------------------------

TEST_F(GridScrollingTest, ZoomStepsTheSizesUpToTenAndKeepsASizeThatWouldReachZero)
{
    grid.setColWidths(2, 5);
    const int width = grid.ColWidths(1);
    const int height = grid.RowHeights(1);
    for (int i = 0; i < 3; ++i)
        grid.Zoom(3);
    EXPECT_EQ(grid.ZoomFactor(), 9);
    EXPECT_EQ(grid.ColWidths(1), width + 9);
    EXPECT_EQ(grid.RowHeights(1), height + 9);
    EXPECT_EQ(grid.TopRow(), 1);
    grid.Zoom(3);
    EXPECT_EQ(grid.ZoomFactor(), 9);
    EXPECT_EQ(grid.ColWidths(1), width + 9);

    for (int i = 0; i < 6; ++i)
        grid.Zoom(-3);
    EXPECT_EQ(grid.ZoomFactor(), -9);
    EXPECT_EQ(grid.ColWidths(1), width - 9);
    EXPECT_EQ(grid.ColWidths(2), 2);
}

// Each notch zooms by the lines per notch, then every cell is sized to its
// text in the larger font.
TEST_F(GridScrollingTest, CtrlWheelZoomsByTheLinesPerNotchUpToTenAndSizesTheCells)
{
    grid.setWheelScrollLines(3);
    grid.setCells(1, 3, QStringLiteral("a rather long text for one cell"));
    const int height = grid.RowHeights(3);
    for (int i = 0; i < 3; ++i)
        viewtest::wheel(grid, {100, 100}, true, Qt::ControlModifier);
    EXPECT_EQ(grid.ZoomFactor(), 9);
    const platform::TSize text = grid.GetCellTextSize(1, 3);
    EXPECT_EQ(grid.ColWidths(1), text.cx + 4 + 2) << "the text, the padding and the offset";
    EXPECT_GE(grid.RowHeights(3), std::max(height + 9, text.cy + 4 + 2));
    viewtest::wheel(grid, {100, 100}, true, Qt::ControlModifier);
    EXPECT_EQ(grid.ZoomFactor(), 9) << "a fourth notch would give 12";

    grid.IntelliZoom = false;
    viewtest::wheel(grid, {100, 100}, true, Qt::ControlModifier);
    EXPECT_EQ(grid.ZoomFactor(), 9);
}

TEST(CellAutoSizeTest, ColumnsTakeTheirWidestCellRowsOnlyGrowAndMergedCellsAreLeftOut)
{
    TExStringGrid grid;
    grid.setColCount(4);
    grid.setRowCount(4);
    grid.setCells(1, 1, QStringLiteral("wide wide wide wide wide wide"));
    grid.setCells(2, 1, QStringLiteral("merged over two columns, very wide indeed"));
    grid.MergeCells(2, 1, 2, 1);
    grid.setColWidths(3, 200);
    grid.setRowHeights(2, 60);
    const int fixedWidth = grid.ColWidths(0);
    grid.AutoSizeCells(false, 4, 4);
    EXPECT_EQ(grid.ColWidths(1), grid.GetCellTextSize(1, 1).cx + 4 + 2);
    EXPECT_LT(grid.ColWidths(3), 200) << "without SizeGrowOnly a column shrinks to its cells";
    EXPECT_LT(grid.ColWidths(2), grid.GetCellTextSize(2, 1).cx) << "a merged cell does not widen its column";
    EXPECT_EQ(grid.RowHeights(2), 60) << "rows only grow";
    EXPECT_EQ(grid.ColWidths(0), fixedWidth) << "the fixed column stays without DoFixedCells";

    grid.SizeGrowOnly = true;
    grid.setColWidths(3, 200);
    grid.AutoSizeCells(true, 4, 4);
    EXPECT_EQ(grid.ColWidths(3), 200);
}

// --- columns kept in step with the grid's width ---------------------------------------------

TEST(ColumnSynchTest, AResizeScalesTheRecordedWidths)
{
    TExStringGrid grid;
    grid.setBorderSingle(false);
    grid.setColCount(4);
    grid.setFixedRightCols(1);
    grid.resize(400, 200);
    for (int c = 0; c < 4; ++c)
        grid.setColWidths(c, 50 + 10 * c);
    grid.ColumnSize().SynchWithGrid = true;
    // A hidden widget hears of its size only when shown.
    grid.show();
    QApplication::processEvents();
    // Nothing recorded yet: the widths stay.
    grid.resize(600, 200);
    EXPECT_EQ(grid.ColWidths(1), 60);

    grid.BeginLoading();
    grid.EndLoading(); // records the widths at 600 pixels
    grid.resize(900, 200);
    const int all[] = {75, 90, 105, 120};
    for (int c = 0; c < 4; ++c)
        EXPECT_EQ(grid.ColWidths(c), all[c]) << c;

    grid.ColumnSize().SynchNormalCellsOnly = true;
    grid.resize(300, 200);
    EXPECT_EQ(grid.ColWidths(0), 75);
    EXPECT_EQ(grid.ColWidths(1), 30);
    EXPECT_EQ(grid.ColWidths(2), 35);
    EXPECT_EQ(grid.ColWidths(3), 120);

    // A single border counts two pixels more of the new width.
    grid.setBorderSingle(true);
    grid.ColumnSize().SynchNormalCellsOnly = false;
    grid.resize(598, 200);
    EXPECT_EQ(grid.ColWidths(0), 50);
}

TEST(ColumnSynchTest, ALoadedGridSizesItsThumbsWhenShown)
{
    TExStringGrid grid;
    grid.resize(300, 200);
    grid.setRowCount(100);
    grid.BeginLoading();
    for (int r = 1; r < 10; ++r)
        grid.setRowHeights(r, 80);
    grid.setScrollProportional(true);
    grid.EndLoading();
    QScrollBar &v = *bar(grid, Qt::Vertical);
    const int rowPage = v.pageStep();
    grid.show();
    QApplication::processEvents();
    EXPECT_NE(v.pageStep(), rowPage);
}

} // namespace
