#include "raster/internal/SurfaceRaster.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace garabel {

namespace {

int mirrored(const std::optional<int> &twice, int v)
{
    return twice ? *twice - v : v;
}

std::vector<QRect> mirroredRects(const std::vector<QRect> &rects, PixelAxes axes)
{
    std::vector<QRect> out;
    out.reserve(rects.size());
    for (const QRect &r : rects)
        out.push_back(reflected(r, axes));
    return out;
}

} // namespace

QRect reflected(const QRect &r, PixelAxes axes)
{
    const QPoint a(mirrored(axes.twiceX, r.left()), mirrored(axes.twiceY, r.top()));
    const QPoint b(mirrored(axes.twiceX, r.right()), mirrored(axes.twiceY, r.bottom()));
    return QRect(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
                 QPoint(std::max(a.x(), b.x()), std::max(a.y(), b.y())));
}

Raster reflected(const Raster &raster, PixelAxes axes)
{
    Raster copy;
    // A region's rectangles mirrored are still disjoint bands of equal height;
    // sorted back into rows and columns they make the mirrored region at once.
    std::vector<QRect> bounds(raster.bounds.begin(), raster.bounds.end());
    bounds = mirroredRects(bounds, axes);
    std::sort(bounds.begin(), bounds.end(), [](const QRect &a, const QRect &b) {
        return a.top() != b.top() ? a.top() < b.top() : a.left() < b.left();
    });
    copy.bounds.setRects(bounds.data(), int(bounds.size()));
    copy.fill = mirroredRects(raster.fill, axes);
    copy.brush = raster.brush;
    copy.runs = mirroredRects(raster.runs, axes);
    copy.colour = raster.colour;
    return copy;
}

void arrangeByRows(Raster &raster)
{
    const auto byTop = [](const QRect &a, const QRect &b) { return a.top() < b.top(); };
    for (std::vector<QRect> *rects : {&raster.fill, &raster.runs}) {
        // Most figures come in row order already, or reversed by a reflection.
        if (!std::is_sorted(rects->begin(), rects->end(), byTop)) {
            std::reverse(rects->begin(), rects->end());
            if (!std::is_sorted(rects->begin(), rects->end(), byTop))
                std::stable_sort(rects->begin(), rects->end(), byTop);
        }
        for (const QRect &r : *rects)
            raster.tallest = std::max(raster.tallest, r.height());
    }
}

std::pair<const QRect *, const QRect *> rowsMeeting(const std::vector<QRect> &rects, int tallest, const QRect &clip)
{
    const auto first = std::partition_point(rects.begin(), rects.end(),
                                            [&](const QRect &r) { return r.top() < clip.top() - tallest + 1; });
    const auto last = std::partition_point(first, rects.end(),
                                           [&](const QRect &r) { return r.top() <= clip.bottom(); });
    return {rects.data() + (first - rects.begin()), rects.data() + (last - rects.begin())};
}

namespace {

void paintRects(QPainter &painter, const std::vector<QRect> &rects, int tallest, const QRect &clip)
{
    if (clip.isNull()) {
        painter.drawRects(rects.data(), int(rects.size()));
        return;
    }
    const auto [first, last] = rowsMeeting(rects, tallest, clip);
    // Those beside the clip are cheaper to let the painter clip than to sort out.
    if (first != last)
        painter.drawRects(first, int(last - first));
}

} // namespace

void paintRaster(QPainter &painter, const Raster &raster, const QRect &clip)
{
    painter.setPen(Qt::NoPen);
    if (!raster.fill.empty() && raster.brush.style() != Qt::NoBrush) {
        painter.setBrush(raster.brush);
        paintRects(painter, raster.fill, raster.tallest, clip);
    }
    if (!raster.runs.empty()) {
        painter.setBrush(raster.colour);
        paintRects(painter, raster.runs, raster.tallest, clip);
    }
}

