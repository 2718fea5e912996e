#pragma once

#include "drawing/PaletteButton.h"

// Where the window's controls go, in twips, in one table: every control as
// designed, and the gaps the layout keeps when it fits the canvas and the
// option row to the screen (it moves the surfaces, the sheet buttons and the
// option groups; the others stay where they were designed).

namespace garabel::places {

struct Place {
    double left, top, width, height;
};

// --- the window as designed, and what lies in it besides the buttons ---
inline constexpr int kWindowWidth = 8295, kWindowHeight = 8325;
inline constexpr Place kCursorPicture{7560, 6120, 240, 240};
inline constexpr Place kHelpPicture{7200, 5400, 975, 840};
inline constexpr Place kTextInput{1800, 2880, 6015, 1215};
inline constexpr Place kCanvas{1560, 120, 6855, 4695};
inline constexpr Place kFirstSheet{1320, 3960, 855, 735};
inline constexpr double kColourStripLeft = 1200, kColourStripTop = 5040;  // sized to its picture
inline constexpr Place kSideCountLabel{2880, 6120, 735, 255};
inline constexpr Place kTextPreview{2280, 2040, 45, 195};
inline constexpr Place kSideCountList{3000, 6360, 615, 315};
inline constexpr Place kFontSizeList{4080, 7800, 735, 315};
inline constexpr Place kFontNameList{4800, 7800, 1935, 315};

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
// The swatch of the drawing colour, as high as the colour strip.
inline constexpr float kColourSwatchWidth = 450;
inline constexpr float kColourSwatchRightOfStrip = 75;

} // namespace garabel::places
