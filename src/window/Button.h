#pragma once

#include "raster/Rgb.h"
#include "window/ButtonArray.h"
#include "window/Control.h"

#include <QFont>
#include <QImage>
#include <QString>

#include <functional>
#include <memory>

namespace garabel {

class PictureButton;

// A graphical command button of the window: picture, caption, face colour.
class Button : public Control
{
public:
    explicit Button(QWidget *parent);

    QString caption() const;
    void setCaption(const QString &caption);
    Rgb backColor() const;
    void setBackColor(Rgb colour);
    QImage picture() const;
    void setPicture(const QImage &picture);
    QFont font() const;
    void setFont(const QFont &font);
    void setToolTip(const QString &text);
    // Shown pressed in while set: the palette's current tool.
    void setSunken(bool on);
    void onClick(std::function<void()> handler);

    // A new element of the same control array: a copy of this one as it is now,
    // hidden until shown.
    std::unique_ptr<Button> cloneHidden() const;

    PictureButton *button() const { return m_button; }

private:
    PictureButton *m_button;
};

// Marks button `chosen` of a group green and turns white the one that was green;
// a `chosen` outside the group leaves none green.
void markOnly(ButtonArray &buttons, int chosen);

} // namespace garabel
