#pragma once

#include "raster/Rgb.h"

#include <QAbstractButton>
#include <QImage>

namespace garabel {

// A graphical push button: a face in a settable colour with a picture and/or a
// caption. The face colour is part of the program's state (it marks selected
// options), so it is kept exactly as set and read back unchanged.
class PictureButton : public QAbstractButton
{
    Q_OBJECT
public:
    explicit PictureButton(QWidget *parent = nullptr);

    Rgb backColor() const { return m_backColor; }
    void setBackColor(Rgb colour);
    QImage picture() const { return m_picture; }
    void setPicture(const QImage &picture);
    // Shown pressed in, with a deeper frame than while held, until set back:
    // the palette's current tool.
    void setSunken(bool on);

    QSize sizeHint() const override { return {25, 25}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Rgb m_backColor;
    QImage m_picture;
    bool m_sunken = false;
};

} // namespace garabel
