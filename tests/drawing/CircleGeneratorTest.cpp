#include "drawing/CircleGenerator.h"
#include "support/DragState.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>

namespace garabel {

void PrintTo(const Arc &a, std::ostream *os)
{
    *os << "arc (" << a.centre.x() << ", " << a.centre.y() << ") r " << a.radius << " " << a.start << "->" << a.end;
}
void PrintTo(const Ellipse &e, std::ostream *os)
{
    *os << "ellipse (" << e.centre.x() << ", " << e.centre.y() << ") r " << e.radius << " aspect " << e.aspect;
}

namespace test {

namespace {
const double kPi = 4 * std::atan(1.0);
const float kQuarter = float(kPi / 2), kHalf = float(kPi), kThreeQuarters = float(3 * kPi / 2),
            kWhole = float(2 * kPi);

// Anchor (3000, 3000) on a canvas centred at (6900, 5100), every copy on.
CircleFigure circleDrag(int mode, double curX, int curY)
{
    const Drag d = dragState({3000, 3000}, {curX, double(curY)}, true, true, true);
    return {mode, d.anchor, d.pointer};
}

const Mirrors kAllMirrors = dragState({}, {}, true, true, true).mirrors;
const Mirror kAcrossX = mirrorOf(Reflection::LeftRight), kAcrossY = mirrorOf(Reflection::TopBottom),
             kThrough = mirrorOf(Reflection::ThroughCentre);

struct Span {
    float start, end;
};
} // namespace

TEST(CircleGenerator, ArcsTakeTheirAnglesFromModeDragAndCopy)
{
    // Pointer 400 right or left of the anchor and 300 below: radius 500, but
    // mode 5 takes the horizontal distance, 400. Straight below counts as left.
    const struct { int mode; double curX; double radius; Span figure, acrossX, acrossY, through; } cases[] = {
        {2, 3400, 500, {0, kQuarter}, {kQuarter, kHalf}, {kThreeQuarters, kWhole}, {kHalf, kThreeQuarters}},
        {2, 2600, 500, {kQuarter, kHalf}, {0, kQuarter}, {kHalf, kThreeQuarters}, {kThreeQuarters, kWhole}},
        {2, 3000, 300, {kQuarter, kHalf}, {0, kQuarter}, {kHalf, kThreeQuarters}, {kThreeQuarters, kWhole}},
        {3, 3400, 500, {kThreeQuarters, kWhole}, {kHalf, kThreeQuarters}, {0, kQuarter}, {kQuarter, kHalf}},
        {4, 2600, 500, {kHalf, kWhole}, {kHalf, kWhole}, {0, kHalf}, {0, kHalf}},
        {5, 3400, 400, {kThreeQuarters, kQuarter}, {kQuarter, kThreeQuarters}, {kThreeQuarters, kQuarter},
         {kQuarter, kThreeQuarters}},
        {5, 2600, 400, {kQuarter, kThreeQuarters}, {kThreeQuarters, kQuarter}, {kQuarter, kThreeQuarters},
         {kThreeQuarters, kQuarter}},
    };
    for (const auto &c : cases) {
        const Shapes expected{Arc{{3000, 3000}, c.radius, c.figure.start, c.figure.end},
                              Arc{{10800, 3000}, c.radius, c.acrossX.start, c.acrossX.end, kAcrossX},
                              Arc{{3000, 7200}, c.radius, c.acrossY.start, c.acrossY.end, kAcrossY},
                              Arc{{10800, 7200}, c.radius, c.through.start, c.through.end, kThrough}};
        EXPECT_EQ(circleShapes(circleDrag(c.mode, c.curX, 3300), kAllMirrors), expected)
            << "mode " << c.mode << " to " << c.curX;
    }
}

TEST(CircleGenerator, OnlyAFullCirclePreviewMeasuresTheRadiusRoundedDown)
{
    for (int mode = 0; mode <= 6; ++mode) {
        CircleFigure c = circleDrag(mode, 4000, 4000);
        c.radius = 77;
        storeCircleRadius(c);
        EXPECT_EQ(c.radius, mode == 0 ? 1414 : 77) << mode;
    }
}

TEST(CircleGenerator, TheFullCircleUsesTheStoredRadiusAndReflectsItsCentre)
{
    CircleFigure c = circleDrag(0, 4000, 4000);
    c.radius = 250;   // an earlier preview's, not the present distance
    EXPECT_EQ(circleShapes(c, kAllMirrors), (Shapes{Circle{{3000, 3000}, 250}, Circle{{10800, 3000}, 250, kAcrossX},
                                                    Circle{{3000, 7200}, 250, kAcrossY},
                                                    Circle{{10800, 7200}, 250, kThrough}}));
}

TEST(CircleGenerator, TheEllipseFitsTheDraggedBoxEvenWhenFlat)
{
    const struct { double dx; int dy; Ellipse figure; QPointF throughCentre; } cases[] = {
        {600, 0, {{3300, 3000.05}, 300, 0.05 / 300}, {10500, 7199.95}},
        {-1000, 100, {{2500, 3050}, 500, 0.1}, {11300, 7150}},
        {0, 0, {{3000.05, 3000.05}, 0.05, 1}, {10799.95, 7199.95}},
    };
    for (const auto &c : cases) {
        const Shapes shapes = circleShapes(circleDrag(1, 3000 + c.dx, 3000 + c.dy), kAllMirrors);
        ASSERT_EQ(shapes.size(), 4u);
        const Ellipse &figure = std::get<Ellipse>(shapes[0]), &through = std::get<Ellipse>(shapes[3]);
        EXPECT_NEAR(figure.centre.x(), c.figure.centre.x(), 1e-9) << c.dx;
        EXPECT_NEAR(figure.centre.y(), c.figure.centre.y(), 1e-9) << c.dx;
        EXPECT_NEAR(figure.radius, c.figure.radius, 1e-12) << c.dx;
        EXPECT_NEAR(figure.aspect, c.figure.aspect, 1e-12) << c.dx;
        EXPECT_NEAR(through.centre.x(), c.throughCentre.x(), 1e-9) << c.dx;
        EXPECT_NEAR(through.centre.y(), c.throughCentre.y(), 1e-9) << c.dx;
        EXPECT_EQ(through.radius, figure.radius);
        EXPECT_EQ(through.aspect, figure.aspect);
    }
}

TEST(CircleGenerator, AModeOutsideTheSixDrawsNothing)
{
    EXPECT_TRUE(circleShapes(circleDrag(6, 4000, 4000), kAllMirrors).empty());
    EXPECT_TRUE(circleShapes(circleDrag(255, 4000, 4000), kAllMirrors).empty());
}

} // namespace test
} // namespace garabel
