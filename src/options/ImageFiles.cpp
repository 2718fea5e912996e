#include "app/Form1.h"
#include "platform/PictureFile.h"
#include "platform/Platform.h"
#include "platform/Surface.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace garabel {

namespace {

constexpr unsigned kOpenFlags = OfnFileMustExist | OfnPathMustExist | OfnHideReadOnly;
constexpr unsigned kSaveFlags = OfnPathMustExist | OfnHideReadOnly | OfnOverwritePrompt;

// The name as the dialog gave it, up to a NUL, which no file name can hold.
QString chosenName(const std::optional<QString> &answer)
{
    return answer ? answer->left(answer->indexOf(QChar(0))) : QString();
}

// The kind of a picture to open is told by the last three characters of its
// name, in any case: "foto.JpG" is one, "foto.jpeg" is not.
bool hasPictureName(const QString &name)
{
    const QString kind = name.right(3).toUpper();
    return kind == u"JPG" || kind == u"GIF" || kind == u"BMP";
}

// ".bmp" only when the name does not already end so, in any case.
QString bmpName(const QString &name)
{
    return name.endsWith(u".bmp", Qt::CaseInsensitive) ? name : name + QStringLiteral(".bmp");
}

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace

// Puts a BMP, JPEG or GIF picture on the canvas and in the current sheet. Any
// refusal is told, and leaves the canvas, every sheet and every undo ring as
// they were.
void Form1::OpenImageFile()
{
    FileDialogRequest request;
    request.title = tr("Selecciona una imagen");
    request.filters = {{tr("imágenes (*.bmp)"), QStringLiteral("*.bmp")},
                       {tr("Todos los ficheros (*.*)"), QStringLiteral("*.*")}};
    request.filterIndex = 1;
    request.initialDir = QCoreApplication::applicationDirPath();
    request.flags = kOpenFlags;
    const QString name = chosenName(platform().openFileDialog(request));
    if (name.isEmpty())
        return;
    if (!hasPictureName(name)) {
        platform().messageBox(tr("El fichero seleccionado no es un gráfico soportado"), MessageButtons::Ok);
        return;
    }
    const PictureRead read = readPicture(name);
    if (read.picture.isNull()) {
        platform().messageBox(tr("No se ha podido abrir el fichero «%1»: %2").arg(shown(name), read.error),
                              MessageButtons::Ok);
        return;
    }
    Picture1->setPicture(read.picture);
    sheet().setPicture(read.picture);
}

// Writes the current sheet's drawing, at the canvas's size, as a BMP file.
void Form1::SaveImageFile()
{
    // Whatever is shown only on the screen (a preview, the dot grid) is not saved.
    Picture1->setPicture(sheet().image());
    FileDialogRequest request;
    request.title = tr("Guardar como  ");
    request.filters = {{tr("Archivo gráfico (*.bmp)"), QStringLiteral("*.bmp")}};
    request.filterIndex = 1;
    request.initialDir = QCoreApplication::applicationDirPath();
    request.flags = kSaveFlags;
    const QString name = chosenName(platform().saveFileDialog(request));
    if (name.isEmpty())
        return;
    const QString target = bmpName(name);
    // The dialog has asked about the name as typed, not about the one written.
    if (target != name && QFileInfo::exists(target)
        && platform().messageBox(tr("El fichero «%1» ya existe. ¿Quieres reemplazarlo?").arg(shown(target)),
                                 MessageButtons::YesNo)
            != MessageAnswer::Yes)
        return;
    const QString error = writeBmp(Picture1->renderedImage(), target);
    if (!error.isEmpty())
        platform().messageBox(tr("No se ha podido guardar el dibujo en «%1»: %2").arg(shown(target), error),
                              MessageButtons::Ok);
}

} // namespace garabel
