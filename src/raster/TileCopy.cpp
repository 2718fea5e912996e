#include "raster/TileCopy.h"

#include <algorithm>
#include <cstring>

namespace garabel {

void pasteTile(QImage &image, int column, int row, int side, const QImage &tile, QRgb background)
{
    const QRect area = QRect(column * side, row * side, side, side) & image.rect();
    if (area.isEmpty())
        return;
    uchar *const bits = image.bits();  // detached once, not row by row
    const qsizetype stride = image.bytesPerLine();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(bits + y * stride) + area.left();
        if (tile.isNull())
            std::fill(line, line + area.width(), background);
        else
            std::memcpy(line, tile.constScanLine(y - area.top()), std::size_t(area.width()) * sizeof(QRgb));
    }
}

} // namespace garabel
