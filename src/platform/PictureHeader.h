#pragma once

#include <QtGlobal>

#include <optional>

class QByteArray;
class QIODevice;

namespace garabel {

enum class PictureKind { Unknown, Bmp, Gif, Jpeg };

// The kind of picture a file holds, told by its first bytes alone ("BM",
// "GIF87a" / "GIF89a", FF D8 FF), whatever its name says. Anything else,
// however readable by some decoder, is Unknown.
PictureKind pictureKind(const QByteArray &firstBytes);

// What a picture file's own structure announces, learnt without decoding it.
struct PictureHeader {
    // The size the decoder will allocate for the first picture; 0 when the
    // header announces no usable size.
    qint64 width = 0;
    qint64 height = 0;
    // False when the file ends before the data of the first picture does: a
    // decoder would fill the missing part with made-up pixels.
    bool complete = false;
};

// Walks the structure of a picture file of the given kind from the start of
// `file`, a random-access device open for reading, far enough to learn the
// allocated size and whether the data is all present. nullopt when the
// structure is broken or cut off before the size is known. The position of
// `file` is left anywhere.
std::optional<PictureHeader> readPictureHeader(QIODevice &file, PictureKind kind);

} // namespace garabel
