#include "app/Form1.h"
#include "platform/QtPlatform.h"
#include "platform/Translations.h"

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    // Garabel keeps no files of its own; Qt's dialogs would otherwise remember
    // their history and custom colours in the user's configuration folder.
    QTemporaryDir settings;
    if (settings.isValid()) {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
    }
    garabel::installSpanishTranslations(app);
    garabel::QtPlatform platform;
    garabel::Form1 window(platform);
    platform.setDialogParent(&window);
    window.Form_Load();
    window.showOnScreen();
    return app.exec();
}
