#pragma once

#include "support/DBusMockService.h"

#include <QStringList>

// A StatusNotifierWatcher on the private session bus, as a desktop's tray host runs one: it
// says a host is registered and remembers the items that register with it. Stopped when it
// goes out of scope.
class StatusNotifierWatcherMock
{
public:
    StatusNotifierWatcherMock();

    // Empty when the watcher is on the bus and ready; else what went wrong.
    QString start();
    // The bus names of the items registered so far, oldest first.
    QStringList registeredItems() const;

private:
    QString addProperty(const QString &name, const QVariant &value);

    DBusMockService m_service;
};
