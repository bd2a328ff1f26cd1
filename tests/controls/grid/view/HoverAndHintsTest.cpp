// The mouse resting and moving over the grid, as real events: hovered and
// pressed headers with their drop-down button, links entered and left,
// fixed columns sized by a press, cell hints and balloons.
#include "MouseEvents.h"
#include "ViewFixture.h"

#include "controls/grid/base/CellText.h"
#include "controls/grid/model/ExGrid.h"
#include "controls/grid/view/GridAppearance.h"
#include "controls/grid/view/GridBalloon.h"
#include "controls/grid/view/GridHoverState.h"
#include "controls/grid/view/HintWindow.h"

#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QMenu>
#include <QPaintEvent>
#include <QScreen>
#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace controls;
using viewtest::at;
using viewtest::centre;
using platform::TColor;

class RecordingGrid : public TExStringGrid {
public:
    QRegion painted;

protected:
    void paintEvent(QPaintEvent *event) override
    {
        painted += event->region();
        TExStringGrid::paintEvent(event);
    }
};

void settle()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

void dragTo(QWidget &w, QPoint p)
{
    QMouseEvent event(QEvent::MouseMove, QPointF(p), w.mapToGlobal(QPointF(p)), Qt::NoButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(&w, &event);
}

void askHint(QWidget &w, QPoint p)
{
    QHelpEvent request(QEvent::ToolTip, p, w.mapToGlobal(p));
    QCoreApplication::sendEvent(&w, &request);
}

struct HoverTest : testing::Test {
    RecordingGrid grid;
    void SetUp() override
    {
        grid.setScrollBars(ssNone);
        grid.setColCount(5);
        grid.setRowCount(6);
        grid.resize(400, 200);
        for (int r = 0; r < grid.RowCount(); ++r)
            for (int c = 0; c < grid.ColCount(); ++c)
                grid.setCells(c, r, QStringLiteral("%1:%2").arg(c).arg(r));
    }
    platform::TRect cell(int c, int r) const { return grid.CellRect(c, r); }
    QPoint mid(int c, int r) const { return centre(cell(c, r)); }
};

// --- hovered and pressed headers -----------------------------------------------------------

TEST_F(HoverTest, AnOffice2007HoveredHeaderIsFramedOnePixelTallerAndTakesThePressedColoursWhenHeld)
{
    grid.SetStyle(gsOffice2007Luna);
    grid.setHoverFixedCells(TExStringGrid::hfAll);
    const platform::TRect r = cell(2, 0);
    const QImage plain = grid.paintToImage();
    viewtest::moveTo(grid, mid(2, 0));
    EXPECT_EQ(grid.HoverFixedCell(), (TGridCoord{2, 0}));
    const QImage hot = grid.paintToImage();
    const TColor hoverBorder = grid.Appearance().FenloGradientHoverBorder;
    ASSERT_EQ(hoverBorder, 0xB79F87u);
    EXPECT_EQ(at(hot, r.Left, r.Top + 6), hoverBorder);
    // The unhovered header ends one pixel higher than the frame's bottom line.
    const int frameBottom = r.Bottom - 2;
    EXPECT_EQ(at(hot, r.Left + 6, frameBottom), hoverBorder);
    EXPECT_NE(at(plain, r.Left + 6, frameBottom), at(plain, r.Left + 6, frameBottom - 1));
    EXPECT_NE(at(plain, r.Left, r.Top + 6), hoverBorder);
    EXPECT_NE(at(hot, r.Left + 6, r.Top + 6), at(plain, r.Left + 6, r.Top + 6)) << "the hover gradient";

    viewtest::sendMouse(grid, QEvent::MouseButtonPress, Qt::LeftButton, mid(2, 0));
    EXPECT_TRUE(grid.FixedCellPressed());
    const QImage held = grid.paintToImage();
    EXPECT_EQ(at(held, r.Left, r.Top + 6), grid.Appearance().FenloGradientDownBorder);
    EXPECT_EQ(at(held, r.Left + 6, r.Top + 3), 0xE4C19Du);
    viewtest::sendMouse(grid, QEvent::MouseButtonRelease, Qt::LeftButton, mid(2, 0));
    EXPECT_FALSE(grid.FixedCellPressed());
}

TEST_F(HoverTest, OnlyTheFixedCellsAHoverChangeConcernsAreRepainted)
{
    grid.setHoverFixedCells(TExStringGrid::hfFixedRows);
    grid.show();
    settle();
    viewtest::moveTo(grid, mid(1, 0));
    settle();
    grid.painted = QRegion();
    viewtest::moveTo(grid, mid(1, 0) + QPoint(3, 1));
    settle();
    EXPECT_TRUE(grid.painted.isEmpty()) << "moving inside the hot cell repaints nothing";

    viewtest::moveTo(grid, mid(2, 0));
    settle();
    const auto rect = [this](int c, int r) {
        const platform::TRect t = cell(c, r);
        return QRect(t.Left, t.Top, t.Right - t.Left, t.Bottom - t.Top);
    };
    EXPECT_EQ(grid.painted, QRegion(rect(1, 0)) + rect(2, 0));

    grid.painted = QRegion();
    viewtest::moveTo(grid, mid(2, 3));
    settle();
    EXPECT_EQ(grid.painted, QRegion(rect(2, 0))) << "a normal cell never draws hot";

    grid.painted = QRegion();
    viewtest::moveTo(grid, mid(3, 4));
    settle();
    EXPECT_TRUE(grid.painted.isEmpty());
}

TEST_F(HoverTest, TheHoveredRowAndTheListViewsHotHeaderRepaintOnlyWhatChanged)
{
    grid.setHoverRow(true);
    grid.setLook(glListView);
    grid.show();
    settle();
    const auto rect = [this](int c, int r) {
        const platform::TRect t = cell(c, r);
        return QRect(t.Left, t.Top, t.Right - t.Left, t.Bottom - t.Top);
    };
    const auto rowRect = [&](int r) {
        return QRegion(rect(0, r)) + rect(1, r) + rect(2, r) + rect(3, r) + rect(4, r);
    };
    viewtest::moveTo(grid, mid(2, 2));
    settle();
    grid.painted = QRegion();
    viewtest::moveTo(grid, mid(2, 3));
    settle();
    // The two rows, across the widget.
    EXPECT_TRUE((rowRect(2) + rowRect(3)).subtracted(grid.painted).isEmpty());
    EXPECT_EQ(grid.painted.boundingRect().top(), cell(0, 2).Top);
    EXPECT_EQ(grid.painted.boundingRect().bottom() + 1, cell(0, 3).Bottom) << "the row left and the row entered";

    grid.setHoverRow(false);
    viewtest::moveTo(grid, mid(2, 0));
    settle();
    grid.painted = QRegion();
    viewtest::moveTo(grid, mid(3, 0));
    settle();
    EXPECT_EQ(grid.painted, QRegion(rect(2, 0)) + rect(3, 0));
    grid.painted = QRegion();
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&grid, &leave);
    settle();
    EXPECT_EQ(grid.painted, QRegion(rect(3, 0))) << "leaving cools the hot header";
}

