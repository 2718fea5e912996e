#include "desktop/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace garabel {

namespace {
// Marks the translators installed here, so a second call finds them.
constexpr auto kTranslatorName = "garabel-qt-es";

// Texts of Qt that its Spanish catalogue lacks: the type column of the file
// dialogs names folders and the root of the file system with them, and the
// print dialog its double-sided printing and advanced properties.
struct MissingText {
    const char *context, *english, *spanish;
};
constexpr MissingText kMissingTexts[] = {
    {"QAbstractFileIconProvider", "Folder", "Carpeta"},
    {"QAbstractFileIconProvider", "Drive", "Unidad"},
    {"QPrintSettingsOutput", "Double Sided Printing", "Impresión a doble cara"},
    {"QPrintSettingsOutput", "Off", "No"},
    {"QPrintSettingsOutput", "Long side binding", "Encuadernación por el lado largo"},
    {"QPrintSettingsOutput", "Short side binding", "Encuadernación por el lado corto"},
    {"QPrintPropertiesWidget", "Advanced", "Avanzado"},
};

class MissingQtTexts : public QTranslator
{
public:
    using QTranslator::QTranslator;
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        for (const MissingText &text : kMissingTexts) {
            if (qstrcmp(context, text.context) == 0 && qstrcmp(sourceText, text.english) == 0)
                return QString::fromUtf8(text.spanish);
        }
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
