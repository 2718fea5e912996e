#include "desktop/BesideWindow.h"
#include "desktop/Platform.h"
#include "desktop/SurfaceView.h"
#include "drawing/UnsavedSheets.h"
#include "files/PictureFile.h"
#include "raster/ShownSurface.h"
#include "window/MainWindow.h"
#include "window/CanvasAccessible.h"
#include "window/StartFolder.h"
#include "window/ViewNotice.h"

#include <QDir>
#include <QFileInfo>

namespace garabel {

namespace {

constexpr unsigned kOpenFlags = OfnFileMustExist | OfnPathMustExist | OfnHideReadOnly;

// The name as the dialog gave it, up to a NUL, which no file name can hold.
QString chosenName(const std::optional<QString> &answer)
{
    return answer ? answer->left(answer->indexOf(QChar(0))) : QString();
}

// The kind of a picture to open is told by the end of its name, in any case:
// its last three characters ("foto.JpG"), or ".jpeg" or ".jpe".
bool hasPictureName(const QString &name)
{
    const QString kind = name.right(3).toUpper();
    return kind == u"JPG" || kind == u"GIF" || kind == u"BMP" || kind == u"PNG"
        || name.endsWith(u".jpeg", Qt::CaseInsensitive) || name.endsWith(u".jpe", Qt::CaseInsensitive);
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

void MainWindow::openPicture()
{
    FileDialogRequest request;
    request.title = tr("Selecciona una imagen");
    request.filters = {{tr("Imágenes (*.bmp *.jpg *.jpeg *.jpe *.gif *.png)"),
                        QStringLiteral("*.bmp;*.jpg;*.jpeg;*.jpe;*.gif;*.png")},
                       {tr("Todos los ficheros (*.*)"), QStringLiteral("*.*")}};
    request.filterIndex = 1;
    request.initialDir = m_startFolder.path();
    request.flags = kOpenFlags;
    const QString name = chosenName(m_platform.openFileDialog(request));
    if (name.isEmpty())
        return;
    m_startFolder.chosen(name);
    openPictureFile(name);
}

// Puts a BMP, JPEG, GIF or PNG picture on the canvas and in the current sheet,
// after an undo snapshot, so that the drawing it replaces can be brought back.
// Any refusal is told, and leaves the canvas, every sheet and every undo ring
// as they were.
void MainWindow::openPictureFile(const QString &name)
{
    placePendingText();
    if (!hasPictureName(name)) {
        m_platform.messageBox(tr("El fichero seleccionado no es un gráfico soportado"), MessageButtons::Ok);
        return;
    }
    // A large picture takes a while to decode: the window goes on meanwhile.
    std::optional<Result<PictureRead>> reading;
    if (!runBesideWindow(*m_canvasView, tr("Abriendo «%1»").arg(QFileInfo(name).fileName()),
                         [&name, &reading] { reading = readPicture(name); }))
        return;
    const Result<PictureRead> &read = *reading;
    if (!read.ok()) {
        m_platform.messageBox(tr("No se ha podido abrir el fichero «%1»: %2").arg(shown(name), read.reason()),
                              MessageButtons::Ok);
        return;
    }
    m_undoRing.push();
    currentSheetImage().setPicture(read.value().picture);
    showCurrentSheet();
    m_unsavedSheets->markSaved(m_sheets.currentIndex());
    if (read.value().partial)
        m_platform.messageBox(tr("«%1» está dañado o incompleto: se ha cargado la parte que se puede leer.").arg(shown(name)),
                              MessageButtons::Ok);
}

// Writes the current sheet's drawing, at the canvas's size, as a BMP file, or
// as a PNG file when the PNG filter was chosen or the name ends in ".png".
void MainWindow::savePicture()
{
    // The sheet is saved, without what is shown only on the screen (a preview,
    // the dot grid); the canvas shows what is saved, with the dots.
    showSheetAgain();
    FileDialogRequest request = saveRequest(tr("Guardar como  "),
                                            {{tr("Archivo gráfico (*.bmp)"), QStringLiteral("*.bmp")},
                                             {tr("Imagen PNG (*.png)"), QStringLiteral("*.png")}},
                                            QStringLiteral("bmp"), m_startFolder);
    // The type of the last picture saved in this run is offered first.
    request.filterIndex = m_saveFilter;
    const QString name = chosenName(m_platform.saveFileDialog(request));
    if (name.isEmpty())
        return;
    m_startFolder.chosen(name);
    const PictureKind kind = savedKind(name);
    m_saveFilter = kind == PictureKind::Png ? 2 : 1;
    const QString fileName = QFileInfo(name).fileName();
    const QImage picture = currentSheetImage().renderedImage();
    // Compressing a large PNG takes a while: the window goes on meanwhile.
    Result<void> written;
    if (!runBesideWindow(*m_canvasView, tr("Guardando «%1»").arg(fileName),
                         [&] { written = writePicture(picture, name, kind); }))
        return;
    if (!written.ok()) {
        m_platform.messageBox(tr("No se ha podido guardar el dibujo en «%1»: %2").arg(shown(name), written.reason()),
                              MessageButtons::Ok);
        return;
    }
    m_unsavedSheets->markSaved(m_sheets.currentIndex());
    const QString notice = tr("Guardado: %1").arg(fileName);
    showViewNotice(*m_canvasView, notice);
    m_canvasAccessible->tell(notice);
}

} // namespace garabel
