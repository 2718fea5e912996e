#include "platform/SurfaceView.h"

#include "platform/ShownSurface.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <cmath>

namespace garabel {

namespace {

const QColor kFrameColour(64, 64, 64);

int buttonBits(Qt::MouseButtons buttons)
{
    return (buttons & Qt::LeftButton ? 1 : 0) | (buttons & Qt::RightButton ? 2 : 0)
           | (buttons & Qt::MiddleButton ? 4 : 0);
}

int shiftBits(Qt::KeyboardModifiers modifiers)
{
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0)
           | (modifiers & Qt::AltModifier ? 4 : 0);
}

int twipsToPixels(double twips)
{
    return int(std::lround(twips / kTwipsPerPixel));
}

} // namespace

SurfaceView::SurfaceView(ShownSurface &surface, QWidget *parent) : QWidget(parent), m_surface(surface)
{
    // Every pixel is painted from the surface, and growing uncovers nothing old.
    setAttribute(Qt::WA_StaticContents);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    connect(&m_surface, &Surface::changed, this, &SurfaceView::surfaceChanged);
    connect(&m_surface, &Surface::geometryChanged, this, &SurfaceView::place);
    place();
}

QPoint SurfaceView::innerOrigin()
{
    return QPoint(Surface::kBorder, Surface::kBorder);
}

void SurfaceView::paintEvent(QPaintEvent *event)
{
    m_pendingCells.clear();
    QPainter painter(this);
    const QRect inner(innerOrigin(), m_surface.innerPixelSize());
    const QImage image = m_surface.image();
    const QImage sharp = m_surface.sharpPicture();
    m_showingSharp = !sharp.isNull();
    // Where the picture lies, it is shown at full resolution instead of the
    // stored image.
    const QRect sharpArea = m_showingSharp
        ? QRect(inner.topLeft(), sharp.deviceIndependentSize().toSize()) & inner : QRect();
    // One plain clip rectangle at a time: against the event's many-rectangle
    // region Qt would copy pixels span by span through its thread pool.
    for (const QRect &r : event->region()) {
        painter.setClipRect(r);
        if (!inner.contains(r)) {
            for (const QRect &side : QRegion(rect()) - inner)
                painter.fillRect(side, kFrameColour);
        }
        const QRect shown = r & inner;
        if (shown.isEmpty())
            continue;
        for (const QRect &part : QRegion(shown) - sharpArea) {
            if (image.isNull())
                painter.fillRect(part, toQColor(m_surface.backColor()));
            else
                painter.drawImage(part.topLeft(), image, part.translated(-inner.topLeft()));
        }
        if (const QRect part = shown & sharpArea; !part.isEmpty()) {
            const qreal ratio = sharp.devicePixelRatio();
            const QRectF source(QPointF(part.topLeft() - inner.topLeft()) * ratio, QSizeF(part.size()) * ratio);
            painter.drawImage(QRectF(part), sharp, source);
        }
        if (m_surface.hasOverlay()) {
            painter.save();
            painter.translate(inner.topLeft());
            m_surface.paintOverlay(painter);
            painter.restore();
        }
    }
}

void SurfaceView::mousePressEvent(QMouseEvent *event)
{
    const QPointF at = toSurface(event->position());
    emit mousePressed(buttonBits(event->button()), shiftBits(event->modifiers()), at.x(), at.y());
}

void SurfaceView::mouseMoveEvent(QMouseEvent *event)
{
    const QPointF at = toSurface(event->position());
    emit mouseMoved(buttonBits(event->buttons()), shiftBits(event->modifiers()), at.x(), at.y());
}

void SurfaceView::mouseReleaseEvent(QMouseEvent *event)
{
    const QPointF at = toSurface(event->position());
    emit mouseReleased(buttonBits(event->button()), shiftBits(event->modifiers()), at.x(), at.y());
}

void SurfaceView::leaveEvent(QEvent *)
{
    // During a drag the surface keeps the pointer, wherever it goes.
    if (QGuiApplication::mouseButtons() == Qt::NoButton)
        emit pointerLeft();
}

void SurfaceView::place()
{
    setGeometry(twipsToPixels(m_surface.left()), twipsToPixels(m_surface.top()),
                twipsToPixels(m_surface.width()), twipsToPixels(m_surface.height()));
}

void SurfaceView::surfaceChanged(const QRect &pixels)
{
    // Hidden, nothing is repainted; showing paints everything anyway.
    if (!isVisible())
        return;
    // Drawing on a picture shown at full resolution brings back the surface's own
    // pixels everywhere at once, not cell by cell.
    if (m_showingSharp && m_surface.sharpPicture().isNull()) {
        m_showingSharp = false;
        update();
        return;
    }
    // Whole cells: the region Qt gathers then has few bands and few rectangles,
    // which is what a repaint pays for, more than for the pixels themselves.
    constexpr int kCell = 64;
    const QRect cells(QPoint(pixels.left() & ~(kCell - 1), pixels.top() & ~(kCell - 1)),
                      QPoint(pixels.right() | (kCell - 1), pixels.bottom() | (kCell - 1)));
    // A figure reports many small rectangles that fall in the same cells.
    for (const QRect &pending : m_pendingCells) {
        if (pending.contains(cells))
            return;
    }
    m_pendingCells.push_back(cells);
    update(cells.translated(innerOrigin()));
}

QPointF SurfaceView::toSurface(const QPointF &widgetPos) const
{
    // Whole pixels, as the pointer has no finer position on the surface.
    const QPointF pixel(std::floor(widgetPos.x()) - innerOrigin().x(),
                        std::floor(widgetPos.y()) - innerOrigin().y());
    return pixel * kTwipsPerPixel;
}

} // namespace garabel
