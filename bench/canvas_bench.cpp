// The drawing layer beside QPainter doing the same work on a full-HD image:
// rectangles with a pen and a brush, one-pixel lines and text in
// rectangles. Each pair runs in the same process, so their ratio holds on
// a busy machine.
#include "support/BenchMain.h"

#include "platform/draw/Canvas.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

#include <random>
#include <vector>

namespace {

using namespace platform;

constexpr int Width = 1920;
constexpr int Height = 1080;

struct Work {
    std::vector<TRect> rects;
    std::vector<TColor> colors;
    std::vector<std::pair<TPoint, TPoint>> lines;
    std::vector<std::pair<TRect, QString>> texts;
};

const Work &work()
{
    static const Work w = [] {
        Work out;
        std::mt19937 random(14);
        const auto between = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
        for (int i = 0; i < 10000; ++i) {
            const int x = between(0, Width - 1), y = between(0, Height - 1);
            out.rects.push_back(Rect(x, y, x + between(2, 200), y + between(2, 120)));
            out.colors.push_back(RGB(between(0, 255), between(0, 255), between(0, 255)));
            out.lines.push_back({{between(0, Width - 1), between(0, Height - 1)},
                                 {between(0, Width - 1), between(0, Height - 1)}});
        }
        const QString words[] = {QStringLiteral("Meter %1"), QStringLiteral("Volume %1 m3"),
                                 QStringLiteral("Energy %1 kWh"), QStringLiteral("Primary address %1"),
                                 QStringLiteral("Modbus register 4%1")};
        // Every text differs, as the cells of a grid do.
        for (int i = 0; i < 2000; ++i) {
            const int x = between(0, Width - 200), y = between(0, Height - 30);
            out.texts.push_back({Rect(x, y, x + 180, y + 24), words[i % 5].arg(i)});
        }
        return out;
    }();
    return w;
}

QImage target()
{
    QImage image(Width, Height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    return image;
}

QColor qcolor(TColor c) { return QColor(GetRValue(c), GetGValue(c), GetBValue(c)); }

void RectanglesLayer(benchmark::State &state)
{
    QImage image = target();
    TCanvas canvas(&image);
    for (auto _ : state) {
        for (std::size_t i = 0; i < work().rects.size(); ++i) {
            canvas.Brush().setColor(work().colors[i]);
            canvas.Rectangle(work().rects[i]);
        }
    }
    state.SetItemsProcessed(state.iterations() * std::int64_t(work().rects.size()));
}
BENCHMARK(RectanglesLayer)->Unit(benchmark::kMillisecond);

void RectanglesQPainter(benchmark::State &state)
{
    QImage image = target();
    QPainter painter(&image);
    painter.setPen(QPen(Qt::black, 0));
    for (auto _ : state) {
        for (std::size_t i = 0; i < work().rects.size(); ++i) {
            const TRect &r = work().rects[i];
            painter.setBrush(qcolor(work().colors[i]));
            painter.drawRect(QRect(r.Left, r.Top, r.Width() - 1, r.Height() - 1));
        }
    }
    state.SetItemsProcessed(state.iterations() * std::int64_t(work().rects.size()));
}
BENCHMARK(RectanglesQPainter)->Unit(benchmark::kMillisecond);

void LinesLayer(benchmark::State &state)
{
    QImage image = target();
    TCanvas canvas(&image);
    for (auto _ : state) {
        for (const auto &[a, b] : work().lines) {
            canvas.MoveTo(a.X, a.Y);
            canvas.LineTo(b.X, b.Y);
        }
    }
    state.SetItemsProcessed(state.iterations() * std::int64_t(work().lines.size()));
}
BENCHMARK(LinesLayer)->Unit(benchmark::kMillisecond);

void LinesQPainter(benchmark::State &state)
{
    QImage image = target();
    QPainter painter(&image);
    QPen pen(Qt::black, 0);
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);
    for (auto _ : state) {
        for (const auto &[a, b] : work().lines)
            painter.drawLine(QPoint(a.X, a.Y), QPoint(b.X, b.Y));
    }
    state.SetItemsProcessed(state.iterations() * std::int64_t(work().lines.size()));
}
BENCHMARK(LinesQPainter)->Unit(benchmark::kMillisecond);

void DrawTextLayer(benchmark::State &state)
{
    QImage image = target();
    TCanvas canvas(&image);
    canvas.Font().setName(QStringLiteral("Verdana"));
    canvas.Font().setSize(8);
    canvas.SetBkMode(TRANSPARENT);
    for (auto _ : state) {
        for (const auto &[rect, text] : work().texts) {
            TRect r = rect;
            canvas.DrawText(text, r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        }
    }
    state.SetItemsProcessed(state.iterations() * std::int64_t(work().texts.size()));
}
BENCHMARK(DrawTextLayer)->Unit(benchmark::kMillisecond);

void DrawTextQPainter(benchmark::State &state)
{
    QImage image = target();
    QPainter painter(&image);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    painter.setFont(font);
    painter.setPen(Qt::black);
    for (auto _ : state) {
        for (const auto &[rect, text] : work().texts) {
            const QRect r(rect.Left, rect.Top, rect.Width(), rect.Height());
            painter.save();
            painter.setClipRect(r);
            painter.drawText(r, Qt::AlignCenter | Qt::TextSingleLine, text);
            painter.restore();
        }
    }
    state.SetItemsProcessed(state.iterations() * std::int64_t(work().texts.size()));
}
BENCHMARK(DrawTextQPainter)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return bench::runBenchmarks<QGuiApplication>(argc, argv);
}
