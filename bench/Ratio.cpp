#include "Ratio.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <map>
#include <vector>

namespace garabel::bench {

double memcpySeconds(std::size_t bytes)
{
    static std::map<std::size_t, double> measured;
    if (const auto found = measured.find(bytes); found != measured.end())
        return found->second;

    std::vector<unsigned char> from(bytes, 1), to(bytes, 2);
    std::vector<double> times;
    double total = 0;
    using Clock = std::chrono::steady_clock;
    // Enough copies for a stable median, even for small sizes.
    while (times.size() < 9 || (total < 0.2 && times.size() < 10000)) {
        const auto start = Clock::now();
        std::memcpy(to.data(), from.data(), bytes);
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
        const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
        times.push_back(seconds);
        total += seconds;
    }
    std::nth_element(times.begin(), times.begin() + times.size() / 2, times.end());
    return measured[bytes] = times[times.size() / 2];
}

void compareWithMemcpy(benchmark::State &state, std::size_t bytes)
{
    state.counters[kMemcpySeconds] = benchmark::Counter(memcpySeconds(bytes));
}

} // namespace garabel::bench
