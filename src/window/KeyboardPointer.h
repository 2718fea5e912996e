#pragma once

#include <QObject>
#include <QPointF>
#include <QSizeF>

#include <functional>
#include <optional>

class QKeyEvent;

namespace garabel {

// What the keyboard pointer drives: the canvas's own pointer handlers, called
// as the mouse calls them (button bits, shift bits, canvas twips), and the
// facts it steps by.
struct PointerHandlers {
    std::function<void(int button, int shift, double x, double y)> press, move, release;
    // The grid step in twips; 1 while moving freely.
    std::function<int()> gridStep;
    // The canvas centre, on the grid, where the pointer starts.
    std::function<QPointF()> centre;
    // How far right and down the pointer may go, twips: the last pixel of the
    // canvas's inner area.
    std::function<QSizeF()> area;
    // The current tool places text on a click, so Space and Enter click.
    std::function<bool()> clicksOnly;
};

// The crosshair on the grid from the keyboard, for the widget it watches (the
// canvas): the arrow keys move it one grid step (one pixel while moving
// freely; five with Shift), Space or Enter presses there, and again releases.
// Tab to the canvas shows the crosshair where the keys will act.
// Every key becomes the press, moves and release a mouse would make at those
// points, so the window does the rest exactly as for the mouse. Losing the
// focus in the middle of a drag lets it go as Escape does.
class KeyboardPointer : public QObject
{
public:
    KeyboardPointer(QObject &canvas, PointerHandlers handlers, std::function<void()> cancelDrag);

    // The pointer is wherever the mouse last put the crosshair (snapped, twips).
    void follow(double x, double y) { m_at = QPointF(x, y); }
    // The window cancelled the drag: the next Space presses anew.
    void forgetPress() { m_held = false; }
    bool held() const { return m_held; }
    // The crosshair shown where the keys act: the centre until they or the mouse moved it.
    void showCrosshair();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool keyPressed(const QKeyEvent &key);
    void cameByTab(Qt::FocusReason reason);
    void step(int dx, int dy, bool far);
    void pressOrRelease();
    QPointF at() const { return m_at.value_or(m_handlers.centre()); }

    QObject &m_canvas;
    PointerHandlers m_handlers;
    std::function<void()> m_cancelDrag;
    std::optional<QPointF> m_at;
    bool m_held = false;
};

} // namespace garabel
