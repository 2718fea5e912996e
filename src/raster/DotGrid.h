#pragma once

#include <QRect>
#include <QRgb>

#include <algorithm>
#include <vector>

namespace garabel {

// The dot grid a view shows over a sheet and never stores in it: one dot of
// `colour` at every crossing of `columns` and `rows` (sheet pixels, increasing).
struct DotGrid {
    std::vector<int> columns, rows;
    QRgb colour = 0xFF000000;

    bool isEmpty() const { return columns.empty() || rows.empty(); }
    bool operator==(const DotGrid &) const = default;

    // Calls `dot(QPoint)` for each dot inside `area`, row by row.
    template <typename Dot>
    void forEachIn(const QRect &area, Dot &&dot) const
    {
        const auto firstColumn = std::lower_bound(columns.begin(), columns.end(), area.left());
        for (auto y = std::lower_bound(rows.begin(), rows.end(), area.top()); y != rows.end() && *y <= area.bottom(); ++y) {
            for (auto x = firstColumn; x != columns.end() && *x <= area.right(); ++x)
                dot(QPoint(*x, *y));
        }
    }
};

} // namespace garabel
