#include "support/ToolAlone.h"

#include <gtest/gtest.h>

namespace garabel::test {

// The line tool told only by its events: the anchor is the press's sheet point,
// the figure ends where the last move left the pointer, and neither the raw
// points nor the release's own point count. Its words measure the same figure.
TEST(ToolEvents, AFigureToolKeepsTheAnchorAndPointerItsEventsGaveIt)
{
    ToolAlone t(PaletteButton::Line);
    t.state.mirrors.throughCentre = true;
    Tool &line = t.tool();
    line.move({{600, 300}, {610, 290}, {}, 0, 0});
    line.press({{900, 600}, {905, 611}, {600, 300}, 1, 0});
    line.move({{1500, 1200}, {1490, 1190}, {600, 300}, 1, 0});
    line.release({{4500, 4500}, {4500, 4500}, {1500, 1200}, 1, 0});
    const Mirror throughCentre{Reflection::ThroughCentre, {6900, 5100}};
    ASSERT_EQ(t.target.stored.size(), 1u);
    EXPECT_EQ(t.target.stored[0].shapes,
              (Shapes{Segment{{900, 600}, {1500, 1200}}, Segment{{12900, 9600}, {12300, 9000}, throughCentre}}));
    EXPECT_EQ(line.takeDrawn(), QStringLiteral("línea de columna 60, fila 40 a columna 100, fila 80"));

    // A press with no move after it spans to where the crosshair stood.
    line.press({{300, 300}, {300, 300}, {1500, 1200}, 1, 0});
    line.release({{300, 300}, {300, 300}, {1500, 1200}, 1, 0});
    ASSERT_EQ(t.target.stored.size(), 2u);
    EXPECT_EQ(std::get<Segment>(t.target.stored[1].shapes[0]), (Segment{{300, 300}, {1500, 1200}}));
}

} // namespace garabel::test
