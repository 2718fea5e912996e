#include "desktop/SurfaceView.h"
#include "support/Figures.h"
#include "support/GarabelWindow.h"
#include "support/PictureSamples.h"
#include "window/Button.h"
#include "window/ComboBox.h"
#include "window/PictureButton.h"

#include <QApplication>
#include <QComboBox>
#include <QDropEvent>
#include <QMimeData>
#include <QTemporaryDir>
#include <QUrl>
#include <QWindow>

#include <gtest/gtest.h>

namespace garabel::test {

namespace {

// A drag from a file manager ending on the window, as the window system hands
// it to the top-level window: the drag enters, then drops. True when the
// window took it, as a copy.
bool dropOnWindow(GarabelWindow &w, const QMimeData &data, QPoint at,
                  Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction)
{
    QWindow *window = w->windowHandle();
    QDragEnterEvent enter(at, offered, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window, &enter);
    if (!enter.isAccepted()) {
        QDragLeaveEvent leave;
        QApplication::sendEvent(window, &leave);
        return false;
    }
    QDropEvent drop(at, offered, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window, &drop);
    QApplication::processEvents();
    return drop.isAccepted() && drop.dropAction() == Qt::CopyAction;
}

// Files as a file manager offers them: their addresses, and their paths as text.
QMimeData *files(const QStringList &paths)
{
    auto *data = new QMimeData;
    QList<QUrl> urls;
    for (const QString &path : paths)
        urls << QUrl::fromLocalFile(path);
    data->setUrls(urls);
    data->setText(paths.join(u'\n'));
    return data;
}

QImage topLeft(const QImage &image)
{
    return image.copy(QRect(QPoint(0, 0), samplePicture().size())).convertToFormat(QImage::Format_RGB32);
}

} // namespace

TEST(PictureDrop, AFileDroppedOnTheWindowOpensOnTheCurrentSheetAsTheOpenDialogsChoiceDoes)
{
    QTemporaryDir dir;
    writeBytes(dir.filePath("foto.png"), encoded(samplePicture(), "png"));
    writeBytes(dir.filePath("notas.txt"), encoded(samplePicture(), "png"));
    BlankWindow w;
    w.click(*w.probe().sheetButtons()[3]);
    commitBox(w, QRectF(3000, 1500, 600, 450), kRed);
    const QImage drawing = w.sheet();
    const std::unique_ptr<QMimeData> picture(files({dir.filePath("foto.png")}));
    const QPoint overCanvas = w.probe().canvasView()->geometry().center();
    const QPoint overPalette = w.probe().paletteButtons()[PaletteButton::Help]->button()->geometry().center();

    ASSERT_TRUE(dropOnWindow(w, *picture, overCanvas));
    EXPECT_EQ(topLeft(w.sheet(3)), samplePicture());
    EXPECT_EQ(w.canvas(), w.sheet(3));
    EXPECT_TRUE(w.platform.messages.empty());
    w.click(PaletteButton::Undo);
    EXPECT_EQ(w.sheet(3), drawing) << "undone";

    ASSERT_TRUE(dropOnWindow(w, *picture, overPalette));
    EXPECT_EQ(topLeft(w.sheet(3)), samplePicture());
    w.click(PaletteButton::Undo);
    w.click(PaletteButton::Text);  // shows the font lists
    QWidget *fontList = w.probe().fontNameList().combo();
    ASSERT_TRUE(dropOnWindow(w, *picture, fontList->mapTo(&w.window(), fontList->rect().center())));
    EXPECT_EQ(topLeft(w.sheet(3)), samplePicture()) << "dropped on the font list";

    w.click(PaletteButton::Undo);
    const std::unique_ptr<QMimeData> text(files({dir.filePath("notas.txt")}));
    ASSERT_TRUE(dropOnWindow(w, *text, overCanvas));
    ASSERT_EQ(w.platform.messages.size(), 1u);
    EXPECT_EQ(w.platform.messages[0].first, QStringLiteral("El fichero seleccionado no es un gráfico soportado"));
    EXPECT_EQ(w.sheet(3), drawing);
    EXPECT_TRUE(w.platform.openRequests.empty()) << "no dialog";
}

TEST(PictureDrop, AnythingElseIsRefusedAndChangesNothing)
{
    QTemporaryDir dir;
    writeBytes(dir.filePath("foto.png"), encoded(samplePicture(), "png"));
    writeBytes(dir.filePath("otra.png"), encoded(samplePicture(), "png"));
    BlankWindow w;
    const QImage blank = w.sheet();
    const QPoint overCanvas = w.probe().canvasView()->geometry().center();
    auto text = std::make_unique<QMimeData>();
    text->setText(dir.filePath("foto.png"));
    auto web = std::make_unique<QMimeData>();
    web->setUrls({QUrl(QStringLiteral("https://example.org/foto.png"))});
    const std::unique_ptr<QMimeData> two(files({dir.filePath("foto.png"), dir.filePath("otra.png")}));
    const std::unique_ptr<QMimeData> folder(files({dir.path()}));
    const std::unique_ptr<QMimeData> one(files({dir.filePath("foto.png")}));

    EXPECT_FALSE(dropOnWindow(w, *text, overCanvas)) << "text";
    EXPECT_FALSE(dropOnWindow(w, *web, overCanvas)) << "a web address";
    EXPECT_FALSE(dropOnWindow(w, *two, overCanvas)) << "two files";
    EXPECT_FALSE(dropOnWindow(w, *folder, overCanvas)) << "a folder";
    EXPECT_FALSE(dropOnWindow(w, *one, overCanvas, Qt::MoveAction)) << "a move would remove the file";
    QApplication::processEvents();
    EXPECT_EQ(w.sheet(), blank);
    EXPECT_TRUE(w.platform.messages.empty());
    EXPECT_TRUE(QFile::exists(dir.filePath("foto.png")));
}

} // namespace garabel::test
