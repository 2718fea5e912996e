#pragma once

namespace garabel {

// How far apart two angles (radians) may lie and still count as the same:
// single-precision angles are off by up to ~2e-7 rad, far below a pixel even
// on the largest circles a canvas holds.
inline constexpr double kAngleSlack = 1e-6;

// The counter-clockwise sweep of an arc, from `start` by `span` radians, with
// 0 < span <= 2 pi. Angles within a hair of 2 pi count as 2 pi (single-precision
// callers pass 2 pi rounded up); equal angles sweep the whole circle.
struct ArcSweep {
    double start;
    double span;
};
ArcSweep arcSweep(double start, double end);

} // namespace garabel