TEST_F(HoverTest, TheHeadersDropDownButtonPopsItsMenuBelowTheHeaderAndKeepsItHot)
{
    grid.SetStyle(gsOffice2007Luna);
    grid.setHoverFixedCells(TExStringGrid::hfAll);
    grid.ControlLook().FixedDropDownButton = true;
    QMenu menu;
    menu.addAction(QStringLiteral("Sort"));
    grid.setFixedDropDownMenu(&menu);
    int clickedCol = -1;
    grid.OnFixedDropDownClick = [&](TExStringGrid *, int ACol, int, QMenu *&, bool &) { clickedCol = ACol; };
    grid.show();
    settle();
    const platform::TRect r = cell(2, 0);

    viewtest::moveTo(grid, mid(2, 0));
    const QImage hot = grid.paintToImage();
    EXPECT_EQ(at(hot, r.Right - 8, r.Top + 9), platform::clBlack) << "the down marker";
    EXPECT_EQ(at(hot, r.Right - 17, r.Top + 6), grid.Appearance().FenloGradientHoverBorder)
        << "the button's left line";

    const QPoint press(r.Right - 8, r.Top + 6);
    viewtest::sendMouse(grid, QEvent::MouseButtonPress, Qt::LeftButton, press);
    EXPECT_EQ(clickedCol, 2);
    ASSERT_TRUE(menu.isVisible());
    EXPECT_EQ(menu.property("Tag").toInt(), 2);
    EXPECT_EQ(menu.pos(), grid.mapToGlobal(QPoint(r.Right - 16, r.Bottom)));
    EXPECT_TRUE(grid.FixedDropDownPressed());
    viewtest::moveTo(grid, mid(3, 3));
    EXPECT_EQ(grid.HoverFixedCell(), (TGridCoord{2, 0})) << "frozen while the menu is up";
    viewtest::sendMouse(grid, QEvent::MouseButtonRelease, Qt::LeftButton, press);
    EXPECT_FALSE(grid.FixedDropDownPressed());
    menu.hide();
    EXPECT_EQ(grid.HoverFixedCell(), (TGridCoord{-1, -1}));
}

