#pragma once
// The console's report, keeping each run's time per iteration by name, so
// that a program can put ours beside its peer's once both ran.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <unistd.h>
#include <vector>

namespace bench {

class TimesReporter : public benchmark::ConsoleReporter {
public:
    enum class Clock { Cpu, Real };

    // Colours only on a terminal, as the console reporter's own default.
    explicit TimesReporter(Clock clock = Clock::Cpu)
        : ConsoleReporter(isatty(fileno(stdout)) ? OO_Color : OO_None), m_clock(clock)
    {
    }

    void ReportRuns(const std::vector<Run> &runs) override
    {
        // With repetitions, the median stands for the run.
        for (const Run &run : runs)
            if (run.run_type == Run::RT_Aggregate ? run.aggregate_name == "median" : run.iterations > 0)
                m_times[run.run_name.str()] =
                    m_clock == Clock::Cpu ? run.GetAdjustedCPUTime() : run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }

    // The time of the benchmark `name` whatever settings follow it in the
    // run's name ("/min_time:1.000"); 0 when it did not run.
    double time(const std::string &name) const
    {
        for (const auto &[key, value] : m_times)
            if (key == name || key.rfind(name + "/", 0) == 0)
                return value;
        return 0;
    }

    // Prints "label: ours / peer's" when both ran.
    void printRatio(const char *label, const std::string &ours, const std::string &peer) const
    {
        const double o = time(ours);
        const double p = time(peer);
        if (o > 0 && p > 0)
            std::printf("%s: %.2f\n", label, o / p);
    }

private:
    Clock m_clock;
    std::map<std::string, double> m_times;
};

} // namespace bench
