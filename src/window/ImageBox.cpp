#include "window/ImageBox.h"

#include <QPainter>
#include <QWidget>

namespace garabel {

namespace {
class StretchedView : public QWidget
{
public:
    using QWidget::QWidget;
    QImage picture;

protected:
    void paintEvent(QPaintEvent *) override
    {
        if (picture.isNull())
            return;
        QPainter p(this);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(rect(), picture);
    }
};
} // namespace

ImageBox::ImageBox(QWidget *parent) : Control(new StretchedView(parent))  // owned by its parent widget
{
}

void ImageBox::setPicture(const QImage &picture)
{
    m_picture = picture;
    auto *view = static_cast<StretchedView *>(widget());
    view->picture = picture;
    view->update();
}

} // namespace garabel
