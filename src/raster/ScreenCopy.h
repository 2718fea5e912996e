#pragma once

#include <QPoint>
#include <QRect>

class QImage;
class QPainter;

namespace garabel {

class Surface;

// Copies `source` of an opaque RGB32 image to `at` (logical coordinates) through
// the painter, as drawImage() would, but straight into the painter's image when
// that gives the same pixels: an RGB32 device without scaling, the whole target
// inside the painter's clip and the device's system clip. A large area
// then goes to memory without passing through the cache, as nothing reads it
// again soon. Returns false, copying nothing, where drawImage() is needed.
bool copyToScreen(QPainter &painter, QPoint at, const QImage &image, const QRect &source);

// Paints `source` of the surface's stored `image` (inner pixels) at `at`, as
// drawImage() would. Where the surface knows a tile to be all one colour and
// the pixels can be written straight into the painter's image, the tile is
// painted in that colour without being read.
void paintStored(QPainter &painter, QPoint at, const Surface &surface, const QImage &image, const QRect &source);

} // namespace garabel
