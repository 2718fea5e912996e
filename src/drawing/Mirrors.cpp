#include "drawing/Mirrors.h"

#include "drawing/DrawingState.h"

namespace garabel {

namespace {
bool turnsX(Reflection r)
{
    return r == Reflection::LeftRight || r == Reflection::ThroughCentre;
}

bool turnsY(Reflection r)
{
    return r == Reflection::TopBottom || r == Reflection::ThroughCentre;
}
} // namespace

// Turned about the very axes the pixels of a copy are reflected across.
QPointF Mirror::operator()(QPointF p) const
{
    const auto twiceX = twiceAxisX(), twiceY = twiceAxisY();
    return {twiceX ? *twiceX - p.x() : p.x(), twiceY ? *twiceY - p.y() : p.y()};
}

std::optional<double> Mirror::twiceAxisX() const
{
    return turnsX(kind) ? std::optional(2.0 * centre.x()) : std::nullopt;
}

std::optional<double> Mirror::twiceAxisY() const
{
    return turnsY(kind) ? std::optional(2.0 * centre.y()) : std::nullopt;
}

Mirrors mirrorsFor(const MirrorSwitches &switches, QPoint centre)
{
    Mirrors on{Mirror{}};
    if (switches.leftRight)
        on.push_back({Reflection::LeftRight, centre});
    if (switches.topBottom)
        on.push_back({Reflection::TopBottom, centre});
    if (switches.throughCentre)
        on.push_back({Reflection::ThroughCentre, centre});
    return on;
}

Mirrors mirrorsOf(const DrawingState &state)
{
    return mirrorsFor(state.mirrors, QPoint(state.grid.centreX, state.grid.centreY));
}

} // namespace garabel
