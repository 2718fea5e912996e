#include "raster/RasterRegions.h"

#include "raster/internal/SurfaceRaster.h"

#include <algorithm>
#include <optional>

namespace garabel {

namespace {

int floorDiv(int v, int d)
{
    return v >= 0 ? v / d : -((-v + d - 1) / d);
}

// Rectangles in the order a region is made of: by rows, then left to right,
// those of a row of one height, none touching the next in its row.
bool inRegionOrder(const std::vector<QRect> &rects)
{
    for (std::size_t i = 1; i < rects.size(); ++i) {
        const QRect &a = rects[i - 1], &b = rects[i];
        if (b.top() == a.top() ? b.height() != a.height() || b.left() <= a.right() + 1 : b.top() <= a.bottom())
            return false;
    }
    return true;
}

std::optional<QRegion> exactRegion(std::vector<QRect> rects)
{
    // A few rectangles are cheap to unite whichever way they lie.
    constexpr std::size_t kFew = 16;
    QRegion region;
    if (rects.size() <= kFew) {
        for (const QRect &r : rects)
            region += r;
        return region;
    }
    if (!inRegionOrder(rects)) {
        std::sort(rects.begin(), rects.end(), [](const QRect &a, const QRect &b) {
            return a.top() != b.top() ? a.top() < b.top() : a.left() < b.left();
        });
        if (!inRegionOrder(rects))
            return std::nullopt;
    }
    region.setRects(rects.data(), int(rects.size()));
    return region;
}

} // namespace

QRegion cellsAlong(const std::vector<QRect> &rects, int cell)
{
    if (rects.empty())
        return {};
    QRect whole;
    for (const QRect &r : rects)
        whole |= r;
    const int left = floorDiv(whole.left(), cell), top = floorDiv(whole.top(), cell);
    const int columns = floorDiv(whole.right(), cell) - left + 1, rows = floorDiv(whole.bottom(), cell) - top + 1;
    std::vector<unsigned char> marked(std::size_t(columns) * rows);
    for (const QRect &r : rects) {
        const int x0 = floorDiv(r.left(), cell) - left, x1 = floorDiv(r.right(), cell) - left;
        for (int y = floorDiv(r.top(), cell) - top; y <= floorDiv(r.bottom(), cell) - top; ++y)
            std::fill_n(marked.begin() + std::ptrdiff_t(y) * columns + x0, x1 - x0 + 1, 1);
    }
    return markedCells(marked.data(), columns, rows, QPoint(left * cell, top * cell), cell);
}

QRegion markedCells(const unsigned char *marked, int columns, int rows, QPoint origin, int cell,
                    const QRect &within)
{
    std::vector<QRect> boxes;
    for (int y = 0; y < rows; ++y) {
        const unsigned char *row = marked + std::ptrdiff_t(y) * columns;
        for (int x = 0; x < columns;) {
            if (!row[x]) {
                ++x;
                continue;
            }
            const int from = x;
            while (x < columns && row[x])
                ++x;
            QRect box(origin.x() + from * cell, origin.y() + y * cell, (x - from) * cell, cell);
            if (!within.isNull())
                box &= within;
            if (!box.isEmpty())
                boxes.push_back(box);
        }
    }
    QRegion region;
    region.setRects(boxes.data(), int(boxes.size()));
    return region;
}

std::vector<SolidPixels> solidPixelsOf(const Raster &raster)
{
    const bool solidInterior = !raster.fill.empty() && raster.brush.style() == Qt::SolidPattern
                               && raster.brush.color().alpha() == 255;
    if (!solidInterior && raster.runs.size() != 1)
        return {};
    std::vector<SolidPixels> solid;
    if (solidInterior) {
        const std::optional<QRegion> interior = exactRegion(raster.fill);
        if (!interior)
            return {};
        solid.push_back({raster.brush.color().rgb(), *interior});
    }
    const std::optional<QRegion> pen = exactRegion(raster.runs);
    if (!pen)
        return {};
    solid.push_back({raster.colour.rgb(), *pen});
    return solid;
}

} // namespace garabel
