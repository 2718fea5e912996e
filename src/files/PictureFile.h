#pragma once

// src/files: picture headers, the readers and writers of BMP, JPEG, GIF and PNG,
// and the Spanish reasons for what failed. Pure: Qt Gui only.

#include "files/PictureHeader.h"

#include <QImage>
#include <QString>

class QIODevice;

namespace garabel {

// Our own limits for a picture read from a file, checked from its header before
// anything is decoded, whatever Qt's allocation limit says.
inline constexpr qint64 kMaxPictureSide = 16384;
inline constexpr qint64 kMaxPicturePixels = 64'000'000;

struct PictureRead {
    QImage picture;  // null when the file was refused
    QString error;   // why it was refused, in Spanish; empty when the picture was read
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
// reach are white in a BMP or PNG, the GIF's background colour in a GIF, and
// what the JPEG decoder makes of the missing blocks in a JPEG (the common case
// of a JPEG without its end marker loads whole). Never a pixel of memory that
// the file did not fill, nor one a run cut by the end of the file makes up.
// Such a picture comes marked partial. Whether whole or not, reading holds at
// most the picture in the decoder's format, the picture returned and one bit
// per pixel at a time.
// Unicode paths of any length are taken as they are.
PictureRead readPicture(const QString &path);
// The same from a random-access device open for reading (a file already opened, a buffer).
PictureRead readPicture(QIODevice &file);

// Writes the picture as a 24-bit BMP or as a PNG file (kind Bmp or Png) of
// the picture's size. An existing target that is not a regular file once links
// are followed (a folder, FIFO, device, socket) is refused and left alone; a
// link to a regular file is written through, and stays a link. The data goes
// to a temporary file beside the file written, renamed over it only once
// complete, so a failure leaves an existing file untouched and no temporary
// file behind. Returns an empty string on success, otherwise the reason in
// Spanish (a missing folder, a full disk, no permission...).
QString writePicture(const QImage &picture, const QString &path, PictureKind kind);

// What stands in the way of writing a file at `path`, in Spanish, found
// without opening anything: an existing target that is not a regular file once
// links are followed, one without write permission, a path that cannot be
// looked up. Empty when nothing does (a missing file is no problem).
QString writeTargetProblem(const QString &path);
// The same, and then why a file cannot be opened for writing there (a missing
// folder, no permission in it), found by opening it without truncating it; a
// file made only for asking is removed. Empty when it opens.
QString writeOpenProblem(const QString &path);

} // namespace garabel
