#pragma once

// src/desktop: what the program asks of the desktop (dialogs, messages, printer,
// screen) and its Qt side, the canvas view, what screen readers are told,
// signals, translations, the command line. Uses raster and files.

#include "common/Result.h"
#include "raster/Rgb.h"

#include <QImage>
#include <QRect>
#include <QRectF>
#include <QSize>
#include <QString>
#include <QStringList>

#include <array>
#include <memory>
#include <optional>

namespace garabel {

// Flags of the file dialog requests, with the values the program has always used.
enum FileDialogFlag : unsigned {
    OfnOverwritePrompt = 0x2,
    OfnHideReadOnly = 0x4,
    OfnPathMustExist = 0x800,
    OfnFileMustExist = 0x1000,
};

struct FileFilter {
    QString description;  // "Archivo gráfico (*.bmp)"
    QString pattern;      // "*.bmp"
};

struct FileDialogRequest {
    QString title;
    std::vector<FileFilter> filters;
    int filterIndex = 1;  // 1-based: the filter selected when the dialog opens
    QString initialDir;
    unsigned flags = 0;
    // Save dialogs: a suffix ("bmp") makes the dialog add to a name that ends
    // in none of the filters' suffixes the suffix of the selected filter (this
    // one when that filter has none). The name returned is the one to write,
    // and the overwrite prompt asks about it.
    QString defaultSuffix;
};

struct ColorDialogRequest {
    Rgb initial = kBlack;
    std::array<Rgb, 16> customColors{};
};

// YesNo has Yes as its default button (Enter answers Yes); YesNoDefaultNo has No.
enum class MessageButtons { Ok, YesNo, YesNoDefaultNo };
enum class MessageAnswer { Ok, Yes, No };

struct ScreenInfo {
    QSize twips;            // the whole screen
    int twipsPerPixelX = 15;
    int twipsPerPixelY = 15;
    QStringList fontNames;  // the families of the screen fonts, as users know them, each once, sorted
    // What a maximised window gets, in twips from the screen's top-left corner:
    // the screen less the desktop's panels. Empty stands for the whole screen.
    QRect availableTwips;
    // Device pixels per logical pixel: 2 on a high-density screen.
    double devicePixelRatio = 1;

    QRect available() const { return availableTwips.isEmpty() ? QRect(QPoint(), twips) : availableTwips; }
};

// One print document, on a printer or into a PDF file. A failure says why, in Spanish.
class PrintJob
{
public:
    virtual ~PrintJob() = default;
    // Paints the picture stretched to the rectangle, in page twips.
    virtual Result<void> paintPicture(const QImage &picture, const QRectF &twips) = 0;
    // Ends the document and sends the page.
    virtual Result<void> endDocument() = 0;
    // Turns the page; only before the first picture is painted. A job from the
    // print dialog comes with the page turned as the user left it.
    virtual void setLandscape(bool landscape) = 0;
    // The printable area of the page in twips, as the page now lies; the
    // rectangles of paintPicture are measured from its top-left corner.
    virtual QSizeF printableTwips() const = 0;
};

// What the program asks of the desktop. The Qt implementation talks to real
// dialogs and printers; tests script a fake.
class Platform
{
public:
    virtual ~Platform() = default;

    // The chosen file name, or nullopt when the user cancelled.
    virtual std::optional<QString> openFileDialog(const FileDialogRequest &request) = 0;
    virtual std::optional<QString> saveFileDialog(const FileDialogRequest &request) = 0;
    // The chosen colour, or nullopt when the user cancelled.
    virtual std::optional<Rgb> colorDialog(const ColorDialogRequest &request) = 0;
    // A modal message box titled "Garabel".
    virtual MessageAnswer messageBox(const QString &text, MessageButtons buttons) = 0;
    // The system print dialog, on the default printer, the page offered turned
    // as `landscape` says; the user may choose another printer, the copies, or
    // turn the page. It gives a job on the printer, with the settings the user
    // chose there, or none (null) when the user cancelled. Not shown when there
    // is no printer: that fails, saying so in Spanish.
    virtual Result<std::unique_ptr<PrintJob>> printDialog(bool landscape) = 0;
    // A print job that writes its page to a PDF file instead of a printer.
    virtual std::unique_ptr<PrintJob> startPdfJob(const QString &fileName) = 0;
    // Ends the program at once.
    virtual void quit() = 0;
    virtual ScreenInfo screen() const = 0;
};

} // namespace garabel
