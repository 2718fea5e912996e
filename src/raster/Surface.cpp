#include "raster/Surface.h"

#include "raster/FloodFill.h"
#include "raster/HatchPattern.h"
#include "raster/SurfaceOverlay.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <utility>

namespace garabel {

Surface::Surface(QObject *parent) : QObject(parent) {}

Surface::~Surface() = default;

void Surface::setLeft(double twips)
{
    m_left = twips;
    emit geometryChanged();
}

void Surface::setTop(double twips)
{
    m_top = twips;
    emit geometryChanged();
}

void Surface::setWidth(double twips)
{
    m_width = twips;
    resizeImage();
    emit geometryChanged();
}

void Surface::setHeight(double twips)
{
    m_height = twips;
    resizeImage();
    emit geometryChanged();
}

QImage Surface::shownPicture() const
{
    if (m_picture.isNull() || (!m_image.isNull() && m_picture.devicePixelRatio() <= 1))
        return QImage();
    return m_picture;
}

QImage Surface::opaquePicture(const QImage &picture) const
{
    if (picture.isNull() || picture.format() == QImage::Format_RGB32)
        return picture;
    QImage opaque(picture.size(), QImage::Format_RGB32);
    opaque.fill(toQRgb(m_backColor));
    opaque.setDevicePixelRatio(picture.devicePixelRatio());
    QPainter painter(&opaque);
    painter.drawImage(0, 0, picture);
    return opaque;
}

void Surface::setPicture(const QImage &picture)
{
    replacePicture(picture);
    emit changed(QRect(QPoint(0, 0), m_size));
}

void Surface::setBlank(const std::vector<QRect> &changed)
{
    replacePicture(QImage());
    for (const QRect &r : changed)
        emit this->changed(r);
}

void Surface::replacePicture(const QImage &picture)
{
    m_picture = opaquePicture(picture);
    pictureReplaced();
    QImage old = std::move(m_image);
    // A picture that is the whole stored image is shared; any other waits.
    if (m_picture.size() == m_size && m_picture.format() == QImage::Format_RGB32)
        m_image = m_picture;
    else
        m_image = QImage();
    // Gone blank, the surface keeps its pixels' memory for the next drawing:
    // fresh memory costs the system several times its copy to hand out.
    m_spare = m_image.isNull() && m_picture.isNull() && old.size() == m_size && old.isDetached() ? std::move(old)
                                                                                                 : QImage();
    markAllDirty();
}

QImage Surface::image() const
{
    if (!m_picture.isNull())
        ensureImage();
    return m_image;
}

QImage Surface::renderedImage() const
{
    const QImage stored = image();
    if (!stored.isNull() || m_size.isEmpty())
        return stored;
    QImage blank(m_size, QImage::Format_RGB32);
    blank.fill(toQRgb(m_backColor));
    return blank;
}

Rgb Surface::point(double x, double y) const
{
    const QPoint p = SurfaceLayer::toPixel(x, y, Units::Twips);
    return pixel(p.x(), p.y());
}

Rgb Surface::pixel(int x, int y) const
{
    const QImage stored = image();
    if (stored.isNull() || !stored.rect().contains(x, y))
        return m_backColor;
    return fromQRgb(stored.pixel(x, y));
}

QRect Surface::floodFill(int x, int y, Rgb area, const Pen &pen)
{
    const int style = pen.fillPattern;
    const bool paints = style == FillSolid || isHatchStyle(style);
    if (!QRect(QPoint(0, 0), m_size).contains(x, y) || pixel(x, y) != area || pen.fillColour == area || !paints)
        return {};
    // Where every tile is known to have the area's colour, or nothing was ever
    // stored, the fill takes every pixel without a look at them, and a surface
    // without pixels gets them unpainted, as the fill writes them all.
    const bool whole = style == FillSolid && (blank() || knownAll(toQRgb(area)));
    if (whole && blank())
        allocateImage();
    ensureImage();
    // The kept picture would share the pixels and make the fill copy them all.
    m_picture = QImage();
    m_tileColours.resize(m_dirty.size());
    const FillPaint target{&m_image, pen.fillColour, style, m_dirty.data(), tileColumns(), m_tileColours.data()};
    const QRect touched = whole ? fillWholeImage(target) : floodFillImage(target, QPoint(x, y), area);
    learnFilledColours();
    if (touched.isEmpty())
        return {};
    emit changed(touched);
    return touched;
}

void Surface::store(const SurfaceOp &op)
{
    ensureImage();
    QPainter painter(&m_image);
    prepareForOps(painter);
    op.paint(painter, QRect());
    painter.end();
    for (const QRect &r : op.bounds)
        markDirty(r);
    emitChanged(op.bounds);
}

void Surface::storePoints(const std::vector<QPointF> &points, Units units, Rgb pointColour)
{
    if (m_size.isEmpty())
        return;
    ensureImage();
    const QRgb colour = toQRgb(pointColour);
    const QRect inside(QPoint(0, 0), m_size);
    QRect touched;
    for (const QPointF &p : points) {
        const QPoint at = SurfaceLayer::toPixel(p.x(), p.y(), units);
        if (!inside.contains(at))
            continue;
        reinterpret_cast<QRgb *>(m_image.scanLine(at.y()))[at.x()] = colour;
        touched |= QRect(at, QSize(1, 1));
    }
    if (touched.isEmpty())
        return;
    markDirty(touched);
    emit changed(touched);
}

void Surface::emitChanged(const QRegion &pixels)
{
    for (const QRect &r : pixels)
        emit changed(r);
}

void Surface::ensureImage() const
{
    if (!m_image.isNull() || m_size.isEmpty())
        return;
    allocateImage();
    m_image.fill(toQRgb(m_backColor));
    if (!m_picture.isNull()) {
        QPainter painter(&m_image);
        painter.drawImage(0, 0, m_picture);
    }
}

void Surface::allocateImage() const
{
    m_image = m_spare.size() == m_size ? std::exchange(m_spare, QImage()) : QImage(m_size, QImage::Format_RGB32);
    m_spare = QImage();
}

bool Surface::blank() const
{
    return m_image.isNull() && m_picture.isNull();
}

void Surface::resizeImage()
{
    const auto inner = [](double twips) {
        return std::max(0, int(std::lround(twips / kTwipsPerPixel)) - 2 * kBorder);
    };
    const QSize size(inner(m_width), inner(m_height));
    if (size == m_size)
        return;
    m_size = size;
    m_spare = QImage();
    if (!m_picture.isNull()) {
        setPicture(m_picture);
    } else if (!m_image.isNull()) {
        const QImage old = std::exchange(m_image, QImage());
        ensureImage();
        if (!m_image.isNull()) {
            QPainter painter(&m_image);
            painter.setCompositionMode(QPainter::CompositionMode_Source);
            painter.drawImage(0, 0, old);
        }
    }
    m_dirty.assign(std::size_t(tileColumns() * tileRows()), 0);
    m_colourKnown.assign(m_dirty.size(), 0);
    markAllDirty();
}

} // namespace garabel
