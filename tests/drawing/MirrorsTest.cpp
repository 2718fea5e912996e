#include "drawing/DrawingState.h"
#include "drawing/FigureGenerators.h"

#include <gtest/gtest.h>

namespace garabel::test {

// A centre off the pixel grid (6907 twips is 460.47 pixels): the switches give
// one list, in switch order; each copy of a figure is its points under that
// mirror, and the axes the mirror names are the ones its points turn about.
TEST(Mirrors, TheSwitchesGiveOneListThatPlacesTheCopiesAndTheirAxes)
{
    const QPoint centre(6907, 5103);
    const Mirrors mirrors = mirrorsFor(MirrorSwitches{true, false, true}, centre);
    EXPECT_EQ(mirrors, (Mirrors{Mirror{}, {Reflection::LeftRight, centre}, {Reflection::ThroughCentre, centre}}));

    const Shapes lines = lineShapes({1500, 1200}, {3000, 2100}, mirrors);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(std::get<Segment>(lines[1]), (Segment{{12314, 1200}, {10814, 2100}, mirrors[1]}));
    EXPECT_EQ(std::get<Segment>(lines[2]), (Segment{{12314, 9006}, {10814, 8106}, mirrors[2]}));
    for (const Mirror &m : mirrors) {
        const QPointF image = m(QPointF(1500, 1200));
        EXPECT_EQ(m.twiceAxisX().value_or(2 * 1500.0), 1500 + image.x());
        EXPECT_EQ(m.twiceAxisY().value_or(2 * 1200.0), 1200 + image.y());
    }
    EXPECT_EQ(mirrors[1].twiceAxisX(), 13814.0);
    EXPECT_FALSE(mirrors[1].twiceAxisY());

    DrawingState state;
    state.mirrors.topBottom = true;
    state.grid.centreX = centre.x();
    state.grid.centreY = centre.y();
    EXPECT_EQ(mirrorsOf(state), (Mirrors{Mirror{}, {Reflection::TopBottom, centre}}));
}

} // namespace garabel::test
