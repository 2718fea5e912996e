#pragma once

#include <QApplication>
#include <QObject>
#include <QString>
#include <QWidget>

#include <functional>
#include <vector>

namespace garabel::test {

// Drives the modal dialogs that a blocking call opens. Each step waits until the
// active modal widget is of the step's type, then acts on it (checks it, types
// into it, accepts or rejects it). Steps run in order; a step may open a nested
// modal dialog, which the next step then finds. A watchdog closes whatever modal
// widget is still open after the time limit and fails the test, so a faulty
// dialog can never hang the run.
//
//   ModalScript script;
//   script.then<QMessageBox>([](QMessageBox *box) { box->accept(); });
//   script.start();
//   platform.messageBox(...);    // blocks until the script closes the box
//   EXPECT_TRUE(script.finished());
class ModalScript
{
public:
    explicit ModalScript(int timeLimitMs = 5000) : m_timeLimitMs(timeLimitMs) {}

    template <typename Dialog>
    ModalScript &then(std::function<void(Dialog *)> action)
    {
        m_steps.push_back({[](QWidget *w) { return qobject_cast<Dialog *>(w) != nullptr; },
                           [action](QWidget *w) { action(qobject_cast<Dialog *>(w)); },
                           QString::fromLatin1(Dialog::staticMetaObject.className())});
        return *this;
    }

    // Arms the script; call it just before the blocking call.
    void start();
    // Every step ran and the watchdog did not have to step in.
    bool finished() const { return m_next == m_steps.size() && !m_gaveUp; }

private:
    struct Step {
        std::function<bool(QWidget *)> matches;
        std::function<void(QWidget *)> action;
        QString what;
    };

    void poll();
    void giveUp();

    std::vector<Step> m_steps;
    std::size_t m_next = 0;
    bool m_gaveUp = false;
    int m_timeLimitMs;
    QObject m_timers;  // owns the pending timers: they die with the script
};

} // namespace garabel::test
