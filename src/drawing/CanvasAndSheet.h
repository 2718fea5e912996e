#pragma once

#include "drawing/DrawingTarget.h"

namespace garabel {

class Sheets;
class ShownSurface;
struct Pen;

// The drawing target of the window: previews on the canvas's overlay, and
// everything kept drawn once into the sheet that is current at the time of
// each call, which the canvas shows; with `pen`, which outlives the target.
class CanvasAndSheet : public DrawingTarget
{
public:
    CanvasAndSheet(ShownSurface &canvas, Sheets &sheets, const Pen &pen);

    void preview(const Shapes &shapes, Rgb colour) override;
    void previewLine(QPointF from, QPointF to) override;
    void previewText(double x, double y, const QString &text) override;
    void store(const Shapes &shapes, Rgb colour) override;
    void eraseAlong(QPointF from, QPointF to, double half) override;
    void fillArea(int x, int y) override;
    void printText(double x, double y, const QString &text) override;

private:
    ShownSurface &m_canvas;
    Sheets &m_sheets;
    const Pen &m_pen;
};

} // namespace garabel
