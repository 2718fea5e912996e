#pragma once

#include <QPoint>
#include <QPointF>

#include <optional>
#include <vector>

namespace garabel {

struct DrawingState;
struct MirrorSwitches;

// Which copy of a figure a shape is: the figure itself, or its image across the
// vertical axis through the sheet's centre, across the horizontal one, or
// through the centre point.
enum class Reflection { None, LeftRight, TopBottom, ThroughCentre };

// One reflection of the sheet about its centre. The figure itself is drawn
// under the identity, Mirror{}. Every reflected point, every copy's pixel axes
// and every axis the view shows come from here.
struct Mirror {
    Reflection kind = Reflection::None;
    QPoint centre;  // in the units of the shapes: twips on the grid for the sheet

    // The image of a point: 2 x centre - p in each direction the mirror turns over.
    QPointF operator()(QPointF p) const;
    // Twice the axis the mirror turns x (or y) over; none when it keeps that direction.
    std::optional<double> twiceAxisX() const;
    std::optional<double> twiceAxisY() const;

    bool operator==(const Mirror &) const = default;
};

// The reflections the switches give: the identity first, then one for each switch
// on, in the order left-right, top-bottom, through the centre.
using Mirrors = std::vector<Mirror>;
Mirrors mirrorsFor(const MirrorSwitches &switches, QPoint centre);
// The sheet's: its switches about the grid's centre.
Mirrors mirrorsOf(const DrawingState &state);

} // namespace garabel
