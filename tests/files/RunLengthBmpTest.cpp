#include "files/PictureFile.h"
#include "support/PictureSamples.h"
#include "support/Pixels.h"

#include <gtest/gtest.h>

#include <cstring>

namespace garabel::test {

namespace {

// A run-length coded BMP, bottom-up, with a colour table of red, green, blue
// and black (indexes 0 to 3) and the given data.
QByteArray runLengthBmp(int bits, int width, int height, const QByteArray &data)
{
    QByteArray b = bmpHeaders(width, height);
    qToLittleEndian<quint32>(54 + 16, b.data() + 10);
    qToLittleEndian<quint16>(quint16(bits), b.data() + 28);
    qToLittleEndian<quint32>(bits == 8 ? 1 : 2, b.data() + 30);
    qToLittleEndian<quint32>(4, b.data() + 46);
    return b + QByteArray("\0\0\xFF\0" "\0\xFF\0\0" "\xFF\0\0\0" "\0\0\0\0", 16) + data;
}

QImage readBack(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    const Result<PictureRead> read = readPicture(buffer);
    EXPECT_EQ(read.reason(), QString());
    EXPECT_FALSE(read.ok() && read.value().partial);
    return read.ok() ? read.value().picture.convertToFormat(QImage::Format_RGB32) : QImage();
}

// A picture of one row per string, each character an index of the colour table.
QImage indexedRows(std::initializer_list<const char *> rows)
{
    const QRgb colours[] = {kRedPixel, kGreenPixel, kBluePixel, kBlackPixel};
    QImage picture(int(std::strlen(*rows.begin())), int(rows.size()), QImage::Format_RGB32);
    int y = 0;
    for (const char *row : rows) {
        for (int x = 0; row[x]; ++x)
            picture.setPixel(x, y, colours[row[x] - '0']);
        ++y;
    }
    return picture;
}

} // namespace

TEST(RunLengthBmp, Rle4TakesTheHighNibbleFirstAndSkipsThePaddingOfAnOddAbsoluteRun)
{
    // Bottom row first: a run of six alternating 1 and 2; then an absolute
    // run of five (three bytes, padded to four) and a run of one 3.
    const QByteArray data("\x06\x12\0\0"
                          "\0\x05\x01\x23\x10\0" "\x01\x30\0\0"
                          "\0\x01",
                          16);
    EXPECT_EQ(readBack(runLengthBmp(4, 6, 2, data)), indexedRows({"012313", "121212"}));
}

TEST(RunLengthBmp, Rle8SkipsThePaddingOfAnOddAbsoluteRun)
{
    const QByteArray data("\0\x03\x01\x02\x03\0" "\x01\0\0\0"
                          "\x04\x02\0\0"
                          "\0\x01",
                          16);
    EXPECT_EQ(readBack(runLengthBmp(8, 4, 2, data)), indexedRows({"2222", "1230"}));
}

} // namespace garabel::test
