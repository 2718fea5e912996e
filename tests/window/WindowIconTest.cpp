#include "support/GarabelWindow.h"
#include "window/ButtonPictures.h"

#include <gtest/gtest.h>

namespace garabel::test {

TEST(WindowIcon, IsDrawnAtEverySideOfTheIconThemeFrom16To256)
{
    GarabelWindow w;
    const QIcon icon = w->windowIcon();
    QList<QSize> expected;
    for (const int side : {16, 22, 24, 32, 48, 64, 128, 256})
        expected.append(QSize(side, side));
    EXPECT_EQ(icon.availableSizes(), expected);
    for (const QSize &size : expected) {
        // Drawn at that size: most of the square is the icon.
        const QImage image = icon.pixmap(size).toImage();
        ASSERT_EQ(image.size(), size);
        int opaque = 0;
        for (int y = 0; y < size.height(); ++y) {
            for (int x = 0; x < size.width(); ++x)
                opaque += qAlpha(image.pixel(x, y)) == 255;
        }
        EXPECT_GT(opaque, size.width() * size.height() / 2) << size.width();
    }
}

} // namespace garabel::test
