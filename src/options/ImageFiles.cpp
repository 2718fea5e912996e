#include "options/ImageFiles.h"

#include "app/MainWindow.h"
#include "platform/PictureFile.h"
#include "platform/Platform.h"
#include "platform/ShownSurface.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <utility>

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
    return kind == u"JPG" || kind == u"GIF" || kind == u"BMP" || kind == u"PNG";
}

// The save dialog has given the name its suffix: a PNG is written under a
// name ending in ".png", a BMP under any other.
PictureKind savedKind(const QString &name)
{
    return name.endsWith(u".png", Qt::CaseInsensitive) ? PictureKind::Png : PictureKind::Bmp;
}

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace

QString pictureStartFolder(const QString &programFolder)
{
    const QFileInfo program(programFolder);
    if (program.isDir() && program.isWritable())
        return programFolder;
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    return !pictures.isEmpty() && QFileInfo(pictures).isDir() ? pictures : QDir::homePath();
}

FileDialogRequest saveRequest(const QString &title, std::vector<FileFilter> filters,
                              const QString &defaultSuffix)
{
    FileDialogRequest request;
    request.title = title;
    request.filters = std::move(filters);
    request.filterIndex = 1;
    request.initialDir = pictureStartFolder(QCoreApplication::applicationDirPath());
    request.flags = kSaveFlags;
    request.defaultSuffix = defaultSuffix;
    return request;
}

// Puts a BMP, JPEG, GIF or PNG picture on the canvas and in the current sheet,
// after an undo snapshot, so that the drawing it replaces can be brought back.
// Any refusal is told, and leaves the canvas, every sheet and every undo ring
// as they were.
void MainWindow::openPicture()
{
    FileDialogRequest request;
    request.title = tr("Selecciona una imagen");
    request.filters = {{tr("imágenes (*.bmp)"), QStringLiteral("*.bmp")},
                       {tr("Todos los ficheros (*.*)"), QStringLiteral("*.*")}};
    request.filterIndex = 1;
    request.initialDir = pictureStartFolder(QCoreApplication::applicationDirPath());
    request.flags = kOpenFlags;
    const QString name = chosenName(m_platform.openFileDialog(request));
    if (name.isEmpty())
        return;
    if (!hasPictureName(name)) {
        m_platform.messageBox(tr("El fichero seleccionado no es un gráfico soportado"), MessageButtons::Ok);
        return;
    }
    const PictureRead read = readPicture(name);
    if (read.picture.isNull()) {
        m_platform.messageBox(tr("No se ha podido abrir el fichero «%1»: %2").arg(shown(name), read.error),
                              MessageButtons::Ok);
        return;
    }
    m_undoRing.push();
    currentSheetImage().setPicture(read.picture);
    m_sheetDisplay.showWhole();
    if (read.partial)
        m_platform.messageBox(tr("«%1» está dañado o incompleto: se ha cargado la parte que se puede leer.").arg(shown(name)),
                              MessageButtons::Ok);
}

// Writes the current sheet's drawing, at the canvas's size, as a BMP file, or
// as a PNG file when the PNG filter was chosen or the name ends in ".png".
void MainWindow::savePicture()
{
    // The sheet is saved, without what is shown only on the screen (a preview,
    // the dot grid); the canvas shows what is saved, with the dots.
    m_sheetDisplay.show();
    const FileDialogRequest request = saveRequest(tr("Guardar como  "),
                                                  {{tr("Archivo gráfico (*.bmp)"), QStringLiteral("*.bmp")},
                                                   {tr("Imagen PNG (*.png)"), QStringLiteral("*.png")}},
                                                  QStringLiteral("bmp"));
    const QString name = chosenName(m_platform.saveFileDialog(request));
    if (name.isEmpty())
        return;
    const QString error = writePicture(currentSheetImage().renderedImage(), name, savedKind(name));
    if (!error.isEmpty())
        m_platform.messageBox(tr("No se ha podido guardar el dibujo en «%1»: %2").arg(shown(name), error),
                              MessageButtons::Ok);
}

} // namespace garabel
