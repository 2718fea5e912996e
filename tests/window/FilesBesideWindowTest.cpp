#include "support/Figures.h"
#include "support/GarabelWindow.h"
#include "support/PictureSamples.h"
#include "window/ViewNotice.h"

#include <QAccessible>
#include <QFileInfo>
#include <QLabel>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

namespace garabel::test {

namespace {
QString canvasValue(GarabelWindow &w)
{
    return QAccessible::queryAccessibleInterface(w.probe().canvasView())->text(QAccessible::Value);
}

const QLabel *shownNotice(GarabelWindow &w)
{
    const auto *notice = w.probe().canvasView()->findChild<QLabel *>(QStringLiteral("viewNotice"));
    return notice && notice->isVisible() ? notice : nullptr;
}
} // namespace

// The notice is over the canvas for a few seconds, never in the drawing; the
// reader hears it; the next save dialog offers the type saved last.
TEST(SaveImage, TellsWhatItSavedOnTheScreenOnlyAndOffersTheLastTypeFirst)
{
    QTemporaryDir dir;
    BlankWindow w;
    commitBox(w, QRectF(0, 8000, 3000, 3000), kRed);  // under the notice's corner
    const QImage drawing = w.sheet();
    w.platform.saveAnswers = {dir.filePath("casa.png"), dir.filePath("casa.png"), dir.filePath("dibujo.bmp")};
    w.click(PaletteButton::Save);

    const QLabel *notice = shownNotice(w);
    ASSERT_NE(notice, nullptr);
    EXPECT_EQ(notice->text(), QStringLiteral("Guardado: casa.png"));
    EXPECT_EQ(canvasValue(w), QStringLiteral("Guardado: casa.png"));
    const auto *hide = notice->findChild<QTimer *>();
    ASSERT_NE(hide, nullptr);
    EXPECT_TRUE(hide->isActive());
    EXPECT_EQ(hide->interval(), kViewNoticeMs);
    EXPECT_EQ(w.sheet(), drawing);
    EXPECT_EQ(w.canvas(), drawing);
    EXPECT_EQ(QImage(dir.filePath("casa.png")).convertToFormat(drawing.format()), drawing);

    w.click(PaletteButton::Save);
    w.click(PaletteButton::Save);
    w.click(PaletteButton::Save);  // cancelled
    std::vector<int> offered;
    for (const FileDialogRequest &request : w.platform.saveRequests)
        offered.push_back(request.filterIndex);
    EXPECT_EQ(offered, std::vector<int>({1, 2, 2, 1}));
    EXPECT_EQ(canvasValue(w), QStringLiteral("Guardado: dibujo.bmp"));
    EXPECT_TRUE(w.platform.messages.empty());
}

// The picture is read beside the window: a drag on the canvas meanwhile
// draws nothing, and the picture then arrives whole.
TEST(OpenImage, ADragWhileALargePictureOpensDrawsNothing)
{
    QTemporaryDir dir;
    QImage large(4000, 3000, QImage::Format_RGB32);
    large.fill(qRgb(200, 200, 200));
    ASSERT_TRUE(writeBytes(dir.filePath("grande.jpg"), encoded(large, "jpeg")));
    BlankWindow w;
    const QImage blank = w.sheet();
    bool ranWhileOpening = false;
    QTimer::singleShot(0, &w.window(), [&] {
        ranWhileOpening = w.sheet() == blank;
        w.drag({QPointF(1500, 1500), QPointF(6000, 1500)});
    });
    w.platform.openAnswers = {dir.filePath("grande.jpg")};
    w.click(PaletteButton::Open);
    QCoreApplication::processEvents();

    EXPECT_TRUE(ranWhileOpening) << "the window was frozen";
    ASSERT_NE(w.sheet(), blank);
    EXPECT_EQ(w.sheet().pixel(200, 100), qRgb(200, 200, 200)) << "the drag drew";
    EXPECT_EQ(w.sheet(), w.canvasStored());
    EXPECT_TRUE(w.platform.messages.empty());
}

} // namespace garabel::test
