#pragma once

#include "raster/SurfaceOverlay.h"
#include "raster/ViewTransform.h"

#include <QPointer>
#include <QWidget>

#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace garabel {

class ShownSurface;

// Thin dashed lines that the view shows over the sheet and the dots, under the
// overlay, and never puts into the surface: a vertical line at x, a
// horizontal one at y and a small cross at a point, each when set (inner pixels).
struct ViewGuides {
    std::optional<int> verticalX, horizontalY;
    std::optional<QPoint> cross;
    bool operator==(const ViewGuides &) const = default;
};

// The widget that shows a Surface: a one-pixel frame around the inner area, and
// inside it what the surface shows (composeView), the guides under the
// overlay. It places itself from the surface's twips rectangle and repaints
// only what the surface reports as changed, less what the overlay shows unchanged.
// Mouse events are reported in twips, relative to the inner area,
// with buttons as a bit set: 1 left, 2 right, 4 middle.
class SurfaceView : public QWidget
{
    Q_OBJECT
public:
    explicit SurfaceView(ShownSurface &surface, QWidget *parent = nullptr);

    ShownSurface &surface() const { return m_surface; }
    // The offset of the inner area inside the widget, in pixels.
    static QPoint innerOrigin();
    // From the surface's inner pixels to the widget's.
    static ViewTransform transform();

    // Where the guides come from: asked before every repaint, and by updateGuides().
    void setGuides(std::function<ViewGuides()> source);
    // Asks for the guides now: something they follow has changed.
    void updateGuides();
    ViewGuides guides() const { return m_guides; }

signals:
    void mousePressed(int button, int shift, double x, double y);
    void mouseMoved(int buttons, int shift, double x, double y);
    void mouseReleased(int button, int shift, double x, double y);
    // The pointer left the surface with no button held.
    void pointerLeft();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void place();
    void surfaceChanged(const QRect &pixels);
    // Marks the cells that the inner pixels touch for the next repaint.
    void markCells(const QRegion &pixels);
    // Hands the marked cells to Qt as one region, less what shows unchanged.
    void flushCells();
    // The guides within the region, inner pixels.
    void paintGuides(QPainter &painter, const QRegion &region) const;
    QPointF toSurface(const QPointF &widgetPos) const;

    ShownSurface &m_surface;
    // Cells of kCell x kCell inner pixels to repaint, row by row.
    std::vector<unsigned char> m_cells;
    int m_cellColumns = 0;
    bool m_anyCell = false;
    // The first and last rows of cells marked.
    std::pair<int, int> m_markedRows{0, -1};
    // The window whose update request the marked cells wait for.
    QPointer<QWidget> m_watchedWindow;
    // What the overlay painted solid when the screen last caught up with it,
    // and the overlay's generation then.
    std::vector<SolidPixels> m_shownSolid;
    unsigned m_shownGeneration = 0;
    std::function<ViewGuides()> m_guidesSource;
    ViewGuides m_guides;
};

} // namespace garabel
