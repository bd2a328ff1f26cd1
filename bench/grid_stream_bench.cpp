// The string grid's binary cell stream beside QDataStream carrying the same
// values, in the same run: 100,000 cells (10 columns by 10,000 rows), a
// tenth of them with properties (colours, font, alignment). Both sides read
// the cells out of a grid to save and write them into a fresh grid to load.
// The ratios of the means are printed at the end; the goal is 3 or below.
#include "support/BenchMain.h"
#include "support/ManualTimes.h"
#include "support/Smoke.h"

#include "controls/grid/model/ExGrid.h"

#include <QApplication>
#include <QDataStream>
#include <QIODevice>
#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>

namespace {

using namespace controls;
using Clock = std::chrono::steady_clock;

constexpr int kCols = 10;
const int kRows = bench::sized(10000, 100);

std::unique_ptr<TExStringGrid> makeGrid(int rows)
{
    auto grid = std::make_unique<TExStringGrid>();
    grid->setFixedRows(0);
    grid->setFixedCols(0);
    grid->setColCount(kCols);
    grid->setRowCount(rows);
    return grid;
}

TExStringGrid &sourceGrid()
{
    static const std::unique_ptr<TExStringGrid> grid = [] {
        auto g = makeGrid(kRows);
        for (int r = 0; r < kRows; ++r)
            for (int c = 0; c < kCols; ++c) {
                g->setCells(c, r, QStringLiteral("cell %1 of row %2").arg(c).arg(r));
                if ((r * kCols + c) % 10 == 0) {
                    g->setColors(c, r, 0x00F0E0D0 + r % 7);
                    g->setFontColors(c, r, platform::clNavy);
                    g->setFontNames(c, r, QStringLiteral("Verdana"));
                    g->setAlignments(c, r, taRightJustify);
                }
            }
        return g;
    }();
    return *grid;
}

// The peer: the same values through QDataStream, read from and written to
// a grid the same way.
QByteArray peerSave(TExStringGrid &grid)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    for (int r = 0; r < grid.RowCount(); ++r)
        for (int c = 0; c < grid.ColCount(); ++c) {
            const bool hasProp = grid.CellHasProperties(c, r);
            out << qint32(c) << qint32(r) << grid.Cells(c, r) << hasProp;
            if (!hasProp)
                continue;
            const TCellProperties &p = grid.GetCellProperties(c, r);
            out << p.FIsBaseCell << qint32(p.FCellSpanX) << qint32(p.FCellSpanY) << quint8(p.FAlignment)
                << qint32(p.FBorderColor) << qint32(p.FBorderWidth) << qint32(p.FBrushColor)
                << qint32(p.FBrushColorTo) << quint8(p.FBrushStyle) << qint32(p.FObject) << qint32(p.FFontColor)
                << p.FFontName << qint32(p.FFontSize) << p.FFontStyle.bold << p.FFontStyle.italic
                << p.FFontStyle.underline << p.FFontStyle.strikeOut << quint8(p.FEditor)
                << quint8(p.FGradientDirection) << p.FReadOnly << quint8(p.FVAlignment) << p.FWordWrap
                << qint32(p.FNodeLevel);
        }
    return bytes;
}

void peerLoad(TExStringGrid &grid, const QByteArray &bytes)
{
    QDataStream in(bytes);
    while (!in.atEnd()) {
        qint32 c, r;
        QString text;
        bool hasProp;
        in >> c >> r >> text >> hasProp;
        grid.setCells(c, r, text);
        if (!hasProp)
            continue;
        TCellProperties &p = grid.GetCellProperties(c, r);
        qint32 spanX, spanY, borderColor, borderWidth, brush, brushTo, object, fontColor, fontSize, level;
        quint8 alignment, brushStyle, editor, gradient, valign;
        in >> p.FIsBaseCell >> spanX >> spanY >> alignment >> borderColor >> borderWidth >> brush >> brushTo
            >> brushStyle >> object >> fontColor >> p.FFontName >> fontSize >> p.FFontStyle.bold
            >> p.FFontStyle.italic >> p.FFontStyle.underline >> p.FFontStyle.strikeOut >> editor >> gradient
            >> p.FReadOnly >> valign >> p.FWordWrap >> level;
        p.FCellSpanX = spanX;
        p.FCellSpanY = spanY;
        p.FAlignment = TAlignment(alignment);
        p.FBorderColor = borderColor;
        p.FBorderWidth = borderWidth;
        p.FBrushColor = brush;
        p.FBrushColorTo = brushTo;
        p.FBrushStyle = platform::TBrushStyle(brushStyle);
        p.FObject = object;
        p.FFontColor = fontColor;
        p.FFontSize = fontSize;
        p.FEditor = TEditorType(editor);
        p.FGradientDirection = TCellGradientDirection(gradient);
        p.FVAlignment = TVAlignment(valign);
        p.FNodeLevel = level;
    }
}

void Grid_SaveStream(benchmark::State &state)
{
    TExStringGrid &grid = sourceGrid();
    for (auto _ : state) {
        const auto start = Clock::now();
        const QByteArray bytes = grid.SaveToBinStream();
        bench::record(state, "save_grid", bench::since(start));
        benchmark::DoNotOptimize(bytes.size());
    }
    state.SetItemsProcessed(state.iterations() * kCols * kRows);
}
BENCHMARK(Grid_SaveStream)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(bench::rounds(5));

void DataStream_Save(benchmark::State &state)
{
    TExStringGrid &grid = sourceGrid();
    for (auto _ : state) {
        const auto start = Clock::now();
        const QByteArray bytes = peerSave(grid);
        bench::record(state, "save_qds", bench::since(start));
        benchmark::DoNotOptimize(bytes.size());
    }
    state.SetItemsProcessed(state.iterations() * kCols * kRows);
}
BENCHMARK(DataStream_Save)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(bench::rounds(5));

void Grid_LoadStream(benchmark::State &state)
{
    const QByteArray bytes = sourceGrid().SaveToBinStream();
    for (auto _ : state) {
        auto grid = makeGrid(kRows);
        const auto start = Clock::now();
        grid->LoadFromBinStream(bytes);
        bench::record(state, "load_grid", bench::since(start));
    }
    state.SetItemsProcessed(state.iterations() * kCols * kRows);
}
BENCHMARK(Grid_LoadStream)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(bench::rounds(5));

void DataStream_Load(benchmark::State &state)
{
    const QByteArray bytes = peerSave(sourceGrid());
    for (auto _ : state) {
        auto grid = makeGrid(kRows);
        const auto start = Clock::now();
        peerLoad(*grid, bytes);
        bench::record(state, "load_qds", bench::since(start));
    }
    state.SetItemsProcessed(state.iterations() * kCols * kRows);
}
BENCHMARK(DataStream_Load)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(bench::rounds(5));

} // namespace

int main(int argc, char **argv)
{
    const int result = bench::runBenchmarks<QApplication>(argc, argv);
    bench::printMeanRatio("save 100k cells, a tenth with properties", "save_grid", "save_qds", "QDataStream");
    bench::printMeanRatio("load 100k cells, a tenth with properties", "load_grid", "load_qds", "QDataStream");
    return result;
}
