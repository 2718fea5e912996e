#pragma once

#include "files/GifFrame.h"

#include <QRgb>
#include <QtGlobal>

#include <optional>

class QByteArray;
class QIODevice;

namespace garabel {

enum class PictureKind { Unknown, Bmp, Gif, Jpeg, Png };

// A picture of a known kind that the readers do not decode.
enum class Unsupported { No, BmpDepth, BmpHoldingJpeg, BmpHoldingPng };

// The kind of picture a file holds, told by its first 8 bytes alone ("BM",
// "GIF87a" / "GIF89a", FF D8 FF, the PNG signature), whatever its name says.
// Anything else, however readable by some decoder, is Unknown.
PictureKind pictureKind(const QByteArray &firstBytes);

// What a picture file's own header announces, learnt without decoding it.
struct PictureHeader {
    // The size the decoder will allocate for the first picture.
    qint64 width = 0;
    qint64 height = 0;
    // An uncompressed BMP's rows have a known length, so the rows the file
    // holds are known: whole rows of pixels present, counted in file order
    // (from the bottom of the picture when bottomUp). -1 for every other
    // picture, whose decoder finds where its data ends.
    qint64 storedRows = -1;
    bool bottomUp = false;
    // 4 or 8 for a BMP whose pixels are run-length coded (RLE4, RLE8), else 0.
    int runLengthBits = 0;
    // False where the file is seen to end before the first picture's data
    // does: a GIF whose data blocks are cut, a JPEG without its end marker.
    bool dataComplete = true;
    // What the pixels that the data does not reach become: the GIF's
    // background colour when it has a global colour table, otherwise white.
    QRgb background = 0xFFFFFFFF;
    // False when the file ends inside the header, or the header is
    // impossible, after the size: the size is known, the file is refused.
    bool sound = true;
    // A BMP of 2 or 64 bits per pixel (bitsPerPixel), or holding a JPEG or PNG.
    Unsupported unsupported = Unsupported::No;
    int bitsPerPixel = 0;
    // The first image of a GIF, and how far its data reaches.
    GifFrame gifFrame = {};
};

// Walks the header of a picture file of the given kind from the start of
// `file`, a random-access device open for reading, up to where the image data
// begins (a BMP's pixels, a GIF's first image data, a JPEG's first scan, a
// PNG's first IDAT chunk), and for a GIF and a JPEG on to where that data
// ends (dataComplete). nullopt when the file ends inside the header or the
// header is impossible before the size is known (no size, a negative
// width...); past it, a header with sound false. The position of `file` is
// left anywhere.
std::optional<PictureHeader> readPictureHeader(QIODevice &file, PictureKind kind);

} // namespace garabel
