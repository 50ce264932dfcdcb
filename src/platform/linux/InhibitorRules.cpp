#include "platform/linux/InhibitorRules.h"

namespace InhibitorRules {

bool blocksIdle(const LogindInhibitor &inhibitor, uid_t ourUid)
{
    return inhibitor.uid == ourUid && inhibitor.mode == QLatin1String("block")
           && inhibitor.what.split(QLatin1Char(':')).contains(QLatin1String("idle"));
}

QSet<QString> gnomeInhibitorIdentities(uint flags, const QSet<QString> &windowOwnerIdentities,
                                       const QString &applicationId)
{
    if ((flags & kGnomeIdleFlag) == 0)
        return {};
    if (!windowOwnerIdentities.isEmpty())
        return windowOwnerIdentities;
    return identitiesOfApplicationId(applicationId);
}

QSet<QString> identitiesOfApplicationId(const QString &applicationId)
{
    if (applicationId.isEmpty())
        return {};
    if (applicationId.startsWith(QLatin1Char('/')))
        return {QStringLiteral("bin:") + applicationId.section(QLatin1Char('/'), -1)};
    QString name = applicationId;
    if (name.endsWith(QLatin1String(".desktop")))
        name.chop(8);
    if (name.isEmpty())
        return {};
    QSet<QString> identities{name};
    if (!name.contains(QLatin1Char('.')))
        identities.insert(QStringLiteral("bin:") + name.toLower());
    return identities;
}

} // namespace InhibitorRules
