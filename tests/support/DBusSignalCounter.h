#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>

// Counts one signal of one object on a bus (the session bus unless told), from whichever
// sender, while it lives.
class DBusSignalCounter : public QObject
{
    Q_OBJECT

public:
    DBusSignalCounter(const QString &service, const QString &path, const QString &interface,
                      const QString &name);
    DBusSignalCounter(const QDBusConnection &bus, const QString &service, const QString &path,
                      const QString &interface, const QString &name);
    ~DBusSignalCounter() override;

    bool isConnected() const { return m_connected; }
    int count() const { return m_count; }

private slots:
    void received();

private:
    QDBusConnection m_bus;
    QString m_service;
    QString m_path;
    QString m_interface;
    QString m_name;
    bool m_connected = false;
    int m_count = 0;
};
