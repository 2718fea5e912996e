#pragma once

#include "raster/Surface.h"
#include "raster/SurfaceOverlay.h"

namespace garabel {

// A surface that a SurfaceView shows (the canvas, the colour strip): besides the
// stored image it has an overlay of transient drawing, for marks that follow the
// pointer and previews. A surface that is never shown (a sheet image) is a plain
// Surface and has no overlay to lose drawing in.
class ShownSurface : public Surface
{
    Q_OBJECT
public:
    explicit ShownSurface(QObject *parent = nullptr);
    ~ShownSurface() override;

    // Figures drawn here with `pen` are shown over the stored image until
    // refresh() or a new picture; the stored image and its tiles stay as they are.
    SurfaceLayer overlay(const Pen &pen, Units units = Units::Twips)
    {
        return SurfaceLayer(*this, &m_overlay, pen, units);
    }
    SurfaceLayer overlay(const Pen &&, Units = Units::Twips) = delete;
    // Repaint from the stored image: the overlay is discarded.
    void refresh();
    bool hasOverlay() const { return !m_overlay.isEmpty(); }
    // What the screen shows: the stored image with the overlay drawn over it.
    QImage composedImage() const;
    // For the view: paints the overlay with a painter whose origin is the inner area.
    void paintOverlay(QPainter &painter) const { m_overlay.paint(painter); }
    // For the view, to leave alone what the overlay shows unchanged: see SurfaceOverlay.
    std::vector<SolidPixels> overlaySolidPixels() const { return m_overlay.solidPixels(); }
    unsigned overlayGeneration() const { return m_overlay.generation(); }

private:
    void pictureReplaced() override;

    SurfaceOverlay m_overlay;
};

} // namespace garabel
