#pragma once

#include "raster/PixelAxes.h"
#include "raster/Rgb.h"

#include <QPointF>
#include <QRect>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

class QBrush;

namespace garabel {

class Surface;
class SurfaceOverlay;
struct Pen;
struct Raster;
struct SurfaceOp;

// What the coordinates handed to a layer measure. Twips are what the window and
// its events use; pixels are for marks placed on exact pixels.
enum class Units { Twips, Pixels };

// Where figures go: the stored image of a surface (Surface::stored()) or the
// overlay of a shown one (ShownSurface::overlay()), with the coordinates in the
// units it was asked for, origin at the top-left corner of the inner area. A
// small handle, copied freely, valid while its surface and the pen it was handed
// live; it draws with that pen (width, fill, colour, font) as it is at each call.
//
// Which pixels each figure covers is set out in internal/SurfacePainting.h. A colour of
// nullopt means the pen's colour. A zero-length line, a zero-size box and a
// radius under half a pixel give a dot of the pen's width (an arc of such a
// radius gives nothing). Each figure returns its pixels, for reflect() to draw its
// mirror copies from. Everything is drawn without antialiasing.
class SurfaceLayer
{
public:
    using Figure = std::shared_ptr<const Raster>;

    Figure line(double x1, double y1, double x2, double y2, std::optional<Rgb> colour = {}) const;
    Figure box(double x1, double y1, double x2, double y2, std::optional<Rgb> colour = {}) const;
    Figure filledBox(double x1, double y1, double x2, double y2, std::optional<Rgb> colour = {}) const;
    // The pixels a filled box between these corners covers at the present pen width.
    QRect filledBoxPixels(double x1, double y1, double x2, double y2) const;
    Figure circle(double x, double y, double radius, std::optional<Rgb> colour = {}) const;
    // Counter-clockwise on the screen from start to end (radians, 0 points right),
    // through angle 0 when start > end. Open: no radius lines, no fill.
    Figure arc(double x, double y, double radius, Rgb colour, double start, double end) const;
    // aspect = vertical radius / horizontal radius; below 1 the radius is the
    // horizontal one, above 1 the vertical one.
    Figure ellipse(double x, double y, double radius, Rgb colour, double aspect) const;
    Figure pset(double x, double y, std::optional<Rgb> colour = {}) const;
    // Many points in the pen's colour at once, as pset would set them one by one; with
    // a one-pixel pen into the stored image they are written directly, which
    // keeps a dense dot grid cheap.
    void psetMany(const std::vector<QPointF> &points) const;
    // Draws the text with its top-left corner at (x, y), in this layer's units,
    // in the pen's colour and font.
    void print(double x, double y, const QString &text) const;

    // The pixel axes of the vertical line x = twiceX / 2 and/or the horizontal
    // line y = twiceY / 2 (an absent one leaves that direction alone), or nullopt
    // when a reflection across them cannot be drawn: an axis lies neither on a
    // pixel centre nor between two pixels, or far off the image.
    std::optional<PixelAxes> reflectionAxes(std::optional<double> twiceX, std::optional<double> twiceY) const;
    // Draws the figure again mirrored pixel for pixel across the axes: a mirror
    // copy that is its exact reflection at every pen width. A hatched interior
    // keeps its pattern's direction.
    void reflect(const Raster &figure, const PixelAxes &axes) const;

    // The nearest pixel to a point given in these units.
    static QPoint toPixel(double x, double y, Units units);

private:
    friend class Surface;
    friend class ShownSurface;
    // No overlay: the stored image.
    SurfaceLayer(Surface &surface, SurfaceOverlay *overlay, const Pen &pen, Units units)
        : m_surface(surface), m_overlay(overlay), m_pen(&pen), m_units(units)
    {
    }

    double toPixels(double v) const;
    QPoint toPixel(double x, double y) const { return toPixel(x, y, m_units); }
    double toPixelRadius(double radius) const;
    Rgb resolve(std::optional<Rgb> colour) const;
    QBrush fillBrush() const;
    void apply(SurfaceOp op) const;
    // Draws a figure's pixels (its interior only with a brush to paint it).
    Figure applyFigure(Raster raster) const;
    Figure applyRaster(Raster raster) const;
    // Where figures are rasterised: the inner area and one more of its size on
    // every side, which holds the pixels any reflection through the area brings in.
    QRect rasterWindow() const;
    Figure drawDot(QPoint at, Rgb colour) const;
    Figure drawClosedEllipse(QPoint centre, double rx, double ry, Rgb colour) const;

    int penWidth() const;

    Surface &m_surface;
    SurfaceOverlay *m_overlay;
    const Pen *m_pen;
    Units m_units;
};

} // namespace garabel
