#include "platform/QtPlatform.h"

#include "platform/QtFileDialogs.h"
#include "platform/QtPrintJob.h"
#include "platform/Translations.h"

#include <QApplication>
#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QMessageBox>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>
#include <QThread>

#include <algorithm>
#include <cstdlib>

namespace garabel {

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
    const bool yesNo = buttons == MessageButtons::YesNo;
    QMessageBox box(QMessageBox::NoIcon, kProgramName, text,
                    yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, dialogParent());
    box.setTextFormat(Qt::PlainText);
    if (yesNo)
        box.setDefaultButton(QMessageBox::Yes);
    box.exec();
    if (!yesNo)
        return MessageAnswer::Ok;
    return box.clickedButton() == box.button(QMessageBox::Yes) ? MessageAnswer::Yes : MessageAnswer::No;
}

std::unique_ptr<PrintJob> QtPlatform::startPrintJob(QString *whyNot)
{
    const QPrinterInfo printerInfo = QPrinterInfo::defaultPrinter();
    if (printerInfo.isNull()) {
        if (whyNot)
            *whyNot = tr("No hay ninguna impresora disponible");
        return nullptr;
    }
    auto printer = std::make_unique<QPrinter>(printerInfo, QPrinter::HighResolution);
    printer->setDocName(kProgramName);
    return std::make_unique<QtPrintJob>(std::move(printer));
}

std::unique_ptr<PrintJob> QtPlatform::startPdfJob(const QString &fileName)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(fileName);
    printer->setPageSize(QPageSize(QPageSize::A4));
    printer->setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
    printer->setDocName(kProgramName);
    return std::make_unique<QtPrintJob>(std::move(printer));
}

void QtPlatform::quit()
{
    QCoreApplication::exit(0);
    if (QThread::currentThread()->loopLevel() == 0)
        std::exit(0);
}

ScreenInfo QtPlatform::screen() const
{
    constexpr int kTwipsPerPixel = 15;
    ScreenInfo info;
    if (const QScreen *primary = QGuiApplication::primaryScreen()) {
        info.twips = primary->geometry().size() * kTwipsPerPixel;
        const QRect available = primary->availableGeometry();
        info.availableTwips = QRect(available.topLeft() * kTwipsPerPixel, available.size() * kTwipsPerPixel);
        info.devicePixelRatio = primary->devicePixelRatio();
    }
    info.twipsPerPixelX = kTwipsPerPixel;
    info.twipsPerPixelY = kTwipsPerPixel;
    info.fontNames = QFontDatabase::families();
    return info;
}

} // namespace garabel
