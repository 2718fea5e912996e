#include "desktop/QtFileDialogsListing.h"

#include <QDir>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QStandardPaths>

namespace garabel {

namespace {

// Qt's own provider guesses a file's type from its contents where its name is
// not enough; this one looks up the name only.
class NameOnlyIconProvider : public QFileIconProvider
{
public:
    QIcon icon(const QFileInfo &info) const override
    {
        if (!info.isFile())
            return QFileIconProvider::icon(info.isDir() ? Folder : File);
        return QIcon::fromTheme(mimeType(info).iconName(), QFileIconProvider::icon(File));
    }

    QString type(const QFileInfo &info) const override
    {
        if (!info.isFile())  // Qt's own text for a folder, a link, a device
            return QFileIconProvider::type(info);
        const QMimeType mime = mimeType(info);
        return mime.comment().isEmpty() ? mime.name() : mime.comment();
    }

private:
    QMimeType mimeType(const QFileInfo &info) const
    {
        return m_types.mimeTypeForFile(info.fileName(), QMimeDatabase::MatchExtension);
    }

    QMimeDatabase m_types;
};
} // namespace

QAbstractFileIconProvider *nameOnlyIconProvider()
{
    // Never deleted: its icons would outlive the application's styles.
    static auto *provider = new NameOnlyIconProvider;
    return provider;
}

QList<QUrl> placesOfTheUser()
{
    QList<QUrl> places{QUrl::fromLocalFile(QDir::homePath())};
    for (const auto location : {QStandardPaths::PicturesLocation, QStandardPaths::DesktopLocation,
                                QStandardPaths::DocumentsLocation}) {
        const QString folder = QStandardPaths::writableLocation(location);
        const QUrl place = QUrl::fromLocalFile(folder);
        if (!folder.isEmpty() && QFileInfo(folder).isDir() && !places.contains(place))
            places << place;
    }
    return places;
}

} // namespace garabel
