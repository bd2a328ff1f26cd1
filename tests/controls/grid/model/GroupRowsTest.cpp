// Grouping's summary and header rows, merges, sub-groups and the row count
// a header shows.
#include "GridFixture.h"

#include "controls/grid/model/GridGrouping.h"

#include <gtest/gtest.h>

using namespace controls;

namespace {

// Column 2 holds the group values under one fixed row, column 1 numbers,
// column 3 labels "x1"..., column 4 p and q by turns, column 5 empty.
void fill(TExStringGrid &grid, std::initializer_list<const char *> kinds)
{
    grid.setColCount(6);
    grid.setRowCount(static_cast<int>(kinds.size()) + 1);
    grid.setFixedRows(1);
    grid.setCells(2, 0, QStringLiteral("Kind"));
    int r = 1;
    for (const char *k : kinds) {
        grid.setCells(1, r, QString::number(r));
        grid.setCells(2, r, QString::fromUtf8(k));
        grid.setCells(3, r, QStringLiteral("x%1").arg(r));
        grid.setCells(4, r, r % 2 ? QStringLiteral("p") : QStringLiteral("q"));
        ++r;
    }
    grid.setColWidths(2, 77);
}

// One letter per row: H header, S summary, d data.
std::string shape(TExStringGrid &grid)
{
    std::string out;
    for (int r = grid.FixedRows(); r < grid.RowCount(); ++r)
        out += grid.IsNode(r) ? 'H' : grid.IsSummary(r) ? 'S' : 'd';
    return out;
}

std::vector<QString> column(TExStringGrid &grid, int col)
{
    std::vector<QString> out;
    for (int r = grid.FixedRows(); r < grid.RowCount(); ++r)
        out.push_back(grid.Cells(col, r));
    return out;
}

std::vector<QString> texts(std::initializer_list<const char *> list)
{
    std::vector<QString> v;
    for (const char *t : list)
        v.push_back(QString::fromUtf8(t));
    return v;
}

TEST(StringGridGroupRows, SummaryRowsFollowEveryGroupAndTakeTheCalculations)
{
    TExStringGrid grid;
    fill(grid, {"A", "A", "B"});
    grid.Grouping().Summary = true;
    grid.Grouping().SummaryColor = 0x00FFFF;
    grid.Group(2);
    EXPECT_EQ(shape(grid), "HddSHdS");
    EXPECT_EQ(grid.GetNodeSpan(1), 3) << "a span holds the header and its rows, not the summary";
    EXPECT_EQ(grid.Colors(2, 4), 0x00FFFFu);
    grid.GroupSum(1);
    EXPECT_EQ(grid.Floats(1, 4), 3.0); // 1 + 2
    EXPECT_EQ(grid.Floats(1, 7), 3.0);
    grid.GroupCount(3);
    EXPECT_EQ(grid.Cells(3, 4), QStringLiteral("2"));
    const double spread = grid.ColumnStdDev(1, 2, 3);
    EXPECT_GT(spread, 0.0);
    grid.GroupStdDev(1);
    EXPECT_NEAR(grid.Floats(1, 4), spread, 1e-6);
    EXPECT_EQ(grid.Cells(1, 1), QStringLiteral("A")) << "the header keeps its value";

    grid.UnGroup();
    EXPECT_EQ(shape(grid), "ddd");
    EXPECT_EQ(column(grid, 2), texts({"A", "A", "B"}));
    EXPECT_EQ(column(grid, 3), texts({"x1", "x2", "x3"}));
    EXPECT_EQ(grid.Colors(2, 3), platform::clNone) << "no summary colour is left on a data row";
    EXPECT_EQ(grid.NumNodes(), 0);
}

TEST(StringGridGroupRows, SummaryRowsLeaveEvenWhenSummaryWasSwitchedOff)
{
    TExStringGrid grid;
    fill(grid, {"A", "B"});
    grid.Grouping().Summary = true;
    grid.Group(2);
    grid.Grouping().Summary = false;
    grid.UnGroup();
    EXPECT_EQ(column(grid, 2), texts({"A", "B"}));
}

TEST(StringGridGroupRows, MergedHeadersAndSummariesSpanTheRowAndSplitOnUnGroup)
{
    TExStringGrid grid;
    fill(grid, {"A", "A", "B"});
    grid.Grouping().MergeHeader = true;
    grid.Grouping().MergeSummary = true;
    grid.Grouping().Summary = true;
    grid.Grouping().HeaderColor = 0x0000FF;
    grid.Group(2);
    ASSERT_EQ(shape(grid), "HddSHdS");
    EXPECT_TRUE(grid.IsMergedCell(3, 1));
    EXPECT_EQ(grid.CellSpan(1, 1).X, grid.ColCount() - 2);
    EXPECT_TRUE(grid.IsMergedCell(2, 4));
    EXPECT_FALSE(grid.IsMergedCell(2, 2));
    EXPECT_EQ(grid.Colors(1, 1), 0x0000FFu);
    grid.UnGroup();
    for (int r = 1; r < grid.RowCount(); ++r)
        for (int c = 1; c < grid.ColCount(); ++c)
            EXPECT_FALSE(grid.IsMergedCell(c, r)) << c << "," << r;
    EXPECT_EQ(column(grid, 2), texts({"A", "A", "B"}));
}

TEST(StringGridGroupRows, HeaderColoursWithoutMerge)
{
    TExStringGrid grid;
    fill(grid, {"A", "B"});
    grid.Grouping().HeaderColor = 0x112233;
    grid.Grouping().HeaderTextColor = 0x445566;
    grid.Group(2);
    EXPECT_EQ(grid.Colors(1, 1), 0x112233u);
    EXPECT_EQ(grid.FontColors(3, 3), 0x445566u);
    EXPECT_EQ(grid.Colors(1, 2), platform::clNone);
    grid.UnGroup();
    EXPECT_EQ(grid.Colors(1, 1), platform::clNone);
}

TEST(StringGridGroupRows, SubGroupNestsInsideEveryGroupAndSubUnGroupRestores)
{
    TExStringGrid grid;
    // By column 2, then column 4 (p, q alternating by row).
    fill(grid, {"A", "A", "A", "B"});
    grid.Group(2);
    ASSERT_EQ(shape(grid), "HdddHd");
    // After the grouped column went, p/q stand in column 3.
    EXPECT_EQ(column(grid, 3), texts({"", "p", "q", "p", "", "q"}));
    grid.SortSettings().AutoSortForGrouping = false;
    grid.SubGroup(3);
    // A: (p: 1), (q: 2), (p: 3); B: (q: 4).
    EXPECT_EQ(shape(grid), "HHdHdHdHHd");
    EXPECT_EQ(grid.GetNodeSpan(1), 7) << "the group holds its sub-groups";
    EXPECT_EQ(grid.GetSubNodeCount(1), 3);
    EXPECT_EQ(grid.GetNodeSpan(2), 2);
    EXPECT_EQ(grid.GetNodeLevel(2), 2);
    EXPECT_EQ(grid.Cells(4, 2), QStringLiteral("p"));
    EXPECT_EQ(grid.Cells(3, 3), QString()) << "the value moved into the sub-header";
    EXPECT_EQ(grid.GetParentRow(3), 2);
    EXPECT_EQ(grid.GetParentRow(2), 1);
    EXPECT_EQ(grid.GetParentRow(9), 8);
    EXPECT_EQ(grid.GetNodeSpan(8), 3);

    // Contracting the outer node takes the sub-groups along.
    grid.ContractNode(1);
    EXPECT_EQ(shape(grid), "HHHd");
    grid.ExpandNode(1);
    EXPECT_EQ(shape(grid), "HHdHdHdHHd");

    grid.SubUnGroup(3);
    EXPECT_EQ(shape(grid), "HdddHd");
    EXPECT_EQ(column(grid, 3), texts({"", "p", "q", "p", "", "q"}));
    EXPECT_EQ(grid.GetNodeSpan(1), 4);
    EXPECT_EQ(grid.GetSubNodeCount(1), 0);
    grid.UnGroup();
    EXPECT_EQ(column(grid, 2), texts({"A", "A", "A", "B"}));
    EXPECT_EQ(column(grid, 4), texts({"p", "q", "p", "q"}));
    EXPECT_EQ(grid.NumNodes(), 0);
}

TEST(StringGridGroupRows, UnGroupTakesSubGroupsAlong)
{
    TExStringGrid grid;
    fill(grid, {"A", "A", "B"});
    grid.Group(2);
    grid.SubGroup(3);
    grid.UnGroup();
    EXPECT_EQ(shape(grid), "ddd");
    EXPECT_EQ(column(grid, 2), texts({"A", "A", "B"}));
    EXPECT_EQ(column(grid, 4), texts({"p", "q", "p"}));
    EXPECT_EQ(grid.NumNodes(), 0);
}

TEST(StringGridGroupRows, AHeaderShowsItsRowCount)
{
    struct Case {
        const char *format;
        const char *shown;
    };
    const Case cases[] = {
        {"", "A (5)"},
        {" [%d]", "A [5]"},
        {" - %d rows", "A - 5 rows"},
        {" %s", "A (5)"}, // not a number format
        {" %d of %d", "A (5)"}, // two numbers
        {" rows", "A (5)"}, // takes no number at all
        {" 100%%", "A (5)"},
    };
    for (const Case &c : cases) {
        TExStringGrid grid;
        fill(grid, {"A", "A", "A", "A", "A", "B"});
        grid.Group(2);
        grid.Grouping().ShowGroupCount = true;
        grid.Grouping().GroupCountFormat = QString::fromUtf8(c.format);
        EXPECT_EQ(grid.Cells(1, 1), QString::fromUtf8(c.shown)) << c.format;
        EXPECT_EQ(grid.GetGridCell(1, 1), QStringLiteral("A")) << "the stored value stays";
        EXPECT_EQ(grid.Cells(1, 2), QStringLiteral("1")) << "data rows show no count";
    }
}

TEST(StringGridGroupRows, SubGroupRowsAreNotCountedAsGroupRows)
{
    TExStringGrid grid;
    fill(grid, {"A", "A", "A"});
    grid.Group(2);
    grid.SubGroup(3);
    grid.Grouping().ShowGroupCount = true;
    EXPECT_EQ(grid.Cells(1, 1), QStringLiteral("A (3)"));
}

TEST(StringGridGroupRows, ChildRowsGrowEveryEnclosingNode)
{
    TExStringGrid grid; // 10 rows, 1 fixed
    stringgridtest::fillLabels(grid);
    grid.AddNode(1, 6); // rows 1..6
    grid.AddNode(2, 3); // rows 2..4
    grid.InsertChildRow(3, 0);
    EXPECT_EQ(grid.GetNodeSpan(1), 7);
    EXPECT_EQ(grid.GetNodeSpan(2), 4);
    EXPECT_EQ(grid.GetSubNodeCount(2), 1);
    EXPECT_EQ(grid.GetNodeLevel(2), 2);
    EXPECT_EQ(grid.Cells(1, 4), stringgridtest::label(1, 3)) << "the row that was there moved down";
    // On a node row, InsertAt 0 puts the node's contents below it.
    grid.InsertChildRow(2, 0);
    EXPECT_TRUE(grid.IsNode(2));
    EXPECT_EQ(grid.Cells(1, 2), QString());
    EXPECT_EQ(grid.Cells(1, 3), stringgridtest::label(1, 2));
    EXPECT_EQ(grid.GetNodeSpan(1), 8);
    EXPECT_EQ(grid.GetNodeSpan(2), 5) << "the new row lies inside the nested node too";

    grid.RemoveChildRow(4);
    EXPECT_EQ(grid.GetNodeSpan(1), 7);
    EXPECT_EQ(grid.GetNodeSpan(2), 4);
    EXPECT_EQ(grid.GetNodeSpanType(3), 2);
    EXPECT_EQ(grid.GetNodeSpanType(2), 0);

    // A node row taken out takes its node along: the count stays true.
    grid.RemoveChildRow(2);
    EXPECT_EQ(grid.NumNodes(), 1);
    EXPECT_EQ(grid.GetNodeSpan(1), 6);
    EXPECT_FALSE(grid.IsNode(2));
}

} // namespace

TEST(StringGridGroupRows, CustomGroupCalculationFillsEveryNodeRow)
{
    TExStringGrid grid;
    fill(grid, {"A", "A", "B"});
    grid.Group(2);
    std::vector<std::pair<int, int>> ranges;
    grid.OnGroupCalc = [&](TExStringGrid *, int ACol, int FromRow, int ToRow, double &Res) {
        EXPECT_EQ(ACol, 1);
        ranges.emplace_back(FromRow, ToRow);
        Res += ToRow - FromRow + 1 + 0.5;
    };
    grid.GroupCustomCalc(1);
    // Shape HddHd: each node takes the count of its rows plus a half.
    EXPECT_EQ(ranges, (std::vector<std::pair<int, int>>{{2, 3}, {5, 5}}));
    EXPECT_EQ(grid.Floats(1, 1), 2.5);
    EXPECT_EQ(grid.Floats(1, 4), 1.5);
    EXPECT_EQ(grid.ColumnCustomCalc(1, 2, 3), 0.0) << "the column event is another one";
}
