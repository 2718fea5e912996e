#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace garabel {

// The canvas as a screen reader finds it: named "Lienzo", a drawing area whose
// description says what it shows now (where the crosshair is, or the help
// page), which Orca reads with the name when the canvas takes the focus. Each
// change and each command's words go to the screen reader as a changed
// description, which Orca speaks while the canvas has the focus; the value is
// the words told last.
class CanvasAccessible
{
public:
    // Gives the canvas view its accessible face; a view created before reads
    // the same. `shown` says what the canvas shows now; without it, the
    // description is the value.
    explicit CanvasAccessible(QWidget &canvasView, std::function<QString()> shown = {});
    ~CanvasAccessible();

    // What the canvas shows now (where the crosshair is): told only when it
    // is not what was told last.
    void setValue(const QString &value);
    // What a command did: told even when it says what it said last (a second
    // undo). Not said again when the focus comes back, which reads only what
    // the canvas shows.
    void tell(const QString &words);
    QString value() const { return m_told; }
    QString description() const;

private:
    QWidget &m_view;
    std::function<QString()> m_shown;
    QString m_told;
    bool m_telling = false;
};

} // namespace garabel
