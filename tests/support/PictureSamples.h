#pragma once

#include <QBuffer>
#include <QDir>
#include <QImageWriter>
#include <QRandomGenerator>
#include <QtEndian>

#include <sys/stat.h>

#include <vector>

namespace garabel::test {

// Four flat quarters and a black diagonal: few colours, so that the picture
// survives GIF exactly and JPEG closely.
inline QImage samplePicture(QSize size = QSize(40, 30))
{
    QImage picture(size, QImage::Format_RGB32);
    const QRgb quarters[] = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(255, 255, 0)};
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            const int quarter = (x >= size.width() / 2) + 2 * (y >= size.height() / 2);
            picture.setPixel(x, y, x == y ? qRgb(0, 0, 0) : quarters[quarter]);
        }
    }
    return picture;
}

inline QByteArray encoded(const QImage &picture, const char *format)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter(&buffer, format).write(picture);
    return buffer.data();
}

inline bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The rows of an interlaced GIF of `height` rows, in the order its data holds
// them: every eighth from row 0, every eighth from row 4, every fourth from
// row 2, every second from row 1.
inline QList<int> interlacedRows(int height)
{
    QList<int> rows;
    for (const auto &[first, step] : {std::pair(0, 8), std::pair(4, 8), std::pair(2, 4), std::pair(1, 2)}) {
        for (int y = first; y < height; y += step)
            rows.append(y);
    }
    return rows;
}

// A GIF of a picture of at most 256 colours (Qt writes no GIF): 9-bit LZW codes,
// one per pixel, the table restarted before it would need wider codes.
inline QByteArray gifFile(const QImage &picture, bool interlaced = false)
{
    QList<QRgb> palette;
    QByteArray b = QByteArray("GIF89a") + QByteArray(7, '\0');
    qToLittleEndian<quint16>(quint16(picture.width()), b.data() + 6);
    qToLittleEndian<quint16>(quint16(picture.height()), b.data() + 8);
    b[10] = char(0xF7);  // a global table of 256 colours
    QByteArray data;
    quint32 bits = 0;
    int bitCount = 0;
    const auto put = [&](int code) {
        for (bits |= quint32(code) << bitCount, bitCount += 9; bitCount >= 8; bitCount -= 8, bits >>= 8)
            data += char(bits & 0xFF);
    };
    const QList<int> rows = interlaced ? interlacedRows(picture.height()) : QList<int>();
    for (int i = 0; i < picture.width() * picture.height(); ++i) {
        const int row = i / picture.width();
        const QRgb c = picture.pixel(i % picture.width(), interlaced ? rows[row] : row) | 0xFF000000u;
        if (!palette.contains(c))
            palette.append(c);
        if (i % 250 == 0)
            put(256);
        put(int(palette.indexOf(c)));
    }
    put(257);
    data += char(bits & 0xFF);
    for (int i = 0; i < 256; ++i) {
        const QRgb c = palette.value(i);
        b += char(qRed(c));
        b += char(qGreen(c));
        b += char(qBlue(c));
    }
    QByteArray image(10, '\0');
    image[0] = char(0x2C);
    qToLittleEndian<quint16>(quint16(picture.width()), image.data() + 5);
    qToLittleEndian<quint16>(quint16(picture.height()), image.data() + 7);
    image[9] = char(interlaced ? 0x40 : 0);
    b += image + char(8);  // minimum code size 8: 256 clears, 257 ends
    for (int at = 0; at < data.size(); at += 255)
        b += char(data.mid(at, 255).size()) + data.mid(at, 255);
    return b + char(0) + char(0x3B);
}

// A 24-bit BMP made of its two headers only, announcing width x height.
inline QByteArray bmpHeaders(qint32 width, qint32 height)
{
    QByteArray b(54, '\0');
    b[0] = 'B';
    b[1] = 'M';
    qToLittleEndian<quint32>(54, b.data() + 10);
    qToLittleEndian<quint32>(40, b.data() + 14);
    qToLittleEndian<qint32>(width, b.data() + 18);
    qToLittleEndian<qint32>(height, b.data() + 22);
    qToLittleEndian<quint16>(1, b.data() + 26);
    qToLittleEndian<quint16>(24, b.data() + 28);
    return b;
}

// A BMP of `bits` bits per pixel and compression `compression`, headers only.
inline QByteArray bmpOfKind(quint16 bits, quint32 compression)
{
    QByteArray b = bmpHeaders(8, 4);
    qToLittleEndian<quint16>(bits, b.data() + 28);
    qToLittleEndian<quint32>(compression, b.data() + 30);
    return b;
}

