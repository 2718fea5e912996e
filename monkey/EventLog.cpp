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

// snprintf is not safe in a signal handler: the digits are made by hand.
void writeNumber(unsigned long number)
{
    char digits[24];
    char *first = digits + sizeof digits;
    *--first = '\0';
    do {
        *--first = char('0' + number % 10);
        number /= 10;
    } while (number != 0);
    writeText(first);
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
    const long count = m_count.load();
    writeText("\nmonkey: FAILED (");
    writeText(why);
    writeText(") with seed ");
    writeNumber(m_seed);
    writeText(" at event ");
    writeNumber((unsigned long)(count));
    writeText("; the last events:\n");
    for (int i = 0; i < kKept; ++i) {
        const char *line = m_lines[(m_next.load() + i) % kKept];
        if (line[0] == '\0')
            continue;
        writeText("  ");
        writeText(line);
        writeText("\n");
    }
    writeText("monkey: repeat with: make monkey SEED=");
    writeNumber(m_seed);
    writeText(" EVENTS=");
    writeNumber((unsigned long)(count));
    writeText("\n");
}

} // namespace garabel::monkey
