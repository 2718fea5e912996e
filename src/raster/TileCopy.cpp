#include "raster/TileCopy.h"

#include <algorithm>
#include <cstring>

namespace garabel {

void pasteTile(QImage &image, int column, int row, int side, const QImage &tile, QRgb background)
{
    const QRect area = QRect(column * side, row * side, side, side) & image.rect();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y)) + area.left();
        if (tile.isNull())
            std::fill(line, line + area.width(), background);
        else
            std::memcpy(line, tile.constScanLine(y - area.top()), std::size_t(area.width()) * sizeof(QRgb));
    }
}

} // namespace garabel
