#include "core/AppcastUpdateService.h"
#include "support/AppcastText.h"
#include "support/FakeClock.h"
#include "support/LocalHttpServer.h"

#include <QNetworkAccessManager>
#include <QSignalSpy>

#include <gtest/gtest.h>

using AppcastText::feed;
using AppcastText::item;
using Status = UpdateCheckResult::Status;

namespace {

constexpr int waitMs = 10000;

::testing::AssertionResult says(const UpdateCheckResult &result, const char *text)
{
    if (result.message().contains(QLatin1String(text)))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "message: " << result.message().toStdString();
}

class AppcastUpdateServiceTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(server.listen()); }

    // Runs one check against the feed path and returns its single outcome.
    UpdateCheckResult check(const std::optional<QUrl> &feed, const QString &ours = "1.4.0")
    {
        AppcastUpdateService service(feed, ours, clock);
        QSignalSpy results(&service, &UpdateService::checkFinished);
        service.checkForUpdates();
        if (results.isEmpty()) {
            EXPECT_TRUE(results.wait(waitMs));
        }
        EXPECT_EQ(results.count(), 1);
        EXPECT_FALSE(service.isChecking());
        return results.isEmpty() ? UpdateCheckResult()
                                 : results.first().first().value<UpdateCheckResult>();
    }

    FakeClock clock;
    LocalHttpServer server;
};

} // namespace

TEST_F(AppcastUpdateServiceTest, FeedWithANewerReleaseOffersItsPage)
{
    server.serve("/newer.xml", feed(item("1.4.0", "https://lumenpause.example/1.4")
                                    + item("1.5.2", "https://lumenpause.example/1.5.2")));
    const UpdateCheckResult result = check(server.url("/newer.xml"));
    EXPECT_EQ(result.status(), Status::newerVersionAvailable);
    EXPECT_EQ(result.latestVersion(), "1.5.2");
    EXPECT_EQ(result.pageUrl(), QUrl("https://lumenpause.example/1.5.2"));
    EXPECT_EQ(server.requestCount("/newer.xml"), 1);
}

TEST_F(AppcastUpdateServiceTest, FeedWhoseNewestReleaseIsOursSaysUpToDate)
{
    server.serve("/current.xml", feed(item("1.3.1") + item("1.4.0") + item("1.2.0")));
    const UpdateCheckResult result = check(server.url("/current.xml"));
    EXPECT_EQ(result.status(), Status::upToDate);
    EXPECT_TRUE(says(result, "1.4.0 is the newest version"));
}

TEST_F(AppcastUpdateServiceTest, MalformedOrMissingFeedIsReportedAsUnreadable)
{
    server.serve("/broken.xml", "<rss><channel><item><title>1.9</channel>");
    server.serve("/error.xml", feed(item("9.0")), 500);
    const UpdateCheckResult malformed = check(server.url("/broken.xml"));
    EXPECT_EQ(malformed.status(), Status::feedUnreadable);
    EXPECT_TRUE(says(malformed, "malformed"));

    const UpdateCheckResult missing = check(server.url("/nowhere.xml"));
    EXPECT_EQ(missing.status(), Status::feedUnreadable);
    EXPECT_TRUE(says(missing, "HTTP status 404"));

    // A failing server's body is never taken for the feed, however good it looks.
    EXPECT_EQ(check(server.url("/error.xml")).status(), Status::feedUnreadable);
}

TEST_F(AppcastUpdateServiceTest, UnreachableServerIsReportedAsUnreadable)
{
    QTcpServer closed;
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost, 0));
    const quint16 port = closed.serverPort();
    closed.close(); // nothing listens there any more
    const UpdateCheckResult result = check(QUrl(QStringLiteral("http://127.0.0.1:%1/").arg(port)));
    EXPECT_EQ(result.status(), Status::feedUnreadable);
    EXPECT_TRUE(says(result, "could not be reached"));
}

