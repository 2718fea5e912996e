#include "raster/ScreenCopy.h"

#include "raster/Surface.h"

#include <QImage>
#include <QPaintEngine>
#include <QPainter>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <optional>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace garabel {

namespace {

// Pixels; a fill of no more is written here rather than by Qt.
constexpr int kThinFill = 256;

void streamRow(std::uint32_t *to, const std::uint32_t *from, int count)
{
#if defined(__SSE2__)
    int x = 0;
    for (; x < count && reinterpret_cast<std::uintptr_t>(to + x) % 16 != 0; ++x)
        to[x] = from[x];
    for (; x + 4 <= count; x += 4)
        _mm_stream_si128(reinterpret_cast<__m128i *>(to + x),
                         _mm_loadu_si128(reinterpret_cast<const __m128i *>(from + x)));
    for (; x < count; ++x)
        to[x] = from[x];
#else
    std::memcpy(to, from, std::size_t(count) * sizeof(std::uint32_t));
#endif
}

void streamed()
{
#if defined(__SSE2__)
    _mm_sfence();
#endif
}

// Runs of tiles along each band of tiles of `source`, each run of one known
// colour or of none: `paint(part, colour)` for each.
template <typename Paint>
void forTileRuns(const Surface &surface, const QRect &source, Paint &&paint)
{
    constexpr int kTile = Surface::kTile;
    const auto anyKnown = [&] {
        for (int row = source.top() / kTile; row <= source.bottom() / kTile; ++row) {
            for (int column = source.left() / kTile; column <= source.right() / kTile; ++column) {
                if (surface.tileColour(column, row))
                    return true;
            }
        }
        return false;
    };
    if (!anyKnown()) {
        paint(source, std::optional<unsigned>());
        return;
    }
    for (int top = source.top(); top <= source.bottom(); top = (top / kTile + 1) * kTile) {
        const int bottom = std::min(source.bottom(), (top / kTile + 1) * kTile - 1);
        for (int left = source.left(); left <= source.right();) {
            const std::optional<unsigned> colour = surface.tileColour(left / kTile, top / kTile);
            int right = std::min(source.right(), (left / kTile + 1) * kTile - 1);
            while (right < source.right() && surface.tileColour((right + 1) / kTile, top / kTile) == colour)
                right = std::min(source.right(), right + kTile);
            paint(QRect(QPoint(left, top), QPoint(right, bottom)), colour);
            left = right + 1;
        }
    }
}

} // namespace

std::optional<ScreenPixels> ScreenPixels::of(QPainter &painter, const QRegion &region)
{
    QPaintEngine *engine = painter.paintEngine();
    if (!engine || engine->type() != QPaintEngine::Raster || !engine->paintDevice()
        || engine->paintDevice()->devType() != QInternal::Image)
        return std::nullopt;
    auto *device = static_cast<QImage *>(engine->paintDevice());
    const QTransform transform = painter.deviceTransform();
    const QPoint offset(qRound(transform.dx()), qRound(transform.dy()));
    const bool plain = device->format() == QImage::Format_RGB32 && device->devicePixelRatio() == 1
        && painter.opacity() == 1 && painter.compositionMode() == QPainter::CompositionMode_SourceOver
        && transform.type() <= QTransform::TxTranslate && QPointF(offset) == QPointF(transform.dx(), transform.dy())
        && !painter.hasClipping() && device->isDetached();
    if (!plain)
        return std::nullopt;
    const QRegion target = region.translated(offset);
    const QRegion clip = engine->systemClip();
    if (!device->rect().contains(target.boundingRect()) || (!clip.isEmpty() && !(target - clip).isEmpty()))
        return std::nullopt;
    return ScreenPixels(device->bits(), device->bytesPerLine(), offset);
}

ScreenPixels ScreenPixels::ofImage(QImage &image)
{
    Q_ASSERT(image.format() == QImage::Format_RGB32);
    return ScreenPixels(image.bits(), image.bytesPerLine(), QPoint(0, 0));
}

void ScreenPixels::copy(QPoint at, const QImage &image, const QRect &source) const
{
    Q_ASSERT(image.format() == QImage::Format_RGB32 && image.rect().contains(source));
    // Below kStreamedBytes the copy stays in the cache, where drawImage() is as
    // good; a large repaint comes in bands of 64 rows, a megabyte across a 4K canvas.
    const bool stream = m_streamAll || qsizetype(source.width()) * source.height() * 4 >= kStreamedBytes;
    const QPoint to = at + m_offset;
    const std::size_t rowBytes = std::size_t(source.width()) * sizeof(std::uint32_t);
    for (int y = 0; y < source.height(); ++y) {
        const auto *from = reinterpret_cast<const std::uint32_t *>(image.constScanLine(source.top() + y)) + source.left();
        auto *row = reinterpret_cast<std::uint32_t *>(m_bits + (to.y() + y) * m_stride) + to.x();
        if (stream)
            streamRow(row, from, source.width());
        else
            std::memcpy(row, from, rowBytes);
    }
    streamed();
}

void ScreenPixels::fill(const QRect &area, QRgb colour) const
{
    // Qt's own fill, wide stores kept in the cache: streamed past it, the
    // blank canvas's pixels are fetched back at once for the overlay drawn
    // over them, and a narrower loop of ours costs more than it saves.
    const QRect target = area.translated(m_offset);
    // A thin piece, of the thousands a curve's repaint comes in, costs more
    // to wrap in an image than to write.
    if (target.width() * target.height() <= kThinFill) {
        for (int y = target.top(); y <= target.bottom(); ++y)
            std::fill_n(reinterpret_cast<QRgb *>(m_bits + y * m_stride) + target.left(), target.width(), colour);
        return;
    }
    QImage view(m_bits + target.top() * m_stride + target.left() * qsizetype(sizeof(QRgb)), target.width(),
                target.height(), m_stride, QImage::Format_RGB32);
    view.fill(colour);
}

void paintStored(const ScreenPixels &screen, QPoint at, const Surface &surface, const QImage &image,
                 const QRect &source)
{
    forTileRuns(surface, source, [&](const QRect &part, std::optional<unsigned> colour) {
        const QPoint to = at + part.topLeft() - source.topLeft();
        if (colour)
            screen.fill(QRect(to, part.size()), *colour);
        else
            screen.copy(to, image, part);
    });
}

void paintStored(QPainter &painter, QPoint at, const Surface &surface, const QImage &image, const QRect &source)
{
    forTileRuns(surface, source, [&](const QRect &part, std::optional<unsigned> colour) {
        const QPoint to = at + part.topLeft() - source.topLeft();
        if (colour)
            painter.fillRect(QRect(to, part.size()), QColor::fromRgb(*colour));
        else
            painter.drawImage(to, image, part);
    });
}

} // namespace garabel
