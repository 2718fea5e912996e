#include "window/OptionPictures.h"

#include <QPainter>
#include <QPolygonF>

#include <array>
#include <cmath>
#include <numbers>

namespace garabel {

namespace {

constexpr int kSmall = 16;
constexpr int kLarge = 32;

// The same friendly colours as the SVG button pictures.
constexpr QRgb kInk = 0xff2e3a46;
constexpr QRgb kBlue = 0xff3d7edb;
constexpr QRgb kRed = 0xffe2503c;
constexpr QRgb kFaint = 0xffc5d0db;
constexpr QRgb kPink = 0xfff08aa0;
constexpr QRgb kNumber = 0xff5d6975;

QImage blank(int side)
{
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

bool inRange(int index, int count)
{
    return index >= 0 && index < count;
}

QPen pen(QRgb colour, qreal width, Qt::PenStyle style = Qt::SolidLine)
{
    return QPen(QColor::fromRgba(colour), width, style, Qt::RoundCap, Qt::RoundJoin);
}

void dot(QPainter &painter, QPointF centre, qreal radius, QRgb colour)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor::fromRgba(colour));
    painter.drawEllipse(centre, radius, radius);
    painter.setBrush(Qt::NoBrush);
}

// Vertex k of a pentagon with its first vertex straight up, on an ellipse of radii rx, ry.
QPointF pentagonVertex(QPointF centre, qreal rx, qreal ry, int k)
{
    const double angle = (-90.0 + 72.0 * k) * std::numbers::pi / 180.0;
    return centre + QPointF(rx * std::cos(angle), ry * std::sin(angle));
}

QPolygonF pentagon(QPointF centre, qreal rx, qreal ry)
{
    QPolygonF polygon;
    for (int k = 0; k < 5; ++k)
        polygon << pentagonVertex(centre, rx, ry, k);
    return polygon;
}

// Draws the polygon mode picture in a 16 x 16 box; the anchor and the pointer are red.
void drawPolygonMode(QPainter &painter, int mode)
{
    const QPointF centre(8, 8.5);
    switch (mode) {
    case 0: {
        const QPolygonF shape = pentagon(centre, 6.8, 6.8);
        painter.setPen(pen(kBlue, 1.3));
        painter.drawPolygon(shape);
        painter.setPen(pen(kInk, 1, Qt::DotLine));
        painter.drawLine(centre, shape[1]);
        dot(painter, centre, 1.5, kRed);
        dot(painter, shape[1], 1.7, kRed);
        break;
    }
    case 1: {
        painter.setPen(pen(kFaint, 1));
        painter.drawEllipse(centre, 7.2, 4.6);
        const QPolygonF shape = pentagon(centre, 7.2, 4.6);
        painter.setPen(pen(kBlue, 1.3));
        painter.drawPolygon(shape);
        dot(painter, centre, 1.5, kRed);
        for (const QPointF &vertex : shape)
            dot(painter, vertex, 1.1, kInk);
        break;
    }
    case 2: {
        // The bottom side, anchor to pointer, is given; the pentagon stands on it.
        const QPointF middle(8, 8.2);
        const QPolygonF shape = pentagon(middle, 6.6, 6.6);
        painter.setPen(pen(kBlue, 1.3));
        painter.drawPolygon(shape);
        painter.setPen(pen(kRed, 2));
        painter.drawLine(shape[3], shape[2]);
        dot(painter, shape[3], 1.5, kRed);
        dot(painter, shape[2], 1.5, kRed);
        break;
    }
    }
}

// Draws the circular figure picture in a 16 x 16 box: the drawn part strong, the rest faint.
void drawCircleMode(QPainter &painter, int mode)
{
    const QRectF circle(1.5, 1.5, 13, 13);
    const QPointF centre = circle.center();
    auto arc = [&](int startDegrees, int spanDegrees) {
        painter.setPen(pen(kFaint, 1));
        painter.drawEllipse(circle);
        painter.setPen(pen(kBlue, 2));
        painter.drawArc(circle, startDegrees * 16, spanDegrees * 16);
        dot(painter, centre, 1.3, kInk);
    };
    switch (mode) {
    case 0:
        painter.setPen(pen(kBlue, 1.6));
        painter.drawEllipse(circle);
        dot(painter, centre, 1.3, kInk);
        break;
    case 1: {
        const QRectF box(1.5, 3.5, 13, 9);
        painter.setPen(pen(kFaint, 1, Qt::DashLine));
        painter.drawRect(box);
        painter.setPen(pen(kBlue, 1.6));
        painter.drawEllipse(box);
        break;
    }
    case 2: arc(0, 90); break;
    case 3: arc(270, 90); break;
    case 4: arc(0, 180); break;
    case 5: arc(270, 180); break;
    }
}

// Digits three pixels wide and five high, one row of bits per entry, most significant left:
// a picture this small needs its own tiny font to stay sharp and identical everywhere.
constexpr std::array<std::array<int, 5>, 10> kDigits = {{
    {7, 5, 5, 5, 7}, {2, 6, 2, 2, 7}, {7, 1, 7, 4, 7}, {7, 1, 7, 1, 7}, {5, 5, 7, 1, 1},
    {7, 4, 7, 1, 7}, {7, 4, 7, 5, 7}, {7, 1, 2, 2, 2}, {7, 5, 7, 5, 7}, {7, 5, 7, 1, 7},
}};

void drawNumber(QImage &image, int number, int centreX, int top, QRgb colour)
{
    const QString text = QString::number(number);
    const int width = int(text.size()) * 4 - 1;
    int left = centreX - width / 2;
    for (QChar c : text) {
        const auto &rows = kDigits[size_t(c.digitValue())];
        for (int row = 0; row < 5; ++row)
            for (int col = 0; col < 3; ++col)
                if (rows[size_t(row)] & (4 >> col))
                    image.setPixel(left + col, top + row, colour);
        left += 4;
    }
}

// Whether the pattern `style` has a line through pixel (x, y) of the square's inside.
bool patternCovers(int style, int x, int y)
{
    const bool horizontal = y % 3 == 1;
    const bool vertical = x % 3 == 1;
    const bool up = (x + y) % 4 == 1;                // "/": x + y constant runs up to the right
    const bool down = (x - y + 100) % 4 == 1;        // "\"
    switch (style) {
    case 0: return true;
    case 2: return horizontal;
    case 3: return vertical;
    case 4: return up;
    case 5: return down;
    case 6: return horizontal || vertical;
    case 7: return (x + y) % 6 == 2 || (x - y + 100) % 6 == 2; // wider, or the crossings fill in
    default: return false;
    }
}

} // namespace

