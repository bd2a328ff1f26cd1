// The grid's keys, pressed as a user presses them: a real key event to
// whatever has the focus.
#include "KeyFixture.h"

using namespace controls;
using viewtest::KeyGrid;

namespace {

using GridKeys = KeyGrid;

TEST_F(GridKeys, MoveScrollOnlyMovesTheViewAndLeavesTheCell)
{
    grid->setRowCount(60);
    grid->Navigation().MoveScrollOnly = true;
    at(2, 3);
    key(Qt::Key_Down);
    EXPECT_EQ(grid->TopRow(), 2);
    EXPECT_EQ(grid->Row(), 3);
    key(Qt::Key_End);
    const int lastTop = grid->TopRow();
    EXPECT_EQ(lastTop, 60 - grid->VisibleRowCount());
    key(Qt::Key_PageDown);
    EXPECT_EQ(grid->TopRow(), lastTop);
    // Left and Right keep their meaning.
    key(Qt::Key_Right);
    EXPECT_EQ(grid->Col(), 3);
    EXPECT_EQ(grid->Row(), 3);
}

TEST_F(GridKeys, EnterOnAReadOnlyCellOnlyFiresOnKeyDown)
{
    for (const bool editing : {false, true}) {
        SCOPED_TRACE(editing);
        grid->setOptions(editing ? grid->Options() | goEditing : grid->Options() & ~TGridOptions(goEditing));
        grid->OnCanEditCell = [](TExStringGrid *, int, int, bool &CanEdit) { CanEdit = false; };
        at(2, 2);
        keysDown.clear();
        key(Qt::Key_Return);
        EXPECT_EQ(keysDown, std::vector<int>{13});
        EXPECT_FALSE(editorOpen());
        EXPECT_EQ(grid->Row(), 2);
    }
}

TEST_F(GridKeys, HomeAndEndWithFirstLastCell)
{
    grid->Navigation().HomeEndKey = THomeEndAction::heFirstLastCell;
    at(3, 5);
    key(Qt::Key_Home);
    EXPECT_EQ(grid->Col(), grid->FixedCols());
    EXPECT_EQ(grid->Row(), grid->FixedRows());
    EXPECT_EQ(keysDown, std::vector<int>{36});
    key(Qt::Key_End);
    EXPECT_EQ(grid->Col(), 4);
    EXPECT_EQ(grid->Row(), 9);
}

TEST_F(GridKeys, CursorWrapsAtTheEdges)
{
    struct Case {
        TCursorAdvance advance;
        int col, row;
        Qt::Key key;
        int toCol, toRow;
    };
    const Case cases[] = {
        {TCursorAdvance::caLoop, 1, 3, Qt::Key_Left, 4, 3},   {TCursorAdvance::caSnake, 1, 3, Qt::Key_Left, 4, 2},
        {TCursorAdvance::caLoop, 4, 3, Qt::Key_Right, 1, 3},  {TCursorAdvance::caSnake, 4, 3, Qt::Key_Right, 1, 4},
        {TCursorAdvance::caLoop, 2, 1, Qt::Key_Up, 2, 9},     {TCursorAdvance::caSnake, 2, 9, Qt::Key_Down, 3, 1},
        {TCursorAdvance::caDefault, 1, 3, Qt::Key_Left, 1, 3},
    };
    for (const Case &c : cases) {
        grid->Navigation().CursorAdvance = c.advance;
        at(c.col, c.row);
        key(c.key);
        EXPECT_EQ(grid->Col(), c.toCol) << int(c.advance) << " " << c.col << "," << c.row << " key " << c.key;
        EXPECT_EQ(grid->Row(), c.toRow) << int(c.advance) << " " << c.col << "," << c.row << " key " << c.key;
    }
}

TEST_F(GridKeys, AFixedRightColumnNeverWraps)
{
    grid->setFixedRightCols(1);
    grid->Navigation().CursorAdvance = TCursorAdvance::caLoop;
    at(3, 3);
    key(Qt::Key_Right);
    EXPECT_EQ(grid->Col(), 3);
}

TEST_F(GridKeys, DownJumpsOverDisabledRows)
{
    grid->setRowEnabled(4, false);
    grid->setRowEnabled(5, false);
    at(1, 3);
    key(Qt::Key_Down);
    EXPECT_EQ(grid->Row(), 6);
    key(Qt::Key_Up);
    EXPECT_EQ(grid->Row(), 3);
    // Nothing enabled below: the row stays.
    for (int r = 7; r < grid->RowCount(); ++r)
        grid->setRowEnabled(r, false);
    at(1, 6);
    key(Qt::Key_Down);
    EXPECT_EQ(grid->Row(), 6);
}

TEST_F(GridKeys, DownOnTheLastRowAppendsWhenAllowed)
{
    grid->Navigation().AppendOnArrowDown = true;
    int added = -1;
    grid->OnAutoAddRow = [&](TExStringGrid *, int ARow) { added = ARow; };
    at(1, 9);
    key(Qt::Key_Down);
    EXPECT_EQ(grid->RowCount(), 11);
    EXPECT_EQ(grid->Row(), 10);
    EXPECT_EQ(added, 10);
    grid->OnCanAddRow = [](TExStringGrid *, bool &CanAdd) { CanAdd = false; };
    key(Qt::Key_Down);
    EXPECT_EQ(grid->RowCount(), 11);
    EXPECT_EQ(grid->Row(), 10);
}

TEST_F(GridKeys, AppendingKeepsTheFooterRowsAndTheirTexts)
{
    grid->setFixedFooters(1);
    grid->Navigation().AppendOnArrowDown = true;
    grid->setCells(1, 9, QStringLiteral("sum"));
    at(1, 8);
    key(Qt::Key_Down);
    EXPECT_EQ(grid->RowCount(), 11);
    EXPECT_EQ(grid->Row(), 9);
    EXPECT_EQ(grid->Cells(1, 10), QStringLiteral("sum"));
    EXPECT_EQ(grid->Cells(1, 9), QString());
}

TEST_F(GridKeys, HomeSkipsARowWithoutANavigableCell)
{
    // Only the current cell could be edited, and it refuses selection:
    // the row has no cell to go to, and Home must not pick one anyway.
    grid->setOptions(grid->Options() | goEditing);
    grid->OnCanEditCell = [](TExStringGrid *, int, int ACol, bool &CanEdit) { CanEdit = ACol == 3; };
    at(3, 2);
    grid->OnSelectCell = [](TCellGrid *, int col, int, bool &can) { can = can && col != 3; };
    ASSERT_EQ(grid->FirstNavigableCol(2), -1);
    key(Qt::Key_Home);
    EXPECT_EQ(grid->Col(), 3);
}

TEST_F(GridKeys, SpaceTogglesACheckBoxOnlyWhereItMayChange)
{
    grid->AddCheckBox(2, 2, false, false);
    at(2, 2);
    key(Qt::Key_Space);
    bool state = true;
    grid->GetCheckBoxState(2, 2, state);
    EXPECT_FALSE(state) << "a read-only grid keeps its boxes";
    grid->ControlLook().CheckAlwaysActive = true;
    std::vector<bool> clicks;
    grid->OnCheckBoxClick = [&](TExStringGrid *, int, int, bool State) { clicks.push_back(State); };
    key(Qt::Key_Space);
    grid->GetCheckBoxState(2, 2, state);
    EXPECT_TRUE(state);
    EXPECT_EQ(clicks, std::vector<bool>{true});
}

TEST_F(GridKeys, InsertAndDeleteRows)
{
    grid->Navigation().AllowInsertRow = true;
    grid->Navigation().AllowDeleteRow = true;
    grid->setCells(1, 5, QStringLiteral("five"));
    at(1, 5);
    key(Qt::Key_Insert);
    EXPECT_EQ(grid->RowCount(), 11);
    EXPECT_EQ(grid->Row(), 5);
    EXPECT_EQ(grid->Cells(1, 6), QStringLiteral("five"));
    EXPECT_TRUE(grid->Modified());
    grid->OnCanDeleteRow = [](TExStringGrid *, int, bool &CanDelete) { CanDelete = false; };
    key(Qt::Key_Delete);
    EXPECT_EQ(grid->RowCount(), 11);
    grid->OnCanDeleteRow = nullptr;
    key(Qt::Key_Delete);
    EXPECT_EQ(grid->RowCount(), 10);
    EXPECT_EQ(grid->Cells(1, 5), QStringLiteral("five"));
}

TEST_F(GridKeys, CtrlASelectsTheNormalCellsOfARangeGrid)
{
    grid->setFixedRightCols(1);
    grid->setFixedFooters(1);
    grid->setOptions(grid->Options() & ~TGridOptions(goRangeSelect));
    at(2, 2);
    key(Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(grid->Selection().Bottom - grid->Selection().Top, 0) << "no range select: nothing";
    grid->setOptions(grid->Options() | goRangeSelect);
    key(Qt::Key_A, Qt::ControlModifier);
    const TGridRect sel = grid->Selection();
    EXPECT_EQ(sel.Left, 1);
    EXPECT_EQ(sel.Top, 1);
    EXPECT_EQ(sel.Right, 3);
    EXPECT_EQ(sel.Bottom, 8);
}

} // namespace

namespace {

// What the screen shows after rows were moved instead of painted again
// equals a full painting of the grid.
TEST_F(GridKeys, ScrolledRowsShowWhatAFullPaintShows)
{
    grid->setRowCount(200);
    for (int r = 1; r < 200; ++r)
        grid->setCells(1, r, QStringLiteral("row %1").arg(r));
    grid->setOptions(grid->Options() | goRowSelect);
    QApplication::processEvents();
    for (int i = 0; i < 30; ++i) {
        key(Qt::Key_Down);
        QApplication::processEvents();
    }
    for (int i = 0; i < 7; ++i) {
        key(Qt::Key_Up);
        QApplication::processEvents();
    }
    ASSERT_GT(grid->TopRow(), 1);
    const QImage shown = window.screen()->grabWindow(window.winId()).toImage().convertToFormat(QImage::Format_RGB32);
    const QImage full = grid->paintToImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shown.size(), full.size());
    int differing = 0;
    for (int y = 0; y < full.height(); ++y)
        for (int x = 0; x < full.width(); ++x)
            differing += shown.pixel(x, y) != full.pixel(x, y);
    EXPECT_EQ(differing, 0);
}

} // namespace

