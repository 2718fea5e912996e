#include "window/ColourStripView.h"

#include "desktop/ReaderEvents.h"
#include "raster/Units.h"
#include "window/AccessibleControls.h"
#include "window/ColourNames.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>
#include <utility>

namespace garabel {

ColourStripView::ColourStripView(ShownSurface &surface, QWidget *parent)
    : SurfaceView(surface, parent), m_swatches(colourSwatches())
{
    installAccessibleControls();
    // Tab only: a click picks a colour and leaves the keyboard where it was.
    setFocusPolicy(Qt::TabFocus);
}

QRect ColourStripView::swatchRect(int index) const
{
    return m_swatches[std::size_t(index)].pixels.translated(innerOrigin());
}

void ColourStripView::pick(int index)
{
    m_picked = index;
    const QPoint middle = m_swatches[std::size_t(index)].pixels.center();
    emit mousePressed(1, 0, middle.x() * double(kTwipsPerPixel), middle.y() * double(kTwipsPerPixel));
}

void ColourStripView::showDrawingColour(Rgb colour)
{
    // The swatch picked, else the one the keys marked, else the first of that colour.
    const auto holds = [&](int i) { return i >= 0 && m_swatches[std::size_t(i)].colour == colour; };
    int chosen = holds(m_picked) ? m_picked : holds(m_marked) ? m_marked : -1;
    for (int i = 0; chosen < 0 && i < int(m_swatches.size()); ++i) {
        if (holds(i))
            chosen = i;
    }
    emit drawingColourShown(colour);
    if (chosen == m_chosen)
        return;
    for (const int swatch : {m_chosen, chosen}) {
        if (swatch >= 0)
            update(markRect(swatch));
    }
    const auto tell = [this](int swatch, QAccessible::Event change) {
        if (swatch < 0)
            return;
        QAccessibleEvent event(this, change);
        event.setChild(swatch);
        QAccessible::updateAccessibility(&event);
    };
    tell(std::exchange(m_chosen, chosen), QAccessible::SelectionRemove);
    tell(m_chosen, QAccessible::SelectionAdd);
}

bool ColourStripView::event(QEvent *event)
{
    if (event->type() != QEvent::ToolTip)
        return SurfaceView::event(event);
    const auto *help = static_cast<QHelpEvent *>(event);
    const int under = swatchAt(help->pos());
    if (under < 0) {
        QToolTip::hideText();
        return true;
    }
    const Rgb colour = m_swatches[std::size_t(under)].colour;
    QToolTip::showText(help->globalPos(), tr("%1: %2").arg(ColourNames::name(colour), ColourNames::components(colour)),
                       this, swatchRect(under));
    return true;
}

void ColourStripView::keyPressEvent(QKeyEvent *event)
{
    const int last = int(m_swatches.size()) - 1;
    // A plain letter: Alt with a letter takes a tool.
    if (event->key() == Qt::Key_N && !(event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier))) {
        tellComponents();
        return;
    }
    switch (event->key()) {
    case Qt::Key_Left: markSwatch(std::max(m_marked - 1, 0)); break;
    case Qt::Key_Right: markSwatch(std::min(m_marked + 1, last)); break;
    case Qt::Key_Home: markSwatch(0); break;
    case Qt::Key_End: markSwatch(last); break;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!event->isAutoRepeat())
            pick(m_marked);
        break;
    default: SurfaceView::keyPressEvent(event); return;
    }
}

void ColourStripView::mousePressEvent(QMouseEvent *event)
{
    m_picked = swatchAt(event->position().toPoint());
    SurfaceView::mousePressEvent(event);
}

void ColourStripView::focusInEvent(QFocusEvent *event)
{
    SurfaceView::focusInEvent(event);
    update(markRect(m_marked));
    // After the strip itself is announced, which Qt does once this returns.
    QMetaObject::invokeMethod(this, &ColourStripView::announceMarked, Qt::QueuedConnection);
}

void ColourStripView::focusOutEvent(QFocusEvent *event)
{
    SurfaceView::focusOutEvent(event);
    update(markRect(m_marked));
}

void ColourStripView::paintEvent(QPaintEvent *event)
{
    SurfaceView::paintEvent(event);
    QPainter p(this);
    // Two pixels of green over the swatch's frame and the grey around it: the
    // keyboard's ring, outside, leaves the inner one seen.
    // Filled, not outlined: whole pixels on a high-density screen too.
    if (m_chosen >= 0) {
        const QRect colour = swatchRect(m_chosen);
        p.fillRect(colour.adjusted(-2, -2, 2, 2), toQColor(kGreen));
        p.fillRect(colour, toQColor(m_swatches[std::size_t(m_chosen)].colour));
    }
    if (!hasFocus())
        return;
    // A white ring in the grey around the swatch's frame, and a black bar
    // under it: seen next to light and dark swatches alike.
    const QRect mark = markRect(m_marked);
    p.setPen(Qt::white);
    p.drawRect(mark.adjusted(0, 0, -1, -3));
    p.fillRect(QRect(mark.left(), mark.bottom() - 1, mark.width(), 2), Qt::black);
}

void ColourStripView::markSwatch(int index)
{
    if (index == m_marked)
        return;
    update(markRect(m_marked));
    m_marked = index;
    update(markRect(m_marked));
    announceMarked();
}

QRect ColourStripView::markRect(int index) const
{
    // The frame lies one pixel outside the colour; the ring one more, and the
    // bar two rows under the ring.
    return swatchRect(index).adjusted(-2, -2, 2, 4);
}

void ColourStripView::announceMarked()
{
    QAccessibleEvent event(this, QAccessible::Focus);
    event.setChild(m_marked);
    QAccessible::updateAccessibility(&event);
}

// The words go out as the marked swatch's description, which is empty again
// at once: read on every arrow, numbers would be said where nobody asked.
void ColourStripView::tellComponents()
{
    QAccessibleInterface *strip = QAccessible::queryAccessibleInterface(this);
    QAccessibleInterface *swatch = strip ? strip->child(m_marked) : nullptr;
    if (!swatch)
        return;
    m_told = ColourNames::components(m_swatches[std::size_t(m_marked)].colour);
    tellDescriptionChanged(*swatch);
    m_told.clear();
}

int ColourStripView::swatchAt(QPoint point) const
{
    const QPoint at = point - innerOrigin();
    const auto under = std::find_if(m_swatches.begin(), m_swatches.end(),
                                    [at](const ColourSwatch &swatch) { return swatch.pixels.contains(at); });
    return under == m_swatches.end() ? -1 : int(under - m_swatches.begin());
}

} // namespace garabel
