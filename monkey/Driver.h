#pragma once

#include <QObject>
#include <QPoint>
#include <QRect>
#include <QTimer>

#include <random>

class QWidget;
class QWindow;

namespace garabel {
class MainWindow;
}

namespace garabel::monkey {

class EventLog;
class Watchdog;

// Drives the real window with seeded random input through the window system's
// own entry points: clicks on any visible control but the exit button, drags
// on the canvas with any mouse button, typing, Ctrl+Z and the dialog keys.
// Every modal dialog that opens is dismissed. The same seed gives the same
// events in the same order.
class Driver : public QObject
{
public:
    Driver(MainWindow &form, EventLog &log, Watchdog &watchdog, unsigned seed, long events);

    // Runs the events from the event loop; it exits the loop with 0 when done.
    void start();
    // Rejects whatever modal dialog is open: the quit question is answered No,
    // the file and colour dialogs are cancelled, messages are closed.
    void dismissModal();

private:
    void step();
    void runOne();
    void clickControl();
    void clickAnywhere();
    void dragOnCanvas();
    void typeKeys();
    void pressShortcut();

    int pick(int low, int high);  // both ends included
    bool chance(int percent) { return pick(1, 100) <= percent; }
    QRect inWindow(const QWidget *widget) const;
    QRect exitButton() const;
    QPoint pointIn(const QRect &area);
    // A point of the area that is not on the exit button.
    QPoint safePointIn(const QRect &area);
    Qt::MouseButton pickButton();

    MainWindow &m_form;
    QWindow *m_window;
    EventLog &m_log;
    Watchdog &m_watchdog;
    std::mt19937 m_random;
    long m_events;
    QTimer m_dismisser;
};

} // namespace garabel::monkey
