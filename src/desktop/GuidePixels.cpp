#include "desktop/GuidePixels.h"

#include "desktop/SurfaceView.h"

#include <algorithm>
#include <utility>

namespace garabel {

namespace {

// A guide line is dashes of kDash pixels kGap apart; the cross reaches kCrossArm
// pixels from its centre.
constexpr int kDash = 6, kGap = 4, kCrossArm = 8;

// The dashes of a line from 0 to `length` that fall within [from, to], as
// (start, end) pairs; dashes start every kDash + kGap pixels from 0.
std::vector<std::pair<int, int>> dashesWithin(int from, int to, int length)
{
    std::vector<std::pair<int, int>> dashes;
    to = std::min(to, length - 1);
    for (int start = std::max(from, 0) / (kDash + kGap) * (kDash + kGap); start <= to; start += kDash + kGap) {
        const int first = std::max(start, from), last = std::min(start + kDash - 1, to);
        if (first <= last)
            dashes.emplace_back(first, last);
    }
    return dashes;
}

} // namespace

std::vector<QRect> guideExtent(const ViewGuides &guides, QSize size)
{
    std::vector<QRect> extent;
    if (guides.verticalX)
        extent.emplace_back(*guides.verticalX, 0, 1, size.height());
    if (guides.horizontalY)
        extent.emplace_back(0, *guides.horizontalY, size.width(), 1);
    if (guides.cross) {
        extent.emplace_back(guides.cross->x() - kCrossArm, guides.cross->y(), 2 * kCrossArm + 1, 1);
        extent.emplace_back(guides.cross->x(), guides.cross->y() - kCrossArm, 1, 2 * kCrossArm + 1);
    }
    return extent;
}

std::vector<QRect> guidePixels(const ViewGuides &guides, QSize size, const QRegion &region)
{
    std::vector<QRect> pixels;
    for (const QRect &r : region) {
        if (guides.verticalX && *guides.verticalX >= r.left() && *guides.verticalX <= r.right()) {
            for (const auto &[first, last] : dashesWithin(r.top(), r.bottom(), size.height()))
                pixels.emplace_back(QPoint(*guides.verticalX, first), QPoint(*guides.verticalX, last));
        }
        if (guides.horizontalY && *guides.horizontalY >= r.top() && *guides.horizontalY <= r.bottom()) {
            for (const auto &[first, last] : dashesWithin(r.left(), r.right(), size.width()))
                pixels.emplace_back(QPoint(first, *guides.horizontalY), QPoint(last, *guides.horizontalY));
        }
    }
    if (guides.cross) {
        const std::vector<QRect> whole = guideExtent(ViewGuides{{}, {}, guides.cross}, size);
        if (region.intersects(whole[0]) || region.intersects(whole[1]))
            pixels.insert(pixels.end(), whole.begin(), whole.end());
    }
    return pixels;
}

} // namespace garabel
