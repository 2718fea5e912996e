#pragma once

#include "support/FakePlatform.h"
#include "support/Pixels.h"
#include "support/WindowProbe.h"
#include "window/MainWindow.h"

#include <QEvent>
#include <QImage>
#include <QPoint>

#include <memory>

namespace garabel::test {

// The real window on a scripted desktop of the given screen size (twips),
// shown, with helpers that drive it as a user would. The window is reached
// through its public events (w->onPaletteButton ...) and looked at through
// the probe.
class GarabelWindow
{
public:
    explicit GarabelWindow(QSize screenTwips = QSize(15360, 11520), bool show = true, double pixelRatio = 1);
    ~GarabelWindow();

    MainWindow &window() { return *m_form; }
    MainWindow *operator->() { return m_form.get(); }
    WindowProbe probe() const { return WindowProbe(*m_form); }
    const DrawingState &state() const { return probe().state(); }

    // Pointer input at positions in canvas twips, delivered to the top-level
    // window as the window system would: the widget found at that point (or the
    // one holding the pointer grab) receives it, so whatever covers the canvas
    // counts. A window that is not shown gets the events on the canvas directly.
    void press(double x, double y, Qt::MouseButton button = Qt::LeftButton);
    void move(double x, double y, Qt::MouseButtons buttons = Qt::NoButton);
    void release(double x, double y, Qt::MouseButton button = Qt::LeftButton);
    // A pointer move to a point of the window outside the canvas, no button held.
    void moveInWindow(QPoint windowPixel);
    // Two clicks in quick succession, which the window system reports as a double click.
    void doubleClick(double x, double y);
    // From now on pointer events go straight to the canvas widget: for checking
    // what the handlers make of sequences a real pointer never produces (a press
    // away from the last move, a press outside the canvas).
    void sendStraightToCanvas() { m_straight = true; }
    // Press at the first point, move through the others, release at the last.
    void drag(std::initializer_list<QPointF> points, Qt::MouseButton button = Qt::LeftButton);
    // A click on a button of the window.
    void click(class Button &button);
    void click(PaletteButton button);
    // Picks the colour shown at pixel `at` of the colour strip, with the left button.
    void pickColour(QPoint at);
    void pickRed() { pickColour(kRedSwatch); }
    // The colour dialog's answer: the drawing and fill colour, the fore colour stays.
    void chooseColourInDialog(Rgb colour);
    static constexpr QPoint kRedSwatch{40, 8};  // a pixel of the strip's red swatch
    // The palette's tool button of `tool`.
    void chooseTool(PaletteButton tool) { m_form->onPaletteButton(tool); }
    // The reflection buttons: all off, then each one asked for on.
    void setMirrors(bool leftRight, bool topBottom, bool throughCentre);
    // The palette's "move freely" (a step of one twip) or back to the chosen grid.
    void moveFreely(bool on);
    // Makes the window the active one, with the focus in the text box, where
    // it is while the program runs: keys typed with key() go where a user's do.
    // False when the window could not be activated.
    bool takeKeys();
    // Makes the window the active one, the keys where the program left them.
    bool activate();
    // A key as the keyboard sends it: through the window system to the active
    // window, where the shortcuts and then the control with the focus take it.
    void type(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void key(int key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier);

    // The canvas as the screen shows it (the sheet, the dots and the overlay),
    // the same without the overlay, and a sheet's stored image (the current
    // one's by default), each with the background materialised.
    QImage canvas() const;
    QImage canvasStored() const;
    QImage sheet(int index = -1) const;

    FakePlatform platform;

private:
    QPoint canvasPixel(double x, double y) const;
    // Sends one pointer event through the window system's queue; false when the
    // window is not shown.
    bool sendToWindow(QPoint windowPixel, Qt::MouseButtons held, Qt::MouseButton button, QEvent::Type type,
                      int advanceMs);
    Qt::MouseButtons m_held;
    bool m_straight = false;
    std::unique_ptr<MainWindow> m_form;
};

// The window with blank sheet 1 on the canvas instead of the start-up picture,
// drawing in red (picked from the colour strip).
class BlankWindow : public GarabelWindow
{
public:
    BlankWindow();
};

} // namespace garabel::test
