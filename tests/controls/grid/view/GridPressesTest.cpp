// Presses that report rather than select: cell-selector mode, fixed cells
// pressed in as buttons, check boxes that mark their row and tell the
// owner, a header check box that sets its column; and the cursor the
// pointer shows over the headers. All through real mouse events.
#include "MouseEvents.h"
#include "ViewFixture.h"

#include "platform/Color.h"
#include "platform/ui/GridCursors.h"

#include <QMouseEvent>

using namespace controls;
using namespace viewtest;

namespace {

struct GridPressesTest : ViewTest {
    void SetUp() override
    {
        ViewTest::SetUp();
        grid.setColCount(4);
        grid.setRowCount(6);
    }
    QPoint mid(int col, int row) const { return centre(grid.CellRect(col, row)); }
    QPoint checkPoint(int col, int row) const
    {
        const TRect r = grid.CellRect(col, row);
        return {r.Left + 4, r.Top + 4};
    }
};

TEST_F(GridPressesTest, CellSelectorModeOnlyReportsThePressedCell)
{
    std::vector<std::pair<int, int>> reported;
    struct SelectorGrid : TExStringGrid {
        std::vector<std::pair<int, int>> *out = nullptr;
        void CellSelectorClick(int ACol, int ARow) override { out->push_back({ACol, ARow}); }
    } selector;
    selector.out = &reported;
    selector.resize(300, 200);
    selector.CellSelectorMode = true;
    int clicks = 0;
    selector.OnClickCell = [&](TExStringGrid *, int, int) { ++clicks; };
    click(selector, centre(selector.CellRect(3, 2)));
    click(selector, centre(selector.CellRect(2, 0)));
    EXPECT_EQ(reported, (std::vector<std::pair<int, int>>{{3, 2}, {2, 0}}));
    EXPECT_EQ(selector.Row(), 1) << "nothing selected";
    EXPECT_EQ(selector.Col(), 1);
    EXPECT_EQ(clicks, 0);

    moveTo(selector, centre(selector.CellRect(2, 2)));
    EXPECT_EQ(platform::gridCursorId(selector.cursor()), platform::crGridCellSelector);
}

TEST_F(GridPressesTest, FixedCellsAsButtonsSinkWhilePressedAndRiseOnRelease)
{
    grid.FixedAsButtons = true;
    const TRect r = grid.CellRect(2, 0);
    const QImage up = paint();
    sendMouse(grid, QEvent::MouseButtonPress, Qt::LeftButton, mid(2, 0));
    const QImage down = paint();
    // Sunken: the dark shadow on the left and top, the light on the right and bottom.
    EXPECT_EQ(at(down, r.Left, r.Top + 5), platform::ColorToRGB(platform::cl3DDkShadow));
    EXPECT_EQ(at(down, r.Right - 1, r.Top + 5), platform::ColorToRGB(platform::cl3DLight));
    sendMouse(grid, QEvent::MouseButtonRelease, Qt::LeftButton, mid(2, 0));
    EXPECT_TRUE(differenceBox(up, paint(), platform::Rect(0, 0, grid.width(), grid.height())).isEmpty());

    // Without the fixed lines (or in a flat grid) there is no edge to press in.
    grid.setOptions(grid.Options() & ~TGridOptions(goFixedHorzLine));
    const QImage plain = paint();
    sendMouse(grid, QEvent::MouseButtonPress, Qt::LeftButton, mid(2, 0));
    EXPECT_TRUE(differenceBox(plain, paint(), platform::Rect(0, 0, grid.width(), grid.height())).isEmpty());
    sendMouse(grid, QEvent::MouseButtonRelease, Qt::LeftButton, mid(2, 0));

    grid.setOptions(grid.Options() | goFixedHorzLine);
    grid.Appearance().Flat = true;
    const QImage flat = paint();
    sendMouse(grid, QEvent::MouseButtonPress, Qt::LeftButton, mid(0, 3));
    EXPECT_TRUE(differenceBox(flat, paint(), platform::Rect(0, 0, grid.width(), grid.height())).isEmpty());
    sendMouse(grid, QEvent::MouseButtonRelease, Qt::LeftButton, mid(0, 3));
}

TEST_F(GridPressesTest, ACheckBoxPressTellsTheOwnerTheNewStateAndMarksItsRow)
{
    grid.setOptions(grid.Options() | goEditing);
    grid.Appearance().ShowModified.Enabled = true;
    grid.AddCheckBox(2, 3, false, false);
    std::vector<std::tuple<int, int, bool>> told;
    grid.OnCheckBoxClick = [&](TExStringGrid *, int ACol, int ARow, bool State) { told.push_back({ACol, ARow, State}); };
    click(grid, checkPoint(2, 3));
    click(grid, checkPoint(2, 3));
    EXPECT_EQ(told, (std::vector<std::tuple<int, int, bool>>{{2, 3, true}, {2, 3, false}}));
    EXPECT_TRUE(grid.RowModified(3));
    EXPECT_FALSE(grid.RowModified(2));

    // Space on the current check box cell tells the same.
    grid.setFocus();
    grid.FocusCell(2, 3);
    QKeyEvent space(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    QCoreApplication::sendEvent(&grid, &space);
    ASSERT_EQ(told.size(), 3u);
    EXPECT_EQ(told.back(), (std::tuple<int, int, bool>{2, 3, true}));
}

TEST_F(GridPressesTest, AHeaderCheckBoxWithCheckAllCheckSetsTheWholeColumn)
{
    grid.setOptions(grid.Options() | goEditing);
    grid.MouseActions().CheckAllCheck = true;
    grid.AddCheckBox(2, 0, false, false);
    for (int row = 1; row < grid.RowCount(); ++row)
        grid.AddCheckBox(2, row, row == 2, false);
    click(grid, checkPoint(2, 0));
    for (int row = 1; row < grid.RowCount(); ++row) {
        bool state = false;
        ASSERT_TRUE(grid.GetCheckBoxState(2, row, state));
        EXPECT_TRUE(state) << row;
    }
    click(grid, checkPoint(2, 0));
    bool state = true;
    grid.GetCheckBoxState(2, 4, state);
    EXPECT_FALSE(state);

    grid.MouseActions().CheckAllCheck = false;
    click(grid, checkPoint(2, 0));
    grid.GetCheckBoxState(2, 4, state);
    EXPECT_FALSE(state) << "without CheckAllCheck the header box stands alone";
}

TEST_F(GridPressesTest, TheHeaderCursorShowsWhatAPressWouldSelect)
{
    grid.setOptions(grid.Options() | goRangeSelect | goColSizing);
    grid.MouseActions().ColSelect = true;
    grid.MouseActions().RowSelect = true;
    grid.MouseActions().AllSelect = true;
    struct Case {
        QPoint point;
        int cursor; // 0: the plain arrow
    };
    const TRect header = grid.CellRect(2, 0);
    const Case cases[] = {
        {mid(2, 0), platform::crGridColSelect},
        {mid(0, 3), platform::crGridRowSelect},
        {mid(0, 0), platform::crGridSelectAll},
        {mid(2, 3), 0},
        {QPoint(header.Right - 1, header.Top + 5), 0}, // the column's sizing border
    };
    for (const Case &c : cases) {
        moveTo(grid, c.point);
        EXPECT_EQ(platform::gridCursorId(grid.cursor()), c.cursor) << c.point.x() << "," << c.point.y();
    }
    moveTo(grid, QPoint(header.Right - 1, header.Top + 5));
    EXPECT_EQ(grid.cursor().shape(), Qt::SplitHCursor);

    int asked = 0;
    grid.OnGetCellCursor = [&](TExStringGrid *, int ACol, int ARow, int, int, QCursor &c) {
        ++asked;
        if (ACol == 3 && ARow == 4)
            c = QCursor(Qt::IBeamCursor);
    };
    moveTo(grid, mid(3, 4));
    EXPECT_EQ(grid.cursor().shape(), Qt::IBeamCursor);
    moveTo(grid, mid(2, 0));
    EXPECT_EQ(platform::gridCursorId(grid.cursor()), platform::crGridColSelect) << "the header's cursor wins";
    EXPECT_EQ(asked, 1);
}

TEST(GridCursors, EveryIdIsAPictureOfItsOwnWithItsHotSpotInside)
{
    std::vector<qint64> keys;
    for (int id : {8000, 8001, 8002, 8003, 8004, 8005, 8006, 8007, 8008, 8009, 8010, 8011, 8012, 8014}) {
        const QCursor c = platform::gridCursor(id);
        ASSERT_EQ(c.shape(), Qt::BitmapCursor) << id;
        EXPECT_EQ(platform::gridCursorId(c), id);
        EXPECT_TRUE(QRect(0, 0, 32, 32).contains(c.hotSpot())) << id;
        const QImage image = c.pixmap().toImage();
        EXPECT_GT(qAlpha(image.pixel(c.hotSpot())) + qAlpha(image.pixel(15, 15)), 0) << id << ": drawn near its hot spot";
        keys.push_back(c.pixmap().cacheKey());
    }
    std::sort(keys.begin(), keys.end());
    EXPECT_EQ(std::unique(keys.begin(), keys.end()), keys.end()) << "no two alike";
    EXPECT_EQ(platform::gridCursor(8013).shape(), Qt::ArrowCursor) << "there is no 8013";
    EXPECT_EQ(platform::gridCursorId(QCursor(Qt::ArrowCursor)), 0);
}

} // namespace
