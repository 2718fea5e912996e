#pragma once

#include <QPoint>
#include <QRect>

#include <vector>

namespace garabel {

// The pixels a one-pixel line covers, both ends included, within `window`, as
// runs along its longer direction. Each step along the line takes the nearest
// pixel across it, a tie going towards `a`, so that a line drawn between
// mirrored endpoints covers the mirrored pixels.
std::vector<QRect> lineRuns(QPoint a, QPoint b, const QRect &window);

} // namespace garabel
