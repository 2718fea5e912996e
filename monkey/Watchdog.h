#pragma once

#include <atomic>
#include <functional>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace garabel::monkey {

class EventLog;

// Aborts the run when the GUI thread has not reported progress for `limit`:
// a window that does not answer, or a dialog the driver could not dismiss.
// Before that, each second without progress calls `nudge` from the watchdog's
// own thread.
class Watchdog
{
public:
    Watchdog(const EventLog &log, std::chrono::milliseconds limit, std::function<void()> nudge);
    ~Watchdog();

    // Called by the GUI thread each time it finishes an event.
    void tick() { m_last.store(now(), std::memory_order_relaxed); }

private:
    static long long now();
    void watch();

    const EventLog &m_log;
    const long long m_limit;
    const std::function<void()> m_nudge;
    long long m_nudged = 0;
    std::atomic<long long> m_last;
    std::mutex m_mutex;
    std::condition_variable m_stop;
    bool m_stopping = false;
    std::thread m_thread;
};

} // namespace garabel::monkey
