#include "files/PictureHeader.h"

#include <QByteArray>
#include <QIODevice>

namespace garabel {

namespace {

std::optional<QByteArray> readExactly(QIODevice &file, qint64 count)
{
    QByteArray bytes = file.read(count);
    if (bytes.size() != count)
        return std::nullopt;
    return bytes;
}

bool skip(QIODevice &file, qint64 count)
{
    const qint64 to = file.pos() + count;
    return count >= 0 && to <= file.size() && file.seek(to);
}

qint64 le16(const QByteArray &b, int at)
{
    return quint8(b[at]) | quint8(b[at + 1]) << 8;
}

qint64 le32Signed(const QByteArray &b, int at)
{
    return qint32(quint32(le16(b, at)) | quint32(le16(b, at + 2)) << 16);
}

qint64 be16(const QByteArray &b, int at)
{
    return quint8(b[at]) << 8 | quint8(b[at + 1]);
}

qint64 be32(const QByteArray &b, int at)
{
    return be16(b, at) << 16 | be16(b, at + 2);
}

// Cut or impossible past the size, which is kept: a file too big is told so.
std::optional<PictureHeader> unsound(std::optional<PictureHeader> h)
{
    if (h)
        h->sound = false;
    return h;
}

// --- BMP: file header, then a core (12 bytes, 16-bit sizes) or info header,
// then any colour table or masks up to the pixels.

std::optional<PictureHeader> bmpHeader(QIODevice &file)
{
    const std::optional<QByteArray> head = readExactly(file, 26);
    if (!head)
        return std::nullopt;
    const qint64 dataOffset = quint32(le32Signed(*head, 10));
    const qint64 infoSize = quint32(le32Signed(*head, 14));
    PictureHeader h;
    qint64 bitsPerPixel = 0;
    qint64 compression = 0;
    if (infoSize == 12) {
        h.width = le16(*head, 18);
        h.height = le16(*head, 20);
        h.bottomUp = true;
        bitsPerPixel = le16(*head, 24);
    } else if (infoSize >= 16) {
        const std::optional<QByteArray> rest = readExactly(file, infoSize >= 20 ? 8 : 4);
        if (!rest)
            return std::nullopt;
        h.width = le32Signed(*head, 18);
        // A negative height marks rows stored top-down.
        h.bottomUp = le32Signed(*head, 22) > 0;
        h.height = qAbs(le32Signed(*head, 22));
        bitsPerPixel = le16(*rest, 2);
        compression = infoSize >= 20 ? quint32(le32Signed(*rest, 4)) : 0;
    } else {
        return std::nullopt;
    }
    if (h.width <= 0 || h.height <= 0)
        return std::nullopt;
    constexpr qint64 kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3, kJpeg = 4, kPng = 5, kAlphaBitFields = 6;
    h.bitsPerPixel = int(bitsPerPixel);
    if (compression == kJpeg || compression == kPng)
        h.unsupported = compression == kJpeg ? Unsupported::BmpHoldingJpeg : Unsupported::BmpHoldingPng;
    else if (bitsPerPixel == 2 || bitsPerPixel == 64)
        h.unsupported = Unsupported::BmpDepth;
    const bool knownDepth = bitsPerPixel == 1 || bitsPerPixel == 4 || bitsPerPixel == 8 || bitsPerPixel == 16
        || bitsPerPixel == 24 || bitsPerPixel == 32;
    if (h.unsupported != Unsupported::No || !knownDepth || file.size() < 14 + infoSize || dataOffset > file.size())
        return unsound(h);
    // Uncompressed rows have a known length; compressed data is the decoder's to follow.
    if (compression == kRgb || compression == kBitFields || compression == kAlphaBitFields) {
        const qint64 rowBytes = (h.width * bitsPerPixel + 31) / 32 * 4;
        h.storedRows = qMin(h.height, (file.size() - dataOffset) / rowBytes);
    } else if ((compression == kRle8 && bitsPerPixel == 8) || (compression == kRle4 && bitsPerPixel == 4)) {
        h.runLengthBits = int(bitsPerPixel);
    }
    return h;
}

// --- GIF: logical screen, colour table, then extensions up to the first image.

bool skipSubBlocks(QIODevice &file)
{
    for (;;) {
        const std::optional<QByteArray> size = readExactly(file, 1);
        if (!size)
            return false;
        if (size->at(0) == 0)
            return true;
        if (!skip(file, quint8(size->at(0))))
            return false;
    }
}

bool skipColourTable(QIODevice &file, quint8 flags)
{
    return !(flags & 0x80) || skip(file, 3 * (2 << (flags & 7)));
}

std::optional<PictureHeader> gifHeader(QIODevice &file)
{
    const std::optional<QByteArray> head = readExactly(file, 13);
    if (!head)
        return std::nullopt;
    // The decoder allocates the logical screen; a screen side of 0 is taken
    // from the first image.
    PictureHeader h{le16(*head, 6), le16(*head, 8)};
    const quint8 flags = quint8(head->at(10));
    if (flags & 0x80) {
        const std::optional<QByteArray> table = readExactly(file, 3 * (2 << (flags & 7)));
        if (!table)
            return unsound(h);
        const int entry = 3 * quint8(head->at(11));
        if (entry + 2 < table->size())
            h.background = qRgb(quint8(table->at(entry)), quint8(table->at(entry + 1)), quint8(table->at(entry + 2)));
    }
    for (;;) {
        const std::optional<QByteArray> introducer = readExactly(file, 1);
        if (!introducer)
            return unsound(h);
        if (quint8(introducer->at(0)) == 0x21) {
            if (!readExactly(file, 1) || !skipSubBlocks(file))
                return unsound(h);
            continue;
        }
        // The trailer or a stray byte before any image: there is no picture.
        if (quint8(introducer->at(0)) != 0x2C)
            return unsound(h);
        const std::optional<QByteArray> image = readExactly(file, 9);
        std::optional<QByteArray> codeSize;
        if (!image || !skipColourTable(file, quint8(image->at(8))) || !(codeSize = readExactly(file, 1)))
            return unsound(h);
        h.gifFrame.place = QRect(int(le16(*image, 0)), int(le16(*image, 2)), int(le16(*image, 4)), int(le16(*image, 6)));
        h.gifFrame.interlaced = quint8(image->at(8)) & 0x40;
        if (h.width == 0)
            h.width = h.gifFrame.place.left() + h.gifFrame.place.width();
        if (h.height == 0)
            h.height = h.gifFrame.place.top() + h.gifFrame.place.height();
        h.dataComplete = countGifPixels(file, quint8(codeSize->at(0)), h.gifFrame);
        return h;
    }
}

// --- JPEG: marker segments up to the frame header and the first scan header.

std::optional<quint8> nextMarker(QIODevice &file)
{
    char c = 0;
    for (;;) {
        // Stray bytes before a marker are skipped, as decoders do; FF 00 is no marker.
        do {
            if (!file.getChar(&c))
                return std::nullopt;
        } while (quint8(c) != 0xFF);
        do {
            if (!file.getChar(&c))
                return std::nullopt;
        } while (quint8(c) == 0xFF);
        if (c != 0)
            return quint8(c);
    }
}

// Entropy-coded data never holds FF D9 (a data byte FF is followed by 00),
// so the first FF D9 after a scan header is the end marker.
bool findEndMarker(QIODevice &file)
{
    char previous = 0;
    for (;;) {
        const QByteArray chunk = file.read(1 << 16);
        if (chunk.isEmpty())
            return false;
        if ((previous == '\xFF' && chunk.front() == '\xD9') || chunk.contains("\xFF\xD9"))
            return true;
        previous = chunk.back();
    }
}

bool isStartOfFrame(quint8 marker)
{
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

std::optional<PictureHeader> jpegHeader(QIODevice &file)
{
    if (!skip(file, 2))
        return std::nullopt;
    std::optional<PictureHeader> h;
    for (;;) {
        const std::optional<quint8> marker = nextMarker(file);
        if (!marker || *marker == 0xD9)
            return unsound(h);
        if (*marker == 0xD8 || *marker == 0x01 || (*marker >= 0xD0 && *marker <= 0xD7))
            continue;  // markers without a segment
        const std::optional<QByteArray> lengthBytes = readExactly(file, 2);
        if (!lengthBytes)
            return unsound(h);
        const qint64 length = be16(*lengthBytes, 0);
        if (length < 2)
            return unsound(h);
        if (isStartOfFrame(*marker) && !h) {
            const std::optional<QByteArray> frame = readExactly(file, 5);
            if (length < 8 || !frame)
                return std::nullopt;
            h = PictureHeader{be16(*frame, 3), be16(*frame, 1)};
            if (!skip(file, length - 7))
                return unsound(h);
        } else if (!skip(file, length - 2)) {
            return unsound(h);
        } else if (*marker == 0xDA) {
            if (h)  // the first scan, after its frame header
                h->dataComplete = findEndMarker(file);
            return h;
        }
    }
}

// --- PNG: the signature, IHDR first, then chunks up to the first IDAT.

std::optional<PictureHeader> pngHeader(QIODevice &file)
{
    const std::optional<QByteArray> head = readExactly(file, 8 + 8 + 13 + 4);
    if (!head || be32(*head, 8) != 13 || head->mid(12, 4) != "IHDR")
        return std::nullopt;
    const PictureHeader h{be32(*head, 16), be32(*head, 20)};
    if (h.width <= 0 || h.height <= 0 || h.width > 0x7FFFFFFF || h.height > 0x7FFFFFFF)
        return std::nullopt;
    for (;;) {
        const std::optional<QByteArray> chunk = readExactly(file, 8);
        if (!chunk)
            return unsound(h);
        const QByteArray type = chunk->mid(4, 4);
        if (type == "IDAT")
            return h;
        if (type == "IEND" || !skip(file, be32(*chunk, 0) + 4))
            return unsound(h);
    }
}

} // namespace

PictureKind pictureKind(const QByteArray &firstBytes)
{
    if (firstBytes.startsWith("BM"))
        return PictureKind::Bmp;
    if (firstBytes.startsWith("GIF87a") || firstBytes.startsWith("GIF89a"))
        return PictureKind::Gif;
    if (firstBytes.startsWith("\xFF\xD8\xFF"))
        return PictureKind::Jpeg;
    if (firstBytes.startsWith("\x89PNG\r\n\x1A\n"))
        return PictureKind::Png;
    return PictureKind::Unknown;
}

std::optional<PictureHeader> readPictureHeader(QIODevice &file, PictureKind kind)
{
    if (!file.seek(0))
        return std::nullopt;
    switch (kind) {
    case PictureKind::Bmp:
        return bmpHeader(file);
    case PictureKind::Gif:
        return gifHeader(file);
    case PictureKind::Jpeg:
        return jpegHeader(file);
    case PictureKind::Png:
        return pngHeader(file);
    case PictureKind::Unknown:
        break;
    }
    return std::nullopt;
}

} // namespace garabel
