#include "files/PictureFile.h"
#include "support/Pixels.h"

#include <QBuffer>
#include <QFile>
#include <QtEndian>

#include <gtest/gtest.h>

namespace garabel::test {

namespace {

quint32 crc32(const QByteArray &bytes)
{
    quint32 crc = 0xFFFFFFFF;
    for (const char c : bytes) {
        crc ^= quint8(c);
        for (int bit = 0; bit < 8; ++bit)
            crc = crc & 1 ? (crc >> 1) ^ 0xEDB88320 : crc >> 1;
    }
    return ~crc;
}

QByteArray chunk(const char *type, const QByteArray &data)
{
    QByteArray length(4, '\0'), crc(4, '\0');
    qToBigEndian<quint32>(quint32(data.size()), length.data());
    const QByteArray body = type + data;
    qToBigEndian<quint32>(crc32(body), crc.data());
    return length + body + crc;
}

// A PNG with a sound header announcing width x height pixels (8-bit RGB, or
// palette with two colours) and only the start of its compressed data.
QByteArray pngAnnouncing(quint32 width, quint32 height, bool palette)
{
    QByteArray header(13, '\0');
    qToBigEndian<quint32>(width, header.data());
    qToBigEndian<quint32>(height, header.data() + 4);
    header[8] = 8;
    header[9] = palette ? 3 : 2;
    const QByteArray colours = palette ? chunk("PLTE", QByteArray("\xFF\0\0\0\0\xFF", 6)) : QByteArray();
    return "\x89PNG\r\n\x1A\n" + chunk("IHDR", header) + colours + chunk("IDAT", QByteArray("\x78\x9C\x63", 3))
        + chunk("IEND", {});
}

// The process's resident memory in kB: now (VmRSS) or its peak (VmHWM).
qint64 residentKb(const QByteArray &field)
{
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(field + ':'))
            return line.mid(field.size() + 1).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

// Starts the peak again from the resident memory of now (Linux 4.0 on).
bool resetPeak()
{
    QFile clearRefs("/proc/self/clear_refs");
    return clearRefs.open(QIODevice::WriteOnly) && clearRefs.write("5") == 1;
}

} // namespace

TEST(PictureMemory, AHugePictureWithoutItsDataPeaksAtLessThanOneAndAHalfTimesThePictureItGives)
{
    if (!resetPeak() || residentKb("VmHWM") < 0)
        GTEST_SKIP() << "the peak of resident memory cannot be measured here";
    for (const bool palette : {false, true}) {
        QBuffer file;
        file.setData(pngAnnouncing(16000, 4000, palette));
        ASSERT_LT(file.data().size(), 100);
        file.open(QIODevice::ReadOnly);
        ASSERT_TRUE(resetPeak());
        const qint64 before = residentKb("VmRSS");
        const Result<PictureRead> read = readPicture(file);
        const qint64 peak = residentKb("VmHWM") - before;

        ASSERT_EQ(read.reason(), QString());
        EXPECT_TRUE(read.value().partial);
        EXPECT_EQ(read.value().picture.size(), QSize(16000, 4000));
        EXPECT_EQ(pixelAt(read.value().picture, 15999, 3999), kWhitePixel);
        EXPECT_LE(peak * 1024, read.value().picture.sizeInBytes() * 3 / 2) << "palette " << palette << ", peak " << peak << " kB";
        RecordProperty(palette ? "peak_kb_palette" : "peak_kb_rgb", QByteArray::number(peak).constData());
    }
}

} // namespace garabel::test
