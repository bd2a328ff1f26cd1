// The grid the base grid stands on, alone: key walks, selection, sizing
// zones, moving, scrolling and the editor.
#include "GridEvents.h"
#include "GridPrinters.h"
#include "controls/grid/base/widget/CellGrid.h"

#include <QScrollBar>
#include <gtest/gtest.h>

#include <climits>
#include <vector>

using namespace controls;
using gridtest::key;

namespace {

// A grid that counts its notifications and reaches its object slots.
class ProbeGrid : public TCellGrid {
public:
    int widthsChanged = 0;
    int sizeChanges = 0;
    std::vector<std::pair<int, int>> columnMoves;

    using TCellGrid::gridObjectSlot;
    void putObject(int col, int row, std::unique_ptr<TGridObject> object)
    {
        putGridObjectSlot(col, row, std::move(object));
    }

protected:
    void GridColWidthsChanged() override { ++widthsChanged; }
    void GridSizeChanged(int, int) override { ++sizeChanges; }
    void GridColumnMoved(int from, int to) override
    {
        columnMoves.emplace_back(from, to);
        TCellGrid::GridColumnMoved(from, to);
    }
};

constexpr TGridOptions kDefaults = goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine | goRangeSelect;

// 10 x 30 cells of 64 x 24 with 1-pixel lines in 300 x 200 pixels without
// scroll bars: three columns and seven rows wholly in view, the last view
// starting at column 7 and row 23.
struct CellGridTest : testing::Test {
    ProbeGrid grid;
    void SetUp() override
    {
        grid.setScrollBars(ssNone);
        grid.resize(300, 200);
        grid.setColCount(10);
        grid.setRowCount(30);
    }
    void place(TGridCoord cell, TGridCoord topLeft)
    {
        grid.MoveColRow(cell.X, cell.Y, true, false);
        grid.setLeftCol(topLeft.X);
        grid.setTopRow(topLeft.Y);
    }
    TGridCoord current() const { return {grid.Col(), grid.Row()}; }
    TGridCoord topLeft() const { return {grid.LeftCol(), grid.TopRow()}; }
    // The centre of a visible cell.
    QPoint at(int col, int row) const
    {
        const platform::TRect r = grid.CellRect(col, row);
        return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    }
};

struct KeyWalk {
    const char *name;
    TGridOptions options;
    TGridCoord from;
    TGridCoord fromTopLeft;
    int qtKey;
    Qt::KeyboardModifiers mods;
    TGridCoord to;
    TGridCoord toTopLeft;
    TGridRect selection;
};

const Qt::KeyboardModifiers kNone = Qt::NoModifier;
const Qt::KeyboardModifiers kCtrl = Qt::ControlModifier;
const Qt::KeyboardModifiers kShift = Qt::ShiftModifier;

const KeyWalk kWalks[] = {
    {"down", kDefaults, {1, 1}, {1, 1}, Qt::Key_Down, kNone, {1, 2}, {1, 1}, {1, 2, 1, 2}},
    {"up stops at the fixed rows", kDefaults, {1, 1}, {1, 1}, Qt::Key_Up, kNone, {1, 1}, {1, 1}, {1, 1, 1, 1}},
    {"left stops at the fixed columns", kDefaults, {1, 1}, {1, 1}, Qt::Key_Left, kNone, {1, 1}, {1, 1}, {1, 1, 1, 1}},
    {"right stops at the last column", kDefaults, {9, 1}, {7, 1}, Qt::Key_Right, kNone, {9, 1}, {7, 1}, {9, 1, 9, 1}},
    {"down past the view scrolls one row", kDefaults, {1, 7}, {1, 1}, Qt::Key_Down, kNone, {1, 8}, {1, 2}, {1, 8, 1, 8}},
    {"right past the view scrolls one column", kDefaults, {3, 1}, {1, 1}, Qt::Key_Right, kNone, {4, 1}, {2, 1},
     {4, 1, 4, 1}},
    {"page down moves cell and view by a page", kDefaults, {1, 1}, {1, 1}, Qt::Key_PageDown, kNone, {1, 8}, {1, 8},
     {1, 8, 1, 8}},
    {"page down on the last page stops at the last row", kDefaults, {1, 25}, {1, 23}, Qt::Key_PageDown, kNone,
     {1, 29}, {1, 23}, {1, 29, 1, 29}},
    {"page up stops at the first row", kDefaults, {1, 5}, {1, 3}, Qt::Key_PageUp, kNone, {1, 1}, {1, 1}, {1, 1, 1, 1}},
    {"ctrl page down: the last row of the page", kDefaults, {1, 1}, {1, 1}, Qt::Key_PageDown, kCtrl, {1, 7}, {1, 1},
     {1, 7, 1, 7}},
    {"ctrl page up: the first row of the page", kDefaults, {1, 9}, {1, 5}, Qt::Key_PageUp, kCtrl, {1, 5}, {1, 5},
     {1, 5, 1, 5}},
    {"home: the first column", kDefaults, {5, 5}, {3, 1}, Qt::Key_Home, kNone, {1, 5}, {1, 1}, {1, 5, 1, 5}},
    {"end: the last column", kDefaults, {2, 5}, {1, 1}, Qt::Key_End, kNone, {9, 5}, {7, 1}, {9, 5, 9, 5}},
    {"ctrl home: the first cell", kDefaults, {5, 9}, {3, 4}, Qt::Key_Home, kCtrl, {1, 1}, {1, 1}, {1, 1, 1, 1}},
    {"ctrl end: the last cell", kDefaults, {1, 1}, {1, 1}, Qt::Key_End, kCtrl, {9, 29}, {7, 23}, {9, 29, 9, 29}},
    {"ctrl right: a page of columns", kDefaults, {1, 1}, {1, 1}, Qt::Key_Right, kCtrl, {4, 1}, {4, 1}, {4, 1, 4, 1}},
    {"shift extends the selection", kDefaults, {2, 2}, {1, 1}, Qt::Key_Down, kShift, {2, 3}, {1, 1}, {2, 2, 2, 3}},
    {"shift without range selection only moves", kDefaults & ~TGridOptions(goRangeSelect), {2, 2}, {1, 1},
     Qt::Key_Down, kShift, {2, 3}, {1, 1}, {2, 3, 2, 3}},
    {"tab goes along the row", kDefaults | goTabs, {2, 2}, {1, 1}, Qt::Key_Tab, kNone, {3, 2}, {1, 1}, {3, 2, 3, 2}},
    {"tab wraps to the next row", kDefaults | goTabs, {9, 2}, {7, 1}, Qt::Key_Tab, kNone, {1, 3}, {1, 1},
     {1, 3, 1, 3}},
    {"shift tab wraps back", kDefaults | goTabs, {1, 3}, {1, 1}, Qt::Key_Backtab, kShift, {9, 2}, {7, 1},
     {9, 2, 9, 2}},
    {"tab ends at the last cell", kDefaults | goTabs, {9, 29}, {7, 23}, Qt::Key_Tab, kNone, {9, 29}, {7, 23},
     {9, 29, 9, 29}},
    {"tab without goTabs leaves the cell", kDefaults, {2, 2}, {1, 1}, Qt::Key_Tab, kNone, {2, 2}, {1, 1},
     {2, 2, 2, 2}},
    {"row select: right scrolls", kDefaults | goRowSelect, {2, 3}, {1, 1}, Qt::Key_Right, kNone, {2, 3}, {2, 1},
     {1, 3, 9, 3}},
    {"row select: end goes to the last row", kDefaults | goRowSelect, {2, 3}, {1, 1}, Qt::Key_End, kNone, {2, 29},
     {1, 23}, {1, 29, 9, 29}},
};

} // namespace

