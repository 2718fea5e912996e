#include "raster/FloodFill.h"

#include "raster/internal/FloodFillEffects.h"
#include "raster/internal/FloodFillRows.h"
#include "raster/Surface.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace garabel {

namespace {

using namespace floodFillRows;

// A run [left, right] already taken on row y; row y + dy is still to be scanned
// under it.
struct Segment {
    int y, left, right, dy;
};

// The segments still to scan, taken in the order they were found: the fill then
// sweeps the image row after row (narrow lanes a band of rows at a time). Taken
// last-found-first, it would run down one narrow column at a time, each pixel on
// a new cache line and memory page.
class SegmentQueue
{
public:
    SegmentQueue() { m_items.reserve(1024); }
    bool empty() const { return m_head == m_items.size(); }
    void push(const Segment &segment) { m_items.push_back(segment); }
    Segment pop()
    {
        const Segment segment = m_items[m_head++];
        if (m_head == m_items.size()) {
            m_items.clear();
            m_head = 0;
        } else if (m_head >= 4096 && m_head * 2 >= m_items.size()) {
            m_items.erase(m_items.begin(), m_items.begin() + std::ptrdiff_t(m_head));
            m_head = 0;
        }
        return segment;
    }

private:
    std::vector<Segment> m_items;
    std::size_t m_head = 0;
};

constexpr int kLane = 64;  // pixels; wider runs are taken through the queue alone

// The row before which a lane stops: the image's edge when nothing else waits
// in the queue, else the edge of its row of tiles. Lanes side by side (a comb)
// are then taken a band of rows at a time, one after the other, each band's
// rows still in the cache from the lane before.
int laneEnd(const Segment &s, int height, bool alone)
{
    const int first = s.y + s.dy;
    if (s.dy > 0)
        return alone ? height : std::min(height, (first / kTile + 1) * kTile);
    return alone ? -1 : first / kTile * kTile - 1;
}

// Follows a narrow segment while the row it scans holds exactly its run: a lane
// winding through the picture, one run a row, where the queue would cost more
// than the look at the few pixels of each row. Moves `s` to the last row
// taken, and tells whether the row beyond is in the image.
template<class Rows>
bool followLane(Rows &rows, RunEffects &effects, Segment &s, int height, bool alone)
{
    int y = s.y;
    for (const int end = laneEnd(s, height, alone); y + s.dy != end; y += s.dy) {
        rows.setRow(y + s.dy);
        if (!rows.takeExactly(s.left, s.right))
            break;
    }
    if (y != s.y)
        effects.lane(s.left, s.right, std::min(y, s.y + s.dy), std::max(y, s.y + s.dy));
    s.y = y;
    return y + s.dy >= 0 && y + s.dy < height;
}

// Seed fill by segments: each segment scans the neighbouring row only under its
// parent run, and pushes back the parts of a new run that stick out beyond the
// parent, so each pixel is read about once.
template<class Rows>
QRect fillSegments(Rows &rows, RunEffects &effects, QSize size, QPoint start)
{
    const int height = size.height();
    SegmentQueue pending;
    auto push = [&](int y, int left, int right, int dy) {
        if (y + dy >= 0 && y + dy < height)
            pending.push({y, left, right, dy});
    };
    push(start.y(), start.x(), start.x(), 1);
    push(start.y() + 1, start.x(), start.x(), -1);

    int minX = size.width(), maxX = -1, minY = height, maxY = -1;
    while (!pending.empty()) {
        Segment s = pending.pop();
        if (s.right - s.left < kLane) {
            const int first = s.y + s.dy;
            const bool more = followLane(rows, effects, s, height, pending.empty());
            if (s.y != first - s.dy) {
                minX = std::min(minX, s.left);
                maxX = std::max(maxX, s.right);
                minY = std::min({minY, first, s.y});
                maxY = std::max({maxY, first, s.y});
            }
            if (!more)
                continue;
        }
        const int y = s.y + s.dy;
        rows.setRow(y);
        // Only the run under the parent's left end may reach further left.
        int x = rows.takes(s.left) ? s.left : rows.next(s.left + 1, s.right + 1);
        if (x > s.right)
            continue;
        effects.setRow(y);
        int left = x == s.left ? rows.runStart(x) : x;
        // Runs come left to right: the first begins furthest left, the last ends furthest right.
        minX = std::min(minX, left);
        minY = std::min(minY, y);
        maxY = std::max(maxY, y);
        while (x <= s.right) {
            const int right = rows.take(left, x);
            effects.run(left, right);
            maxX = std::max(maxX, right);
            push(y, left, right, s.dy);
            if (left < s.left)
                push(y, left, s.left - 1, -s.dy);
            if (right > s.right)
                push(y, s.right + 1, right, -s.dy);
            x = left = rows.next(right + 2, s.right + 1);
        }
    }
    runs::streamed();
    if (maxX < 0)
        return {};
    effects.finish(size);
    return QRect(QPoint(minX, minY), QPoint(maxX, maxY));
}

} // namespace

QRect floodFillImage(const FillPaint &target, QPoint start, Rgb area)
{
    QImage &image = *target.image;
    Q_ASSERT(image.isNull() || image.format() == QImage::Format_RGB32);
    if (!image.rect().contains(start) || target.colour == area)
        return {};
    const std::uint32_t areaPixel = toQRgb(area);
    // Checked before the rows touch bits(), which would detach a shared image.
    if (image.pixel(start) != areaPixel)
        return {};
    if (target.style == FillSolid) {
        SolidRows rows(image, areaPixel, toQRgb(target.colour));
        RunEffects effects(target);
        return fillSegments(rows, effects, image.size(), start);
    }
    if (isHatchStyle(target.style)) {
        HatchRows rows(image, areaPixel, toQRgb(target.colour), target.style);
        RunEffects effects(target);
        return fillSegments(rows, effects, image.size(), start);
    }
    return {};
}

QRect fillWholeImage(const FillPaint &target)
{
    QImage &image = *target.image;
    Q_ASSERT(image.format() == QImage::Format_RGB32 && target.style == FillSolid);
    if (image.isNull())
        return {};
    RunEffects effects(target);
    const std::uint32_t fill = toQRgb(target.colour);
    uchar *const bits = image.bits();
    const int width = image.width();
    for (int y = 0; y < image.height(); ++y) {
        // Nothing reads these rows again soon: the undo store knows their colour.
        runs::stream(rowOf(bits, image.bytesPerLine(), y), 0, width, fill);
        effects.setRow(y);
        effects.run(0, width - 1);
    }
    runs::streamed();
    effects.finish(image.size());
    return image.rect();
}

QRect floodFillImage(QImage &image, QPoint start, Rgb area, Rgb fill, int fillStyle)
{
    return floodFillImage(FillPaint{&image, fill, fillStyle}, start, area);
}

} // namespace garabel
