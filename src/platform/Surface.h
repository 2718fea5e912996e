#pragma once

#include "platform/Rgb.h"
#include "platform/Units.h"

#include <QFont>
#include <QImage>
#include <QObject>
#include <QPointF>
#include <QRect>
#include <QRegion>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QBrush;
class QPainter;

namespace garabel {

struct PixelAxes;
struct Raster;

enum class ScaleMode { Twips = 1, Pixels = 3 };

// Closed figures are filled by FillStyle: 0 solid, 1 transparent, 2..7 hatches
// (horizontal, vertical, upward diagonal, downward diagonal, cross, diagonal cross).
enum FillStyle { FillSolid = 0, FillTransparent = 1, FillHorizontal = 2, FillVertical = 3,
                 FillUpwardDiagonal = 4, FillDownwardDiagonal = 5, FillCross = 6, FillDiagonalCross = 7 };

// The drawing model of a picture box: a stored image and a transient overlay.
//
// With AutoRedraw on, drawing goes into the stored image; with it off, drawing is
// recorded in the overlay, which Refresh discards. Coordinates are in the surface's
// ScaleMode (twips by default), origin at the top-left corner of the inner area.
// The stored image is opaque RGB32 of the inner pixel size; it is not allocated
// until something is drawn on it, so a surface never drawn on holds no pixels.
// Everything is drawn without antialiasing so that colours stay exact.
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

    ScaleMode scaleMode() const { return m_scaleMode; }
    void setScaleMode(ScaleMode mode) { m_scaleMode = mode; }
    double scaleWidth() const;
    double scaleHeight() const;

    bool autoRedraw() const { return m_autoRedraw; }
    void setAutoRedraw(bool on) { m_autoRedraw = on; }

    // Drawing properties.
    int drawWidth() const { return m_drawWidth; }
    void setDrawWidth(int pixels) { m_drawWidth = pixels < 1 ? 1 : pixels; }
    int fillStyle() const { return m_fillStyle; }
    void setFillStyle(int style) { m_fillStyle = style; }
    Rgb fillColor() const { return m_fillColor; }
    void setFillColor(Rgb c) { m_fillColor = c; }
    Rgb foreColor() const { return m_foreColor; }
    void setForeColor(Rgb c) { m_foreColor = c; }
    Rgb backColor() const { return m_backColor; }
    void setBackColor(Rgb c) { m_backColor = c; }
    QString fontName() const { return m_fontName; }
    void setFontName(const QString &name) { m_fontName = name; }
    double fontSize() const { return m_fontSize; }
    void setFontSize(double points) { m_fontSize = points; }
    bool fontBold() const { return m_fontBold; }
    void setFontBold(bool on) { m_fontBold = on; }
    bool fontItalic() const { return m_fontItalic; }
    void setFontItalic(bool on) { m_fontItalic = on; }
    QFont font() const;  // the drawing font at this surface's pixel scale
    double currentX() const { return m_currentX; }
    double currentY() const { return m_currentY; }
    void setCurrentX(double v) { m_currentX = v; }
    void setCurrentY(double v) { m_currentY = v; }

    // Repaint from the stored image: the overlay is discarded.
    void refresh();
    // Replace what is shown and what is stored by the background colour with the
    // picture at the top-left corner, clipped; a null picture leaves the background
    // only (and the stored image null again). A picture that is already RGB32 of
    // the inner size is shared, not copied. Discards the overlay; dirties every tile.
    void setPicture(const QImage &picture);
    // An independent copy of the stored image (implicitly shared, so cheap to take);
    // null while nothing was ever stored, which stands for the blank background.
    QImage image() const { return m_image; }
    // The picture last assigned when it has more device pixels than logical ones
    // and nothing was drawn since: the view shows it at full resolution. Null
    // otherwise. The stored image holds it at the surface's own resolution.
    QImage sharpPicture() const;
    // The stored image with the background materialised: null only for a zero size.
    QImage renderedImage() const;
    // What the screen shows: the stored image with the overlay drawn over it.
    QImage composedImage() const;

