#include "menubar/UnavailableGlobalHotKeys.h"

UnavailableGlobalHotKeys::UnavailableGlobalHotKeys(QString reason, QObject *parent)
    : GlobalHotKeys(parent)
    , m_reason(std::move(reason))
{
}

std::optional<QString> UnavailableGlobalHotKeys::installHandler()
{
    return QStringLiteral("error: ") + m_reason;
}

QList<QString> UnavailableGlobalHotKeys::registerKeys(const QList<HotKeyDefinition> &rows)
{
    return QList<QString>(rows.size(), QStringLiteral("error: ") + m_reason);
}
