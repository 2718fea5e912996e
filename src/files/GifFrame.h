#pragma once

#include <QRect>
#include <QRgb>

class QImage;
class QIODevice;

namespace garabel {

// The first image of a GIF: its place on the logical screen as its descriptor
// gives it, whether its rows come interlaced, and how many pixels its data
// gives, counted as Qt's decoder counts them.
struct GifFrame {
    QRect place;
    bool interlaced = false;
    qint64 pixels = 0;

    bool whole() const { return pixels >= qint64(place.width()) * place.height(); }
};

// Follows the LZW data of `frame` from `file`, positioned just after its code
// size byte `codeSize`, and counts the pixels it gives into frame.pixels. The
// count stops where the decoder stops drawing: at the end code, at a code it
// cannot follow, at the end of the data. Returns whether the data's
// sub-blocks run to their terminator.
bool countGifPixels(QIODevice &file, int codeSize, GifFrame &frame);

// Paints `background` over the pixels of `picture`, as the decoder gave it
// (32 bits a pixel, the logical screen's size), that the data of `frame` does
// not reach. Those of the frame are found on its rows in the order the decoder
// fills them, which for an interlaced image is not top to bottom: meanwhile it
// fills the rows not reached yet with copies of the rows above them. Those
// outside it the decoder leaves as zero bytes, which no pixel it draws is
// (opaque ones have an alpha of 255, transparent ones are 0x00FFFFFF).
// Returns whether the data fell short of any pixel.
bool paintUnreachedGifPixels(QImage &picture, const GifFrame &frame, QRgb background);

} // namespace garabel