namespace {

TEST_F(GridKeys, SpaceSelectsDisjunctCellsAndCtrlSpaceTogglesThem)
{
    grid->MouseActions().setDisjunctCellSelect(true);
    at(1, 1);
    key(Qt::Key_Space);
    key(Qt::Key_Right);
    key(Qt::Key_Space, Qt::ControlModifier);
    EXPECT_TRUE(grid->SelectedCells(1, 1));
    EXPECT_TRUE(grid->SelectedCells(2, 1));
    key(Qt::Key_Space, Qt::ControlModifier);
    EXPECT_FALSE(grid->SelectedCells(2, 1));
    key(Qt::Key_Right);
    key(Qt::Key_Space);
    EXPECT_FALSE(grid->SelectedCells(1, 1));
    EXPECT_TRUE(grid->SelectedCells(3, 1));
    EXPECT_EQ(grid->SelectedCellsCount(), 1);
}

} // namespace

TEST_F(GridKeys, SpaceClicksAButtonCellOnlyWhereTheCellMayChange)
{
    grid->AddButton(2, 2, 40, 16, QStringLiteral("Go"), haCenter, vaCenter);
    std::vector<QPoint> clicks;
    grid->OnButtonClick = [&](TExStringGrid *, int ACol, int ARow) { clicks.emplace_back(ACol, ARow); };
    at(2, 2);
    key(Qt::Key_Space);
    EXPECT_TRUE(clicks.empty()) << "a read-only grid's buttons take no keys";
    grid->setOptions(grid->Options() | goEditing);
    key(Qt::Key_Space);
    EXPECT_EQ(clicks, std::vector<QPoint>{QPoint(2, 2)});
}
