#include "drawing/GridMath.h"

#include "raster/SurfaceLayer.h"

namespace garabel {

std::vector<int> gridDotPixels(int step, double outerTwips, int innerPixels)
{
    std::vector<int> pixels;
    if (step <= 0)
        return pixels;
    for (double t = 0; t <= outerTwips; t += step) {
        const int at = SurfaceLayer::toPixel(t, 0, Units::Twips).x();
        if (at < innerPixels)
            pixels.push_back(at);
    }
    return pixels;
}

double leadingNumber(const QString &text)
{
    int i = 0;
    const int n = int(text.size());
    while (i < n && text[i].isSpace())
        ++i;
    QString number;
    if (i < n && (text[i] == u'-' || text[i] == u'+'))
        number += text[i++];
    bool digits = false, point = false;
    for (; i < n; ++i) {
        const QChar c = text[i];
        if (c.isDigit() && c.unicode() < 128) {
            digits = true;
            number += c;
        } else if (c == u'.' && !point) {
            point = true;
            number += c;
        } else {
            break;
        }
    }
    return digits ? number.toDouble() : 0.0;
}

} // namespace garabel
