#include "app/PaletteCommands.h"

#include "app/Button.h"
#include "app/ComboBox.h"
#include "app/Form1.h"
#include "app/Label.h"
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

void setVisible(ButtonArray &buttons, bool on, int first = 0, int last = -1)
{
    if (last < 0)
        last = int(buttons.size()) - 1;
    for (int i = first; i <= last; ++i)
        buttons[i]->setVisible(on);
}

void showAll(ButtonArray &buttons)
{
    setVisible(buttons, true);
}

void tellPrintFailure(Form1 &form, const QString &why)
{
    form.platform().messageBox(why.isEmpty() ? Form1::tr("No se ha podido imprimir el dibujo.") : why,
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
std::unique_ptr<PrintJob> pdfJobInstead(Form1 &form, const QString &whyNot)
{
    Platform &platform = form.platform();
    const QString offer = Form1::tr("%1.\n¿Quieres guardar el dibujo como documento PDF?").arg(whyNot);
    if (platform.messageBox(offer, MessageButtons::YesNo) != MessageAnswer::Yes)
        return nullptr;
    const FileDialogRequest request = saveRequest(
        Form1::tr("Guardar como PDF"), {{Form1::tr("Documento PDF (*.pdf)"), QStringLiteral("*.pdf")}},
        QStringLiteral("pdf"));
    const QString name = platform.saveFileDialog(request).value_or(QString());
    if (name.isEmpty())
        return nullptr;
    if (const QString problem = writeTargetProblem(name); !problem.isEmpty()) {
        platform.messageBox(Form1::tr("No se ha podido guardar el dibujo en «%1»: %2")
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

void hideOptionControls(Form1 &form)
{
    for (int i = 0; i <= 2; ++i) {
        form.Command5[i]->setVisible(false);
        form.Command6[i]->setVisible(false);
    }
    form.Label1->setVisible(false);
    form.Combo1->setVisible(false);
    for (ButtonArray *group : {&form.Command6, &form.Command7, &form.Command8, &form.Command10})
        setVisible(*group, false);
    form.Combo2->setVisible(false);
    form.Combo3->setVisible(false);
    form.Command9[0]->setVisible(false);
    form.Command9[1]->setVisible(false);
    form.Label2->setVisible(false);
}

void chooseTool(Form1 &form, int index)
{
    // The palette's tool buttons carry the code of their tool as their index.
    switch (index) {
    case ToolLine: case ToolDots: case ToolFreehand: case ToolCircle: case ToolRectangle:
    case ToolFill: case ToolPolygon: case ToolText: case ToolEraser:
        form.state.Tool = std::uint8_t(index);
        break;
    default:
        return;
    }
    switch (index) {
    case ToolLine:
    case ToolFreehand:
        showAll(form.Command7);
        break;
    case ToolDots:
        // Only solid or no fill: the dots are circles.
        setVisible(form.Command8, true, 0, 1);
        break;
    case ToolCircle:
        showAll(form.Command8);
        showAll(form.Command6);
        break;
    case ToolRectangle:
        showAll(form.Command8);
        break;
    case ToolPolygon:
        showAll(form.Command5);
        form.Label1->setVisible(true);
        form.Combo1->setVisible(true);
        break;
    case ToolText:
        form.Text1->setText(QString());
        form.Label2->setCaption(QString());
        form.Label2->setVisible(true);
        form.Combo2->setVisible(true);
        form.Combo3->setVisible(true);
        form.Command9[0]->setVisible(true);
        form.Command9[1]->setVisible(true);
        break;
    case ToolEraser:
        showAll(form.Command10);
        break;
    default:  // the fill keeps the option controls of the tool before it
        break;
    }
}

void stepPenWidth(Form1 &form)
{
    showAll(form.Command7);
    DrawingState &state = form.state;
    state.PenWidth = std::int16_t(state.PenWidth + 1);
    if (state.PenWidth == 5)
        state.PenWidth = 1;
    form.Picture1->setDrawWidth(state.PenWidth);
    for (auto &sheet : form.Picture2)
        sheet->setDrawWidth(state.PenWidth);
}

void printCanvas(Form1 &form)
{
    Surface &canvas = *form.Picture1;
    // What the canvas shows (dot grid included) becomes its picture, and is what is printed.
    canvas.setPicture(canvas.image());
    QString whyNot;
    std::unique_ptr<PrintJob> job = form.platform().startPrintJob(&whyNot);
    if (!job) {
        job = pdfJobInstead(form, whyNot);
        if (!job)
            return;
    }
    if (!printOnPage(*job, canvas.renderedImage()))
        tellPrintFailure(form, job->errorText());
}

void clearCurrentSheet(Form1 &form)
{
    form.PushUndoSnapshot();
    Surface &canvas = *form.Picture1;
    Surface &sheet = form.sheet();
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
