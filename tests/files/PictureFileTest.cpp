#include "files/PictureFile.h"
#include "files/PictureHeader.h"
#include "support/PictureSamples.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>

namespace garabel::test {

TEST(PictureFile, SizeLimitsAreSixteenThousandPixelsASideAndSixtyFourMillionInAll)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("cabecera.bmp");
    // Headers without pixels: a size within the limits loads, blank.
    const struct { qint32 width, height; bool tooBig; } cases[] = {
        {16384, 1, false}, {16385, 1, true}, {1, -16385, true}, {8000, 8001, true},
    };
    for (const auto &c : cases) {
        writeBytes(path, bmpHeaders(c.width, c.height));
        const QString error = readPicture(path).reason();
        EXPECT_EQ(error.startsWith("La imagen mide"), c.tooBig) << c.width << " x " << c.height;
        EXPECT_EQ(error.isEmpty(), !c.tooBig) << c.width << " x " << c.height;
    }
    EXPECT_EQ(readPicture(dir.filePath("falta.bmp")).reason(), "No existe el fichero");
}

TEST(PictureHeader, AnnouncesTheSizeTheDecoderWillAllocateAndTheRowsAnUncompressedBmpHolds)
{
    const auto header = [](const QByteArray &bytes) {
        QBuffer buffer;
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly);
        const std::optional<PictureHeader> h = readPictureHeader(buffer, pictureKind(bytes));
        if (!h)
            return std::tuple(qint64(-1), qint64(-1), qint64(-1));
        return h->sound ? std::tuple(h->width, h->height, h->storedRows) : std::tuple(h->width, h->height, qint64(-2));
    };
    // A JPEG with an EXIF thumbnail before its frame: the thumbnail's frame is
    // inside the APP1 segment and must not pass for the picture's.
    QByteArray jpeg = encoded(samplePicture(QSize(700, 300)), "jpeg");
    QByteArray app1 = QByteArray("\xFF\xE1\0\0", 4) + encoded(samplePicture(), "jpeg");
    qToBigEndian<quint16>(quint16(app1.size() - 2), app1.data() + 2);
    jpeg.insert(2, app1);
    EXPECT_EQ(header(jpeg), std::tuple(700, 300, -1));
    EXPECT_EQ(header(jpeg.left(jpeg.lastIndexOf("\xFF\xDA") + 4)), std::tuple(700, 300, -2)) << "cut in the scan header";

    // A GIF whose logical screen is 0 x 0 allocates its first image's extent.
    QByteArray gif = gifFile(samplePicture());
    gif[6] = gif[7] = gif[8] = gif[9] = 0;
    gif[13 + 768 + 1] = char(200);  // the image's left edge
    EXPECT_EQ(header(gif), std::tuple(240, 30, -1));
    const QByteArray bmp = encoded(samplePicture(), "bmp");
    EXPECT_EQ(header(bmp), std::tuple(40, 30, 30));
    EXPECT_EQ(header(bmp.left(bmp.size() - 121)), std::tuple(40, 30, 28));
    EXPECT_EQ(header(encoded(samplePicture(), "png")), std::tuple(40, 30, -1));
}

TEST(PictureFile, WritesA24BitBmpThatReadsBackPixelForPixelUnderALongUnicodeName)
{
    QTemporaryDir dir;
    // Every part of the name as long as the file system allows (255 bytes).
    const QString part(120, QChar(0x00F1));
    ASSERT_TRUE(QDir().mkpath(dir.filePath(part + '/' + part)));
    const QString path = dir.filePath(part + '/' + part + '/' + QString(80, QChar(0x4E2D)) + ".bmp");
    ASSERT_GT(path.size(), 256);
    const QImage picture = samplePicture(QSize(457, 313));

    ASSERT_EQ(writePicture(picture, path, PictureKind::Bmp).reason(), QString());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(qFromLittleEndian<quint16>(file.readAll().constData() + 28), 24) << "bits per pixel";
    const Result<PictureRead> read = readPicture(path);
    ASSERT_EQ(read.reason(), QString());
    EXPECT_EQ(read.value().picture.convertToFormat(QImage::Format_RGB32), picture);
}

TEST(PictureFile, PicturesOneToFourPixelsWideReadBackExactlyWholeOrCutByARow)
{
    QTemporaryDir dir;
    // A BMP row of 24-bit pixels is padded to whole 4-byte words.
    const struct { int width; qsizetype bmpRowBytes; } widths[] = {{1, 4}, {2, 8}, {3, 12}, {4, 12}};
    for (const auto &[width, bmpRowBytes] : widths) {
        const QImage picture = samplePicture(QSize(width, 5));
        for (const PictureKind kind : {PictureKind::Bmp, PictureKind::Png}) {
            const QString path = dir.filePath(kind == PictureKind::Bmp ? "dibujo.bmp" : "dibujo.png");
            ASSERT_EQ(writePicture(picture, path, kind).reason(), QString());
            const Result<PictureRead> read = readPicture(path);
            const std::string what = std::to_string(width) + " wide, " + path.toStdString();
            ASSERT_EQ(read.reason(), QString()) << what;
            EXPECT_EQ(read.value().picture.convertToFormat(QImage::Format_RGB32), picture) << what;
            EXPECT_FALSE(read.value().partial) << what;
        }
        // Without its last row, the top one as a BMP stores them bottom-up.
        QFile bmp(dir.filePath("dibujo.bmp"));
        ASSERT_TRUE(bmp.open(QIODevice::ReadOnly));
        const QString cutPath = dir.filePath("cortado.bmp");
        writeBytes(cutPath, bmp.readAll().chopped(bmpRowBytes));
        const Result<PictureRead> cut = readPicture(cutPath);
        ASSERT_EQ(cut.reason(), QString()) << width << " wide, cut";
        QImage expected = picture;
        for (int x = 0; x < width; ++x)
            expected.setPixel(x, 0, qRgb(255, 255, 255));
        EXPECT_EQ(cut.value().picture.convertToFormat(QImage::Format_RGB32), expected) << width << " wide, cut";
        EXPECT_TRUE(cut.value().partial) << width << " wide, cut";
    }
}

TEST(PictureFile, ReadsAGif87aAsWellAsAGif89a)
{
    // The sample has no extension blocks, so only its signature tells the two apart.
    QByteArray gif87a = gifFile(samplePicture());
    gif87a.replace(0, 6, "GIF87a");
    QBuffer buffer(&gif87a);
    ASSERT_TRUE(buffer.open(QIODevice::ReadOnly));
    const Result<PictureRead> read = readPicture(buffer);
    ASSERT_EQ(read.reason(), QString());
    EXPECT_EQ(read.value().picture.convertToFormat(QImage::Format_RGB32), samplePicture());
}

TEST(PictureFile, AWriteThatFailsHalfwayLeavesTheOldFileAndNoTemporaryFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("dibujo.bmp");
    const QByteArray old = encoded(samplePicture(QSize(10, 10)), "bmp");
    ASSERT_TRUE(writeBytes(path, old));
    // A file size limit makes the write fail halfway, as a full disk would.
    rlimit saved{};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = 20000;
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    ::setrlimit(RLIMIT_FSIZE, &small);
    const QString error = writePicture(samplePicture(QSize(300, 200)), path, PictureKind::Bmp).reason();
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);

    EXPECT_EQ(error.toStdString(), "El fichero es demasiado grande");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), old);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{"dibujo.bmp"});
}

} // namespace garabel::test
