#pragma once

#include <QDBusMessage>
#include <QList>
#include <QObject>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace garabel::test {

// A private D-Bus daemon standing in for the accessibility bus, joined under
// the connection name of Qt's accessibility bridge, as when a screen reader
// runs. It records the property changes sent on it.
class AccessibilityBus : public QObject
{
    Q_OBJECT

public:
    AccessibilityBus();
    ~AccessibilityBus() override;

    bool running() const { return m_running; }
    // The base service of the bridge's connection (the program's name on the bus).
    QString programService() const;
    // The words of the description changes sent so far, once one says `last`;
    // a test fails when none has said it after two seconds.
    QStringList descriptionsUntil(const QString &last);
    const QList<QDBusMessage> &changes() const { return m_changes; }

private slots:
    void take(const QDBusMessage &message);

private:
    QProcess m_daemon;
    bool m_running = false;
    QList<QDBusMessage> m_changes;
};

} // namespace garabel::test
