#pragma once

#include "raster/Units.h"

#include <QPoint>
#include <QPointer>
#include <QWidget>

namespace garabel {

// What every control of the window has: a rectangle in twips relative to its
// container's client area, and a Visible property. The widget follows both;
// the twips values are kept as set, so layout arithmetic reads back exactly
// what it wrote.
class Control
{
public:
    // `origin` is where the container's client area starts inside the parent widget.
    explicit Control(QWidget *widget, QPoint origin = {});
    virtual ~Control() = default;
    Control(const Control &) = delete;
    Control &operator=(const Control &) = delete;

    double left() const { return m_left; }
    double top() const { return m_top; }
    double width() const { return m_width; }
    double height() const { return m_height; }
    void setLeft(double twips);
    void setTop(double twips);
    void setWidth(double twips);
    void setHeight(double twips);
    void setGeometry(double left, double top, double width, double height);

    bool visible() const { return m_visible; }
    void setVisible(bool on);

    QWidget *widget() const { return m_widget; }

protected:
    void copyGeometryFrom(const Control &other);

private:
    void place();

    QPointer<QWidget> m_widget;
    QPoint m_origin;
    double m_left = 0, m_top = 0, m_width = 0, m_height = 0;
    bool m_visible = true;
};

} // namespace garabel
