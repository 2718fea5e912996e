#pragma once

#include <atomic>
#include <csignal>
#include <cstdint>
#include <mutex>

namespace garabel::monkey {

// The run's seed, its event count and its last events, kept in fixed buffers
// so that a crash handler can print them without allocating.
class EventLog
{
public:
    static constexpr int kKept = 40;
    static constexpr int kLineLength = 160;

    explicit EventLog(std::uint32_t seed) : m_seed(seed) {}

    // Starts event number count() + 1 with its description (printf-style).
    void begin(const char *format, ...) __attribute__((format(printf, 2, 3)));
    // Something that happened inside the current event (a dialog dismissed).
    void note(const char *format, ...) __attribute__((format(printf, 2, 3)));
    long count() const { return m_count; }
    // Every line also goes to standard output as it is added.
    void setEcho(bool on) { m_echo = on; }
    std::uint32_t seed() const { return m_seed; }

    // Writes the seed, the count and the kept lines to standard error with
    // write(2) only: callable from a signal handler or another thread. Only
    // the first call writes, so a report is not repeated by the handler of
    // the abort that follows it.
    void dump(const char *why) const;

private:
    void add(const char *prefix, const char *format, __builtin_va_list args);

    std::uint32_t m_seed;
    bool m_echo = false;
    std::atomic<long> m_count = 0;
    char m_lines[kKept][kLineLength] = {};
    std::atomic<int> m_next = 0;
    mutable volatile std::sig_atomic_t m_dumped = 0;
    mutable std::mutex m_mutex;
};

} // namespace garabel::monkey