TEST_F(AppcastUpdateServiceTest, WithoutAFeedTheCheckPointsToThePackageManagerAndStaysOffline)
{
    AppcastUpdateService service(std::nullopt, "1.4.0", clock);
    QSignalSpy results(&service, &UpdateService::checkFinished);
    service.checkForUpdates();
    // Answered at once, before any event loop could have carried a request.
    ASSERT_EQ(results.count(), 1);
    const auto result = results.first().first().value<UpdateCheckResult>();
    EXPECT_EQ(result.status(), Status::noUpdateFeed);
    EXPECT_EQ(result.message(),
              "This build has no update feed. Updates come with your package manager.");
    EXPECT_EQ(service.findChild<QNetworkAccessManager *>(), nullptr);
    EXPECT_FALSE(service.isChecking());
}

TEST_F(AppcastUpdateServiceTest, PlainHttpFeedAddressIsRefusedWithoutARequest)
{
    const UpdateCheckResult plain = check(QUrl("http://updates.example/appcast.xml"));
    EXPECT_EQ(plain.status(), Status::feedUnreadable);
    EXPECT_TRUE(says(plain, "must use HTTPS"));
    EXPECT_EQ(server.totalRequests(), 0);
}

TEST(AppcastUpdateServiceRulesTest, FeedsMustBeHttpsExceptOnThisMachine)
{
    EXPECT_TRUE(AppcastUpdateService::isAllowedFeedUrl(QUrl("https://updates.example/a.xml")));
    EXPECT_TRUE(AppcastUpdateService::isAllowedFeedUrl(QUrl("HTTPS://updates.example/a.xml")));
    EXPECT_TRUE(AppcastUpdateService::isAllowedFeedUrl(QUrl("http://127.0.0.1:8080/a.xml")));
    EXPECT_TRUE(AppcastUpdateService::isAllowedFeedUrl(QUrl("http://localhost/a.xml")));
    EXPECT_TRUE(AppcastUpdateService::isAllowedFeedUrl(QUrl("http://[::1]/a.xml")));
    for (const char *refused : {"http://updates.example/a.xml", "http://127.0.0.1.evil.example/",
                                "http://localhost.evil.example/", "http://127.0.0.1@evil.example/",
                                "file:///etc/passwd", "ftp://updates.example/a.xml",
                                "https:///a.xml", "appcast.xml"}) {
        EXPECT_FALSE(AppcastUpdateService::isAllowedFeedUrl(QUrl(refused))) << refused;
    }
    EXPECT_FALSE(AppcastUpdateService::isAllowedRedirect(QUrl("https://a.example/"),
                                                         QUrl("http://127.0.0.1/")));
    EXPECT_TRUE(AppcastUpdateService::isAllowedRedirect(QUrl("https://a.example/"),
                                                        QUrl("https://b.example/")));
}

TEST_F(AppcastUpdateServiceTest, RedirectsAreFollowedOnlyToAllowedAddresses)
{
    server.serve("/moved.xml", feed(item("2.0", "releases/2.0")));
    server.redirect("/old.xml", server.url("/moved.xml"), 301);
    const UpdateCheckResult followed = check(server.url("/old.xml"));
    EXPECT_EQ(followed.status(), Status::newerVersionAvailable);
    // Relative links resolve against where the feed was finally found.
    EXPECT_EQ(followed.pageUrl(), server.url("/releases/2.0"));

    server.redirect("/away.xml", QUrl("http://updates.example/appcast.xml"));
    const UpdateCheckResult refused = check(server.url("/away.xml"));
    EXPECT_EQ(refused.status(), Status::feedUnreadable);
    EXPECT_TRUE(says(refused, "redirected to an address that is not safe"));

    // A long chain ends at the cap; one more hop would have reached a valid feed.
    const int hops = AppcastUpdateService::maximumRedirects + 1;
    for (int hop = 0; hop < hops; ++hop)
        server.redirect(QStringLiteral("/hop%1").arg(hop),
                        server.url(QStringLiteral("/hop%1").arg(hop + 1)));
    server.serve(QStringLiteral("/hop%1").arg(hops), feed(item("2.0")));
    const UpdateCheckResult chain = check(server.url("/hop0"));
    EXPECT_TRUE(says(chain, "redirected too many times"));
    EXPECT_EQ(server.requestCount(QStringLiteral("/hop%1").arg(hops)), 0);

    server.redirect("/loop.xml", server.url("/loop.xml"));
    EXPECT_EQ(check(server.url("/loop.xml")).status(), Status::feedUnreadable);
}

