#include "platform/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace garabel {

namespace {
// Marks the translators installed here, so a second call finds them.
constexpr auto kTranslatorName = "garabel-qt-es";

bool loadCatalogue(QCoreApplication &app, const QString &name, const QString &folder)
{
    auto *translator = new QTranslator(&app);
    if (!translator->load(name, folder)) {
        delete translator;
        return false;
    }
    translator->setObjectName(QLatin1String(kTranslatorName));
    QCoreApplication::installTranslator(translator);
    return true;
}
} // namespace

bool installSpanishTranslations(QCoreApplication &app)
{
    QCoreApplication::setApplicationName(kProgramName);
    if (app.findChild<QTranslator *>(QLatin1String(kTranslatorName), Qt::FindDirectChildrenOnly))
        return true;

    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    // qtbase holds every text of the Qt modules the program uses. qt_es is the
    // umbrella catalogue that older installations ship instead; where qtbase_es
    // exists it would only load qtbase_es a second time.
    return loadCatalogue(app, QStringLiteral("qtbase_es"), folder)
        || loadCatalogue(app, QStringLiteral("qt_es"), folder);
}

} // namespace garabel