TEST_F(CellGridTest, FreshGridHasTheClassicShape)
{
    TCellGrid fresh;
    EXPECT_EQ(fresh.ColCount(), 5);
    EXPECT_EQ(fresh.RowCount(), 5);
    EXPECT_EQ(fresh.FixedCols(), 1);
    EXPECT_EQ(fresh.FixedRows(), 1);
    EXPECT_EQ(fresh.DefaultColWidth(), 64);
    EXPECT_EQ(fresh.Options(), kDefaults);
    EXPECT_EQ(TGridCoord(fresh.Col(), fresh.Row()), TGridCoord(1, 1));
}

TEST_F(CellGridTest, KeysWalkTheCurrentCell)
{
    for (const KeyWalk &w : kWalks) {
        SCOPED_TRACE(w.name);
        grid.setOptions(w.options);
        place(w.from, w.fromTopLeft);
        ASSERT_EQ(topLeft(), w.fromTopLeft);
        key(grid, w.qtKey, w.mods);
        EXPECT_EQ(current(), w.to);
        EXPECT_EQ(topLeft(), w.toTopLeft);
        EXPECT_EQ(grid.Selection(), w.selection);
    }
}

TEST_F(CellGridTest, ARefusedCellKeepsTheCurrentOne)
{
    grid.OnSelectCell = [](TCellGrid *, int col, int row, bool &canSelect) { canSelect = row != 3; };
    place({1, 2}, {1, 1});
    key(grid, Qt::Key_Down);
    EXPECT_EQ(current(), TGridCoord(1, 2));
    key(grid, Qt::Key_Right);
    EXPECT_EQ(current(), TGridCoord(2, 2));
}

