#include "core/UpdateCheckResult.h"

#include "core/InfoDictionary.h"

UpdateCheckResult UpdateCheckResult::newerVersion(const QString &latestVersion,
                                                  const QString &currentVersion,
                                                  const QUrl &pageUrl)
{
    UpdateCheckResult result;
    result.m_status = Status::newerVersionAvailable;
    result.m_latestVersion = latestVersion;
    result.m_pageUrl = pageUrl;
    result.m_message = QStringLiteral("%1 %2 is available. You have version %3.")
                           .arg(resolveAppDisplayName(), latestVersion, currentVersion);
    return result;
}

UpdateCheckResult UpdateCheckResult::upToDate(const QString &currentVersion)
{
    UpdateCheckResult result;
    result.m_status = Status::upToDate;
    result.m_latestVersion = currentVersion;
    result.m_message = QStringLiteral("You're up to date. %1 %2 is the newest version available.")
                           .arg(resolveAppDisplayName(), currentVersion);
    return result;
}

UpdateCheckResult UpdateCheckResult::feedUnreadable(const QString &reason)
{
    UpdateCheckResult result;
    result.m_status = Status::feedUnreadable;
    result.m_message = QStringLiteral("Could not check for updates. ") + reason;
    return result;
}

UpdateCheckResult UpdateCheckResult::noUpdateFeed()
{
    UpdateCheckResult result;
    result.m_status = Status::noUpdateFeed;
    result.m_message = QStringLiteral(
        "This build has no update feed. Updates come with your package manager.");
    return result;
}
