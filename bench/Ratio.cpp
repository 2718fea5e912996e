#include "Ratio.h"

#include <chrono>
#include <cstring>
#include <ctime>
#include <map>
#include <vector>

namespace garabel::bench {

namespace {
// Copies for at least this long (processor time), averaged as the benchmark's
// iterations are.
constexpr double kSpellSeconds = 0.05;
constexpr int kLeastCopies = 5;

struct Buffers {
    std::vector<unsigned char> from, to;
};

double threadSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

double wallSeconds()
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}
} // namespace

MemcpyTime memcpyTime(std::size_t bytes)
{
    // Kept from call to call, so that no copy pays for faulting pages in.
    static std::map<std::size_t, Buffers> buffers;
    Buffers &b = buffers[bytes];
    if (b.from.size() != bytes) {
        b.from.assign(bytes, 1);
        b.to.assign(bytes, 2);
    }
    const double wallStart = wallSeconds(), cpuStart = threadSeconds();
    long copies = 0;
    while (copies < kLeastCopies || threadSeconds() - cpuStart < kSpellSeconds) {
        std::memcpy(b.to.data(), b.from.data(), bytes);
        benchmark::DoNotOptimize(b.to.data());
        benchmark::ClobberMemory();
        ++copies;
    }
    return {(wallSeconds() - wallStart) / double(copies), (threadSeconds() - cpuStart) / double(copies)};
}

double memcpySeconds(std::size_t bytes)
{
    return memcpyTime(bytes).wall;
}

void compareWithMemcpy(benchmark::State &state, std::size_t bytes)
{
    const MemcpyTime copy = memcpyTime(bytes);
    state.counters[kMemcpySeconds] = benchmark::Counter(copy.wall);
    state.counters[kMemcpyCpuSeconds] = benchmark::Counter(copy.cpu);
}

} // namespace garabel::bench
