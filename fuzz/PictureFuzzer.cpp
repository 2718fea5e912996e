// libFuzzer target: any bytes given to the picture reader, and to each header
// walk whatever the first bytes say, must be refused or read, never crash,
// hang or touch memory they should not.
#include "files/PictureFile.h"
#include "files/PictureHeader.h"

#include <QBuffer>
#include <QCoreApplication>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // The image plugins (GIF, JPEG) are found through the application.
    static int argc = 1;
    static char name[] = "picture_fuzzer";
    static char *argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);

    QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    const garabel::Result<garabel::PictureRead> read = garabel::readPicture(buffer);
    if (read.ok() ? read.value().picture.isNull() : read.reason().isEmpty())
        __builtin_trap();  // a success without a picture, or a failure without a reason
    for (const auto kind : {garabel::PictureKind::Bmp, garabel::PictureKind::Gif, garabel::PictureKind::Jpeg,
                            garabel::PictureKind::Png})
        garabel::readPictureHeader(buffer, kind);
    return 0;
}
