#pragma once
// The grid's column and row functions over a run of cells: sums, averages,
// extremes and distinct texts. The grid says which cells count (base cells,
// no node or summary rows) and gives their texts; a text that holds no
// number is skipped, except as the first cell of a minimum or maximum,
// which raises the grid's error.
#include "controls/grid/base/FormatSettings.h"

#include <QString>
#include <functional>

namespace controls {

struct TCalcCells {
    int From = 0; // inclusive; an empty run when To < From
    int To = -1;
    std::function<QString(int)> Text;
    // Whether cell i takes part; every cell when unset.
    std::function<bool(int)> Counts;
    TFormatSettings Format = formatSettings();
};

double cellsSum(const TCalcCells &cells);
// The sum over the number of cells in the run (those that do not count
// count in the divisor); 0 for an empty run.
double cellsAvg(const TCalcCells &cells);
// From the first cell's value (raising ZOraZaziRarar when it holds no
// number); 0 for an empty run.
double cellsMin(const TCalcCells &cells);
double cellsMax(const TCalcCells &cells);
// The population standard deviation; every cell takes part and a cell
// without a number raises.
double cellsStdDev(const TCalcCells &cells);
// The number of different texts without regard to case; an empty text is
// one of them.
int cellsDistinct(const TCalcCells &cells);

// Whether a column function's rows up to toRow are real rows (the hidden
// ones among them) rather than display rows: a footer calculation asks for
// the data rows with the hidden rows added, beyond the shown ones.
bool calcUsesRealRows(int toRow, int rowCount, bool footerRowShown);

} // namespace controls