TEST_F(HoverTest, ClassicAndSoftLooksDrawTheirEdges)
{
    grid.setLook(glClassic);
    const platform::TRect r = cell(2, 0);
    const QImage classic = grid.paintToImage();
    // The black line inside the right edge and along the bottom.
    EXPECT_EQ(at(classic, r.Right - 1, r.Top + 5), platform::clBlack);
    EXPECT_EQ(at(classic, r.Left + 6, r.Bottom - 1), platform::clBlack);
    grid.setLook(glSoft);
    grid.setOptions(grid.Options() | goFixedHorzLine | goFixedVertLine);
    const QImage soft = grid.paintToImage();
    EXPECT_EQ(at(soft, r.Right - 1, r.Top + 5), platform::clWhite) << "white 1 pixel inside the grown right edge";
    EXPECT_EQ(at(soft, r.Left, r.Top + 5), platform::clWhite) << "white down the left side";
    EXPECT_EQ(at(soft, r.Right - 2, r.Top + 5), 0x787878u) << "the fixed colour halved beside it";
}

TEST_F(HoverTest, AFlatGridBoxesItsRightFixedColumnsInGray)
{
    grid.setLook(glFenlo);
    grid.Appearance().Flat = true;
    grid.setOptions(grid.Options() | goFixedHorzLine | goFixedVertLine);
    grid.setFixedRightCols(1);
    const platform::TRect r = cell(4, 2);
    const QImage image = grid.paintToImage();
    // One pixel outside the rectangle, which reaches a pixel past the cell:
    // the left line falls on the column before.
    EXPECT_EQ(at(image, r.Left - 2, r.Top + 5), 0x808080u);
}

// --- links ---------------------------------------------------------------------------------

TEST_F(HoverTest, EnteringAndLeavingALinkFiresEachEventOnceAndExitGetsTheAnchorLeft)
{
    grid.setCells(1, 2, QStringLiteral("<a href=\"one\">link</a> and more text"));
    std::vector<QString> entered;
    std::vector<QString> left;
    grid.OnAnchorEnter = [&](TExStringGrid *, int, int, const QString &a) { entered.push_back(a); };
    grid.OnAnchorExit = [&](TExStringGrid *, int, int, const QString &a) { left.push_back(a); };
    const platform::TRect r = cell(1, 2);
    const QPoint onLink(r.Left + 8, r.Top + 9);
    viewtest::moveTo(grid, onLink);
    viewtest::moveTo(grid, onLink + QPoint(3, 0));
    EXPECT_EQ(entered, std::vector<QString>{"one"});
    EXPECT_TRUE(left.empty());
    viewtest::moveTo(grid, mid(3, 4));
    EXPECT_EQ(left, std::vector<QString>{"one"});
    EXPECT_EQ(entered.size(), 1u);
}

// --- fixed columns sized by a press -------------------------------------------------------

