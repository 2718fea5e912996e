#include "raster/HatchPattern.h"

#include "raster/Surface.h"

#include <QImage>

namespace garabel {

bool isHatchStyle(int fillStyle)
{
    return fillStyle >= FillHorizontal && fillStyle <= FillDiagonalCross;
}

std::uint8_t hatchRow(int fillStyle, int y)
{
    const int row = y & 7;
    const auto upward = std::uint8_t(1u << (7 - row));  // x + y == 7: "/"
    const auto downward = std::uint8_t(1u << row);      // x == y: "\"
    switch (fillStyle) {
    case FillHorizontal: return row == 0 ? 0xFF : 0x00;
    case FillVertical: return 0x01;
    case FillUpwardDiagonal: return upward;
    case FillDownwardDiagonal: return downward;
    case FillCross: return row == 0 ? 0xFF : 0x01;
    case FillDiagonalCross: return upward | downward;
    default: return 0x00;
    }
}

QBrush hatchBrush(int fillStyle, Rgb colour)
{
    // Fully transparent where the cell is clear: source-over then leaves the
    // destination pixel exactly as it was.
    QImage cell(8, 8, QImage::Format_ARGB32_Premultiplied);
    cell.fill(0);
    for (int y = 0; y < 8; ++y) {
        const std::uint8_t bits = hatchRow(fillStyle, y);
        for (int x = 0; x < 8; ++x) {
            if (bits >> x & 1)
                cell.setPixel(x, y, toQRgb(colour));
        }
    }
    return QBrush(cell);
}

} // namespace garabel
