#include "raster/internal/SurfacePainting.h"

#include "raster/internal/SurfaceRaster.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace garabel {

namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;

// Pixels of a wide pen are centred on pixel centres for odd widths.
double penOffset(int w)
{
    return w % 2 ? 0.5 : 0.0;
}

// The outline's quarter with dx, dy >= 0: sampled per column where the curve is
// flat and per row where it is steep, so it is 8-connected with no doubled steps.
std::vector<QPoint> quarterOutline(double rx, double ry)
{
    const int xs = int(std::lround(rx));
    const int ys = int(std::lround(ry));
    std::vector<QPoint> points;
    points.reserve(std::size_t(xs + ys + 2));
    for (int dx = 0; dx <= xs; ++dx) {
        const double t = rx > 0 ? dx / rx : 0.0;
        const double v = t >= 1 ? 0.0 : ry * std::sqrt(1 - t * t);
        points.emplace_back(dx, int(std::lround(v)));
    }
    for (int dy = 0; dy <= ys; ++dy) {
        const double t = ry > 0 ? dy / ry : 0.0;
        const double h = t >= 1 ? 0.0 : rx * std::sqrt(1 - t * t);
        points.emplace_back(int(std::lround(h)), dy);
    }
    std::sort(points.begin(), points.end(), [](QPoint a, QPoint b) {
        return a.y() != b.y() ? a.y() < b.y() : a.x() < b.x();
    });
    points.erase(std::unique(points.begin(), points.end()), points.end());
    return points;
}

bool onSweep(double angle, ArcSweep sweep)
{
    const double from = std::fmod(angle - sweep.start + 2 * kTwoPi, kTwoPi);
    return from <= sweep.span + kAngleSlack || from >= kTwoPi - kAngleSlack;
}

// onSweep(atan2(dy, dx), sweep) for many pixels, mostly without the arc tangent:
// the sweep's edges as half-planes, the angle itself only next to an edge, where
// rounding could tell the two apart.
class SweepTest
{
public:
    explicit SweepTest(ArcSweep sweep) : m_sweep(sweep)
    {
        const double from = sweep.start - kAngleSlack, length = sweep.span + 2 * kAngleSlack;
        m_whole = length >= kTwoPi;
        m_narrow = length <= std::numbers::pi;
        m_fromX = std::cos(from);
        m_fromY = std::sin(from);
        m_toX = std::cos(from + length);
        m_toY = std::sin(from + length);
    }

    bool operator()(int dx, int dy) const
    {
        if (m_whole)
            return true;
        // Positive where the pixel lies counter-clockwise of the edge.
        const double pastFrom = m_fromX * dy - m_fromY * dx, pastTo = m_toX * dy - m_toY * dx;
        const double nearEdge = kEdge * kEdge * (double(dx) * dx + double(dy) * dy);
        if (pastFrom * pastFrom <= nearEdge || pastTo * pastTo <= nearEdge)
            return onSweep(std::atan2(double(dy), double(dx)), m_sweep);
        return m_narrow ? pastFrom > 0 && pastTo < 0 : !(pastTo > 0 && pastFrom < 0);
    }

private:
    static constexpr double kEdge = 1e-9;
    ArcSweep m_sweep;
    bool m_whole, m_narrow;
    double m_fromX, m_fromY, m_toX, m_toY;
};

// The quarter (sorted by rows, then x) mirrored into the whole outline, given
// by rows from the top and each left to right, the order pointRuns() wants.
QPolygon mirrorQuarter(QPoint c, const std::vector<QPoint> &quarter)
{
    QPolygon outline;
    outline.reserve(qsizetype(quarter.size() * 4));
    // Where each row of the quarter starts, and its end.
    std::vector<std::size_t> rowStarts;
    for (std::size_t i = 0; i < quarter.size(); ++i) {
        if (i == 0 || quarter[i].y() != quarter[i - 1].y())
            rowStarts.push_back(i);
    }
    rowStarts.push_back(quarter.size());
    const auto addRow = [&](std::size_t row, int y) {
        const std::size_t from = rowStarts[row], to = rowStarts[row + 1];
        for (std::size_t i = to; i-- > from;) {
            if (quarter[i].x())
                outline << QPoint(c.x() - quarter[i].x(), y);
        }
        for (std::size_t i = from; i < to; ++i)
            outline << QPoint(c.x() + quarter[i].x(), y);
    };
    const std::size_t rows = rowStarts.size() - 1;
    for (std::size_t row = rows; row-- > 0;) {
        if (quarter[rowStarts[row]].y())
            addRow(row, c.y() - quarter[rowStarts[row]].y());
    }
    for (std::size_t row = 0; row < rows; ++row)
        addRow(row, c.y() + quarter[rowStarts[row]].y());
    return outline;
}

} // namespace

EllipseRaster rasterEllipse(QPoint centre, double rx, double ry)
{
    const std::vector<QPoint> quarter = quarterOutline(rx, ry);
    EllipseRaster raster;
    raster.outline = mirrorQuarter(centre, quarter);
    // Points are sorted by row, then x: the first of each row is its inner edge.
    for (std::size_t i = 0; i < quarter.size(); ++i) {
        if (i > 0 && quarter[i - 1].y() == quarter[i].y())
            continue;
        const int inner = quarter[i].x();
        if (inner < 1)
            continue;
        const int dy = quarter[i].y();
        raster.interior.emplace_back(centre.x() - inner + 1, centre.y() + dy, 2 * inner - 1, 1);
        if (dy)
            raster.interior.emplace_back(centre.x() - inner + 1, centre.y() - dy, 2 * inner - 1, 1);
    }
    return raster;
}

