#include "window/ColourStrip.h"

#include <array>
#include <span>

namespace garabel {

// Layout. A swatch whose colour starts at column c covers columns c .. c+11, rows 3 .. 14.
// Its frame is sunken, as a button face is: black above (row 2, columns c-1 .. c+11) and to
// the left (column c-1, rows 2 .. 14); silver below (row 15, columns c-1 .. c+12) and to the
// right (column c+12, rows 2 .. 15), the light edges owning the two corners they share with the
// dark ones. Swatches repeat every 16 columns, leaving two grey columns between frames.
// The silver top line of a block lies on row 0 and spans the block's frames, from the first
// swatch's black edge to the last swatch's silver edge. The last swatch of block 2 has only
// 11 colour columns; its frame closes right after them. Rows 1, 16, 17 and 18 are grey.

namespace {

constexpr QRgb kGrey = 0xff808080;
constexpr QRgb kSilver = 0xffc0c0c0;
constexpr QRgb kBlack = 0xff000000;

constexpr int kSwatchPitch = 16;
constexpr int kSwatchSide = 12;
constexpr int kTopLine = 0;
constexpr int kColourTop = 3;

struct Block {
    int start;
    std::span<const QRgb> colours;
    int lastWidth; // colour columns of the last swatch
};

constexpr QRgb kBlock1[] = {0xffffffff, 0xffc0c0c0, 0xffff0000, 0xffffff00, 0xff00ff00, 0xff00ffff, 0xff0000ff,
                            0xffff00ff, 0xffffff80, 0xff00ff80, 0xff80ffff, 0xff8080ff, 0xffff0080, 0xffff8040};
constexpr QRgb kBlock2[] = {0xffffffff, 0xffc0c0c0, 0xffff0000, 0xffcc9966,
                            0xff00ff00, 0xffcc33cc, 0xff336633, 0xffff00ff};
constexpr QRgb kBlock3[] = {0xff000000, 0xff808080, 0xff800000, 0xff808000, 0xff008000, 0xff008080, 0xff000080,
                            0xff800080, 0xff808040, 0xff004040, 0xff0080ff, 0xff004080, 0xff4000ff, 0xff804000};
constexpr QRgb kBlock4[] = {0xff000000, 0xff808080, 0xff800000, 0xff993300,
                            0xff008000, 0xff008080, 0xff000080, 0xff800080};

const std::array<Block, 4> kBlocks = {{
    {6, kBlock1, kSwatchSide},
    {230, kBlock2, kSwatchSide - 1},
    {359, kBlock3, kSwatchSide},
    {583, kBlock4, kSwatchSide},
}};

// Draws one framed swatch whose colour starts at column `left` and is `width` columns wide.
void drawSwatch(QImage &strip, int left, int width, QRgb colour)
{
    const int right = left + width; // the silver column
    const int bottom = kColourTop + kSwatchSide; // the silver row
    for (int y = kColourTop; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            strip.setPixel(x, y, colour);
    for (int x = left - 1; x < right; ++x)
        strip.setPixel(x, kColourTop - 1, kBlack);
    for (int y = kColourTop - 1; y < bottom; ++y)
        strip.setPixel(left - 1, y, kBlack);
    for (int x = left - 1; x <= right; ++x)
        strip.setPixel(x, bottom, kSilver);
    for (int y = kColourTop - 1; y <= bottom; ++y)
        strip.setPixel(right, y, kSilver);
}

} // namespace

std::vector<ColourSwatch> colourSwatches()
{
    std::vector<ColourSwatch> swatches;
    for (const Block &block : kBlocks) {
        const int count = int(block.colours.size());
        for (int k = 0; k < count; ++k) {
            const int width = k == count - 1 ? block.lastWidth : kSwatchSide;
            swatches.push_back({QRect(block.start + kSwatchPitch * k, kColourTop, width, kSwatchSide),
                                fromQRgb(block.colours[size_t(k)])});
        }
    }
    return swatches;
}

QImage colourStripPicture()
{
    QImage strip(kColourStripWidth, kColourStripHeight, QImage::Format_RGB32);
    strip.fill(kGrey);
    for (const ColourSwatch &swatch : colourSwatches())
        drawSwatch(strip, swatch.pixels.left(), swatch.pixels.width(), toQRgb(swatch.colour));
    for (const Block &block : kBlocks) {
        const int lastRight = block.start + kSwatchPitch * (int(block.colours.size()) - 1) + block.lastWidth;
        for (int x = block.start - 1; x <= lastRight; ++x)
            strip.setPixel(x, kTopLine, kSilver);
    }
    return strip;
}

} // namespace garabel
