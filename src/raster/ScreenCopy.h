#pragma once

#include <QPoint>
#include <QRect>
#include <QRgb>
#include <QtGlobal>

#include <optional>

class QImage;
class QPainter;
class QRegion;

namespace garabel {

class Surface;

// The pixels of the image a painter paints on, written straight where that
// gives what the painter would: an RGB32 image without scaling, opacity or
// another composition mode, no clip of the painter's own, and every rectangle
// to be painted inside the image and its system clip. Rectangles are in the
// painter's logical coordinates. A large area goes to memory without passing
// through the cache, as nothing reads it again soon.
class ScreenPixels
{
public:
    // The painter's pixels, when the rectangles of `region` may be written there.
    static std::optional<ScreenPixels> of(QPainter &painter, const QRegion &region);
    // The pixels of an RGB32 image of one's own, at its origin.
    static ScreenPixels ofImage(QImage &image);
    // Copies of at least this many bytes go past the cache.
    static constexpr qsizetype kStreamedBytes = 512 << 10;
    // The same pixels, every copy past the cache: a large area painted in
    // small pieces.
    ScreenPixels streamingAll() const
    {
        ScreenPixels all = *this;
        all.m_streamAll = true;
        return all;
    }

    // Copies `source` of an opaque RGB32 image to `at`.
    void copy(QPoint at, const QImage &image, const QRect &source) const;
    void fill(const QRect &area, QRgb colour) const;
    void set(QPoint at, QRgb colour) const
    {
        reinterpret_cast<QRgb *>(m_bits + (at.y() + m_offset.y()) * m_stride)[at.x() + m_offset.x()] = colour;
    }

private:
    ScreenPixels(uchar *bits, qsizetype stride, QPoint offset) : m_bits(bits), m_stride(stride), m_offset(offset) {}

    uchar *m_bits;
    qsizetype m_stride;
    QPoint m_offset;  // logical to image pixels
    bool m_streamAll = false;
};

// Paints `source` of the surface's stored `image` (inner pixels) at `at`, as
// drawImage() would. Where the surface knows a tile to be all one colour, the
// tile is painted in that colour without being read.
void paintStored(const ScreenPixels &screen, QPoint at, const Surface &surface, const QImage &image,
                 const QRect &source);
// The same through the painter, for a device whose pixels are not written straight.
void paintStored(QPainter &painter, QPoint at, const Surface &surface, const QImage &image, const QRect &source);

} // namespace garabel
