#pragma once

#include <QWidget>

#include <vector>

namespace garabel {

class ShownSurface;

// The widget that shows a Surface: a one-pixel frame around the inner area, the
// stored image and the overlay over it. It places itself from the surface's
// twips rectangle and repaints only what the surface reports as changed.
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

private:
    void place();
    void surfaceChanged(const QRect &pixels);
    QPointF toSurface(const QPointF &widgetPos) const;

    ShownSurface &m_surface;
    // Cells asked to repaint since the last paint, inner pixels.
    std::vector<QRect> m_pendingCells;
    // The last paint showed the surface's picture at full resolution.
    bool m_showingSharp = false;
};

} // namespace garabel
