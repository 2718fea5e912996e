#include "window/StartFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <utility>

namespace garabel {

namespace {
constexpr unsigned kSaveFlags = OfnPathMustExist | OfnHideReadOnly | OfnOverwritePrompt;
} // namespace

QString StartFolder::path() const
{
    // The last folder may have gone since; Qt's dialog would then start in the working folder.
    if (!m_last.isEmpty() && QFileInfo(m_last).isDir())
        return m_last;
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    return !pictures.isEmpty() && QFileInfo(pictures).isDir() ? pictures : QDir::homePath();
}

void StartFolder::chosen(const QString &fileName)
{
    m_last = QFileInfo(fileName).absolutePath();
}

FileDialogRequest saveRequest(const QString &title, std::vector<FileFilter> filters,
                              const QString &defaultSuffix, const StartFolder &folder)
{
    FileDialogRequest request;
    request.title = title;
    request.filters = std::move(filters);
    request.filterIndex = 1;
    request.initialDir = folder.path();
    request.flags = kSaveFlags;
    request.defaultSuffix = defaultSuffix;
    return request;
}

} // namespace garabel
