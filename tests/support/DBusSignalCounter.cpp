#include "support/DBusSignalCounter.h"

#include <QDBusConnection>

DBusSignalCounter::DBusSignalCounter(const QString &service, const QString &path,
                                     const QString &interface, const QString &name)
    : m_service(service)
    , m_path(path)
    , m_interface(interface)
    , m_name(name)
{
    m_connected = QDBusConnection::sessionBus().connect(m_service, m_path, m_interface, m_name,
                                                        this, SLOT(received()));
}

DBusSignalCounter::~DBusSignalCounter()
{
    if (m_connected)
        QDBusConnection::sessionBus().disconnect(m_service, m_path, m_interface, m_name, this,
                                                 SLOT(received()));
}

void DBusSignalCounter::received()
{
    ++m_count;
}
