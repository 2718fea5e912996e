#include "Driver.h"

#include "EventLog.h"
#include "Watchdog.h"

#include "desktop/SurfaceView.h"
#include "support/WindowProbe.h"
#include "window/Button.h"
#include "window/MainWindow.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QTest>
#include <QWindow>

#include <vector>

namespace garabel::monkey {

namespace {
// Keys typed without Ctrl: text for the text tool and the editable lists, and
// the keys that move, delete and confirm in them.
constexpr Qt::Key kEditingKeys[] = {
    Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Return, Qt::Key_Escape, Qt::Key_Tab, Qt::Key_Left,
    Qt::Key_Right,     Qt::Key_Up,     Qt::Key_Down,   Qt::Key_Home,   Qt::Key_End, Qt::Key_PageDown,
};
constexpr char kTypedCharacters[] = "abcxyzAQ019 -.,;";

// Never Ctrl+Q: it asks to quit, as the exit button does.
constexpr Qt::Key kDialogShortcuts[] = {Qt::Key_O, Qt::Key_S, Qt::Key_P};

const char *buttonName(Qt::MouseButton button)
{
    return button == Qt::LeftButton ? "left" : button == Qt::RightButton ? "right" : "middle";
}

QByteArray describe(const QWidget *widget)
{
    QByteArray name = widget->metaObject()->className();
    if (!widget->toolTip().isEmpty())
        name += " '" + widget->toolTip().toUtf8() + "'";
    return name;
}
} // namespace

Driver::Driver(MainWindow &form, EventLog &log, Watchdog &watchdog, unsigned seed, long events)
    : m_form(form), m_window(form.windowHandle()), m_log(log), m_watchdog(watchdog), m_random(seed),
      m_events(events)
{
    // The dismisser also runs inside the dialogs' own event loops.
    m_dismisser.setInterval(20);
    connect(&m_dismisser, &QTimer::timeout, this, &Driver::dismissModal);
}

void Driver::start()
{
    m_dismisser.start();
    QTimer::singleShot(0, this, &Driver::step);
}

// One event per turn of the event loop, so that the repaints and other posted
// work of each event run before the next one.
void Driver::step()
{
    if (m_log.count() >= m_events) {
        QCoreApplication::exit(0);
        return;
    }
    runOne();
    m_watchdog.tick();
    QTimer::singleShot(0, this, &Driver::step);
}

void Driver::runOne()
{
    const int roll = pick(1, 100);
    if (roll <= 35)
        clickControl();
    else if (roll <= 70)
        dragOnCanvas();
    else if (roll <= 78)
        clickAnywhere();
    else if (roll <= 92)
        typeKeys();
    else if (roll <= 98) {
        m_log.begin("Ctrl+Z");
        QTest::keyClick(m_window, Qt::Key_Z, Qt::ControlModifier);
    } else {
        pressShortcut();
    }
}

void Driver::clickControl()
{
    const QRect exit = exitButton();
    std::vector<QWidget *> targets;
    for (QWidget *widget : m_form.findChildren<QWidget *>()) {
        const QRect area = inWindow(widget);
        if (widget->isVisible() && !widget->isWindow() && !area.isEmpty() && !exit.contains(area))
            targets.push_back(widget);
    }
    if (targets.empty())
        return clickAnywhere();
    const QWidget *target = targets[std::size_t(pick(0, int(targets.size()) - 1))];
    const QPoint at = safePointIn(inWindow(target));
    const Qt::MouseButton button = chance(90) ? Qt::LeftButton : pickButton();
    m_log.begin("%s click on %s at (%d, %d)", buttonName(button), describe(target).constData(), at.x(), at.y());
    QTest::mouseClick(m_window, button, Qt::NoModifier, at);
}

void Driver::clickAnywhere()
{
    const QPoint at = safePointIn(QRect(QPoint(0, 0), m_window->size()));
    const Qt::MouseButton button = pickButton();
    m_log.begin("%s click at (%d, %d)", buttonName(button), at.x(), at.y());
    QTest::mouseClick(m_window, button, Qt::NoModifier, at);
}

// A press on the canvas, a few moves (now and then off the canvas) and the
// release, as a figure or a stroke is drawn.
void Driver::dragOnCanvas()
{
    const QRect canvas = inWindow(WindowProbe(m_form).canvasView());
    const QRect window(QPoint(0, 0), m_window->size());
    const Qt::MouseButton button = pickButton();
    const Qt::KeyboardModifiers modifiers = chance(10) ? Qt::ShiftModifier : Qt::NoModifier;
    const QPoint from = pointIn(canvas);
    const int moves = pick(0, 8);
    m_log.begin("%s drag on the canvas from (%d, %d), %d moves", buttonName(button), from.x(), from.y(), moves);
    QTest::mousePress(m_window, button, modifiers, from);
    QPoint at = from;
    for (int i = 0; i < moves; ++i) {
        at = pointIn(chance(90) ? canvas : window);
        QTest::mouseMove(m_window, at);
    }
    m_log.note("released at (%d, %d)", at.x(), at.y());
    QTest::mouseRelease(m_window, button, modifiers, at);
}

void Driver::typeKeys()
{
    const int count = pick(1, 6);
    m_log.begin("%d keys", count);
    for (int i = 0; i < count; ++i) {
        if (chance(70)) {
            const char c = kTypedCharacters[pick(0, int(sizeof kTypedCharacters) - 2)];
            QTest::keyClick(m_window, c);
        } else {
            QTest::keyClick(m_window, kEditingKeys[pick(0, int(std::size(kEditingKeys)) - 1)]);
        }
    }
}

void Driver::pressShortcut()
{
    if (chance(25)) {
        m_log.begin("F1");
        QTest::keyClick(m_window, Qt::Key_F1);
        return;
    }
    const Qt::Key key = kDialogShortcuts[pick(0, int(std::size(kDialogShortcuts)) - 1)];
    m_log.begin("Ctrl+%c", char(key));
    QTest::keyClick(m_window, key, Qt::ControlModifier);
}

void Driver::dismissModal()
{
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal)
        return;
    const auto *box = qobject_cast<QMessageBox *>(modal);
    m_log.note("dismissed %s '%s'", modal->metaObject()->className(),
               (box ? box->text() : modal->windowTitle()).toUtf8().constData());
    if (auto *dialog = qobject_cast<QDialog *>(modal))
        dialog->reject();
    else
        modal->close();
}

int Driver::pick(int low, int high)
{
    return std::uniform_int_distribution<int>(low, high)(m_random);
}

QRect Driver::inWindow(const QWidget *widget) const
{
    return QRect(widget->mapTo(&m_form, QPoint(0, 0)), widget->size()) & m_form.rect();
}

QPoint Driver::pointIn(const QRect &area)
{
    return QPoint(pick(area.left(), area.right()), pick(area.top(), area.bottom()));
}

QRect Driver::exitButton() const
{
    return inWindow(WindowProbe(m_form).paletteButtons()[PaletteButton::Quit]->widget()).adjusted(-1, -1, 1, 1);
}

// The area is never inside the exit button, so a few tries find a point.
QPoint Driver::safePointIn(const QRect &area)
{
    const QRect exit = exitButton();
    for (;;) {
        const QPoint at = pointIn(area);
        if (!exit.contains(at))
            return at;
    }
}

Qt::MouseButton Driver::pickButton()
{
    const int roll = pick(1, 100);
    return roll <= 80 ? Qt::LeftButton : roll <= 95 ? Qt::RightButton : Qt::MiddleButton;
}

} // namespace garabel::monkey
