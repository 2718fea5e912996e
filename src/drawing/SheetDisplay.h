#pragma once

#include "raster/Rgb.h"

#include <QImage>
#include <QRect>

#include <vector>

namespace garabel {

class Sheets;
class ShownSurface;

// Puts the current sheet on the canvas, with the dot grid over it once a grid
// step was chosen, or the help page instead. The dots are drawn on the canvas
// only, never into a sheet, and come back wherever the sheet is shown again.
// The canvas keeps pixels of its own, never a sheet's, so that the undo store
// writes a sheet in place and the first drawing after it copies nothing; the
// sheet goes onto the canvas row by row, each row's dots with it.
class SheetDisplay
{
public:
    SheetDisplay(ShownSurface &canvas, const Sheets &sheets);

    // From now on the sheet is shown with a dot in `colour` at every point of a
    // grid of `step` twips (from the canvas's outer size, both bounds inclusive).
    void setDots(int step, Rgb colour);
    // Puts the current sheet with its dots on the canvas wherever the two may
    // differ: in `changed` (areas of the sheet, pixels) and in every tile that
    // was drawn on, or given a picture, on the canvas since the sheet was last
    // shown. The rest of the canvas is left alone; the overlay goes.
    void show(const std::vector<QRect> &changed = {});
    // The whole canvas anew: another sheet, a new picture in it, new dots.
    void showWhole();
    // The help page instead of the sheet, without dots, until the sheet is shown again.
    void showHelp(const QImage &page);
    bool helpShown() const { return m_helpShown; }

private:
    // `tiles`: one flag per canvas tile, row by row, set where to show.
    void showTiles(const std::vector<unsigned char> &tiles);
    void showArea(const QRect &area, const std::vector<int> &dotColumns, const std::vector<int> &dotRows);

    ShownSurface &m_canvas;
    const Sheets &m_sheets;
    int m_dotStep = 0;  // twips; 0 while no grid step was chosen
    Rgb m_dotColour = kBlack;
    bool m_helpShown = false;
};

} // namespace garabel
