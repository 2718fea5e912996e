#pragma once

#include <QObject>

class QWidget;

namespace garabel {

// A frame just inside the edge of a widget while it has the keyboard focus,
// so that one sees where the keys go: from a focus by the keyboard, or from the
// first key after a click. It lies over the widget's own pixels, never takes
// the mouse, and follows the widget's size.
class FocusFrame : public QObject
{
public:
    explicit FocusFrame(QWidget &watched);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fit();

    QWidget &m_watched;
    QWidget *m_ring;  // a child of the watched widget
};

} // namespace garabel
