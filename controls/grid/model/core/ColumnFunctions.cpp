#include "controls/grid/model/core/ColumnFunctions.h"

#include "controls/grid/model/core/TypedText.h"

#include "controls/grid/model/core/GridError.h"

#include <QSet>
#include <algorithm>
#include <cmath>

namespace controls {

namespace {

bool counts(const TCalcCells &cells, int i) { return !cells.Counts || cells.Counts(i); }

// A cell's number as the functions read it: the typed reader's, but a text
// without any digit (a word) holds none, where the typed reader gives 0.
std::optional<double> numberOf(const TCalcCells &cells, int i)
{
    const QString text = cells.Text(i);
    const QString plain = strippedCellText(text).trimmed();
    if (!plain.isEmpty() && plain != u"-" && std::none_of(plain.begin(), plain.end(), [](QChar c) { return c.isDigit(); }))
        return std::nullopt;
    return cellTextToFloat(text, cells.Format);
}

double numberOrRaise(const TCalcCells &cells, int i)
{
    const std::optional<double> v = numberOf(cells, i);
    if (!v)
        throw ZOraZaziRarar(QStringLiteral("Cell does not contain a float value"));
    return *v;
}

template <class Better>
double extreme(const TCalcCells &cells, Better better)
{
    if (cells.To < cells.From)
        return 0;
    double result = numberOrRaise(cells, cells.From);
    for (int i = cells.From + 1; i <= cells.To; ++i) {
        if (!counts(cells, i))
            continue;
        const std::optional<double> v = numberOf(cells, i);
        if (v && better(*v, result))
            result = *v;
    }
    return result;
}

} // namespace

double cellsSum(const TCalcCells &cells)
{
    double sum = 0;
    for (int i = cells.From; i <= cells.To; ++i)
        if (counts(cells, i))
            sum += numberOf(cells, i).value_or(0);
    return sum;
}

double cellsAvg(const TCalcCells &cells)
{
    if (cells.To < cells.From)
        return 0;
    return cellsSum(cells) / (static_cast<double>(cells.To) - cells.From + 1);
}

double cellsMin(const TCalcCells &cells)
{
    return extreme(cells, [](double v, double best) { return v < best; });
}

double cellsMax(const TCalcCells &cells)
{
    return extreme(cells, [](double v, double best) { return v > best; });
}

double cellsStdDev(const TCalcCells &cells)
{
    if (cells.To < cells.From)
        return 0;
    TCalcCells all = cells;
    all.Counts = nullptr;
    const double mean = cellsAvg(all);
    double squares = 0;
    for (int i = cells.From; i <= cells.To; ++i) {
        const double d = numberOrRaise(cells, i) - mean;
        squares += d * d;
    }
    return std::sqrt(squares / (static_cast<double>(cells.To) - cells.From + 1));
}

int cellsDistinct(const TCalcCells &cells)
{
    QSet<QString> seen;
    for (int i = cells.From; i <= cells.To; ++i)
        seen.insert(cells.Text(i).toUpper());
    return static_cast<int>(seen.size());
}

bool calcUsesRealRows(int toRow, int rowCount, bool footerRowShown)
{
    return footerRowShown ? toRow >= rowCount - 1 : toRow >= rowCount;
}

} // namespace controls
