#include "desktop/FileDialogFixture.h"

#include <QElapsedTimer>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QMimeDatabase>
#include <QTest>
#include <QTreeView>
#include <QUrl>

#include <sys/stat.h>

namespace garabel::test {

namespace {

// The type column of an entry, once Qt has listed it.
QString typeShown(QFileDialog *dialog, const QString &path)
{
    auto *model = dialog->findChild<QFileSystemModel *>();
    QString type;
    const bool listed = QTest::qWaitFor([&] {
        type = model->index(path, 2).data().toString();
        return !type.isEmpty();
    }, 5000);
    return listed ? type : QString();
}

QString typeOfName(const QString &name)
{
    return QMimeDatabase().mimeTypeForFile(name, QMimeDatabase::MatchExtension).comment();
}

} // namespace

// A file's type comes from its name alone: a PNG without a suffix is not told
// a PNG, a ".bmp" holding text is told a BMP, a folder holding a FIFO lists,
// and so do /proc and /dev (Qt's own guess reads the file, for good on /proc/kmsg).
TEST_F(QtPlatformFileDialog, ListsTypesByTheNameAloneAndNeverReadsAFile)
{
    writeFile(QStringLiteral("sinnombre"));
    {
        QFile png(path("sinnombre"));
        ASSERT_TRUE(png.open(QIODevice::WriteOnly));
        png.write("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
    }
    ASSERT_EQ(::mkfifo(QFile::encodeName(path("tubo")).constData(), 0600), 0);
    m_script.then<QFileDialog>([this](QFileDialog *dialog) {
        EXPECT_EQ(typeShown(dialog, path("dibujo.bmp")), typeOfName("dibujo.bmp"));
        EXPECT_EQ(typeShown(dialog, path("sinnombre")), typeOfName("sinnombre"));
        EXPECT_NE(typeShown(dialog, path("sinnombre")), typeOfName("x.png"));
        dialog->reject();
    });
    for (const QString &folder : {QStringLiteral("/proc"), QStringLiteral("/dev")}) {
        m_script.then<QFileDialog>([folder](QFileDialog *dialog) {
            const QString listed = folder == u"/proc" ? QStringLiteral("/proc/kmsg") : QStringLiteral("/dev/shm");
            EXPECT_FALSE(typeShown(dialog, listed).isEmpty()) << listed.toStdString();
            dialog->reject();
        });
    }
    m_script.start();
    QElapsedTimer clock;
    clock.start();
    for (const QString &folder : {m_folder.path(), QStringLiteral("/proc"), QStringLiteral("/dev")}) {
        FileDialogRequest everyFile = openRequest(folder);
        everyFile.filterIndex = 2;
        m_platform.openFileDialog(everyFile);
    }
    EXPECT_TRUE(m_script.finished());
    EXPECT_LT(clock.elapsed(), 10000);
}

// The side panel offers the home folder and the user's pictures, desktop and
// documents folders; the type column reads whole.
TEST_F(QtPlatformFileDialog, OffersTheUsersFoldersAndAWideTypeColumn)
{
    QTemporaryDir home;
    const QByteArray savedHome = qgetenv("HOME"), savedConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", QFile::encodeName(home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(".config")));
    for (const char *folder : {"Pictures", "Desktop", "Documents"})
        QDir(home.path()).mkdir(folder);
    m_script.then<QFileDialog>([this, &home](QFileDialog *dialog) {
        EXPECT_EQ(dialog->sidebarUrls(),
                  QList<QUrl>({QUrl::fromLocalFile(home.path()), QUrl::fromLocalFile(home.filePath("Pictures")),
                               QUrl::fromLocalFile(home.filePath("Desktop")),
                               QUrl::fromLocalFile(home.filePath("Documents"))}));
        auto *details = dialog->findChild<QTreeView *>(QStringLiteral("treeView"));
        ASSERT_NE(details, nullptr);
        const int column = details->header()->sectionSize(2);
        for (const QString &name : {QStringLiteral("dibujo.bmp"), QStringLiteral("notas.txt")}) {
            const QString type = typeShown(dialog, path(name));
            EXPECT_GT(column, details->fontMetrics().horizontalAdvance(type)) << type.toStdString();
        }
        dialog->reject();
    });
    m_script.start();
    FileDialogRequest everyFile = openRequest(m_folder.path());
    everyFile.filterIndex = 2;
    m_platform.openFileDialog(everyFile);
    EXPECT_TRUE(m_script.finished());
    qputenv("HOME", savedHome);
    savedConfig.isNull() ? qunsetenv("XDG_CONFIG_HOME") : qputenv("XDG_CONFIG_HOME", savedConfig);
}

} // namespace garabel::test