TEST_F(HoverTest, AFixedColumnIsSizedByAPressWithAGuideLineAndTheWidthHint)
{
    grid.MouseActions().SizeFixedCol = true;
    grid.HintShowSizing = true;
    std::vector<int> sizing;
    std::vector<int> ended;
    grid.OnColumnSizing = [&](TExStringGrid *, int ACol, int size) {
        if (ACol == 0)
            sizing.push_back(size);
    };
    grid.OnEndColumnSize = [&](TExStringGrid *, int ACol) { ended.push_back(ACol); };
    grid.show();
    settle();
    const int edge = cell(0, 3).Right;
    const QPoint start(edge - 1, mid(0, 3).y());
    viewtest::moveTo(grid, start);
    const QImage before = grid.paintToImage();
    viewtest::sendMouse(grid, QEvent::MouseButtonPress, Qt::LeftButton, start);
    EXPECT_TRUE(grid.FixedSizingActive());
    const QPoint to(edge + 30, start.y());
    dragTo(grid, to);
    const QImage guided = grid.paintToImage();
    const auto column = [](const QImage &image, int x) {
        std::vector<QRgb> pixels;
        for (int y = 0; y < image.height(); ++y)
            pixels.push_back(image.pixel(x, y));
        return pixels;
    };
    EXPECT_NE(column(guided, to.x()), column(before, to.x())) << "the guide line at the mouse";
    EXPECT_EQ(column(guided, start.x()), column(before, start.x())) << "the first line is gone";

    const int width = to.x() - cell(0, 3).Left;
    ASSERT_FALSE(sizing.empty());
    EXPECT_EQ(sizing.back(), width);
    ASSERT_NE(grid.SizingHintWindow(), nullptr);
    EXPECT_TRUE(grid.SizingHintWindow()->isVisible());
    EXPECT_EQ(grid.SizingHintWindow()->Text(), QStringLiteral("cw=<b>%1</b>").arg(width));

    viewtest::sendMouse(grid, QEvent::MouseButtonRelease, Qt::LeftButton, to);
    EXPECT_FALSE(grid.FixedSizingActive());
    EXPECT_EQ(grid.ColWidths(0), width);
    EXPECT_EQ(ended, std::vector<int>{0});
    EXPECT_FALSE(grid.SizingHintWindow()->isVisible());
    const QImage after = grid.paintToImage();
    const QImage again = grid.paintToImage();
    EXPECT_EQ(after, again) << "no guide line stays behind";
}

TEST_F(HoverTest, AColumnSizingDragShowsTheWidthItWillGetAndOnColumnSizingGetsTheSame)
{
    grid.setOptions(grid.Options() | goColSizing);
    grid.HintShowSizing = true;
    std::vector<int> sizing;
    grid.OnColumnSizing = [&](TExStringGrid *, int ACol, int size) {
        if (ACol == 2)
            sizing.push_back(size);
    };
    grid.show();
    settle();
    const QPoint start(cell(2, 0).Right - 1, mid(2, 0).y());
    viewtest::moveTo(grid, start);
    viewtest::sendMouse(grid, QEvent::MouseButtonPress, Qt::LeftButton, start);
    dragTo(grid, start + QPoint(25, 0));
    ASSERT_FALSE(sizing.empty());
    ASSERT_NE(grid.SizingHintWindow(), nullptr);
    EXPECT_EQ(grid.SizingHintWindow()->Text(), QStringLiteral("cw=<b>%1</b>").arg(sizing.back()));
    viewtest::sendMouse(grid, QEvent::MouseButtonRelease, Qt::LeftButton, start + QPoint(25, 0));
    EXPECT_EQ(grid.ColWidths(2), sizing.back());
    EXPECT_FALSE(grid.SizingHintWindow()->isVisible());
}

TEST_F(HoverTest, WithoutSizeFixedColTheEdgeOfAFixedColumnDoesNothing)
{
    const int edge = cell(0, 3).Right;
    const QPoint start(edge - 1, mid(0, 3).y());
    const int before = grid.ColWidths(0);
    viewtest::moveTo(grid, start);
    viewtest::sendMouse(grid, QEvent::MouseButtonPress, Qt::LeftButton, start);
    EXPECT_FALSE(grid.FixedSizingActive());
    dragTo(grid, start + QPoint(30, 0));
    viewtest::sendMouse(grid, QEvent::MouseButtonRelease, Qt::LeftButton, start + QPoint(30, 0));
    EXPECT_EQ(grid.ColWidths(0), before);
}

TEST_F(HoverTest, OnColumnSizeRefusingAColumnKeepsTheSizingCursorOffItsBorder)
{
    grid.setOptions(grid.Options() | goColSizing);
    const platform::TRect r = cell(1, 0);
    viewtest::moveTo(grid, QPoint(r.Right - 1, mid(1, 0).y()));
    EXPECT_EQ(grid.cursor().shape(), Qt::SplitHCursor);
    grid.OnColumnSize = [](TExStringGrid *, int ACol, bool &Allow) { Allow = ACol != 1; };
    viewtest::moveTo(grid, QPoint(r.Right - 1, mid(1, 0).y()));
    EXPECT_NE(grid.cursor().shape(), Qt::SplitHCursor);
}