TEST_F(CellGridTest, DraggingSelectsARangeAndScrollsPastTheEdge)
{
    gridtest::drag(grid, at(2, 2), at(3, 5));
    EXPECT_EQ(grid.Selection(), TGridRect(2, 2, 3, 5));
    EXPECT_EQ(current(), TGridCoord(3, 5));
    EXPECT_EQ(grid.Anchor(), TGridCoord(2, 2));

    // Shift and a click extend from the anchor.
    gridtest::press(grid, at(1, 1), Qt::ShiftModifier);
    gridtest::release(grid, at(1, 1));
    EXPECT_EQ(grid.Selection(), TGridRect(1, 1, 2, 2));

    // Below the view the selection grows a row per move, the view with it.
    gridtest::press(grid, at(1, 6));
    gridtest::moveTo(grid, {100, 250});
    gridtest::moveTo(grid, {100, 250});
    gridtest::release(grid, {100, 250});
    EXPECT_EQ(grid.Selection(), TGridRect(1, 6, 1, 9));
    EXPECT_EQ(grid.TopRow(), 3);

    grid.setOptions(kDefaults & ~TGridOptions(goRangeSelect));
    gridtest::drag(grid, at(1, 4), at(2, 5));
    EXPECT_EQ(grid.Selection(), TGridRect(1, 4, 1, 4)) << "a click without range selection selects one cell";
}

TEST_F(CellGridTest, SizingZonesLieAroundTheLinesOfFixedCells)
{
    // Column 0 ends at 64, its line is pixel 64; row 0 ends at 24.
    struct Zone {
        int x, y;
        TGridOptions options;
        TGridState state; // after the press
    };
    const TGridOptions both = kDefaults | goColSizing | goRowSizing;
    const Zone zones[] = {
        {64, 5, both, gsColSizing},     {61, 5, both, gsColSizing},  {67, 5, both, gsColSizing},
        {60, 5, both, gsNormal},        {68, 5, both, gsNormal},     {129, 5, both, gsColSizing},
        {64, 30, both, gsNormal},       {64, 5, kDefaults, gsNormal}, {5, 24, both, gsRowSizing},
        {5, 49, both, gsRowSizing},     {5, 45, both, gsNormal},     {40, 49, both, gsRowSizing},
        {80, 49, both, gsSelecting}, // a normal cell: range selection starts
    };
    for (const Zone &z : zones) {
        SCOPED_TRACE(testing::Message() << "at " << z.x << ", " << z.y);
        grid.setOptions(z.options);
        gridtest::press(grid, {z.x, z.y});
        EXPECT_EQ(grid.GridState(), z.state);
        gridtest::release(grid, {z.x, z.y});
        EXPECT_EQ(grid.GridState(), gsNormal);
    }
}

