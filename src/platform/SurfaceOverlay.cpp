#include "platform/SurfaceOverlay.h"

#include <QPainter>

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
}

QRegion SurfaceOverlay::clear()
{
    m_ops.clear();
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

} // namespace garabel
