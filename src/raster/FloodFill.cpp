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

// What each run taken does besides painting the image read: the marks of the
// tiles it crosses. Runs come row by row through setRow(), so that each finds
// its rows of marks ready.
class RunEffects
{
public:
    explicit RunEffects(const FillPaint &target)
        : m_marks(target.tileMarks), m_columns(target.tileColumns), m_colours(target.tileColours)
    {
        if (m_marks && m_colours && target.style == FillSolid) {
            m_painted.assign(std::size_t(m_columns) * ((target.image->height() + kTile - 1) / kTile), 0);
            m_fill = toQRgb(target.colour);
        }
    }

    void setRow(int y)
    {
        if (y == m_y)
            return;
        m_y = y;
        // A narrow lane comes here at every row: the rows of marks change only
        // with the row of tiles.
        if (const int tileRow = y / kTile; tileRow != m_tileRow) {
            m_tileRow = tileRow;
            const std::size_t row = std::size_t(tileRow);
            m_markRow = m_marks ? m_marks + row * std::size_t(m_columns) : nullptr;
            m_countRow = m_painted.empty() ? nullptr : m_painted.data() + row * std::size_t(m_columns);
        }
    }

    // The run [left, right] of the present row. Most runs of a busy picture
    // lie in one tile and are a few pixels long: those take a store or two.
    [[gnu::always_inline]] void run(int left, int right)
    {
        const int first = left / kTile, last = right / kTile;
        if (first == last) {
            if (m_markRow)
                m_markRow[first] = TileWritten;
            if (m_countRow)
                m_countRow[first] += right - left + 1;
        } else {
            mark(m_markRow, first, last);
            if (m_countRow)
                count(left, right);
        }
    }

    // Marks the tiles painted in whole as one colour.
    void finish(const QSize &size)
    {
        for (std::size_t i = 0; i < m_painted.size(); ++i) {
            const int column = int(i % std::size_t(m_columns)), row = int(i / std::size_t(m_columns));
            const int width = std::min(kTile, size.width() - column * kTile);
            const int height = std::min(kTile, size.height() - row * kTile);
            if (m_painted[i] != width * height)
                continue;
            m_marks[i] = TileOneColour;
            m_colours[i] = m_fill;
        }
    }

private:
    void count(int left, int right)
    {
        for (int column = left / kTile; column <= right / kTile; ++column)
            m_countRow[column] += std::min(right, column * kTile + kTile - 1) - std::max(left, column * kTile) + 1;
    }

    static void mark(unsigned char *row, int first, int last)
    {
        for (int column = first; row && column <= last; ++column)
            row[column] = TileWritten;
    }

    unsigned char *m_marks;
    int m_columns;
    unsigned *m_colours;
    std::vector<int> m_painted;  // pixels painted in each tile, for TileOneColour
    unsigned m_fill = 0;
    // The present row's: its y, its rows of marks and counts.
    int m_y = -1, m_tileRow = -1;
    unsigned char *m_markRow = nullptr;
    int *m_countRow = nullptr;
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
