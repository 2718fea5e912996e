#pragma once

#include "raster/Rgb.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

// The tests' one vocabulary for colours and pixels.
//
// Colours: kRed, kBlue, kWhite ... are packed Rgb values, as the program keeps a colour
// (kBlack, kWhite, kGreen and kBlue come from platform/Rgb.h); kRedPixel, kWhitePixel ... are
// the same colours as an opaque screen QRgb (0xAARRGGBB), what QImage::pixel() returns.
// Positions: in image pixels, unless the name ends in Twips (canvas twips, rounded to
// pixels as the surfaces round them).

namespace garabel::test {

constexpr Rgb kRed = rgb(255, 0, 0);

constexpr QRgb kRedPixel = 0xFFFF0000;
constexpr QRgb kGreenPixel = 0xFF00FF00;
constexpr QRgb kBluePixel = 0xFF0000FF;
constexpr QRgb kBlackPixel = 0xFF000000;
constexpr QRgb kWhitePixel = 0xFFFFFFFF;

// The pixel that canvas twips (x, y) fall on.
QPoint pixelOfTwips(double x, double y);

// The colour of pixel (x, y), opaque.
QRgb pixelAt(const QImage &image, int x, int y);
// The same as a packed Rgb.
Rgb rgbAt(const QImage &image, int x, int y);
// The colour of the pixel at canvas twips (x, y), opaque.
QRgb pixelAtTwips(const QImage &image, double x, double y);
// Twips passed where pixels are meant do not compile.
QRgb pixelAt(const QImage &image, double x, double y) = delete;
Rgb rgbAt(const QImage &image, double x, double y) = delete;

// Number of pixels in `rect` (pixels; the whole image when null) whose colour is `colour`.
int countColour(const QImage &image, QRgb colour, const QRect &rect = QRect());
int countRgb(const QImage &image, Rgb colour, const QRect &rect = QRect());
// Whether every pixel is white, as on a cleared sheet.
bool isAllWhite(const QImage &image);
// Pixels of `colour` within `reach` pixels of canvas twips (x, y).
int inkNearTwips(const QImage &image, double x, double y, QRgb colour, int reach = 1);

// Saves `image` as test-pictures/<name>.png next to the test output, to look at after a
// failing comparison.
void savePicture(const QImage &image, const QString &name);

} // namespace garabel::test