TEST_F(AppcastUpdateServiceTest, OversizedFeedIsRefusedWhetherOrNotItDeclaresItsLength)
{
    // A valid feed padded past the cap with a comment, so only its size is wrong.
    const QByteArray padding(AppcastUpdateService::maximumFeedBytes + 10, 'x');
    const QByteArray huge = feed(item("9.0") + "<!-- " + padding + " -->");
    server.serve("/declared.xml", huge);
    // Undeclared and never ending: only counting the bytes as they come can stop this one.
    server.setReply("/undeclared.xml", {200, huge, {}, false, false});
    for (const char *path : {"/declared.xml", "/undeclared.xml"}) {
        const UpdateCheckResult result = check(server.url(path));
        EXPECT_EQ(result.status(), Status::feedUnreadable) << path;
        EXPECT_TRUE(says(result, "larger than 1 MiB"));
    }
    // Just under the cap is still read.
    const QByteArray fits = feed(item("9.0") + "<!-- "
                                 + QByteArray(AppcastUpdateService::maximumFeedBytes - 2000, 'x')
                                 + " -->");
    server.setReply("/fits.xml", {200, fits, {}, false, true});
    EXPECT_EQ(check(server.url("/fits.xml")).status(), Status::newerVersionAvailable);
}

TEST_F(AppcastUpdateServiceTest, SilentServerEndsTheCheckAtTheDeadline)
{
    server.serve("/slow.xml", feed(item("9.0")));
    server.hold("/slow.xml");
    AppcastUpdateService service(server.url("/slow.xml"), "1.0", clock);
    QSignalSpy results(&service, &UpdateService::checkFinished);
    QSignalSpy requests(&server, &LocalHttpServer::requestReceived);
    service.checkForUpdates();
    ASSERT_TRUE(requests.wait(waitMs));

    clock.advance(AppcastUpdateService::transferTimeoutSeconds - 1);
    EXPECT_TRUE(service.isChecking());
    clock.advance(1);
    ASSERT_EQ(results.count(), 1);
    const auto result = results.first().first().value<UpdateCheckResult>();
    EXPECT_EQ(result.status(), Status::feedUnreadable);
    EXPECT_TRUE(says(result, "did not answer in time"));
    EXPECT_FALSE(service.isChecking());

    // A late answer to the abandoned request changes nothing.
    server.release();
    clock.advance(AppcastUpdateService::transferTimeoutSeconds * 2);
    QCoreApplication::processEvents();
    EXPECT_EQ(results.count(), 1);
}

TEST_F(AppcastUpdateServiceTest, SecondRequestWhileCheckingStartsNothing)
{
    server.serve("/held.xml", feed(item("2.0")));
    server.hold("/held.xml");
    AppcastUpdateService service(server.url("/held.xml"), "1.0", clock);
    QSignalSpy results(&service, &UpdateService::checkFinished);
    QSignalSpy requests(&server, &LocalHttpServer::requestReceived);

    service.checkForUpdates();
    ASSERT_TRUE(requests.wait(waitMs));
    service.checkForUpdates();
    EXPECT_TRUE(service.isChecking());
    server.release();
    ASSERT_TRUE(results.wait(waitMs));

    // Once done, a new request checks again: exactly one more request reaches the server.
    service.checkForUpdates();
    ASSERT_TRUE(results.wait(waitMs));
    EXPECT_EQ(results.count(), 2);
    EXPECT_EQ(server.requestCount("/held.xml"), 2);
}