TEST_F(CellGridTest, DraggingALineResizesOnceTheMouseIsReleased)
{
    grid.setOptions(kDefaults | goColSizing | goRowSizing);
    grid.widthsChanged = 0;
    gridtest::press(grid, {130, 5}); // one pixel right of column 1's right edge
    gridtest::moveTo(grid, {150, 5});
    EXPECT_EQ(grid.ColWidths(1), 84);
    EXPECT_EQ(grid.widthsChanged, 0);
    gridtest::release(grid, {150, 5});
    EXPECT_EQ(grid.widthsChanged, 1);

    gridtest::drag(grid, {5, 24}, {5, 10});
    EXPECT_EQ(grid.RowHeights(0), 10);
    EXPECT_EQ(grid.CellRect(1, 1).Top, 11);
}

TEST_F(CellGridTest, HeaderDragsMoveColumnsAndRowsWithEverythingInThem)
{
    grid.setOptions(kDefaults | goColMoving | goRowMoving);
    for (int col = 0; col < 4; ++col)
        grid.SetGridCell(col, 2, QString::number(col));
    grid.setColWidths(1, 30);
    grid.putObject(1, 2, std::make_unique<TGridObject>());
    const TGridObject *object = grid.gridObjectSlot(1, 2);

    gridtest::drag(grid, at(1, 0), at(3, 0));
    ASSERT_EQ(grid.columnMoves, (std::vector<std::pair<int, int>>{{1, 3}}));
    EXPECT_EQ(grid.GetGridCell(1, 2) + grid.GetGridCell(2, 2) + grid.GetGridCell(3, 2), "231");
    EXPECT_EQ(grid.ColWidths(3), 30);
    EXPECT_EQ(grid.gridObjectSlot(3, 2), object);

    gridtest::drag(grid, at(0, 2), at(0, 4));
    EXPECT_EQ(grid.GetGridCell(3, 4), "1");
    EXPECT_EQ(grid.gridObjectSlot(3, 4), object);
}

TEST_F(CellGridTest, DeletingRowsAndColumnsTakesTheirCellsAlong)
{
    for (int row = 0; row < 4; ++row)
        grid.SetGridCell(2, row, QString::number(row));
    grid.setRowHeights(2, 40);
    grid.putObject(2, 3, std::make_unique<TGridObject>());
    grid.MoveColRow(2, 3, true, true);
    grid.sizeChanges = 0;

    grid.DeleteRow(2);
    EXPECT_EQ(grid.RowCount(), 29);
    EXPECT_EQ(grid.GetGridCell(2, 2), "3");
    EXPECT_EQ(grid.RowHeights(2), 24);
    EXPECT_NE(grid.gridObjectSlot(2, 2), nullptr);
    EXPECT_EQ(current(), TGridCoord(2, 2)) << "the current cell stays on its row";

    grid.DeleteColumn(1);
    EXPECT_EQ(grid.GetGridCell(1, 2), "3");
    EXPECT_NE(grid.gridObjectSlot(1, 2), nullptr);
    EXPECT_EQ(grid.sizeChanges, 2);

    grid.DeleteRow(-1);
    grid.DeleteColumn(99);
    EXPECT_EQ(grid.sizeChanges, 2);
}

