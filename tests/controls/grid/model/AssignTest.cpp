#include "GridFixture.h"

#include <gtest/gtest.h>

using namespace controls;
using stringgridtest::fillLabels;
using stringgridtest::label;

namespace {

TEST(Assign, CopiesSizesOptionsSettingsAndCells)
{
    TExStringGrid source;
    source.setColCount(4);
    source.setRowCount(6);
    source.setFixedRows(2);
    source.setColWidths(3, 99);
    source.setRowHeights(5, 41);
    source.setOptions(source.Options() | goEditing | goRowSelect);
    source.setColumnHeaders({QStringLiteral("h0"), QStringLiteral("h1")});
    source.SortSettings().Show = true;
    source.MouseActions().setDisjunctRowSelect(true);
    fillLabels(source);
    source.setColors(2, 3, platform::clAqua);

    TExStringGrid grid;
    grid.setCells(0, 0, QStringLiteral("gone"));
    grid.Assign(&source);
    EXPECT_EQ(grid.ColCount(), 4);
    EXPECT_EQ(grid.RowCount(), 6);
    EXPECT_EQ(grid.FixedRows(), 2);
    EXPECT_EQ(grid.ColWidths(3), 99);
    EXPECT_EQ(grid.RowHeights(5), 41);
    EXPECT_EQ(grid.Options(), source.Options());
    EXPECT_EQ(grid.ColumnHeaders(), source.ColumnHeaders());
    EXPECT_TRUE(grid.SortSettings().Show);
    EXPECT_TRUE(grid.MouseActions().DisjunctRowSelect());
    EXPECT_EQ(grid.Cells(3, 5), label(3, 5));
    EXPECT_EQ(grid.Cells(0, 1), label(0, 1));
    EXPECT_EQ(grid.Colors(2, 3), platform::clAqua);
    // The copy is a copy: changing it leaves the source alone.
    grid.setColors(2, 3, platform::clRed);
    EXPECT_EQ(source.Colors(2, 3), platform::clAqua);
}

TEST(Assign, AnythingButAGridChangesNothing)
{
    TExStringGrid grid;
    fillLabels(grid);
    const int cols = grid.ColCount();
    QObject other;
    grid.Assign(&other);
    grid.Assign(nullptr);
    grid.Assign(&grid);
    EXPECT_EQ(grid.ColCount(), cols);
    EXPECT_EQ(grid.Cells(1, 1), label(1, 1));
}

} // namespace
