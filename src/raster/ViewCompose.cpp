#include "raster/ViewCompose.h"

#include "raster/ScreenCopy.h"
#include "raster/ShownSurface.h"

#include <QPainter>

#include <algorithm>
#include <optional>

namespace garabel {

namespace {

// One surface as the view shows it: its picture as it is where it has one
// waiting (the background beside it), else its stored image, else the background.
struct Source {
    const Surface *surface = nullptr;
    QImage picture, image;
    QRect pictureArea;
    QRgb background = 0;

    static Source of(const Surface &surface)
    {
        Source s{&surface, surface.shownPicture(), {}, {}, toQRgb(surface.backColor())};
        if (s.picture.isNull())
            s.image = surface.image();
        else
            s.pictureArea = QRect(QPoint(0, 0), s.picture.deviceIndependentSize().toSize())
                            & QRect(QPoint(0, 0), surface.innerPixelSize());
        return s;
    }
    bool plainPixels() const { return picture.isNull() || picture.devicePixelRatio() == 1; }
};

// Each part of `r` (sheet pixels) from the source that shows it.
template <typename Sink>
void paintSource(Sink &sink, const Source &source, const QRect &r)
{
    const auto paintImage = [&](const QRect &part) {
        if (source.image.isNull())
            sink.fill(part, source.background);
        else
            sink.stored(*source.surface, source.image, part);
    };
    // Most rectangles meet no picture: no region is made for them.
    const QRect shown = r & source.pictureArea;
    if (shown.isEmpty()) {
        paintImage(r);
        return;
    }
    sink.picture(source.picture, shown);
    for (const QRect &part : QRegion(r) - shown)
        paintImage(part);
}

// Straight into the pixels of the painter's image.
struct ScreenSink {
    ScreenPixels screen;
    QPoint offset;  // sheet pixel to image pixel

    void fill(const QRect &r, QRgb colour) const { screen.fill(r.translated(offset), colour); }
    void stored(const Surface &surface, const QImage &image, const QRect &r) const
    {
        paintStored(screen, r.topLeft() + offset, surface, image, r);
    }
    void picture(const QImage &picture, const QRect &r) const { screen.copy(r.topLeft() + offset, picture, r); }
    void block(const QImage &pixels, QPoint at) const { screen.copy(at + offset, pixels, pixels.rect()); }

    // Rows without dots go straight; a row with dots is made in a buffer, in
    // the cache, and goes whole: its dots written on the screen's pixels would
    // fetch back every line of the row that the copy streamed past the cache.
    void sheetWithDots(const Source &sheet, const DotGrid &dots, const QRect &r)
    {
        auto dotRow = std::lower_bound(dots.rows.begin(), dots.rows.end(), r.top());
        if (dots.isEmpty() || dotRow == dots.rows.end() || *dotRow > r.bottom()) {
            paintSource(*this, sheet, r);
            return;
        }
        QImage row(r.width(), 1, QImage::Format_RGB32);
        ScreenSink buffer{ScreenPixels::ofImage(row), {}};
        // The area goes past the cache as a whole would, though in thin bands.
        const bool large = qsizetype(r.width()) * r.height() * 4 >= ScreenPixels::kStreamedBytes;
        ScreenSink out{large ? screen.streamingAll() : screen, offset};
        for (int top = r.top(); top <= r.bottom();) {
            const int next = dotRow == dots.rows.end() ? r.bottom() + 1 : std::min(*dotRow, r.bottom() + 1);
            if (next > top)
                paintSource(out, sheet, QRect(r.left(), top, r.width(), next - top));
            if (next > r.bottom())
                break;
            const QRect line(r.left(), next, r.width(), 1);
            buffer.offset = -line.topLeft();
            paintSource(buffer, sheet, line);
            dots.forEachIn(line, [&](QPoint at) { buffer.screen.set(at - line.topLeft(), dots.colour); });
            out.screen.copy(line.topLeft() + offset, row, row.rect());
            top = next + 1;
            ++dotRow;
        }
    }
};

// Through the painter, for a device whose pixels are not written straight;
// the painter measures sheet pixels.
struct PainterSink {
    QPainter &painter;

