#include "drawing/FigureGenerators.h"
#include "support/DragState.h"

#include <gtest/gtest.h>

#include <ostream>

namespace garabel {

// Readable failures: segments and boxes print as their corners.
void PrintTo(const Segment &s, std::ostream *os)
{
    *os << "(" << s.from.x() << ", " << s.from.y() << ")-(" << s.to.x() << ", " << s.to.y() << ")";
}
void PrintTo(const Box &b, std::ostream *os)
{
    *os << "box (" << b.corner1.x() << ", " << b.corner1.y() << ")-(" << b.corner2.x() << ", " << b.corner2.y() << ")";
}

namespace test {

namespace {
// Anchor (1500, 1200) and pointer (3000, 2100) on a canvas centred at (6900, 5100).
Drag dragged(bool flipX, bool flipY, bool flipXY)
{
    return dragState({1500, 1200}, {3000, 2100}, flipX, flipY, flipXY);
}

const Segment kFigure{{1500, 1200}, {3000, 2100}};
const Segment kAcross{{12300, 1200}, {10800, 2100}, mirrorOf(Reflection::LeftRight)};
const Segment kUpDown{{1500, 9000}, {3000, 8100}, mirrorOf(Reflection::TopBottom)};
const Segment kThrough{{12300, 9000}, {10800, 8100}, mirrorOf(Reflection::ThroughCentre)};
} // namespace

TEST(FigureGenerators, YieldTheFigureThenItsCopiesInTheOrderFlipXFlipYFlipXY)
{
    const struct { bool flipX, flipY, flipXY; std::vector<Segment> segments; } cases[] = {
        {false, false, false, {kFigure}},
        {true, false, false, {kFigure, kAcross}},
        {false, true, false, {kFigure, kUpDown}},
        {false, false, true, {kFigure, kThrough}},
        {true, true, false, {kFigure, kAcross, kUpDown}},
        {true, false, true, {kFigure, kAcross, kThrough}},
        {false, true, true, {kFigure, kUpDown, kThrough}},
        {true, true, true, {kFigure, kAcross, kUpDown, kThrough}},
    };
    for (const auto &c : cases) {
        const Drag d = dragged(c.flipX, c.flipY, c.flipXY);
        Shapes lines, boxes;
        for (const Segment &seg : c.segments) {
            lines.push_back(seg);
            boxes.push_back(Box{seg.from, seg.to, seg.copy});
        }
        EXPECT_EQ(lineShapes(d.anchor, d.pointer, d.mirrors), lines) << c.flipX << c.flipY << c.flipXY;
        EXPECT_EQ(rectangleShapes(d.anchor, d.pointer, d.mirrors), boxes) << c.flipX << c.flipY << c.flipXY;
    }
}

} // namespace test
} // namespace garabel
