#include "controls/grid/model/core/ColumnFunctions.h"
#include "controls/grid/model/core/GridError.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace controls;

namespace {

TCalcCells cellsOf(const std::vector<QString> &texts)
{
    TCalcCells cells;
    cells.From = 0;
    cells.To = static_cast<int>(texts.size()) - 1;
    cells.Text = [texts](int i) { return texts[static_cast<std::size_t>(i)]; };
    cells.Format = TFormatSettings{};
    return cells;
}

TEST(ColumnFunctions, SumAverageAndDistinct)
{
    const TCalcCells c = cellsOf({"1", "word", "2"});
    EXPECT_EQ(cellsSum(c), 3.0);
    EXPECT_EQ(cellsAvg(c), 1.0); // the word counts in the divisor
    EXPECT_EQ(cellsDistinct(cellsOf({"a", "A", "b", ""})), 3);
    EXPECT_EQ(cellsMin(c), 1.0);
    EXPECT_EQ(cellsMax(c), 2.0);
    EXPECT_EQ(cellsMax(cellsOf({"<b>5</b>", "(7)", "-", ""})), 5.0);
    EXPECT_EQ(cellsMin(cellsOf({"<b>5</b>", "(7)", "-", ""})), -7.0);
}

TEST(ColumnFunctions, ExtremesRaiseOnAWordInTheFirstCell)
{
    EXPECT_THROW(cellsMin(cellsOf({"word", "1"})), ZOraZaziRarar);
    EXPECT_THROW(cellsMax(cellsOf({"word", "1"})), ZOraZaziRarar);
    EXPECT_THROW(cellsStdDev(cellsOf({"1", "word"})), ZOraZaziRarar);
    EXPECT_NO_THROW(cellsMax(cellsOf({"1", "word"})));
}

TEST(ColumnFunctions, EmptyRunsGiveZero)
{
    // The row average of no columns divides by nothing: 0, as a column's.
    const TCalcCells none = cellsOf({});
    EXPECT_EQ(cellsAvg(none), 0.0);
    EXPECT_EQ(cellsSum(none), 0.0);
    EXPECT_EQ(cellsMin(none), 0.0);
    EXPECT_EQ(cellsStdDev(none), 0.0);
    TCalcCells backwards = cellsOf({"1", "2"});
    backwards.From = 1;
    backwards.To = 0;
    EXPECT_EQ(cellsAvg(backwards), 0.0);
}

TEST(ColumnFunctions, CellsThatDoNotCountAreLeftOut)
{
    TCalcCells c = cellsOf({"10", "100", "1"});
    c.Counts = [](int i) { return i != 1; }; // a node row
    EXPECT_EQ(cellsSum(c), 11.0);
    EXPECT_EQ(cellsMax(c), 10.0);
    EXPECT_NEAR(cellsStdDev(cellsOf({"2", "4", "4", "4", "5", "5", "7", "9"})), 2.0, 1e-12);
}

TEST(ColumnFunctions, RealRowsExactlyBeyondTheShownData)
{
    struct Case {
        int toRow;
        int rowCount;
        bool footer;
        bool real;
    };
    const Case cases[] = {
        {8, 10, true, false}, {9, 10, true, true}, {12, 10, true, true},
        {9, 10, false, false}, {10, 10, false, true},
    };
    for (const Case &c : cases)
        EXPECT_EQ(calcUsesRealRows(c.toRow, c.rowCount, c.footer), c.real) << c.toRow << " " << c.footer;
}

} // namespace
