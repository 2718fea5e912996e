#include "drawing/PolygonGenerator.h"

#include <QString>

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace garabel::test {

namespace {
PolygonDrag drag(int mode, QPointF anchor, QPointF pointer)
{
    return {mode, anchor, QPointF(pointer.x(), std::int32_t(pointer.y()))};
}

PolygonVertices polygon(int mode, double sides, QPointF anchor, QPointF pointer)
{
    PolygonVertices s;
    s.sideCount = sides;
    placePolygonVertices(drag(mode, anchor, pointer), s);
    return s;
}

void expectVertices(const PolygonVertices &s, const std::vector<QPointF> &expected, const char *what)
{
    for (std::size_t k = 0; k < expected.size(); ++k) {
        EXPECT_NEAR(s.x[k], expected[k].x(), 1e-6) << what << " vertex " << k;
        EXPECT_EQ(s.y[k], std::int32_t(expected[k].y())) << what << " vertex " << k;
    }
}

// The edges as vertex index pairs, read back from their end points.
std::vector<std::pair<int, int>> edgeIndices(const PolygonVertices &s, int vertices)
{
    const auto indexOf = [&](QPointF p) {
        for (int k = 0; k < vertices; ++k) {
            if (p == QPointF(s.x[std::size_t(k)], s.y[std::size_t(k)]))
                return k;
        }
        return -1;
    };
    std::vector<std::pair<int, int>> pairs;
    for (const Shape &shape : polygonEdges(s)) {
        const auto &edge = std::get<Segment>(shape);
        pairs.emplace_back(indexOf(edge.from), indexOf(edge.to));
    }
    return pairs;
}
} // namespace

TEST(PolygonGenerator, ReadsTheSideCountFromTheLeadingNumberAndFallsBackToThree)
{
    const struct { const char *text; double sides; } cases[] = {
        {"5", 5}, {"3", 3}, {"20", 20}, {"2", 3}, {"21", 3}, {"", 3}, {"abc", 3}, {"4.5", 4.5}, {"20.5", 3}};
    for (const auto &c : cases)
        EXPECT_EQ(polygonSideCount(QString::fromLatin1(c.text)), c.sides) << c.text;
}

TEST(PolygonGenerator, ModeZeroPentagonIsCentredOnTheAnchorWithAVertexAtThePointer)
{
    const PolygonVertices s = polygon(0, 5, {3000, 3000}, {3000, 4000});
    // Every 72 degrees from straight down; y rounded to whole twips, x exact.
    expectVertices(s, {{3000, 4000}, {3951.0565162951535, 3309}, {3587.7852522924733, 2191},
                       {2412.2147477075267, 2191}, {2048.9434837048465, 3309}}, "pentagon");
    const std::vector<std::pair<int, int>> order{{0, 1}, {1, 2}, {2, 3}, {3, 4}, {4, 0}};
    EXPECT_EQ(edgeIndices(s, 5), order);
}

TEST(PolygonGenerator, StartsAtThePointerWhateverSideOfTheAnchorItIs)
{
    // A square around (3000, 3000): vertex 0 on the pointer, vertex 1 a quarter
    // turn on (angles grow from down towards the right).
    const struct { QPointF pointer; QPointF second; const char *what; } cases[] = {
        {{2000, 3000}, {3000, 4000}, "left, 270"},
        {{4000, 3000}, {3000, 2000}, "right, 90"},
        {{3000, 2000}, {2000, 3000}, "above, 180"},
        {{3000, 4000}, {4000, 3000}, "below, 0"},
        {{4000, 2000}, {2000, 2000}, "above right, 135"},
    };
    for (const auto &c : cases)
        expectVertices(polygon(0, 4, {3000, 3000}, c.pointer), {c.pointer, c.second}, c.what);
}

TEST(PolygonGenerator, AFractionalSideCountStepsEightyDegreesAndClosesAfterFourEdges)
{
    PolygonVertices s;
    s.x.fill(-1);
    s.y.fill(-1);
    s.sideCount = 4.5;
    placePolygonVertices(drag(0, {3000, 3000}, {3000, 4000}), s);
    EXPECT_NEAR(s.x[1], 3000 + 1000 * std::sin(80 * std::numbers::pi / 180), 1e-6);
    EXPECT_EQ(s.y[4], std::int32_t(std::nearbyint(3000 + 1000 * std::cos(320 * std::numbers::pi / 180))));
    EXPECT_EQ(s.x[5], -1) << "400 degrees passes the full turn: not computed";
    const std::vector<std::pair<int, int>> order{{0, 1}, {1, 2}, {2, 3}, {3, 0}};
    EXPECT_EQ(edgeIndices(s, 5), order);
}

TEST(PolygonGenerator, ModeTwoBuildsTheSquareAboveOrBelowItsSide)
{
    const struct { QPointF anchor, pointer; std::vector<QPointF> corners; const char *what; } cases[] = {
        {{3000, 3000}, {4000, 3000}, {{4000, 3000}, {4000, 2000}, {3000, 2000}, {3000, 3000}}, "rightwards: above"},
        {{4000, 3000}, {3000, 3000}, {{3000, 3000}, {3000, 4000}, {4000, 4000}, {4000, 3000}}, "leftwards: below"},
        {{3000, 3000}, {3000, 2000}, {{3000, 2000}, {2000, 2000}, {2000, 3000}, {3000, 3000}}, "upwards: left"},
    };
    for (const auto &c : cases) {
        const PolygonVertices s = polygon(2, 4, c.anchor, c.pointer);
        for (std::size_t k = 0; k < c.corners.size(); ++k) {
            EXPECT_NEAR(s.x[k], c.corners[k].x(), 1e-6) << c.what << " vertex " << k;
            EXPECT_EQ(s.y[k], std::int32_t(c.corners[k].y())) << c.what << " vertex " << k;
        }
        EXPECT_EQ(polygonGuide(drag(2, c.anchor, c.pointer)), (Segment{c.anchor, c.pointer})) << c.what;
    }
}

TEST(PolygonGenerator, ModeOneFlattensOntoTheAnchorsRowWithoutVerticalDrag)
{
    const PolygonVertices s = polygon(1, 6, {3000, 3000}, {4000, 3000});
    for (std::size_t k = 0; k < 6; ++k)
        EXPECT_EQ(s.y[k], 3000) << k;
    EXPECT_NEAR(s.x[0], 4000, 1e-6);
    EXPECT_FALSE(polygonGuide(drag(1, {3000, 3000}, {4000, 3000})).has_value()) << "only mode 2 has a guide";
}

TEST(PolygonGenerator, BeforeAnyPreviewTheOutlineIsOneEdgeOnTheOrigin)
{
    const Shapes edges = polygonEdges(PolygonVertices{});
    ASSERT_EQ(edges.size(), 1u);
    EXPECT_EQ(std::get<Segment>(edges[0]), (Segment{{0, 0}, {0, 0}}));
}

} // namespace garabel::test
