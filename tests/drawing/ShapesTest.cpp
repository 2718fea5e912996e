#include "drawing/Shapes.h"

#include "support/SurfaceProbe.h"

#include <gtest/gtest.h>

#include <numbers>

namespace garabel::test {
namespace {

// Copies mirror across x = 100 on a stored surface drawn in pixels; the pixels
// probed lie on the copy's own outline or on its figure's reflection, not both.
using ShapeCopies = StoredPixelSurface;
const Mirror kAcross{Reflection::LeftRight, {100, 80}};

TEST_F(ShapeCopies, ACopyOfAnotherRadiusIsDrawnFromItsOwnMeasures)
{
    drawShapes(stored, {Circle{{50, 80}, 10}, Circle{{150, 80}, 20, kAcross}}, kBlack);
    EXPECT_EQ(surface.pixel(170, 80), kBlack);
    EXPECT_EQ(surface.pixel(160, 80), kWhite);
}

TEST_F(ShapeCopies, AnArcCopyWhoseSweepIsNotTheMirroredOneIsDrawnFromItsOwn)
{
    constexpr float kQuarter = float(std::numbers::pi / 2);
    drawShapes(stored, {Arc{{50, 80}, 20, 0, kQuarter}, Arc{{150, 80}, 20, 0, kQuarter, kAcross}}, kBlack);
    EXPECT_EQ(surface.pixel(170, 80), kBlack);
    EXPECT_EQ(surface.pixel(130, 80), kWhite);
}

} // namespace
} // namespace garabel::test