QPolygon arcPixels(QPoint centre, double radius, ArcSweep sweep)
{
    const QPolygon circle = mirrorQuarter(centre, quarterOutline(radius, radius));
    const SweepTest inSweep(sweep);
    QPolygon arc;
    for (const QPoint p : circle) {
        if (inSweep(p.x() - centre.x(), centre.y() - p.y()))
            arc << p;
    }
    return arc;
}

std::array<QRect, 4> boxOutline(const QRect &box, int w)
{
    const QRect outer = boxExtent(box, w);
    return {
        QRect(QPoint(outer.left(), penLow(box.top(), w)), QPoint(outer.right(), penHigh(box.top(), w))),
        QRect(QPoint(outer.left(), penLow(box.bottom(), w)), QPoint(outer.right(), penHigh(box.bottom(), w))),
        QRect(QPoint(penLow(box.left(), w), outer.top()), QPoint(penHigh(box.left(), w), outer.bottom())),
        QRect(QPoint(penLow(box.right(), w), outer.top()), QPoint(penHigh(box.right(), w), outer.bottom())),
    };
}

QRect boxExtent(const QRect &box, int w)
{
    return QRect(QPoint(penLow(box.left(), w), penLow(box.top(), w)),
                 QPoint(penHigh(box.right(), w), penHigh(box.bottom(), w)));
}

QRegion lineRegion(QPoint a, QPoint b, int w)
{
    const int margin = w / 2 + 1;
    const int length = std::max(std::abs(b.x() - a.x()), std::abs(b.y() - a.y()));
    const int pieces = std::clamp(length / 64, 1, 32);
    QRegion region;
    for (int i = 0; i < pieces; ++i) {
        const QPoint p = a + (b - a) * i / pieces;
        const QPoint q = a + (b - a) * (i + 1) / pieces;
        region += QRect(QPoint(std::min(p.x(), q.x()), std::min(p.y(), q.y())),
                        QPoint(std::max(p.x(), q.x()), std::max(p.y(), q.y())))
                      .adjusted(-margin, -margin, margin, margin);
    }
    return region;
}

QPointF penCentre(QPoint c, int w)
{
    return QPointF(c.x() + penOffset(w), c.y() + penOffset(w));
}

namespace {

// Pixels whose centres lie inside the ellipse (ox, oy) around `c` and not
// strictly inside (ix, iy) when that one has room, one or two runs a row.
std::vector<QRect> ringRuns(QPointF c, double ox, double oy, double ix, double iy, const QRect &window)
{
    std::vector<QRect> runs;
    const int top = std::max(int(std::ceil(c.y() - oy - 0.5)), window.top());
    const int bottom = std::min(int(std::floor(c.y() + oy - 0.5)), window.bottom());
    auto add = [&](int y, double from, double to) {
        const int left = std::max(int(std::ceil(from - 0.5)), window.left());
        const int right = std::min(int(std::floor(to - 0.5)), window.right());
        if (left <= right)
            runs.emplace_back(QPoint(left, y), QPoint(right, y));
    };
    for (int y = top; y <= bottom; ++y) {
        const double dy = y + 0.5 - c.y();
        const double outer = ox * std::sqrt(std::max(0.0, 1 - dy * dy / (oy * oy)));
        if (ix <= 0 || iy <= 0 || std::fabs(dy) >= iy) {
            add(y, c.x() - outer, c.x() + outer);
            continue;
        }
        const double inner = ix * std::sqrt(1 - dy * dy / (iy * iy));
        add(y, c.x() - outer, c.x() - inner);
        add(y, c.x() + inner, c.x() + outer);
    }
    return runs;
}

} // namespace

std::vector<QRect> wideEllipseRuns(QPoint centre, double rx, double ry, int w, const QRect &window)
{
    const double h = w / 2.0;
    return ringRuns(penCentre(centre, w), rx + h, ry + h, rx - h, ry - h, window);
}

std::vector<QRect> wideArcRuns(QPoint centre, double r, ArcSweep sweep, int w, const QRect &window)
{
    const double h = w / 2.0;
    const QPointF c = penCentre(centre, w);
    std::vector<QRect> runs;
    for (const QRect &row : ringRuns(c, r + h, r + h, r - h, r - h, window)) {
        const double dy = c.y() - (row.y() + 0.5);
        int from = row.left();
        for (int x = row.left(); x <= row.right() + 1; ++x) {
            if (x <= row.right() && onSweep(std::atan2(dy, x + 0.5 - c.x()), sweep))
                continue;
            if (from < x)
                runs.emplace_back(QPoint(from, row.y()), QPoint(x - 1, row.y()));
            from = x + 1;
        }
    }
    // Round caps, as the stroker ends an open path.
    for (const double angle : {sweep.start, sweep.start + sweep.span}) {
        const QPointF end(c.x() + r * std::cos(angle), c.y() - r * std::sin(angle));
        const std::vector<QRect> cap = discRuns(end, w, window);
        runs.insert(runs.end(), cap.begin(), cap.end());
    }
    return runs;
}

} // namespace garabel
