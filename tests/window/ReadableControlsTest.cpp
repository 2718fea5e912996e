#include "support/GarabelWindow.h"
#include "window/Button.h"
#include "window/ComboBox.h"
#include "window/PictureButton.h"

#include <QComboBox>
#include <QPainter>

#include <gtest/gtest.h>

namespace garabel::test {

namespace {
// The face of a button inside its bevel, as the screen shows it.
QImage face(Button &button)
{
    QWidget *widget = button.widget();
    return widget->grab().toImage().copy(widget->rect().adjusted(3, 3, -3, -3));
}

int pixelsWhere(const QImage &image, bool (*test)(QRgb))
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += test(image.pixel(x, y)) ? 1 : 0;
    return count;
}

bool white(QRgb p) { return qRed(p) > 220 && qGreen(p) > 220 && qBlue(p) > 220; }
bool black(QRgb p) { return qRed(p) < 90 && qGreen(p) < 90 && qBlue(p) < 90; }
} // namespace

TEST(ReadableCaptions, ACaptionOnABlueFaceIsWhiteAndTheFaceStaysBlue)
{
    GarabelWindow w;
    w.click(PaletteButton::Text);
    w.click(*w.probe().fontStyleButtons()[0]);  // bold on: its face turns blue
    for (Button *marked : {w.probe().sheetButtons()[0].get(), w.probe().fontStyleButtons()[0].get()}) {
        const QImage shown = face(*marked);
        EXPECT_EQ(marked->backColor(), kBlue);
        EXPECT_EQ(shown.pixel(0, 0), kBluePixel);
        EXPECT_GT(pixelsWhere(shown, white), 3) << marked->caption().toStdString();
        EXPECT_EQ(pixelsWhere(shown, black), 0) << marked->caption().toStdString();
    }
    const QImage plain = face(*w.probe().sheetButtons()[1]);
    EXPECT_GT(pixelsWhere(plain, black), 3);
}

TEST(HighDensityScreen, ButtonPicturesHaveEveryDevicePixelAndKeepTheirLogicalSize)
{
    FakePlatform platform;
    platform.screenInfo.devicePixelRatio = 2;
    MainWindow window(platform);
    const WindowProbe look(window);
    // Neither is pressed in nor marked at start-up.
    for (Button *button : {look.paletteButtons()[PaletteButton::Rectangle].get(), look.mirrorButtons()[1].get()}) {
        QImage picture = button->picture();
        ASSERT_EQ(picture.size(), QSize(64, 64));
        EXPECT_EQ(picture.deviceIndependentSize(), QSizeF(32, 32));
        EXPECT_EQ(button->widget()->size(), QSize(33, 33)) << "the layout does not change";

        // Shown on a ratio-2 screen, the face carries the picture pixel for pixel.
        QImage shown(button->widget()->size() * 2, QImage::Format_ARGB32_Premultiplied);
        shown.setDevicePixelRatio(2);
        button->widget()->render(&shown);
        picture.setDevicePixelRatio(1);
        QImage expected(picture.size(), QImage::Format_ARGB32_Premultiplied);
        expected.fill(toQColor(button->backColor()));
        QPainter(&expected).drawImage(0, 0, picture);
        const QRect inside(2, 2, 58, 58);  // the picture's place, clear of the bevel
        shown.setDevicePixelRatio(1);
        EXPECT_EQ(shown.copy(inside), expected.copy(inside.translated(-2, -2)));
    }
}

TEST(FontSizeList, TheHighlightedEntryIsTheOneTheBoxShows)
{
    GarabelWindow w;
    const QComboBox *sizes = w.probe().fontSizeList().combo();
    EXPECT_EQ(sizes->currentIndex(), sizes->findText(QStringLiteral("18")));
    EXPECT_EQ(sizes->currentText(), QStringLiteral("18"));
    w.probe().fontSizeList().setText(QStringLiteral("40"));
    EXPECT_EQ(sizes->itemText(sizes->currentIndex()), QStringLiteral("40"));
}

} // namespace garabel::test
