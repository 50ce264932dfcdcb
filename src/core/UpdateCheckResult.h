#pragma once

#include <QMetaType>
#include <QString>
#include <QUrl>

// The outcome of one update check, worded for the person who asked for it.
class UpdateCheckResult
{
public:
    enum class Status { newerVersionAvailable, upToDate, feedUnreadable, noUpdateFeed };

    UpdateCheckResult() = default;

    // pageUrl may be empty when the feed offers no page that is safe to open.
    static UpdateCheckResult newerVersion(const QString &latestVersion,
                                          const QString &currentVersion, const QUrl &pageUrl);
    static UpdateCheckResult upToDate(const QString &currentVersion);
    // reason: one sentence saying what went wrong, shown after a common lead-in.
    static UpdateCheckResult feedUnreadable(const QString &reason);
    // A build made without a feed address: its updates come through the system's packages.
    static UpdateCheckResult noUpdateFeed();

    Status status() const { return m_status; }
    QString latestVersion() const { return m_latestVersion; }
    QUrl pageUrl() const { return m_pageUrl; }
    QString message() const { return m_message; }

private:
    Status m_status = Status::feedUnreadable;
    QString m_latestVersion;
    QUrl m_pageUrl;
    QString m_message;
};

Q_DECLARE_METATYPE(UpdateCheckResult)
