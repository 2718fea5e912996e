#pragma once

#include <QRect>
#include <QRegion>
#include <QSize>

#include <vector>

namespace garabel {

struct ViewGuides;

// The mirror axes as the canvas view draws them: dashed lines across the
// view and a small cross at the centre, in the view's inner pixels.

// The lines and the cross of the guides, whole.
std::vector<QRect> guideExtent(const ViewGuides &guides, QSize size);
// The pixels of the guides inside the region: the lines cut into dashes, the
// cross whole, as it is small. Only what the region holds is looked at, so a
// small repaint pays little for lines across the whole surface.
std::vector<QRect> guidePixels(const ViewGuides &guides, QSize size, const QRegion &region);

} // namespace garabel
