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

    // What the face's mark means to a screen reader: a command has none; one of
    // a group is chosen, an on-off switch is on, while its face is green or blue
    // or pressed in. A change of the mark is announced as a change of "checked".
    enum class Choice { Command, OneOfGroup, OnOff };
    Choice choice() const { return m_choice; }
    void setChoice(Choice choice) { m_choice = choice; }
    bool chosen() const;

    QSize sizeHint() const override { return {25, 25}; }

protected:
    void paintEvent(QPaintEvent *event) override;
    // Enter and Return click, as Space does.
    void keyPressEvent(QKeyEvent *event) override;

private:
    void announceIfChosenChanged(bool wasChosen);

    Rgb m_backColor;
    QImage m_picture;
    bool m_sunken = false;
    Choice m_choice = Choice::Command;
};

// How far apart two colours stand to the eye: the ratio of their relative
// luminances, each plus 0.05, from 1 (alike) to 21 (black and white).
double contrastRatio(const QColor &a, const QColor &b);

} // namespace garabel
