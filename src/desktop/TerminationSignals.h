#pragma once

#include <QObject>

#include <chrono>
#include <csignal>
#include <thread>

class QSocketNotifier;

namespace garabel {

inline constexpr std::chrono::milliseconds kTerminationGrace{1500};

// Turns SIGTERM, SIGINT and SIGHUP (a logout, Ctrl+C in the terminal, a kill)
// into the Qt signal received(), delivered by the event loop. Dying of one of
// these signals runs no destructor, and the program's temporary folder would
// stay behind; received() lets the program end the way its quit button does.
//
// The handler only writes one byte into a socket pair (write() is safe in a
// signal handler); a socket notifier reads it in the event loop. A signal that
// arrives before the loop runs waits in the socket. A signal that was ignored
// when the program started (nohup, a background job of a script) stays ignored.
//
// Whatever the window is doing, the program is gone kTerminationGrace after
// the signal: should the orderly way out not be through by then (a thread
// stuck in a read that never returns, a stalled network share), a watchdog
// thread ends the process at once, with status 128 + the signal's number.
//
// One instance at a time. Once it is gone these signals are ignored: the
// program is then ending, and dying on the way out would leave its temporary
// folder behind.
class TerminationSignals : public QObject
{
    Q_OBJECT

public:
    explicit TerminationSignals(QObject *parent = nullptr);
    ~TerminationSignals() override;

signals:
    void received();

private:
    void drain();

    int m_readFd = -1;
    std::thread m_watchdog;
    QSocketNotifier *m_notifier = nullptr;  // a child of this object
};

} // namespace garabel
