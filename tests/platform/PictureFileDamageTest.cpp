#include "platform/PictureFile.h"
#include "platform/PictureSamples.h"
#include "support/Pixels.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace garabel::test {

namespace {

PictureRead readBytes(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return readPicture(buffer);
}

QImage rows(const QImage &picture, int first, int count)
{
    return picture.copy(0, first, picture.width(), count).convertToFormat(QImage::Format_RGB32);
}

QImage filled(QSize size, QRgb colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// An 8 x 4 RLE8 BMP, every row one run of 8 green pixels; palette entry 0 is red.
QByteArray rleBmp()
{
    QByteArray b = bmpHeaders(8, 4);
    qToLittleEndian<quint32>(54 + 8, b.data() + 10);
    qToLittleEndian<quint16>(8, b.data() + 28);
    qToLittleEndian<quint32>(1, b.data() + 30);  // RLE8
    qToLittleEndian<quint32>(2, b.data() + 46);  // colours used
    b += QByteArray("\0\0\xFF\0\0\xFF\0\0", 8);
    for (int row = 0; row < 4; ++row)
        b += QByteArray("\x08\x01\0\0", 4);
    return b + QByteArray("\0\x01", 2);
}

} // namespace

TEST(DamagedPicture, ABmpCutInItsPixelsLoadsTheRowsItHoldsAndWhiteForTheRest)
{
    const QImage picture = samplePicture();
    const QByteArray bmp = encoded(picture, "bmp");
    // 10 whole rows and part of one: the bottom rows, as a BMP stores them bottom-up.
    const PictureRead cut = readBytes(bmp.left(54 + 120 * 10 + 50));
    ASSERT_EQ(cut.error, QString());
    EXPECT_EQ(rows(cut.picture, 20, 10), rows(picture, 20, 10));
    EXPECT_EQ(rows(cut.picture, 0, 20), filled(QSize(40, 20), kWhitePixel));

    const QByteArray rle = rleBmp();
    const PictureRead cutRle = readBytes(rle.left(rle.size() - 10));  // the top two rows lost
    ASSERT_EQ(cutRle.error, QString());
    EXPECT_EQ(rows(cutRle.picture, 2, 2), filled(QSize(8, 2), kGreenPixel));
    EXPECT_EQ(rows(cutRle.picture, 0, 2), filled(QSize(8, 2), kWhitePixel)) << "not palette red";
}

TEST(DamagedPicture, APngCutInItsDataLoadsTheRowsItHoldsAndWhiteForTheRest)
{
    // Noise, so that the data runs long enough for the decoder to read it in parts.
    QImage picture(200, 150, QImage::Format_RGB32);
    QRandomGenerator random(3);
    for (int y = 0; y < picture.height(); ++y)
        random.fillRange(reinterpret_cast<quint32 *>(picture.scanLine(y)), picture.width());
    picture = picture.convertToFormat(QImage::Format_RGB888).convertToFormat(QImage::Format_RGB32);
    const QByteArray png = encoded(picture, "png");
    const PictureRead cut = readBytes(png.left(png.size() * 6 / 10));
    ASSERT_EQ(cut.error, QString());
    EXPECT_EQ(rows(cut.picture, 0, 10), rows(picture, 0, 10));
    EXPECT_EQ(rows(cut.picture, 140, 10), filled(QSize(200, 10), kWhitePixel));
}

TEST(DamagedPicture, AGifCutInItsDataLoadsWhatItHoldsOnItsBackgroundColour)
{
    const QImage picture = samplePicture();
    const QByteArray gif = gifFile(picture);  // background: entry 0, the black of the diagonal
    const PictureRead cut = readBytes(gif.left(gif.size() * 6 / 10));
    ASSERT_EQ(cut.error, QString());
    EXPECT_EQ(rows(cut.picture, 0, 10), rows(picture, 0, 10));
    EXPECT_EQ(rows(cut.picture, 25, 5), filled(QSize(40, 5), kBlackPixel));
}

TEST(DamagedPicture, AJpegWithoutItsEndMarkerLoadsWholeAndOneCutInItsScanLoads)
{
    const QByteArray jpeg = encoded(samplePicture(QSize(200, 150)), "jpeg");
    ASSERT_TRUE(jpeg.endsWith("\xFF\xD9"));
    const PictureRead whole = readBytes(jpeg);
    const PictureRead noEnd = readBytes(jpeg.chopped(2));
    ASSERT_EQ(noEnd.error, QString());
    EXPECT_EQ(noEnd.picture, whole.picture);
    const PictureRead cut = readBytes(jpeg.left(jpeg.size() / 2));
    ASSERT_EQ(cut.error, QString());
    EXPECT_EQ(rows(cut.picture, 0, 10), rows(whole.picture, 0, 10));
}

} // namespace garabel::test
