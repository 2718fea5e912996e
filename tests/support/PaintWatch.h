#pragma once

#include <QEvent>
#include <QObject>
#include <QPaintEvent>
#include <QRegion>
#include <QWidget>

namespace garabel::test {

// Gathers the region of every paint event a widget receives while it lives.
class PaintWatch : public QObject
{
public:
    explicit PaintWatch(QWidget &widget) : m_widget(widget) { widget.installEventFilter(this); }
    ~PaintWatch() override { m_widget.removeEventFilter(this); }
    QRegion painted;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            painted += static_cast<QPaintEvent *>(event)->region();
        return false;
    }

private:
    QWidget &m_widget;
};

} // namespace garabel::test
