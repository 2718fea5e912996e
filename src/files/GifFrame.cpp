#include "files/GifFrame.h"

#include <QIODevice>
#include <QImage>

#include <array>
#include <vector>

namespace garabel {

namespace {

constexpr int kMaxCodeBits = 12;
constexpr int kTableSize = 1 << kMaxCodeBits;

// Qt's LZW decoding with the pixels counted instead of drawn, with the same
// limits, so that both stop at the same code.
class LzwCounter
{
public:
    explicit LzwCounter(int codeSize) : m_lzwSize(codeSize), m_clear(1 << codeSize) { restart(); }

    // Takes one more byte of data; false once the decoder stops drawing.
    bool take(quint8 byte, qint64 &pixels)
    {
        m_bits |= quint32(byte) << m_bitCount;
        m_bitCount += 8;
        while (m_bitCount >= m_codeSize) {
            const int code = int(m_bits & ((1u << m_codeSize) - 1));
            m_bits >>= m_codeSize;
            m_bitCount -= m_codeSize;
            if (!follow(code, pixels))
                return false;
        }
        return true;
    }

private:
    void restart()
    {
        m_codeSize = m_lzwSize + 1;
        m_maxCodeSize = 2 * m_clear;
        m_maxCode = m_clear + 2;
    }

    bool follow(int code, qint64 &pixels)
    {
        if (code == m_clear) {
            restart();
            m_needFirst = true;
            return true;
        }
        if (code == m_clear + 1)
            return false;  // the end code
        if (m_needFirst) {
            m_oldCode = code;
            m_needFirst = false;
            ++pixels;
            return true;
        }
        const int incoming = code;
        qint64 length = 0;
        if (code >= m_maxCode) {
            ++length;
            code = m_oldCode;
        }
        for (; code >= m_clear + 2; code = m_prefix[code]) {
            // A code not defined yet, one that is its own prefix, or a chain
            // longer than the decoder's stack: the decoder gives up.
            if (code >= m_maxCode || code == m_prefix[code] || ++length >= 2 * kTableSize)
                return false;
        }
        ++length;
        if (m_maxCode < kTableSize) {
            m_prefix[m_maxCode++] = qint16(m_oldCode);
            if (m_maxCode >= m_maxCodeSize && m_maxCodeSize < kTableSize) {
                m_maxCodeSize *= 2;
                ++m_codeSize;
            }
        }
        m_oldCode = incoming;
        pixels += length;
        return true;
    }

    const int m_lzwSize, m_clear;
    int m_codeSize = 0, m_maxCodeSize = 0, m_maxCode = 0, m_oldCode = 0;
    bool m_needFirst = true;
    quint32 m_bits = 0;
    int m_bitCount = 0;
    std::array<qint16, kTableSize> m_prefix{};
};

// The rows of a frame in the order the decoder fills them: every eighth from
// the top, every eighth from the fifth, every fourth from the third, every
// second from the second when interlaced (with the decoder's own steps for
// images under five rows), else one after the other.
class RowOrder
{
public:
    RowOrder(int top, int bottom, bool interlaced) : m_top(top), m_bottom(bottom), m_pass(interlaced ? 1 : 0), m_y(top) {}

    int row() const { return m_y; }
    void next()
    {
        const int step[] = {1, 8, 8, 4, 2};
        m_y += step[m_pass];
        if (m_y <= m_bottom || m_pass == 0 || m_pass == 4)
            return;
        const int start[] = {0, 0, 4, 2, 1};
        ++m_pass;
        m_y = m_top + start[m_pass];
        if (m_pass == 2 && m_y > m_bottom)
            m_y = m_top + 2;  // the decoder stays in the second pass, from the third row
        if (m_pass < 4 && m_y > m_bottom) {
            m_pass = m_pass == 2 ? 0 : 3;
            m_y = m_top + 1;
        }
    }

private:
    const int m_top, m_bottom;
    int m_pass, m_y;
};

// Over the frame, in the rows it covers on the screen.
void paintUnreachedRows(QImage &picture, const GifFrame &frame, QRgb background)
{
    const QRect &place = frame.place;
    if (place.width() <= 0 || place.height() <= 0 || place.left() >= picture.width() || place.top() >= picture.height())
        return;
    const int right = qMin(place.left() + place.width(), picture.width()) - 1;
    const int bottom = qMin(place.top() + place.height(), picture.height()) - 1;
    std::vector<qint64> reached(std::size_t(bottom - place.top() + 1), 0);
    qint64 left = frame.pixels;
    for (RowOrder rows(place.top(), bottom, frame.interlaced); left > 0 && rows.row() <= bottom; rows.next()) {
        const qint64 got = qMin<qint64>(place.width(), left);
        qint64 &reachedInRow = reached[std::size_t(rows.row() - place.top())];
        reachedInRow = qMax(reachedInRow, got);
        left -= got;
    }
    for (int y = place.top(); y <= bottom; ++y) {
        auto *row = reinterpret_cast<QRgb *>(picture.scanLine(y));
        for (qint64 x = place.left() + reached[std::size_t(y - place.top())]; x <= right; ++x)
            row[x] = background;
    }
}

} // namespace

bool countGifPixels(QIODevice &file, int codeSize, GifFrame &frame)
{
    frame.pixels = 0;
    bool counting = codeSize <= kMaxCodeBits;
    LzwCounter counter(qMin(codeSize, kMaxCodeBits));
    for (;;) {
        char size = 0;
        if (!file.getChar(&size))
            return false;
        if (size == 0)
            return true;
        const QByteArray block = file.read(quint8(size));
        for (qsizetype i = 0; counting && i < block.size(); ++i)
            counting = counter.take(quint8(block[i]), frame.pixels);
        if (block.size() != quint8(size))
            return false;
    }
}

bool paintUnreachedGifPixels(QImage &picture, const GifFrame &frame, QRgb background)
{
    if (picture.depth() != 32)
        return !frame.whole();
    paintUnreachedRows(picture, frame, background);
    bool unreached = !frame.whole();
    for (int y = 0; y < picture.height(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            if (row[x] == 0) {
                row[x] = background;
                unreached = true;
            }
        }
    }
    return unreached;
}

} // namespace garabel