// An 8 x 4 RLE8 (or RLE4) BMP, every row one run of 8 green pixels and an end
// of line, 4 bytes from byte 62 on; palette entry 0 is red.
inline QByteArray rleBmp(int bits = 8)
{
    QByteArray b = bmpHeaders(8, 4);
    qToLittleEndian<quint32>(54 + 8, b.data() + 10);
    qToLittleEndian<quint16>(quint16(bits), b.data() + 28);
    qToLittleEndian<quint32>(bits == 8 ? 1 : 2, b.data() + 30);  // RLE8, RLE4
    qToLittleEndian<quint32>(2, b.data() + 46);  // colours used
    b += QByteArray("\0\0\xFF\0\0\xFF\0\0", 8);
    for (int row = 0; row < 4; ++row)
        b += bits == 8 ? QByteArray("\x08\x01\0\0", 4) : QByteArray("\x08\x11\0\0", 4);
    return b + QByteArray("\0\x01", 2);
}

struct RefusedSample {
    QString fileName;
    QString reason;  // how the reason given starts
};

// Writes into `dir` one file for each way a picture file can be refused.
inline std::vector<RefusedSample> writeRefusedSamples(const QDir &dir)
{
    const QImage picture = samplePicture();
    const QByteArray bmp = encoded(picture, "bmp"), jpeg = encoded(picture, "jpeg"), gif = gifFile(picture);
    QByteArray noise(4000, 'x');
    QRandomGenerator random(7);
    for (qsizetype i = 1; i < noise.size(); ++i)
        noise[i] = char(random.bounded(256));
    // A GIF's logical screen is at most 65535 x 65535.
    QByteArray hugeGif = gif;
    hugeGif[6] = hugeGif[7] = hugeGif[8] = hugeGif[9] = char(0xFF);
    const QString hugeGifReason = "La imagen mide 65535 x 65535 píxeles";
    const QString notSupported = "No se admiten las imágenes BMP ";

    // Cut inside the header: the BMP's info header, the GIF's colour table,
    // the JPEG's tables before its first scan, the PNG's IHDR chunk.
    const QString damaged = "El fichero está dañado o incompleto", notPicture = "No es una imagen BMP, GIF, JPEG ni PNG";
    const std::vector<std::pair<RefusedSample, QByteArray>> files = {
        {{"cortado.bmp", damaged}, bmp.left(40)},
        {{"cortado.jpg", damaged}, jpeg.left(jpeg.indexOf("\xFF\xDA"))},
        {{"cortado.gif", damaged}, gif.left(100)},
        {{"cortado.png", damaged}, encoded(picture, "png").left(30)},
        {{"ruido.bmp", notPicture}, noise},
        {{"ppm.jpg", notPicture}, encoded(picture, "ppm")},
        {{"enorme.bmp", "La imagen mide 100000 x 100000 píxeles"}, bmpHeaders(100000, -100000)},
        {{"enorme.gif", hugeGifReason}, hugeGif},
        {{"enorme-cortado.gif", hugeGifReason}, hugeGif.left(13)},
        {{"enorme-sin-imagen.gif", hugeGifReason}, hugeGif.left(13 + 768) + ';'},
        {{"dos-bits.bmp", notSupported + "de 2 bits por píxel"}, bmpOfKind(2, 0) + QByteArray(16, '\0')},
        {{"con-jpeg.bmp", notSupported + "que guardan dentro una imagen JPEG"}, bmpOfKind(0, 4) + jpeg},
        {{"con-png.bmp", notSupported + "que guardan dentro una imagen PNG"}, bmpOfKind(0, 5) + encoded(picture, "png")},
        {{"vacio.gif", "El fichero está vacío"}, QByteArray()},
    };
    std::vector<RefusedSample> samples;
    for (const auto &[sample, bytes] : files) {
        writeBytes(dir.filePath(sample.fileName), bytes);
        samples.push_back(sample);
    }
    dir.mkdir("carpeta.bmp");
    ::mkfifo(QFile::encodeName(dir.filePath("tubo.bmp")).constData(), 0600);
    samples.push_back({"carpeta.bmp", "Es una carpeta"});
    samples.push_back({"tubo.bmp", "No es un fichero normal"});
    return samples;
}

} // namespace garabel::test
