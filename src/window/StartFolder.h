#pragma once

#include "desktop/Platform.h"

#include <QString>

#include <vector>

namespace garabel {

// Where the file dialogs (open, save, PDF) start: the folder of the file last
// chosen in any of them during this run; before that, the user's pictures
// folder, or the home folder where there is none. Never the program's own
// folder; nothing of it outlives the run.
class StartFolder
{
public:
    QString path() const;
    // A dialog gave this name: its folder is where the next dialog starts.
    void chosen(const QString &fileName);

private:
    QString m_last;
};

// A save dialog opening in `folder`, its first filter selected; the dialog
// adds `defaultSuffix` and asks about replacing the very file written.
FileDialogRequest saveRequest(const QString &title, std::vector<FileFilter> filters,
                              const QString &defaultSuffix, const StartFolder &folder);

} // namespace garabel
