#include "window/PaletteCommands.h"

#include "desktop/Platform.h"
#include "files/PictureFile.h"
#include "raster/ShownSurface.h"
#include "window/MainWindow.h"
#include "window/StartFolder.h"

#include <QDir>
#include <QLoggingCategory>

#include <new>

namespace garabel {

namespace {
Q_LOGGING_CATEGORY(lcPalette, "garabel.palette")

// The picture as large as the printable area allows, its shape kept, in the
// middle of the area.
Result<void> printOnPage(PrintJob &job, const QImage &picture)
{
    const QSizeF area = job.printableTwips();
    const QSizeF size = QSizeF(picture.size()).scaled(area, Qt::KeepAspectRatio);
    const QPointF corner((area.width() - size.width()) / 2, (area.height() - size.height()) / 2);
    if (Result<void> painted = job.paintPicture(picture, QRectF(corner, size)); !painted.ok())
        return painted;
    return job.endDocument();
}

// Without a printer the drawing can go to a PDF file, with the same page. Null
// when the user declines, cancels the dialog, keeps a file of that name, or
// picks a target that cannot be written (told; opening a FIFO would block).
std::unique_ptr<PrintJob> pdfJobInstead(Platform &platform, const QString &whyNot, StartFolder &folder)
{
    const QString offer = MainWindow::tr("%1.\n¿Quieres guardar el dibujo como documento PDF?").arg(whyNot);
    if (platform.messageBox(offer, MessageButtons::YesNo) != MessageAnswer::Yes)
        return nullptr;
    const FileDialogRequest request = saveRequest(
        MainWindow::tr("Guardar como PDF"), {{MainWindow::tr("Documento PDF (*.pdf)"), QStringLiteral("*.pdf")}},
        QStringLiteral("pdf"), folder);
    const QString name = platform.saveFileDialog(request).value_or(QString());
    if (name.isEmpty())
        return nullptr;
    folder.chosen(name);
    if (const Result<void> target = checkWriteTarget(name); !target.ok()) {
        platform.messageBox(MainWindow::tr("No se ha podido guardar el dibujo en «%1»: %2")
                                .arg(QDir::toNativeSeparators(name), target.reason()),
                            MessageButtons::Ok);
        return nullptr;
    }
    return platform.startPdfJob(name);
}
} // namespace

void stepPenWidth(DrawingState &state)
{
    state.pen.width = state.pen.width + 1;
    if (state.pen.width == 5)
        state.pen.width = 1;
}

void printCanvas(ShownSurface &canvas, Platform &platform, StartFolder &folder)
{
    // What the canvas shows, dot grid included, without the marks that follow
    // the pointer, which go from the screen too.
    canvas.refresh();
    const QImage picture = canvas.composedUnderOverlay();
    const bool landscape = picture.width() > picture.height();
    Result<std::unique_ptr<PrintJob>> printer = platform.printDialog(landscape);
    std::unique_ptr<PrintJob> job = printer.ok() ? std::move(printer).value()
                                                 : pdfJobInstead(platform, printer.reason(), folder);
    if (!job)
        return;
    if (!printer.ok())
        job->setLandscape(landscape);
    if (const Result<void> printed = printOnPage(*job, picture); !printed.ok())
        platform.messageBox(printed.reason(), MessageButtons::Ok);
}

void runPaletteCommand(Platform &platform, const std::function<void()> &command)
{
    try {
        command();
    } catch (const std::bad_alloc &) {
        qCWarning(lcPalette) << "a palette command ran out of memory";
        platform.messageBox(MainWindow::tr("No hay memoria suficiente para terminar la orden."), MessageButtons::Ok);
    }
}

} // namespace garabel
