#include "desktop/ReaderEvents.h"

#include <QAccessible>

#ifdef GARABEL_ATSPI
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>
#endif

namespace garabel {

#ifdef GARABEL_ATSPI
namespace {
// The paths and names by which AT-SPI knows an application's objects.
const QString kObjectPathPrefix = QStringLiteral("/org/a11y/atspi/accessible/");
const QString kRootPath = QStringLiteral("/org/a11y/atspi/accessible/root");
// Qt's accessibility bridge opens its connection to the accessibility bus under
// this name, and only while a screen reader listens.
const QString kBridgeConnection = QStringLiteral("a11y");
} // namespace

bool sendDescriptionChanged(const QDBusConnection &bus, QAccessibleInterface &accessible)
{
    if (!bus.isConnected())
        return false;
    const QString path = kObjectPathPrefix + QString::number(QAccessible::uniqueId(&accessible));
    QDBusMessage signal = QDBusMessage::createSignal(path, QStringLiteral("org.a11y.atspi.Event.Object"),
                                                     QStringLiteral("PropertyChange"));
    QDBusArgument application;
    application.beginStructure();
    application << bus.baseService() << QDBusObjectPath(kRootPath);
    application.endStructure();
    signal << QStringLiteral("accessible-description") << 0 << 0
           << QVariant::fromValue(QDBusVariant(accessible.text(QAccessible::Description)))
           << QVariant::fromValue(application);
    return bus.send(signal);
}
#endif

namespace {
// Qt 6.4's bridge sends a description change with a reference to the object
// where a screen reader expects the new text: Orca 43 takes it for bad content
// and says nothing. While the bridge is connected, the change goes out as later
// Qt sends it, with the text; elsewhere Qt's own event goes.
bool sentWithWords([[maybe_unused]] QAccessibleInterface *accessible)
{
#ifdef GARABEL_ATSPI
    if (const QDBusConnection bus(kBridgeConnection); bus.isConnected())
        return accessible && sendDescriptionChanged(bus, *accessible);
#endif
    return false;
}
} // namespace

void tellDescriptionChanged(QObject &object)
{
    if (sentWithWords(QAccessible::queryAccessibleInterface(&object)))
        return;
    QAccessibleEvent changed(&object, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
}

void tellDescriptionChanged(QAccessibleInterface &accessible)
{
    if (sentWithWords(&accessible))
        return;
    QAccessibleEvent changed(&accessible, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
}

} // namespace garabel
