#pragma once

#include <QLatin1String>

class QCoreApplication;

namespace garabel {

// The program's name: the application name and the caption of its message boxes.
inline constexpr QLatin1String kProgramName("Garabel");

// Sets the application name and makes Qt's own texts (dialog buttons, file and
// colour dialogs, printing errors) Spanish by installing Qt's Spanish catalogues
// from the Qt installation. The translators belong to the application, so they
// live as long as it does; calling this twice installs them only once.
// Returns false when no Spanish catalogue of Qt could be loaded (Qt's texts then
// stay in English; the program's own texts are Spanish regardless).
bool installSpanishTranslations(QCoreApplication &app);

} // namespace garabel
