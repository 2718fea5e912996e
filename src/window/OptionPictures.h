#pragma once

#include <QImage>

// The pictures on the option buttons below the canvas, drawn in code. Like every button
// picture they are ARGB32_Premultiplied on a transparent background, and an index outside
// a group's range gives a null image.

namespace garabel {

constexpr int kPolygonModeIconCount = 3;
constexpr int kCircleModeIconCount = 6;
constexpr int kPenWidthIconCount = 14;
constexpr int kFillPatternIconCount = 8;
constexpr int kEraserIconCount = 6;

// The side of the option buttons' face in pixels. The option pictures keep the icon sizes of
// the window's design (16 or 32 pixels), but whatever they draw lies in the central
// kOptionContentSide x kOptionContentSide square, so it fits the face with room for its bevel.
constexpr int kOptionButtonSide = 25;
constexpr int kOptionContentSide = 20;

// Polygon construction mode (0..2), 16 x 16: 0 centred on the anchor with a vertex at the
// pointer, 1 vertices on an ellipse, 2 built on a side.
QImage polygonModeIcon(int index);

// Circular figure (0..5): 0 full circle, 1 ellipse in a box, 2 upper quarter, 3 lower quarter,
// 4 half (upper/lower), 5 half (left/right). 16 x 16 for 0 and 1, 32 x 32 for 2..5.
QImage circleModeIcon(int index);

// Pen width index + 1 (0..13), 32 x 32: the number above a bar of that thickness.
QImage penWidthIcon(int index);

// Fill pattern (0..7), 32 x 32: a small square filled solid, left empty, or hatched
// horizontally, vertically, "/", "\", in a cross or in a diagonal cross.
QImage fillPatternIcon(int index);

// Eraser size (0..5), 16 x 16: a square growing with the index.
QImage eraserIcon(int index);

} // namespace garabel
