// A grid kept in step with another: it scrolls along and its current cell
// follows the keys; a synchronised grid that goes away is let go.
#include "KeyFixture.h"

using namespace controls;
using viewtest::KeyGrid;

namespace {

struct SyncGridTest : KeyGrid {
    TExStringGrid *other = new TExStringGrid(&window);
    void SetUp() override
    {
        KeyGrid::SetUp();
        grid->setRowCount(80);
        grid->setColCount(20);
        other->setGeometry(0, 0, 200, 150);
        other->setRowCount(80);
        other->setColCount(20);
        other->show();
        grid->SyncGrid().setGrid(other);
        grid->setFocus();
    }
};

TEST_F(SyncGridTest, ScrollingCarriesTheOtherGridAlong)
{
    grid->SyncGrid().ScrollVertical = true;
    grid->setTopRow(30);
    EXPECT_EQ(other->TopRow(), 30);
    grid->setLeftCol(4);
    EXPECT_EQ(other->LeftCol(), 1) << "columns only with ScrollHorizontal";
    grid->SyncGrid().ScrollHorizontal = true;
    grid->setLeftCol(5);
    EXPECT_EQ(other->LeftCol(), 5);
}

TEST_F(SyncGridTest, TheOtherCurrentCellFollowsTheKeys)
{
    grid->SyncGrid().SelectionRow = true;
    key(Qt::Key_Down);
    key(Qt::Key_Down);
    EXPECT_EQ(grid->Row(), 3);
    EXPECT_EQ(other->Row(), 3);
    key(Qt::Key_Right);
    EXPECT_EQ(other->Col(), 1) << "the column only with SelectionColumn";
    grid->SyncGrid().SelectionColumn = true;
    key(Qt::Key_Right);
    EXPECT_EQ(other->Col(), 3);
}

TEST_F(SyncGridTest, TheGridItselfAndAGoneGridAreNoPartner)
{
    grid->SyncGrid().ScrollVertical = true;
    grid->SyncGrid().setGrid(grid);
    EXPECT_EQ(grid->SyncGrid().Grid(), other) << "a grid cannot follow itself";
    grid->setTopRow(10);
    EXPECT_EQ(other->TopRow(), 10);
    delete other;
    grid->setTopRow(20); // would scroll a gone grid
    EXPECT_EQ(grid->TopRow(), 20);
    EXPECT_EQ(grid->SyncGrid().Grid(), nullptr) << "let go";
}

} // namespace
