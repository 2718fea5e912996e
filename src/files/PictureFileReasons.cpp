#include "files/PictureFileReasons.h"

#include "files/PictureFile.h"

#include <QFileDevice>

#include <cerrno>

namespace garabel {

QString PictureFileReasons::systemReason(int error, Access access)
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
    case ELOOP:
        return tr("Los enlaces simbólicos del nombre forman un bucle");
    case EMFILE:
    case ENFILE:
        return tr("Hay demasiados ficheros abiertos");
    case EIO:
        return tr("Error de entrada o salida en el disco");
    case EBUSY:
    case ETXTBSY:
        return tr("El fichero está en uso");
    default:
        break;
    }
    return access == Access::Writing ? tr("No se ha podido escribir en el disco (error %1 del sistema)").arg(error)
                                     : tr("No se ha podido leer el disco (error %1 del sistema)").arg(error);
}

// Qt reports a system error by its (English) text: the text is matched back to
// the error to give it in Spanish. Any other text of Qt's is replaced by a
// Spanish one of our own.
QString PictureFileReasons::deviceReason(const QFileDevice &file, Access access)
{
    static const int known[] = {ENOENT, ENOTDIR, EACCES, EPERM, ENOSPC,
#ifdef EDQUOT
                                EDQUOT,
#endif
                                EROFS, EFBIG, ENAMETOOLONG, EISDIR, ELOOP, EMFILE, ENFILE, EIO, EBUSY, ETXTBSY};
    const QString text = file.errorString();
    for (const int error : known) {
        if (text == qt_error_string(error))
            return systemReason(error, access);
    }
    return access == Access::Writing ? tr("No se ha podido escribir en el disco")
                                     : tr("No se ha podido leer el disco");
}

QString PictureFileReasons::notRegular(bool folder)
{
    return folder ? tr("Es una carpeta, no un fichero")
                  : tr("No es un fichero normal, sino un dispositivo, una tubería o un socket");
}

QString PictureFileReasons::tooBig(qint64 width, qint64 height)
{
    return tr("La imagen mide %1 x %2 píxeles; como mucho se admiten %3 píxeles de lado y %4 millones de píxeles")
        .arg(width)
        .arg(height)
        .arg(kMaxPictureSide)
        .arg(kMaxPicturePixels / 1'000'000);
}

QString PictureFileReasons::notSupported(const PictureHeader &header)
{
    switch (header.unsupported) {
    case Unsupported::BmpHoldingJpeg:
        return tr("No se admiten las imágenes BMP que guardan dentro una imagen JPEG");
    case Unsupported::BmpHoldingPng:
        return tr("No se admiten las imágenes BMP que guardan dentro una imagen PNG");
    case Unsupported::BmpDepth:
    case Unsupported::No:
        break;
    }
    return tr("No se admiten las imágenes BMP de %1 bits por píxel").arg(header.bitsPerPixel);
}

} // namespace garabel
