#pragma once

#include "raster/Rgb.h"

#include <QFont>
#include <QString>

namespace garabel {

// Closed figures are filled by FillStyle: 0 solid, 1 transparent, 2..7 hatches
// (horizontal, vertical, upward diagonal, downward diagonal, cross, diagonal cross).
enum FillStyle { FillSolid = 0, FillTransparent = 1, FillHorizontal = 2, FillVertical = 3,
                 FillUpwardDiagonal = 4, FillDownwardDiagonal = 5, FillCross = 6, FillDiagonalCross = 7 };

// What a figure is drawn with. A surface keeps none of its own: each layer is
// handed the pen for its figures, so the canvas and a sheet given the same pen
// draw the same pixels, and a mark drawn otherwise (the crosshair, the eraser's
// boxes) says so with a pen of its own that nothing else sees.
struct Pen {
    Rgb colour = kBlack;               // text, and figures given no colour of their own
    int width = 1;                     // pixels; below 1 draws as 1
    int fillPattern = FillTransparent; // a FillStyle, for closed figures and flood fills
    Rgb fillColour = kBlack;
    QString fontName = QStringLiteral("MS Sans Serif");
    double fontSize = 8.25;            // points
    bool bold = false;
    bool italic = false;

    int drawWidth() const { return width < 1 ? 1 : width; }
    // The font at the surfaces' pixel scale, without antialiasing.
    QFont font() const;
    // This pen at another width, or with another fill pattern: a mark's own pen.
    Pen withWidth(int pixels) const;
    Pen withFill(int pattern) const;
};

} // namespace garabel
