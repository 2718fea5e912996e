#include "desktop/CommandLine.h"
#include "desktop/QtPlatform.h"
#include "desktop/TerminationSignals.h"
#include "desktop/Translations.h"
#include "window/MainWindow.h"
#include "window/PaletteCommands.h"

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

int main(int argc, char **argv)
{
    if (garabel::answerCommandLine(argc, argv, GARABEL_VERSION))
        return 0;
    const QString picture = garabel::pictureArgument(argc, argv);
    // Qt would take options of its own (-platform, -style, -reverse ...) from
    // the command line; Garabel takes none, so Qt sees only the program's name.
    int qtArgc = argc > 0 ? 1 : 0;
    QApplication app(qtArgc, argv);
    // Lets the desktop match the window to its desktop entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(GARABEL_APP_ID));
    garabel::TerminationSignals terminationSignals;
    // Garabel keeps no files of its own; Qt's dialogs would otherwise remember
    // their history and custom colours in the user's configuration folder.
    // Static, so that it is removed also when Qt ends the process with exit()
    // because the display went away (an X server ending with the session).
    static QTemporaryDir settings;
    if (settings.isValid()) {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
    }
    garabel::installSpanishTranslations(app);
    garabel::QtPlatform platform;
    garabel::MainWindow window(platform);
    platform.setDialogParent(&window);
    // A logout or Ctrl+C ends the program as the quit question's Yes does,
    // so the temporary folder is removed on the way out.
    QObject::connect(&terminationSignals, &garabel::TerminationSignals::received, &window,
                     [&platform] { platform.quit(); });
    window.showOnScreen();
    // Opened from the event loop, so that a message about it shows over the window.
    if (!picture.isEmpty()) {
        QTimer::singleShot(0, &window, [&window, &platform, &picture] {
            garabel::runPaletteCommand(platform, [&window, &picture] { window.openPictureFile(picture); });
        });
    }
    return app.exec();
}
