#include "files/PictureFile.h"
#include "support/PictureSamples.h"
#include "support/Pixels.h"

#include <QLoggingCategory>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace garabel::test {

namespace {

Result<PictureRead> readBytes(const QByteArray &bytes)
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

} // namespace

TEST(DamagedPicture, ABmpCutInItsPixelsLoadsTheRowsItHoldsAndWhiteForTheRest)
{
    const QImage picture = samplePicture();
    const QByteArray bmp = encoded(picture, "bmp");
    // 10 whole rows and part of one: the bottom rows, as a BMP stores them bottom-up.
    const Result<PictureRead> cut = readBytes(bmp.left(54 + 120 * 10 + 50));
    ASSERT_EQ(cut.reason(), QString());
    EXPECT_EQ(rows(cut.value().picture, 20, 10), rows(picture, 20, 10));
    EXPECT_EQ(rows(cut.value().picture, 0, 20), filled(QSize(40, 20), kWhitePixel));

    const QByteArray rle = rleBmp();
    const Result<PictureRead> cutRle = readBytes(rle.left(rle.size() - 10));  // the top two rows lost
    ASSERT_EQ(cutRle.reason(), QString());
    EXPECT_EQ(rows(cutRle.value().picture, 2, 2), filled(QSize(8, 2), kGreenPixel));
    EXPECT_EQ(rows(cutRle.value().picture, 0, 2), filled(QSize(8, 2), kWhitePixel)) << "not palette red";
}

TEST(DamagedPicture, ACut8BitBottomUpBmpKeepsTheRowsItReadAndWhitensTheRest)
{
    // More than 16 colours, so that it is written with 8 bits a pixel, not 4.
    QImage picture(40, 30, QImage::Format_Indexed8);
    for (int i = 0; i < 40; ++i)
        picture.setColor(i, qRgb(6 * i, 255 - 6 * i, 128));
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 40; ++x)
            picture.setPixel(x, y, uint((x + y) % 40));
    }
    const QByteArray bmp = encoded(picture, "bmp");
    ASSERT_EQ(qFromLittleEndian<quint16>(bmp.constData() + 28), 8) << "bits per pixel";
    ASSERT_GT(qFromLittleEndian<qint32>(bmp.constData() + 22), 0) << "stored bottom-up";
    // The 10 bottom rows of 40 bytes and part of the next.
    const Result<PictureRead> cut = readBytes(bmp.left(qFromLittleEndian<quint32>(bmp.constData() + 10) + 40 * 10 + 20));
    ASSERT_EQ(cut.reason(), QString());
    EXPECT_TRUE(cut.value().partial);
    EXPECT_EQ(rows(cut.value().picture, 20, 10), rows(picture, 20, 10));
    EXPECT_EQ(rows(cut.value().picture, 0, 20), filled(QSize(40, 20), kWhitePixel));
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
    const Result<PictureRead> cut = readBytes(png.left(png.size() * 6 / 10));
    ASSERT_EQ(cut.reason(), QString());
    EXPECT_EQ(rows(cut.value().picture, 0, 10), rows(picture, 0, 10));
    EXPECT_EQ(rows(cut.value().picture, 140, 10), filled(QSize(200, 10), kWhitePixel));
}

TEST(DamagedPicture, AGifCutInItsDataLoadsWhatItHoldsOnItsBackgroundColour)
{
    const QImage picture = samplePicture();
    const QByteArray gif = gifFile(picture);  // background: entry 0, the black of the diagonal
    const Result<PictureRead> cut = readBytes(gif.left(gif.size() * 6 / 10));
    ASSERT_EQ(cut.reason(), QString());
    EXPECT_EQ(rows(cut.value().picture, 0, 10), rows(picture, 0, 10));
    EXPECT_EQ(rows(cut.value().picture, 25, 5), filled(QSize(40, 5), kBlackPixel));
}

TEST(DamagedPicture, AJpegWithoutItsEndMarkerLoadsWholeAndOneCutInItsScanLoads)
{
    const QByteArray jpeg = encoded(samplePicture(QSize(200, 150)), "jpeg");
    ASSERT_TRUE(jpeg.endsWith("\xFF\xD9"));
    const Result<PictureRead> whole = readBytes(jpeg);
    const Result<PictureRead> noEnd = readBytes(jpeg.chopped(2));
    ASSERT_EQ(noEnd.reason(), QString());
    EXPECT_EQ(noEnd.value().picture, whole.value().picture);
    const Result<PictureRead> cut = readBytes(jpeg.left(jpeg.size() / 2));
    ASSERT_EQ(cut.reason(), QString());
    EXPECT_EQ(rows(cut.value().picture, 0, 10), rows(whole.value().picture, 0, 10));
}

TEST(DamagedPicture, AnRleBmpCutInsideARunShowsNoMadeUpPixelsAtTheBreak)
{
    for (const int bits : {8, 4}) {
        // The file ends after the count of the third run: the top two rows are not there.
        const Result<PictureRead> cut = readBytes(rleBmp(bits).left(62 + 4 * 2 + 1));
        ASSERT_EQ(cut.reason(), QString()) << bits;
        EXPECT_EQ(rows(cut.value().picture, 2, 2), filled(QSize(8, 2), kGreenPixel)) << bits;
        EXPECT_EQ(rows(cut.value().picture, 0, 2), filled(QSize(8, 2), kWhitePixel)) << "RLE" << bits;
        EXPECT_TRUE(cut.value().partial);
    }
}

