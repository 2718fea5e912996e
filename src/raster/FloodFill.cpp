#include "raster/FloodFill.h"

#include "raster/FloodFillRows.h"
#include "raster/Surface.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace garabel {

namespace {

using namespace floodFillRows;

constexpr int kTile = Surface::kTile;
constexpr int kStreamedRun = 256;  // pixels; shorter runs are painted through the cache

// What each run taken does besides painting the image read: the marks of the
// tiles it crosses, and the same run painted on the follower.
class RunEffects
{
public:
    RunEffects(const FillPaint &target, const FillPaint *follower)
        : m_marks(target.tileMarks), m_columns(target.tileColumns), m_colours(target.tileColours)
    {
        if (m_marks && m_colours && target.style == FillSolid) {
            m_painted.assign(std::size_t(m_columns) * ((target.image->height() + kTile - 1) / kTile), 0);
            m_fill = toQRgb(target.colour);
        }
        if (follower && (follower->style == FillSolid || isHatchStyle(follower->style)) && !follower->image->isNull()) {
            m_follower = *follower;
            m_followerBits = follower->image->bits();
            m_followerStride = follower->image->bytesPerLine();
            m_followerSize = follower->image->size();
            m_followerColour = toQRgb(follower->colour);
        }
    }

    void run(int y, int left, int right)
    {
        if (m_marks)
            mark(m_marks, m_columns, y, left, right);
        if (!m_painted.empty())
            count(y, left, right);
        if (m_followerBits && y < m_followerSize.height() && left < m_followerSize.width())
            paintFollower(y, left, std::min(right, m_followerSize.width() - 1));
    }

    // Marks the tiles painted in whole as one colour, on the follower too when
    // it paints them solid and has the same tiles.
    void finish(const QSize &size)
    {
        const bool followerToo = m_followerBits && m_follower.style == FillSolid && m_follower.tileMarks
            && m_follower.tileColours && m_followerSize == size;
        for (std::size_t i = 0; i < m_painted.size(); ++i) {
            const int column = int(i % std::size_t(m_columns)), row = int(i / std::size_t(m_columns));
            const int width = std::min(kTile, size.width() - column * kTile);
            const int height = std::min(kTile, size.height() - row * kTile);
            if (m_painted[i] != width * height)
                continue;
            m_marks[i] = TileOneColour;
            m_colours[i] = m_fill;
            if (followerToo) {
                m_follower.tileMarks[i] = TileOneColour;
                m_follower.tileColours[i] = m_followerColour;
            }
        }
    }

private:
    static void mark(unsigned char *marks, int columns, int y, int left, int right)
    {
        unsigned char *row = marks + std::size_t(y / kTile) * std::size_t(columns);
        for (int column = left / kTile; column <= right / kTile; ++column)
            row[column] = TileWritten;
    }

    void count(int y, int left, int right)
    {
        int *row = m_painted.data() + std::size_t(y / kTile) * std::size_t(m_columns);
        for (int column = left / kTile; column <= right / kTile; ++column)
            row[column] += std::min(right, column * kTile + kTile - 1) - std::max(left, column * kTile) + 1;
    }

    void paintFollower(int y, int left, int right)
    {
        std::uint32_t *row = rowOf(m_followerBits, m_followerStride, y);
        // The follower is the canvas: its pixels are next read by the repaint,
        // long after this fill has been through the cache.
        if (m_follower.style == FillSolid && right - left >= kStreamedRun)
            runs::stream(row, left, right + 1, m_followerColour);
        else if (m_follower.style == FillSolid)
            runs::paint(row, left, right + 1, m_followerColour);
        else
            paintRun(row, left, right + 1, m_followerColour, hatchRow(m_follower.style, y));
        if (m_follower.tileMarks)
            mark(m_follower.tileMarks, m_follower.tileColumns, y, left, right);
    }

    unsigned char *m_marks;
    int m_columns;
    unsigned *m_colours;
    std::vector<int> m_painted;  // pixels painted in each tile, for TileOneColour
    unsigned m_fill = 0;
    FillPaint m_follower;
    uchar *m_followerBits = nullptr;
    qsizetype m_followerStride = 0;
    QSize m_followerSize;
    std::uint32_t m_followerColour = 0;
};

// A run [left, right] already taken on row y; row y + dy is still to be scanned
// under it.
struct Segment {
    int y, left, right, dy;
};

// The segments still to scan, taken in the order they were found: the fill then
// sweeps the image row after row. Taken last-found-first, it would run down one
// narrow column at a time, each pixel on a new cache line and memory page.
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
        const Segment s = pending.pop();
        const int y = s.y + s.dy;
        rows.setRow(y);
        // Only the run under the parent's left end may reach further left.
        int x = rows.takes(s.left) ? s.left : rows.next(s.left + 1, s.right + 1);
        int left = x == s.left ? rows.runStart(x) : x;
        while (x <= s.right) {
            const int right = rows.take(left, x);
            effects.run(y, left, right);
            minX = std::min(minX, left);
            maxX = std::max(maxX, right);
            minY = std::min(minY, y);
            maxY = std::max(maxY, y);
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

QRect floodFillImage(const FillPaint &target, QPoint start, Rgb area, const FillPaint *follower)
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
        RunEffects effects(target, follower);
        return fillSegments(rows, effects, image.size(), start);
    }
    if (isHatchStyle(target.style)) {
        HatchRows rows(image, areaPixel, toQRgb(target.colour), target.style);
        RunEffects effects(target, follower);
        return fillSegments(rows, effects, image.size(), start);
    }
    return {};
}

QRect fillWholeImage(const FillPaint &target, const FillPaint *follower)
{
    QImage &image = *target.image;
    Q_ASSERT(image.format() == QImage::Format_RGB32 && target.style == FillSolid);
    if (image.isNull())
        return {};
    RunEffects effects(target, follower);
    const std::uint32_t fill = toQRgb(target.colour);
    uchar *const bits = image.bits();
    const int width = image.width();
    for (int y = 0; y < image.height(); ++y) {
        // Nothing reads these rows again soon: the undo store knows their colour.
        runs::stream(rowOf(bits, image.bytesPerLine(), y), 0, width, fill);
        effects.run(y, 0, width - 1);
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
