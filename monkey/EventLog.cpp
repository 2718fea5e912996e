#include "EventLog.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

#include <unistd.h>

namespace garabel::monkey {

namespace {
void writeText(const char *text)
{
    const std::size_t length = std::strlen(text);
    if (length > 0 && ::write(STDERR_FILENO, text, length) < 0)
        return;
}
} // namespace

void EventLog::add(const char *prefix, const char *format, va_list args)
{
    const std::lock_guard lock(m_mutex);
    char *line = m_lines[m_next];
    const int used = std::snprintf(line, kLineLength, prefix, m_count.load());
    std::vsnprintf(line + used, std::size_t(kLineLength - used), format, args);
    m_next = (m_next + 1) % kKept;
    if (m_echo)
        std::printf("%s\n", line);
}

void EventLog::begin(const char *format, ...)
{
    ++m_count;
    va_list args;
    va_start(args, format);
    add("#%ld ", format, args);
    va_end(args);
}

void EventLog::note(const char *format, ...)
{
    va_list args;
    va_start(args, format);
    add("   (in #%ld) ", format, args);
    va_end(args);
}

// No lock: the GUI thread may hold it when it crashed. A line being written
// at that moment may come out half old, half new.
void EventLog::dump(const char *why) const
{
    if (m_dumped)
        return;
    m_dumped = 1;
    char header[200];
    std::snprintf(header, sizeof header, "\nmonkey: FAILED (%s) with seed %u at event %ld; the last events:\n", why,
                  unsigned(m_seed), m_count.load());
    writeText(header);
    for (int i = 0; i < kKept; ++i) {
        const char *line = m_lines[(m_next.load() + i) % kKept];
        if (line[0] == '\0')
            continue;
        writeText("  ");
        writeText(line);
        writeText("\n");
    }
    std::snprintf(header, sizeof header, "monkey: repeat with: make monkey SEED=%u EVENTS=%ld\n", unsigned(m_seed),
                  m_count.load());
    writeText(header);
}

} // namespace garabel::monkey
