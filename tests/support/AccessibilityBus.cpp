#include "support/AccessibilityBus.h"

#include <QDBusConnection>
#include <QDBusVariant>
#include <QTest>

#include <gtest/gtest.h>

namespace garabel::test {

namespace {
const QString kBridge = QStringLiteral("a11y");
const QString kListener = QStringLiteral("garabel-test-reader");
} // namespace

AccessibilityBus::AccessibilityBus()
{
    m_daemon.start(QStringLiteral("dbus-daemon"), {"--session", "--nofork", "--print-address=1"});
    if (!m_daemon.waitForReadyRead(5000))
        return;
    const QString address = QString::fromUtf8(m_daemon.readLine()).trimmed();
    QDBusConnection listener = QDBusConnection::connectToBus(address, kListener);
    m_running = QDBusConnection::connectToBus(address, kBridge).isConnected() && listener.isConnected()
                && listener.connect(QString(), QString(), QStringLiteral("org.a11y.atspi.Event.Object"),
                                    QStringLiteral("PropertyChange"), this, SLOT(take(QDBusMessage)));
}

AccessibilityBus::~AccessibilityBus()
{
    QDBusConnection::disconnectFromBus(kBridge);
    QDBusConnection::disconnectFromBus(kListener);
    m_daemon.kill();
    m_daemon.waitForFinished();
}

QString AccessibilityBus::programService() const
{
    return QDBusConnection(kBridge).baseService();
}

QStringList AccessibilityBus::descriptionsUntil(const QString &last)
{
    QStringList words;
    const bool told = QTest::qWaitFor(
        [&] {
            words.clear();
            for (const QDBusMessage &change : m_changes) {
                if (change.arguments().value(0).toString() == QLatin1String("accessible-description"))
                    words << qvariant_cast<QDBusVariant>(change.arguments().value(3)).variant().toString();
            }
            return words.contains(last);
        },
        2000);
    if (!told)
        ADD_FAILURE() << "no description said \"" << last.toStdString() << "\" within two seconds; sent: "
                      << words.join(u'|').toStdString();
    return words;
}

void AccessibilityBus::take(const QDBusMessage &message)
{
    m_changes << message;
}

} // namespace garabel::test
