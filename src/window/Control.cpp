#include "window/Control.h"

#include <cmath>

namespace garabel {

namespace {
int toPixels(double twips)
{
    return int(std::lround(twips / kTwipsPerPixel));
}
} // namespace

Control::Control(QWidget *widget, QPoint origin) : m_widget(widget), m_origin(origin)
{
    if (m_widget) {
        m_left = m_widget->x() * double(kTwipsPerPixel);
        m_top = m_widget->y() * double(kTwipsPerPixel);
        m_width = m_widget->width() * double(kTwipsPerPixel);
        m_height = m_widget->height() * double(kTwipsPerPixel);
    }
}

void Control::setLeft(double twips)
{
    m_left = twips;
    place();
}

void Control::setTop(double twips)
{
    m_top = twips;
    place();
}

void Control::setWidth(double twips)
{
    m_width = twips;
    place();
}

void Control::setHeight(double twips)
{
    m_height = twips;
    place();
}

void Control::setGeometry(double left, double top, double width, double height)
{
    m_left = left;
    m_top = top;
    m_width = width;
    m_height = height;
    place();
}

void Control::setVisible(bool on)
{
    m_visible = on;
    if (m_widget)
        m_widget->setVisible(on);
}

void Control::copyGeometryFrom(const Control &other)
{
    setGeometry(other.m_left, other.m_top, other.m_width, other.m_height);
}

void Control::place()
{
    if (!m_widget)
        return;
    const int x = toPixels(m_left), y = toPixels(m_top);
    // Right and bottom edges are rounded on their own so that neighbours meet exactly.
    m_widget->setGeometry(m_origin.x() + x, m_origin.y() + y,
                          toPixels(m_left + m_width) - x, toPixels(m_top + m_height) - y);
}

} // namespace garabel
