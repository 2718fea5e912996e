#include "files/RunLengthBmp.h"

#include "files/PictureHeader.h"

#include <QIODevice>
#include <QList>
#include <QtEndian>

namespace garabel {

namespace {

// The file byte by byte, read a chunk at a time.
class ByteReader
{
public:
    explicit ByteReader(QIODevice &file) : m_file(file) {}

    std::optional<quint8> next()
    {
        if (m_at == m_chunk.size()) {
            m_chunk = m_file.read(1 << 16);
            m_at = 0;
            if (m_chunk.isEmpty())
                return std::nullopt;
        }
        return quint8(m_chunk[m_at++]);
    }

private:
    QIODevice &m_file;
    QByteArray m_chunk;
    qsizetype m_at = 0;
};

struct BmpLayout {
    qint64 dataOffset = 0;
    QList<QRgb> colours;
};

// The colour table follows the info header; its entries are blue, green, red and a spare byte.
std::optional<BmpLayout> readLayout(QIODevice &file, int bits)
{
    if (!file.seek(0))
        return std::nullopt;
    const QByteArray head = file.read(50);
    if (head.size() < 30)
        return std::nullopt;
    BmpLayout layout;
    layout.dataOffset = qFromLittleEndian<quint32>(head.constData() + 10);
    const qint64 tableStart = 14 + qint64(qFromLittleEndian<quint32>(head.constData() + 14));
    const qint64 used = head.size() >= 50 && tableStart >= 50 ? qFromLittleEndian<quint32>(head.constData() + 46) : 0;
    qint64 count = used > 0 && used < (1 << bits) ? used : (1 << bits);
    if (layout.dataOffset >= tableStart)
        count = qMin(count, (layout.dataOffset - tableStart) / 4);
    if (!file.seek(tableStart))
        return std::nullopt;
    const QByteArray table = file.read(count * 4);
    if (table.size() != count * 4 || !file.seek(layout.dataOffset))
        return std::nullopt;
    for (qint64 i = 0; i < count; ++i)
        layout.colours.append(qRgb(quint8(table[i * 4 + 2]), quint8(table[i * 4 + 1]), quint8(table[i * 4])));
    return layout;
}

// Puts the pixels of the runs in place, rows counted in file order.
class RunPainter
{
public:
    RunPainter(QImage &picture, const QList<QRgb> &colours, bool bottomUp)
        : m_picture(picture), m_colours(colours), m_bottomUp(bottomUp)
    {
    }

    void put(quint8 index)
    {
        if (m_x < m_picture.width() && m_y < m_picture.height()) {
            const int row = m_bottomUp ? m_picture.height() - 1 - int(m_y) : int(m_y);
            reinterpret_cast<QRgb *>(m_picture.scanLine(row))[m_x] = m_colours.value(index, qRgb(0, 0, 0));
        }
        ++m_x;
    }
    void nextRow()
    {
        m_x = 0;
        ++m_y;
    }
    void move(quint8 right, quint8 down)
    {
        m_x += right;
        m_y += down;
    }
    bool done() const { return m_y >= m_picture.height(); }

private:
    QImage &m_picture;
    const QList<QRgb> &m_colours;
    bool m_bottomUp;
    qint64 m_x = 0, m_y = 0;
};

// The index of pixel `i` of a run: a byte each in RLE8, two nibbles a byte in RLE4, high first.
quint8 pixelOf(quint8 byte, int i, int bits)
{
    return bits == 8 ? byte : (i % 2 ? byte & 0x0F : byte >> 4);
}

// Follows the runs to the end marker, the last row or the end of the file (false).
bool paintRuns(ByteReader &in, RunPainter &painter, int bits)
{
    while (!painter.done()) {
        const std::optional<quint8> count = in.next(), value = in.next();
        if (!count || !value)
            return false;
        if (*count > 0) {
            for (int i = 0; i < *count; ++i)
                painter.put(pixelOf(*value, i, bits));
            continue;
        }
        if (*value == 0) {
            painter.nextRow();
        } else if (*value == 1) {
            return true;
        } else if (*value == 2) {
            const std::optional<quint8> right = in.next(), down = in.next();
            if (!right || !down)
                return false;
            painter.move(*right, *down);
        } else {
            // An absolute run: *value pixels as they are, padded to a whole 16-bit word.
            std::optional<quint8> byte;
            for (int i = 0; i < *value; ++i) {
                if ((bits == 8 || i % 2 == 0) && !(byte = in.next()))
                    return false;
                painter.put(pixelOf(*byte, i, bits));
            }
            if ((bits == 8 ? *value : (*value + 1) / 2) % 2)
                in.next();
        }
    }
    return true;
}

} // namespace

std::optional<RunLengthPicture> readRunLengthBmp(QIODevice &file, const PictureHeader &header)
{
    const int bits = header.runLengthBits;
    const std::optional<BmpLayout> layout = readLayout(file, bits);
    if (!layout)
        return std::nullopt;
    RunLengthPicture read;
    read.picture = QImage(int(header.width), int(header.height), QImage::Format_RGB32);
    if (read.picture.isNull())
        return read;
    read.picture.fill(qRgb(255, 255, 255));
    ByteReader in(file);
    RunPainter painter(read.picture, layout->colours, header.bottomUp);
    read.complete = paintRuns(in, painter, bits);
    return read;
}

} // namespace garabel
