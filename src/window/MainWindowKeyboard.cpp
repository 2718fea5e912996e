#include "window/MainWindow.h"

#include "desktop/SurfaceView.h"
#include "raster/ShownSurface.h"
#include "raster/Units.h"
#include "tools/FigureWords.h"
#include "tools/Tool.h"
#include "window/CanvasAccessible.h"
#include "window/FocusFrame.h"
#include "window/KeyboardPointer.h"

namespace garabel {

// The keyboard pointer calls the canvas's pointer handlers, so a figure drawn
// from the keyboard goes exactly the mouse's way.
void MainWindow::createKeyboardAccess()
{
    m_canvasView->setFocusPolicy(Qt::StrongFocus);
    m_canvasAccessible = std::make_unique<CanvasAccessible>(
        *m_canvasView, [this] { return helpShown() ? helpText() : placeWords(); });
    m_canvasAccessible->setValue(FigureWords::crosshair(m_pointer.at, m_state.grid.step));
    PointerHandlers handlers{
        [this](int button, int shift, double x, double y) { onCanvasPressed(button, shift, x, y); },
        [this](int button, int shift, double x, double y) { onCanvasMoved(button, shift, x, y); },
        [this](int button, int shift, double x, double y) { onCanvasReleased(button, shift, x, y); },
        [this] { return int(m_state.grid.step); },
        [this] { return QPointF(m_state.grid.centreX, m_state.grid.centreY); },
        [this] { return QSizeF(m_canvas->innerPixelSize() - QSize(1, 1)) * kTwipsPerPixel; },
        [this] {
            const Tool *tool = currentTool();
            return tool && tool->typesText();
        },
    };
    m_keyboardPointer = new KeyboardPointer(*m_canvasView, std::move(handlers), [this] { cancelDrag(); });
    // Installed last, it sees each key before the pointer takes it.
    new FocusFrame(*m_canvasView);  // owned by the view
}

} // namespace garabel
