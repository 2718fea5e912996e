#include "files/PictureFile.h"

#include "files/FileNames.h"
#include "files/JpegEndWatch.h"
#include "files/PictureFileReasons.h"
#include "files/RunLengthBmp.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include <algorithm>
#include <cerrno>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace garabel {

namespace {

using Reasons = PictureFileReasons;

bool withinLimits(qint64 width, qint64 height)
{
    return width <= kMaxPictureSide && height <= kMaxPictureSide && width * height <= kMaxPicturePixels;
}

// Opens `path` for reading only when it is a regular file.
Result<void> openRegularFile(const QString &path, QFile &file)
{
    if (path.isEmpty() || path.contains(QChar(0)))
        return Failure{Reasons::systemReason(ENOENT, Access::Reading)};
#ifdef Q_OS_UNIX
    const QByteArray name = encodedFileName(path);
    struct stat info = {};
    // Looked at before opening, so that no device is ever opened.
    if (::stat(name.constData(), &info) != 0)
        return Failure{Reasons::systemReason(errno, Access::Reading)};
    if (!S_ISREG(info.st_mode))
        return Failure{Reasons::notRegular(S_ISDIR(info.st_mode))};
    // Non-blocking and checked again, so that a FIFO put in its place since cannot hang us.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return Failure{Reasons::systemReason(errno, Access::Reading)};
    info = {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return Failure{Reasons::notRegular(S_ISDIR(info.st_mode))};
    }
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return Failure{Reasons::deviceReason(file, Access::Reading)};
    }
#else
    const QFileInfo info(path);
    if (!info.exists())
        return Failure{Reasons::systemReason(ENOENT, Access::Reading)};
    if (!info.isFile())
        return Failure{Reasons::notRegular(info.isDir())};
    file.setFileName(path);
    if (!file.open(QIODevice::ReadOnly))
        return Failure{Reasons::deviceReason(file, Access::Reading)};
#endif
    return {};
}

// Qt before 6.5 refuses to decode more than 128 MB; our limits allow up to 4
// bytes for each of kMaxPicturePixels. A lower limit set on purpose stays.
void allowTheLargestPicture()
{
    constexpr int kNeeded = int(kMaxPicturePixels * 4 / (1024 * 1024)) + 1;
    const int limit = QImageReader::allocationLimit();
    if (limit > 0 && limit < kNeeded)
        QImageReader::setAllocationLimit(kNeeded);
}

QByteArray decoderName(PictureKind kind)
{
    switch (kind) {
    case PictureKind::Bmp:
        return "bmp";
    case PictureKind::Gif:
        return "gif";
    case PictureKind::Jpeg:
        return "jpeg";
    case PictureKind::Png:
        return "png";
    case PictureKind::Unknown:
        break;
    }
    return {};
}

struct Decoded {
    QImage picture;
    bool ok = false;
    bool deviceError = false;
    bool filledInPlace = false;  // the decoder wrote into the prefilled picture
    bool dataEndedEarly = false;  // the JPEG decoder made up blocks for data that was not there
};

// Only the decoder of that one format runs: no guessing from the name or the
// content. It decodes into `picture` prefilled with `fill` bytes, which Qt's
// decoders keep when its size and format are theirs: a decoder that stops
// early leaves the rest of it as it was. When `picture` is null, one of the
// size and format the decoder tells ahead is made (none for a GIF, whose
// decoder starts from a picture of its own, all zero bytes).
Decoded decode(QIODevice &file, PictureKind kind, QImage picture, uchar fill, QSize announced)
{
    Decoded d;
    if (!file.seek(0))
        return d;
    {
        const JpegEndWatch watch;
        QImageReader reader(&file, decoderName(kind));
        reader.setAutoDetectImageFormat(false);
        reader.setDecideFormatFromContent(false);
        const QSize size = reader.size().isValid() ? reader.size() : announced;
        // Taken as a number: a decoder that could not read its header may tell no format at all.
        const int format = int(reader.imageFormat());
        if (picture.isNull() && withinLimits(size.width(), size.height()) && format > QImage::Format_Invalid
            && format < QImage::NImageFormats)
            picture = QImage(size, QImage::Format(format));
        if (!picture.isNull())
            std::fill_n(picture.bits(), picture.sizeInBytes(), fill);
        const uchar *prefilled = picture.isNull() ? nullptr : picture.constBits();
        d.ok = reader.read(&picture);
        d.deviceError = reader.error() == QImageReader::DeviceError;
        d.filledInPlace = prefilled && picture.constBits() == prefilled;
        d.dataEndedEarly = watch.dataEndedEarly();
    }
    // The reader is gone, so nothing else shares the picture's pixels.
    d.picture = std::move(picture);
    return d;
}

