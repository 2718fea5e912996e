#pragma once

#include <QString>

class QWidget;

namespace garabel {

// How long a notice stays over the canvas.
inline constexpr int kViewNoticeMs = 4000;

// Shows `text` in a small box at the bottom left of `view` for kViewNoticeMs
// (a newer notice takes the place of the one shown). It is a widget over the
// view, never in the picture below it: nothing saved or printed holds it, and
// the pointer goes through it to the canvas.
void showViewNotice(QWidget &view, const QString &text);

} // namespace garabel
