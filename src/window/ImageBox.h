#pragma once

#include "window/Control.h"

#include <QImage>

namespace garabel {


// A picture holder: shows its picture stretched to its rectangle.
class ImageBox : public Control
{
public:
    explicit ImageBox(QWidget *parent);

    QImage picture() const { return m_picture; }
    void setPicture(const QImage &picture);

private:
    QImage m_picture;
};

} // namespace garabel
