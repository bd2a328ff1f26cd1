#pragma once
// Benchmarks timed by hand (UseManualTime) keep each side's total seconds and
// iterations here, so that the program can print the ratio of the means.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <map>
#include <string>
#include <utility>

namespace bench {

inline std::map<std::string, std::pair<double, int>> &manualSeconds()
{
    static std::map<std::string, std::pair<double, int>> s;
    return s;
}

inline void record(benchmark::State &state, const std::string &name, double elapsed)
{
    state.SetIterationTime(elapsed);
    auto &[total, runs] = manualSeconds()[name];
    total += elapsed;
    ++runs;
}

inline double since(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Prints both means and their ratio when both sides ran.
inline void printMeanRatio(const char *what, const char *ours, const char *theirs, const char *peer)
{
    auto &s = manualSeconds();
    if (!s.contains(ours) || !s.contains(theirs))
        return;
    const double mine = s[ours].first / s[ours].second;
    const double other = s[theirs].first / s[theirs].second;
    if (other > 0)
        std::printf("%s: ours %.2f ms, %s %.2f ms, ratio %.2f\n", what, mine * 1e3, peer, other * 1e3, mine / other);
}

} // namespace bench
