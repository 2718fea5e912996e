#include "desktop/BesideWindow.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QProgressBar>
#include <QThread>
#include <QTimer>
#include <QWidget>

#include <exception>
#include <memory>

namespace garabel {

namespace {

bool isInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::ShortcutOverride:
    case QEvent::InputMethod:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletMove:
    case QEvent::TabletRelease:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop: return true;
    default: return false;
    }
}

// The widget an event is for: a shortcut's is the widget it belongs to.
const QWidget *widgetOf(const QObject *target)
{
    for (const QObject *object = target; object; object = object->parent()) {
        if (object->isWidgetType())
            return static_cast<const QWidget *>(object);
    }
    return nullptr;
}

// Drops the input of one window while it lives.
class InputDropper : public QObject
{
public:
    explicit InputDropper(const QWidget *window) : m_window(window) { qApp->installEventFilter(this); }
    ~InputDropper() override { qApp->removeEventFilter(this); }

protected:
    bool eventFilter(QObject *target, QEvent *event) override
    {
        if (!isInput(event->type()))
            return false;
        const QWidget *widget = widgetOf(target);
        return widget && widget->window() == m_window;
    }

private:
    const QWidget *m_window;
};

// A bar that moves to and fro, across the middle of the view.
QProgressBar *busyBar(QWidget &view, const QString &what)
{
    auto *bar = new QProgressBar(&view);
    bar->setObjectName(QStringLiteral("fileBusyBar"));
    bar->setRange(0, 0);
    bar->setTextVisible(false);
    bar->setAccessibleName(what);
    bar->setToolTip(what);
    const int width = qMax(view.width() / 3, 120);
    bar->setGeometry((view.width() - width) / 2, view.height() / 2 - 10, width, 20);
    return bar;
}

} // namespace

bool runBesideWindow(QWidget &view, const QString &what, const std::function<void()> &work)
{
    std::exception_ptr failure;
    std::unique_ptr<QThread> thread(QThread::create([&work, &failure] {
        try {
            work();
        } catch (...) {
            failure = std::current_exception();
        }
    }));
    const InputDropper dropper(view.window());
    QEventLoop loop;
    QObject::connect(thread.get(), &QThread::finished, &loop, &QEventLoop::quit, Qt::QueuedConnection);
    const std::unique_ptr<QProgressBar> bar(busyBar(view, what));
    QTimer showBar;
    showBar.setSingleShot(true);
    QObject::connect(&showBar, &QTimer::timeout, bar.get(), &QWidget::show);
    showBar.start(kBusyBarDelayMs);
    thread->start();
    loop.exec();
    // The loop also returns when the program is told to end; the work is
    // waited for all the same, so that nothing it uses goes before it does.
    const bool done = thread->isFinished();
    thread->wait();
    if (failure)
        std::rethrow_exception(failure);
    return done;
}

} // namespace garabel
