#include "window/AccessibleControls.h"

#include "desktop/ReaderEvents.h"
#include "window/ColourNames.h"
#include "window/ColourStripView.h"
#include "window/PictureButton.h"

#include <QAccessibleWidget>
#include <QComboBox>
#include <QFocusEvent>
#include <QPointer>

#include <map>

namespace garabel {

namespace {

using Choice = PictureButton::Choice;

// Kept as a property, not as the widget's accessible description, whose
// change Qt would also announce: the words would be said twice.
constexpr const char *kStateProperty = "garabelState";
constexpr const char *kInEffectProperty = "garabelInEffect";

bool heardChosen(const PictureButton &button)
{
    return button.chosen() || button.property(kInEffectProperty).toBool();
}

// A picture button: a push button, or a radio button or check box whose face
// mark is its checked state. Its actions click it, as Space does.
class PictureButtonAccessible : public QAccessibleWidget
{
public:
    explicit PictureButtonAccessible(PictureButton *button) : QAccessibleWidget(button, QAccessible::Button) {}

    QAccessible::Role role() const override
    {
        switch (button()->choice()) {
        case Choice::OneOfGroup: return QAccessible::RadioButton;
        case Choice::OnOff: return QAccessible::CheckBox;
        case Choice::Command: break;
        }
        return QAccessible::Button;
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        if (button()->choice() != Choice::Command) {
            state.checkable = true;
            state.checked = heardChosen(*button());
        }
        state.pressed = button()->isDown();
        return state;
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && button()->accessibleName().isEmpty())
            return button()->text();
        // Qt would describe the button by its tooltip, which is already its
        // name: a screen reader would say it twice.
        if (t == QAccessible::Description && button()->accessibleDescription().isEmpty())
            return button()->property(kStateProperty).toString();
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override
    {
        QStringList names;
        if (button()->isEnabled())
            names << (button()->choice() == Choice::Command ? pressAction() : toggleAction());
        return names + QAccessibleWidget::actionNames();
    }

    void doAction(const QString &action) override
    {
        if (action == pressAction() || action == toggleAction())
            button()->click();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    PictureButton *button() const { return static_cast<PictureButton *>(widget()); }
};

// One swatch of the strip: a list item named by its colour, focused while the
// strip has the keyboard and the mark is on it.
class SwatchAccessible : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    SwatchAccessible(ColourStripView *strip, int index) : m_strip(strip), m_index(index) {}

    bool isValid() const override { return m_strip; }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override
    {
        QAccessibleInterface *strip = parent();
        return strip ? strip->window() : nullptr;
    }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(m_strip); }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    void setText(QAccessible::Text, const QString &) override {}
    QAccessible::Role role() const override { return QAccessible::ListItem; }

    QString text(QAccessible::Text t) const override
    {
        if (!m_strip)
            return QString();
        if (t == QAccessible::Name)
            return ColourNames::name(m_strip->swatches()[std::size_t(m_index)].colour);
        // Only while N has the components told: a screen reader reads a
        // description on every arrow, and they are numbers nobody needs each time.
        if (t == QAccessible::Description && m_strip->markedSwatch() == m_index)
            return m_strip->toldWords();
        return QString();
    }

    QRect rect() const override
    {
        if (!m_strip)
            return QRect();
        const QRect r = m_strip->swatchRect(m_index);
        return QRect(m_strip->mapToGlobal(r.topLeft()), r.size());
    }

    QAccessible::State state() const override
    {
        QAccessible::State state;
        if (!m_strip) {
            state.invalid = true;
            return state;
        }
        state.focusable = true;
        state.focused = m_strip->hasFocus() && m_strip->markedSwatch() == m_index;
        state.selectable = true;
        state.selected = m_strip->chosenSwatch() == m_index;
        state.invisible = !m_strip->isVisible();
        return state;
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface *>(this) : nullptr;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &action) override
    {
        if (action == pressAction() && m_strip)
            m_strip->pick(m_index);
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    QPointer<ColourStripView> m_strip;
    int m_index;
};

// The strip: a list of its swatches, whose focused child is the marked one.
class ColourStripAccessible : public QAccessibleWidget
{
public:
    explicit ColourStripAccessible(ColourStripView *strip) : QAccessibleWidget(strip, QAccessible::List) {}
    ~ColourStripAccessible() override
    {
        for (const auto &[index, id] : m_swatchIds)
            QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return int(strip()->swatches().size()); }

    QAccessibleInterface *child(int index) const override
    {
        if (index < 0 || index >= childCount())
            return nullptr;
        // The same interface each time: a screen reader knows a child by its id.
        auto found = m_swatchIds.find(index);
        if (found == m_swatchIds.end())
            found = m_swatchIds.emplace(index, QAccessible::registerAccessibleInterface(
                                                   new SwatchAccessible(strip(), index))).first;
        return QAccessible::accessibleInterface(found->second);
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        for (const auto &[index, id] : m_swatchIds) {
            if (QAccessible::accessibleInterface(id) == child)
                return index;
        }
        return -1;
    }

    QAccessibleInterface *childAt(int x, int y) const override
    {
        for (int i = 0; i < childCount(); ++i) {
            if (child(i)->rect().contains(x, y))
                return child(i);
        }
        return nullptr;
    }

    QAccessibleInterface *focusChild() const override
    {
        return strip()->hasFocus() ? child(strip()->markedSwatch()) : nullptr;
    }

private:
    ColourStripView *strip() const { return static_cast<ColourStripView *>(widget()); }

    mutable std::map<int, QAccessible::Id> m_swatchIds;
};

// Qt's field selects its whole text when Tab brings the keys; it is given
// the focus as though they came some other way.
class UnselectedOnTab : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::FocusIn)
            return false;
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::TabFocusReason && reason != Qt::BacktabFocusReason)
            return false;
        QFocusEvent plain(QEvent::FocusIn, Qt::OtherFocusReason);
        return watched->event(&plain);
    }
};

QAccessibleInterface *garabelControl(const QString &className, QObject *object)
{
    if (className == QLatin1String("garabel::PictureButton"))
        return new PictureButtonAccessible(static_cast<PictureButton *>(object));
    if (className == QLatin1String("garabel::ColourStripView"))
        return new ColourStripAccessible(static_cast<ColourStripView *>(object));
    return nullptr;
}

} // namespace

void describeState(QWidget &button, const QString &words)
{
    button.setProperty(kStateProperty, words);
    tellDescriptionChanged(button);
}

void tellChosen(QWidget &button)
{
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(&button, changed);
    QAccessible::updateAccessibility(&event);
}

void setInEffect(PictureButton &button, bool inEffect)
{
    const bool before = heardChosen(button);
    button.setProperty(kInEffectProperty, inEffect);
    if (heardChosen(button) != before)
        tellChosen(button);
}

void keepFieldUnselected(QComboBox &list)
{
    list.installEventFilter(new UnselectedOnTab(&list));
}

void installAccessibleControls()
{
    static const bool installed = [] {
        QAccessible::installFactory(garabelControl);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace garabel
