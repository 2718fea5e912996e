#include "desktop/FileDialogFixture.h"

#include <QAction>
#include <QApplication>
#include <QFileSystemModel>
#include <QInputDialog>
#include <QListView>
#include <QMenu>
#include <QMimeData>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>
#include <QUrl>

namespace garabel::test {

namespace {

class QtFileDialogSafety : public QtPlatformFileDialog
{
protected:
    void SetUp() override
    {
        QtPlatformFileDialog::SetUp();
        ASSERT_TRUE(QDir(m_folder.path()).mkdir(QStringLiteral("uno")));
        ASSERT_TRUE(QDir(m_folder.path()).mkdir(QStringLiteral("dos")));
    }

    // Everything in the folder, as it was made.
    QStringList contents() const
    {
        QStringList all;
        for (const QString &name : QDir(m_folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot))
            all << name + (QFileInfo(path(name)).isDir() ? "/" + QDir(path(name)).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).join(',') : QString());
        return all;
    }
};

// The list shows the folder once Qt has read it, in a thread of its own; one
// never shown is no index, which the caller's check reports.
QModelIndex shown(QListView *view, QFileSystemModel *model, const QString &path)
{
    QModelIndex index;
    const bool visible = QTest::qWaitFor([&] {
        index = model->index(path);
        return index.isValid() && !view->visualRect(index).isEmpty();
    });
    return visible ? index : QModelIndex();
}

// What the list does when a drag of one folder inside it ends on the next
// folder: it hands the folder's address to the model, to be moved there.
void dropOnto(QFileSystemModel *model, const QString &dragged, const QModelIndex &target)
{
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(dragged)});
    if (model->canDropMimeData(&data, Qt::MoveAction, -1, -1, target))
        model->dropMimeData(&data, Qt::MoveAction, -1, -1, target);
}

// A question asked on the way ("delete it?") gets a Yes, as a hurried user would give.
class SayYes : public QTimer
{
public:
    SayYes()
    {
        connect(this, &QTimer::timeout, [] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
                box->button(QMessageBox::Yes) ? box->button(QMessageBox::Yes)->click() : box->accept();
        });
        start(10);
    }
};

// A name being edited in place shows an editor in the list.
bool editing(QListView *view)
{
    return !view->viewport()->findChildren<QLineEdit *>().isEmpty();
}

// What the list's context menu offers, enabled, over `at`. Qt runs the menu in
// a loop of its own, which a timer reads and closes.
QStringList contextMenuOver(QListView *view, QPoint at)
{
    QStringList enabled;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&closer, &enabled] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!menu)
            return;
        for (const QAction *action : menu->actions()) {
            if (action->isEnabled() && !action->isSeparator())
                enabled << action->text().remove(u'&');
        }
        closer.stop();
        menu->close();
    });
    closer.start(10);
    emit view->customContextMenuRequested(at);
    EXPECT_TRUE(QTest::qWaitFor([&closer] { return !closer.isActive(); })) << "no context menu opened";
    return enabled;
}

} // namespace

TEST_F(QtFileDialogSafety, NeitherDialogMovesRenamesOrDeletesByDragKeysOrMenu)
{
    const QStringList before = contents();
    for (const bool save : {false, true}) {
        SCOPED_TRACE(save ? "save dialog" : "open dialog");
        ModalScript script;
        script.then<QFileDialog>([this](QFileDialog *dialog) {
            auto *view = dialog->findChild<QListView *>(QStringLiteral("listView"));
            auto *model = dialog->findChild<QFileSystemModel *>();
            ASSERT_TRUE(view && model);
            const QModelIndex uno = shown(view, model, path("uno")), dos = shown(view, model, path("dos"));
            const QModelIndex file = shown(view, model, path("dibujo.bmp"));
            ASSERT_TRUE(uno.isValid() && dos.isValid() && file.isValid());

            dropOnto(model, path("uno"), dos);
            QApplication::setActiveWindow(dialog);  // the keys of the dialog's shortcuts reach it
            view->setFocus();
            view->setCurrentIndex(file);
            const SayYes yes;
            QTest::keyClick(view, Qt::Key_F2);
            EXPECT_FALSE(editing(view)) << "F2";
            dialog->findChild<QAction *>(QStringLiteral("qt_rename_action"))->trigger();
            EXPECT_FALSE(editing(view)) << "the rename action";
            QTest::keyClick(view, Qt::Key_Delete);
            const QStringList menu = contextMenuOver(view, view->visualRect(file).center());
            EXPECT_FALSE(menu.contains(QStringLiteral("Cambiar de nombre"))) << menu.join(", ").toStdString();
            EXPECT_FALSE(menu.contains(QStringLiteral("Borrar"))) << menu.join(", ").toStdString();
            EXPECT_TRUE(menu.contains(QStringLiteral("Mostrar los ficheros ocultos"))) << "the menu was read";
            // Nothing can be picked up to be dropped in a file manager, which could move it.
            for (auto *list : dialog->findChildren<QAbstractItemView *>())
                EXPECT_FALSE(list->dragEnabled()) << list->objectName().toStdString();
            dialog->reject();
        });
        script.start();
        save ? m_platform.saveFileDialog(saveRequest(m_folder.path()))
             : m_platform.openFileDialog(openRequest(m_folder.path()));
        EXPECT_TRUE(script.finished());
        EXPECT_EQ(contents(), before);
    }
}

// The new folder is named before it is made, and the dialog goes into it. The
// type column names folders in Spanish.
TEST_F(QtFileDialogSafety, TheSaveDialogMakesANamedNewFolderTheOpenDialogNone)
{
    m_script.then<QFileDialog>([](QFileDialog *dialog) {
        EXPECT_FALSE(dialog->findChild<QToolButton *>(QStringLiteral("newFolderButton"))->isEnabled());
        dialog->reject();
    });
    m_script.start();
    m_platform.openFileDialog(openRequest(m_folder.path()));
    EXPECT_TRUE(m_script.finished());

    ModalScript script;
    script
        .then<QFileDialog>([this](QFileDialog *dialog) {
            auto *model = dialog->findChild<QFileSystemModel *>();
            QString type;
            ASSERT_TRUE(QTest::qWaitFor([&] {
                type = model->index(path("uno"), 2).data().toString();
                return !type.isEmpty();
            })) << "the folder's type was never listed";
            EXPECT_EQ(type, QStringLiteral("Carpeta"));
            auto *newFolder = dialog->findChild<QToolButton *>(QStringLiteral("newFolderButton"));
            ASSERT_TRUE(newFolder->isEnabled());
            newFolder->click();
        })
        .then<QInputDialog>([](QInputDialog *question) {
            EXPECT_EQ(question->windowTitle(), QStringLiteral("Nueva carpeta"));
            question->setTextValue(QStringLiteral("Dibujos de Ana"));
            question->accept();
        })
        .then<QFileDialog>([this](QFileDialog *dialog) {
            EXPECT_EQ(canonical(dialog->directory().absolutePath()), canonical(path("Dibujos de Ana")));
            QCoreApplication::processEvents();
            EXPECT_TRUE(dialog->findChild<QToolButton *>(QStringLiteral("newFolderButton"))->isEnabled());
            typeName(dialog, QStringLiteral("casa"));
            acceptDialog(dialog);
        });
    script.start();

    const std::optional<QString> chosen = m_platform.saveFileDialog(saveRequest(m_folder.path()));
    EXPECT_TRUE(script.finished());
    EXPECT_EQ(chosen.value_or(QString()), path("Dibujos de Ana/casa.bmp"));
}

} // namespace garabel::test
