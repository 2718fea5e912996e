#pragma once

#include <QColor>
#include <cstdint>

namespace garabel {

// A colour as the program passes it between handlers: red + 256 x green + 65536 x blue.
using Rgb = std::uint32_t;

constexpr Rgb rgb(int red, int green, int blue)
{
    return Rgb(red & 255) | Rgb(green & 255) << 8 | Rgb(blue & 255) << 16;
}

constexpr Rgb kBlack = 0x000000;
constexpr Rgb kWhite = 0xFFFFFF;
constexpr Rgb kGreen = 0x00FF00;
constexpr Rgb kBlue = 0xFF0000;

inline QColor toQColor(Rgb c)
{
    return QColor(int(c & 255), int(c >> 8 & 255), int(c >> 16 & 255));
}

inline Rgb fromQColor(const QColor &c)
{
    return rgb(c.red(), c.green(), c.blue());
}

// QRgb (0xAARRGGBB) to the packed value.
inline Rgb fromQRgb(unsigned argb)
{
    return rgb(int(argb >> 16 & 255), int(argb >> 8 & 255), int(argb & 255));
}

inline unsigned toQRgb(Rgb c)
{
    return 0xFF000000u | (c & 255) << 16 | (c >> 8 & 255) << 8 | (c >> 16 & 255);
}

} // namespace garabel
