#include "platform/QtPlatform.h"

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

namespace {

// Qt reads a filter's patterns from the last parenthesised part of its text,
// separated by blanks; the request separates them with semicolons.
QString qtNameFilter(const FileFilter &filter)
{
    QStringList patterns = filter.pattern.split(u';', Qt::SkipEmptyParts);
    for (QString &pattern : patterns) {
        pattern = pattern.trimmed();
        // "*.*" means every file; in Qt it would hide the names without a dot.
        if (pattern == QStringLiteral("*.*"))
            pattern = QStringLiteral("*");
    }
    const QString qtPatterns = patterns.join(u' ');
    if (filter.description.isEmpty())
        return qtPatterns;
    const QString shown = QStringLiteral("(%1)").arg(filter.pattern);
    if (filter.description.endsWith(shown))
        return QStringLiteral("%1(%2)").arg(filter.description.chopped(shown.size()), qtPatterns);
    return QStringLiteral("%1 (%2)").arg(filter.description, qtPatterns);
}

// Qt's file dialog accepts a new name in a folder that does not exist; this one
// refuses it when the request says the path must exist.
class FileDialog : public QFileDialog
{
public:
    FileDialog(QWidget *parent, const FileDialogRequest &request, bool save)
        : QFileDialog(parent, request.title, request.initialDir),
          m_pathMustExist(request.flags & OfnPathMustExist)
    {
        setOption(DontUseNativeDialog);
        setAcceptMode(save ? AcceptSave : AcceptOpen);
        setFileMode(request.flags & OfnFileMustExist ? ExistingFile : AnyFile);
        setOption(DontConfirmOverwrite, !(request.flags & OfnOverwritePrompt));

        QStringList nameFilters;
        for (const FileFilter &filter : request.filters)
            nameFilters << qtNameFilter(filter);
        setNameFilters(nameFilters);
        // The index counts from 1; one out of range selects the first filter.
        if (request.filterIndex >= 1 && request.filterIndex <= nameFilters.size())
            selectNameFilter(nameFilters.at(request.filterIndex - 1));
    }

protected:
    void accept() override
    {
        const QStringList files = selectedFiles();
        if (m_pathMustExist && !files.isEmpty()) {
            const QFileInfo chosen(files.constFirst());
            if (!chosen.exists() && !chosen.absoluteDir().exists()) {
                QMessageBox::warning(this, windowTitle(),
                                     QtPlatform::tr("%1\nLa carpeta no existe.\n"
                                                    "Compruebe que la ruta es correcta.")
                                         .arg(QDir::toNativeSeparators(chosen.absolutePath())));
                return;
            }
        }
        QFileDialog::accept();
    }

private:
    bool m_pathMustExist;
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
    return runFileDialog(request, false);
}

std::optional<QString> QtPlatform::saveFileDialog(const FileDialogRequest &request)
{
    return runFileDialog(request, true);
}

std::optional<QString> QtPlatform::runFileDialog(const FileDialogRequest &request, bool save)
{
    FileDialog dialog(dialogParent(), request, save);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty())
        return std::nullopt;
    return files.constFirst();
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
    if (const QScreen *primary = QGuiApplication::primaryScreen())
        info.twips = primary->geometry().size() * kTwipsPerPixel;
    info.twipsPerPixelX = kTwipsPerPixel;
    info.twipsPerPixelY = kTwipsPerPixel;
    info.fontNames = QFontDatabase::families();
    return info;
}

} // namespace garabel
