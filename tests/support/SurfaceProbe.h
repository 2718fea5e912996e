#pragma once

#include "raster/Rgb.h"
#include "raster/Surface.h"
#include "support/Pixels.h"

#include <QImage>
#include <QRect>
#include <QRegion>
#include <QString>

#include <gtest/gtest.h>

namespace garabel::test {

// A surface whose stored image is `width` x `height` pixels.
inline void giveInnerSize(Surface &surface, int width, int height)
{
    surface.setWidth((width + 2 * Surface::kBorder) * kTwipsPerPixel);
    surface.setHeight((height + 2 * Surface::kBorder) * kTwipsPerPixel);
}

// The pixels that differ from `background`, as a region.
inline QRegion inkRegion(const QImage &image, Rgb background)
{
    QRegion region;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (rgbAt(image, x, y) == background)
                continue;
            int end = x;
            while (end + 1 < image.width() && rgbAt(image, end + 1, y) != background)
                ++end;
            region += QRect(QPoint(x, y), QPoint(end, y));
            x = end;
        }
    }
    return region;
}

inline QRect inkBounds(const QImage &image, Rgb background)
{
    return inkRegion(image, background).boundingRect();
}

inline int area(const QRegion &region)
{
    int sum = 0;
    for (const QRect &r : region)
        sum += r.width() * r.height();
    return sum;
}

// Leaves the picture next to the test output when the test failed, to look at.
inline void keepPictureOnFailure(const QImage &image)
{
    if (!::testing::Test::HasFailure() || image.isNull())
        return;
    const auto *info = ::testing::UnitTest::GetInstance()->current_test_info();
    QString name = QStringLiteral("%1.%2.actual").arg(info->test_suite_name(), info->name());
    savePicture(image, name.replace(u'/', u'_'));
}

// A surface of 200 x 160 pixels whose stored image is drawn with `pen` in pixel
// coordinates; its picture is kept when a test fails.
class StoredPixelSurface : public ::testing::Test
{
protected:
    StoredPixelSurface() { giveInnerSize(surface, 200, 160); }
    void TearDown() override { keepPictureOnFailure(surface.renderedImage()); }

    Surface surface;
    Pen pen;
    SurfaceLayer stored = surface.stored(pen, Units::Pixels);
};

} // namespace garabel::test
