#include "desktop/ModalScript.h"

#include <QDialog>
#include <QTimer>

#include <gtest/gtest.h>

namespace garabel::test {

namespace {
constexpr int kPollMs = 10;
constexpr int kSweepMs = 50;
}

void ModalScript::start()
{
    QTimer::singleShot(kPollMs, &m_timers, [this] { poll(); });
    QTimer::singleShot(m_timeLimitMs, &m_timers, [this] { giveUp(); });
}

void ModalScript::poll()
{
    if (m_gaveUp || m_next == m_steps.size())
        return;
    // The next poll is armed before the action runs: an action that opens a
    // nested modal dialog blocks in that dialog's event loop, where a timer
    // already firing would not fire again.
    QTimer::singleShot(kPollMs, &m_timers, [this] { poll(); });
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible() || !m_steps[m_next].matches(modal))
        return;
    const Step &step = m_steps[m_next++];
    step.action(modal);
}

void ModalScript::giveUp()
{
    if (!m_gaveUp) {
        if (m_next < m_steps.size())
            ADD_FAILURE() << "step " << m_next + 1 << " never found its "
                          << m_steps[m_next].what.toStdString() << " within " << m_timeLimitMs << " ms";
        else if (QApplication::activeModalWidget())
            ADD_FAILURE() << "a modal dialog was still open " << m_timeLimitMs << " ms after the last step";
        else
            return;
        m_gaveUp = true;
    }
    // A few rounds at most: a widget that refuses to close must not loop forever.
    for (int round = 0; round < 10; ++round) {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            break;
        if (auto *dialog = qobject_cast<QDialog *>(modal))
            dialog->reject();
        else
            modal->close();
    }
    // Keep sweeping: the code under test may open another dialog after this one.
    QTimer::singleShot(kSweepMs, &m_timers, [this] { giveUp(); });
}

} // namespace garabel::test