    void fill(const QRect &r, QRgb colour) const { painter.fillRect(r, QColor::fromRgb(colour)); }
    void stored(const Surface &surface, const QImage &image, const QRect &r) const
    {
        paintStored(painter, r.topLeft(), surface, image, r);
    }
    void picture(const QImage &picture, const QRect &r) const
    {
        const qreal ratio = picture.devicePixelRatio();
        if (ratio == 1)
            painter.drawImage(r.topLeft(), picture, r);
        else
            painter.drawImage(QRectF(r), picture, QRectF(QPointF(r.topLeft()) * ratio, QSizeF(r.size()) * ratio));
    }
    void block(const QImage &pixels, QPoint at) const { painter.drawImage(at, pixels); }
    void sheetWithDots(const Source &sheet, const DotGrid &dots, const QRect &r)
    {
        paintSource(*this, sheet, r);
        dots.forEachIn(r, [&](QPoint at) { painter.fillRect(QRect(at, QSize(1, 1)), QColor::fromRgb(dots.colour)); });
    }
};

// Where the surface's own content lies: its picture, or its whole stored
// image; beyond it the surface shows only its background.
QRect ownContent(const Source &own, QSize size)
{
    if (!own.picture.isNull())
        return own.pictureArea;
    return own.image.isNull() ? QRect() : QRect(QPoint(0, 0), size);
}

// The sheet over the surface's own content within `area`: that shows through
// wherever the sheet still has its background, as if the drawing had gone over
// it. A picture still waiting in the sheet covers it whole.
QImage sheetOverOwn(const Source &own, const Source &sheet, const QRect &area)
{
    QImage pixels(area.size(), QImage::Format_RGB32);
    QPainter painter(&pixels);
    painter.translate(-area.topLeft());
    PainterSink sink{painter};
    paintSource(sink, sheet.picture.isNull() ? own : sheet, area);
    painter.end();
    const QRect drawn = area & sheet.image.rect();
    for (int y = drawn.top(); y <= drawn.bottom(); ++y) {
        const QRgb *from = reinterpret_cast<const QRgb *>(sheet.image.constScanLine(y));
        QRgb *to = reinterpret_cast<QRgb *>(pixels.scanLine(y - area.top())) - area.left();
        for (int x = drawn.left(); x <= drawn.right(); ++x) {
            if (from[x] != sheet.background)
                to[x] = from[x];
        }
    }
    return pixels;
}

// Each rectangle of the region from what shows there; `prepare(r)` first.
template <typename Sink, typename Prepare>
void paintBase(Sink &sink, const ShownSurface &shown, const Source &own, const std::optional<Source> &sheet,
               const QRegion &region, Prepare &&prepare)
{
    const QRect under = shown.ownUnderSheet() ? ownContent(own, shown.innerPixelSize()) : QRect();
    // Dots go with the sheet shown alone.
    const DotGrid none;
    const DotGrid &dots = shown.ownUnderSheet() ? none : shown.dots();
    for (const QRect &r : region) {
        prepare(r);
        if (!sheet) {
            paintSource(sink, own, r);
            continue;
        }
        // Beside the surface's own content the sheet shows as it is.
        const QRect mixed = r & under;
        if (mixed.isEmpty()) {
            sink.sheetWithDots(*sheet, dots, r);
            continue;
        }
        for (const QRect &part : QRegion(r) - mixed)
            sink.sheetWithDots(*sheet, dots, part);
        sink.block(sheetOverOwn(own, *sheet, mixed), mixed.topLeft());
    }
}

// The painter measures sheet pixels from here on; a plain shift stays one,
// for the straight writes of the overlay.
void toSheetPixels(QPainter &painter, const ViewTransform &transform)
{
    painter.translate(transform.offset);
    if (transform.scale != 1)
        painter.scale(transform.scale, transform.scale);
}

} // namespace

void composeView(QPainter &painter, const ShownSurface &shown, const QRegion &region, const ViewTransform &transform,
                 ViewLayers layers, const std::function<void(QPainter &)> &beneathOverlay)
{
    const QRect whole(QPoint(0, 0), shown.innerPixelSize());
    const QRegion inside = whole.contains(region.boundingRect()) ? region : region & whole;
    if (inside.isEmpty())
        return;
    const Source own = Source::of(shown);
    std::optional<Source> sheet;
    if (const Surface *s = shown.shownSheet())
        sheet = Source::of(*s);
    const QRegion onScreen = transform.toScreen(inside);
    // Each rectangle is painted from its source alone, straight into the
    // image's pixels where that gives the same: a clip of its own costs Qt a
    // pass over the whole region, and a repaint of thin curves comes in
    // thousands of rectangles.
    const bool plain = transform.scale == 1 && own.plainPixels() && (!sheet || sheet->plainPixels());
    if (const std::optional<ScreenPixels> screen = plain ? ScreenPixels::of(painter, onScreen) : std::nullopt) {
        ScreenSink sink{*screen, transform.offset};
        paintBase(sink, shown, own, sheet, inside, [](const QRect &) {});
    } else {
        // One plain clip rectangle at a time: against a many-rectangle region
        // Qt would copy pixels span by span through its thread pool.
        painter.save();
        toSheetPixels(painter, transform);
        PainterSink sink{painter};
        paintBase(sink, shown, own, sheet, inside, [&](const QRect &r) { painter.setClipRect(r); });
        painter.restore();
    }
    // What lies over the sheet, once, clipped to everything repainted.
    painter.save();
    painter.setClipRegion(onScreen);
    toSheetPixels(painter, transform);
    if (beneathOverlay)
        beneathOverlay(painter);
    if (layers == ViewLayers::WithOverlay && shown.hasOverlay())
        shown.paintOverlay(painter);
    painter.restore();
}

} // namespace garabel
