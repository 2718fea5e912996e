#pragma once

#include <QString>

namespace garabel {

// The folder the picture dialogs open in: the program's own when the user may
// write there; otherwise (an installed program in a system folder) the user's
// Pictures folder, or the home folder where there is none.
QString pictureStartFolder(const QString &programFolder);

} // namespace garabel