// --- cell hints ----------------------------------------------------------------------------

TEST_F(HoverTest, ACellHintShowsTheCellsTextBelowItAndClosesInAnotherCellButNotInsideAMergedArea)
{
    grid.HintShowCells = true;
    grid.MergeCells(1, 2, 2, 1);
    grid.setCells(1, 2, QStringLiteral("merged text"));
    grid.show();
    settle();
    askHint(grid, mid(1, 2));
    ASSERT_NE(grid.HintWindow(), nullptr);
    EXPECT_TRUE(grid.HintWindow()->isVisible());
    EXPECT_EQ(grid.HintWindow()->Text(), QStringLiteral("merged text"));
    EXPECT_EQ(grid.LastHintPos(), (TGridCoord{1, 2}));
    EXPECT_EQ(grid.HintWindow()->pos().y(), grid.mapToGlobal(QPoint(0, cell(1, 2).Top)).y());

    viewtest::moveTo(grid, mid(2, 2));
    EXPECT_TRUE(grid.HintWindow()->isVisible()) << "the merged area is one cell";
    viewtest::moveTo(grid, mid(3, 4));
    EXPECT_FALSE(grid.HintWindow()->isVisible());
    EXPECT_EQ(grid.LastHintPos(), (TGridCoord{-1, -1}));
}

TEST_F(HoverTest, ACommentShowsBesideItsCell)
{
    TCellGraphic *comment = grid.AttachNewCellGraphic(3, 2);
    comment->FCellType = ctComment;
    comment->FCellText = QStringLiteral("Battery replaced");
    grid.show();
    settle();
    askHint(grid, mid(3, 2));
    ASSERT_NE(grid.HintWindow(), nullptr);
    EXPECT_EQ(grid.HintWindow()->Text(), QStringLiteral("Battery replaced"));
    EXPECT_EQ(grid.HintWindow()->pos(), grid.mapToGlobal(QPoint(cell(3, 2).Right, cell(3, 2).Top)));
}

TEST_F(HoverTest, OrigColSizesRecordTheWidthsAndTheGridWidth)
{
    grid.setColWidths(1, 33);
    grid.InitOrigColSizes();
    EXPECT_EQ(grid.OrigColSizes().size(), 5u);
    EXPECT_EQ(grid.OrigColSizes()[1], 33);
    EXPECT_EQ(grid.OrigGridWidth(), 400);
    grid.setColCount(0);
    grid.InitOrigColSizes();
    EXPECT_TRUE(grid.OrigColSizes().empty());
    EXPECT_EQ(grid.OrigGridWidth(), 400);
}

TEST_F(HoverTest, OnGridHintHasTheLastWordAndAnEmptyHintShowsNothing)
{
    grid.HintShowCells = true;
    grid.OnGridHint = [](TExStringGrid *, int ARow, int ACol, QString &hint) {
        hint = ARow == 3 ? QString() : QStringLiteral("row %1").arg(ARow);
    };
    grid.show();
    settle();
    askHint(grid, mid(2, 2));
    ASSERT_NE(grid.HintWindow(), nullptr);
    EXPECT_EQ(grid.HintWindow()->Text(), QStringLiteral("row 2"));
    askHint(grid, mid(2, 3));
    EXPECT_FALSE(grid.HintWindow()->isVisible());
}

