#include "support/Figures.h"
#include "support/GarabelWindow.h"
#include "support/PictureSamples.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace garabel::test {

TEST(OpenImage, APictureLoadedOnlyInPartIsShownAndThenSaysSo)
{
    QTemporaryDir dir;
    const QImage picture = samplePicture();
    // 10 whole rows of 30 (the bottom ones: a BMP stores them bottom-up), then a header without pixels.
    writeBytes(dir.filePath("cortada.bmp"), encoded(picture, "bmp").left(54 + 120 * 10 + 50));
    writeBytes(dir.filePath("vacia.bmp"), bmpHeaders(40, 30));
    GarabelWindow w;
    commitBox(w, QRectF(150, 150, 300, 300), rgb(255, 0, 0));

    for (const QString name : {"cortada.bmp", "vacia.bmp"}) {
        w.platform.openAnswers.push_back(dir.filePath(name));
        w->onPaletteButton(PaletteButton::Open);
        ASSERT_FALSE(w.platform.messages.empty()) << name.toStdString();
        EXPECT_EQ(w.platform.messages.back().first.toStdString(),
                  "«" + QDir::toNativeSeparators(dir.filePath(name)).toStdString()
                      + "» está dañado o incompleto: se ha cargado la parte que se puede leer.");
        EXPECT_EQ(w.platform.messages.back().second, MessageButtons::Ok);
        EXPECT_EQ(countColour(w.canvas(), kRedPixel), 0) << "the picture replaced the drawing";
    }
    EXPECT_EQ(w.platform.messages.size(), 2u);
    w.platform.openAnswers.push_back(dir.filePath("cortada.bmp"));
    w->onPaletteButton(PaletteButton::Open);
    const QImage shown = w.canvas().copy(QRect(QPoint(0, 0), picture.size())).convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown.copy(0, 20, 40, 10), picture.copy(0, 20, 40, 10));
    EXPECT_EQ(countColour(shown, kWhitePixel, QRect(0, 0, 40, 20)), 40 * 20);
}

} // namespace garabel::test
