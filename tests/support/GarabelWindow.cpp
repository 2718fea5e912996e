#include "support/GarabelWindow.h"

#include "app/Button.h"
#include "app/PictureButton.h"
#include "platform/ShownSurface.h"
#include "platform/SurfaceView.h"

#include <QApplication>
#include <QDir>
#include <QMouseEvent>
#include <QTest>
#include <QWindow>

#include <cmath>

namespace garabel::test {

GarabelWindow::GarabelWindow(QSize screenTwips, bool show, double pixelRatio)
{
    platform.screenInfo.twips = screenTwips;
    platform.screenInfo.devicePixelRatio = pixelRatio;
    m_form = std::make_unique<MainWindow>(platform);
    m_form->start();
    if (show) {
        m_form->showOnScreen();
        if (!QTest::qWaitForWindowExposed(m_form.get()))
            qWarning("the window was not exposed");
    }
}

GarabelWindow::~GarabelWindow()
{
    // A button a test left held would stay held for the next window.
    for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
        if (m_held & button)
            release(0, 0, button);
    }
}

BlankWindow::BlankWindow()
{
    form().onSheetButton(0);
    state().pen.red = 255;
}

QPoint GarabelWindow::canvasPixel(double x, double y) const
{
    return SurfaceView::innerOrigin()
        + QPoint(int(std::floor(x / kTwipsPerPixel)), int(std::floor(y / kTwipsPerPixel)));
}

namespace {
// Pointer events carry increasing times; a release moves the clock on past the
// double-click interval, so that only doubleClick() makes a double click.
int g_eventTime = 0;
constexpr int kPastDoubleClick = 1000;
} // namespace

bool GarabelWindow::sendToWindow(QPoint windowPixel, Qt::MouseButtons held, Qt::MouseButton button,
                                 QEvent::Type type, int advanceMs)
{
    QWindow *window = m_form->windowHandle();
    if (m_straight || !window || !m_form->isVisible())
        return false;
    g_eventTime += advanceMs;
    qt_handleMouseEvent(window, windowPixel, window->mapToGlobal(windowPixel), held, button, type, Qt::NoModifier,
                        g_eventTime);
    QApplication::processEvents();
    return true;
}

void GarabelWindow::press(double x, double y, Qt::MouseButton button)
{
    const QPoint at = canvasPixel(x, y);
    m_held |= button;
    if (!sendToWindow(m_form->canvasView()->mapTo(m_form.get(), at), m_held, button, QEvent::MouseButtonPress, 1))
        QTest::mousePress(m_form->canvasView(), button, Qt::NoModifier, at);
}

void GarabelWindow::move(double x, double y, Qt::MouseButtons buttons)
{
    const QPoint at = canvasPixel(x, y);
    if (sendToWindow(m_form->canvasView()->mapTo(m_form.get(), at), buttons, Qt::NoButton, QEvent::MouseMove, 1))
        return;
    // QTest::mouseMove cannot carry held buttons; send the event as the system would.
    QWidget *view = m_form->canvasView();
    QMouseEvent event(QEvent::MouseMove, QPointF(at), view->mapToGlobal(QPointF(at)), Qt::NoButton, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(view, &event);
}

void GarabelWindow::release(double x, double y, Qt::MouseButton button)
{
    const QPoint at = canvasPixel(x, y);
    m_held &= ~button;
    if (!sendToWindow(m_form->canvasView()->mapTo(m_form.get(), at), m_held, button, QEvent::MouseButtonRelease,
                      1))
        QTest::mouseRelease(m_form->canvasView(), button, Qt::NoModifier, at);
    g_eventTime += kPastDoubleClick;
}

void GarabelWindow::moveInWindow(QPoint windowPixel)
{
    sendToWindow(windowPixel, m_held, Qt::NoButton, QEvent::MouseMove, 1);
}

void GarabelWindow::doubleClick(double x, double y)
{
    const QPoint at = m_form->canvasView()->mapTo(m_form.get(), canvasPixel(x, y));
    sendToWindow(at, Qt::LeftButton, Qt::LeftButton, QEvent::MouseButtonPress, 1);
    sendToWindow(at, Qt::NoButton, Qt::LeftButton, QEvent::MouseButtonRelease, 1);
    sendToWindow(at, Qt::LeftButton, Qt::LeftButton, QEvent::MouseButtonPress, 1);
    sendToWindow(at, Qt::NoButton, Qt::LeftButton, QEvent::MouseButtonRelease, 1);
    g_eventTime += kPastDoubleClick;
}

void GarabelWindow::drag(std::initializer_list<QPointF> points, Qt::MouseButton button)
{
    const QPointF first = *points.begin();
    press(first.x(), first.y(), button);
    for (const QPointF &p : points)
        move(p.x(), p.y(), button);
    const QPointF last = *(points.end() - 1);
    release(last.x(), last.y(), button);
}

void GarabelWindow::click(Button &button)
{
    QTest::mouseClick(button.button(), Qt::LeftButton);
}

QImage GarabelWindow::canvas() const
{
    return m_form->canvas->composedImage();
}

QImage GarabelWindow::canvasStored() const
{
    return m_form->canvas->renderedImage();
}

QImage GarabelWindow::sheet(int index) const
{
    const int i = index < 0 ? m_form->state.sheet : index;
    return m_form->sheetImages[i]->renderedImage();
}

} // namespace garabel::test
