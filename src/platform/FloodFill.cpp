#include "platform/FloodFill.h"

#include "platform/HatchPattern.h"
#include "platform/Surface.h"

#include <QImage>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

namespace garabel {

namespace {

// Solid fill: a painted pixel no longer has the area colour, so the image itself
// records what was taken.
class SolidPainter
{
public:
    SolidPainter(QImage &image, std::uint32_t area, std::uint32_t fill)
        : m_bits(image.bits()), m_stride(image.bytesPerLine()), m_area(area), m_fill(fill) {}

    void setRow(int y) { m_row = reinterpret_cast<std::uint32_t *>(m_bits + y * m_stride); }
    bool takes(int x) const { return m_row[x] == m_area; }
    void paint(int left, int right) { std::fill(m_row + left, m_row + right + 1, m_fill); }

private:
    uchar *m_bits;
    qsizetype m_stride;
    std::uint32_t m_area, m_fill;
    std::uint32_t *m_row = nullptr;
};

// Hatch fill: the pixels the pattern skips keep the area colour, so a mask
// remembers what was taken.
class HatchPainter
{
public:
    HatchPainter(QImage &image, std::uint32_t area, std::uint32_t fill, int style)
        : m_bits(image.bits()), m_stride(image.bytesPerLine()), m_width(image.width()),
          m_taken(std::size_t(image.width()) * std::size_t(image.height()), 0),
          m_area(area), m_fill(fill), m_style(style) {}

    void setRow(int y)
    {
        m_row = reinterpret_cast<std::uint32_t *>(m_bits + y * m_stride);
        m_takenRow = m_taken.data() + std::size_t(y) * std::size_t(m_width);
        m_pattern = hatchRow(m_style, y);
    }
    bool takes(int x) const { return m_row[x] == m_area && !m_takenRow[x]; }
    void paint(int left, int right)
    {
        std::memset(m_takenRow + left, 1, std::size_t(right - left + 1));
        if (!m_pattern)
            return;
        for (int x = left; x <= right; ++x) {
            if (m_pattern >> (x & 7) & 1)
                m_row[x] = m_fill;
        }
    }

private:
    uchar *m_bits;
    qsizetype m_stride;
    int m_width;
    std::vector<unsigned char> m_taken;
    std::uint32_t m_area, m_fill;
    int m_style;
    std::uint32_t *m_row = nullptr;
    unsigned char *m_takenRow = nullptr;
    std::uint8_t m_pattern = 0;
};

// A run [left, right] already taken on row y; row y + dy is still to be scanned
// under it.
struct Segment {
    int y, left, right, dy;
};

// Seed fill by segments: each popped segment scans the neighbouring row only
// under its parent run, and pushes back the parts of a new run that stick out
// beyond the parent, so each pixel is read about once.
template<class Painter>
QRect fillSegments(Painter &painter, int width, int height, QPoint start, const FloodFillSpan &onSpan)
{
    painter.setRow(start.y());
    if (!painter.takes(start.x()))
        return {};

    std::vector<Segment> stack;
    stack.reserve(256);
    auto push = [&](int y, int left, int right, int dy) {
        if (y + dy >= 0 && y + dy < height)
            stack.push_back({y, left, right, dy});
    };
    push(start.y(), start.x(), start.x(), 1);
    push(start.y() + 1, start.x(), start.x(), -1);

    int minX = width, maxX = -1, minY = height, maxY = -1;
    while (!stack.empty()) {
        const Segment s = stack.back();
        stack.pop_back();
        const int y = s.y + s.dy;
        painter.setRow(y);
        for (int x = s.left; x <= s.right;) {
            if (!painter.takes(x)) {
                ++x;
                continue;
            }
            int left = x;
            if (x == s.left) {
                while (left > 0 && painter.takes(left - 1))
                    --left;
            }
            int right = x;
            while (right + 1 < width && painter.takes(right + 1))
                ++right;
            painter.paint(left, right);
            if (onSpan)
                onSpan(y, left, right);
            minX = std::min(minX, left);
            maxX = std::max(maxX, right);
            minY = std::min(minY, y);
            maxY = std::max(maxY, y);
            push(y, left, right, s.dy);
            if (left < s.left)
                push(y, left, s.left - 1, -s.dy);
            if (right > s.right)
                push(y, s.right + 1, right, -s.dy);
            x = right + 2;
        }
    }
    if (maxX < 0)
        return {};
    return QRect(QPoint(minX, minY), QPoint(maxX, maxY));
}

} // namespace

QRect floodFillImage(QImage &image, QPoint start, Rgb area, Rgb fill, int fillStyle,
                     const FloodFillSpan &onSpan)
{
    Q_ASSERT(image.isNull() || image.format() == QImage::Format_RGB32);
    if (!image.rect().contains(start) || fill == area)
        return {};
    const std::uint32_t areaPixel = toQRgb(area);
    const std::uint32_t fillPixel = toQRgb(fill);
    // Checked before the painters touch bits(), which would detach a shared image.
    if (image.pixel(start) != areaPixel)
        return {};
    if (fillStyle == FillSolid) {
        SolidPainter painter(image, areaPixel, fillPixel);
        return fillSegments(painter, image.width(), image.height(), start, onSpan);
    }
    if (isHatchStyle(fillStyle)) {
        HatchPainter painter(image, areaPixel, fillPixel, fillStyle);
        return fillSegments(painter, image.width(), image.height(), start, onSpan);
    }
    return {};
}

} // namespace garabel
