#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

// Which running applications the detectors look at, so that the rest is neither gathered nor
// handed over: only browser calls ask whether an application runs, and only while audio comes
// from a browser's processes. Listing every process costs far more than the rest of a
// snapshot on a busy machine, and each process that comes or goes would otherwise make a
// snapshot news.
struct RunningApplicationsInterest
{
    // The running applications looked at, by the bundle-prefix rule.
    QStringList applicationPrefixes;
    // Without audio from one of these, no running application is looked at.
    QStringList audioPrefixes;

    bool isLookedAt(const QSet<QString> &inputIdentities,
                    const QSet<QString> &outputIdentities) const;
    // The running applications that are looked at.
    QSet<QString> narrowed(const QSet<QString> &running) const;
};
