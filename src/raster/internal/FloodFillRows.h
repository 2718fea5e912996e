#pragma once

#include "raster/HatchPattern.h"
#include "raster/internal/PixelRuns.h"

#include <QImage>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

// The rows a flood fill reads and paints, for FloodFill.cpp only: a solid fill
// and a hatch fill keep track of the pixels they took in different ways.

namespace garabel::floodFillRows {

inline std::uint32_t *rowOf(uchar *bits, qsizetype stride, int y)
{
    return reinterpret_cast<std::uint32_t *>(bits + y * stride);
}

// Paints [left, end) of a row in the colour where the pattern (a hatch row, 0xFF
// for solid) selects.
inline void paintRun(std::uint32_t *row, int left, int end, std::uint32_t colour, std::uint8_t pattern)
{
    if (pattern == 0xFF) {
        runs::paint(row, left, end, colour);
        return;
    }
    for (int x = left; x < end && pattern; ++x) {
        if (pattern >> (x & 7) & 1)
            row[x] = colour;
    }
}

// The rows of a solid fill: a painted pixel no longer has the area colour, so the
// image itself records what was taken, and runs are found and painted several
// pixels at a time.
class SolidRows
{
public:
    SolidRows(QImage &image, std::uint32_t area, std::uint32_t fill)
        : m_bits(image.bits()), m_stride(image.bytesPerLine()), m_width(image.width()), m_area(area), m_fill(fill) {}

    void setRow(int y) { m_row = rowOf(m_bits, m_stride, y); }
    bool takes(int x) const { return m_row[x] == m_area; }
    // The first pixel of the run that holds x, which is taken. Narrow runs are
    // common (hatched or combed areas): their ends are found by a look at the
    // pixel beside them.
    int runStart(int x) const { return x > 0 && takes(x - 1) ? runs::runStart(m_row, x - 1, m_area) : x; }
    // Paints the run that holds x (taken) from its first pixel `left` to its
    // end, and returns the end.
    int take(int left, int x)
    {
        runs::paint(m_row, left, x, m_fill);
        if (x + 1 < m_width && takes(x + 1))
            return runs::take(m_row, x, m_width, m_area, m_fill) - 1;
        m_row[x] = m_fill;
        return x;
    }
    // Takes [left, right] when it is a whole run of the row, and tells whether
    // it did; leaves the row alone otherwise.
    bool takeExactly(int left, int right)
    {
        if ((left > 0 && takes(left - 1)) || (right + 1 < m_width && takes(right + 1))
            || !runs::all(m_row, left, right + 1, m_area))
            return false;
        runs::paint(m_row, left, right + 1, m_fill);
        return true;
    }
    // The first pixel taken in [from, end), or end.
    int next(int from, int end) const
    {
        if (from >= end || takes(from))
            return std::min(from, end);
        return runs::find(m_row, from + 1, end, m_area);
    }

private:
    uchar *m_bits;
    qsizetype m_stride;
    int m_width;
    std::uint32_t m_area, m_fill;
    std::uint32_t *m_row = nullptr;
};

// The rows of a hatch fill: the pixels the pattern skips keep the area colour,
// so a mask remembers what was taken.
class HatchRows
{
public:
    HatchRows(QImage &image, std::uint32_t area, std::uint32_t fill, int style)
        : m_bits(image.bits()), m_stride(image.bytesPerLine()), m_width(image.width()),
          m_taken(std::size_t(image.width()) * std::size_t(image.height()), 0),
          m_area(area), m_fill(fill), m_style(style) {}

    void setRow(int y)
    {
        m_row = rowOf(m_bits, m_stride, y);
        m_takenRow = m_taken.data() + std::size_t(y) * std::size_t(m_width);
        m_pattern = hatchRow(m_style, y);
    }
    bool takes(int x) const { return m_row[x] == m_area && !m_takenRow[x]; }
    int runStart(int x) const
    {
        while (x > 0 && takes(x - 1))
            --x;
        return x;
    }
    int take(int left, int x)
    {
        while (x + 1 < m_width && takes(x + 1))
            ++x;
        std::memset(m_takenRow + left, 1, std::size_t(x - left + 1));
        paintRun(m_row, left, x + 1, m_fill, m_pattern);
        return x;
    }
    bool takeExactly(int left, int right)
    {
        if ((left > 0 && takes(left - 1)) || (right + 1 < m_width && takes(right + 1))
            || runEnd(left, right + 1) <= right)
            return false;
        take(left, right);
        return true;
    }
    int next(int from, int end) const
    {
        while (from < end && !takes(from))
            ++from;
        return std::min(from, end);
    }

private:
    // The first pixel in [from, end) not taken, or end.
    int runEnd(int from, int end) const
    {
        while (from < end && takes(from))
            ++from;
        return from;
    }

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

} // namespace garabel::floodFillRows