TEST_F(CellGridTest, ListsOfRowsGoAndComeBackInOneChange)
{
    for (int row = 0; row < 30; ++row)
        grid.SetGridCell(2, row, QString::number(row));
    grid.setRowHeights(5, 40);
    grid.putObject(2, 20, std::make_unique<TGridObject>());
    grid.MoveColRow(2, 20, true, false);
    grid.sizeChanges = 0;

    // Unsorted, repeated and out-of-range entries are read as the rows
    // they name.
    const std::vector<int> gone{5, 3, 3, 10, 99, -1, 11};
    grid.DeleteRowList(gone);
    EXPECT_EQ(grid.RowCount(), 26);
    EXPECT_EQ(grid.sizeChanges, 1);
    EXPECT_EQ(grid.GetGridCell(2, 3), "4");
    EXPECT_EQ(grid.GetGridCell(2, 4), "6");
    EXPECT_EQ(grid.GetGridCell(2, 7), "9");
    EXPECT_EQ(grid.GetGridCell(2, 8), "12");
    EXPECT_EQ(grid.RowHeights(4), 24);
    EXPECT_EQ(current(), TGridCoord(2, 16)) << "the current cell stays on its row";
    EXPECT_NE(grid.gridObjectSlot(2, 16), nullptr);

    const std::vector<int> back{3, 5, 10, 11};
    grid.InsertRowList(back, std::vector<int>{24, 40});
    EXPECT_EQ(grid.RowCount(), 30);
    EXPECT_EQ(grid.sizeChanges, 2);
    EXPECT_EQ(grid.RowHeights(5), 40);
    EXPECT_EQ(grid.GetGridCell(2, 5), "");
    EXPECT_EQ(grid.GetGridCell(2, 6), "6");
    EXPECT_EQ(grid.GetGridCell(2, 12), "12");
    EXPECT_EQ(current(), TGridCoord(2, 20));
    EXPECT_NE(grid.gridObjectSlot(2, 20), nullptr);

    // The current cell on a row that goes lands on the next one.
    grid.DeleteRowList(std::vector<int>{20});
    EXPECT_EQ(current(), TGridCoord(2, 20));
    EXPECT_EQ(grid.GetGridCell(2, 20), "21");
    grid.DeleteRowList({});
    EXPECT_EQ(grid.sizeChanges, 3);
}

TEST_F(CellGridTest, ScrollingStaysWithinTheCells)
{
    grid.setTopRow(100);
    EXPECT_EQ(grid.TopRow(), 29);
    grid.setTopRow(-5);
    EXPECT_EQ(grid.TopRow(), 1);
    EXPECT_EQ(grid.MaxTopRow(), 23);
    EXPECT_EQ(grid.MaxLeftCol(), 7);
    EXPECT_EQ(grid.VisibleRowCount(), 7);
    EXPECT_EQ(grid.VisibleColCount(), 3);

    grid.setTopRow(5);
    EXPECT_TRUE(platform::IsRectEmpty(grid.CellRect(1, 4))) << "scrolled out";
    EXPECT_EQ(grid.CellRect(1, 5), platform::Bounds(65, 25, 64, 24));
    EXPECT_EQ(grid.CellRect(0, 5), platform::Bounds(0, 25, 64, 24)) << "fixed columns stay";
    EXPECT_EQ(grid.MouseCoord(70, 30), TGridCoord(1, 5));
    EXPECT_EQ(grid.MouseCoord(64, 24), TGridCoord(0, 0)) << "a line belongs to the cell before it";
    EXPECT_EQ(grid.MouseCoord(299, 199), TGridCoord(4, 11));
    EXPECT_EQ(grid.MouseCoord(300, 10), TGridCoord(-1, -1));

    // The wheel moves the current row.
    place({1, 1}, {1, 1});
    gridtest::wheel(grid, {70, 30}, -120);
    gridtest::wheel(grid, {70, 30}, -120);
    EXPECT_EQ(grid.Row(), 3);
    gridtest::wheel(grid, {70, 30}, 120);
    EXPECT_EQ(grid.Row(), 2);

    // A shrinking grid pulls the view back.
    grid.setTopRow(23);
    grid.setRowCount(12);
    EXPECT_EQ(grid.TopRow(), 5);
    EXPECT_EQ(grid.MaxTopRow(), 5);
}

