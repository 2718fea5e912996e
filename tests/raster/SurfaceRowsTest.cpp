#include "raster/Surface.h"

#include "support/SurfaceProbe.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace garabel::test {

namespace {
Surface::RowWriter fillWith(QRgb colour, int width)
{
    return [colour, width](int, QRgb *row) { std::fill(row, row + width, colour); };
}
} // namespace

// Rewriting an area writes exactly its pixels, into the surface's own pixels
// when it owns them; pixels it shares with another image stay as they were in
// that image.
TEST(SurfaceRows, RewriteTheAreaInTheSurfacesOwnPixelsLeavingSharedOnesAlone)
{
    Surface surface;
    giveInnerSize(surface, 150, 90);  // tiles cut short at the edges
    const Pen pen;
    surface.stored(pen, Units::Pixels).pset(0, 0, kBlack);
    const uchar *own = surface.image().constBits();
    surface.clearDirtyTiles();

    surface.rewriteRows(QRect(60, 10, 20, 60), fillWith(kBluePixel, 20));
    const QImage once = surface.image();
    EXPECT_EQ(once.constBits(), own) << "no fresh pixels";
    EXPECT_EQ(countColour(once, kBluePixel), 20 * 60);
    EXPECT_EQ(countColour(once, kBluePixel, QRect(60, 10, 20, 60)), 20 * 60);
    EXPECT_TRUE(surface.tileDirty(1, 1));
    EXPECT_FALSE(surface.tileDirty(2, 0));

    surface.rewriteRows(QRect(140, 80, 50, 50), fillWith(kRedPixel, 10));  // clipped to 10 x 10
    EXPECT_EQ(countColour(surface.image(), kRedPixel), 100);
    EXPECT_EQ(pixelAt(once, 145, 85), kWhitePixel) << "the image shared before keeps its pixels";

    const QImage kept = surface.image();
    surface.rewriteRows(QRect(0, 0, 150, 90), fillWith(kGreenPixel, 150));
    EXPECT_EQ(countColour(surface.image(), kGreenPixel), 150 * 90);
    EXPECT_EQ(countColour(kept, kBluePixel), 20 * 60);
}

} // namespace garabel::test