QImage polygonModeIcon(int index)
{
    if (!inRange(index, kPolygonModeIconCount))
        return {};
    QImage image = blank(kSmall);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    drawPolygonMode(painter, index);
    return image;
}

QImage circleModeIcon(int index)
{
    if (!inRange(index, kCircleModeIconCount))
        return {};
    const int side = index < 2 ? kSmall : kLarge;
    QImage image = blank(side);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate((side - kSmall) / 2, (side - kSmall) / 2);
    drawCircleMode(painter, index);
    return image;
}

QImage penWidthIcon(int index)
{
    if (!inRange(index, kPenWidthIconCount))
        return {};
    const int width = index + 1;
    const int box = (kLarge - kOptionContentSide) / 2;
    QImage image = blank(kLarge);
    drawNumber(image, width, kLarge / 2, box, kNumber);
    // The bar lives in the 14 rows under the number, the widest pen filling them all.
    const int barTop = box + 6 + (kPenWidthIconCount - width) / 2;
    QPainter painter(&image);
    painter.fillRect(box, barTop, kOptionContentSide, width, QColor::fromRgba(kInk));
    return image;
}

QImage fillPatternIcon(int index)
{
    if (!inRange(index, kFillPatternIconCount))
        return {};
    const int box = (kLarge - kOptionContentSide) / 2;
    const int inside = kOptionContentSide - 2;
    QImage image = blank(kLarge);
    for (int y = 0; y < inside; ++y)
        for (int x = 0; x < inside; ++x)
            if (patternCovers(index, x, y))
                image.setPixel(box + 1 + x, box + 1 + y, kBlue);
    QPainter painter(&image);
    painter.setPen(QColor::fromRgba(kInk));
    painter.drawRect(box, box, kOptionContentSide - 1, kOptionContentSide - 1);
    return image;
}

QImage eraserIcon(int index)
{
    if (!inRange(index, kEraserIconCount))
        return {};
    // Sides grow by the same step, as the eraser's reach does (20 + 25 x index twips).
    const int side = 4 + 2 * index;
    const int origin = (kSmall - side) / 2;
    QImage image = blank(kSmall);
    QPainter painter(&image);
    painter.fillRect(origin, origin, side, side, QColor::fromRgba(kPink));
    painter.setPen(QColor::fromRgba(kInk));
    painter.drawRect(origin, origin, side - 1, side - 1);
    return image;
}

} // namespace garabel
