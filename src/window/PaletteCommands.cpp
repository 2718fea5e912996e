#include "window/PaletteCommands.h"

#include "desktop/Platform.h"
#include "files/PictureFile.h"
#include "raster/Surface.h"
#include "window/MainWindow.h"
#include "window/StartFolder.h"

#include <QDir>
#include <QLoggingCategory>

#include <exception>

namespace garabel {

namespace {
Q_LOGGING_CATEGORY(lcPalette, "garabel.palette")

void tellPrintFailure(Platform &platform, const QString &why)
{
    platform.messageBox(why.isEmpty() ? MainWindow::tr("No se ha podido imprimir el dibujo.") : why,
                               MessageButtons::Ok);
}

// The picture as large as the printable area allows, its shape kept, in the
// middle of the area. False on failure.
bool printOnPage(PrintJob &job, const QImage &picture)
{
    const QSizeF area = job.printableTwips();
    const QSizeF size = QSizeF(picture.size()).scaled(area, Qt::KeepAspectRatio);
    const QPointF corner((area.width() - size.width()) / 2, (area.height() - size.height()) / 2);
    return job.paintPicture(picture, QRectF(corner, size)) && job.endDocument();
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
    if (const QString problem = writeTargetProblem(name); !problem.isEmpty()) {
        platform.messageBox(MainWindow::tr("No se ha podido guardar el dibujo en «%1»: %2")
                                .arg(QDir::toNativeSeparators(name), problem),
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

void printCanvas(Surface &canvas, Platform &platform, StartFolder &folder)
{
    // What the canvas shows (dot grid included) becomes its picture, and is what is printed.
    canvas.setPicture(canvas.image());
    const QImage picture = canvas.renderedImage();
    const bool landscape = picture.width() > picture.height();
    PrintDialogAnswer answer = platform.printDialog(landscape);
    std::unique_ptr<PrintJob> job = std::move(answer.job);
    if (!job && answer.noPrinter.isEmpty())
        return;
    if (!job) {
        job = pdfJobInstead(platform, answer.noPrinter, folder);
        if (!job)
            return;
        job->setLandscape(landscape);
    }
    if (!printOnPage(*job, picture))
        tellPrintFailure(platform, job->errorText());
}

void runPaletteCommand(const std::function<void()> &command)
{
    try {
        command();
    } catch (const std::exception &e) {
        qCWarning(lcPalette) << "palette command failed:" << e.what();
    } catch (...) {
        qCWarning(lcPalette) << "palette command failed";
    }
}

} // namespace garabel
