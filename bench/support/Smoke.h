#pragma once
// The test command runs every benchmark program once with
// CONFIGURATOR_BENCH_SMOKE set, to catch crashes, not to measure: fixed
// round counts drop to one and the big inputs shrink, so that a program
// ends in seconds even under the sanitizers.
#include <cstdlib>

namespace bench {

inline bool smokeRun()
{
    static const bool on = std::getenv("CONFIGURATOR_BENCH_SMOKE") != nullptr;
    return on;
}

// A benchmark's fixed number of iterations, or one in a smoke run.
inline int rounds(int measured) { return smokeRun() ? 1 : measured; }

// An input size, or a small one in a smoke run.
template <typename T>
T sized(T measured, T smoke)
{
    return smokeRun() ? smoke : measured;
}

} // namespace bench
