// Cells checked through a cell checker: ranges, the fixed cells left out,
// the result, and the checker's part in validating an edit.
#include "KeyFixture.h"

#include "controls/grid/base/GridCheck.h"

using namespace controls;
using viewtest::KeyGrid;

namespace {

// Upper case is correct; marks wrap what is not.
struct UpperChecker : TExStringGridCheck {
    QString Correct(int, int, const QString &s) override { return s.toUpper(); }
    QString MarkError(int, int, const QString &s) override { return s == s.toUpper() ? s : QStringLiteral("<E>") + s + QStringLiteral("</E>"); }
    void StartCheck() override { ++starts; }
    void StopCheck() override { ++stops; }
    int starts = 0;
    int stops = 0;
};

struct CellChecking : KeyGrid {
    UpperChecker checker;
    void SetUp() override
    {
        KeyGrid::SetUp();
        for (int r = 0; r < grid->RowCount(); ++r)
            for (int c = 0; c < grid->ColCount(); ++c)
                grid->setCells(c, r, QStringLiteral("x"));
    }
};

TEST_F(CellChecking, WithoutACheckerEverythingPassesAndNothingChanges)
{
    EXPECT_TRUE(grid->CheckGrid(true));
    EXPECT_TRUE(grid->CheckCell(1, 1));
    EXPECT_EQ(grid->Cells(1, 1), QStringLiteral("x"));
}

TEST_F(CellChecking, CheckGridWithoutFixedCellsLeavesThemAlone)
{
    checker.UseCorrect = true;
    grid->CellChecker = &checker;
    EXPECT_FALSE(grid->CheckGrid(false));
    EXPECT_EQ(grid->Cells(0, 0), QStringLiteral("x"));
    EXPECT_EQ(grid->Cells(0, 3), QStringLiteral("x"));
    EXPECT_EQ(grid->Cells(3, 0), QStringLiteral("x"));
    EXPECT_EQ(grid->Cells(1, 1), QStringLiteral("X"));
    EXPECT_EQ(grid->Cells(4, 9), QStringLiteral("X"));
    EXPECT_EQ(checker.starts, 1);
    EXPECT_EQ(checker.stops, 1);
    EXPECT_TRUE(grid->CheckGrid(false)) << "nothing left to correct";
}

TEST_F(CellChecking, RowsColumnsAndMarks)
{
    checker.UseMarkError = true;
    grid->CellChecker = &checker;
    EXPECT_FALSE(grid->CheckRow(false, 2));
    EXPECT_EQ(grid->Cells(0, 2), QStringLiteral("x"));
    EXPECT_EQ(grid->Cells(1, 2), QStringLiteral("<E>x</E>"));
    EXPECT_FALSE(grid->CheckCol(true, 3));
    EXPECT_EQ(grid->Cells(3, 0), QStringLiteral("<E>x</E>"));
    EXPECT_FALSE(grid->CheckCell(1, 2)) << "old marks go before the check, the cell is marked again";
    EXPECT_EQ(grid->Cells(1, 2), QStringLiteral("<E>x</E>"));
}

TEST_F(CellChecking, GotoCellVisitsAndComesBack)
{
    checker.GotoCell = true;
    grid->CellChecker = &checker;
    std::vector<QPoint> visited;
    grid->OnSelectCell = [&](TCellGrid *, int c, int r, bool &) { visited.push_back(QPoint(c, r)); };
    grid->FocusCell(1, 1);
    visited.clear();
    grid->CheckCells(2, 2, 3, 2);
    ASSERT_GE(visited.size(), 2u);
    EXPECT_EQ(grid->Col(), 1);
    EXPECT_EQ(grid->Row(), 1);
}

TEST_F(CellChecking, AnEditGoesThroughTheChecker)
{
    checker.AutoCorrect = true;
    grid->CellChecker = &checker;
    grid->setOptions(grid->Options() | goEditing);
    grid->FocusCell(1, 1);
    type(QStringLiteral("abc"));
    key(Qt::Key_Return);
    EXPECT_EQ(grid->Cells(1, 1), QStringLiteral("ABC"));
}

} // namespace
