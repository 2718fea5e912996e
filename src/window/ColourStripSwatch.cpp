#include "window/ColourStripSwatch.h"

#include "window/ColourNames.h"

#include <QPainter>
#include <QWidget>

namespace garabel {

namespace {
// The strip's own grey, black and silver.
const QColor kGrey(128, 128, 128), kDark(0, 0, 0), kLight(192, 192, 192);
// Grey pixels between the widget's edge and the frame.
constexpr int kMargin = 2;
} // namespace

class SwatchFace : public QWidget
{
public:
    explicit SwatchFace(QWidget *parent) : QWidget(parent)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setFocusPolicy(Qt::NoFocus);
    }

    Rgb colour = kBlack;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.fillRect(rect(), kGrey);
        const QRect frame = rect().adjusted(kMargin, kMargin, -kMargin, -kMargin);
        p.fillRect(frame, kLight);
        p.fillRect(QRect(frame.left(), frame.top(), frame.width() - 1, frame.height() - 1), kDark);
        p.fillRect(frame.adjusted(1, 1, -1, -1), toQColor(colour));
    }
};

ColourStripSwatch::ColourStripSwatch(QWidget *parent) : Control(new SwatchFace(parent))  // owned by its parent
{
    m_face = static_cast<SwatchFace *>(widget());
    m_face->setAccessibleName(tr("Color de dibujo"));
    setColour(kBlack);
}

Rgb ColourStripSwatch::colour() const
{
    return m_face->colour;
}

void ColourStripSwatch::setColour(Rgb colour)
{
    m_face->colour = colour;
    m_face->setAccessibleDescription(ColourNames::name(colour));
    m_face->update();
}

} // namespace garabel
