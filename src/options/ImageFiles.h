#pragma once

#include "platform/Platform.h"

#include <QString>

#include <vector>

namespace garabel {

// The folder the picture dialogs open in: the program's own when the user may
// write there; otherwise (an installed program in a system folder) the user's
// Pictures folder, or the home folder where there is none.
QString pictureStartFolder(const QString &programFolder);

// A save dialog opening in the picture folder, its first filter selected; the
// dialog adds `defaultSuffix` and asks about replacing the very file written.
FileDialogRequest saveRequest(const QString &title, std::vector<FileFilter> filters,
                              const QString &defaultSuffix);

} // namespace garabel
