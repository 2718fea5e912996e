#pragma once

#include <QString>

class QWidget;

namespace garabel {

// The canvas as a screen reader finds it: named "Lienzo", a drawing area whose
// value (given also as its description, which Orca reads with the name when
// the canvas takes the focus) says where the crosshair is or what the last
// release drew. Each change goes to the screen reader as a changed
// description, which Orca speaks while the canvas has the focus.
class CanvasAccessible
{
public:
    // Gives the canvas view its accessible face; a view created before reads the same.
    explicit CanvasAccessible(QWidget &canvasView);

    // Where the crosshair is: told only when it changes.
    void setValue(const QString &value);
    // What a command did: told even when it says what it said last (a second undo).
    void tell(const QString &value);
    QString value() const;

private:
    QWidget &m_view;
};

} // namespace garabel
