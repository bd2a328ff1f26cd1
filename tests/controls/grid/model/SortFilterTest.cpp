#include "GridFixture.h"

#include "controls/grid/model/ExCGrid.h"

#include "controls/grid/model/core/GridError.h"
#include "platform/Error.h"

#include <gtest/gtest.h>

#include <vector>

using namespace controls;

namespace {

// A grid of one fixed row and the given texts in column 1, row labels
// ("r1", "r2"...) in column 2.
void fillColumn(TExStringGrid &grid, const std::vector<QString> &texts)
{
    grid.setColCount(3);
    grid.setRowCount(static_cast<int>(texts.size()) + 1);
    grid.setFixedRows(1);
    for (std::size_t i = 0; i < texts.size(); ++i) {
        grid.setCells(1, static_cast<int>(i) + 1, texts[i]);
        grid.setCells(2, static_cast<int>(i) + 1, QStringLiteral("r%1").arg(i + 1));
    }
}

std::vector<QString> column(TExStringGrid &grid, int col)
{
    std::vector<QString> out;
    for (int r = grid.FixedRows(); r < grid.RowCount(); ++r)
        out.push_back(grid.Cells(col, r));
    return out;
}

std::vector<QString> strings(std::initializer_list<const char *> list)
{
    std::vector<QString> v;
    for (const char *t : list)
        v.push_back(QString::fromUtf8(t));
    return v;
}

TEST(StringGridSort, NumbersByAutoFormatAndTextWithout)
{
    TExStringGrid grid;
    fillColumn(grid, strings({"10", "9", "100"}));
    grid.Sort(1, sdAscending);
    EXPECT_EQ(column(grid, 1), strings({"9", "10", "100"}));
    EXPECT_EQ(grid.Cells(1, 0), QString()); // the fixed row stays
    grid.SortSettings().AutoFormat = false;
    grid.QSort();
    EXPECT_EQ(column(grid, 1), strings({"10", "100", "9"}));
    grid.Sort(1, sdDescending);
    EXPECT_EQ(column(grid, 1), strings({"9", "100", "10"}));
}

TEST(StringGridSort, AMixedColumnSortsOneWayWhateverRowComesFirst)
{
    // Chosen per pair from the first row, the order of such a column would
    // depend on where each text starts.
    TExStringGrid a;
    fillColumn(a, strings({"b", "10", "9", "a"}));
    a.Sort(1, sdAscending);
    TExStringGrid b;
    fillColumn(b, strings({"9", "a", "b", "10"}));
    b.Sort(1, sdAscending);
    EXPECT_EQ(column(a, 1), column(b, 1));
    EXPECT_EQ(column(a, 1), strings({"10", "9", "a", "b"}));
}

TEST(StringGridSort, StableAndRowsMoveWhole)
{
    TExStringGrid grid;
    fillColumn(grid, strings({"b", "a", "b", "a"}));
    grid.SortSettings().Full = false;
    grid.setColors(2, 1, 0x00FF00);
    grid.setRowHeights(1, 33);
    grid.Sort(1, sdAscending);
    EXPECT_EQ(column(grid, 2), strings({"r2", "r4", "r1", "r3"}));
    EXPECT_EQ(grid.Colors(2, 3), 0x00FF00u); // the properties went along
    EXPECT_EQ(grid.RowHeights(3), 33);
    grid.QUnSort();
    EXPECT_EQ(column(grid, 2), strings({"r1", "r2", "r3", "r4"}));
}

TEST(StringGridSort, UnSortAfterTwoSortsRestoresTheFirstOrder)
{
    TExStringGrid grid;
    fillColumn(grid, strings({"3", "1", "2"}));
    grid.Sort(1, sdAscending);
    grid.Sort(2, sdDescending);
    grid.QUnSort();
    EXPECT_EQ(column(grid, 1), strings({"3", "1", "2"}));
}

TEST(StringGridSort, FootersStayAndCompareEventsSeeDataRowsOnly)
{
    TExStringGrid grid;
    fillColumn(grid, strings({"c", "a", "b", "SUM"}));
    grid.setFixedFooters(1);
    grid.OnGetFormat = [](TExStringGrid *, int, TSortStyle &style, QString &, QString &) { style = ssRaw; };
    int lowest = 99;
    int highest = -1;
    grid.OnRawCompare = [&](TExStringGrid *g, int col, int r1, int r2, int &res) {
        lowest = std::min({lowest, r1, r2});
        highest = std::max({highest, r1, r2});
        res = QString::compare(g->Cells(col, r1), g->Cells(col, r2));
    };
    grid.Sort(1, sdAscending);
    EXPECT_EQ(column(grid, 1), strings({"a", "b", "c", "SUM"}));
    EXPECT_GE(lowest, 1);
    EXPECT_LE(highest, 3);
}

TEST(StringGridSort, AnExceptionFromACompareEventLeavesTheGridAsItWas)
{
    TExStringGrid grid;
    fillColumn(grid, strings({"c", "a", "b"}));
    grid.setCells(0, 1, QStringLiteral("x"));
    grid.setFixedCols(1);
    grid.SortSettings().NormalCellsOnly = true;
    grid.OnGetFormat = [](TExStringGrid *, int, TSortStyle &style, QString &, QString &) { style = ssCustom; };
    int calls = 0;
    grid.OnCustomCompare = [&](TExStringGrid *, const QString &, const QString &, int &) {
        if (++calls == 2)
            throw std::runtime_error("owner failed");
    };
    EXPECT_THROW(grid.Sort(1, sdAscending), std::runtime_error);
    EXPECT_EQ(column(grid, 1), strings({"c", "a", "b"}));
    EXPECT_EQ(grid.Cells(0, 1), QStringLiteral("x"));
    EXPECT_EQ(grid.RowCount(), 4);
    EXPECT_EQ(grid.UpdateCount(), 0);
}

TEST(StringGridSort, NormalCellsOnlyKeepsColumnZero)
{
    TExStringGrid grid;
    fillColumn(grid, strings({"c", "a", "b"}));
    grid.setFixedCols(1);
    for (int r = 1; r <= 3; ++r)
        grid.setCells(0, r, QString::number(r));
    grid.SortSettings().NormalCellsOnly = true;
    grid.Sort(1, sdAscending);
    EXPECT_EQ(column(grid, 0), strings({"1", "2", "3"}));
    EXPECT_EQ(column(grid, 2), strings({"r2", "r3", "r1"}));
}

TEST(StringGridSort, StringFormAndItsTwoErrors)
{
    TExStringGrid grid;
    fillColumn(grid, strings({"1", "3", "2"}));
    grid.SortSettings().LoadFromString(QStringLiteral("d1"));
    EXPECT_EQ(column(grid, 1), strings({"3", "2", "1"}));
    EXPECT_EQ(grid.SortSettings().SaveToString(), QStringLiteral("d1"));
    grid.SortSettings().LoadFromString(QStringLiteral("u1"));
    EXPECT_EQ(column(grid, 1), strings({"1", "2", "3"}));
    EXPECT_THROW(grid.SortSettings().LoadFromString(QStringLiteral("d")), platform::Error);
    grid.SortSettings().LoadFromString(QStringLiteral("dx")); // no column: nothing changes
    EXPECT_EQ(grid.SortSettings().Column(), 1);
    grid.SortSettings().LoadFromString(QStringLiteral("i;d1;u2"));
    EXPECT_EQ(column(grid, 1), strings({"3", "2", "1"}));
    EXPECT_EQ(grid.SortSettings().SaveToString(), QStringLiteral("i;d1;u2"));
    grid.SortIndexes().Clear();
    EXPECT_THROW(grid.QSortIndexed(), ZOraZaziRarar);
}

TEST(StringGridSort, TheCurrentRowFollowsItsData)
{
    TExStringGrid grid;
    fillColumn(grid, strings({"c", "a", "b"}));
    grid.Navigation().MoveRowOnSort = true;
    grid.FocusCell(1, 1);
    grid.Sort(1, sdAscending);
    EXPECT_EQ(grid.Cells(1, grid.Row()), QStringLiteral("c"));
}

// --- filtering -------------------------------------------------------------------------------

TFilterData condition(int col, const char *text)
{
    TFilterData d;
    d.Column = col;
    d.Condition = QString::fromUtf8(text);
    d.Operation = foNONE;
    return d;
}

TEST(StringGridFilter, LevelsStackAndComeBackOneByOne)
{
    TExStringGrid grid;
    fillColumn(grid, strings({"ab", "abc", "b", "abd", "x"}));
    grid.Filter() = {condition(1, "a*")};
    grid.ApplyFilter();
    EXPECT_EQ(column(grid, 1), strings({"ab", "abc", "abd"}));
    grid.Filter() = {condition(1, "*c")};
    grid.ApplyFilter();
    EXPECT_EQ(column(grid, 1), strings({"abc"}));
    EXPECT_EQ(grid.FilterLevel(), 2);
    EXPECT_EQ(grid.RealRowIndex(1), 2); // exact under both levels
    EXPECT_EQ(grid.DisplRowIndex(2), 1);
    EXPECT_EQ(grid.DisplRowIndex(4), 2); // hidden: where its next shown row would be
    EXPECT_TRUE(grid.RemoveLastFilter());
    EXPECT_EQ(column(grid, 1), strings({"ab", "abc", "abd"}));
    EXPECT_FALSE(grid.RemoveLastFilter());
    EXPECT_EQ(column(grid, 1), strings({"ab", "abc", "b", "abd", "x"}));
    EXPECT_FALSE(grid.RemoveLastFilter());
}

TEST(StringGridFilter, ALevelTakesEverythingOfItsRowsAlongAndBringsItBack)
{
    TExStringGrid grid;
    fillColumn(grid, strings({"a1", "b2", "a3", "b4", "a5", "b6"}));
    // The disjunct lists are read in their own modes.
    const auto rowSelected = [&](int row) {
        grid.MouseActions().setDisjunctRowSelectDirect(true);
        return grid.RowSelect(row);
    };
    const auto cellSelected = [&](int col, int row) {
        grid.MouseActions().setDisjunctRowSelectDirect(false);
        grid.MouseActions().setDisjunctCellSelect(true);
        const bool selected = grid.SelectedCells(col, row);
        grid.MouseActions().setDisjunctCellSelect(false);
        return selected;
    };
    grid.FocusCell(1, 5); // a5
    grid.setRowHeights(2, 41); // b2
    grid.setColors(2, 4, 0x00FF00); // b4
    grid.setRowModified(4, true);
    grid.setRowEnabled(2, false);
    grid.MouseActions().setDisjunctRowSelectDirect(true);
    grid.setRowSelect(6, true); // b6
    grid.setRowSelect(5, true); // a5
    grid.setSelectedCells(2, 5, true);
    grid.Filter() = {condition(1, "a*")};
    grid.ApplyFilter();
    EXPECT_EQ(column(grid, 1), strings({"a1", "a3", "a5"}));
    EXPECT_EQ(grid.Row(), 3) << "the current row stays on a5";
    EXPECT_TRUE(rowSelected(3));
    EXPECT_FALSE(rowSelected(2));
    EXPECT_FALSE(grid.RowModified(2));
    EXPECT_TRUE(cellSelected(2, 3));
    EXPECT_EQ(grid.RowHeights(2), grid.DefaultRowHeight());

    EXPECT_FALSE(grid.RemoveLastFilter());
    EXPECT_EQ(column(grid, 2), strings({"r1", "r2", "r3", "r4", "r5", "r6"}));
    EXPECT_EQ(grid.Row(), 5);
    EXPECT_EQ(grid.RowHeights(2), 41);
    EXPECT_EQ(grid.Colors(2, 4), 0x00FF00u);
    EXPECT_TRUE(grid.RowModified(4));
    EXPECT_FALSE(grid.RowModified(3));
    EXPECT_FALSE(grid.RowEnabled(2));
    EXPECT_TRUE(grid.RowEnabled(3));
    EXPECT_TRUE(rowSelected(6));
    EXPECT_TRUE(rowSelected(5));
    EXPECT_FALSE(rowSelected(4));
    EXPECT_TRUE(cellSelected(2, 5));
    EXPECT_FALSE(cellSelected(2, 3));
}

TEST(StringGridFilter, RemovingALevelLeavesRowsHiddenByHand)
{
    TExStringGrid grid;
    fillColumn(grid, strings({"a1", "b2", "a3", "b4"}));
    grid.HideRow(3); // a3, by hand
    grid.Filter() = {condition(1, "a*")};
    grid.setFilterActive(true);
    EXPECT_EQ(column(grid, 1), strings({"a1"}));
    grid.setFilterActive(false);
    EXPECT_EQ(column(grid, 1), strings({"a1", "b2", "b4"}));
    EXPECT_TRUE(grid.IsHiddenRow(3));
    EXPECT_EQ(grid.HiddenRowReason(3), THideReason::Rows);
}

TEST(StringGridFilter, NarrowingTypesAndBacksUp)
{
    TExStringGrid grid;
    fillColumn(grid, strings({"Abc", "abd", "b a", "xab"}));
    grid.HideRow(4); // xab, by hand
    grid.NarrowDown(QStringLiteral("a"), 1);
    EXPECT_EQ(column(grid, 1), strings({"Abc", "abd", "b a"}));
    grid.NarrowDown(QStringLiteral("ab"), 1);
    EXPECT_EQ(column(grid, 1), strings({"Abc", "abd"}));
    EXPECT_EQ(grid.FilterLevel(), 2);
    grid.NarrowDown(QStringLiteral("a"), 1);
    EXPECT_EQ(column(grid, 1), strings({"Abc", "abd", "b a"}));
    grid.NarrowDown(QString(), 1);
    EXPECT_EQ(column(grid, 1), strings({"Abc", "abd", "b a"}));
    EXPECT_TRUE(grid.IsHiddenRow(4)); // an empty text lifts the filter only
    grid.NarrowDown(QStringLiteral("b "), -1); // anywhere in the row
    EXPECT_EQ(column(grid, 1), strings({"b a"}));
}

TEST(StringGridFilter, ACustomFilterHasTheLastWord)
{
    TExStringGrid grid;
    fillColumn(grid, strings({"a", "b", "c"}));
    grid.OnCustomFilter = [](TExStringGrid *g, int row, bool &accept) { accept = g->Cells(1, row) != u"b"; };
    grid.ApplyFilter();
    EXPECT_EQ(column(grid, 1), strings({"a", "c"}));
}

// --- functions -------------------------------------------------------------------------------

TEST(StringGridFunctions, ColumnAndRowFunctions)
{
    TExStringGrid grid;
    fillColumn(grid, strings({"1", "word", "2"}));
    EXPECT_EQ(grid.ColumnSum(1, -1, -1), 3.0);
    EXPECT_EQ(grid.ColumnAvg(1, -1, -1), 1.0);
    EXPECT_EQ(grid.ColumnMax(1, -1, -1), 2.0);
    EXPECT_THROW(grid.ColumnMin(1, 2, 3), ZOraZaziRarar);
    grid.setCells(1, 3, QStringLiteral("A"));
    grid.setCells(1, 2, QStringLiteral("a"));
    grid.setCells(1, 1, QString());
    grid.setRowCount(5);
    grid.setCells(1, 4, QStringLiteral("b"));
    EXPECT_EQ(grid.ColumnDistinct(1, -1, -1), 3);
    grid.setCells(0, 1, QStringLiteral("4"));
    grid.setCells(1, 1, QStringLiteral("x"));
    grid.setCells(2, 1, QStringLiteral("2"));
    EXPECT_EQ(grid.RowSum(1, 0, 2), 6.0);
    EXPECT_EQ(grid.RowAvg(1, 0, 2), 2.0);
    EXPECT_EQ(grid.RowAvg(1, 2, 1), 0.0);
    EXPECT_EQ(grid.RowMin(1, 0, 2), 2.0);
}

TEST(StringGridFunctions, AFootersRangeReachesTheHiddenRows)
{
    // Data 1..4 and a footer row; row 2 hidden. The footer asks for the
    // data rows with the hidden one added: FixedRows .. RowCount - 2 + 1.
    TExStringGrid grid;
    fillColumn(grid, strings({"1", "2", "3", "4", "SUM"}));
    grid.FooterRowShown = true;
    grid.HideRow(2);
    EXPECT_EQ(grid.RowCount(), 5);
    EXPECT_EQ(grid.ColumnSum(1, 1, grid.RowCount() - 2 + 1), 10.0);
    EXPECT_EQ(grid.ColumnSum(1, 1, grid.RowCount() - 2), 8.0); // shown rows only
    grid.FooterRowShown = false;
    grid.UnHideRow(2);
    EXPECT_EQ(grid.ColumnSum(1, 1, 4), 10.0);
}

// --- sizing --------------------------------------------------------------------------------

TEST(StringGridSizing, StretchAndItsOneError)
{
    TExStringGrid grid;
    grid.setColCount(3);
    grid.resize(200, 100);
    grid.ColumnSize().Stretch = true;
    grid.setColWidths(0, 50);
    grid.setColWidths(1, 50);
    grid.StretchRightColumn();
    EXPECT_EQ(grid.ColWidths(2), grid.ClientWidth() - 100 - 1);
    grid.setColCount(4);
    grid.ApplyColumnStretch(grid.ColumnSize().StretchColumn); // -1: the last, after the change
    EXPECT_EQ(grid.ColWidths(3), grid.ClientWidth() - 100 - grid.ColWidths(2) - 1);
    EXPECT_THROW(grid.ApplyColumnStretch(4), platform::Error);
}

TEST(StringGridSizing, AutoFitOfZeroWidthsSharesTheRoom)
{
    TExStringGrid grid;
    grid.setColCount(3);
    grid.setFixedCols(0);
    grid.resize(300, 100);
    for (int c = 0; c < 3; ++c)
        grid.setColWidths(c, 0);
    grid.AutoFitColumns(true);
    const int total = grid.ColWidths(0) + grid.ColWidths(1) + grid.ColWidths(2);
    EXPECT_EQ(total, grid.ClientWidth());
    EXPECT_LE(std::abs(grid.ColWidths(1) - grid.ColWidths(2)), 0);
}

TEST(StringGridSizing, ContentWidthsThroughTheMeasure)
{
    TExStringGrid grid;
    grid.setColCount(2);
    grid.setRowCount(3);
    grid.MeasureCellWidth = [](int col, int) { return col == 1 ? 100 : 10; };
    grid.MinColWidth = 50;
    grid.MaxColWidth = 50; // equal limits are none
    grid.AutoSizeColumns(false);
    const int sized = grid.ColWidths(1);
    EXPECT_GT(sized, 100);
    grid.MeasureCellWidth = [](int, int) { return 5; };
    grid.SizeGrowOnly = true;
    grid.AutoSizeColumns(false);
    EXPECT_EQ(grid.ColWidths(1), sized);
    grid.OnUpdateColumnSize = [](TExStringGrid *, int, int &w) { w = 77; };
    grid.SizeGrowOnly = false;
    grid.AutoSizeColumns(false);
    EXPECT_EQ(grid.ColWidths(1), 77);
}

TEST(StringGridSizing, TheSortHeaderAndTheFilterRowMakeRoomForTheirMarks)
{
    const auto widthOf = [](auto prepare) {
        TExStringGrid grid;
        grid.setColCount(3);
        grid.setRowCount(4);
        grid.MeasureCellWidth = [](int, int) { return 40; };
        prepare(grid);
        grid.AutoSizeCol(1);
        return grid.ColWidths(1);
    };
    const int plain = widthOf([](TExStringGrid &) {});
    EXPECT_EQ(widthOf([](TExStringGrid &g) {
                  g.SortSettings().Show = true;
                  g.SortSettings().setColumn(1);
              }),
              plain + 10);
    EXPECT_EQ(widthOf([](TExStringGrid &g) {
                  g.FilterDropDownAuto = true;
                  g.setCells(1, 2, QStringLiteral("x"));
              }),
              plain + 12);
}

TEST(StringGridSizing, AColumnItemBoundsItsContentWidth)
{
    TExColumnGrid grid;
    for (int i = 0; i < 3; ++i)
        grid.Columns().Add();
    grid.setRowCount(3);
    grid.Columns()[1]->AutoMaxSize = 60;
    grid.Columns()[2]->AutoMinSize = 90;
    grid.MeasureCellWidth = [](int, int) { return 100; };
    grid.AutoSizeCol(1);
    EXPECT_EQ(grid.ColWidths(1), 60);
    grid.MeasureCellWidth = [](int, int) { return 10; };
    grid.AutoSizeCol(2);
    EXPECT_EQ(grid.ColWidths(2), 90);
}

TEST(StringGridSizing, AutoNumberStartsLater)
{
    TExStringGrid grid;
    grid.setRowCount(6);
    grid.AutoNumberStart = 2;
    grid.AutoNumberCol(1);
    EXPECT_EQ(grid.Cells(1, 1), QString());
    EXPECT_EQ(grid.Cells(1, 2), QString());
    EXPECT_EQ(grid.Cells(1, 3), QStringLiteral("3"));
    EXPECT_EQ(grid.Cells(1, 5), QStringLiteral("5"));
}

} // namespace

namespace {

TEST(StringGridLookup, TypingGoesToTheFirstRowItBegins)
{
    TExStringGrid grid;
    fillColumn(grid, strings({"Apple", "<b>ab</b>c", "abd", "b"}));
    grid.SortSettings().Show = true;
    grid.SortSettings().setColumn(1);
    EXPECT_EQ(grid.Search(QStringLiteral("AB")), 2);
    EXPECT_EQ(grid.LookupKey(u'a'), QStringLiteral("A"));
    EXPECT_EQ(grid.Row(), 1);
    EXPECT_EQ(grid.LookupKey(u'b'), QStringLiteral("AB"));
    EXPECT_EQ(grid.Row(), 2);
    EXPECT_EQ(grid.LookupKey(u'\b'), QStringLiteral("A"));
    EXPECT_EQ(grid.Row(), 1);
    grid.LookupKey(u'b');
    EXPECT_EQ(grid.LookupKey(u'z'), QString()); // no row: the text empties
    EXPECT_EQ(grid.Row(), 2);
    EXPECT_EQ(grid.Search(QStringLiteral("Q")), -1);
}

} // namespace
