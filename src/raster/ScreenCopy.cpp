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

// Below this many bytes the copy stays in the cache, where drawImage() is as good;
// a large repaint comes in bands of 64 rows, a megabyte across a 4K canvas.
constexpr qsizetype kStreamedBytes = 512 << 10;

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

void streamColour(std::uint32_t *to, std::uint32_t colour, int count)
{
#if defined(__SSE2__)
    const __m128i c = _mm_set1_epi32(int(colour));
    int x = 0;
    for (; x < count && reinterpret_cast<std::uintptr_t>(to + x) % 16 != 0; ++x)
        to[x] = colour;
    for (; x + 4 <= count; x += 4)
        _mm_stream_si128(reinterpret_cast<__m128i *>(to + x), c);
    std::fill(to + x, to + count, colour);
#else
    std::fill(to, to + count, colour);
#endif
}

void streamed()
{
#if defined(__SSE2__)
    _mm_sfence();
#endif
}

// Where `area` (logical) lies in the painter's image, when writing there
// gives what the painter would: an RGB32 device without scaling, the whole
// area inside the painter's clip and the device's system clip.
std::optional<QRect> plainTarget(QPainter &painter, const QRect &area)
{
    QPaintEngine *engine = painter.paintEngine();
    if (!engine || engine->type() != QPaintEngine::Raster || !engine->paintDevice()
        || engine->paintDevice()->devType() != QInternal::Image)
        return std::nullopt;
    auto *device = static_cast<QImage *>(engine->paintDevice());
    const bool plain = device->format() == QImage::Format_RGB32 && device->devicePixelRatio() == 1
        && painter.opacity() == 1 && painter.compositionMode() == QPainter::CompositionMode_SourceOver
        && painter.deviceTransform().type() <= QTransform::TxTranslate && device->isDetached();
    if (!plain || (painter.hasClipping() && !(QRegion(area) - painter.clipRegion()).isEmpty()))
        return std::nullopt;
    const QPointF offset = painter.deviceTransform().map(QPointF(area.topLeft()));
    const QPoint origin = offset.toPoint();
    if (QPointF(origin) != offset)
        return std::nullopt;
    const QRect target(origin, area.size());
    const QRegion clip = engine->systemClip();
    if (!device->rect().contains(target) || (!clip.isEmpty() && !(QRegion(target) - clip).isEmpty()))
        return std::nullopt;
    return target;
}

QImage &deviceOf(QPainter &painter)
{
    return *static_cast<QImage *>(painter.paintEngine()->paintDevice());
}

// Paints `area` (logical) in one colour, where plainTarget() allows.
bool fillOnScreen(QPainter &painter, const QRect &area, QRgb colour)
{
    const std::optional<QRect> target = plainTarget(painter, area);
    if (!target)
        return false;
    QImage &device = deviceOf(painter);
    const bool stream = qsizetype(area.width()) * area.height() * 4 >= kStreamedBytes;
    for (int y = target->top(); y <= target->bottom(); ++y) {
        auto *to = reinterpret_cast<std::uint32_t *>(device.scanLine(y)) + target->left();
        if (stream)
            streamColour(to, colour, target->width());
        else
            std::fill(to, to + target->width(), colour);
    }
    streamed();
    return true;
}

} // namespace

bool copyToScreen(QPainter &painter, QPoint at, const QImage &image, const QRect &source)
{
    if (!image.rect().contains(source) || source.isEmpty() || image.format() != QImage::Format_RGB32
        || image.devicePixelRatio() != 1 || qsizetype(source.width()) * source.height() * 4 < kStreamedBytes)
        return false;
    const std::optional<QRect> target = plainTarget(painter, QRect(at, source.size()));
    if (!target)
        return false;
    QImage &device = deviceOf(painter);
    for (int y = 0; y < source.height(); ++y) {
        const auto *from = reinterpret_cast<const std::uint32_t *>(image.constScanLine(source.top() + y)) + source.left();
        auto *to = reinterpret_cast<std::uint32_t *>(device.scanLine(target->top() + y)) + target->left();
        streamRow(to, from, source.width());
    }
    streamed();
    return true;
}

void paintStored(QPainter &painter, QPoint at, const Surface &surface, const QImage &image, const QRect &source)
{
    constexpr int kTile = Surface::kTile;
    const auto paint = [&](const QRect &part, std::optional<unsigned> colour) {
        const QPoint to = at + part.topLeft() - source.topLeft();
        if (colour && fillOnScreen(painter, QRect(to, part.size()), *colour))
            return;
        if (!copyToScreen(painter, to, image, part))
            painter.drawImage(to, image, part);
    };
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
        paint(source, std::nullopt);
        return;
    }
    // Band by band of tiles, runs of tiles of one known colour or of none.
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

} // namespace garabel
