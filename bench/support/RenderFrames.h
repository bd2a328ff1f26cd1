#pragma once

#include <benchmark/benchmark.h>

#include <QImage>
#include <QWidget>

namespace bench {

// Renders Widget Repaints times per iteration into one picture and reports
// the frames per second.
inline void renderFrames(benchmark::State &state, QWidget &widget, int repaints)
{
    QImage image(widget.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        for (int i = 0; i < repaints; ++i)
            widget.render(&image);
        benchmark::DoNotOptimize(image.bits());
    }
    state.counters["frames/s"] = benchmark::Counter(repaints, benchmark::Counter::kIsIterationInvariantRate);
}

} // namespace bench
