#pragma once

class QAccessibleInterface;
class QDBusConnection;
class QObject;

namespace garabel {

// Tells a screen reader that the accessible description of `object` changed,
// so that it speaks the new one.
void tellDescriptionChanged(QObject &object);
// The same for an object that is no widget of its own, such as a list's item.
void tellDescriptionChanged(QAccessibleInterface &accessible);

#ifdef GARABEL_ATSPI
// The AT-SPI signal of a changed description, with the text itself as its data,
// sent on `bus` as the object `accessible`. False when it could not be sent.
bool sendDescriptionChanged(const QDBusConnection &bus, QAccessibleInterface &accessible);
#endif

} // namespace garabel
