#include "app/PaletteCommands.h"

#include "app/Button.h"
#include "app/ComboBox.h"
#include "app/MainWindow.h"
#include "app/Label.h"
#include "app/OptionControls.h"
#include "app/SurfaceSettings.h"
#include "app/UndoRing.h"
#include "app/TextBox.h"
#include "options/ImageFiles.h"
#include "platform/PictureFile.h"
#include "platform/Platform.h"
#include "platform/Surface.h"

#include <QDir>
#include <QLoggingCategory>

#include <exception>

namespace garabel {

namespace {
Q_LOGGING_CATEGORY(lcPalette, "garabel.palette")

void setVisible(const ButtonArray &buttons, bool on, int first = 0, int last = -1)
{
    if (last < 0)
        last = int(buttons.size()) - 1;
    for (int i = first; i <= last; ++i)
        buttons[i]->setVisible(on);
}

void showAll(const ButtonArray &buttons)
{
    setVisible(buttons, true);
}

void tellPrintFailure(Platform &platform, const QString &why)
{
    platform.messageBox(why.isEmpty() ? MainWindow::tr("No se ha podido imprimir el dibujo.") : why,
                               MessageButtons::Ok);
}

// The page turned the way the picture is, the picture as large as the printable
// area allows, its shape kept, in the middle of the area. False on failure.
bool printOnPage(PrintJob &job, const QImage &picture)
{
    job.setLandscape(picture.width() > picture.height());
    const QSizeF area = job.printableTwips();
    const QSizeF size = QSizeF(picture.size()).scaled(area, Qt::KeepAspectRatio);
    const QPointF corner((area.width() - size.width()) / 2, (area.height() - size.height()) / 2);
    return job.paintPicture(picture, QRectF(corner, size)) && job.endDocument();
}

// Without a printer the drawing can go to a PDF file, with the same page. Null
// when the user declines, cancels the dialog, keeps a file of that name, or
// picks a target that cannot be written (told; opening a FIFO would block).
std::unique_ptr<PrintJob> pdfJobInstead(Platform &platform, const QString &whyNot)
{
    const QString offer = MainWindow::tr("%1.\n¿Quieres guardar el dibujo como documento PDF?").arg(whyNot);
    if (platform.messageBox(offer, MessageButtons::YesNo) != MessageAnswer::Yes)
        return nullptr;
    const FileDialogRequest request = saveRequest(
        MainWindow::tr("Guardar como PDF"), {{MainWindow::tr("Documento PDF (*.pdf)"), QStringLiteral("*.pdf")}},
        QStringLiteral("pdf"));
    const QString name = platform.saveFileDialog(request).value_or(QString());
    if (name.isEmpty())
        return nullptr;
    if (const QString problem = writeTargetProblem(name); !problem.isEmpty()) {
        platform.messageBox(MainWindow::tr("No se ha podido guardar el dibujo en «%1»: %2")
                                .arg(QDir::toNativeSeparators(name), problem),
                            MessageButtons::Ok);
        return nullptr;
    }
    return platform.startPdfJob(name);
}
} // namespace

bool hidesOptionControls(int index)
{
    switch (index) {
    case 2: case 3: case 4: case 7: case 8: case 10: case 12: case 16: case 18:
        return true;
    default:
        return false;
    }
}

void hideOptionControls(const OptionControls &controls)
{
    for (int i = 0; i <= 2; ++i) {
        controls.polygonModeButtons[i]->setVisible(false);
        controls.circleKindButtons[i]->setVisible(false);
    }
    controls.sideCountLabel.setVisible(false);
    controls.sideCountList.setVisible(false);
    for (const ButtonArray *group : {&controls.circleKindButtons, &controls.penWidthButtons, &controls.fillPatternButtons, &controls.eraserSizeButtons})
        setVisible(*group, false);
    controls.fontSizeList.setVisible(false);
    controls.fontNameList.setVisible(false);
    controls.fontStyleButtons[0]->setVisible(false);
    controls.fontStyleButtons[1]->setVisible(false);
    controls.textPreview.setVisible(false);
}

void chooseTool(const OptionControls &controls, DrawingState &state, int index)
{
    // The palette's tool buttons carry the code of their tool as their index.
    switch (index) {
    case ToolLine: case ToolDots: case ToolFreehand: case ToolCircle: case ToolRectangle:
    case ToolFill: case ToolPolygon: case ToolText: case ToolEraser:
        state.tool = std::uint8_t(index);
        break;
    default:
        return;
    }
    switch (index) {
    case ToolLine:
    case ToolFreehand:
        showAll(controls.penWidthButtons);
        break;
    case ToolDots:
        // Only solid or no fill: the dots are circles.
        setVisible(controls.fillPatternButtons, true, 0, 1);
        break;
    case ToolCircle:
        showAll(controls.fillPatternButtons);
        showAll(controls.circleKindButtons);
        break;
    case ToolRectangle:
        showAll(controls.fillPatternButtons);
        break;
    case ToolPolygon:
        showAll(controls.polygonModeButtons);
        controls.sideCountLabel.setVisible(true);
        controls.sideCountList.setVisible(true);
        break;
    case ToolText:
        controls.textInput.setText(QString());
        controls.textPreview.setCaption(QString());
        controls.textPreview.setVisible(true);
        controls.fontSizeList.setVisible(true);
        controls.fontNameList.setVisible(true);
        controls.fontStyleButtons[0]->setVisible(true);
        controls.fontStyleButtons[1]->setVisible(true);
        break;
    case ToolEraser:
        showAll(controls.eraserSizeButtons);
        break;
    default:  // the fill keeps the option controls of the tool before it
        break;
    }
}

void stepPenWidth(ButtonArray &penWidthButtons, DrawingState &state, SurfaceSettings &surfaces)
{
    showAll(penWidthButtons);
    state.pen.width = std::int16_t(state.pen.width + 1);
    if (state.pen.width == 5)
        state.pen.width = 1;
    surfaces.setPenWidth(state.pen.width);
}

void printCanvas(Surface &canvas, Platform &platform)
{
    // What the canvas shows (dot grid included) becomes its picture, and is what is printed.
    canvas.setPicture(canvas.image());
    QString whyNot;
    std::unique_ptr<PrintJob> job = platform.startPrintJob(&whyNot);
    if (!job) {
        job = pdfJobInstead(platform, whyNot);
        if (!job)
            return;
    }
    if (!printOnPage(*job, canvas.renderedImage()))
        tellPrintFailure(platform, job->errorText());
}

void clearCurrentSheet(UndoRing &undoRing, Surface &canvas, Surface &sheet)
{
    undoRing.push();
    canvas.setAutoRedraw(true);
    sheet.setAutoRedraw(true);
    canvas.setPicture(QImage());
    sheet.setPicture(QImage());
    // The sheet stays persistent: an eraser stroke before the next release
    // must still reach it.
    canvas.setAutoRedraw(false);
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
