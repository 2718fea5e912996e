#include "files/PictureFile.h"
#include "support/PictureSamples.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace garabel::test {

namespace {

mode_t nodeType(const QString &path)
{
    struct stat info = {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode & S_IFMT : 0;
}

} // namespace

TEST(PictureFileTarget, AFifoOrALinkToADeviceIsRefusedAndLeftAsItWas)
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath("tubo.bmp"), device = dir.filePath("nulo"), link = dir.filePath("enlace.bmp");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    if (::mknod(QFile::encodeName(device).constData(), S_IFCHR | 0600, makedev(1, 3)) != 0)
        GTEST_SKIP() << "no device node can be made here";
    ASSERT_TRUE(QFile::link(device, link));

    for (const QString &target : {fifo, link}) {
        EXPECT_EQ(writePicture(samplePicture(), target, PictureKind::Bmp).reason(),
                  "No es un fichero normal, sino un dispositivo, una tubería o un socket")
            << target.toStdString();
    }
    EXPECT_EQ(nodeType(fifo), S_IFIFO);
    EXPECT_EQ(nodeType(link), S_IFLNK);
    EXPECT_EQ(nodeType(device), S_IFCHR);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot).size(), 3);
}

TEST(PictureFileTarget, ALinkToARegularFileIsWrittenThroughAndStaysALink)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("dibujo.bmp"), link = dir.filePath("enlace.bmp");
    ASSERT_TRUE(writeBytes(file, "viejo"));
    ASSERT_TRUE(QFile::link(file, link));

    ASSERT_EQ(writePicture(samplePicture(), link, PictureKind::Bmp).reason(), QString());
    EXPECT_EQ(nodeType(link), S_IFLNK);
    EXPECT_EQ(readPicture(file).value().picture.convertToFormat(QImage::Format_RGB32), samplePicture());
}

TEST(PictureFileTarget, EveryReasonIsSpanishALinkLoopAndAFolderWhereNothingCanBeCreated)
{
    QTemporaryDir dir;
    const QString loop = dir.filePath("bucle.bmp");
    ASSERT_TRUE(QFile::link(loop, loop));
    const QString looping = "Los enlaces simbólicos del nombre forman un bucle";
    EXPECT_EQ(readPicture(loop).reason(), looping);
    EXPECT_EQ(writePicture(samplePicture(), loop, PictureKind::Bmp).reason(), looping);
    EXPECT_EQ(writePicture(samplePicture(), "/proc/dibujo.bmp", PictureKind::Png).reason(),
              "No se puede crear un fichero en esa carpeta");
}

} // namespace garabel::test
