#include "support/GarabelWindow.h"

#include "desktop/SurfaceView.h"
#include "raster/ShownSurface.h"
#include "window/Button.h"
#include "window/PictureButton.h"
#include "window/TextBox.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
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
    click(*probe().sheetButtons()[0]);
    pickRed();
}

void GarabelWindow::chooseColourInDialog(Rgb colour)
{
    platform.colorAnswers.push_back(colour);
    m_form->onPaletteButton(PaletteButton::ColourDialog);
}

void GarabelWindow::setMirrors(bool leftRight, bool topBottom, bool throughCentre)
{
    m_form->onMirrorButton(0);
    const bool wanted[] = {leftRight, topBottom, throughCentre};
    for (int i = 0; i < 3; ++i) {
        if (wanted[i])
            m_form->onMirrorButton(i + 1);
    }
}

void GarabelWindow::moveFreely(bool on)
{
    m_form->onPaletteButton(on ? PaletteButton::MoveFreely : PaletteButton::SnapToGrid);
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
    if (!sendToWindow(probe().canvasView()->mapTo(m_form.get(), at), m_held, button, QEvent::MouseButtonPress, 1))
        QTest::mousePress(probe().canvasView(), button, Qt::NoModifier, at);
}

void GarabelWindow::move(double x, double y, Qt::MouseButtons buttons)
{
    const QPoint at = canvasPixel(x, y);
    if (sendToWindow(probe().canvasView()->mapTo(m_form.get(), at), buttons, Qt::NoButton, QEvent::MouseMove, 1))
        return;
    // QTest::mouseMove cannot carry held buttons; send the event as the system would.
    QWidget *view = probe().canvasView();
    QMouseEvent event(QEvent::MouseMove, QPointF(at), view->mapToGlobal(QPointF(at)), Qt::NoButton, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(view, &event);
}

void GarabelWindow::release(double x, double y, Qt::MouseButton button)
{
    const QPoint at = canvasPixel(x, y);
    m_held &= ~button;
    if (!sendToWindow(probe().canvasView()->mapTo(m_form.get(), at), m_held, button, QEvent::MouseButtonRelease,
                      1))
        QTest::mouseRelease(probe().canvasView(), button, Qt::NoModifier, at);
    g_eventTime += kPastDoubleClick;
}

void GarabelWindow::moveInWindow(QPoint windowPixel)
{
    sendToWindow(windowPixel, m_held, Qt::NoButton, QEvent::MouseMove, 1);
}

void GarabelWindow::doubleClick(double x, double y)
{
    const QPoint at = probe().canvasView()->mapTo(m_form.get(), canvasPixel(x, y));
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

bool GarabelWindow::activate()
{
    m_form->activateWindow();
    return QTest::qWaitForWindowActive(m_form.get());
}

void GarabelWindow::type(int key, Qt::KeyboardModifiers modifiers)
{
    QTest::keyClick(m_form->windowHandle(), Qt::Key(key), modifiers);
}

bool GarabelWindow::takeKeys()
{
    if (!activate())
        return false;
    QLineEdit *field = probe().textInput().edit();
    field->setFocus();
    return QApplication::focusWidget() == field;
}

void GarabelWindow::key(int key, Qt::KeyboardModifiers modifiers)
{
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
}

void GarabelWindow::click(Button &button)
{
    QTest::mouseClick(button.button(), Qt::LeftButton);
}

void GarabelWindow::click(PaletteButton button)
{
    click(*probe().paletteButtons()[button]);
}

void GarabelWindow::pickColour(QPoint at)
{
    // The release that follows the press does nothing, and leaves no button held.
    QTest::mouseClick(probe().colourStripView(), Qt::LeftButton, Qt::NoModifier, SurfaceView::innerOrigin() + at);
}

QImage GarabelWindow::canvas() const
{
    return probe().canvas().composedImage();
}

QImage GarabelWindow::canvasStored() const
{
    return probe().canvas().composedUnderOverlay();
}

QImage GarabelWindow::sheet(int index) const
{
    const WindowProbe look = probe();
    return look.sheetImage(index < 0 ? look.currentSheet() : index).renderedImage();
}

} // namespace garabel::test
