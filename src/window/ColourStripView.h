#pragma once

#include "desktop/SurfaceView.h"
#include "window/ColourStrip.h"

namespace garabel {

// The colour strip's view, reached with Tab: the arrow keys move a mark from
// swatch to swatch (Home and End to the first and last), and Space or Enter
// picks the marked swatch's colour as a click on it does; N (for números) has
// a screen reader say its red, green and blue, which a swatch's tooltip shows
// with its name. The mark shows only while the strip has the keyboard. The swatch of the drawing colour is ringed
// in green at all times. Both marks are painted over the strip on the screen
// and never go into the strip's picture.
class ColourStripView : public SurfaceView
{
    Q_OBJECT
public:
    explicit ColourStripView(ShownSurface &surface, QWidget *parent = nullptr);

    const std::vector<ColourSwatch> &swatches() const { return m_swatches; }
    int markedSwatch() const { return m_marked; }
    // The swatch's colour pixels, in widget pixels.
    QRect swatchRect(int index) const;
    // A click on the middle of the swatch: the press the pointer would report.
    void pick(int index);
    // The swatch that holds the drawing colour, ringed and selected for a
    // screen reader; where the strip holds the colour twice, the one last
    // picked, else the marked one, else the first; -1 when the colour is not
    // on the strip. Tells drawingColourShown.
    void showDrawingColour(Rgb colour);
    int chosenSwatch() const { return m_chosen; }
    // What the marked swatch tells a screen reader now: its components while
    // they are told, else nothing.
    QString toldWords() const { return m_told; }

signals:
    // The drawing colour is now `colour`, on the strip or not.
    void drawingColourShown(Rgb colour);

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void markSwatch(int index);
    // What the mark covers: the swatch, its frame and a ring of grey around it.
    QRect markRect(int index) const;
    // Tells a screen reader which swatch has the keyboard.
    void announceMarked();
    void tellComponents();
    // The swatch whose colour pixels hold the point, in widget pixels; -1 for none.
    int swatchAt(QPoint point) const;

    std::vector<ColourSwatch> m_swatches;
    int m_marked = 0;
    int m_chosen = -1;
    int m_picked = -1;  // the swatch last clicked or picked with the keys
    QString m_told;
};

} // namespace garabel
