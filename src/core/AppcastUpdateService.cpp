#include "core/AppcastUpdateService.h"

#include "core/AppcastFeed.h"
#include "core/Logger.h"

#include <QHostAddress>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

namespace {

const QString logCategory = QStringLiteral("Updates");

bool isLoopbackHost(const QString &host)
{
    return host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0
        || QHostAddress(host).isLoopback();
}

QString statusLogName(UpdateCheckResult::Status status)
{
    switch (status) {
    case UpdateCheckResult::Status::newerVersionAvailable: return QStringLiteral("newer");
    case UpdateCheckResult::Status::upToDate: return QStringLiteral("upToDate");
    case UpdateCheckResult::Status::feedUnreadable: return QStringLiteral("unreadable");
    case UpdateCheckResult::Status::noUpdateFeed: return QStringLiteral("noFeed");
    }
    return QStringLiteral("unreadable");
}

} // namespace

AppcastUpdateService::AppcastUpdateService(std::optional<QUrl> feedUrl, QString currentVersion,
                                           Clock &clock, QObject *parent)
    : UpdateService(parent)
    , m_feedUrl(std::move(feedUrl))
    , m_currentVersion(std::move(currentVersion))
    , m_clock(clock)
{
}

AppcastUpdateService::~AppcastUpdateService()
{
    // Nobody is left to hear the outcome of a check cut short by our own end.
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->abort();
    }
}

bool AppcastUpdateService::isAllowedFeedUrl(const QUrl &url)
{
    if (!url.isValid() || url.host().isEmpty())
        return false;
    const QString scheme = url.scheme().toLower();
    if (scheme == QLatin1String("https"))
        return true;
    return scheme == QLatin1String("http") && isLoopbackHost(url.host());
}

bool AppcastUpdateService::isAllowedRedirect(const QUrl &from, const QUrl &to)
{
    const bool leavesHttps = from.scheme().toLower() == QLatin1String("https")
        && to.scheme().toLower() != QLatin1String("https");
    return isAllowedFeedUrl(to) && !leavesHttps;
}

void AppcastUpdateService::checkForUpdates()
{
    if (m_reply) {
        logDebug(logCategory, QStringLiteral("update_check_already_running"));
        return;
    }
    if (!m_feedUrl) {
        finish(UpdateCheckResult::noUpdateFeed());
        return;
    }
    if (!isAllowedFeedUrl(*m_feedUrl)) {
        finish(UpdateCheckResult::feedUnreadable(
            QStringLiteral("The update feed address must use HTTPS.")));
        return;
    }
    m_redirects = 0;
    // One deadline for the whole check, redirects included.
    m_deadline = m_clock.schedule(transferTimeoutSeconds, false, [this] {
        abortCheck(QStringLiteral("The update server did not answer in time."));
    });
    logInfo(logCategory, formatLogEvent(QStringLiteral("update_check_started"),
                                        {{QStringLiteral("feed"), m_feedUrl->toString()}}));
    sendRequest(*m_feedUrl);
}

void AppcastUpdateService::sendRequest(const QUrl &url)
{
    m_body.clear();
    m_abortReason.clear();

    QNetworkRequest request(url);
    // Redirects come back to onFinished, which judges each one before following it.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::ManualRedirectPolicy);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                         QNetworkRequest::AlwaysNetwork);
    request.setHeader(QNetworkRequest::UserAgentHeader,
                      QStringLiteral("Lumenpause/%1").arg(m_currentVersion));

    // Made on the first check, so that a build without a feed never sets up networking.
    if (!m_network)
        m_network = new QNetworkAccessManager(this);
    m_reply = m_network->get(request);
    connect(m_reply, &QNetworkReply::readyRead, this, &AppcastUpdateService::onReadyRead);
    connect(m_reply, &QNetworkReply::finished, this, &AppcastUpdateService::onFinished);
}

void AppcastUpdateService::onReadyRead()
{
    if (!m_reply)
        return;
    const QVariant declared = m_reply->header(QNetworkRequest::ContentLengthHeader);
    m_body += m_reply->readAll();
    // The declared length lets an oversized feed be refused before it is downloaded; the
    // running count catches a server that declares nothing or lies.
    if (m_body.size() > maximumFeedBytes || declared.toLongLong() > maximumFeedBytes)
        abortCheck(QStringLiteral("The update feed is larger than 1 MiB."));
}

void AppcastUpdateService::abortCheck(const QString &reason)
{
    if (!m_reply || !m_abortReason.isEmpty())
        return;
    m_abortReason = reason;
    m_reply->abort(); // finishes the reply, which reports the reason
}

void AppcastUpdateService::onFinished()
{
    QNetworkReply *reply = m_reply;
    if (!reply)
        return;
    m_reply = nullptr;
    reply->deleteLater();
    reply->disconnect(this);

    if (!m_abortReason.isEmpty()) {
        finish(UpdateCheckResult::feedUnreadable(std::exchange(m_abortReason, QString())));
        return;
    }
    const QUrl target = reply->attribute(QNetworkRequest::RedirectionTargetAttribute).toUrl();
    if (!target.isEmpty()) {
        followRedirect(reply->url(), reply->url().resolved(target));
        return;
    }
    m_body += reply->readAll();
    if (m_body.size() > maximumFeedBytes) {
        finish(UpdateCheckResult::feedUnreadable(
            QStringLiteral("The update feed is larger than 1 MiB.")));
        return;
    }
    finish(resultOf(*reply));
}

void AppcastUpdateService::followRedirect(const QUrl &from, const QUrl &to)
{
    if (++m_redirects > maximumRedirects) {
        finish(UpdateCheckResult::feedUnreadable(
            QStringLiteral("The update feed redirected too many times.")));
        return;
    }
    if (!isAllowedRedirect(from, to)) {
        finish(UpdateCheckResult::feedUnreadable(
            QStringLiteral("The update feed redirected to an address that is not safe.")));
        return;
    }
    sendRequest(to);
}

UpdateCheckResult AppcastUpdateService::resultOf(QNetworkReply &reply) const
{
    const QVariant status = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (!status.isValid()) {
        return UpdateCheckResult::feedUnreadable(
            QStringLiteral("The update server could not be reached (%1).")
                .arg(reply.errorString()));
    }
    // Only a success status carries the feed; an error page's body is never read as one.
    if (status.toInt() < 200 || status.toInt() >= 300) {
        return UpdateCheckResult::feedUnreadable(
            QStringLiteral("The update server answered with HTTP status %1.").arg(status.toInt()));
    }
    if (reply.error() != QNetworkReply::NoError) {
        return UpdateCheckResult::feedUnreadable(
            QStringLiteral("The update feed could not be read (%1).").arg(reply.errorString()));
    }
    // Links in the feed are resolved against where it was finally fetched from.
    return AppcastFeed::evaluate(m_body, m_currentVersion, reply.url());
}

void AppcastUpdateService::finish(const UpdateCheckResult &result)
{
    m_deadline.reset();
    m_body.clear();
    if (result.status() == UpdateCheckResult::Status::feedUnreadable) {
        logWarn(logCategory, formatLogEvent(QStringLiteral("update_check_failed"),
                                            {{QStringLiteral("reason"), result.message()}}));
    } else {
        logInfo(logCategory,
                formatLogEvent(QStringLiteral("update_check_finished"),
                               {{QStringLiteral("result"), statusLogName(result.status())},
                                {QStringLiteral("version"), result.latestVersion()}}));
    }
    emit checkFinished(result);
}
