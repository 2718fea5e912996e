#include "Ratio.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <map>
#include <set>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

// Rounds of every figure of time; each gives one ratio and the median is printed.
constexpr int kDefaultRounds = 5;

// The console report; gathers one "<figure> <value>" per benchmark run that
// compared itself with a memcpy or reported a value of its own (see Ratio.h).
class FigureReporter : public benchmark::ConsoleReporter
{
public:
    // Colour codes only for a terminal: in a pipe they would stick to the figure lines.
    FigureReporter() : ConsoleReporter(isatty(fileno(stdout)) ? OO_ColorTabular : OO_Tabular) {}

    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs) {
            if (run.run_type != Run::RT_Iteration || run.error_occurred || run.iterations == 0)
                continue;
            const std::string &figure = run.run_name.function_name;
            const auto value = run.counters.find(garabel::bench::kFigureValue);
            if (value != run.counters.end()) {
                m_figures[figure].push_back(value->second.value);
                continue;
            }
            const auto counter = run.counters.find(m_wall ? garabel::bench::kMemcpySeconds
                                                          : garabel::bench::kMemcpyCpuSeconds);
            if (counter == run.counters.end() || counter->second.value <= 0)
                continue;
            const double spent = m_wall ? run.real_accumulated_time : run.cpu_accumulated_time;
            const double perIteration = spent / double(run.iterations);
            m_figures[figure].push_back(perIteration / counter->second.value);
            m_timed.insert(figure);
        }
    }

    // A filter that runs the figures of time again, and nothing else.
    std::string timedFiguresFilter() const
    {
        std::string names;
        for (const std::string &figure : m_timed)
            names += (names.empty() ? "" : "|") + figure;
        return names.empty() ? std::string() : "^(" + names + ")(/|$)";
    }

    // The median of each figure's values.
    void printFigures()
    {
        std::ostream &out = GetOutputStream();
        for (auto &[figure, values] : m_figures) {
            std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
            out << figure << ' ' << values[values.size() / 2] << '\n';
        }
        out.flush();
    }

private:
    const bool m_wall = qEnvironmentVariable("GARABEL_BENCH_CLOCK") == QLatin1String("wall");
    std::map<std::string, std::vector<double>> m_figures;
    std::set<std::string> m_timed;
};

int rounds()
{
    bool ok = false;
    const int asked = qEnvironmentVariableIntValue("GARABEL_BENCH_ROUNDS", &ok);
    return ok && asked > 0 ? asked : kDefaultRounds;
}

} // namespace

// GARABEL_BENCH_ROUNDS sets how many rounds the figures of time get (5 unless
// set); GARABEL_BENCH_CLOCK=wall compares wall time rather than processor time.
int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    benchmark::Initialize(&argc, argv);
    QApplication app(argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    FigureReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    // The later rounds alternate the figures, so that a busy spell of the machine
    // falls on one round of a figure rather than on all of them.
    const std::string timed = reporter.timedFiguresFilter();
    for (int round = 1; round < rounds() && !timed.empty(); ++round)
        benchmark::RunSpecifiedBenchmarks(&reporter, timed);
    reporter.printFigures();
    benchmark::Shutdown();
    return 0;
}