    // Figures, stored or in the overlay by AutoRedraw. A colour of nullopt means
    // ForeColor. Which pixels each one covers is set out in SurfacePainting.h; a
    // zero-length line, a zero-size box and a radius under half a pixel give a dot
    // of DrawWidth (an arc of such a radius gives nothing). Each returns the
    // figure's pixels, for reflect() to draw its mirror copies from.
    using Figure = std::shared_ptr<const Raster>;
    Figure line(double x1, double y1, double x2, double y2, std::optional<Rgb> colour = {});
    Figure box(double x1, double y1, double x2, double y2, std::optional<Rgb> colour = {});
    Figure filledBox(double x1, double y1, double x2, double y2, std::optional<Rgb> colour = {});
    // The pixels a filled box between these corners covers at the present pen width.
    QRect filledBoxPixels(double x1, double y1, double x2, double y2) const;
    Figure circle(double x, double y, double radius, std::optional<Rgb> colour = {});
    // Counter-clockwise on the screen from start to end (radians, 0 points right),
    // through angle 0 when start > end. Open: no radius lines, no fill.
    Figure arc(double x, double y, double radius, Rgb colour, double start, double end);
    // aspect = vertical radius / horizontal radius; below 1 the radius is the
    // horizontal one, above 1 the vertical one.
    Figure ellipse(double x, double y, double radius, Rgb colour, double aspect);
    Figure pset(double x, double y, std::optional<Rgb> colour = {});
    // The pixel axes of the vertical line x = twiceX / 2 and/or the horizontal
    // line y = twiceY / 2 (ScaleMode units; an absent one leaves that direction
    // alone), or nullopt when a reflection across them cannot be drawn: an axis
    // lies neither on a pixel centre nor between two pixels, or far off the image.
    std::optional<PixelAxes> reflectionAxes(std::optional<double> twiceX, std::optional<double> twiceY) const;
    // Draws the figure again mirrored pixel for pixel across the axes: a mirror
    // copy that is its exact reflection at every pen width. A hatched interior
    // keeps its pattern's direction.
    void reflect(const Raster &figure, const PixelAxes &axes);
    // Many points in ForeColor at once, as pset would set them one by one; with
    // a one-pixel pen into the stored image they are written directly, which
    // keeps a dense dot grid cheap.
    void psetMany(const std::vector<QPointF> &points);
    Rgb point(double x, double y) const;
    // Draws the text with its top-left corner at (CurrentX, CurrentY) in ForeColor
    // and font(). CurrentX and CurrentY stay where they are.
    void print(const QString &text);

    // A run of pixels of one row, both ends included.
    struct Span {
        int y, left, right;
    };
    // Paints the connected area around pixel (x, y) that has exactly the colour
    // `area` with FillColor in FillStyle, in the stored image. Pixels, whatever the
    // ScaleMode. Nothing happens outside the image, or when a solid fill would
    // paint the area in its own colour. Hatches follow HatchPattern.h, like the
    // fills of closed figures. Dirties the tiles it paints. Returns the runs it took.
    std::vector<Span> floodFill(int x, int y, Rgb area);
    // Paints the runs with FillColor in FillStyle, as a fill that took them would.
    void fillSpans(const std::vector<Span> &spans);

    // Change tracking for the undo store: tiles of kTile x kTile pixels touched by
    // stored drawing since the last clearDirtyTiles().
    int tileColumns() const;
    int tileRows() const;
    bool tileDirty(int column, int row) const;
    void clearDirtyTiles();
    // Replaces the stored pixels of one tile by `tile` (null: the background),
    // for the undo store putting back a picture it holds as tiles. The tile is
    // not marked dirty: the store knows what it wrote.
    void writeTile(int column, int row, const QImage &tile);

    // For the view: paints the overlay with a painter whose origin is the inner area.
    void paintOverlay(QPainter &painter) const;
    bool hasOverlay() const { return !m_overlay.empty(); }

signals:
    // Something visible changed inside this rectangle of inner pixels: stored
    // drawing, a figure added to the overlay, a refresh (where the overlay was), a
    // picture. One figure may report several rectangles along its path.
    void changed(const QRect &pixels);
    void geometryChanged();

private:
    // One figure: the pixels it may touch and how to paint it. The same op paints
    // the stored image or, replayed, the overlay, so both look the same. The clip
    // (null: none) lets a replay skip what falls outside the repainted rectangle.
    struct Op {
        QRegion bounds;
        std::function<void(QPainter &, const QRect &clip)> paint;
    };

    double toPixels(double v) const;
    QPoint toPixel(double x, double y) const;
    double toPixelRadius(double radius) const;
    QBrush fillBrush() const;
    Rgb resolve(std::optional<Rgb> colour) const { return colour ? *colour : m_foreColor; }
    void apply(Op op);
    // Draws a figure's pixels (its interior only with a brush to paint it).
    Figure applyFigure(Raster raster);
    Figure applyRaster(Raster raster);
    // Where figures are rasterised: the inner area and one more of its size on
    // every side, which holds the pixels any reflection through the area brings in.
    QRect rasterWindow() const;
    void emitChanged(const QRegion &pixels);
    void ensureImage();
    void resizeImage();
    void markDirty(const QRect &pixels);
    void markAllDirty();
    Figure drawDot(QPoint at, Rgb colour);
    Figure drawClosedEllipse(QPoint centre, double rx, double ry, Rgb colour);

    double m_left = 0, m_top = 0, m_width = 0, m_height = 0;
    QSize m_size;
    ScaleMode m_scaleMode = ScaleMode::Twips;
    bool m_autoRedraw = false;
    int m_drawWidth = 1;
    int m_fillStyle = FillTransparent;
    Rgb m_fillColor = kBlack;
    Rgb m_foreColor = kBlack;
    Rgb m_backColor = kWhite;
    QString m_fontName = QStringLiteral("MS Sans Serif");
    double m_fontSize = 8.25;
    bool m_fontBold = false;
    bool m_fontItalic = false;
    double m_currentX = 0, m_currentY = 0;

    QImage m_image;
    // The picture last assigned, kept until something is drawn so that the
    // layout's resize can show it whole.
    QImage m_picture;
    std::vector<Op> m_overlay;
    QRegion m_overlayBounds;
    std::vector<unsigned char> m_dirty;
};

} // namespace garabel
