#include "desktop/TerminationSignals.h"

#include <QSocketNotifier>

#include <cerrno>
#include <semaphore.h>
#include <sys/socket.h>
#include <unistd.h>

namespace garabel {

namespace {

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

// The write end of the socket pair, for the handler; -1 when no instance lives.
volatile sig_atomic_t s_writeFd = -1;
// The signal received first, 0 before any; the watchdog waits on s_arm, which
// the handler posts (sem_post is safe in a signal handler).
volatile sig_atomic_t s_signal = 0;
sem_t s_arm;

void watch()
{
    while (::sem_wait(&s_arm) != 0 && errno == EINTR) {
    }
    if (s_signal == 0)
        return;  // the catcher is going, with no signal received
    std::this_thread::sleep_for(kTerminationGrace);
    ::_exit(128 + s_signal);
}

extern "C" void onTerminationSignal(int signalNumber)
{
    const int savedErrno = errno;
    const int fd = s_writeFd;
    if (fd < 0)
        return;
    const char byte = 1;
    // Non-blocking: when the socket is full, a quit is already on its way.
    [[maybe_unused]] const ssize_t written = ::write(fd, &byte, 1);
    if (s_signal == 0) {
        s_signal = signalNumber;
        ::sem_post(&s_arm);
    }
    errno = savedErrno;
}

} // namespace

TerminationSignals::TerminationSignals(QObject *parent)
    : QObject(parent)
{
    Q_ASSERT(s_writeFd == -1);
    int fds[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, fds) != 0)
        return;  // no clean ending on a signal, but the program still runs
    m_readFd = fds[0];
    s_writeFd = fds[1];
    s_signal = 0;
    ::sem_init(&s_arm, 0, 0);
    m_watchdog = std::thread(watch);

    m_notifier = new QSocketNotifier(m_readFd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TerminationSignals::drain);

    struct sigaction action = {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signalNumber : kSignals) {
        struct sigaction previous = {};
        ::sigaction(signalNumber, nullptr, &previous);
        if (previous.sa_handler != SIG_IGN)
            ::sigaction(signalNumber, &action, nullptr);
    }
}

TerminationSignals::~TerminationSignals()
{
    if (m_readFd == -1)
        return;
    m_notifier->setEnabled(false);
    // The handler goes first, then the descriptor it writes to: no signal can
    // then reach a closed descriptor, or one reused for something else.
    struct sigaction ignore = {};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    for (const int signalNumber : kSignals)
        ::sigaction(signalNumber, &ignore, nullptr);
    const int writeFd = s_writeFd;
    s_writeFd = -1;
    ::close(writeFd);
    ::close(m_readFd);
    // After a signal the watchdog stays until the process is gone, to cover
    // the rest of the way out; without one it goes now.
    if (s_signal != 0) {
        m_watchdog.detach();
        return;
    }
    ::sem_post(&s_arm);
    m_watchdog.join();
    ::sem_destroy(&s_arm);
}

void TerminationSignals::drain()
{
    char bytes[64];
    while (::read(m_readFd, bytes, sizeof bytes) > 0) {
    }
    emit received();
}

} // namespace garabel
