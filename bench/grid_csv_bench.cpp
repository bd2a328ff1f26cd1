// The string grid's delimited files beside Qt doing the same job, in the
// same run: a file of 1,000,000 rows by 10 columns (about 100 MB), one field
// in a hundred quoted (it holds a comma) or of two lines. Load: LoadFromCSV
// against reading the file, QString::split into lines and fields and a
// QStandardItemModel filled with them. Save: SaveToCSV against a QTextStream
// writing the model's texts. The ratios of the means are printed at the
// end; the goal is 1 or below.
#include "support/BenchMain.h"
#include "support/ManualTimes.h"
#include "support/Smoke.h"

#include "controls/grid/model/ExGrid.h"

#include <QApplication>
#include <QFile>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QTextStream>
#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>

namespace {

using namespace controls;
using Clock = std::chrono::steady_clock;

constexpr int kCols = 10;
const int kRows = bench::sized(1000000, 200);

QString fieldText(int c, int r)
{
    QString text = QStringLiteral("v%1-%2").arg(r, 7, 10, QChar(u'0')).arg(c);
    switch ((r * kCols + c) % 200) {
    case 0:
        return text + QStringLiteral(",q");
    case 100:
        return text + QStringLiteral("\r\nl");
    default:
        return text;
    }
}

QTemporaryDir &folder()
{
    static QTemporaryDir dir;
    return dir;
}

QString sourceFile()
{
    static const QString path = [] {
        const QString file = folder().filePath(QStringLiteral("source.csv"));
        TExStringGrid grid;
        grid.setFixedRows(0);
        grid.setFixedCols(0);
        grid.setColCount(kCols);
        grid.setRowCount(kRows);
        for (int r = 0; r < kRows; ++r)
            for (int c = 0; c < kCols; ++c)
                grid.setCells(c, r, fieldText(c, r));
        grid.SaveToCSV(file, true);
        return file;
    }();
    return path;
}

std::unique_ptr<TExStringGrid> emptyGrid()
{
    auto grid = std::make_unique<TExStringGrid>();
    grid->setFixedRows(0);
    grid->setFixedCols(0);
    grid->setColCount(1);
    grid->setRowCount(1);
    grid->Delimiter = u',';
    return grid;
}

// The peer's load: whole file, split into lines and fields, one item each.
void peerLoad(QStandardItemModel &model, const QString &file)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return;
    const QString text = QString::fromUtf8(f.readAll());
    const QStringList lines = text.split(u'\n', Qt::SkipEmptyParts);
    model.setColumnCount(kCols);
    model.setRowCount(int(lines.size()));
    for (int r = 0; r < int(lines.size()); ++r) {
        const QStringList fields = lines[r].split(u',');
        for (int c = 0; c < int(fields.size()); ++c)
            model.setItem(r, c, new QStandardItem(fields[c]));
    }
}

void peerSave(const QStandardItemModel &model, const QString &file)
{
    QFile f(file);
    if (!f.open(QIODevice::WriteOnly))
        return;
    QTextStream out(&f);
    for (int r = 0; r < model.rowCount(); ++r) {
        for (int c = 0; c < model.columnCount(); ++c) {
            if (c > 0)
                out << u',';
            if (const QStandardItem *item = model.item(r, c))
                out << item->text();
        }
        out << "\r\n";
    }
}

void Grid_LoadCsv(benchmark::State &state)
{
    const QString file = sourceFile();
    for (auto _ : state) {
        auto grid = emptyGrid();
        const auto start = Clock::now();
        grid->LoadFromCSV(file);
        bench::record(state, "load_grid", bench::since(start));
        benchmark::DoNotOptimize(grid->RowCount());
    }
}
BENCHMARK(Grid_LoadCsv)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(bench::rounds(3));

void Qt_LoadCsv(benchmark::State &state)
{
    const QString file = sourceFile();
    for (auto _ : state) {
        QStandardItemModel model;
        const auto start = Clock::now();
        peerLoad(model, file);
        bench::record(state, "load_qt", bench::since(start));
        benchmark::DoNotOptimize(model.rowCount());
    }
}
BENCHMARK(Qt_LoadCsv)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(bench::rounds(3));

void Grid_SaveCsv(benchmark::State &state)
{
    auto grid = emptyGrid();
    grid->LoadFromCSV(sourceFile());
    const QString file = folder().filePath(QStringLiteral("grid.csv"));
    for (auto _ : state) {
        const auto start = Clock::now();
        grid->SaveToCSV(file, true);
        bench::record(state, "save_grid", bench::since(start));
    }
    QFile::remove(file);
}
BENCHMARK(Grid_SaveCsv)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(bench::rounds(3));

void Qt_SaveCsv(benchmark::State &state)
{
    QStandardItemModel model;
    peerLoad(model, sourceFile());
    const QString file = folder().filePath(QStringLiteral("qt.csv"));
    for (auto _ : state) {
        const auto start = Clock::now();
        peerSave(model, file);
        bench::record(state, "save_qt", bench::since(start));
    }
    QFile::remove(file);
}
BENCHMARK(Qt_SaveCsv)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(bench::rounds(3));

} // namespace

int main(int argc, char **argv)
{
    const int result = bench::runBenchmarks<QApplication>(argc, argv);
    bench::printMeanRatio("load 1M x 10 CSV, 1% quoted or two-line", "load_grid", "load_qt",
                          "QString::split into QStandardItemModel");
    bench::printMeanRatio("save 1M x 10 CSV, 1% quoted or two-line", "save_grid", "save_qt", "QTextStream");
    return result;
}
