// The focus glow's blur beside a plain separable Gaussian blur of every row
// and column of the same 24-bit QImage, with the same kernel, in the same
// run: the mask of a 120 x 40 cell, and the whole glow (mask, blur and the
// premultiplied merge) the grid makes whenever the focused cell changes.
#include "controls/grid/base/paint/GlowMask.h"
#include "support/TimesReporter.h"

#include <QGuiApplication>
#include <QImage>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

namespace {

using namespace controls;

constexpr int CellWidth = 120, CellHeight = 40;

QImage ring()
{
    QImage mask;
    MakeRoundRectMask(mask, CellWidth + 9, CellHeight + 9, 4, 5, 0);
    return mask;
}

// Every row, then every column, each pixel from the unblurred line.
void plainSeparableBlur(QImage &image, const TBlurKernel &kernel)
{
    const int w = image.width(), h = image.height();
    std::vector<double> weights;
    for (int k = -kernel.halfWidth; k <= kernel.halfWidth; ++k)
        weights.push_back(kernel.weight(k));
    std::vector<std::uint8_t> line(std::size_t(std::max(w, h)) * 3);
    const auto blur = [&](std::uint8_t *first, int n, std::ptrdiff_t step) {
        for (int i = 0; i < n; ++i)
            std::copy_n(first + i * step, 3, &line[std::size_t(i) * 3]);
        for (int i = 0; i < n; ++i) {
            double sum[3] = {0, 0, 0};
            for (int k = -kernel.halfWidth; k <= kernel.halfWidth; ++k) {
                const std::uint8_t *p = &line[std::size_t(std::clamp(i - k, 0, n - 1)) * 3];
                const double weight = weights[std::size_t(k + kernel.halfWidth)];
                sum[0] += weight * p[0];
                sum[1] += weight * p[1];
                sum[2] += weight * p[2];
            }
            for (int c = 0; c < 3; ++c)
                first[i * step + c] = std::uint8_t(std::min(255, int(sum[c] + 1e-9)));
        }
    };
    for (int y = 0; y < h; ++y)
        blur(image.scanLine(y), w, 3);
    for (int x = 0; x < w; ++x)
        blur(image.bits() + x * 3, h, image.bytesPerLine());
}

void BM_GlowBlur(benchmark::State &state)
{
    const QImage mask = ring();
    for (auto _ : state) {
        QImage image = mask.copy();
        BlurBitmap(image, 3.0);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_GlowBlur);

void BM_PlainSeparableBlur(benchmark::State &state)
{
    const QImage mask = ring();
    const TBlurKernel kernel = blurKernel(3.0);
    for (auto _ : state) {
        QImage image = mask.copy();
        plainSeparableBlur(image, kernel);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_PlainSeparableBlur);

void BM_RingMask(benchmark::State &state)
{
    for (auto _ : state) {
        QImage mask;
        MakeRoundRectMask(mask, CellWidth + 9, CellHeight + 9, 4, 5, 0);
        benchmark::DoNotOptimize(mask.constBits());
    }
}
BENCHMARK(BM_RingMask);

void BM_Merge(benchmark::State &state)
{
    QImage colour(CellWidth + 9, CellHeight + 9, QImage::Format_RGB888);
    colour.fill(QColor(0x97, 0xD3, 0xFD));
    const QImage mask = ring();
    for (auto _ : state) {
        TGridAlphaMask glow;
        glow.MergeMask(mask, colour);
        benchmark::DoNotOptimize(glow.image().constBits());
    }
}
BENCHMARK(BM_Merge);

void BM_WholeGlow(benchmark::State &state)
{
    QImage colour(CellWidth + 9, CellHeight + 9, QImage::Format_RGB888);
    colour.fill(QColor(0x97, 0xD3, 0xFD));
    for (auto _ : state) {
        QImage mask;
        MakeRoundRectMask(mask, CellWidth + 9, CellHeight + 9, 4, 5, 3.0);
        TGridAlphaMask glow;
        glow.MergeMask(mask, colour);
        benchmark::DoNotOptimize(glow.image().constBits());
    }
}
BENCHMARK(BM_WholeGlow);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    bench::TimesReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatio("glow blur / plain separable blur on QImage", "BM_GlowBlur", "BM_PlainSeparableBlur");
    benchmark::Shutdown();
    return 0;
}
