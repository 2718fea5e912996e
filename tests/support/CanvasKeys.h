#pragma once

#include "support/GarabelWindow.h"

#include <QPointF>

#include <vector>

namespace garabel::test {

// The canvas driven from the keyboard as a user does: the canvas gets the
// focus, and every key goes to whatever has the focus then, as typed.
class CanvasKeys
{
public:
    explicit CanvasKeys(GarabelWindow &w) : m_w(w) {}

    // The canvas takes the focus (as by Tab); false when the window could not be activated.
    bool focus();
    void key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // Arrows from where the crosshair is to `to` (canvas twips, on the grid),
    // five steps at a time with Shift while `far` allows and five or more are left.
    void goTo(QPointF to, bool far = true);
    // The crosshair now.
    QPointF at() const;

private:
    GarabelWindow &m_w;
};

// The points one grid step apart from `from` through each of `corners` in turn,
// along x first, then y: the path the arrows take between them one step at a time.
std::vector<QPointF> stepPath(QPointF from, const std::vector<QPointF> &corners, double step);

} // namespace garabel::test
