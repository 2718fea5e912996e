#pragma once

// src/raster: surfaces and their layers, the pen they are handed, the
// rasteriser, hatch patterns, the flood fill, tile copies, colours and units.
// Pure: Qt Gui only, nothing above.

#include "raster/Pen.h"
#include "raster/Rgb.h"
#include "raster/SurfaceLayer.h"
#include "raster/Units.h"

#include <QImage>
#include <QObject>
#include <QPointF>
#include <QRect>
#include <QRegion>

#include <optional>
#include <vector>

namespace garabel {

// A stored image on its background colour. Figures go into the stored image
// through stored(), with the pen they are handed; a surface keeps no pen of its
// own. A surface that is shown has an overlay as well (ShownSurface).
// Coordinates are twips unless a layer is asked for in pixels, origin at the
// top-left corner of the inner area. The stored image is opaque RGB32 of the
// inner pixel size; it is not allocated until something is drawn on it, so a
// surface never drawn on holds no pixels.
class Surface : public QObject
{
    Q_OBJECT
public:
    static constexpr int kBorder = 1;  // pixels of frame on each side of the inner area
    static constexpr int kTile = 64;   // side of a change-tracking tile, pixels

    explicit Surface(QObject *parent = nullptr);
    ~Surface() override;

    // Outer rectangle in twips, relative to the parent's client area. Width and
    // Height include the frame; the stored image follows the inner pixel size.
    double left() const { return m_left; }
    double top() const { return m_top; }
    double width() const { return m_width; }
    double height() const { return m_height; }
    void setLeft(double twips);
    void setTop(double twips);
    void setWidth(double twips);
    void setHeight(double twips);
    QSize innerPixelSize() const { return m_size; }

    // The inner area in twips.
    double innerWidth() const { return m_size.width() * double(kTwipsPerPixel); }
    double innerHeight() const { return m_size.height() * double(kTwipsPerPixel); }

    // Figures drawn here with `pen` are stored: they stay until drawn over or
    // replaced by a picture, and mark the tiles they touch. The layer refers to
    // the pen, which must outlive it (hence no temporaries).
    SurfaceLayer stored(const Pen &pen, Units units = Units::Twips)
    {
        return SurfaceLayer(*this, nullptr, pen, units);
    }
    SurfaceLayer stored(const Pen &&, Units = Units::Twips) = delete;

    // The paper: what shows where nothing is stored.
    Rgb backColor() const { return m_backColor; }
    void setBackColor(Rgb c) { m_backColor = c; }

    // Replace what is shown and what is stored by the background colour with the
    // picture at the top-left corner, clipped; a null picture leaves the background
    // only (and the stored image null again). A picture that is already RGB32 of
    // the inner size is shared, not copied; any other is kept at its own size
    // until something is drawn or the stored image is asked for. Discards any
    // overlay; dirties every tile.
    void setPicture(const QImage &picture);
    // The background alone, as setPicture(QImage()) makes it, for a caller
    // that knows the stored pixels to differ from it only within `changed`:
    // only that is reported changed.
    void setBlank(const std::vector<QRect> &changed);
    // An independent copy of the stored image (implicitly shared, so cheap to take);
    // null while nothing was ever stored, which stands for the blank background.
    // A picture kept at its own size is made into the stored image here.
    QImage image() const;
    // The picture last assigned, opaque RGB32, while it stands for what the
    // surface shows (nothing was drawn since) and the view should show it as it
    // is: the stored image was not made of it yet, or it has more device pixels
    // than logical ones (shown at full resolution). The background shows beside
    // it. Null otherwise.
    QImage shownPicture() const;
    // The stored image with the background materialised: null only for a zero size.
    QImage renderedImage() const;

    // The stored colour at a point in twips, or at a pixel; BackColor outside
    // the image or where nothing is stored.
    Rgb point(double x, double y) const;
    Rgb pixel(int x, int y) const;

