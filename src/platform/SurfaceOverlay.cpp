#include "platform/SurfaceOverlay.h"

#include <QPainter>

#include <algorithm>
#include <utility>

namespace garabel {

void prepareForOps(QPainter &painter)
{
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
}

void SurfaceOverlay::add(SurfaceOp op)
{
    m_bounds += op.bounds;
    m_ops.push_back(std::move(op));
    ++m_generation;
}

QRegion SurfaceOverlay::clear()
{
    m_ops.clear();
    ++m_generation;
    return std::exchange(m_bounds, QRegion());
}

void SurfaceOverlay::paint(QPainter &painter) const
{
    if (m_ops.empty())
        return;
    painter.save();
    prepareForOps(painter);
    const QRect clip = painter.hasClipping() ? painter.clipBoundingRect().toAlignedRect() : QRect();
    for (const SurfaceOp &op : m_ops) {
        if (clip.isNull() || op.bounds.intersects(clip))
            op.paint(painter, clip);
    }
    painter.restore();
}

std::vector<SolidPixels> SurfaceOverlay::solidPixels() const
{
    std::vector<SolidPixels> known;
    // Nothing before the first solid figure can stay known.
    const auto first = std::find_if(m_ops.begin(), m_ops.end(), [](const SurfaceOp &op) { return !op.solid.empty(); });
    for (auto op = first; op != m_ops.end(); ++op) {
        for (SolidPixels &k : known)
            k.pixels -= op->bounds;
        for (const SolidPixels &s : op->solid) {
            bool added = false;
            for (SolidPixels &k : known) {
                if (k.colour == s.colour) {
                    k.pixels += s.pixels;
                    added = true;
                } else {
                    k.pixels -= s.pixels;
                }
            }
            if (!added)
                known.push_back(s);
        }
    }
    return known;
}

QRegion sameSolidPixels(const std::vector<SolidPixels> &a, const std::vector<SolidPixels> &b)
{
    QRegion same;
    for (const SolidPixels &x : a) {
        for (const SolidPixels &y : b) {
            if (x.colour == y.colour)
                same += x.pixels & y.pixels;
        }
    }
    return same;
}

} // namespace garabel
