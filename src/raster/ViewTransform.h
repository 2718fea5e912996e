#pragma once

#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QRegion>

#include <cmath>
#include <vector>

namespace garabel {

// From sheet pixels to the pixels of the view that shows them: each sheet
// pixel becomes a square of `scale` screen pixels, the sheet's origin lands at
// `offset`. One value, so that whatever paints or reads the view agrees.
struct ViewTransform {
    QPoint offset;
    int scale = 1;

    QPoint toScreen(QPoint sheet) const { return sheet * scale + offset; }
    QRect toScreen(const QRect &sheet) const { return QRect(toScreen(sheet.topLeft()), sheet.size() * scale); }
    // Band by band as the region is, so no union is needed.
    QRegion toScreen(const QRegion &sheet) const
    {
        if (scale == 1)
            return sheet.translated(offset);
        std::vector<QRect> rects;
        rects.reserve(std::size_t(sheet.rectCount()));
        for (const QRect &r : sheet)
            rects.push_back(toScreen(r));
        QRegion screen;
        screen.setRects(rects.data(), int(rects.size()));
        return screen;
    }
    // The sheet pixel under a screen position.
    QPoint toSheet(QPointF screen) const
    {
        const QPointF at = (screen - QPointF(offset)) / scale;
        return QPoint(int(std::floor(at.x())), int(std::floor(at.y())));
    }
    // The sheet pixels that a screen rectangle shows, in part or whole.
    QRect toSheet(const QRect &screen) const
    {
        return QRect(toSheet(QPointF(screen.topLeft())), toSheet(QPointF(screen.bottomRight())));
    }
    bool operator==(const ViewTransform &) const = default;
};

} // namespace garabel
