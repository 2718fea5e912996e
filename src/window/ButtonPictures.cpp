#include "window/ButtonPictures.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace garabel {

namespace {

constexpr int kIconSide = 32;
constexpr int kCursorSide = 16;

constexpr QRgb kDotColour = 0xff2e3a46;
constexpr QRgb kFrameColour = 0xffc5d0db;

// Renders an SVG from the resources at `size` logical pixels over `background`, with
// `ratio` device pixels to each; a null image when the resource is missing or unreadable,
// so a broken asset shows as a blank button, not a crash.
QImage renderSvg(const QString &path, QSize size, QImage::Format format, const QColor &background,
                 bool antialiased = true, double ratio = 1)
{
    QSvgRenderer renderer(path);
    if (!renderer.isValid())
        return {};
    QImage image(size * ratio, format);
    image.setDevicePixelRatio(ratio);
    image.fill(background);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, antialiased);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, antialiased);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return image;
}

QImage renderIcon(const QString &path, int side, double ratio = 1)
{
    return renderSvg(path, QSize(side, side), QImage::Format_ARGB32_Premultiplied, Qt::transparent, true, ratio);
}

bool inRange(int index, int count)
{
    return index >= 0 && index < count;
}

} // namespace

QImage paletteIcon(int index, double ratio)
{
    if (!inRange(index, kPaletteIconCount))
        return {};
    return renderIcon(QStringLiteral(":/assets/tool%1.svg").arg(index, 2, 10, QLatin1Char('0')), kIconSide, ratio);
}

QImage gridIcon(int index)
{
    if (!inRange(index, kGridIconCount))
        return {};
    // Dot pitches in pixels. Each divides the side of the square (24, or 25 for pitch 5), so
    // every square ends on a dot, and the number of dots falls strictly from one to the next.
    static constexpr int kPitch[kGridIconCount] = {2, 3, 4, 5, 6, 8, 12, 24};
    const int pitch = kPitch[index];
    const int span = 24 % pitch == 0 ? 24 : 25;
    const int origin = (kIconSide - span - 1) / 2;

    QImage image(kIconSide, kIconSide, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        // A light frame shows the square even when only its corner dots are left.
        QPainter painter(&image);
        painter.setPen(QColor::fromRgba(kFrameColour));
        painter.drawRect(origin - 2, origin - 2, span + 4, span + 4);
    }
    for (int y = origin; y <= origin + span; y += pitch)
        for (int x = origin; x <= origin + span; x += pitch)
            image.setPixel(x, y, kDotColour);
    return image;
}

QImage reflectionIcon(int index, double ratio)
{
    if (!inRange(index, kReflectionIconCount))
        return {};
    return renderIcon(QStringLiteral(":/assets/mirror%1.svg").arg(index), kIconSide, ratio);
}

QImage startupPicture()
{
    return renderSvg(QStringLiteral(":/assets/startup.svg"),
                     QSize(kStartupPictureWidth, kStartupPictureHeight), QImage::Format_RGB32, Qt::white);
}

QImage windowIcon()
{
    return renderIcon(QStringLiteral(":/assets/garabel.svg"), kIconSide);
}

QIcon windowIconAtEverySize()
{
    QIcon icon;
    for (const int side : kWindowIconSides)
        icon.addPixmap(QPixmap::fromImage(renderIcon(QStringLiteral(":/assets/garabel.svg"), side)));
    return icon;
}

QImage canvasCursorImage()
{
    // Drawn without antialiasing: a cursor is black, white or see-through, never grey.
    return renderSvg(QStringLiteral(":/assets/cursor.svg"), QSize(kCursorSide, kCursorSide),
                     QImage::Format_ARGB32_Premultiplied, Qt::transparent, false);
}

QPoint canvasCursorHotSpot()
{
    return {7, 7};
}

} // namespace garabel