TEST_F(CellGridTest, ScrollBarsShowWhatIsHiddenAndScrollTheView)
{
    grid.setScrollBars(ssBoth);
    auto *vertical = grid.findChildren<QScrollBar *>().front();
    if (vertical->orientation() != Qt::Vertical)
        vertical = grid.findChildren<QScrollBar *>().back();
    ASSERT_TRUE(vertical->isVisibleTo(&grid));
    EXPECT_LT(grid.ClientWidth(), 300);
    EXPECT_EQ(vertical->maximum(), grid.MaxTopRow() - 1);
    vertical->setValue(4);
    EXPECT_EQ(grid.TopRow(), 5);
    grid.setTopRow(9);
    EXPECT_EQ(vertical->value(), 8);

    grid.setRowCount(3);
    EXPECT_FALSE(vertical->isVisibleTo(&grid)) << "every row fits";
}

TEST_F(CellGridTest, TheEditorOpensOnEnterF2OrTyping)
{
    grid.SetGridCell(2, 2, QStringLiteral("old"));
    place({2, 2}, {1, 1});
    key(grid, Qt::Key_Return);
    EXPECT_FALSE(grid.EditorMode()) << "goEditing is off";

    grid.setOptions(kDefaults | goEditing);
    key(grid, Qt::Key_F2);
    ASSERT_TRUE(grid.EditorMode());
    TInplaceEdit *editor = grid.InplaceEditor();
    EXPECT_EQ(editor->text(), "old");
    EXPECT_EQ(editor->geometry(), platform::toQRect(grid.CellRect(2, 2)));
    gridtest::type(*editor, QStringLiteral("new"));
    key(*editor, Qt::Key_Escape);
    EXPECT_FALSE(grid.EditorMode());
    EXPECT_EQ(grid.GetGridCell(2, 2), "old") << "Escape keeps the text";

    gridtest::type(grid, QStringLiteral("x")); // a character opens the editor, which takes the next ones
    ASSERT_TRUE(grid.EditorMode());
    gridtest::type(*editor, QStringLiteral("y"));
    EXPECT_EQ(editor->text(), "xy");
    key(*editor, Qt::Key_Return);
    EXPECT_EQ(grid.GetGridCell(2, 2), "xy");

    key(grid, Qt::Key_Return);
    gridtest::type(*editor, QStringLiteral("z"));
    key(*editor, Qt::Key_Down);
    EXPECT_FALSE(grid.EditorMode());
    EXPECT_EQ(grid.GetGridCell(2, 2), "z");
    EXPECT_EQ(current(), TGridCoord(2, 3)) << "the key walks on after the edit";

    grid.setOptions(kDefaults | goEditing | goRowSelect);
    key(grid, Qt::Key_F2);
    EXPECT_FALSE(grid.EditorMode()) << "no editor in row selection";
}

TEST_F(CellGridTest, OutOfRangeCellsReadEmptyAndIgnoreWrites)
{
    for (const auto &[col, row] : {std::pair{-1, 1}, {1, -1}, {10, 1}, {1, 30}}) {
        grid.SetGridCell(col, row, QStringLiteral("x"));
        EXPECT_TRUE(grid.GetGridCell(col, row).isEmpty());
        EXPECT_TRUE(platform::IsRectEmpty(grid.CellRect(col, row)));
    }
    grid.setRowCount(1);
    EXPECT_EQ(grid.FixedRows(), 1);
    EXPECT_EQ(grid.Row(), 0) << "without normal rows the current row is the last there is";
    key(grid, Qt::Key_Down);
    grid.setRowCount(0);
    grid.setColCount(0);
    key(grid, Qt::Key_End, kCtrl);
    EXPECT_TRUE(grid.paintToImage().width() == 300);
}

