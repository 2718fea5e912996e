#include "raster/SurfaceOverlay.h"

#include "raster/internal/SurfaceRaster.h"

#include <QPaintEngine>
#include <QPainter>

#include <algorithm>
#include <optional>
#include <utility>

namespace garabel {

namespace {

// An image that a painter fills, when its pixels may be written directly: one
// 32-bit word a pixel, reached from the painter's coordinates by a whole-pixel
// shift, painted over plainly.
struct PixelTarget {
    uchar *bits;
    qsizetype stride;
    QPoint offset;
    // What may be painted, in image pixels.
    QRegion clip;
};

std::optional<PixelTarget> pixelTarget(QPainter &painter)
{
    QPaintEngine *engine = painter.paintEngine();
    QPaintDevice *device = engine ? engine->paintDevice() : nullptr;
    if (!device || device->devType() != QInternal::Image)
        return std::nullopt;
    auto *image = static_cast<QImage *>(device);
    const QImage::Format format = image->format();
    if ((format != QImage::Format_RGB32 && format != QImage::Format_ARGB32
         && format != QImage::Format_ARGB32_Premultiplied) || !image->isDetached())
        return std::nullopt;
    const QTransform t = painter.deviceTransform();
    const QPoint offset(qRound(t.dx()), qRound(t.dy()));
    if (t.type() > QTransform::TxTranslate || QPointF(offset) != QPointF(t.dx(), t.dy()) || painter.opacity() != 1
        || painter.compositionMode() != QPainter::CompositionMode_SourceOver)
        return std::nullopt;
    QRegion clip(image->rect());
    if (painter.hasClipping())
        clip &= painter.clipRegion().translated(offset);
    if (!engine->systemClip().isEmpty())
        clip &= engine->systemClip();
    return PixelTarget{image->bits(), image->bytesPerLine(), offset, clip};
}

bool opaque(const QColor &colour)
{
    return colour.alpha() == 255;
}

// The raster paints only opaque colours, with nothing a painter must work out.
bool writable(const Raster &raster)
{
    const bool fills = !raster.fill.empty() && raster.brush.style() != Qt::NoBrush;
    return opaque(raster.colour)
           && (!fills || (raster.brush.style() == Qt::SolidPattern && opaque(raster.brush.color())));
}

void writeRects(const PixelTarget &target, const std::vector<QRect> &rects, int tallest, const QColor &colour)
{
    const QRgb pixel = colour.rgb();
    // The clip's rectangles come row by row, top to bottom, as the figure's
    // do: the figure's rectangles wholly above one clip rectangle are above
    // every later one too, and none needs looking up again.
    std::size_t first = 0;
    for (const QRect &c : target.clip) {
        const QRect clip = c.translated(-target.offset);
        while (first < rects.size() && rects[first].top() < clip.top() - tallest + 1)
            ++first;
        for (std::size_t i = first; i < rects.size() && rects[i].top() <= clip.bottom(); ++i) {
            const QRect &r = rects[i];
            const int left = std::max(r.left(), clip.left()), right = std::min(r.right(), clip.right());
            const int top = std::max(r.top(), clip.top()), bottom = std::min(r.bottom(), clip.bottom());
            for (int y = top; y <= bottom && left <= right; ++y) {
                QRgb *const row = reinterpret_cast<QRgb *>(target.bits + (y + target.offset.y()) * target.stride);
                std::fill(row + left + target.offset.x(), row + right + 1 + target.offset.x(), pixel);
            }
        }
    }
}

// Fills the pixels that paintRaster() would.
void writeRaster(const PixelTarget &target, const Raster &raster)
{
    if (!raster.fill.empty() && raster.brush.style() != Qt::NoBrush)
        writeRects(target, raster.fill, raster.tallest, raster.brush.color());
    writeRects(target, raster.runs, raster.tallest, raster.colour);
}

} // namespace

void prepareForOps(QPainter &painter)
{
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
}

void SurfaceOverlay::add(SurfaceOp op)
{
    m_bounds += op.bounds;
    m_ops.push_back(std::move(op));
    ++m_generation;
}

QRegion SurfaceOverlay::clear()
{
    m_ops.clear();
    ++m_generation;
    return std::exchange(m_bounds, QRegion());
}

void SurfaceOverlay::paint(QPainter &painter) const
{
    if (m_ops.empty())
        return;
    painter.save();
    prepareForOps(painter);
    const QRect clip = painter.hasClipping() ? painter.clipBoundingRect().toAlignedRect() : QRect();
    const std::optional<PixelTarget> target = pixelTarget(painter);
    for (const SurfaceOp &op : m_ops) {
        if (!clip.isNull() && !op.bounds.intersects(clip))
            continue;
        if (target && op.raster && writable(*op.raster))
            writeRaster(*target, *op.raster);
        else
            op.paint(painter, clip);
    }
    painter.restore();
}

std::vector<SolidPixels> SurfaceOverlay::solidPixels() const
{
    std::vector<SolidPixels> known;
    // Nothing before the first solid figure can stay known.
    const auto first = std::find_if(m_ops.begin(), m_ops.end(), [](const SurfaceOp &op) { return !op.solid.empty(); });
    for (auto op = first; op != m_ops.end(); ++op) {
        for (SolidPixels &k : known)
            k.pixels -= op->bounds;
        for (const SolidPixels &s : op->solid) {
            bool added = false;
            for (SolidPixels &k : known) {
                if (k.colour == s.colour) {
                    k.pixels += s.pixels;
                    added = true;
                } else {
                    k.pixels -= s.pixels;
                }
            }
            if (!added)
                known.push_back(s);
        }
    }
    return known;
}

QRegion sameSolidPixels(const std::vector<SolidPixels> &a, const std::vector<SolidPixels> &b)
{
    QRegion same;
    for (const SolidPixels &x : a) {
        for (const SolidPixels &y : b) {
            if (x.colour == y.colour)
                same += x.pixels & y.pixels;
        }
    }
    return same;
}

} // namespace garabel
