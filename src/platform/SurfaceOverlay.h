#pragma once

#include <QRect>
#include <QRegion>

#include <functional>
#include <vector>

class QPainter;

namespace garabel {

// One figure: the pixels it may touch and how to paint it. The same op paints
// the stored image or, replayed, the overlay, so both look the same. The clip
// (null: none) lets a replay skip what falls outside the repainted rectangle.
struct SurfaceOp {
    QRegion bounds;
    std::function<void(QPainter &, const QRect &clip)> paint;
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
    // those that meet its clip.
    void paint(QPainter &painter) const;

private:
    std::vector<SurfaceOp> m_ops;
    QRegion m_bounds;
};

} // namespace garabel
