#include "support/DBusSignalCounter.h"

DBusSignalCounter::DBusSignalCounter(const QString &service, const QString &path,
                                     const QString &interface, const QString &name)
    : DBusSignalCounter(QDBusConnection::sessionBus(), service, path, interface, name)
{
}

DBusSignalCounter::DBusSignalCounter(const QDBusConnection &bus, const QString &service,
                                     const QString &path, const QString &interface,
                                     const QString &name)
    : m_bus(bus)
    , m_service(service)
    , m_path(path)
    , m_interface(interface)
    , m_name(name)
{
    m_connected = m_bus.connect(m_service, m_path, m_interface, m_name, this, SLOT(received()));
}

DBusSignalCounter::~DBusSignalCounter()
{
    if (m_connected)
        m_bus.disconnect(m_service, m_path, m_interface, m_name, this, SLOT(received()));
}

void DBusSignalCounter::received()
{
    ++m_count;
}
