#pragma once

#include "desktop/SurfaceView.h"
#include "support/GarabelWindow.h"

#include <QCoreApplication>
#include <QScreen>
#include <QWindow>

namespace garabel::test {

// What the window's backing store holds of the canvas view, frame included,
// once the repaints asked for are done: the pixels the user sees.
inline QImage canvasViewOnScreen(GarabelWindow &w)
{
    QCoreApplication::processEvents();
    SurfaceView *view = w.probe().canvasView();
    const QWindow *window = w->windowHandle();
    const QRect area(view->mapTo(&w.window(), QPoint(0, 0)), view->size());
    return window->screen()->grabWindow(window->winId()).toImage().convertToFormat(QImage::Format_RGB32).copy(area);
}

// The same, the canvas's inner area only.
inline QImage canvasOnScreen(GarabelWindow &w)
{
    return canvasViewOnScreen(w).copy(QRect(SurfaceView::innerOrigin(), w.probe().canvas().innerPixelSize()));
}

} // namespace garabel::test
