// The mouse on cell objects, driven by real mouse events: a rating takes
// the half star under the press and never leaves its scale, a button clicks
// only when released inside, an expand button sizes its row, the button
// under the mouse draws hot, and the bar over a scroll-bar cell steps by 10
// within its range.
#include "MouseEvents.h"

#include "ViewFixture.h"

#include "controls/grid/model/ExGrid.h"
#include "controls/grid/view/GridAppearance.h"

#include <QScrollBar>
#include <gtest/gtest.h>

#include <vector>

namespace {

using controls::TExStringGrid;
using viewtest::centre;
using viewtest::click;
using viewtest::moveTo;
using viewtest::sendMouse;

struct Event {
    int col;
    int row;
    friend bool operator==(const Event &, const Event &) = default;
};

struct CellObjectMouseTest : testing::Test {
    TExStringGrid grid;
    std::vector<Event> buttonClicks;
    std::vector<Event> cellClicks;

    void SetUp() override
    {
        grid.setScrollBars(controls::ssNone);
        grid.setColCount(4);
        grid.setRowCount(6);
        grid.resize(400, 250);
        grid.setColWidths(1, 150);
        grid.setRowHeights(1, 30);
        grid.setOptions(grid.Options() | controls::goEditing);
        grid.OnButtonClick = [this](TExStringGrid *, int ACol, int ARow) { buttonClicks.push_back({ACol, ARow}); };
        grid.OnClickCell = [this](TExStringGrid *, int ARow, int ACol) { cellClicks.push_back({ACol, ARow}); };
    }
    // Painting puts each button where the mouse finds it.
    void paint() { (void)grid.paintToImage(); }
    QPoint buttonCentre(int col, int row) { return centre(grid.GetCellButtonRect(col, row)); }
};

TEST_F(CellObjectMouseTest, RatingTakesTheHalfStarUnderThePressWithinItsScale)
{
    grid.AddRating(1, 1, 5, 0x0000FF, 0x808080);
    grid.setCells(1, 1, QStringLiteral("3"));
    const platform::TRect r = grid.CellRect(1, 1);
    struct Case {
        int offset;
        double rate;
    };
    // Half a star every 9 pixels; a press beyond the stars is the whole scale.
    const Case cases[] = {{20, 1.0}, {8, 0.0}, {9, 0.5}, {44, 2.0}, {89, 4.5}, {140, 5.0}};
    for (const Case &c : cases) {
        click(grid, QPoint(r.Left + c.offset, r.Top + 8));
        EXPECT_EQ(grid.Floats(1, 1), c.rate) << c.offset;
    }

    // The owner may refuse the rate or change it.
    grid.OnRatingChange = [](TExStringGrid *, int ACol, int ARow, double &NewRate, bool &Allow) {
        Allow = NewRate <= 2;
        NewRate += 0.5;
    };
    click(grid, QPoint(r.Left + 60, r.Top + 8)); // 3: refused
    EXPECT_EQ(grid.Floats(1, 1), 5.0);
    click(grid, QPoint(r.Left + 20, r.Top + 8)); // 1, made 1.5
    EXPECT_EQ(grid.Floats(1, 1), 1.5);

    // A cell that cannot be edited keeps its rate.
    grid.OnRatingChange = nullptr;
    grid.setOptions(grid.Options() & ~controls::goEditing);
    click(grid, QPoint(r.Left + 80, r.Top + 8));
    EXPECT_EQ(grid.Floats(1, 1), 1.5);
}

TEST_F(CellObjectMouseTest, ButtonClicksOnlyWhenReleasedInsideTheButtonItPushed)
{
    grid.AddButton(1, 1, 60, 20, QStringLiteral("Go"), controls::haLeft, controls::vaTop);
    grid.AddButton(2, 1, 40, 20, QStringLiteral("Other"), controls::haLeft, controls::vaTop);
    paint();
    const QPoint go = buttonCentre(1, 1);

    sendMouse(grid, QEvent::MouseButtonPress, Qt::LeftButton, go);
    EXPECT_TRUE(grid.GetCellGraphic(1, 1)->FCellBoolean) << "drawn pushed while held";
    EXPECT_EQ(cellClicks, (std::vector<Event>{{1, 1}}));
    EXPECT_EQ(grid.Col(), 1) << "the button's cell becomes current";
    sendMouse(grid, QEvent::MouseButtonRelease, Qt::LeftButton, go + QPoint(0, 60));
    EXPECT_TRUE(buttonClicks.empty()) << "released outside";
    EXPECT_FALSE(grid.GetCellGraphic(1, 1)->FCellBoolean);

    sendMouse(grid, QEvent::MouseButtonPress, Qt::LeftButton, go);
    sendMouse(grid, QEvent::MouseButtonRelease, Qt::LeftButton, buttonCentre(2, 1));
    EXPECT_TRUE(buttonClicks.empty()) << "released on another button";

    click(grid, go);
    EXPECT_EQ(buttonClicks, (std::vector<Event>{{1, 1}}));

    // Beside the button the press is the cell's as usual.
    const platform::TRect cell = grid.CellRect(1, 1);
    click(grid, QPoint(cell.Right - 10, cell.Bottom - 4));
    EXPECT_EQ(buttonClicks.size(), 1u);
    EXPECT_FALSE(grid.GetCellGraphic(1, 1)->FCellBoolean);
}

TEST_F(CellObjectMouseTest, AButtonOfAReadOnlyCellNeverStaysPushed)
{
    grid.AddButton(1, 1, 60, 20, QStringLiteral("Go"), controls::haLeft, controls::vaTop);
    grid.setReadOnly(1, 1, true);
    paint();
    click(grid, buttonCentre(1, 1));
    EXPECT_FALSE(grid.GetCellGraphic(1, 1)->FCellBoolean);
    EXPECT_TRUE(buttonClicks.empty()) << "disabled";
    grid.ControlLook().NoDisabledButtonLook = true;
    click(grid, buttonCentre(1, 1));
    EXPECT_EQ(buttonClicks.size(), 1u);
}

TEST_F(CellObjectMouseTest, ButtonsOfHiddenColumnsMoveWithTheirCells)
{
    grid.setColCount(5);
    grid.AddButton(3, 1, 50, 20, QStringLiteral("Go"), controls::haLeft, controls::vaTop);
    grid.HideColumn(1);
    paint();
    click(grid, buttonCentre(2, 1)); // real column 3 shows as display column 2
    EXPECT_EQ(buttonClicks, (std::vector<Event>{{2, 1}}));
}

TEST_F(CellObjectMouseTest, ADoubleClickOnAButtonIsTheButtonsAlone)
{
    int dbl = 0;
    grid.OnDblClickCell = [&](TExStringGrid *, int, int) { ++dbl; };
    grid.AddButton(1, 1, 60, 20, QStringLiteral("Go"), controls::haLeft, controls::vaTop);
    paint();
    viewtest::doubleClick(grid, buttonCentre(1, 1));
    EXPECT_EQ(dbl, 0);
    EXPECT_EQ(buttonClicks.size(), 1u);
}

TEST_F(CellObjectMouseTest, ExpandButtonTogglesTheRowBetweenItsHeights)
{
    std::vector<bool> states;
    grid.OnExpandClick = [&](TExStringGrid *, int, int, bool Expanded) { states.push_back(Expanded); };
    grid.AddExpand(1, 1, 90);
    paint();
    const platform::TRect box = grid.GetExpandButtonRect(1, 1);
    click(grid, centre(box));
    EXPECT_EQ(grid.RowHeights(1), 90);
    EXPECT_TRUE(grid.GetExpandState(1, 1));
    paint();
    click(grid, centre(grid.GetExpandButtonRect(1, 1)));
    EXPECT_EQ(grid.RowHeights(1), 30);
    EXPECT_EQ(states, (std::vector<bool>{true, false}));

    // Beside the box nothing expands.
    click(grid, QPoint(box.Left - 30, box.Top + 5));
    EXPECT_EQ(grid.RowHeights(1), 30);
}

TEST_F(CellObjectMouseTest, TheButtonUnderTheMouseIsHot)
{
    // The tone look shows the hover tone.
    grid.Appearance().Flat = true;
    grid.Appearance().Tones.Background.BrushColor = 0xF0F0F0;
    grid.Appearance().Tones.Hover.BrushColor = 0x00C0FF;
    grid.AddButton(1, 1, 60, 20, QStringLiteral("Go"), controls::haLeft, controls::vaTop);
    paint();
    const QPoint middle = buttonCentre(1, 1);
    const auto tone = [](const QImage &image, QPoint p) { return viewtest::at(image, p.x() - 20, p.y()); };
    EXPECT_EQ(tone(grid.paintToImage(), middle), 0xF0F0F0);
    moveTo(grid, middle);
    EXPECT_EQ(grid.HoverButton().X, 1);
    EXPECT_EQ(grid.HoverButton().Y, 1);
    EXPECT_EQ(tone(grid.paintToImage(), middle), 0x00C0FF) << "drawn hot";
    const platform::TRect cell = grid.CellRect(1, 1);
    moveTo(grid, QPoint(cell.Right - 5, cell.Bottom - 3));
    EXPECT_EQ(grid.HoverButton().X, -1);
}

TEST_F(CellObjectMouseTest, BarOverAScrollBarCellStepsByTenWithinItsRange)
{
    std::vector<int> positions;
    grid.OnScrollCell = [&](TExStringGrid *, int ACol, int ARow, int Pos, int Min, int Max) {
        EXPECT_EQ(ACol, 1);
        EXPECT_EQ(ARow, 1);
        EXPECT_EQ(Min, 0);
        EXPECT_EQ(Max, 75);
        positions.push_back(Pos);
    };
    grid.AddScrollBar(1, 1, false);
    grid.SetScrollProp(1, 1, controls::TScrollProp{30, 75}); // the text's end shows at 45
    grid.show();
    moveTo(grid, centre(grid.CellRect(1, 1)));
    QScrollBar *bar = grid.InCellScrollBar();
    ASSERT_NE(bar, nullptr);
    ASSERT_TRUE(bar->isVisible());
    const platform::TRect cell = grid.CellRect(1, 1);
    const QRect place(bar->mapTo(&grid, QPoint(0, 0)), bar->size());
    EXPECT_EQ(place.right() + 1, cell.Right - grid.GridLineWidth()) << "at the cell's right edge";
    EXPECT_EQ(place.width(), 17);

    const QPoint down(bar->width() / 2, bar->height() - 3);
    for (int i = 0; i < 6; ++i)
        click(*bar, down);
    EXPECT_EQ(positions, (std::vector<int>{10, 20, 30, 40, 45})) << "the last step stops at the end";
    EXPECT_EQ(grid.GetScrollPosition(1, 1), 45);
    click(*bar, QPoint(bar->width() / 2, 3));
    EXPECT_EQ(grid.GetScrollPosition(1, 1), 35);

    positions.clear();
    EXPECT_TRUE(grid.InCellScroll(2, 0)); // a page up
    EXPECT_FALSE(grid.InCellScroll(0, 0)) << "already at the top";
    EXPECT_TRUE(grid.InCellScroll(5, 500)); // the thumb dragged past the end
    EXPECT_EQ(positions, (std::vector<int>{0, 45}));

    moveTo(grid, centre(grid.CellRect(2, 2)));
    EXPECT_FALSE(bar->isVisible()) << "another cell hides the bar";
}

TEST_F(CellObjectMouseTest, TheLiveBarMovesWithItsCellWhenTheGridScrolls)
{
    grid.setRowCount(30);
    grid.AddScrollBar(1, 3, false);
    grid.SetScrollProp(1, 3, controls::TScrollProp{20, 80});
    grid.show();
    moveTo(grid, centre(grid.CellRect(1, 3)));
    QScrollBar *bar = grid.InCellScrollBar();
    ASSERT_NE(bar, nullptr);
    ASSERT_TRUE(bar->isVisible());

    grid.setTopRow(2); // the wheel scrolls; the mouse stays where it was
    (void)grid.paintToImage();
    EXPECT_TRUE(bar->isVisible());
    EXPECT_EQ(bar->mapTo(&grid, QPoint(0, 0)).y(), grid.CellRect(1, 3).Top + grid.GridLineWidth());

    grid.setTopRow(10); // out of view
    (void)grid.paintToImage();
    EXPECT_FALSE(bar->isVisible());
}

} // namespace
