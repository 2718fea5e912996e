#include "drawing/CircleGenerator.h"
#include "drawing/DrawingState.h"
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
DrawingState circleDrag(int mode, double curX, int curY)
{
    DrawingState s = dragState({3000, 3000}, {curX, double(curY)}, true, true, true);
    s.circle.kind = std::uint8_t(mode);
    return s;
}

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
                              Arc{{10800, 3000}, c.radius, c.acrossX.start, c.acrossX.end, Reflection::LeftRight},
                              Arc{{3000, 7200}, c.radius, c.acrossY.start, c.acrossY.end, Reflection::TopBottom},
                              Arc{{10800, 7200}, c.radius, c.through.start, c.through.end, Reflection::ThroughCentre}};
        EXPECT_EQ(circleShapes(circleDrag(c.mode, c.curX, 3300)), expected) << "mode " << c.mode << " to " << c.curX;
    }
}

TEST(CircleGenerator, OnlyAFullCirclePreviewMeasuresTheRadiusRoundedDown)
{
    for (int mode = 0; mode <= 6; ++mode) {
        DrawingState s = circleDrag(mode, 4000, 4000);
        s.circle.radius = 77;
        storeCircleRadius(s);
        EXPECT_EQ(s.circle.radius, mode == 0 ? 1414 : 77) << mode;
    }
}

TEST(CircleGenerator, TheFullCircleUsesTheStoredRadiusAndReflectsItsCentre)
{
    DrawingState s = circleDrag(0, 4000, 4000);
    s.circle.radius = 250;   // an earlier preview's, not the present distance
    s.pointer.mirrorX = s.pointer.mirrorY = 0;  // a full circle's copies do not read them
    EXPECT_EQ(circleShapes(s), (Shapes{Circle{{3000, 3000}, 250}, Circle{{10800, 3000}, 250, Reflection::LeftRight},
                                       Circle{{3000, 7200}, 250, Reflection::TopBottom},
                                       Circle{{10800, 7200}, 250, Reflection::ThroughCentre}}));
}

TEST(CircleGenerator, TheEllipseFitsTheDraggedBoxEvenWhenFlat)
{
    const struct { double dx; int dy; Ellipse figure; QPointF throughCentre; } cases[] = {
        {600, 0, {{3300, 3000.05}, 300, 0.05 / 300}, {10500, 7199.95}},
        {-1000, 100, {{2500, 3050}, 500, 0.1}, {11300, 7150}},
        {0, 0, {{3000.05, 3000.05}, 0.05, 1}, {10799.95, 7199.95}},
    };
    for (const auto &c : cases) {
        const Shapes shapes = circleShapes(circleDrag(1, 3000 + c.dx, 3000 + c.dy));
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
    EXPECT_TRUE(circleShapes(circleDrag(6, 4000, 4000)).empty());
    EXPECT_TRUE(circleShapes(circleDrag(255, 4000, 4000)).empty());
}

} // namespace test
} // namespace garabel
