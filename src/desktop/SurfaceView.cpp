#include "desktop/SurfaceView.h"

#include "desktop/GuidePixels.h"
#include "raster/RasterRegions.h"
#include "raster/ShownSurface.h"
#include "raster/ViewCompose.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace garabel {

namespace {

const QColor kFrameColour(64, 64, 64);
const QColor kGuideColour(128, 128, 128);
// Whole cells of this side are repainted: the region Qt paints then has few
// bands and few rectangles, while little is painted beyond what changed.
constexpr int kCell = 32;

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

ViewTransform SurfaceView::transform()
{
    return ViewTransform{innerOrigin(), 1};
}

void SurfaceView::setGuides(std::function<ViewGuides()> source)
{
    m_guidesSource = std::move(source);
    updateGuides();
}

void SurfaceView::updateGuides()
{
    const ViewGuides now = m_guidesSource ? m_guidesSource() : ViewGuides{};
    if (now == m_guides)
        return;
    QRegion changed;
    for (const ViewGuides &g : {m_guides, now}) {
        for (const QRect &r : guideExtent(g, m_surface.innerPixelSize()))
            changed += r;
    }
    m_guides = now;
    if (isVisible())
        markCells(changed);
}

void SurfaceView::paintEvent(QPaintEvent *event)
{
    // A paint that the last flush did not prepare shows an overlay of its own.
    if (m_surface.overlayGeneration() != m_shownGeneration)
        m_shownSolid.clear();
    QPainter painter(this);
    const QRect inner = transform().toScreen(QRect(QPoint(0, 0), m_surface.innerPixelSize()));
    const QRegion region = event->region();
    for (const QRect &side : region - inner)
        painter.fillRect(side, kFrameColour);
    const QRegion shown = (region & inner).translated(-inner.topLeft());
    if (shown.isEmpty())
        return;
    composeView(painter, m_surface, shown, transform(), ViewLayers::WithOverlay,
                [&](QPainter &inSheet) { paintGuides(inSheet, shown); });
}

void SurfaceView::paintGuides(QPainter &painter, const QRegion &region) const
{
    const std::vector<QRect> pixels = guidePixels(m_guides, m_surface.innerPixelSize(), region);
    if (pixels.empty())
        return;
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(kGuideColour);
    painter.drawRects(pixels.data(), int(pixels.size()));
    painter.restore();
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

bool SurfaceView::eventFilter(QObject *watched, QEvent *event)
{
    // Just before the window repaints, the cells marked since the last time join in.
    if (watched == m_watchedWindow && event->type() == QEvent::UpdateRequest)
        flushCells();
    return QWidget::eventFilter(watched, event);
}

void SurfaceView::place()
{
    setGeometry(twipsToPixels(m_surface.left()), twipsToPixels(m_surface.top()),
                twipsToPixels(m_surface.width()), twipsToPixels(m_surface.height()));
}

void SurfaceView::surfaceChanged(const QRect &pixels)
{
    // Hidden, nothing is repainted; showing paints everything anyway.
    if (isVisible())
        markCells(pixels);
}

void SurfaceView::markCells(const QRegion &pixels)
{
    const QSize size = m_surface.innerPixelSize();
    const int columns = (size.width() + kCell - 1) / kCell, rows = (size.height() + kCell - 1) / kCell;
    if (columns != m_cellColumns || m_cells.size() != std::size_t(columns) * rows) {
        m_cellColumns = columns;
        m_cells.assign(std::size_t(columns) * rows, 0);
        m_anyCell = false;
        m_markedRows = {rows, -1};
    }
    std::optional<QPoint> first;
    for (const QRect &rect : pixels) {
        const QRect r = rect & QRect(QPoint(0, 0), size);
        if (r.isEmpty())
            continue;
        for (int row = r.top() / kCell; row <= r.bottom() / kCell; ++row)
            std::fill_n(m_cells.begin() + std::ptrdiff_t(row) * columns + r.left() / kCell,
                        r.right() / kCell - r.left() / kCell + 1, 1);
        m_markedRows.first = std::min(m_markedRows.first, r.top() / kCell);
        m_markedRows.second = std::max(m_markedRows.second, r.bottom() / kCell);
        if (!first)
            first = r.topLeft();
    }
    if (!first || m_anyCell)
        return;
    m_anyCell = true;
    // The cells go to Qt together when the window's update request comes; one
    // changed pixel asks for that request.
    QWidget *top = window();
    if (m_watchedWindow != top) {
        if (m_watchedWindow)
            m_watchedWindow->removeEventFilter(this);
        m_watchedWindow = top;
        top->installEventFilter(this);
    }
    update(QRect(transform().toScreen(*first), QSize(1, 1)));
}

void SurfaceView::flushCells()
{
    updateGuides();
    if (!m_anyCell)
        return;
    const auto [top, bottom] = m_markedRows;
    unsigned char *const cells = m_cells.data() + std::ptrdiff_t(top) * m_cellColumns;
    QRegion region = markedCells(cells, m_cellColumns, bottom - top + 1, QPoint(0, top * kCell), kCell,
                                 QRect(QPoint(0, 0), m_surface.innerPixelSize()));
    std::fill_n(cells, std::ptrdiff_t(bottom - top + 1) * m_cellColumns, 0);
    m_markedRows = {int(m_cells.size()), -1};
    m_anyCell = false;
    // Where the overlay paints the same solid colour as the screen shows now,
    // nothing below can show through: those pixels stay as they are.
    std::vector<SolidPixels> solid = m_surface.overlaySolidPixels();
    if (!solid.empty() && !m_shownSolid.empty())
        region -= sameSolidPixels(m_shownSolid, solid);
    m_shownSolid = std::move(solid);
    m_shownGeneration = m_surface.overlayGeneration();
    update(transform().toScreen(region));
}

QPointF SurfaceView::toSurface(const QPointF &widgetPos) const
{
    // Whole pixels, as the pointer has no finer position on the surface.
    return QPointF(transform().toSheet(widgetPos)) * kTwipsPerPixel;
}

} // namespace garabel
