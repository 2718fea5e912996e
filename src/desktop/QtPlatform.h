#pragma once

#include "desktop/Platform.h"

#include <QCoreApplication>
#include <QPointer>

class QWidget;

namespace garabel {

// The desktop through Qt: Qt's own dialogs (never the native ones, so they look
// and behave the same everywhere and speak Spanish once installSpanishTranslations
// has run), the printers, and the primary screen.
class QtPlatform : public Platform
{
    Q_DECLARE_TR_FUNCTIONS(QtPlatform)
public:
    // Dialogs open over dialogParent when it is set and alive, otherwise over
    // the active window.
    explicit QtPlatform(QWidget *dialogParent = nullptr);
    void setDialogParent(QWidget *dialogParent);

    // Qt's file dialog, as runFileDialog (QtFileDialogs.h) describes it.
    std::optional<QString> openFileDialog(const FileDialogRequest &request) override;
    std::optional<QString> saveFileDialog(const FileDialogRequest &request) override;
    // Opens on request.initial, with Qt's custom colours set from the request's
    // table (so custom colours picked in one call do not survive into the next).
    // Qt's dialog is always fully open and takes any colour, so the flags need
    // nothing more.
    std::optional<Rgb> colorDialog(const ColorDialogRequest &request) override;
    // Plain text, no icon; the default button as MessageButtons says, and
    // Escape or closing a Yes/No box answers No.
    MessageAnswer messageBox(const QString &text, MessageButtons buttons) override;
    // Qt's print dialog (askPrintSettings, QtPrintDialog.h) on the default
    // printer, or on the first printer there is when none is the default.
    Result<std::unique_ptr<PrintJob>> printDialog(bool landscape) override;
    // An A4 page with 10 mm margins: what a printer here would most likely hold.
    std::unique_ptr<PrintJob> startPdfJob(const QString &fileName) override;
    // Tells the running event loops to return, without offering any window a
    // close event (Qt's quit() does, and a window could refuse): the calling
    // handler runs to its end and main's exec() returns 0. With no event loop
    // running there is nothing to return to, so the process ends here, code 0.
    void quit() override;
    // The primary screen in the 96-dpi logical pixels the layout is designed for;
    // its available area is the one the window manager reports (the whole
    // screen when there is none).
    ScreenInfo screen() const override;

    // The font families as users know them, each once, sorted: Qt names a
    // family that several foundries make "C059 [UKWN]", "C059 [URW]".
    static QStringList fontFamilies(const QStringList &qtFamilies);

private:
    QWidget *dialogParent() const;

    QPointer<QWidget> m_dialogParent;
};

} // namespace garabel
