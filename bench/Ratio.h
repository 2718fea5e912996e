#pragma once

#include <benchmark/benchmark.h>

#include <cstddef>

namespace garabel::bench {

// A figure is a benchmark's time per iteration divided by the time of one memcpy
// timed in the same run, so that it means the same on a fast or a slow machine.
// Adding one takes a few lines:
//
//     void undo_push_4k(benchmark::State &state)
//     {
//         ...set up, outside the loop...
//         for (auto _ : state) { ...the work of one iteration... }
//         compareWithMemcpy(state, bytes);  // bytes: the copy it is measured against
//     }
//     BENCHMARK(undo_push_4k)->UseRealTime();
//
// The benchmark's function name is the figure's name; after all benchmarks the
// reporter in main.cpp prints "<figure> <value>", one line each, last.

// The counter that carries the memcpy time of a figure to the reporter.
inline constexpr const char *kMemcpySeconds = "memcpy_s";

// Seconds one memcpy of `bytes` takes here: the median of several copies between
// buffers that are already paged in. Measured once per size and remembered.
double memcpySeconds(std::size_t bytes);

// Makes the running benchmark a figure measured against one memcpy of `bytes`.
void compareWithMemcpy(benchmark::State &state, std::size_t bytes);

// The counter that carries a figure that is not a time (a ratio of bytes, say).
inline constexpr const char *kFigureValue = "figure";

// Makes the running benchmark a figure whose value is `value` itself.
inline void reportValue(benchmark::State &state, double value)
{
    state.counters[kFigureValue] = benchmark::Counter(value);
}

} // namespace garabel::bench
