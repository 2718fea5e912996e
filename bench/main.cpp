#include "Ratio.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

// The console report, followed by one "<figure> <value>" line per benchmark that
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
            const auto value = run.counters.find(garabel::bench::kFigureValue);
            if (value != run.counters.end()) {
                m_figures[run.run_name.function_name].push_back(value->second.value);
                continue;
            }
            const auto counter = run.counters.find(garabel::bench::kMemcpySeconds);
            if (counter == run.counters.end() || counter->second.value <= 0)
                continue;
            const double perIteration = run.real_accumulated_time / double(run.iterations);
            m_figures[run.run_name.function_name].push_back(perIteration / counter->second.value);
        }
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        std::ostream &out = GetOutputStream();
        for (auto &[figure, values] : m_figures) {
            // The median, when repetitions were asked for.
            std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
            out << figure << ' ' << values[values.size() / 2] << '\n';
        }
        out.flush();
    }

private:
    std::map<std::string, std::vector<double>> m_figures;
};

} // namespace

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
    benchmark::Shutdown();
    return 0;
}
