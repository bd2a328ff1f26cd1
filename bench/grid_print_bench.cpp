// Printing the string grid: a PDF of 10,000 rows by 10 columns beside
// QPainter drawing the same texts into a QPdfWriter, and the page count of
// 100,000 rows beside that of 10,000 (it should grow linearly). The ratios
// are printed at the end.
#include "support/TimesReporter.h"

#include "controls/grid/model/ExGrid.h"
#include "platform/print/PagedDevicePrinter.h"

#include <QApplication>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

using namespace controls;

constexpr int Columns = 10;
constexpr int Resolution = 300;

QString cellText(int c, int r) { return QStringLiteral("Meter %1 value %2").arg(r).arg(c); }

TExStringGrid &gridOfRows(int rows)
{
    static std::map<int, std::unique_ptr<TExStringGrid>> grids;
    std::unique_ptr<TExStringGrid> &grid = grids[rows];
    if (!grid) {
        grid = std::make_unique<TExStringGrid>();
        grid->setColCount(Columns);
        grid->setRowCount(rows);
        grid->BeginUpdate();
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < Columns; ++c)
                grid->setCells(c, r, cellText(c, r));
        grid->EndUpdate();
        grid->PrintSettings.FitToPage = fpShrink;
    }
    return *grid;
}

const QTemporaryDir &folder()
{
    static QTemporaryDir dir;
    return dir;
}

void Pdf_StringGrid(benchmark::State &state)
{
    TExStringGrid &grid = gridOfRows(10000);
    const QString file = folder().filePath(QStringLiteral("grid.pdf"));
    for (auto _ : state) {
        QPdfWriter writer(file);
        writer.setResolution(Resolution);
        platform::TPdfPrinter printer(writer, file);
        grid.Printer = &printer;
        grid.Print();
        grid.Printer = nullptr;
    }
    state.counters["pages"] = grid.PrintPageCount();
}
BENCHMARK(Pdf_StringGrid)->Iterations(1)->Unit(benchmark::kMillisecond);

void Pdf_QPainter(benchmark::State &state)
{
    const QString file = folder().filePath(QStringLiteral("painter.pdf"));
    const int pages = gridOfRows(10000).PrintPageCount();
    const int rowsPerPage = pages > 0 ? 10000 / pages + 1 : 60;
    for (auto _ : state) {
        QPdfWriter writer(file);
        writer.setResolution(Resolution);
        QPainter painter(&writer);
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(Resolution * 10 / 72);
        painter.setFont(font);
        const int lineHeight = painter.fontMetrics().height() * 5 / 4;
        const int columnWidth = writer.width() / Columns;
        for (int r = 0; r < 10000; ++r) {
            if (r > 0 && r % rowsPerPage == 0)
                writer.newPage();
            const int y = (r % rowsPerPage) * lineHeight;
            for (int c = 0; c < Columns; ++c)
                painter.drawText(QRect(c * columnWidth, y, columnWidth, lineHeight), Qt::AlignLeft | Qt::AlignVCenter,
                                 cellText(c, r));
        }
    }
}
BENCHMARK(Pdf_QPainter)->Iterations(1)->Unit(benchmark::kMillisecond);

// Counting only: the preview's page count, the drawing refused.
void countPages(benchmark::State &state, int rows)
{
    TExStringGrid &grid = gridOfRows(rows);
    QImage page(559, 794, QImage::Format_ARGB32_Premultiplied);
    int total = 0;
    grid.OnPrintStart = [&](TExStringGrid *, int pages, int &from, int &) {
        total = pages;
        from = 0;
    };
    for (auto _ : state) {
        platform::TCanvas canvas(&page);
        grid.PrintPreview(canvas, {0, 0, page.width(), page.height()});
    }
    grid.OnPrintStart = nullptr;
    state.counters["pages"] = total;
}

void Count_10000(benchmark::State &state) { countPages(state, 10000); }
void Count_100000(benchmark::State &state) { countPages(state, 100000); }
BENCHMARK(Count_10000)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(Count_100000)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    bench::TimesReporter reporter(bench::TimesReporter::Clock::Real);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatio("PDF of 10,000 x 10: string grid / QPainter", "Pdf_StringGrid", "Pdf_QPainter");
    reporter.printRatio("page count: 100,000 rows / 10,000 rows", "Count_100000", "Count_10000");
    benchmark::Shutdown();
    return 0;
}
