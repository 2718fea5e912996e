#pragma once

#include "drawing/PaletteButton.h"

// Where the window's controls go, in twips, in one table: the palette as
// designed, the option rows before the layout moves them, and the gaps the
// layout keeps when it fits the canvas and the option row to the screen.

namespace garabel::places {

// --- the palette: square buttons in two columns down the window's left edge ---
inline constexpr double kPaletteButtonSide = 495;
inline constexpr double kPaletteLeftColumn = 120;
inline constexpr double kPaletteRightColumn = 600;

struct PaletteRow {
    double top;
    PaletteButton left, right;
};

inline constexpr PaletteRow kPaletteRows[] = {
    {120, PaletteButton::Open, PaletteButton::Save},
    {600, PaletteButton::Line, PaletteButton::Freehand},
    {1080, PaletteButton::Dots, PaletteButton::PenWidthStep},
    {1560, PaletteButton::Circle, PaletteButton::Polygon},
    {2040, PaletteButton::Rectangle, PaletteButton::Fill},
    {2520, PaletteButton::Undo, PaletteButton::Text},
    {3000, PaletteButton::Clear, PaletteButton::Eraser},
    {3480, PaletteButton::Help, PaletteButton::ColourDialog},
    {3960, PaletteButton::Print, PaletteButton::Quit},
    {4560, PaletteButton::SnapToGrid, PaletteButton::MoveFreely},
};

// Under the palette, in the same columns: the eight grid buttons, then the four
// mirror buttons, two a row in their order.
inline constexpr double kGridRowTops[] = {5040, 5520, 6000, 6480};
inline constexpr double kMirrorRowTops[] = {7080, 7560};

// --- the option rows as designed: buttons side by side from a first one ---
inline constexpr double kOptionButtonSideTwips = 375;  // kOptionButtonSide pixels
inline constexpr double kOptionButtonPitch = 360;

struct RowStart {
    double top, left;
};

inline constexpr RowStart kSheetButtonsStart{6360, 1200};
inline constexpr RowStart kPolygonModeStart{6360, 1680};
inline constexpr RowStart kCircleKindStart{6360, 3840};
inline constexpr RowStart kEraserSizeStart{6360, 6120};
inline constexpr RowStart kPenWidthStart{6840, 1680};
inline constexpr RowStart kFillPatternStart{7320, 1680};
inline constexpr RowStart kFontStyleStart{7800, 6840};

// --- the gaps the layout keeps, in single precision as it computes ---
inline constexpr float kCanvasBelowStrip = 20;
inline constexpr float kCanvasRightOfPalette = 75;
inline constexpr float kCanvasRightMargin = 75;
inline constexpr float kSheetButtonsBelowCanvas = 20;
inline constexpr float kBottomMargin = 80;  // under the sheet buttons
// The option groups share one place on the row, after the sheet buttons; the
// fill patterns stand after the circle kinds, which they are shown with.
inline constexpr float kOptionGroupsRightOfSheetButtons = 1000;
inline constexpr float kSideCountLabelGap = 100;
inline constexpr float kSideCountListGap = 50;
inline constexpr float kFillPatternsRightOfCircleKinds = 400;
inline constexpr float kFontNameListGap = 150;
inline constexpr float kBoldButtonGap = 100;
inline constexpr float kItalicButtonGap = 25;

} // namespace garabel::places
