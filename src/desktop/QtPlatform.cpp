#include "desktop/QtPlatform.h"

#include "desktop/QtFileDialogs.h"
#include "desktop/QtPrintDialog.h"
#include "desktop/QtPrintJob.h"
#include "desktop/Translations.h"
#include "files/PictureFile.h"
#include "raster/Units.h"

#include <QApplication>
#include <QColorDialog>
#include <QDir>
#include <QFontDatabase>
#include <QMessageBox>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>
#include <QThread>

#include <algorithm>
#include <cstdlib>

namespace garabel {

namespace {

// A print job into a PDF file, whose failures name the file and say why where
// that can be found out. The target is checked before the printer opens it:
// opening a FIFO would block, and the printer itself never says why it failed.
class PdfFileJob : public PrintJob
{
public:
    PdfFileJob(std::unique_ptr<PrintJob> job, QString fileName)
        : m_job(std::move(job)), m_fileName(std::move(fileName)) {}

    Result<void> paintPicture(const QImage &picture, const QRectF &twips) override
    {
        if (!m_begun) {
            if (const Result<void> target = checkWriteTarget(m_fileName); !target.ok())
                return failed(target.reason());
        }
        if (m_job->paintPicture(picture, twips).ok()) {
            m_begun = true;
            return {};
        }
        if (m_begun || picture.isNull())
            return failed(QString());
        const Result<void> opens = checkWriteOpen(m_fileName);
        return failed(opens.ok() ? QString() : opens.reason());
    }
    void setLandscape(bool landscape) override { m_job->setLandscape(landscape); }
    QSizeF printableTwips() const override { return m_job->printableTwips(); }
    Result<void> endDocument() override
    {
        if (m_job->endDocument().ok())
            return {};
        return failed(QString());
    }

private:
    // The file named, and why when that is known.
    Failure failed(const QString &reason) const
    {
        const QString file = QDir::toNativeSeparators(m_fileName);
        return {reason.isEmpty() ? QtPlatform::tr("No se ha podido guardar el documento PDF «%1».").arg(file)
                                 : QtPlatform::tr("No se ha podido guardar el documento PDF «%1»: %2").arg(file, reason)};
    }

    std::unique_ptr<PrintJob> m_job;
    QString m_fileName;
    bool m_begun = false;
};

} // namespace

QtPlatform::QtPlatform(QWidget *dialogParent) : m_dialogParent(dialogParent) {}

void QtPlatform::setDialogParent(QWidget *dialogParent)
{
    m_dialogParent = dialogParent;
}

QWidget *QtPlatform::dialogParent() const
{
    return m_dialogParent ? m_dialogParent.data() : QApplication::activeWindow();
}

std::optional<QString> QtPlatform::openFileDialog(const FileDialogRequest &request)
{
    return runFileDialog(dialogParent(), request, false);
}

std::optional<QString> QtPlatform::saveFileDialog(const FileDialogRequest &request)
{
    return runFileDialog(dialogParent(), request, true);
}

std::optional<Rgb> QtPlatform::colorDialog(const ColorDialogRequest &request)
{
    // Qt's custom colours are shared by all colour dialogs and read when one is
    // built, so they are set first.
    const int customCount = std::min(QColorDialog::customCount(), int(request.customColors.size()));
    for (int i = 0; i < customCount; ++i)
        QColorDialog::setCustomColor(i, toQColor(request.customColors[i]));

    QColorDialog dialog(dialogParent());
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    dialog.setCurrentColor(toQColor(request.initial));
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return fromQColor(dialog.selectedColor());
}

MessageAnswer QtPlatform::messageBox(const QString &text, MessageButtons buttons)
{
    const bool yesNo = buttons != MessageButtons::Ok;
    QMessageBox box(QMessageBox::NoIcon, kProgramName, text,
                    yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, dialogParent());
    box.setTextFormat(Qt::PlainText);
    if (yesNo)
        box.setDefaultButton(buttons == MessageButtons::YesNoDefaultNo ? QMessageBox::No : QMessageBox::Yes);
    box.exec();
    if (!yesNo)
        return MessageAnswer::Ok;
    return box.clickedButton() == box.button(QMessageBox::Yes) ? MessageAnswer::Yes : MessageAnswer::No;
}

Result<std::unique_ptr<PrintJob>> QtPlatform::printDialog(bool landscape)
{
    QPrinterInfo printerInfo = QPrinterInfo::defaultPrinter();
    if (printerInfo.isNull() && !QPrinterInfo::availablePrinterNames().isEmpty())
        printerInfo = QPrinterInfo::printerInfo(QPrinterInfo::availablePrinterNames().constFirst());
    if (printerInfo.isNull())
        return Failure{tr("No hay ninguna impresora disponible")};
    auto printer = std::make_unique<QPrinter>(printerInfo, QPrinter::HighResolution);
    printer->setDocName(kProgramName);
    printer->setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    if (!askPrintSettings(*printer, dialogParent()))
        return std::unique_ptr<PrintJob>();
    return std::unique_ptr<PrintJob>(std::make_unique<QtPrintJob>(std::move(printer)));
}

std::unique_ptr<PrintJob> QtPlatform::startPdfJob(const QString &fileName)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(fileName);
    printer->setPageSize(QPageSize(QPageSize::A4));
    printer->setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
    printer->setDocName(kProgramName);
    return std::make_unique<PdfFileJob>(std::make_unique<QtPrintJob>(std::move(printer)), fileName);
}

void QtPlatform::quit()
{
    QCoreApplication::exit(0);
    if (QThread::currentThread()->loopLevel() == 0)
        std::exit(0);
}

ScreenInfo QtPlatform::screen() const
{
    ScreenInfo info;
    if (const QScreen *primary = QGuiApplication::primaryScreen()) {
        info.twips = primary->geometry().size() * kTwipsPerPixel;
        const QRect available = primary->availableGeometry();
        info.availableTwips = QRect(available.topLeft() * kTwipsPerPixel, available.size() * kTwipsPerPixel);
        info.devicePixelRatio = primary->devicePixelRatio();
    }
    info.twipsPerPixelX = kTwipsPerPixel;
    info.twipsPerPixelY = kTwipsPerPixel;
    info.fontNames = fontFamilies(QFontDatabase::families());
    return info;
}

QStringList QtPlatform::fontFamilies(const QStringList &qtFamilies)
{
    QStringList families;
    for (const QString &family : qtFamilies) {
        const qsizetype foundry = family.lastIndexOf(QStringLiteral(" ["));
        families << (foundry > 0 && family.endsWith(u']') ? family.left(foundry) : family);
    }
    families.removeDuplicates();
    std::sort(families.begin(), families.end(),
              [](const QString &a, const QString &b) { return QString::localeAwareCompare(a, b) < 0; });
    return families;
}

} // namespace garabel
