// The typed edit's numbers, a million each: the text SetFloatValue shows
// ("%.2f"), the value GetFloatValue reads and the money regrouping, beside
// QLocale::toString and QLocale::toDouble doing the same kind of work. The
// ratios of ours to Qt's are printed at the end.
#include "controls/dropdown/core/NumberRules.h"
#include "support/TimesReporter.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QLocale>

namespace {

using namespace controls;

constexpr int Runs = 1000000;

TFormatSettings pointLocale()
{
    TFormatSettings fs;
    fs.DecimalSeparator = u'.';
    fs.ThousandSeparator = u',';
    return fs;
}

double valueOf(int i) { return 1234.5 + i * 0.25; }

void Ours_SetFloatValue(benchmark::State &state)
{
    const TFormatSettings fs = pointLocale();
    TEditTypeSettings settings;
    settings.EditType = etFloat;
    settings.Precision = 2;
    for (auto _ : state)
        for (int i = 0; i < Runs; ++i)
            benchmark::DoNotOptimize(FloatValueText(valueOf(i), settings, fs));
}

void Qt_ToString(benchmark::State &state)
{
    const QLocale locale(QLocale::English);
    for (auto _ : state)
        for (int i = 0; i < Runs; ++i)
            benchmark::DoNotOptimize(locale.toString(valueOf(i), 'f', 2));
}

void Ours_GetFloatValue(benchmark::State &state)
{
    const TFormatSettings fs = pointLocale();
    TEditTypeSettings settings;
    settings.EditType = etFloat;
    const QString text = QStringLiteral("1234.75");
    for (auto _ : state)
        for (int i = 0; i < Runs; ++i)
            benchmark::DoNotOptimize(FloatValueOf(text, settings, fs));
}

void Qt_ToDouble(benchmark::State &state)
{
    const QLocale locale(QLocale::English);
    const QString text = QStringLiteral("1234.75");
    for (auto _ : state)
        for (int i = 0; i < Runs; ++i)
            benchmark::DoNotOptimize(locale.toDouble(text));
}

void Ours_FormatMoneyText(benchmark::State &state)
{
    const TFormatSettings fs = pointLocale();
    TEditTypeSettings settings;
    settings.EditType = etMoney;
    const TEditState typed{QStringLiteral("1234567.50"), 10, 10, 0};
    for (auto _ : state)
        for (int i = 0; i < Runs; ++i)
            benchmark::DoNotOptimize(FormatMoneyText(typed, settings, fs));
}

// Qt's grouping of the same amount: read, then written with separators.
void Qt_GroupedToString(benchmark::State &state)
{
    QLocale locale(QLocale::English);
    const QString text = QStringLiteral("1234567.50");
    for (auto _ : state)
        for (int i = 0; i < Runs; ++i)
            benchmark::DoNotOptimize(locale.toString(locale.toDouble(text), 'f', 2));
}

BENCHMARK(Ours_SetFloatValue)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(Qt_ToString)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(Ours_GetFloatValue)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(Qt_ToDouble)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(Ours_FormatMoneyText)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(Qt_GroupedToString)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    bench::TimesReporter reporter(bench::TimesReporter::Clock::Real);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatio("SetFloatValue / QLocale::toString", "Ours_SetFloatValue", "Qt_ToString");
    reporter.printRatio("GetFloatValue / QLocale::toDouble", "Ours_GetFloatValue", "Qt_ToDouble");
    reporter.printRatio("FormatMoneyText / QLocale::toDouble+toString", "Ours_FormatMoneyText", "Qt_GroupedToString");
    benchmark::Shutdown();
    return 0;
}
