#pragma once

// src/files: picture headers, the readers and writers of BMP, JPEG, GIF and PNG,
// and the Spanish reasons for what failed. Pure: Qt Gui only.

#include "files/PictureHeader.h"
#include "common/Result.h"

#include <QImage>
#include <QString>

class QIODevice;

namespace garabel {

// Our own limits for a picture read from a file, checked from its header before
// anything is decoded, whatever Qt's allocation limit says.
inline constexpr qint64 kMaxPictureSide = 16384;
inline constexpr qint64 kMaxPicturePixels = 64'000'000;

struct PictureRead {
    QImage picture;
    bool partial = false;  // the header was sound but the data ended early or broke off
};

// Reads the first picture of a BMP, GIF, JPEG or PNG file, defensively:
// - only a regular file is opened; a folder, FIFO or device is refused at once,
//   without blocking and without opening it;
// - the decoder is chosen by the file's first bytes alone, never by its name or
//   by Qt's detection, so no other decoder ever runs (a run-length coded BMP
//   is read by our own);
// - the size the header announces is checked against kMaxPictureSide and
//   kMaxPicturePixels before decoding.
// One rule for damaged files, whatever the format: a file cut inside its
// header, or whose header is impossible, is refused. A file whose header is
// complete and sound loads with what its image data holds, as picture viewers
// show it: where the data ends early or breaks off, the pixels it does not
// reach are white in a BMP or PNG, the GIF's background colour in a GIF (an
// interlaced one too, whose decoder fills rows ahead with copies), and what
// the JPEG decoder makes of the missing blocks in a JPEG (the common case of a
// JPEG without its end marker loads whole). Never a pixel of memory that the
// file did not fill, nor one a run cut by the end of the file makes up. Such a
// picture comes marked partial, a JPEG too when its decoder finds its data
// ending early, even with an end marker after.
// A BMP of a kind the decoders do not read (2 or 64 bits per pixel, a JPEG or
// PNG inside) is refused as not supported; a size beyond the limits is told
// so even when the header is broken after it. Whether whole or not, reading holds at
// most the picture in the decoder's format, the picture returned and one bit
// per pixel at a time.
// A refused file gives the reason in Spanish. Unicode paths of any length are
// taken as they are, and encodedFileName() gives the bytes of the name.
Result<PictureRead> readPicture(const QString &path);
// The same from a random-access device open for reading (a file already opened, a buffer).
Result<PictureRead> readPicture(QIODevice &file);

// Writes the picture as a 24-bit BMP or as a PNG file (kind Bmp or Png) of
// the picture's size. An existing target that is not a regular file once links
// are followed (a folder, FIFO, device, socket) is refused and left alone; a
// link to a regular file is written through, and stays a link. The data goes
// to a temporary file beside the file written, renamed over it only once
// complete, so a failure leaves an existing file untouched and no temporary
// file behind. A failure says why in Spanish (a missing folder, a full disk,
// no permission...).
Result<void> writePicture(const QImage &picture, const QString &path, PictureKind kind);

// Whether a file can be written at `path`, found without opening anything: it
// fails, saying why in Spanish, on an existing target that is not a regular
// file once links are followed, one without write permission, a path that
// cannot be looked up (a missing file is no problem).
Result<void> checkWriteTarget(const QString &path);
// The same, and then whether a file can be opened for writing there (not in a
// missing folder, nor without permission in it), found by opening it without
// truncating it; a file made only for asking is removed.
Result<void> checkWriteOpen(const QString &path);

} // namespace garabel
