#include "platform/PictureFile.h"

#include "platform/PictureFileReasons.h"

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

// Opens `path` for reading only when it is a regular file. Returns the reason otherwise.
QString openRegularFile(const QString &path, QFile &file)
{
    if (path.isEmpty() || path.contains(QChar(0)))
        return Reasons::systemReason(ENOENT, Access::Reading);
#ifdef Q_OS_UNIX
    const QByteArray name = QFile::encodeName(path);
    struct stat info = {};
    // Looked at before opening, so that no device is ever opened.
    if (::stat(name.constData(), &info) != 0)
        return Reasons::systemReason(errno, Access::Reading);
    if (!S_ISREG(info.st_mode))
        return Reasons::notRegular(S_ISDIR(info.st_mode));
    // Non-blocking and checked again, so that a FIFO put in its place since cannot hang us.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return Reasons::systemReason(errno, Access::Reading);
    info = {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return Reasons::notRegular(S_ISDIR(info.st_mode));
    }
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return Reasons::deviceReason(file, Access::Reading);
    }
#else
    const QFileInfo info(path);
    if (!info.exists())
        return Reasons::systemReason(ENOENT, Access::Reading);
    if (!info.isFile())
        return Reasons::notRegular(info.isDir());
    file.setFileName(path);
    if (!file.open(QIODevice::ReadOnly))
        return Reasons::deviceReason(file, Access::Reading);
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

PictureRead refused(const QString &why)
{
    return {QImage(), why};
}

struct Decoded {
    QImage picture;
    bool ok = false;
    bool deviceError = false;
    bool filledInPlace = false;  // the decoder wrote into the prefilled picture
};

// Only the decoder of that one format runs: no guessing from the name or the
// content. Where the decoder tells the picture's size and format ahead, it
// decodes into a picture prefilled with `fill` bytes, which Qt's decoders
// keep: a decoder that stops early leaves the rest of it as it was.
Decoded decode(QIODevice &file, PictureKind kind, uchar fill)
{
    Decoded d;
    if (!file.seek(0))
        return d;
    QImageReader reader(&file, decoderName(kind));
    reader.setAutoDetectImageFormat(false);
    reader.setDecideFormatFromContent(false);
    const QSize size = reader.size();
    const QImage::Format format = reader.imageFormat();
    if (size.isValid() && withinLimits(size.width(), size.height()) && format != QImage::Format_Invalid) {
        d.picture = QImage(size, format);
        if (!d.picture.isNull())
            std::fill_n(d.picture.bits(), d.picture.sizeInBytes(), fill);
    }
    const uchar *prefilled = d.picture.isNull() ? nullptr : d.picture.constBits();
    d.ok = reader.read(&d.picture);
    d.deviceError = reader.error() == QImageReader::DeviceError;
    d.filledInPlace = prefilled && d.picture.constBits() == prefilled;
    return d;
}

QImage directColours(const QImage &picture)
{
    return picture.convertToFormat(picture.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
}

// Two decodes over different fills agree on every pixel the data reached; the others become white.
QImage whitenUnreached(const QImage &overZeros, const QImage &overOnes)
{
    QImage result = directColours(overZeros);
    // Pixels of whole bytes are compared byte for byte; smaller ones by their index.
    const int bytesPerPixel = overZeros.depth() >= 8 ? overZeros.depth() / 8 : 0;
    for (int y = 0; y < result.height(); ++y) {
        const uchar *zeros = overZeros.constScanLine(y), *ones = overOnes.constScanLine(y);
        if (bytesPerPixel && std::equal(zeros, zeros + overZeros.width() * bytesPerPixel, ones))
            continue;
        auto *row = reinterpret_cast<QRgb *>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x) {
            const bool reached = bytesPerPixel
                ? std::equal(zeros + x * bytesPerPixel, zeros + (x + 1) * bytesPerPixel, ones + x * bytesPerPixel)
                : overZeros.pixelIndex(x, y) == overOnes.pixelIndex(x, y);
            if (!reached)
                row[x] = qRgb(255, 255, 255);
        }
    }
    return result;
}

// An uncompressed BMP cut short: the rows it does not hold become white.
QImage whitenMissingRows(const QImage &picture, const PictureHeader &header)
{
    QImage result = directColours(picture);
    const qint64 missing = header.height - header.storedRows;
    const qint64 first = header.bottomUp ? 0 : header.storedRows;
    for (qint64 y = first; y < first + missing; ++y) {
        auto *row = reinterpret_cast<QRgb *>(result.scanLine(int(y)));
        std::fill_n(row, result.width(), qRgb(255, 255, 255));
    }
    return result;
}

PictureRead decodeSound(QIODevice &file, PictureKind kind, const PictureHeader &header)
{
    allowTheLargestPicture();
    Decoded first = decode(file, kind, 0x00);
    if (first.deviceError) {
        const auto *device = qobject_cast<const QFileDevice *>(&file);
        return refused(device ? Reasons::deviceReason(*device, Access::Reading)
                              : Reasons::systemReason(EIO, Access::Reading));
    }
    // Which pixels the data reached is known from the header for an
    // uncompressed BMP. When the decoder stopped early, or an RLE BMP may have
    // skipped pixels, it is learnt by decoding again over a different fill.
    if (!first.ok || (kind == PictureKind::Bmp && header.storedRows < 0)) {
        const Decoded second = first.filledInPlace ? decode(file, kind, 0xFF) : Decoded{};
        if (second.filledInPlace && second.picture.size() == first.picture.size())
            first.picture = whitenUnreached(first.picture, second.picture);
        else if (!first.ok)
            return refused(Reasons::damaged());
    }
    QImage &picture = first.picture;
    if (!withinLimits(picture.width(), picture.height()))
        return refused(Reasons::tooBig(picture.width(), picture.height()));
    if (header.storedRows >= 0 && header.storedRows < header.height && picture.height() == header.height)
        picture = whitenMissingRows(picture, header);
    return {picture, QString()};
}

} // namespace

PictureRead readPicture(QIODevice &file)
{
    if (file.size() == 0)
        return refused(Reasons::tr("El fichero está vacío"));
    if (!file.seek(0))
        return refused(Reasons::systemReason(EIO, Access::Reading));
    const PictureKind kind = pictureKind(file.read(8));
    if (kind == PictureKind::Unknown)
        return refused(Reasons::tr("No es una imagen BMP, GIF, JPEG ni PNG"));
    const std::optional<PictureHeader> header = readPictureHeader(file, kind);
    if (!header || header->width <= 0 || header->height <= 0)
        return refused(Reasons::damaged());
    if (!withinLimits(header->width, header->height))
        return refused(Reasons::tooBig(header->width, header->height));
    return decodeSound(file, kind, *header);
}

PictureRead readPicture(const QString &path)
{
    QFile file;
    if (const QString why = openRegularFile(path, file); !why.isEmpty())
        return refused(why);
    return readPicture(file);
}

} // namespace garabel
