#include "GridFixture.h"

#include "controls/grid/base/SearchFooter.h"
#include "controls/grid/base/SyncGrid.h"
#include "controls/grid/model/HtmlSettings.h"
#include "controls/grid/view/GridAppearance.h"
#include "controls/grid/view/GridScrollTypes.h"

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
    EXPECT_EQ(grid.Cells(0, 0), QStringLiteral("h0"));
    EXPECT_TRUE(grid.SortSettings().Show);
    EXPECT_TRUE(grid.MouseActions().DisjunctRowSelect());
    EXPECT_EQ(grid.Cells(3, 5), label(3, 5));
    EXPECT_EQ(grid.Cells(1, 2), label(1, 2));
}

TEST(Assign, CopiesEverySettingsObjectItLists)
{
    TExStringGrid other;
    TExStringGrid source;
    source.SearchFooter().setFindNextCaption(QStringLiteral("Onward"));
    source.HTMLSettings().BorderSize = 4;
    source.DragScrollOptions().Active = true;
    source.SyncGrid().setGrid(&other);
    source.SyncGrid().ScrollVertical = true;
    source.AnchorHint = true;
    source.AutoFilterUpdate = false;
    source.ScrollSynch = true;
    source.ScrollHints = shBoth;
    source.setScrollWidth(21);
    source.setScrollColor(platform::clNavy);
    source.Appearance().ScrollBarAlways = saVert;

    TExStringGrid grid;
    grid.Assign(&source);
    EXPECT_EQ(grid.SearchFooter().FindNextCaption(), QStringLiteral("Onward"));
    EXPECT_EQ(grid.HTMLSettings().BorderSize, 4);
    EXPECT_TRUE(grid.DragScrollOptions().Active);
    EXPECT_EQ(grid.SyncGrid().Grid(), &other);
    EXPECT_TRUE(grid.SyncGrid().ScrollVertical);
    EXPECT_TRUE(grid.AnchorHint);
    EXPECT_FALSE(grid.AutoFilterUpdate);
    EXPECT_TRUE(grid.ScrollSynch);
    EXPECT_EQ(grid.ScrollHints, shBoth);
    EXPECT_EQ(grid.ScrollWidth(), 21);
    EXPECT_EQ(grid.ScrollColor(), platform::clNavy);
    EXPECT_EQ(grid.Appearance().ScrollBarAlways, saVert);
}

TEST(Assign, TheCellsComeThroughTheTextStreamAndNothingOfTheTargetsStays)
{
    TExStringGrid source;
    source.setCells(1, 1, QStringLiteral("one"));
    source.setColors(1, 1, platform::clAqua);
    TExStringGrid grid;
    grid.setCells(2, 2, QStringLiteral("old"));
    grid.setColors(3, 3, platform::clRed);
    grid.Assign(&source);
    EXPECT_EQ(grid.Cells(1, 1), QStringLiteral("one"));
    EXPECT_EQ(grid.Cells(2, 2), QString());
    EXPECT_FALSE(grid.CellHasProperties(3, 3));
    // Texts only: the cell's own colour stays the source's.
    EXPECT_FALSE(grid.CellHasProperties(1, 1));
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
    grid.AssignCells(&other);
    EXPECT_EQ(grid.ColCount(), cols);
    EXPECT_EQ(grid.Cells(1, 1), label(1, 1));
}

} // namespace
