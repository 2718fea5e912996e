#include "files/PictureFile.h"
#include "support/PictureSamples.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace garabel::test {

TEST(PngSave, IsCompressedAtZlibLevelFiveAndReadsBackPixelForPixel)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("dibujo.png");
    const QImage picture = samplePicture(QSize(301, 157));
    ASSERT_EQ(writePicture(picture, path, PictureKind::Png).reason(), QString());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray png = file.readAll();
    // The zlib header opens the first IDAT chunk's data; bits 6 and 7 of its
    // second byte tell the level class: 1 for levels 2 to 5, 2 for the default 6.
    const qsizetype data = png.indexOf("IDAT") + 4;
    ASSERT_GT(data, 4);
    EXPECT_EQ(quint8(png[data]) & 0x0F, 8) << "deflate";
    EXPECT_EQ(quint8(png[data + 1]) >> 6, 1);
    EXPECT_EQ(readPicture(path).value().picture.convertToFormat(QImage::Format_RGB32), picture);
}

} // namespace garabel::test