// The fault: a password cell's text must not reach a hint or a balloon.
TEST_F(HoverTest, PasswordCellsShowTheirMaskInHintsAndBalloons)
{
    grid.setCells(2, 2, QStringLiteral("s3cret"));
    grid.setCells(2, 3, QStringLiteral("<b>hidden</b>"));
    grid.OnIsPasswordCell = [](TExStringGrid *, int ACol, int, bool &isPassword) { isPassword = ACol == 2; };
    grid.show();
    settle();

    grid.HintShowCells = true;
    askHint(grid, mid(2, 2));
    ASSERT_NE(grid.HintWindow(), nullptr);
    EXPECT_EQ(grid.HintWindow()->Text(), QStringLiteral("******"));
    grid.HTMLHint = true;
    askHint(grid, mid(2, 3));
    EXPECT_EQ(grid.HintWindow()->Text(), QStringLiteral("******"));
    grid.setCells(2, 1, EncodeWideCellText(QStringLiteral("abc")));
    askHint(grid, mid(2, 1));
    EXPECT_EQ(grid.HintWindow()->Text(), QStringLiteral("***")) << "as long as the text the cell shows";

    grid.HintShowCells = false;
    grid.HintShowLargeText = true;
    grid.setCells(2, 4, QStringLiteral("a secret far too long to fit into its narrow cell"));
    askHint(grid, mid(2, 4));
    EXPECT_EQ(grid.HintWindow()->Text(), QString(49, u'*'));

    grid.Balloon().setEnable(true);
    QString title, text;
    int icon = 0;
    ASSERT_TRUE(grid.BalloonText(2, 2, title, text, icon));
    EXPECT_EQ(text, QStringLiteral("******"));
    ASSERT_TRUE(grid.BalloonText(2, 3, title, text, icon));
    EXPECT_EQ(text, QStringLiteral("******"));
    ASSERT_TRUE(grid.BalloonText(1, 3, title, text, icon));
    EXPECT_EQ(text, QStringLiteral("1:3")) << "other columns show their text";
}

TEST_F(HoverTest, ACellsOwnBalloonGivesTitleTextAndIconAndTheEventStillHasTheLastWord)
{
    grid.Balloon().setEnable(true);
    grid.setCells(2, 2, QStringLiteral("cell text"));
    grid.AddBalloon(2, 2, QStringLiteral("Meter"), QStringLiteral("reads once a day"), biWarning);
    QString title, text;
    int icon = 0;
    ASSERT_TRUE(grid.BalloonText(2, 2, title, text, icon));
    EXPECT_EQ(title, QStringLiteral("Meter"));
    EXPECT_EQ(text, QStringLiteral("reads once a day"));
    EXPECT_EQ(icon, int(biWarning));
    ASSERT_TRUE(grid.BalloonText(2, 3, title, text, icon));
    EXPECT_EQ(text, QStringLiteral("2:3")) << "a cell without one shows its text";

    grid.OnCellBalloon = [](TExStringGrid *, int, int, QString &, QString &text, int &) { text = "from the event"; };
    ASSERT_TRUE(grid.BalloonText(2, 2, title, text, icon));
    EXPECT_EQ(text, QStringLiteral("from the event"));
    EXPECT_EQ(title, QStringLiteral("Meter"));
}

TEST_F(HoverTest, NoCellHintWhileHintsAreOff)
{
    grid.setCells(2, 2, QStringLiteral("visible"));
    grid.show();
    settle();
    grid.HintShowCells = true;
    grid.setShowHint(false);
    askHint(grid, mid(2, 2));
    EXPECT_TRUE(grid.HintWindow() == nullptr || !grid.HintWindow()->isVisible());
    grid.setShowHint(true);
    askHint(grid, mid(2, 2));
    ASSERT_NE(grid.HintWindow(), nullptr);
    EXPECT_EQ(grid.HintWindow()->Text(), QStringLiteral("visible"));
}

TEST_F(HoverTest, LargeTextHintMovesToTheCellOnlyForTextThatDoesNotFit)
{
    grid.HintShowLargeText = true;
    grid.setCells(2, 4, QStringLiteral("a text far too long to fit into its narrow cell"));
    grid.show();
    settle();
    askHint(grid, mid(2, 2));
    EXPECT_TRUE(grid.HintWindow() == nullptr || !grid.HintWindow()->isVisible()) << "a short text fits";
    askHint(grid, mid(2, 4));
    ASSERT_NE(grid.HintWindow(), nullptr);
    EXPECT_EQ(grid.HintWindow()->pos(), grid.mapToGlobal(QPoint(cell(2, 4).Left, cell(2, 4).Top)));
}

// --- the hint window -----------------------------------------------------------------------

