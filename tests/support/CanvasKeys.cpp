#include "support/CanvasKeys.h"

#include "desktop/SurfaceView.h"

#include <QApplication>
#include <QTest>

#include <cmath>

namespace garabel::test {

bool CanvasKeys::focus()
{
    m_w->activateWindow();
    if (!QTest::qWaitForWindowActive(&m_w.window()))
        return false;
    m_w.probe().canvasView()->setFocus(Qt::TabFocusReason);
    return m_w.probe().canvasView()->hasFocus();
}

void CanvasKeys::key(int key, Qt::KeyboardModifiers modifiers)
{
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
}

QPointF CanvasKeys::at() const
{
    return m_w.probe().pointer();
}

void CanvasKeys::goTo(QPointF to, bool far)
{
    const double step = m_w.state().grid.step > 1 ? m_w.state().grid.step : kTwipsPerPixel;
    for (int guard = 0; guard < 500 && at() != to; ++guard) {
        const QPointF left = (to - at()) / step;
        const bool alongX = std::lround(left.x()) != 0;
        const double steps = alongX ? left.x() : left.y();
        const int arrow = alongX ? (steps > 0 ? Qt::Key_Right : Qt::Key_Left) : (steps > 0 ? Qt::Key_Down : Qt::Key_Up);
        key(arrow, far && std::abs(steps) >= 5 ? Qt::ShiftModifier : Qt::NoModifier);
    }
}

std::vector<QPointF> stepPath(QPointF from, const std::vector<QPointF> &corners, double step)
{
    std::vector<QPointF> path{from};
    for (const QPointF &corner : corners) {
        while (path.back().x() != corner.x())
            path.push_back(path.back() + QPointF(corner.x() > path.back().x() ? step : -step, 0));
        while (path.back().y() != corner.y())
            path.push_back(path.back() + QPointF(0, corner.y() > path.back().y() ? step : -step));
    }
    return path;
}

} // namespace garabel::test
