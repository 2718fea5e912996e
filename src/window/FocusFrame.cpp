#include "window/FocusFrame.h"

#include <QFocusEvent>
#include <QRegion>
#include <QWidget>

namespace garabel {

namespace {
constexpr int kThickness = 3;
const QColor kFocusColour(0, 84, 180);
} // namespace

FocusFrame::FocusFrame(QWidget &watched) : QObject(&watched), m_watched(watched), m_ring(new QWidget(&watched))
{
    m_ring->setAttribute(Qt::WA_TransparentForMouseEvents);
    QPalette colours = m_ring->palette();
    colours.setColor(QPalette::Window, kFocusColour);
    m_ring->setPalette(colours);
    m_ring->setAutoFillBackground(true);
    m_ring->hide();
    fit();
    watched.installEventFilter(this);
}

bool FocusFrame::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &m_watched) {
        switch (event->type()) {
        // A click gives the focus without a frame, so that the mouse sees what
        // it always saw; the first key shows it.
        case QEvent::FocusIn:
            if (static_cast<QFocusEvent *>(event)->reason() != Qt::MouseFocusReason)
                m_ring->show();
            break;
        case QEvent::KeyPress: m_ring->show(); break;
        case QEvent::FocusOut: m_ring->hide(); break;
        case QEvent::Resize: fit(); break;
        default: break;
        }
    }
    return QObject::eventFilter(watched, event);
}

void FocusFrame::fit()
{
    const QRect whole(QPoint(0, 0), m_watched.size());
    m_ring->setGeometry(whole);
    m_ring->setMask(QRegion(whole) - QRegion(whole.adjusted(kThickness, kThickness, -kThickness, -kThickness)));
}

} // namespace garabel