TEST(HintWindow, MarginsByKindAndKeptInsideTheScreen)
{
    QWidget owner;
    THTMLHintWindow window(&owner);
    const QString html = QStringLiteral("<b>bold</b> text");
    const platform::TRect measured = window.CalcHintRect(1008, html);
    window.ActivateHint(platform::Rect(10, 10, 10, 10), html);
    EXPECT_EQ(window.width(), measured.Right + 16);
    EXPECT_EQ(window.height(), measured.Bottom + 4);

    const QString wide = QStringLiteral("|\\") + QString(QChar(0)) + QChar(u'W') + QChar(0) + QChar(u'x');
    const platform::TRect wideSize = window.CalcHintRect(1008, wide);
    window.ActivateHint(platform::Rect(10, 10, 10, 10), wide);
    EXPECT_EQ(window.width(), wideSize.Right + 8);
    EXPECT_EQ(window.height(), wideSize.Bottom + 4);

    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QString longText(300, u'm');
    window.ActivateHint(platform::Rect(screen.right() - 20, 10, screen.right() - 20, 10), longText);
    EXPECT_EQ(window.geometry().right() + 1, screen.x() + screen.width() - 2);
}

// --- balloons ------------------------------------------------------------------------------

TEST_F(HoverTest, BalloonSettingsMakeTheirWindowAndCutLongTextsAndTitles)
{
    TBalloonSettings &balloon = grid.Balloon();
    balloon.Transparency = 55;
    balloon.setEnable(true);
    ASSERT_NE(grid.BalloonWindow(), nullptr);
    EXPECT_EQ(grid.BalloonWindow()->Alpha, 200);
    EXPECT_FALSE(grid.BalloonWindow()->InitialDelay.has_value()) << "no delay of -1 is set";
    EXPECT_FALSE(grid.BalloonWindow()->AutoHideDelay.has_value());

    grid.setCells(1, 1, QString(3000, u'x'));
    grid.setCells(1, 2, QStringLiteral("\r\n\tone\ttwo"));
    grid.OnCellBalloon = [](TExStringGrid *, int, int ARow, QString &title, QString &, int &icon) {
        if (ARow == 1) {
            title = QString(150, u't');
            icon = 7;
        }
    };
    QString title, text;
    int icon = 0;
    ASSERT_TRUE(grid.BalloonText(1, 1, title, text, icon));
    EXPECT_EQ(text, QString(2045, u'x') + QStringLiteral("..."));
    EXPECT_EQ(title, QString(97, u't') + QStringLiteral("..."));
    ASSERT_TRUE(grid.BalloonText(1, 2, title, text, icon));
    EXPECT_EQ(text, QStringLiteral("one two"));
    EXPECT_EQ(title, QStringLiteral(" "));
    EXPECT_EQ(icon, 1);

    grid.show();
    settle();
    askHint(grid, mid(1, 1));
    EXPECT_TRUE(grid.BalloonWindow()->isVisible());
    EXPECT_EQ(grid.BalloonWindow()->Icon(), 0) << "an icon beyond 3 shows none";
    EXPECT_EQ(grid.LastBalloonPos(), (TGridCoord{1, 1}));
    viewtest::moveTo(grid, mid(3, 3));
    EXPECT_FALSE(grid.BalloonWindow()->isVisible());

    balloon.setEnable(false);
    EXPECT_EQ(grid.BalloonWindow(), nullptr) << "switched off, its window goes";
}

TEST(BalloonSettings, AssignLeavesTransparencyAndTellsNobody)
{
    TBalloonSettings from;
    from.setEnable(true);
    from.TextColor = 0x112233;
    from.InitialDelay = 100;
    from.Transparency = 9;
    TBalloonSettings to;
    to.Transparency = 4;
    int told = 0;
    to.OnEnableChange = [&] { ++told; };
    to.Assign(from);
    EXPECT_TRUE(to.Enable());
    EXPECT_EQ(to.TextColor, 0x112233u);
    EXPECT_EQ(to.InitialDelay, 100);
    EXPECT_EQ(to.Transparency, 4);
    EXPECT_EQ(told, 0);
}

// --- following the form ---------------------------------------------------------------------

TEST(FormFollowing, TheGridGrowsWithItsFormAndIgnoresASizeThatWouldNotBePositive)
{
    QWidget form;
    form.resize(400, 300);
    TExStringGrid grid(&form);
    grid.setGeometry(10, 10, 200, 100);
    form.show();
    settle();
    grid.setSizeWithForm(true);
    const auto served = [&](QSize size) {
        form.resize(size);
        const QDeadlineTimer limit(5000);
        while (form.size() != size && !limit.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        settle();
    };
    served(QSize(450, 330));
    EXPECT_EQ(grid.size(), QSize(250, 130));
    served(QSize(100, 330));
    EXPECT_EQ(grid.size(), QSize(250, 130)) << "a width of -100 is refused";
}

} // namespace
