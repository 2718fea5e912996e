// Writes small valid BMP, GIF, JPEG and PNG pictures into the folder given,
// as seeds for the fuzzer.
#include "PictureSamples.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_seeds FOLDER\n");
        return 2;
    }
    using namespace garabel::test;
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    const QImage picture = samplePicture(QSize(16, 12));
    const bool written = writeBytes(dir.filePath("seed.bmp"), encoded(picture, "bmp"))
        && writeBytes(dir.filePath("seed-indexed.bmp"), encoded(picture.convertToFormat(QImage::Format_Indexed8), "bmp"))
        && writeBytes(dir.filePath("seed-rle8.bmp"), rleBmp(8)) && writeBytes(dir.filePath("seed-rle4.bmp"), rleBmp(4))
        && writeBytes(dir.filePath("seed.gif"), gifFile(picture))
        && writeBytes(dir.filePath("seed.jpg"), encoded(picture, "jpeg"))
        && writeBytes(dir.filePath("seed.png"), encoded(picture, "png"));
    return written ? 0 : 1;
}
