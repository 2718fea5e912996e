#pragma once

#include <benchmark/benchmark.h>

#include <cstddef>

namespace garabel::bench {

// A figure is a benchmark's time per iteration divided by the time of one memcpy
// of the canvas bytes timed right after it, so that it means the same on a fast
// or a slow machine. Adding one takes a few lines:
//
//     void undo_push_4k(benchmark::State &state)
//     {
//         ...set up, outside the loop...
//         for (auto _ : state) { ...the work of one iteration... }
//         compareWithMemcpy(state, bytes);  // bytes: the copy it is measured against
//     }
//     BENCHMARK(undo_push_4k)->UseRealTime();
//
// The benchmark's function name is the figure's name. main.cpp runs every
// figure of time in several rounds, one figure after the other; each round
// gives one ratio, and the figure is the median of the rounds. After all rounds
// it prints "<figure> <value>", one line each, last.
//
// The times compared are processor time of the benchmark's thread, for the
// benchmark and for the copies alike (GARABEL_BENCH_CLOCK=wall compares wall
// time instead): on a machine shared by several busy programs the wall time of
// both swings with the share of the processor the benchmark gets. A benchmark
// whose work runs in other threads too asks for ->MeasureProcessCPUTime().

// The counters that carry the memcpy times of a figure to the reporter.
inline constexpr const char *kMemcpySeconds = "memcpy_s";
inline constexpr const char *kMemcpyCpuSeconds = "memcpy_cpu_s";

// One memcpy of some bytes, now: the mean of a few copies between buffers that
// are already paged in, in wall time and in processor time of this thread.
struct MemcpyTime {
    double wall, cpu;
};
MemcpyTime memcpyTime(std::size_t bytes);
// The wall time of the above.
double memcpySeconds(std::size_t bytes);

// Makes the running benchmark a figure measured against one memcpy of `bytes`,
// timed at this call: call it right after the timed loop.
void compareWithMemcpy(benchmark::State &state, std::size_t bytes);

// The counter that carries a figure that is not a time (a ratio of bytes, say).
inline constexpr const char *kFigureValue = "figure";

// Makes the running benchmark a figure whose value is `value` itself. It is
// measured once, not in rounds.
inline void reportValue(benchmark::State &state, double value)
{
    state.counters[kFigureValue] = benchmark::Counter(value);
}

} // namespace garabel::bench