    // Paints the connected area around pixel (x, y) that has exactly the colour
    // `area` with the pen's fill colour in its fill pattern, in the stored image;
    // pixels, not twips. Nothing happens outside the image, or when a solid fill
    // would paint the area in its own colour, or with a transparent pen. Hatches
    // follow HatchPattern.h, like the fills of closed figures. Dirties the tiles
    // it paints. Returns the bounding rectangle of the pixels taken, empty when none.
    QRect floodFill(int x, int y, Rgb area, const Pen &pen);

    // Change tracking for the undo store: tiles of kTile x kTile pixels touched by
    // stored drawing since the last clearDirtyTiles().
    int tileColumns() const;
    int tileRows() const;
    bool tileDirty(int column, int row) const;
    // The same for every tile at once, row by row, tileColumns() to a row.
    const std::vector<unsigned char> &dirtyTiles() const { return m_dirty; }
    // The colour (QRgb) of a dirty tile that a solid flood fill painted whole
    // and nothing wrote since, so that it need not be looked at; none otherwise.
    std::optional<unsigned> knownTileColour(int column, int row) const;
    // The same, dirty or not: the view paints such a tile without reading it.
    std::optional<unsigned> tileColour(int column, int row) const
    {
        const int columns = (m_size.width() + kTile - 1) / kTile;
        const std::size_t i = std::size_t(row) * std::size_t(columns) + std::size_t(column);
        if (column < 0 || row < 0 || column >= columns || i >= m_colourKnown.size() || !m_colourKnown[i])
            return std::nullopt;
        return m_tileColours[i];
    }
    void clearDirtyTiles();
    // Replaces the stored pixels of one tile by `tile` (null: the background),
    // for the undo store putting back a picture it holds as tiles. The tile is
    // not marked dirty: the store knows what it wrote.
    void writeTile(int column, int row, const QImage &tile);

signals:
    // Something visible changed inside this rectangle of inner pixels: stored
    // drawing, a figure added to the overlay, a refresh (where the overlay was), a
    // picture. One figure may report several rectangles along its path.
    void changed(const QRect &pixels);
    void geometryChanged();

protected:
    // A picture was assigned: the stored image was replaced as a whole.
    virtual void pictureReplaced() {}
    void emitChanged(const QRegion &pixels);

private:
    friend class SurfaceLayer;
    // setPicture() without its report.
    void replacePicture(const QImage &picture);
    // Paints the op into the stored image (within the inner area).
    void store(const SurfaceOp &op);
    // Sets the pixel of each point inside the inner area to `colour`.
    void storePoints(const std::vector<QPointF> &points, Units units, Rgb colour);
    void ensureImage() const;
    // A stored image of the inner size, its pixels left as they come.
    void allocateImage() const;
    // Nothing stored, nor a picture waiting: the background everywhere.
    bool blank() const;
    // The picture, opaque: over the background where it is transparent.
    QImage opaquePicture(const QImage &picture) const;
    void resizeImage();
    void markDirty(const QRect &pixels);
    void markAllDirty();
    // After a fill marked tiles: the colours of those it wrote in part are no
    // longer known, those it painted whole are (and they are plainly written).
    void learnFilledColours();
    // Whether every pixel is known to be `colour`, from the tiles' colours.
    bool knownAll(unsigned colour) const;

    double m_left = 0, m_top = 0, m_width = 0, m_height = 0;
    QSize m_size;
    Rgb m_backColor = kWhite;

    // Null either for the blank background or, while m_picture is set, for the
    // background with m_picture on it, made on demand.
    mutable QImage m_image;
    // The picture last assigned, kept until something is drawn so that the
    // layout's resize can show it whole.
    QImage m_picture;
    // The memory of the stored image the surface had before it went blank,
    // for the next one; null whenever the surface holds pixels or a picture.
    mutable QImage m_spare;
    // Per tile: TileClean or TileWritten (a fill's TileOneColour lasts only until
    // learnFilledColours() turns it into m_colourKnown).
    std::vector<unsigned char> m_dirty;
    std::vector<unsigned> m_tileColours;  // per tile whose colour is known: that colour
    // Per tile: its pixels are all m_tileColours' colour, dirty or not since the
    // last clearDirtyTiles(). Anything else written to the tile forgets it.
    std::vector<unsigned char> m_colourKnown;
};

} // namespace garabel
