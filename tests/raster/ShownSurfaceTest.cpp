#include "raster/ShownSurface.h"
#include "raster/ViewCompose.h"
#include "support/SurfaceProbe.h"

#include <QPainter>

#include <gtest/gtest.h>

namespace garabel::test {
namespace {

// What is composed through a painter that cannot write pixels straight.
QImage composedThroughPainter(const ShownSurface &shown)
{
    QImage image(shown.innerPixelSize(), QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    composeView(painter, shown, QRect(QPoint(0, 0), shown.innerPixelSize()), ViewTransform{}, ViewLayers::WithOverlay);
    painter.end();
    return image.convertToFormat(QImage::Format_RGB32);
}

// Over a picture of its own the sheet's drawing shows and the picture shows
// through its background, without dots; shown whole, the sheet and every dot show.
TEST(ShownSurface, ShowsTheSheetsDrawingOverItsPictureAndTheDotsOverTheSheetAlone)
{
    Surface sheet;
    ShownSurface canvas;
    giveInnerSize(sheet, 130, 70);
    giveInnerSize(canvas, 130, 70);
    QImage picture(130, 70, QImage::Format_RGB32);
    picture.fill(kGreenPixel);
    canvas.showSheetOver(picture, sheet);
    canvas.setDots(DotGrid{{0, 10, 70}, {0, 10}, kRedPixel});
    EXPECT_EQ(canvas.composedImage(), picture) << "nothing drawn: the picture alone, without dots";

    const Pen pen;
    sheet.stored(pen, Units::Pixels).filledBox(70, 5, 75, 8, kBlue);
    QImage expected = picture;
    QPainter painter(&expected);
    painter.fillRect(QRect(QPoint(70, 5), QPoint(75, 8)), QColor(kBluePixel));
    painter.end();
    EXPECT_EQ(canvas.composedImage(), expected);
    EXPECT_EQ(composedThroughPainter(canvas), expected);

    canvas.showSheet(sheet);
    expected = sheet.renderedImage();
    for (const int x : {0, 10, 70})
        for (const int y : {0, 10})
            expected.setPixel(x, y, kRedPixel);
    EXPECT_EQ(canvas.composedImage(), expected) << "the sheet whole";
    EXPECT_EQ(composedThroughPainter(canvas), expected) << "the sheet whole";
}

} // namespace
} // namespace garabel::test
