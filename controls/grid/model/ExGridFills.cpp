// Filling every cell (with DoFixed) or the scrolling cells with one text, a
// formatted column and row, a random number or the cell's own address.
#include "controls/grid/model/ExGrid.h"
#include "platform/Format.h"

#include <QRandomGenerator>

namespace controls {

namespace {

template <class Fill>
void fillRange(TExStringGrid &grid, bool DoFixed, Fill fill)
{
    const int firstCol = DoFixed ? 0 : grid.FixedCols();
    const int lastCol = DoFixed ? grid.ColCount() - 1 : grid.ColCount() - grid.FixedRightCols() - 1;
    const int firstRow = DoFixed ? 0 : grid.FixedRows();
    const int lastRow = DoFixed ? grid.RowCount() - 1 : grid.RowCount() - grid.FixedFooters() - 1;
    for (int c = firstCol; c <= lastCol; ++c)
        for (int r = firstRow; r <= lastRow; ++r)
            fill(c, r);
    grid.RecalcFooter();
}

} // namespace

void TExStringGrid::TextFill(bool DoFixed, const QString &Txt)
{
    fillRange(*this, DoFixed, [&](int c, int r) { setCells(c, r, Txt); });
}

void TExStringGrid::FormatFill(bool DoFixed, const QString &Fmt)
{
    // A format that does not take two integers fills in nothing.
    fillRange(*this, DoFixed, [&](int c, int r) {
        const platform::FormatResult text = platform::Format(Fmt, {c, r});
        if (text.ok)
            setCells(c, r, text.text);
    });
}

void TExStringGrid::RandomFill(bool DoFixed, int Rnd)
{
    fillRange(*this, DoFixed, [&](int c, int r) {
        setInts(c, r, Rnd > 0 ? static_cast<int>(QRandomGenerator::global()->bounded(Rnd)) : 0);
    });
}

void TExStringGrid::LinearFill(bool DoFixed)
{
    fillRange(*this, DoFixed, [&](int c, int r) { setCells(c, r, QStringLiteral("%1:%2").arg(c).arg(r)); });
}

} // namespace controls
