#include "window/KeyboardPointer.h"

#include "raster/Units.h"

#include <QFocusEvent>
#include <QKeyEvent>

#include <algorithm>
#include <cmath>

namespace garabel {

namespace {
constexpr int kFarSteps = 5;
constexpr int kLeftButton = 1;

// The point of a line of points `step` apart nearest to v, kept within [0, last].
double onLine(double v, double step, double last)
{
    const double lastPoint = std::floor(last / step) * step;
    return std::clamp(std::round(v / step) * step, 0.0, lastPoint);
}
} // namespace

KeyboardPointer::KeyboardPointer(QObject &canvas, PointerHandlers handlers, std::function<void()> cancelDrag)
    : QObject(&canvas), m_canvas(canvas), m_handlers(std::move(handlers)), m_cancelDrag(std::move(cancelDrag))
{
    canvas.installEventFilter(this);
}

bool KeyboardPointer::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &m_canvas && event->type() == QEvent::KeyPress)
        return keyPressed(*static_cast<QKeyEvent *>(event));
    if (watched == &m_canvas && event->type() == QEvent::FocusOut && m_held)
        m_cancelDrag();
    if (watched == &m_canvas && event->type() == QEvent::FocusIn)
        cameByTab(static_cast<QFocusEvent *>(event)->reason());
    return QObject::eventFilter(watched, event);
}

// Reached by Tab, the crosshair shows where the keys act, so that the first
// words heard on the canvas say where it is.
void KeyboardPointer::cameByTab(Qt::FocusReason reason)
{
    if (!m_held && (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason))
        showCrosshair();
}

void KeyboardPointer::showCrosshair()
{
    const QPointF p = at();
    m_handlers.move(0, 0, p.x(), p.y());
}

bool KeyboardPointer::keyPressed(const QKeyEvent &key)
{
    const bool far = key.modifiers() & Qt::ShiftModifier;
    switch (key.key()) {
    case Qt::Key_Left: step(-1, 0, far); return true;
    case Qt::Key_Right: step(1, 0, far); return true;
    case Qt::Key_Up: step(0, -1, far); return true;
    case Qt::Key_Down: step(0, 1, far); return true;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!key.isAutoRepeat())
            pressOrRelease();
        return true;
    default: return false;
    }
}

// From the point nearest to the crosshair, so that a new grid or moving
// freely takes the pointer on from where it shows.
void KeyboardPointer::step(int dx, int dy, bool far)
{
    const int grid = m_handlers.gridStep();
    const double pitch = grid > 1 ? grid : kTwipsPerPixel;
    const double distance = pitch * (far ? kFarSteps : 1);
    const QSizeF area = m_handlers.area();
    const QPointF from = at();
    const QPointF to(onLine(onLine(from.x(), pitch, area.width()) + dx * distance, pitch, area.width()),
                     onLine(onLine(from.y(), pitch, area.height()) + dy * distance, pitch, area.height()));
    m_handlers.move(m_held ? kLeftButton : 0, 0, to.x(), to.y());
    m_at = to;
}

// As a mouse comes to the point, its button goes down there and its first
// move, within the grid step, snaps to the same point: a stroke marks it.
void KeyboardPointer::pressOrRelease()
{
    const QPointF p = at();
    if (m_held) {
        m_held = false;
        m_handlers.release(kLeftButton, 0, p.x(), p.y());
        return;
    }
    m_handlers.move(0, 0, p.x(), p.y());
    m_handlers.press(kLeftButton, 0, p.x(), p.y());
    if (m_handlers.clicksOnly()) {
        m_handlers.release(kLeftButton, 0, p.x(), p.y());
        return;
    }
    m_held = true;
    m_handlers.move(kLeftButton, 0, p.x(), p.y());
}

} // namespace garabel
