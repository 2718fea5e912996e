#include "window/KeyboardGroup.h"

#include "window/PictureButton.h"

#include <QKeyEvent>

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace garabel {

namespace {
// The button of the nearest row above (or below) `from` whose column lies
// nearest its own; null on the first (last) row.
PictureButton *inNextRow(const std::vector<PictureButton *> &shown, const QWidget &from, bool up)
{
    const auto distance = [&from](const QWidget *b) {
        return std::make_pair(std::abs(b->y() - from.y()), std::abs(b->x() - from.x()));
    };
    PictureButton *nearest = nullptr;
    for (PictureButton *b : shown) {
        const bool beyond = up ? b->y() < from.y() : b->y() > from.y();
        if (beyond && (!nearest || distance(b) < distance(nearest)))
            nearest = b;
    }
    return nearest;
}
} // namespace

KeyboardGroup::KeyboardGroup(std::vector<PictureButton *> buttons, QObject *parent)
    : QObject(parent), m_buttons(std::move(buttons))
{
    const auto chosen = std::find_if(m_buttons.begin(), m_buttons.end(), [](auto *b) { return b->chosen(); });
    m_remembered = chosen != m_buttons.end() ? *chosen : m_buttons.front();
    for (PictureButton *button : m_buttons) {
        button->installEventFilter(this);
        // Forgotten as it goes, so that nothing here reaches a button that is gone.
        connect(button, &QObject::destroyed, this, [this, button] { forget(button); });
    }
    settle();
}

void KeyboardGroup::forget(const PictureButton *button)
{
    std::erase(m_buttons, button);
    if (m_remembered == button)
        m_remembered = m_buttons.empty() ? nullptr : m_buttons.front();
}

bool KeyboardGroup::eventFilter(QObject *watched, QEvent *event)
{
    // A button on its way out is a plain widget by then, and is left alone.
    auto *button = qobject_cast<PictureButton *>(watched);
    if (!button)
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::FocusIn:
        m_remembered = button;
        settle();
        break;
    case QEvent::ShowToParent:
    case QEvent::HideToParent: settle(); break;
    case QEvent::KeyPress: {
        const auto *key = static_cast<QKeyEvent *>(event);
        const int moves[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down, Qt::Key_Home, Qt::Key_End};
        if ((key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
            || std::find(std::begin(moves), std::end(moves), key->key()) == std::end(moves))
            break;
        // At the group's edge the keyboard stays: the arrows never leave the group.
        if (PictureButton *to = neighbour(*button, key->key()))
            to->setFocus(Qt::TabFocusReason);
        return true;
    }
    default: break;
    }
    return QObject::eventFilter(watched, event);
}

// The remembered button takes Tab while it is shown; else the first chosen
// shown button, else the first shown one. With the whole group hidden, Tab
// passes it by whichever holds the stop.
void KeyboardGroup::settle()
{
    if (!m_remembered)
        return;
    const std::vector<PictureButton *> shown = shownInReadingOrder();
    PictureButton *stop = m_remembered;
    if (m_remembered->isHidden() && !shown.empty()) {
        const auto chosen = std::find_if(shown.begin(), shown.end(), [](auto *b) { return b->chosen(); });
        stop = chosen != shown.end() ? *chosen : shown.front();
    }
    for (PictureButton *button : m_buttons)
        button->setFocusPolicy(button == stop ? Qt::TabFocus : Qt::NoFocus);
}

std::vector<PictureButton *> KeyboardGroup::shownInReadingOrder() const
{
    std::vector<PictureButton *> shown;
    std::copy_if(m_buttons.begin(), m_buttons.end(), std::back_inserter(shown), [](auto *b) { return !b->isHidden(); });
    std::sort(shown.begin(), shown.end(),
              [](const QWidget *a, const QWidget *b) { return std::make_pair(a->y(), a->x()) < std::make_pair(b->y(), b->x()); });
    return shown;
}

PictureButton *KeyboardGroup::neighbour(const PictureButton &from, int key) const
{
    const std::vector<PictureButton *> shown = shownInReadingOrder();
    const auto at = std::find(shown.begin(), shown.end(), &from);
    if (at == shown.end())
        return nullptr;
    const bool oneRow = shown.front()->y() == shown.back()->y();
    const bool back = key == Qt::Key_Left || key == Qt::Key_Up;
    switch (key) {
    case Qt::Key_Home: return shown.front();
    case Qt::Key_End: return shown.back();
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (!oneRow)
            return inNextRow(shown, from, back);
        break;
    default: break;
    }
    if (back)
        return at == shown.begin() ? nullptr : *std::prev(at);
    return std::next(at) == shown.end() ? nullptr : *std::next(at);
}

} // namespace garabel
