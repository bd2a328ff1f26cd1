// The string grid's column and row functions: which cells count is the
// grid's to say (base cells, no node or summary rows); the arithmetic is
// the core's.
#include "controls/grid/model/ExGrid.h"
#include "controls/grid/model/core/ColumnFunctions.h"

namespace controls {

namespace {

bool isNodeOrSummary(TExStringGrid &grid, int displRow)
{
    const TCellType kind = grid.GetCellType(0, displRow);
    return kind == ctNode || kind == ctSummary;
}

} // namespace

// The cells of a column: display rows, or real rows (the hidden ones among
// them) when the range reaches beyond the shown data.
static TCalcCells columnCells(TExStringGrid &grid, int ACol, int FromRow, int ToRow)
{
    TCalcCells cells;
    if (FromRow == -1 || ToRow == -1) {
        FromRow = grid.FixedRows();
        ToRow = grid.RowCount() - grid.FixedFooters() - 1;
    }
    cells.From = FromRow;
    cells.To = ToRow;
    if (calcUsesRealRows(ToRow, grid.RowCount(), grid.FooterRowShown)) {
        cells.To = std::min(ToRow, grid.TotalRowCount() - 1);
        cells.Text = [&grid, ACol](int r) { return grid.AllCells(ACol, r); };
        cells.Counts = [&grid](int r) {
            if (grid.IsHiddenRow(r))
                return true;
            return !isNodeOrSummary(grid, grid.DisplRowIndex(r));
        };
    } else {
        cells.Text = [&grid, ACol](int r) { return grid.Cells(ACol, r); };
        cells.Counts = [&grid](int r) { return !isNodeOrSummary(grid, r); };
    }
    return cells;
}

static TCalcCells rowCells(TExStringGrid &grid, int ARow, int FromCol, int ToCol)
{
    TCalcCells cells;
    cells.From = FromCol;
    cells.To = ToCol;
    cells.Text = [&grid, ARow](int c) { return grid.Cells(c, ARow); };
    return cells;
}

double TExStringGrid::ColumnSum(int ACol, int FromRow, int ToRow)
{
    return cellsSum(columnCells(*this, ACol, FromRow, ToRow));
}

double TExStringGrid::ColumnAvg(int ACol, int FromRow, int ToRow)
{
    return cellsAvg(columnCells(*this, ACol, FromRow, ToRow));
}

double TExStringGrid::ColumnMin(int ACol, int FromRow, int ToRow)
{
    return cellsMin(columnCells(*this, ACol, FromRow, ToRow));
}

double TExStringGrid::ColumnMax(int ACol, int FromRow, int ToRow)
{
    return cellsMax(columnCells(*this, ACol, FromRow, ToRow));
}

double TExStringGrid::ColumnStdDev(int ACol, int FromRow, int ToRow)
{
    return cellsStdDev(columnCells(*this, ACol, FromRow, ToRow));
}

int TExStringGrid::ColumnDistinct(int ACol, int FromRow, int ToRow)
{
    TCalcCells cells = columnCells(*this, ACol, FromRow, ToRow);
    return cellsDistinct(cells);
}

double TExStringGrid::RowSum(int ARow, int FromCol, int ToCol) { return cellsSum(rowCells(*this, ARow, FromCol, ToCol)); }
double TExStringGrid::RowAvg(int ARow, int FromCol, int ToCol) { return cellsAvg(rowCells(*this, ARow, FromCol, ToCol)); }
double TExStringGrid::RowMin(int ARow, int FromCol, int ToCol) { return cellsMin(rowCells(*this, ARow, FromCol, ToCol)); }
double TExStringGrid::RowMax(int ARow, int FromCol, int ToCol) { return cellsMax(rowCells(*this, ARow, FromCol, ToCol)); }

} // namespace controls
