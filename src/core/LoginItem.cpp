#include "core/LoginItem.h"

#include "core/InfoDictionary.h"
#include "core/PathRemoval.h"

#include <QStandardPaths>

LoginItem::LoginItem(QString entryPath)
    : m_entryPath(std::move(entryPath))
{
}

LoginItem LoginItem::standard()
{
    return LoginItem(standardEntryPath());
}

QString LoginItem::standardEntryPath()
{
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    // No entry rather than one at the root of the file system.
    if (config.isEmpty())
        return QString();
    return config + QStringLiteral("/autostart/") + appBundleIdentifier() + QStringLiteral(".desktop");
}

bool LoginItem::isRegistered() const
{
    return !m_entryPath.isEmpty() && entryExists(m_entryPath);
}

bool LoginItem::unregister(QString *error)
{
    return removeFileEntry(m_entryPath, error);
}