std::vector<QRect> pointRuns(QPolygon points)
{
    const auto byRows = [](QPoint p, QPoint q) { return p.y() != q.y() ? p.y() < q.y() : p.x() < q.x(); };
    if (!std::is_sorted(points.begin(), points.end(), byRows))
        std::sort(points.begin(), points.end(), byRows);
    std::vector<QRect> runs;
    for (const QPoint p : points) {
        if (!runs.empty() && runs.back().y() == p.y() && runs.back().right() + 1 >= p.x())
            runs.back().setRight(std::max(runs.back().right(), p.x()));
        else
            runs.emplace_back(p, p);
    }
    return runs;
}

namespace {

// The range of x where a X + b lies within [low, high], intersected with [from, to].
void narrow(double a, double b, double low, double high, double &from, double &to)
{
    if (a == 0) {
        if (b < low || b > high)
            to = from - 1;
        return;
    }
    double x1 = (low - b) / a, x2 = (high - b) / a;
    if (x1 > x2)
        std::swap(x1, x2);
    from = std::max(from, x1);
    to = std::min(to, x2);
}

// Widens [low, high] by the x of row `y` (a pixel-centre height) whose distance
// to `centre` is at most `radius`. The slack keeps a centre exactly on the rim
// inside whatever the square root rounds to.
void spanDiscRow(QPointF centre, double radius, double y, double &low, double &high)
{
    const double dy = y - centre.y();
    const double room = radius * radius + 1e-9 - dy * dy;
    if (room < 0)
        return;
    const double reach = std::sqrt(room);
    low = std::min(low, centre.x() - reach);
    high = std::max(high, centre.x() + reach);
}

// The pixels of `row` whose centres lie within [low, high], inside the window.
void addRun(std::vector<QRect> &runs, int row, double low, double high, const QRect &window)
{
    if (low > high)
        return;
    const int left = int(std::ceil(std::max(low - 0.5, double(window.left()))));
    const int right = int(std::floor(std::min(high - 0.5, double(window.right()))));
    if (left <= right)
        runs.emplace_back(QPoint(left, row), QPoint(right, row));
}

} // namespace

std::vector<QRect> discRuns(QPointF centre, double diameter, const QRect &window)
{
    std::vector<QRect> runs;
    const double h = diameter / 2;
    const int top = std::max(int(std::floor(centre.y() - h - 0.5)), window.top());
    const int bottom = std::min(int(std::ceil(centre.y() + h - 0.5)), window.bottom());
    for (int row = top; row <= bottom; ++row) {
        double low = std::numeric_limits<double>::infinity(), high = -low;
        spanDiscRow(centre, h, row + 0.5, low, high);
        addRun(runs, row, low, high, window);
    }
    return runs;
}

std::vector<QRect> wideLineRuns(QPointF a, QPointF b, double halfWidth, const QRect &window)
{
    std::vector<QRect> runs;
    const double h = halfWidth;
    const QPointF d = b - a;
    const double length = std::hypot(d.x(), d.y());
    const int top = std::max(int(std::floor(std::min(a.y(), b.y()) - h)), window.top());
    const int bottom = std::min(int(std::ceil(std::max(a.y(), b.y()) + h)), window.bottom());
    for (int row = top; row <= bottom; ++row) {
        const double y = row + 0.5;
        double low = std::numeric_limits<double>::infinity(), high = -low;
        // The round caps.
        for (const QPointF end : {a, b})
            spanDiscRow(end, h, y, low, high);
        // The band along the segment: within h of its line, between its ends.
        double from = low, to = high;
        if (length > 0) {
            from = -std::numeric_limits<double>::infinity();
            to = -from;
            narrow(d.y(), -(y - a.y()) * d.x() - a.x() * d.y(), -h * length, h * length, from, to);
            narrow(d.x(), (y - a.y()) * d.y() - a.x() * d.x(), 0, length * length, from, to);
        }
        if (from <= to) {
            low = std::min(low, from);
            high = std::max(high, to);
        }
        addRun(runs, row, low, high, window);
    }
    return runs;
}

} // namespace garabel
