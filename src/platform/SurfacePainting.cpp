#include "platform/SurfacePainting.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace garabel {

namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;
// Single-precision angles are off by up to ~2e-7 rad; this is far below a pixel
// even on the largest circles a canvas holds.
constexpr double kAngleSlack = 1e-6;

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

QPolygon mirrorQuarter(QPoint c, const std::vector<QPoint> &quarter)
{
    QPolygon outline;
    outline.reserve(qsizetype(quarter.size() * 4));
    for (const QPoint q : quarter) {
        outline << QPoint(c.x() + q.x(), c.y() + q.y());
        if (q.x())
            outline << QPoint(c.x() - q.x(), c.y() + q.y());
        if (q.y())
            outline << QPoint(c.x() + q.x(), c.y() - q.y());
        if (q.x() && q.y())
            outline << QPoint(c.x() - q.x(), c.y() - q.y());
    }
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

ArcSweep arcSweep(double start, double end)
{
    auto normalise = [](double a) {
        a = std::fabs(a);
        if (a > kTwoPi + kAngleSlack)
            a = std::fmod(a, kTwoPi);
        return std::min(a, kTwoPi);
    };
    const double s = normalise(start);
    double span = normalise(end) - s;
    if (span < -kAngleSlack)
        span += kTwoPi;
    if (std::fabs(span) <= kAngleSlack)
        span = kTwoPi;
    return {s, span};
}

QPolygon arcPixels(QPoint centre, double radius, ArcSweep sweep)
{
    const QPolygon circle = mirrorQuarter(centre, quarterOutline(radius, radius));
    QPolygon arc;
    for (const QPoint p : circle) {
        double angle = std::atan2(double(centre.y() - p.y()), double(p.x() - centre.x()));
        double from = angle - sweep.start;
        from = std::fmod(from + 2 * kTwoPi, kTwoPi);
        if (from <= sweep.span + kAngleSlack || from >= kTwoPi - kAngleSlack)
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

void paintDot(QPainter &painter, QPoint at, int w, const QColor &colour)
{
    // Row by row rather than QPainter's ellipse fill, which drops a row of a
    // small disc and would make dots lopsided.
    const double centreX = penLow(at.x(), w) + w / 2.0;
    const double centreY = penLow(at.y(), w) + w / 2.0;
    const double radius2 = w * w / 4.0 + 1e-9;
    for (int y = penLow(at.y(), w); y <= penHigh(at.y(), w); ++y) {
        const double dy = y + 0.5 - centreY;
        int left = penLow(at.x(), w);
        while (left <= at.x() && (left + 0.5 - centreX) * (left + 0.5 - centreX) + dy * dy > radius2)
            ++left;
        const int right = penLow(at.x(), w) + penHigh(at.x(), w) - left;
        if (left <= right)
            painter.fillRect(QRect(QPoint(left, y), QPoint(right, y)), colour);
    }
}

void paintLine(QPainter &painter, QPoint a, QPoint b, int w, const QColor &colour)
{
    if (a == b) {
        paintDot(painter, a, w, colour);
        return;
    }
    if (w <= 1) {
        // Square caps make the cosmetic stroker take the last pixel too.
        painter.setPen(QPen(colour, 1, Qt::SolidLine, Qt::SquareCap));
        painter.drawLine(a, b);
        return;
    }
    painter.setPen(QPen(colour, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const QPointF off(penOffset(w), penOffset(w));
    painter.drawLine(QPointF(a) + off, QPointF(b) + off);
}

void paintWideEllipse(QPainter &painter, QPoint c, double rx, double ry, int w, const QColor &colour)
{
    if (rx < 0.5 || ry < 0.5) {
        // Flat: the stroker would draw nothing for a zero-height path.
        const int hx = int(std::lround(rx)), hy = int(std::lround(ry));
        paintLine(painter, QPoint(c.x() - hx, c.y() - hy), QPoint(c.x() + hx, c.y() + hy), w, colour);
        return;
    }
    painter.setPen(QPen(colour, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    const double off = penOffset(w);
    painter.drawEllipse(QPointF(c.x() + off, c.y() + off), rx, ry);
}

void paintWideArc(QPainter &painter, QPoint c, double r, ArcSweep sweep, int w, const QColor &colour)
{
    painter.setPen(QPen(colour, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    const double off = penOffset(w);
    const QRectF square(c.x() + off - r, c.y() + off - r, 2 * r, 2 * r);
    // QPainter counts arcs in sixteenths of a degree, counter-clockwise on screen.
    auto sixteenths = [](double radians) { return int(std::lround(radians * 180 / std::numbers::pi * 16)); };
    painter.drawArc(square, sixteenths(sweep.start), sixteenths(sweep.span));
}

} // namespace garabel
