#include "platform/PictureFile.h"

#include "platform/PictureHeader.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QSaveFile>

#include <cerrno>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace garabel {

namespace {

enum class Access { Reading, Writing };

// The translation context of the texts of this file.
class PictureFile
{
    Q_DECLARE_TR_FUNCTIONS(PictureFile)
public:
    static QString systemReason(int error, Access access);
    static QString deviceReason(const QFileDevice &file, Access access);
    static QString notRegular(bool folder);
    static QString damaged() { return tr("El fichero está dañado o incompleto"); }
    static QString tooBig(qint64 width, qint64 height);
};

QString PictureFile::systemReason(int error, Access access)
{
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return access == Access::Writing ? tr("No existe la carpeta") : tr("No existe el fichero");
    case EACCES:
    case EPERM:
        return tr("Permiso denegado");
    case ENOSPC:
        return tr("El disco está lleno");
#ifdef EDQUOT
    case EDQUOT:
        return tr("Se ha agotado la cuota de disco");
#endif
    case EROFS:
        return tr("El disco es de solo lectura");
    case EFBIG:
        return tr("El fichero es demasiado grande");
    case ENAMETOOLONG:
        return tr("El nombre del fichero es demasiado largo");
    case EISDIR:
        return notRegular(true);
    case EMFILE:
    case ENFILE:
        return tr("Hay demasiados ficheros abiertos");
    case EIO:
        return tr("Error de entrada o salida en el disco");
    default:
        return qt_error_string(error);
    }
}

// Qt reports a system error by its (English) text: the text is matched back to
// the error to give it in Spanish. Other texts are Qt's own, shown as they are.
QString PictureFile::deviceReason(const QFileDevice &file, Access access)
{
    static const int known[] = {ENOENT, ENOTDIR, EACCES, EPERM, ENOSPC,
#ifdef EDQUOT
                                EDQUOT,
#endif
                                EROFS, EFBIG, ENAMETOOLONG, EISDIR, EMFILE, ENFILE, EIO};
    const QString text = file.errorString();
    for (const int error : known) {
        if (text == qt_error_string(error))
            return systemReason(error, access);
    }
    if (!text.isEmpty() && text != QCoreApplication::translate("QIODevice", "Unknown error"))
        return text;
    return access == Access::Writing ? tr("No se ha podido escribir en el disco") : tr("No se ha podido leer el disco");
}

QString PictureFile::notRegular(bool folder)
{
    return folder ? tr("Es una carpeta, no un fichero")
                  : tr("No es un fichero normal, sino un dispositivo, una tubería o un socket");
}

QString PictureFile::tooBig(qint64 width, qint64 height)
{
    return tr("La imagen mide %1 x %2 píxeles; como mucho se admiten %3 píxeles de lado y %4 millones de píxeles")
        .arg(width)
        .arg(height)
        .arg(kMaxPictureSide)
        .arg(kMaxPicturePixels / 1'000'000);
}

bool withinLimits(qint64 width, qint64 height)
{
    return width <= kMaxPictureSide && height <= kMaxPictureSide && width * height <= kMaxPicturePixels;
}

// Opens `path` for reading only when it is a regular file. Returns the reason otherwise.
QString openRegularFile(const QString &path, QFile &file)
{
    if (path.isEmpty() || path.contains(QChar(0)))
        return PictureFile::systemReason(ENOENT, Access::Reading);
#ifdef Q_OS_UNIX
    const QByteArray name = QFile::encodeName(path);
    struct stat info = {};
    // Looked at before opening, so that no device is ever opened.
    if (::stat(name.constData(), &info) != 0)
        return PictureFile::systemReason(errno, Access::Reading);
    if (!S_ISREG(info.st_mode))
        return PictureFile::notRegular(S_ISDIR(info.st_mode));
    // Non-blocking and checked again, so that a FIFO put in its place since cannot hang us.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return PictureFile::systemReason(errno, Access::Reading);
    info = {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return PictureFile::notRegular(S_ISDIR(info.st_mode));
    }
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return PictureFile::deviceReason(file, Access::Reading);
    }
#else
    const QFileInfo info(path);
    if (!info.exists())
        return PictureFile::systemReason(ENOENT, Access::Reading);
    if (!info.isFile())
        return PictureFile::notRegular(info.isDir());
    file.setFileName(path);
    if (!file.open(QIODevice::ReadOnly))
        return PictureFile::deviceReason(file, Access::Reading);
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
    case PictureKind::Unknown:
        break;
    }
    return {};
}

PictureRead refused(const QString &why)
{
    return {QImage(), why};
}

} // namespace

PictureRead readPicture(const QString &path)
{
    QFile file;
    if (const QString why = openRegularFile(path, file); !why.isEmpty())
        return refused(why);
    if (file.size() == 0)
        return refused(PictureFile::tr("El fichero está vacío"));
    const PictureKind kind = pictureKind(file.read(6));
    if (kind == PictureKind::Unknown)
        return refused(PictureFile::tr("No es una imagen BMP, GIF ni JPEG"));
    const std::optional<PictureHeader> header = readPictureHeader(file, kind);
    if (!header || header->width <= 0 || header->height <= 0)
        return refused(PictureFile::damaged());
    if (!withinLimits(header->width, header->height))
        return refused(PictureFile::tooBig(header->width, header->height));
    if (!header->complete || !file.seek(0))
        return refused(PictureFile::damaged());

    allowTheLargestPicture();
    QImageReader reader(&file, decoderName(kind));
    // Only the decoder of that one format: no guessing from the name or the content.
    reader.setAutoDetectImageFormat(false);
    reader.setDecideFormatFromContent(false);
    QImage picture;
    if (!reader.read(&picture)) {
        if (reader.error() == QImageReader::DeviceError)
            return refused(PictureFile::deviceReason(file, Access::Reading));
        return refused(PictureFile::damaged());
    }
    if (!withinLimits(picture.width(), picture.height()))
        return refused(PictureFile::tooBig(picture.width(), picture.height()));
    return {picture, QString()};
}

QString writeBmp(const QImage &picture, const QString &path)
{
    if (path.isEmpty() || path.contains(QChar(0)))
        return PictureFile::systemReason(ENOENT, Access::Writing);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return PictureFile::deviceReason(file, Access::Writing);
    QImageWriter writer(&file, "bmp");
    // Qt writes the rows of a 32-bit picture as 24-bit BMP rows.
    const bool written = writer.write(picture.convertToFormat(QImage::Format_RGB32));
    // Flushed here, so that a failing last write is caught before the rename
    // (and its reason is known: a failed buffered write only says "unknown").
    // Without commit() the temporary file is discarded.
    const bool flushed = file.flush();
    if (!flushed || file.error() != QFileDevice::NoError)
        return PictureFile::deviceReason(file, Access::Writing);
    if (!written)
        return PictureFile::tr("No se ha podido escribir la imagen");
    if (!file.commit())
        return PictureFile::deviceReason(file, Access::Writing);
    return {};
}

} // namespace garabel
