#pragma once

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QGuiApplication>

#include <functional>
#include <type_traits>

namespace bench {

// Runs the benchmarks of a program under the application object it needs;
// those that paint get the offscreen platform unless one is asked for.
// beforeQuit frees what must go while the application still exists
// (widgets kept across benchmarks).
template <typename Application>
int runBenchmarks(int argc, char **argv, const std::function<void()> &beforeQuit = {})
{
    if constexpr (std::is_base_of_v<QGuiApplication, Application>) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    Application app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (beforeQuit)
        beforeQuit();
    return 0;
}

} // namespace bench
