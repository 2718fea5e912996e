#include "raster/Surface.h"

#include "support/SurfaceProbe.h"

#include <gtest/gtest.h>

#include <numbers>

namespace garabel::test {
namespace {

constexpr double kPi = std::numbers::pi;

class SurfaceFigures : public StoredPixelSurface
{
protected:
    QRect ink() const { return inkBounds(surface.renderedImage(), kWhite); }
};

TEST_F(SurfaceFigures, OnePixelLineCoversBothEndsWhicheverWayItIsDrawn)
{
    stored.line(60, 45, 10, 20);
    EXPECT_EQ(ink(), QRect(QPoint(10, 20), QPoint(60, 45)));
    EXPECT_EQ(surface.pixel(10, 20), kBlack);
    EXPECT_EQ(surface.pixel(60, 45), kBlack);
}

class SurfacePenWidth : public SurfaceFigures, public ::testing::WithParamInterface<int> {};

TEST_P(SurfacePenWidth, LinesDotsAndBoxOutlinesSpreadThePenAroundTheirPixels)
{
    const int w = GetParam(), lo = w / 2, hi = w - 1 - w / 2;
    pen.width = w;
    stored.line(40, 30, 160, 30);
    const QRect line = inkBounds(surface.image().copy(0, 0, 200, 50), kWhite);
    EXPECT_EQ(line.top(), 30 - lo);
    EXPECT_EQ(line.height(), w);
    EXPECT_EQ(countRgb(surface.image(), kBlack, QRect(100, 0, 1, 50)), w);

    stored.line(50, 70, 50, 70);  // a zero-length line and a zero-size box are dots
    stored.box(120, 70, 120, 70);
    EXPECT_EQ(inkBounds(surface.image().copy(0, 55, 100, 30), kWhite), QRect(50 - lo, 15 - lo, w, w));
    EXPECT_EQ(inkBounds(surface.image().copy(100, 55, 100, 30), kWhite), QRect(20 - lo, 15 - lo, w, w));

    stored.box(150, 150, 30, 100);  // corners in either order
    EXPECT_EQ(inkBounds(surface.image().copy(0, 90, 200, 70), kWhite),
              QRect(QPoint(30 - lo, 10 - lo), QPoint(150 + hi, 60 + hi)));
    EXPECT_EQ(surface.pixel(90, 125), kWhite);  // transparent interior by default
}

INSTANTIATE_TEST_SUITE_P(Widths, SurfacePenWidth, ::testing::Values(1, 2, 3, 4, 14));

class SurfaceFillStyle : public SurfaceFigures, public ::testing::WithParamInterface<int> {};

TEST_P(SurfaceFillStyle, BoxAndCircleInteriorsFollowTheFillStyle)
{
    pen.fillPattern = GetParam();
    pen.fillColour = kRed;
    stored.box(10, 10, 41, 41, kBlack);  // interior 11..40: 900 pixels
    stored.circle(120, 80, 40, kBlack);
    const QImage interior = surface.image().copy(11, 11, 30, 30);
    const int inBox = countRgb(interior, kRed);
    const int inCircle = countRgb(surface.image(), kRed, QRect(80, 40, 81, 81));
    EXPECT_EQ(inBox + countRgb(interior, kWhite), 900);
    EXPECT_EQ(surface.pixel(120, 40), kBlack);  // the outline keeps its colour
    EXPECT_EQ(surface.pixel(160, 80), kBlack);
    switch (GetParam()) {
    case FillSolid: EXPECT_EQ(inBox, 900); EXPECT_GT(inCircle, 4500); break;
    case FillTransparent: EXPECT_EQ(inBox + inCircle, 0); break;
    default: EXPECT_GT(inBox, 60); EXPECT_LT(inBox, 500); EXPECT_GT(inCircle, 300); EXPECT_LT(inCircle, 2500);
    }
}

INSTANTIATE_TEST_SUITE_P(Styles, SurfaceFillStyle, ::testing::Range(0, 8));

TEST_F(SurfaceFigures, FilledBoxIsEntirelyInItsColour)
{
    stored.filledBox(20, 30, 70, 50, kRed);
    EXPECT_EQ(countRgb(surface.image(), kRed), 51 * 21);
    EXPECT_EQ(ink(), QRect(QPoint(20, 30), QPoint(70, 50)));
}

struct HatchCase {
    int style;
    QPoint along;  // from a painted pixel to the next one of its hatch line
};

class SurfaceHatch : public SurfaceFigures, public ::testing::WithParamInterface<HatchCase> {};

TEST_P(SurfaceHatch, LinesRunInTheirDirection)
{
    const HatchCase c = GetParam();
    pen.fillPattern = c.style;
    pen.fillColour = kRed;
    stored.box(30, 30, 61, 61, kBlack);
    const QRect interior(31, 31, 30, 30);
    for (int y = interior.top(); y <= interior.bottom(); ++y) {
        for (int x = interior.left(); x <= interior.right(); ++x) {
            const QPoint next = QPoint(x, y) + c.along;
            if (surface.pixel(x, y) == kRed && interior.contains(next)) {
                ASSERT_EQ(surface.pixel(next.x(), next.y()), kRed) << x << "," << y;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Styles, SurfaceHatch, ::testing::Values(
    HatchCase{FillHorizontal, {1, 0}}, HatchCase{FillVertical, {0, 1}},
    HatchCase{FillUpwardDiagonal, {1, -1}}, HatchCase{FillDownwardDiagonal, {1, 1}}));

class SurfaceCircleRadius : public SurfaceFigures, public ::testing::WithParamInterface<int> {};

TEST_P(SurfaceCircleRadius, CircleReachesTheRadiusOnEverySide)
{
    const int r = GetParam();
    surface.stored(pen).circle(100 * 15, 80 * 15, r * 15);
    EXPECT_EQ(ink(), QRect(100 - r, 80 - r, 2 * r + 1, 2 * r + 1));
}

INSTANTIATE_TEST_SUITE_P(Radii, SurfaceCircleRadius, ::testing::Values(0, 1, 2, 5, 37, 79));

struct EllipseCase {
    double aspect;
    int halfWidth, halfHeight;
};

class SurfaceEllipse : public SurfaceFigures, public ::testing::WithParamInterface<EllipseCase> {};

TEST_P(SurfaceEllipse, AspectShortensTheVerticalRadiusBelowOneAndTheHorizontalAbove)
{
    const EllipseCase c = GetParam();
    stored.ellipse(100, 80, 60, kBlack, c.aspect);
    EXPECT_EQ(ink(), QRect(100 - c.halfWidth, 80 - c.halfHeight, 2 * c.halfWidth + 1, 2 * c.halfHeight + 1));
}

INSTANTIATE_TEST_SUITE_P(Aspects, SurfaceEllipse, ::testing::Values(
    EllipseCase{1, 60, 60}, EllipseCase{0.5, 60, 30}, EllipseCase{0.25, 60, 15}, EllipseCase{2, 30, 60},
    EllipseCase{4, 15, 60}, EllipseCase{0.05 / 300, 60, 0}, EllipseCase{300 / 0.05, 0, 60}));

struct ArcCase {
    const char *name;
    double start, end;
    int side;   // +1: right of the centre only, -1: left only, 0: both
    int level;  // +1: above the centre only, -1: below only, 0: both
    QPoint reach[2];  // pixels the arc must touch, relative to the centre, in radii
};

class SurfaceArc : public SurfaceFigures, public ::testing::WithParamInterface<ArcCase> {};

TEST_P(SurfaceArc, RunsCounterClockwiseOnScreenFromStartToEndAndStaysOpen)
{
    const ArcCase c = GetParam();
    const int r = 50;
    const QPoint centre(100, 80);
    pen.fillPattern = FillSolid;
    // Single-precision angles, as the figures pass them.
    stored.arc(centre.x(), centre.y(), r, kBlack, float(c.start), float(c.end));
    const QRect ink = this->ink();
    if (c.side) {
        EXPECT_EQ(c.side > 0 ? ink.left() : ink.right(), centre.x());
    }
    if (c.level) {
        EXPECT_EQ(c.level > 0 ? ink.bottom() : ink.top(), centre.y());
    }
    for (const QPoint unit : c.reach) {
        const QPoint p = centre + unit * r;
        EXPECT_EQ(surface.pixel(p.x(), p.y()), kBlack) << p.x() << "," << p.y();
    }
    // No radius lines and no fill: nothing inside the square inscribed in the circle.
    EXPECT_EQ(countRgb(surface.image(), kBlack, QRect(centre - QPoint(33, 33), QSize(67, 67))), 0);
}

INSTANTIATE_TEST_SUITE_P(Quadrants, SurfaceArc, ::testing::Values(
    ArcCase{"UpperRight", 0, kPi / 2, +1, +1, {{1, 0}, {0, -1}}},
    ArcCase{"UpperLeft", kPi / 2, kPi, -1, +1, {{-1, 0}, {0, -1}}},
    ArcCase{"LowerLeft", kPi, 3 * kPi / 2, -1, -1, {{-1, 0}, {0, 1}}},
    ArcCase{"LowerRight", 3 * kPi / 2, 2 * kPi, +1, -1, {{1, 0}, {0, 1}}},
    ArcCase{"UpperHalf", 0, kPi, 0, +1, {{1, 0}, {-1, 0}}},
    ArcCase{"LowerHalf", kPi, 2 * kPi, 0, -1, {{1, 0}, {-1, 0}}},
    ArcCase{"RightHalfThroughZero", 3 * kPi / 2, kPi / 2, +1, 0, {{0, 1}, {0, -1}}},
    ArcCase{"LeftHalf", kPi / 2, 3 * kPi / 2, -1, 0, {{0, -1}, {0, 1}}}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
} // namespace garabel::test
