#pragma once

#include <QCoreApplication>
#include <QString>

class QFileDevice;

namespace garabel {

struct PictureHeader;

enum class Access { Reading, Writing };

// Why a picture file could not be read or written, always in Spanish: no text
// of the system or of Qt reaches the user as it is.
class PictureFileReasons
{
    Q_DECLARE_TR_FUNCTIONS(PictureFile)
public:
    static QString systemReason(int error, Access access);
    static QString deviceReason(const QFileDevice &file, Access access);
    static QString notRegular(bool folder);
    static QString damaged() { return tr("El fichero está dañado o incompleto"); }
    static QString tooBig(qint64 width, qint64 height);
    static QString notSupported(const PictureHeader &header);
    static QString outOfMemory() { return tr("No hay memoria suficiente para la imagen"); }
};

} // namespace garabel
