#pragma once

#include <QImage>

namespace garabel {

// Copies a tile of side `side` into the RGB32 `image` at tile (column, row),
// clipped to the image; a null tile paints the area in `background`.
void pasteTile(QImage &image, int column, int row, int side, const QImage &tile, QRgb background);

} // namespace garabel
