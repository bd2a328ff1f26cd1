// The mini-HTML renderer beside QTextDocument on 10,000 cell texts in
// 200 x 40 rectangles: laid out and measured, drawn, and hit-tested, each
// from the text, as a grid does it for every cell. QTextDocument gets the
// same markup in standard HTML. Each pair runs in the same process, so their
// ratio holds on a busy machine. A last pair lays out a 1 MB text with and
// without 50,000 entities.
#include "support/BenchMain.h"

#include "controls/grid/base/html/DrawHtmlText.h"

#include <QAbstractTextDocumentLayout>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTextDocument>
#include <benchmark/benchmark.h>

#include <random>
#include <vector>

namespace {

using namespace platform;
using namespace controls;

constexpr int CellWidth = 200;
constexpr int CellHeight = 40;

struct Cell {
    QString mini;
    QString html;
};

const std::vector<Cell> &cells()
{
    static const std::vector<Cell> out = [] {
        std::vector<Cell> cells;
        std::mt19937 random(29);
        const auto between = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
        const char *const patterns[][2] = {
            {"<B>Meter %1</B> reads %2 m3", "<b>Meter %1</b> reads %2 m3"},
            {"Volume <FONT color=\"clred\">%1</FONT> of %2 litres", "Volume <font color=\"red\">%1</font> of %2 litres"},
            {"<A href=\"node%1\">Node %1</A> at address %2", "<a href=\"node%1\">Node %1</a> at address %2"},
            {"Energy %1 kWh<BR><I>register %2</I>", "Energy %1 kWh<br><i>register %2</i>"},
            {"Primary address %1 &amp; secondary %2", "Primary address %1 &amp; secondary %2"},
        };
        for (int i = 0; i < 10000; ++i) {
            const auto &p = patterns[i % 5];
            const int a = between(1, 99999), b = between(1, 999);
            cells.push_back({QString::fromLatin1(p[0]).arg(a).arg(b), QString::fromLatin1(p[1]).arg(a).arg(b)});
        }
        return cells;
    }();
    return out;
}

QImage target()
{
    QImage image(CellWidth * 4, CellHeight * 25, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    return image;
}

TRect cellRect(std::size_t i)
{
    return Bounds(int(i % 4) * CellWidth, int(i / 4 % 25) * CellHeight, CellWidth, CellHeight);
}

struct Layer {
    QImage image = target();
    TCanvas canvas{&image};
    Layer()
    {
        canvas.Font().setName(QStringLiteral("Verdana"));
        canvas.Font().setSize(8);
    }
};

QFont cellFont()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    return font;
}

// The layout the grid asks for to size a cell.
void MeasureHtml(benchmark::State &state)
{
    Layer layer;
    THtmlDrawParams params;
    params.MeasureOnly = true;
    THtmlDrawResult result;
    for (auto _ : state) {
        for (std::size_t i = 0; i < cells().size(); ++i)
            DrawHtmlText(layer.canvas, cells()[i].mini, Bounds(0, 0, CellWidth, CellHeight), params, result);
        benchmark::DoNotOptimize(result.TotalHeight);
    }
    state.SetItemsProcessed(state.iterations() * std::int64_t(cells().size()));
}
BENCHMARK(MeasureHtml)->Unit(benchmark::kMillisecond);

void MeasureQTextDocument(benchmark::State &state)
{
    QTextDocument document;
    document.setDefaultFont(cellFont());
    QSizeF size;
    for (auto _ : state) {
        for (const Cell &cell : cells()) {
            document.setHtml(cell.html);
            document.setTextWidth(CellWidth);
            size = document.size();
        }
        benchmark::DoNotOptimize(size);
    }
    state.SetItemsProcessed(state.iterations() * std::int64_t(cells().size()));
}
BENCHMARK(MeasureQTextDocument)->Unit(benchmark::kMillisecond);

void DrawHtml(benchmark::State &state)
{
    Layer layer;
    THtmlDrawParams params;
    THtmlDrawResult result;
    for (auto _ : state) {
        for (std::size_t i = 0; i < cells().size(); ++i)
            DrawHtmlText(layer.canvas, cells()[i].mini, cellRect(i), params, result);
    }
    state.SetItemsProcessed(state.iterations() * std::int64_t(cells().size()));
}
BENCHMARK(DrawHtml)->Unit(benchmark::kMillisecond);

void DrawQTextDocument(benchmark::State &state)
{
    QImage image = target();
    QPainter painter(&image);
    QTextDocument document;
    document.setDefaultFont(cellFont());
    for (auto _ : state) {
        for (std::size_t i = 0; i < cells().size(); ++i) {
            const TRect r = cellRect(i);
            document.setHtml(cells()[i].html);
            document.setTextWidth(CellWidth);
            painter.save();
            painter.translate(r.Left, r.Top);
            document.drawContents(&painter, QRectF(0, 0, CellWidth, CellHeight));
            painter.restore();
        }
    }
    state.SetItemsProcessed(state.iterations() * std::int64_t(cells().size()));
}
BENCHMARK(DrawQTextDocument)->Unit(benchmark::kMillisecond);

// A mouse move over a cell: which anchor lies under the point.
void HitTestHtml(benchmark::State &state)
{
    Layer layer;
    THtmlDrawParams params;
    params.HitTestOnly = true;
    params.HitX = 30;
    params.HitY = 6;
    THtmlDrawResult result;
    int hits = 0;
    for (auto _ : state) {
        for (std::size_t i = 0; i < cells().size(); ++i)
            hits += DrawHtmlText(layer.canvas, cells()[i].mini, Bounds(0, 0, CellWidth, CellHeight), params, result);
    }
    benchmark::DoNotOptimize(hits);
    state.SetItemsProcessed(state.iterations() * std::int64_t(cells().size()));
}
BENCHMARK(HitTestHtml)->Unit(benchmark::kMillisecond);

void HitTestQTextDocument(benchmark::State &state)
{
    QTextDocument document;
    document.setDefaultFont(cellFont());
    int hits = 0;
    for (auto _ : state) {
        for (const Cell &cell : cells()) {
            document.setHtml(cell.html);
            document.setTextWidth(CellWidth);
            hits += !document.documentLayout()->anchorAt(QPointF(30, 6)).isEmpty();
        }
    }
    benchmark::DoNotOptimize(hits);
    state.SetItemsProcessed(state.iterations() * std::int64_t(cells().size()));
}
BENCHMARK(HitTestQTextDocument)->Unit(benchmark::kMillisecond);

// About 1 MB of words, with or without 50,000 entities among them.
QString megabyte(bool entities)
{
    QString text;
    text.reserve(1 << 20);
    int written = 0;
    for (int i = 0; text.size() < (1 << 20); ++i) {
        if (entities && written < 50000 && i % 3 == 0) {
            text += QStringLiteral("a&amp;b&lt;c ");
            written += 2;
        } else {
            text += QStringLiteral("word%1 ").arg(i % 1000);
        }
    }
    return text;
}

void MeasureMegabyte(benchmark::State &state)
{
    const QString text = megabyte(state.range(0) != 0);
    Layer layer;
    THtmlDrawParams params;
    params.MeasureOnly = true;
    THtmlDrawResult result;
    for (auto _ : state)
        DrawHtmlText(layer.canvas, text, Bounds(0, 0, 400, 40), params, result);
    state.SetBytesProcessed(state.iterations() * text.size() * 2);
    state.counters["height"] = result.TotalHeight;
    state.counters["chars"] = double(result.PlainText.size());
}
BENCHMARK(MeasureMegabyte)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return bench::runBenchmarks<QGuiApplication>(argc, argv);
}
