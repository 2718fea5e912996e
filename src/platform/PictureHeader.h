#pragma once

#include <QtGlobal>

#include <optional>

class QByteArray;
class QIODevice;

namespace garabel {

enum class PictureKind { Unknown, Bmp, Gif, Jpeg, Png };

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
};

// Walks the header of a picture file of the given kind from the start of
// `file`, a random-access device open for reading, up to where the image data
// begins (a BMP's pixels, a GIF's first image data, a JPEG's first scan, a
// PNG's first IDAT chunk). nullopt when the file ends inside the header or the
// header is impossible (no size, a negative width...). The position of `file`
// is left anywhere.
std::optional<PictureHeader> readPictureHeader(QIODevice &file, PictureKind kind);

} // namespace garabel
