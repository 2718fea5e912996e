#include "support/GarabelWindow.h"

#include "app/Button.h"
#include "app/PictureButton.h"
#include "platform/Surface.h"
#include "platform/SurfaceView.h"

#include <QApplication>
#include <QDir>
#include <QMouseEvent>
#include <QTest>

#include <cmath>

namespace garabel::test {

GarabelWindow::GarabelWindow(QSize screenTwips, bool show)
{
    platform.screenInfo.twips = screenTwips;
    m_form = std::make_unique<Form1>(platform);
    m_form->Form_Load();
    if (show) {
        m_form->showOnScreen();
        if (!QTest::qWaitForWindowExposed(m_form.get()))
            qWarning("the window was not exposed");
    }
}

GarabelWindow::~GarabelWindow() = default;

BlankWindow::BlankWindow()
{
    form().Command4_Click(0);
    state().Red = 255;
}

QPoint GarabelWindow::canvasPixel(double x, double y) const
{
    return SurfaceView::innerOrigin()
        + QPoint(int(std::floor(x / Surface::kTwipsPerPixel)), int(std::floor(y / Surface::kTwipsPerPixel)));
}

void GarabelWindow::press(double x, double y, Qt::MouseButton button)
{
    QTest::mousePress(m_form->canvasView(), button, Qt::NoModifier, canvasPixel(x, y));
}

void GarabelWindow::move(double x, double y, Qt::MouseButtons buttons)
{
    // QTest::mouseMove cannot carry held buttons; send the event as the system would.
    const QPointF local = canvasPixel(x, y);
    QWidget *view = m_form->canvasView();
    const Qt::MouseButton changed = Qt::NoButton;
    QMouseEvent event(QEvent::MouseMove, local, view->mapToGlobal(local), changed, buttons, Qt::NoModifier);
    QApplication::sendEvent(view, &event);
}

void GarabelWindow::release(double x, double y, Qt::MouseButton button)
{
    QTest::mouseRelease(m_form->canvasView(), button, Qt::NoModifier, canvasPixel(x, y));
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
    return m_form->Picture1->composedImage();
}

QImage GarabelWindow::canvasStored() const
{
    return m_form->Picture1->renderedImage();
}

QImage GarabelWindow::sheet(int index) const
{
    const int i = index < 0 ? m_form->state.Sheet : index;
    return m_form->Picture2[i]->renderedImage();
}

QRgb pixelAt(const QImage &image, double x, double y)
{
    // The same rounding the surface uses to turn twips into pixels.
    return image.pixel(int(std::lround(x / Surface::kTwipsPerPixel)), int(std::lround(y / Surface::kTwipsPerPixel)))
        | 0xFF000000u;
}

int countColour(const QImage &image, QRgb colour, const QRect &rect)
{
    const QRect area = rect.isNull() ? image.rect() : rect.intersected(image.rect());
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            count += (image.pixel(x, y) | 0xFF000000u) == (colour | 0xFF000000u);
    }
    return count;
}

void savePicture(const QImage &image, const QString &name)
{
    const QString dir = QDir::current().absoluteFilePath(QStringLiteral("test-pictures"));
    QDir().mkpath(dir);
    image.save(dir + u'/' + name + QStringLiteral(".png"));
}

} // namespace garabel::test
