#include "support/Pixels.h"

#include "raster/Units.h"

#include <QDir>

#include <cmath>

namespace garabel::test {

QPoint pixelOfTwips(double x, double y)
{
    // The same rounding the surface uses to turn twips into pixels.
    return QPoint(int(std::lround(x / kTwipsPerPixel)), int(std::lround(y / kTwipsPerPixel)));
}

QRgb pixelAt(const QImage &image, int x, int y)
{
    return image.pixel(x, y) | 0xFF000000u;
}

Rgb rgbAt(const QImage &image, int x, int y)
{
    return fromQRgb(image.pixel(x, y));
}

QRgb pixelAtTwips(const QImage &image, double x, double y)
{
    const QPoint p = pixelOfTwips(x, y);
    return pixelAt(image, p.x(), p.y());
}

int countColour(const QImage &image, QRgb colour, const QRect &rect)
{
    const QRect area = rect.isNull() ? image.rect() : rect.intersected(image.rect());
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            count += pixelAt(image, x, y) == (colour | 0xFF000000u);
    }
    return count;
}

int countRgb(const QImage &image, Rgb colour, const QRect &rect)
{
    return countColour(image, toQRgb(colour), rect);
}

bool isAllWhite(const QImage &image)
{
    return countColour(image, kWhitePixel) == image.width() * image.height();
}

int inkNearTwips(const QImage &image, double x, double y, QRgb colour, int reach)
{
    const QPoint p = pixelOfTwips(x, y);
    return countColour(image, colour, QRect(p - QPoint(reach, reach), p + QPoint(reach, reach)));
}

void savePicture(const QImage &image, const QString &name)
{
    const QString dir = QDir::current().absoluteFilePath(QStringLiteral("test-pictures"));
    QDir().mkpath(dir);
    image.save(dir + u'/' + name + QStringLiteral(".png"));
}

} // namespace garabel::test
