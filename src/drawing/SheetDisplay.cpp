#include "drawing/SheetDisplay.h"

#include "drawing/GridMath.h"
#include "drawing/Sheets.h"
#include "raster/ShownSurface.h"

#include <algorithm>
#include <cstring>

namespace garabel {

namespace {
constexpr int kTile = Surface::kTile;
} // namespace

SheetDisplay::SheetDisplay(ShownSurface &canvas, const Sheets &sheets) : m_canvas(canvas), m_sheets(sheets) {}

void SheetDisplay::setDots(int step, Rgb colour)
{
    m_dotStep = step;
    m_dotColour = colour;
}

void SheetDisplay::show(const std::vector<QRect> &changed)
{
    const int columns = m_canvas.tileColumns();
    std::vector<unsigned char> tiles = m_canvas.dirtyTiles();
    const QRect inside(QPoint(0, 0), m_canvas.innerPixelSize());
    for (const QRect &area : changed) {
        const QRect r = area & inside;
        if (r.isEmpty())
            continue;
        for (int row = r.top() / kTile; row <= r.bottom() / kTile; ++row)
            std::fill_n(tiles.begin() + row * columns + r.left() / kTile, r.right() / kTile - r.left() / kTile + 1, 1);
    }
    showTiles(tiles);
}

void SheetDisplay::showWhole()
{
    showTiles(std::vector<unsigned char>(std::size_t(m_canvas.tileColumns()) * m_canvas.tileRows(), 1));
}

void SheetDisplay::showHelp(const QImage &page)
{
    m_canvas.setPicture(page);
    m_helpShown = true;
}

void SheetDisplay::showTiles(const std::vector<unsigned char> &tiles)
{
    m_helpShown = false;
    // Marks that followed the pointer go, as with any new picture.
    m_canvas.refresh();
    const QSize size = m_canvas.innerPixelSize();
    const bool whole = std::all_of(tiles.begin(), tiles.end(), [](unsigned char t) { return t != 0; });
    if (whole && m_dotStep == 0 && m_sheets.current().image().isNull()) {
        // A blank sheet without dots: the canvas needs no pixels either.
        m_canvas.setPicture(QImage());
        m_canvas.clearDirtyTiles();
        return;
    }
    const std::vector<int> dotColumns = gridDotPixels(m_dotStep, m_canvas.width(), size.width());
    const std::vector<int> dotRows = gridDotPixels(m_dotStep, m_canvas.height(), size.height());
    if (whole) {
        showArea(QRect(QPoint(0, 0), size), dotColumns, dotRows);
    } else {
        // Runs of tiles along each row of tiles.
        const int columns = m_canvas.tileColumns();
        for (int row = 0; row < m_canvas.tileRows(); ++row) {
            const unsigned char *flags = tiles.data() + std::size_t(row) * columns;
            for (int first = 0; first < columns;) {
                if (!flags[first]) {
                    ++first;
                    continue;
                }
                int last = first;
                while (last + 1 < columns && flags[last + 1])
                    ++last;
                showArea(QRect(first * kTile, row * kTile, (last - first + 1) * kTile, kTile), dotColumns, dotRows);
                first = last + 1;
            }
        }
    }
    m_canvas.clearDirtyTiles();
}

// Row by row: the sheet's row (the background beyond its pixels), then the
// row's dots.
void SheetDisplay::showArea(const QRect &area, const std::vector<int> &dotColumns, const std::vector<int> &dotRows)
{
    const Surface &sheet = m_sheets.current();
    const QImage pixels = sheet.image();
    const QRgb background = toQRgb(sheet.backColor()), dot = toQRgb(m_dotColour);
    const QRect r = area & QRect(QPoint(0, 0), m_canvas.innerPixelSize());
    const int copied = pixels.isNull() ? 0 : std::clamp(pixels.width() - r.left(), 0, r.width());
    const auto firstDot = std::lower_bound(dotColumns.begin(), dotColumns.end(), r.left());
    m_canvas.rewriteRows(r, [&](int y, QRgb *row) {
        int done = 0;
        if (y < pixels.height() && copied > 0) {
            std::memcpy(row, reinterpret_cast<const QRgb *>(pixels.constScanLine(y)) + r.left(),
                        std::size_t(copied) * sizeof(QRgb));
            done = copied;
        }
        std::fill(row + done, row + r.width(), background);
        if (!std::binary_search(dotRows.begin(), dotRows.end(), y))
            return;
        for (auto x = firstDot; x != dotColumns.end() && *x <= r.right(); ++x)
            row[*x - r.left()] = dot;
    });
}

} // namespace garabel
