#include "support/ExpectedPicture.h"
#include "window/ColourStrip.h"

#include <QImage>

#include <gtest/gtest.h>

namespace garabel {
namespace {

// Four blocks of swatches, each with a black edge above and left and a silver edge right and
// below, on the grey of the window, as the expected picture shows them.
TEST(ColourStrip, IsOpaqueAndMatchesItsExpectedPicture)
{
    const QImage strip = colourStripPicture();
    EXPECT_EQ(strip.format(), QImage::Format_RGB32);
    EXPECT_TRUE(test::matchesExpectedPicture(strip, QStringLiteral("colour-strip")));
}

} // namespace
} // namespace garabel
