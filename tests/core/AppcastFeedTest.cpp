#include "core/AppcastFeed.h"
#include "support/AppcastText.h"

#include <gtest/gtest.h>

using AppcastText::feed;
using AppcastText::item;
using Status = UpdateCheckResult::Status;

namespace {

const QUrl feedUrl("https://lumenpause.example/updates/appcast.xml");

UpdateCheckResult evaluate(const QByteArray &document, const QString &ours = "1.4.0")
{
    return AppcastFeed::evaluate(document, ours, feedUrl);
}

} // namespace

TEST(AppcastFeedTest, NewestItemWinsWhereverItStandsAndVersionsCompareAsNumbers)
{
    // As text "1.9.0" sorts after "1.10.0"; as versions it does not.
    const QByteArray document = feed(item("1.9.0", "https://lumenpause.example/1.9")
                                     + item("1.10.0", "https://lumenpause.example/1.10")
                                     + item("1.2.0", "https://lumenpause.example/1.2"));
    const auto parsed = AppcastFeed::parse(document);
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->items().size(), 3);
    ASSERT_TRUE(parsed->newestItem());
    EXPECT_EQ(parsed->newestItem()->displayVersion(), "1.10.0");

    const UpdateCheckResult result = evaluate(document, "1.9.5");
    EXPECT_EQ(result.status(), Status::newerVersionAvailable);
    EXPECT_EQ(result.latestVersion(), "1.10.0");
    EXPECT_EQ(result.pageUrl(), QUrl("https://lumenpause.example/1.10"));
    EXPECT_TRUE(result.message().contains("1.10.0 is available")) << result.message().toStdString();
    EXPECT_TRUE(result.message().contains("1.9.5"));
}

TEST(AppcastFeedTest, TrailingZerosDoNotMakeAVersionNewer)
{
    EXPECT_EQ(evaluate(feed(item("1.4")), "1.4.0").status(), Status::upToDate);
    EXPECT_EQ(evaluate(feed(item("1.4.0.0")), "1.4").status(), Status::upToDate);
    EXPECT_EQ(evaluate(feed(item("1.4.0.1")), "1.4").status(), Status::newerVersionAvailable);
    // A feed that lags behind this build is no reason to offer a downgrade.
    const UpdateCheckResult behind = evaluate(feed(item("1.3.9")), "1.4.0");
    EXPECT_EQ(behind.status(), Status::upToDate);
    EXPECT_TRUE(behind.message().startsWith("You're up to date."))
        << behind.message().toStdString();
    EXPECT_TRUE(behind.pageUrl().isEmpty());
}

TEST(AppcastFeedTest, VersionsComeFromOurElementsElseFromTheEnclosure)
{
    const QByteArray document = feed(
        "<item><title>From enclosure</title>"
        "<enclosure url=\"https://d.example/a.tgz\" sparkle:version=\"300\""
        " sparkle:shortVersionString=\"3.0.0\"/></item>"
        "<item><title>Element wins</title><dc:title>Other namespace</dc:title>"
        "<dc:shortVersionString>99.0</dc:shortVersionString><sparkle:shortVersionString>2.0.0"
        "</sparkle:shortVersionString><enclosure url=\"https://d.example/b.tgz\""
        " sparkle:shortVersionString=\"9.9.9\"/></item>"
        "<item><title>Build only</title><sparkle:version>2.5</sparkle:version></item>"
        "<item><title>No version at all</title></item>"
        "<item><title>Wordy</title><sparkle:shortVersionString>beta"
        "</sparkle:shortVersionString></item>");
    const auto parsed = AppcastFeed::parse(document);
    ASSERT_TRUE(parsed);
    ASSERT_EQ(parsed->items().size(), 5);
    EXPECT_EQ(parsed->items()[0].displayVersion(), "3.0.0");
    EXPECT_EQ(parsed->items()[0].version, "300");
    EXPECT_EQ(parsed->items()[0].enclosureUrl, QUrl("https://d.example/a.tgz"));
    EXPECT_EQ(parsed->items()[1].displayVersion(), "2.0.0");
    EXPECT_EQ(parsed->items()[1].title, "Element wins");
    EXPECT_EQ(parsed->items()[2].displayVersion(), "2.5");
    EXPECT_EQ(parsed->items()[3].displayVersion(), "");
    EXPECT_EQ(parsed->items()[4].displayVersion(), "");
    EXPECT_EQ(parsed->newestItem()->title, "From enclosure");
}

TEST(AppcastFeedTest, OnlyWebPagesAreOfferedAndRelativeLinksFollowTheFeed)
{
    EXPECT_EQ(evaluate(feed(item("2.0", "../releases/2.0.html"))).pageUrl(),
              QUrl("https://lumenpause.example/releases/2.0.html"));
    for (const char *unsafe : {"file:///etc/passwd", "javascript:alert(1)", "ftp://x.example/",
                                  "https:///no-host"}) {
        const UpdateCheckResult result = evaluate(feed(item("2.0", unsafe)));
        EXPECT_EQ(result.status(), Status::newerVersionAvailable);
        EXPECT_TRUE(result.pageUrl().isEmpty()) << unsafe;
    }
    // An unsafe link does not hide a safe release-notes page.
    const QByteArray withNotes = feed(
        "<item><link>file:///etc/passwd</link><sparkle:shortVersionString>2.0"
        "</sparkle:shortVersionString><sparkle:releaseNotesLink>"
        "https://lumenpause.example/notes/2.0</sparkle:releaseNotesLink></item>");
    EXPECT_EQ(evaluate(withNotes).pageUrl(), QUrl("https://lumenpause.example/notes/2.0"));
}

TEST(AppcastFeedTest, UnreadableFeedsGiveAClearReasonInsteadOfAVerdict)
{
    const QByteArray valid = feed(item("9.0"));
    const std::vector<std::pair<QByteArray, QString>> cases = {
        {"", "The update feed is empty."},
        {"  \n ", "The update feed is empty."},
        {valid.left(valid.size() / 2), "The update feed is malformed"},
        {"<rss><channel><item></channel></rss>", "The update feed is malformed"},
        {"<html><body>Maintenance</body></html>", "The update feed is not an RSS feed."},
        {"<!DOCTYPE rss [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;&a;\">]>"
         "<rss><channel><item><title>&b;</title></item></channel></rss>",
         "The update feed declares a document type"},
        {feed("<item><title>No version</title></item>"), "The update feed lists no versions."},
        {feed(""), "The update feed lists no versions."},
    };
    for (const auto &[document, reason] : cases) {
        const UpdateCheckResult result = evaluate(document);
        EXPECT_EQ(result.status(), Status::feedUnreadable) << document.toStdString();
        EXPECT_TRUE(result.message().startsWith("Could not check for updates. " + reason))
            << result.message().toStdString();
    }
}

TEST(AppcastFeedTest, AVersionOfOursThatIsNoNumberIsNotComparedAgainst)
{
    const UpdateCheckResult result = evaluate(feed(item("2.0")), "unknown");
    EXPECT_EQ(result.status(), Status::feedUnreadable);
    EXPECT_TRUE(result.message().contains("\"unknown\" cannot be compared"));
}

TEST(AppcastFeedTest, AnOverlongVersionIsShortenedToItsNumber)
{
    const QString padded = "2.1.0 " + QString(500, QLatin1Char('x'));
    const UpdateCheckResult result = evaluate(feed(item(padded)));
    EXPECT_EQ(result.status(), Status::newerVersionAvailable);
    EXPECT_EQ(result.latestVersion(), "2.1.0");
    EXPECT_LT(result.message().size(), 200);
}
