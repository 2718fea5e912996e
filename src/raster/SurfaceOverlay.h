#pragma once

#include <QRect>
#include <QRegion>
#include <QRgb>

#include <functional>
#include <memory>
#include <vector>

class QPainter;

namespace garabel {

struct Raster;

// Pixels painted in one opaque colour.
struct SolidPixels {
    QRgb colour;
    QRegion pixels;
};

// One figure: the pixels it may touch and how to paint it. The same op paints
// the stored image or, replayed, the overlay, so both look the same. The clip
// (null: none) lets a replay skip what falls outside the repainted rectangle.
// `solid` may name, in painting order, pixels that the op paints in one opaque
// colour whatever lies under them (a filled figure); what else of its bounds it
// touches is not known.
struct SurfaceOp {
    QRegion bounds;
    std::function<void(QPainter &, const QRect &clip)> paint;
    std::vector<SolidPixels> solid;
    // The figure's pixels, when it is made of rectangles: a replay into an image
    // may then write them itself rather than through `paint`.
    std::shared_ptr<const Raster> raster;
};

// Readies a painter for ops: no antialiasing, so that colours stay exact.
void prepareForOps(QPainter &painter);

// The transient drawing of a shown surface: the figures drawn on it since the
// last refresh, replayed over the stored image whenever the view paints.
class SurfaceOverlay
{
public:
    void add(SurfaceOp op);
    bool isEmpty() const { return m_ops.empty(); }
    // Drops every figure; returns the pixels they covered, to be repainted.
    QRegion clear();
    // Replays the figures with a painter whose origin is the inner area, only
    // those that meet its clip. Into an image reached by a whole-pixel shift, a
    // figure of opaque rectangles is written pixel by pixel, the same pixels the
    // painter would fill: thousands of small runs cost a painter far more.
    void paint(QPainter &painter) const;
    // Where the overlay alone decides what shows: the pixels whose last figure
    // painted them solid, by colour. Empty when no figure says it paints solid.
    std::vector<SolidPixels> solidPixels() const;
    // Counts every change of the figures.
    unsigned generation() const { return m_generation; }

private:
    std::vector<SurfaceOp> m_ops;
    QRegion m_bounds;
    unsigned m_generation = 0;
};

// The pixels that show the same colour under both overlays, whatever lies below.
QRegion sameSolidPixels(const std::vector<SolidPixels> &a, const std::vector<SolidPixels> &b);

} // namespace garabel