TEST(DamagedPicture, AGifTakesItsBackgroundColourWhereItsDataEndsEvenRightAfterItsHeader)
{
    QByteArray gif = gifFile(samplePicture());
    gif[11] = 1;  // the background: entry 1, the red of the first quarter
    const Result<PictureRead> cut = readBytes(gif.left(gif.size() * 6 / 10));
    ASSERT_EQ(cut.reason(), QString());
    EXPECT_EQ(rows(cut.value().picture, 0, 10), rows(samplePicture(), 0, 10));
    EXPECT_EQ(rows(cut.value().picture, 25, 5), filled(QSize(40, 5), kRedPixel));
    // The header ends with the data's code size; then no block size, or no data.
    const int header = 13 + 256 * 3 + 10 + 1;
    for (const int extra : {0, 1}) {
        const Result<PictureRead> bare = readBytes(gif.left(header + extra));
        ASSERT_EQ(bare.reason(), QString()) << extra;
        EXPECT_EQ(bare.value().picture.convertToFormat(QImage::Format_RGB32), filled(QSize(40, 30), kRedPixel));
        EXPECT_TRUE(bare.value().partial);
    }
}

TEST(DamagedPicture, ABmpWithItsWholeHeaderAndNoPixelsLoadsWhiteTopDownOrBottomUp)
{
    for (const int height : {4, -4}) {
        const Result<PictureRead> read = readBytes(bmpHeaders(8, height));
        ASSERT_EQ(read.reason(), QString()) << height;
        EXPECT_EQ(read.value().picture.convertToFormat(QImage::Format_RGB32), filled(QSize(8, 4), kWhitePixel));
        EXPECT_TRUE(read.value().partial);
    }
}

TEST(DamagedPicture, OnlyAPictureWhoseDataEndsEarlyComesMarkedPartial)
{
    const QImage picture = samplePicture(QSize(200, 150));
    const QByteArray bmp = encoded(picture, "bmp"), png = encoded(picture, "png"), gif = gifFile(samplePicture()),
                     jpeg = encoded(picture, "jpeg"), rle = rleBmp();
    const struct { const char *name; QByteArray bytes; bool partial; } cases[] = {
        {"bmp", bmp, false}, {"png", png, false}, {"gif", gif, false}, {"jpeg", jpeg, false},
        {"rle", rle, false}, {"jpeg with data after its end", jpeg + "xyz", false},
        {"bmp cut", bmp.chopped(1), true}, {"png cut", png.left(png.size() / 2), true},
        {"gif cut", gif.chopped(2), true}, {"jpeg without its end", jpeg.chopped(2), true},
        {"rle cut", rle.chopped(6), true},
        {"jpeg cut, its end marker after", jpeg.left(jpeg.size() / 2) + "\xFF\xD9", true},
    };
    for (const auto &c : cases) {
        const Result<PictureRead> read = readBytes(c.bytes);
        ASSERT_EQ(read.reason(), QString()) << c.name;
        EXPECT_EQ(read.value().partial, c.partial) << c.name;
    }
}

TEST(DamagedPicture, AJpegWhoseDataEndsEarlyIsMarkedPartialThoughItsDecoderIsMadeQuiet)
{
    const QByteArray jpeg = encoded(samplePicture(QSize(200, 150)), "jpeg");
    const QByteArray cut = jpeg.left(jpeg.size() / 2) + "\xFF\xD9";
    // Rules that silence the decoder's warnings do not hide the damage.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.gui.imageio.jpeg.warning=false"));
    const Result<PictureRead> read = readBytes(cut);
    QLoggingCategory::setFilterRules(QString());
    ASSERT_EQ(read.reason(), QString());
    EXPECT_TRUE(read.value().partial);
    EXPECT_FALSE(readBytes(jpeg).value().partial);
}

TEST(DamagedPicture, ACutInterlacedGifShowsItsBackgroundOnTheRowsItsDataNeverReached)
{
    const QImage picture = samplePicture();
    QByteArray gif = gifFile(picture, true);
    gif[11] = 2;  // the background: entry 2 of the global colour table
    const QRgb background = qRgb(quint8(gif[13 + 6]), quint8(gif[14 + 6]), quint8(gif[15 + 6]));
    const Result<PictureRead> whole = readBytes(gif);
    ASSERT_EQ(whole.reason(), QString());
    EXPECT_EQ(whole.value().picture.convertToFormat(QImage::Format_RGB32), picture);
    EXPECT_FALSE(whole.value().partial);

    // 460 pixels of 30 rows of 40: 2 clear codes and 460 of 9 bits in 520
    // bytes, in three sub-blocks, after 792 bytes of header. The first two
    // passes (rows 0, 8... and 4, 12...) came, the third (2, 6, 10...) up to
    // row 14, the fourth (the odd rows) never.
    const Result<PictureRead> cut = readBytes(gif.left(792 + 3 + 520));
    ASSERT_EQ(cut.reason(), QString());
    EXPECT_TRUE(cut.value().partial);
    const QImage shown = cut.value().picture.convertToFormat(QImage::Format_RGB32);
    for (const int y : {0, 4, 8, 12, 16, 20, 24, 28, 2, 6, 10})
        EXPECT_EQ(rows(shown, y, 1), rows(picture, y, 1)) << "row " << y;
    for (int y = 1; y < 30; y += 2)
        EXPECT_EQ(rows(shown, y, 1), filled(QSize(40, 1), background)) << "row " << y;
    for (const int y : {18, 22, 26})
        EXPECT_EQ(rows(shown, y, 1), filled(QSize(40, 1), background)) << "row " << y;
}

} // namespace garabel::test
