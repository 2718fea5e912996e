#include "window/CanvasAccessible.h"

#include "desktop/ReaderEvents.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QVariant>
#include <QWidget>

namespace garabel {

namespace {
// The value lives on the view, where the accessible interface, which Qt
// creates and keeps on its own, finds it.
constexpr const char *kValueProperty = "garabelCanvasValue";

class CanvasInterface : public QAccessibleWidget
{
public:
    explicit CanvasInterface(QWidget *view) : QAccessibleWidget(view, QAccessible::Canvas) {}

    QString text(QAccessible::Text kind) const override
    {
        switch (kind) {
        case QAccessible::Name:
            return QCoreApplication::translate("garabel::CanvasAccessible", "Lienzo");
        case QAccessible::Value:
        case QAccessible::Description: return widget()->property(kValueProperty).toString();
        default: return QAccessibleWidget::text(kind);
        }
    }
};

QAccessibleInterface *canvasInterface(const QString &, QObject *object)
{
    auto *view = qobject_cast<QWidget *>(object);
    return view && view->property(kValueProperty).isValid() ? new CanvasInterface(view) : nullptr;
}
} // namespace

CanvasAccessible::CanvasAccessible(QWidget &canvasView) : m_view(canvasView)
{
    static const bool installed = (QAccessible::installFactory(canvasInterface), true);
    Q_UNUSED(installed);
    m_view.setProperty(kValueProperty, QString());
}

void CanvasAccessible::setValue(const QString &value)
{
    if (value != this->value())
        tell(value);
}

void CanvasAccessible::tell(const QString &value)
{
    m_view.setProperty(kValueProperty, value);
    tellDescriptionChanged(m_view);
}

QString CanvasAccessible::value() const
{
    return m_view.property(kValueProperty).toString();
}

} // namespace garabel
