#pragma once

#include "raster/DotGrid.h"
#include "raster/Surface.h"
#include "raster/SurfaceOverlay.h"

#include <QPointer>

namespace garabel {

// A surface that a SurfaceView shows (the canvas, the colour strip): besides the
// stored image it has an overlay of transient drawing, for marks that follow the
// pointer and previews. A surface that is never shown (a sheet image) is a plain
// Surface and has no overlay to lose drawing in.
//
// Instead of its own stored image it may show a sheet's, following the sheet's
// changes, with a dot grid over it: the canvas keeps no pixels of its own then,
// only a picture (the start-up picture, the help page) where it shows one.
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

    // From now on shows `sheet` (of this surface's size, outliving the
    // showing) with the dots, and repaints where it changes. Its own picture
    // and the overlay go.
    void showSheet(const Surface &sheet);
    // Shows `picture` as its own and `sheet` over it, without dots: the picture
    // shows through wherever the sheet has its background, so the start-up
    // picture stays under the first drawing.
    void showSheetOver(const QImage &picture, const Surface &sheet);
    // Shows `picture` alone, without the sheet or the dots.
    void showPicture(const QImage &picture);
    // The sheet shown; null while only a picture of its own shows.
    const Surface *shownSheet() const { return m_sheet; }
    // Whether what the surface holds of its own shows under the sheet.
    bool ownUnderSheet() const { return m_sheet && m_ownUnderSheet; }
    // The dots shown over the sheet; none by default.
    void setDots(DotGrid dots);
    const DotGrid &dots() const { return m_dots; }

    // What the screen shows: the sheet or the stored image, the dots and the overlay.
    QImage composedImage() const;
    // The same without the overlay: what is printed.
    QImage composedUnderOverlay() const;
    // For the view: paints the overlay with a painter whose origin is the inner area.
    void paintOverlay(QPainter &painter) const { m_overlay.paint(painter); }
    // For the view, to leave alone what the overlay shows unchanged: see SurfaceOverlay.
    std::vector<SolidPixels> overlaySolidPixels() const { return m_overlay.solidPixels(); }
    unsigned overlayGeneration() const { return m_overlay.generation(); }

private:
    void pictureReplaced() override;
    void follow(const Surface *sheet);
    void changedWhole();
    QImage composed(bool withOverlay) const;

    SurfaceOverlay m_overlay;
    QPointer<const Surface> m_sheet;
    QMetaObject::Connection m_following;
    bool m_ownUnderSheet = false;
    DotGrid m_dots;
};

} // namespace garabel
