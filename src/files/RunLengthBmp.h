#pragma once

#include <QImage>

#include <optional>

class QIODevice;

namespace garabel {

struct PictureHeader;

struct RunLengthPicture {
    QImage picture;  // RGB32
    bool complete = false;  // the data reached its end marker or the last row
};

// Decodes the pixels of a run-length coded BMP (RLE4 or RLE8) whose header
// `header` announces, from the start of `file`. Only what the data holds is
// drawn: pixels it skips or never reaches are white, and a run cut by the end
// of the file draws nothing. nullopt when the colour table is cut.
std::optional<RunLengthPicture> readRunLengthBmp(QIODevice &file, const PictureHeader &header);

} // namespace garabel
