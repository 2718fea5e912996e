#include "window/PictureButton.h"

#include "window/AccessibleControls.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace garabel {

namespace {
// The face of a button never coloured by the program: the desktop's button face.
constexpr Rgb kDefaultFace = 0xF0F0F0;
// How much darker the face of a button shown pressed in is, in percent.
constexpr int kSunkenShade = 118;
constexpr int kFocusRingWidth = 2;

// Black reads on light faces, white on dark ones such as the blue of a marked
// sheet or text style.
QColor captionColour(Rgb face)
{
    return qGray(toQColor(face).rgb()) < 128 ? Qt::white : Qt::black;
}
// The keyboard's ring: black or white, whichever stands out more from the
// face. Pure green, light to the eye, takes black.
QColor ringColour(const QColor &face)
{
    return contrastRatio(face, Qt::black) >= contrastRatio(face, Qt::white) ? Qt::black : Qt::white;
}

// A solid ring of `width` pixels along the inside of r, in filled bands.
void drawRing(QPainter &p, const QRect &r, int width, const QColor &colour)
{
    p.fillRect(QRect(r.left(), r.top(), r.width(), width), colour);
    p.fillRect(QRect(r.left(), r.bottom() - width + 1, r.width(), width), colour);
    p.fillRect(QRect(r.left(), r.top(), width, r.height()), colour);
    p.fillRect(QRect(r.right() - width + 1, r.top(), width, r.height()), colour);
}

// Two pixels deep, dark above and to the left, light below and to the right,
// drawn over the edge of the picture. Filled bands, not lines: a one-pixel line
// on a pixel edge comes out half as wide on a high-density screen.
void drawSunkenFrame(QPainter &p, const QRect &r)
{
    const struct {
        int inset;
        QColor upperLeft, lowerRight;
    } rings[] = {{0, QColor(64, 64, 64), QColor(255, 255, 255)}, {1, QColor(128, 128, 128), QColor(212, 212, 212)}};
    for (const auto &ring : rings) {
        const QRect f = r.adjusted(ring.inset, ring.inset, -ring.inset, -ring.inset);
        p.fillRect(QRect(f.left(), f.top(), f.width(), 1), ring.upperLeft);
        p.fillRect(QRect(f.left(), f.top(), 1, f.height()), ring.upperLeft);
        p.fillRect(QRect(f.left() + 1, f.bottom(), f.width() - 1, 1), ring.lowerRight);
        p.fillRect(QRect(f.right(), f.top() + 1, 1, f.height() - 1), ring.lowerRight);
    }
}
} // namespace

double contrastRatio(const QColor &a, const QColor &b)
{
    const auto luminance = [](const QColor &c) {
        const auto linear = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const auto [darker, lighter] = std::minmax({luminance(a), luminance(b)});
    return (lighter + 0.05) / (darker + 0.05);
}

PictureButton::PictureButton(QWidget *parent) : QAbstractButton(parent), m_backColor(kDefaultFace)
{
    installAccessibleControls();
    setFocusPolicy(Qt::TabFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureButton::setBackColor(Rgb colour)
{
    const bool was = chosen();
    m_backColor = colour;
    update();
    announceIfChosenChanged(was);
}

void PictureButton::setPicture(const QImage &picture)
{
    m_picture = picture;
    update();
}

void PictureButton::setSunken(bool on)
{
    const bool was = chosen();
    m_sunken = on;
    update();
    announceIfChosenChanged(was);
}

bool PictureButton::chosen() const
{
    return m_sunken || m_backColor == kGreen || m_backColor == kBlue;
}

void PictureButton::announceIfChosenChanged(bool wasChosen)
{
    if (m_choice == Choice::Command || chosen() == wasChosen)
        return;
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
}

void PictureButton::keyPressEvent(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !event->isAutoRepeat()) {
        click();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

void PictureButton::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRect r = rect();
    const bool down = isDown() || isChecked() || m_sunken;
    // A pressed-in face lies in the shade.
    const QColor face = m_sunken ? toQColor(m_backColor).darker(kSunkenShade) : toQColor(m_backColor);
    p.fillRect(r, face);

    // A raised bevel that sinks while the button is held.
    const QColor light(255, 255, 255), shadow(128, 128, 128), dark(64, 64, 64);
    p.setPen(down ? dark : light);
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(down ? light : dark);
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
    p.setPen(down ? light : shadow);
    p.drawLine(r.left() + 1, r.bottom() - 1, r.right() - 1, r.bottom() - 1);
    p.drawLine(r.right() - 1, r.top() + 1, r.right() - 1, r.bottom() - 1);

    const QRect inner = r.adjusted(2, 2, -2, -2).translated(down ? 1 : 0, down ? 1 : 0);
    if (!m_picture.isNull()) {
        // At its own size, centred: scaling small pictures blurs them. A picture
        // drawn for a high-density screen covers its logical size. What would
        // overlap the outer bevel is clipped.
        QRect target(QPoint(), m_picture.deviceIndependentSize().toSize());
        target.moveCenter(r.center() + QPoint(down ? 1 : 0, down ? 1 : 0));
        p.save();
        p.setClipRect(r.adjusted(1, 1, -1, -1));
        p.drawImage(target, m_picture);
        p.restore();
    }
    if (m_sunken)
        drawSunkenFrame(p, r);
    if (!text().isEmpty()) {
        p.setFont(font());
        p.setPen(isEnabled() ? captionColour(m_backColor) : Qt::gray);
        p.drawText(inner, Qt::AlignCenter, text());
    }
    // The keyboard's mark, just inside the bevel, over the picture.
    if (hasFocus())
        drawRing(p, r.adjusted(2, 2, -2, -2), kFocusRingWidth, ringColour(face));
}

} // namespace garabel
