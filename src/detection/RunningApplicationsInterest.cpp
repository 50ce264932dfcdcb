#include "detection/RunningApplicationsInterest.h"

#include "detection/BundlePrefix.h"

bool RunningApplicationsInterest::isLookedAt(const QSet<QString> &inputIdentities,
                                             const QSet<QString> &outputIdentities) const
{
    return matchesAnyBundlePrefix(inputIdentities, audioPrefixes)
        || matchesAnyBundlePrefix(outputIdentities, audioPrefixes);
}

QSet<QString> RunningApplicationsInterest::narrowed(const QSet<QString> &running) const
{
    QSet<QString> kept;
    for (const QString &identity : running) {
        if (matchesAnyBundlePrefix({identity}, applicationPrefixes))
            kept.insert(identity);
    }
    return kept;
}
