#include "raster/ScreenCopy.h"

#include <QImage>
#include <QPaintEngine>
#include <QPainter>

#include <cstdint>
#include <cstring>

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

// The painter's image, when drawing there is a plain copy of RGB32 pixels.
QImage *plainImageDevice(QPainter &painter, const QImage &image)
{
    QPaintEngine *engine = painter.paintEngine();
    if (!engine || engine->type() != QPaintEngine::Raster || !engine->paintDevice()
        || engine->paintDevice()->devType() != QInternal::Image)
        return nullptr;
    auto *device = static_cast<QImage *>(engine->paintDevice());
    const bool plain = device->format() == QImage::Format_RGB32 && image.format() == QImage::Format_RGB32
        && device->devicePixelRatio() == 1 && image.devicePixelRatio() == 1 && painter.opacity() == 1
        && painter.compositionMode() == QPainter::CompositionMode_SourceOver
        && painter.deviceTransform().type() <= QTransform::TxTranslate && device->isDetached();
    return plain ? device : nullptr;
}

} // namespace

bool copyToScreen(QPainter &painter, QPoint at, const QImage &image, const QRect &source)
{
    if (!image.rect().contains(source) || source.isEmpty()
        || qsizetype(source.width()) * source.height() * 4 < kStreamedBytes)
        return false;
    QImage *device = plainImageDevice(painter, image);
    if (!device)
        return false;
    if (painter.hasClipping() && !(QRegion(QRect(at, source.size())) - painter.clipRegion()).isEmpty())
        return false;
    const QPointF offset = painter.deviceTransform().map(QPointF(at));
    const QPoint origin = offset.toPoint();
    if (QPointF(origin) != offset)
        return false;
    const QRect target(origin, source.size());
    const QRegion clip = painter.paintEngine()->systemClip();
    if (!device->rect().contains(target) || (!clip.isEmpty() && !(QRegion(target) - clip).isEmpty()))
        return false;
    for (int y = 0; y < source.height(); ++y) {
        const auto *from = reinterpret_cast<const std::uint32_t *>(image.constScanLine(source.top() + y)) + source.left();
        auto *to = reinterpret_cast<std::uint32_t *>(device->scanLine(target.top() + y)) + target.left();
        streamRow(to, from, source.width());
    }
#if defined(__SSE2__)
    _mm_sfence();
#endif
    return true;
}

} // namespace garabel
