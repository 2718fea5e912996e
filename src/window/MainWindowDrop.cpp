#include "window/MainWindow.h"

#include "window/PaletteCommands.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

namespace garabel {

namespace {
// The file a drop carries when it is exactly one local file, not a folder, and
// the drop may copy it; empty for anything else (text, a web address, several
// files). A drop taken as a move would have the file manager remove the file.
QString droppedFile(const QDropEvent &event)
{
    const QMimeData *data = event.mimeData();
    if (!data || !data->hasUrls() || !(event.possibleActions() & Qt::CopyAction))
        return {};
    const QList<QUrl> urls = data->urls();
    if (urls.size() != 1 || !urls.constFirst().isLocalFile())
        return {};
    const QString path = urls.constFirst().toLocalFile();
    return QFileInfo(path).isDir() ? QString() : path;
}
} // namespace

void MainWindow::acceptPictureDrops()
{
    setAcceptDrops(true);
    // The lists' fields would take a dropped file as text.
    for (QLineEdit *field : findChildren<QLineEdit *>())
        field->setAcceptDrops(false);
}

void MainWindow::dragEnterEvent(QDragEnterEvent *event)
{
    if (droppedFile(*event).isEmpty())
        return;
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

// The picture opens once the drop is over: a message box inside the drop would
// hold the file manager's drag until it closed.
void MainWindow::dropEvent(QDropEvent *event)
{
    const QString file = droppedFile(*event);
    if (file.isEmpty())
        return;
    event->setDropAction(Qt::CopyAction);
    event->accept();
    QTimer::singleShot(0, this,
                       [this, file] { runPaletteCommand(m_platform, [this, &file] { openPictureFile(file); }); });
}

} // namespace garabel
