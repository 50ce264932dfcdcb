#pragma once

#include "core/Clock.h"
#include "core/UpdateService.h"

#include <QPointer>
#include <QUrl>

#include <optional>

class QNetworkAccessManager;
class QNetworkReply;

// Fetches the appcast feed and compares its newest release with this build's version.
// The feed comes from outside, so the fetch is fenced in: https only (plain http only to
// this machine), no redirect to anything less safe, a deadline, and a size cap. One check
// runs at a time; asking again while it runs does nothing. A build without a feed address
// answers at once that its updates come with the package manager, and touches no network.
class AppcastUpdateService : public UpdateService
{
    Q_OBJECT

public:
    static constexpr qint64 maximumFeedBytes = 1024 * 1024;
    static constexpr double transferTimeoutSeconds = 30.0;
    static constexpr int maximumRedirects = 5;

    AppcastUpdateService(std::optional<QUrl> feedUrl, QString currentVersion, Clock &clock,
                         QObject *parent = nullptr);
    ~AppcastUpdateService() override;

    void checkForUpdates() override;
    bool isChecking() const { return !m_reply.isNull(); }

    // https with a host anywhere; plain http only to a loopback host.
    static bool isAllowedFeedUrl(const QUrl &url);
    // A redirect may not leave the allowed addresses, nor step down from https to http.
    static bool isAllowedRedirect(const QUrl &from, const QUrl &to);

private:
    void sendRequest(const QUrl &url);
    void onReadyRead();
    void onFinished();
    void followRedirect(const QUrl &from, const QUrl &to);
    UpdateCheckResult resultOf(QNetworkReply &reply) const;
    // Ends the running check with reason as its outcome.
    void abortCheck(const QString &reason);
    void finish(const UpdateCheckResult &result);

    std::optional<QUrl> m_feedUrl;
    QString m_currentVersion;
    Clock &m_clock;
    QNetworkAccessManager *m_network = nullptr;
    QPointer<QNetworkReply> m_reply;
    QByteArray m_body;
    QString m_abortReason;
    int m_redirects = 0;
    CancellableHandle m_deadline;
};
