#pragma once

#include "raster/ViewTransform.h"

#include <functional>

class QPainter;
class QRegion;

namespace garabel {

class ShownSurface;

enum class ViewLayers { WithOverlay, UnderOverlay };

// Paints what a shown surface shows within `region` (its inner pixels),
// through `transform`, in this order: the sheet it shows (or its own stored
// image or picture, the background beyond them), the dots over the sheet,
// `beneathOverlay` (given the painter in inner pixels, clipped to the region)
// and the overlay. The view paints with it and whatever reads what the view
// shows composes with it, so both agree to the pixel.
// Where it gives the same, pixels are written straight into the painter's image.
void composeView(QPainter &painter, const ShownSurface &shown, const QRegion &region, const ViewTransform &transform,
                 ViewLayers layers, const std::function<void(QPainter &)> &beneathOverlay = {});

} // namespace garabel
