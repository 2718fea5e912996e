#include "files/PictureFile.h"

#include "files/PictureFileReasons.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>

#include <cerrno>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace garabel {

namespace {

using Reasons = PictureFileReasons;

// Qt's PNG quality 40 is zlib level 5. Against the default, level 6, a
// 6000 x 4000 photo takes a quarter to a half less time: a camera's (smooth,
// with sensor noise) for a file no larger, one smoothed by JPEG for one 7%
// larger. A 4K drawing's file is about 5% larger; lower levels make it 9% to
// 80% larger.
constexpr int kPngQuality = 40;

// A failure to create the file in a folder that exists is told as such, not
// as a missing folder (a folder of /proc, for one).
QString openProblem(const QFileDevice &file, const QString &path)
{
    const QString reason = Reasons::deviceReason(file, Access::Writing);
    if (reason == Reasons::systemReason(ENOENT, Access::Writing) && QFileInfo(path).absoluteDir().exists())
        return Reasons::tr("No se puede crear un fichero en esa carpeta");
    return reason;
}

} // namespace

// Checked before anything is written: QSaveFile would put a regular file in
// place of a FIFO or device node (even behind a link), a PDF printer would
// block opening a FIFO, and their own texts are English.
QString writeTargetProblem(const QString &path)
{
    if (path.isEmpty() || path.contains(QChar(0)))
        return Reasons::systemReason(ENOENT, Access::Writing);
#ifdef Q_OS_UNIX
    const QByteArray name = QFile::encodeName(path);
    struct stat info = {};
    if (::stat(name.constData(), &info) == 0) {
        if (!S_ISREG(info.st_mode))
            return Reasons::notRegular(S_ISDIR(info.st_mode));
        if (::access(name.constData(), W_OK) != 0)
            return Reasons::systemReason(errno, Access::Writing);
    } else if (errno != ENOENT) {
        return Reasons::systemReason(errno, Access::Writing);  // a loop of links, a part that is no folder...
    }
#else
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return Reasons::notRegular(info.isDir());
#endif
    return {};
}

QString writeOpenProblem(const QString &path)
{
    if (const QString problem = writeTargetProblem(path); !problem.isEmpty())
        return problem;
    const QFileInfo before(path);
    const bool existed = before.exists() || before.isSymLink();
    QFile file(path);
    // Appending leaves what the file holds as it is.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return openProblem(file, path);
    file.close();
    if (!existed)
        file.remove();
    return {};
}

QString writePicture(const QImage &picture, const QString &path, PictureKind kind)
{
    if (const QString problem = writeTargetProblem(path); !problem.isEmpty())
        return problem;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return openProblem(file, path);
    QImageWriter writer(&file, kind == PictureKind::Png ? "png" : "bmp");
    if (kind == PictureKind::Png)
        writer.setQuality(kPngQuality);
    // Qt writes the rows of a 32-bit picture as 24-bit BMP rows.
    const bool written = writer.write(picture.convertToFormat(QImage::Format_RGB32));
    // Flushed here, so that a failing last write is caught before the rename
    // (and its reason is known: a failed buffered write only says "unknown").
    // Without commit() the temporary file is discarded.
    const bool flushed = file.flush();
    if (!flushed || file.error() != QFileDevice::NoError)
        return Reasons::deviceReason(file, Access::Writing);
    if (!written)
        return Reasons::tr("No se ha podido escribir la imagen");
    if (!file.commit())
        return Reasons::deviceReason(file, Access::Writing);
    return {};
}

} // namespace garabel
