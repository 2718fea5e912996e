#include "Watchdog.h"

#include "EventLog.h"

#include <cstdio>
#include <cstdlib>

namespace garabel::monkey {

Watchdog::Watchdog(const EventLog &log, std::chrono::milliseconds limit, std::function<void()> nudge)
    : m_log(log), m_limit(limit.count()), m_nudge(std::move(nudge)), m_last(now()), m_thread([this] { watch(); })
{
}

Watchdog::~Watchdog()
{
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_stop.notify_all();
    m_thread.join();
}

long long Watchdog::now()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void Watchdog::watch()
{
    std::unique_lock lock(m_mutex);
    while (!m_stop.wait_for(lock, std::chrono::milliseconds(250), [this] { return m_stopping; })) {
        const long long stalled = now() - m_last.load(std::memory_order_relaxed);
        if (stalled / 1000 > m_nudged) {
            m_nudged = stalled / 1000;
            m_nudge();
        } else if (stalled < 1000) {
            m_nudged = 0;
        }
        if (stalled > m_limit) {
            char why[80];
            std::snprintf(why, sizeof why, "the window did not answer for %lld ms", m_limit);
            m_log.dump(why);
            std::abort();
        }
    }
}

} // namespace garabel::monkey