TEST_F(CellGridTest, ExtremeArgumentsStayWithinTheGrid)
{
    grid.SetGridCell(2, 2, QStringLiteral("kept"));
    // Each lies outside both the columns and the rows.
    for (const int v : {INT_MIN, -1, 30, INT_MAX}) {
        SCOPED_TRACE(v);
        grid.setColWidths(v, 99);
        grid.setRowHeights(v, 99);
        EXPECT_EQ(grid.ColWidths(v), 0);
        EXPECT_EQ(grid.RowHeights(v), 0);
        grid.MoveColRow(v, v, true, true);
        EXPECT_TRUE(grid.Col() >= 1 && grid.Col() < 10 && grid.Row() >= 1 && grid.Row() < 30);
        grid.setLeftCol(v);
        grid.setTopRow(v);
        EXPECT_TRUE(grid.LeftCol() >= 1 && grid.LeftCol() < 10);
        EXPECT_TRUE(grid.TopRow() >= 1 && grid.TopRow() < 30);
        if (v != 30) {
            EXPECT_EQ(grid.MouseCoord(v, v), TGridCoord(-1, -1));
        }
        grid.InvalidateCell(v, v);
        grid.InvalidateRow(v);
        grid.InvalidateCol(v);
        grid.DeleteRow(v);
        grid.DeleteColumn(v);
        grid.MoveRow(v, 2);
        grid.MoveColumn(2, v);
        grid.setSelection({v, v, v, v});
        const TGridRect s = grid.Selection();
        EXPECT_TRUE(s.Left >= 0 && s.Right < 10 && s.Top >= 0 && s.Bottom < 30);
    }
    EXPECT_EQ(grid.ColCount(), 10);
    EXPECT_EQ(grid.RowCount(), 30);
    EXPECT_EQ(grid.GetGridCell(2, 2), "kept");
    EXPECT_EQ(grid.ColWidths(2), 64);
    EXPECT_EQ(grid.RowHeights(2), 24);
    for (const int count : {-5, INT_MIN}) {
        grid.setColCount(count);
        grid.setRowCount(count);
        EXPECT_GE(grid.ColCount(), 0);
        EXPECT_GE(grid.RowCount(), 0);
    }
    grid.paintToImage();
}

TEST_F(CellGridTest, ExtremeSizesAndFixedCountsKeepTheGridWhole)
{
    for (const int v : {INT_MIN, -1, 0, 1, INT_MAX}) {
        SCOPED_TRACE(v);
        grid.setDefaultColWidth(v);
        grid.setDefaultRowHeight(v);
        grid.setColWidths(3, v);
        grid.setRowHeights(3, v);
        grid.setLineWidth(v);
        grid.setFixedCols(v);
        grid.setFixedRows(v);
        EXPECT_GE(grid.DefaultColWidth(), 0);
        EXPECT_GE(grid.ColWidths(3), 0);
        EXPECT_GE(grid.LineWidth(), 0);
        EXPECT_TRUE(grid.FixedCols() >= 0 && grid.FixedCols() <= grid.ColCount());
        EXPECT_TRUE(grid.FixedRows() >= 0 && grid.FixedRows() <= grid.RowCount());
        key(grid, Qt::Key_End, kCtrl);
        key(grid, Qt::Key_PageUp);
        (void)grid.MouseCoord(150, 100);
        (void)grid.CellRect(9, 29);
        grid.paintToImage();
    }
    EXPECT_EQ(grid.ColCount(), 10);
    EXPECT_EQ(grid.RowCount(), 30);
}

TEST_F(CellGridTest, FewerColumnsKeepTheirCellsFewerRowsDropThem)
{
    grid.SetGridCell(9, 2, QStringLiteral("c"));
    grid.SetGridCell(2, 29, QStringLiteral("r"));
    grid.setColCount(5);
    grid.setRowCount(10);
    EXPECT_EQ(grid.GetGridCell(9, 2), "c") << "a column the grid no longer shows";
    grid.setColCount(10);
    grid.setRowCount(30);
    EXPECT_EQ(grid.GetGridCell(9, 2), "c");
    EXPECT_TRUE(grid.GetGridCell(2, 29).isEmpty()) << "rows added at the end are empty";
    grid.DeleteColumn(9);
    grid.setColCount(10);
    EXPECT_TRUE(grid.GetGridCell(9, 2).isEmpty());
}
