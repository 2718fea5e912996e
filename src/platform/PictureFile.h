#pragma once

#include <QImage>
#include <QString>

namespace garabel {

// Our own limits for a picture read from a file, checked from its header before
// anything is decoded, whatever Qt's allocation limit says.
inline constexpr qint64 kMaxPictureSide = 16384;
inline constexpr qint64 kMaxPicturePixels = 64'000'000;

struct PictureRead {
    QImage picture;  // null when the file was refused
    QString error;   // why it was refused, in Spanish; empty when the picture was read
};

// Reads the first picture of a BMP, GIF or JPEG file, defensively:
// - only a regular file is opened; a folder, FIFO or device is refused at once,
//   without blocking and without opening it;
// - the decoder is chosen by the file's first bytes alone, never by its name or
//   by Qt's detection, so no other decoder ever runs;
// - the size the header announces is checked against kMaxPictureSide and
//   kMaxPicturePixels before decoding;
// - a file whose data ends early is refused, not shown with made-up pixels.
// Unicode paths of any length are taken as they are.
PictureRead readPicture(const QString &path);

// Writes the picture as a 24-bit BMP file of the picture's size. The data goes
// to a temporary file beside `path`, renamed over it only once complete, so a
// failure leaves an existing file untouched and no temporary file behind.
// Returns an empty string on success, otherwise the reason in Spanish, as the
// file system gave it (a missing folder, a full disk, no permission...).
QString writeBmp(const QImage &picture, const QString &path);

} // namespace garabel
