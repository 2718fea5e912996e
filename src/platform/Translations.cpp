#include "platform/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace garabel {

namespace {
// Marks the translators installed here, so a second call finds them.
constexpr auto kTranslatorName = "garabel-qt-es";

// Texts of Qt that its Spanish catalogue lacks: the type column of the file
// dialogs names folders and the root of the file system with them.
class MissingQtTexts : public QTranslator
{
public:
    using QTranslator::QTranslator;
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        if (qstrcmp(context, "QAbstractFileIconProvider") != 0)
            return {};
        if (qstrcmp(sourceText, "Folder") == 0)
            return QStringLiteral("Carpeta");
        if (qstrcmp(sourceText, "Drive") == 0)
            return QStringLiteral("Unidad");
        return {};
    }
};

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
    if (!loadCatalogue(app, QStringLiteral("qtbase_es"), folder) && !loadCatalogue(app, QStringLiteral("qt_es"), folder))
        return false;
    auto *missing = new MissingQtTexts(&app);
    missing->setObjectName(QLatin1String(kTranslatorName));
    QCoreApplication::installTranslator(missing);
    return true;
}

} // namespace garabel
