#pragma once

#include "raster/FloodFill.h"
#include "raster/internal/FloodFillRows.h"
#include "raster/Surface.h"

#include <algorithm>
#include <cstdint>
#include <vector>

// What a flood fill does besides painting the image it reads, for FloodFill.cpp
// only.

namespace garabel::floodFillRows {

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
                count(left, right, 1);
        }
    }

    // The run [left, right] on every row from top to bottom: a narrow lane,
    // marked and counted once for each row of tiles it crosses.
    void lane(int left, int right, int top, int bottom)
    {
        for (int y = top; y <= bottom;) {
            const int last = std::min(bottom, y / kTile * kTile + kTile - 1);
            setRow(y);
            mark(m_markRow, left / kTile, right / kTile);
            if (m_countRow)
                count(left, right, last - y + 1);
            y = last + 1;
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
    // Counts the pixels of the run [left, right] on `rows` rows of the present row of tiles.
    void count(int left, int right, int rows)
    {
        for (int column = left / kTile; column <= right / kTile; ++column)
            m_countRow[column] += (std::min(right, column * kTile + kTile - 1) - std::max(left, column * kTile) + 1) * rows;
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

} // namespace garabel::floodFillRows