QImage directColours(const QImage &picture)
{
    return picture.convertToFormat(picture.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
}

QImage blankPicture(const PictureHeader &header)
{
    QImage picture(int(header.width), int(header.height), QImage::Format_RGB32);
    picture.fill(header.background);
    return picture;
}

bool indexed(const QImage &picture)
{
    return picture.depth() <= 8 && picture.format() != QImage::Format_Grayscale8;
}

// An indexed picture that the decoder gave up on, decoded over all-ones bytes:
// which pixels the data reached is learnt by decoding again into the same
// buffer over zero bytes, a reached pixel being the same in both. The reached
// ones keep their colour, the others become white. Besides the picture made,
// this holds the decoded picture and one bit per pixel.
QImage whitenUnreachedIndexes(QIODevice &file, PictureKind kind, QImage overOnes)
{
    const int width = overOnes.width(), height = overOnes.height();
    const uint ones = overOnes.depth() == 1 ? 1 : 0xFF;
    std::vector<bool> maybeUnreached(std::size_t(width) * std::size_t(height));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            maybeUnreached[std::size_t(y) * width + x] = uint(overOnes.pixelIndex(x, y)) == ones;
    }
    const Decoded overZeros = decode(file, kind, std::move(overOnes), 0x00, {});
    if (!overZeros.filledInPlace)
        return {};
    const QImage &decoded = overZeros.picture;
    const QList<QRgb> colours = decoded.colorTable();
    QImage result(width, height, decoded.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (result.isNull())  // no memory for the picture: the caller reports it
        return result;
    for (int y = 0; y < height; ++y) {
        auto *row = reinterpret_cast<QRgb *>(result.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const int index = decoded.pixelIndex(x, y);
            row[x] = maybeUnreached[std::size_t(y) * width + x] && index == 0 ? qRgb(255, 255, 255)
                                                                             : colours.value(index, qRgb(0, 0, 0));
        }
    }
    return result;
}

// An uncompressed indexed BMP cut short: the rows it does not hold become white.
QImage whitenMissingRows(const QImage &picture, const PictureHeader &header)
{
    QImage result = directColours(picture);
    if (result.isNull())  // no memory for the copy: the caller reports it
        return result;
    const qint64 missing = header.height - header.storedRows;
    const qint64 first = header.bottomUp ? 0 : header.storedRows;
    for (qint64 y = first; y < first + missing; ++y) {
        auto *row = reinterpret_cast<QRgb *>(result.scanLine(int(y)));
        std::fill_n(row, result.width(), qRgb(255, 255, 255));
    }
    return result;
}

Result<PictureRead> readRunLengthCoded(QIODevice &file, const PictureHeader &header)
{
    const std::optional<RunLengthPicture> read = readRunLengthBmp(file, header);
    if (!read || read->picture.isNull())
        return Failure{Reasons::damaged()};
    return PictureRead{read->picture, !read->complete};
}

// Over all-ones bytes, the pixels a decoder does not reach are already white
// in every format of direct colours; indexed ones and GIFs are seen to after.
Result<PictureRead> decodeSound(QIODevice &file, PictureKind kind, const PictureHeader &header)
{
    allowTheLargestPicture();
    if (header.runLengthBits)
        return readRunLengthCoded(file, header);
    Decoded d = decode(file, kind, QImage(), 0xFF, QSize(int(header.width), int(header.height)));
    if (d.deviceError) {
        const auto *device = qobject_cast<const QFileDevice *>(&file);
        return Failure{device ? Reasons::deviceReason(*device, Access::Reading)
                              : Reasons::systemReason(EIO, Access::Reading)};
    }
    const bool rowsMissing = header.storedRows >= 0 && header.storedRows < header.height;
    bool partial = !d.ok || !header.dataComplete || rowsMissing || d.dataEndedEarly;
    QImage &picture = d.picture;
    // A picture the decoder made itself and gave up on may hold memory it never wrote.
    if (!d.ok && !d.filledInPlace)
        picture = QImage();
    else if (!d.ok && indexed(picture))
        picture = whitenUnreachedIndexes(file, kind, std::move(picture));
    else if (rowsMissing && indexed(picture) && picture.height() == header.height)
        picture = whitenMissingRows(picture, header);
    else if (kind == PictureKind::Gif)
        partial = paintUnreachedGifPixels(picture, header.gifFrame, header.background) || partial;
    if (picture.isNull())
        picture = blankPicture(header);
    if (picture.isNull())
        return Failure{Reasons::outOfMemory()};
    if (!withinLimits(picture.width(), picture.height()))
        return Failure{Reasons::tooBig(picture.width(), picture.height())};
    return PictureRead{picture, partial};
}

} // namespace

Result<PictureRead> readPicture(QIODevice &file)
{
    if (file.size() == 0)
        return Failure{Reasons::tr("El fichero está vacío")};
    if (!file.seek(0))
        return Failure{Reasons::systemReason(EIO, Access::Reading)};
    const PictureKind kind = pictureKind(file.read(8));
    if (kind == PictureKind::Unknown)
        return Failure{Reasons::tr("No es una imagen BMP, GIF, JPEG ni PNG")};
    const std::optional<PictureHeader> header = readPictureHeader(file, kind);
    if (header && header->unsupported != Unsupported::No)
        return Failure{Reasons::notSupported(*header)};
    if (!header || header->width <= 0 || header->height <= 0)
        return Failure{Reasons::damaged()};
    if (!withinLimits(header->width, header->height))
        return Failure{Reasons::tooBig(header->width, header->height)};
    if (!header->sound)
        return Failure{Reasons::damaged()};
    return decodeSound(file, kind, *header);
}

Result<PictureRead> readPicture(const QString &path)
{
    QFile file;
    if (const Result<void> opened = openRegularFile(path, file); !opened.ok())
        return Failure{opened.reason()};
    return readPicture(file);
}

} // namespace garabel
