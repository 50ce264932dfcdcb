#include "core/AppServices.h"
#include "core/DirectDistributionService.h"
#include "core/UpdateService.h"
#include "menubar/UpdateResultDialog.h"
#include "settings_ui/components/SettingCard.h"
#include "settings_ui/components/SettingsRowDivider.h"
#include "settings_ui/panes/app/AboutDetailView.h"
#include "settings_ui/panes/app/IconRowButton.h"
#include "support/AppcastText.h"
#include "support/BreakScreenRig.h"
#include "support/LocalHttpServer.h"
#include "support/SettingsWindowRig.h"

#include <QApplication>
#include <QClipboard>
#include <QDeadlineTimer>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class AboutDetailViewTest : public ::testing::Test
{
protected:
    ~AboutDetailViewTest() override { BreakScreenRig::flushDeletions(); }

    std::unique_ptr<AboutDetailView> openPane()
    {
        ContentServices services = rig.services();
        services.openUrl = [this](const QUrl &url) {
            opened.append(url);
            return true;
        };
        services.appServices = appServices;
        auto pane = std::make_unique<AboutDetailView>(services);
        pane->resize(620, 700);
        pane->show();
        return pane;
    }

    static void click(QWidget &pane, const char *row)
    {
        QTest::mouseClick(pane.findChild<IconRowButton *>(row), Qt::LeftButton);
    }

    static QString shareTrailing(QWidget &pane)
    {
        return pane.findChild<IconRowButton *>("share")->trailingText();
    }

    SettingsWindowRig rig;
    QList<QUrl> opened;
    // No update feed under the test host unless a test gives one.
    AppServices appServices{std::make_unique<DirectDistributionService>(true)};
};

} // namespace

TEST_F(AboutDetailViewTest, TheHeaderNamesTheApplicationAndItsVersionOrUnknown)
{
    const std::tuple<QVariantMap, const char *, const char *> cases[] = {
        {{}, "Lumenpause", "Version Unknown"},
        {{{"CFBundleShortVersionString", " \n"}}, "Lumenpause", "Version Unknown"},
        {{{"CFBundleShortVersionString", 3}}, "Lumenpause", "Version Unknown"},
        {{{"CFBundleShortVersionString", " 2.4.1\n"}, {"CFBundleName", "Lumen"}}, "Lumen", "Version 2.4.1"},
    };
    for (const auto &[info, name, version] : cases) {
        SCOPED_TRACE(version);
        rig.info = info;
        const auto pane = openPane();
        EXPECT_EQ(pane->findChild<QLabel *>("appName")->text(), name);
        EXPECT_EQ(pane->findChild<QLabel *>("version")->text(), version);
    }
    // Five rows, a divider between each two, none above the first or below the last.
    const auto pane = openPane();
    const auto *links = pane->findChild<IconRowButton *>("share")->parentWidget();
    ASSERT_NE(qobject_cast<const SettingCard *>(links), nullptr);
    QStringList order;
    for (const QObject *child : links->children()) {
        if (const auto *row = qobject_cast<const IconRowButton *>(child))
            order << row->title();
        else if (qobject_cast<const SettingsRowDivider *>(child))
            order << "|";
    }
    EXPECT_EQ(order, QStringList({"Check for Updates", "|", "Report a Bug", "|", "Website", "|", "Contact", "|",
                                  "Share Lumenpause"}));
}

TEST_F(AboutDetailViewTest, EachLinkRowHandsItsAddressToTheOpener)
{
    const auto pane = openPane();
    click(*pane, "reportBug");
    click(*pane, "website");
    click(*pane, "contact");
    EXPECT_EQ(opened, QList<QUrl>({AboutDetailView::feedbackPage(), AboutDetailView::homePage(),
                                   AboutDetailView::contactPage()}));
    for (const QUrl &page : opened) {
        EXPECT_EQ(page.scheme(), "https");
        EXPECT_FALSE(page.host().isEmpty());
    }
}

TEST_F(AboutDetailViewTest, ShareCopiesExactlyItsTextAndCopiedLastsTwoSecondsFromTheFirstClick)
{
    QGuiApplication::clipboard()->setText("something copied earlier");
    auto pane = openPane();
    EXPECT_EQ(shareTrailing(*pane), "Copy link");
    struct Moment
    {
        double at;
        bool click;
        const char *shown;
    };
    const Moment timeline[] = {
        {0.0, true, "Copied!"}, {1.0, true, "Copied!"}, {1.99, false, "Copied!"},
        {2.0, false, "Copy link"}, {3.5, false, "Copy link"},
    };
    double now = 0;
    for (const Moment &moment : timeline) {
        SCOPED_TRACE(moment.at);
        rig.clock.advance(moment.at - now);
        now = moment.at;
        if (moment.click)
            click(*pane, "share");
        EXPECT_EQ(shareTrailing(*pane), moment.shown);
    }
    EXPECT_EQ(QGuiApplication::clipboard()->text(),
              "Lumenpause for Linux \u2014 break reminders that respect your flow. " + AboutDetailView::homePage().toString());
    EXPECT_TRUE(rig.clock.scheduledBlocks().isEmpty()) << "nothing waits once the mark is gone";

    // A hidden window and a pane that goes take their waiting reset with them.
    click(*pane, "share");
    pane->hide();
    EXPECT_TRUE(rig.clock.scheduledBlocks().isEmpty());
    EXPECT_EQ(shareTrailing(*pane), "Copy link");
    pane->show();
    click(*pane, "share");
    ASSERT_EQ(rig.clock.scheduledBlocks().size(), 1);
    pane.reset();
    EXPECT_TRUE(rig.clock.scheduledBlocks().isEmpty());
}

TEST_F(AboutDetailViewTest, CheckForUpdatesReportsWhatTheFeedSaysThroughTheApplicationsDialog)
{
    LocalHttpServer server;
    ASSERT_TRUE(server.listen());
    AppConfiguration configuration;
    configuration.updateFeedURL = server.url("/appcast.xml");
    AppServices withFeed(std::make_unique<DirectDistributionService>(false, configuration, "1.4.0"));
    UpdateResultDialog dialog(rig.theme);
    QObject::connect(&withFeed.distribution().updateService(), &UpdateService::checkFinished, &dialog,
                     &UpdateResultDialog::showResult);
    // The dialog as it is at the end of a check, "-" when none was shown within the deadline.
    const auto reported = [&](const std::unique_ptr<AboutDetailView> &pane) {
        dialog.hide();
        click(*pane, "checkForUpdates");
        QDeadlineTimer deadline(10000);
        while (!dialog.isVisible() && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        return dialog.isVisible() ? dialog.findChild<QLabel *>("heading")->text() : QStringLiteral("-");
    };

    {
        // Under the test host the update service does nothing, and nothing shows.
        UpdateResultDialog noOp(rig.theme);
        QObject::connect(&appServices.distribution().updateService(), &UpdateService::checkFinished, &noOp,
                         &UpdateResultDialog::showResult);
        const auto pane = openPane();
        click(*pane, "checkForUpdates");
        QCoreApplication::processEvents();
        EXPECT_FALSE(noOp.isVisible());
        EXPECT_EQ(server.totalRequests(), 0);
    }

    ContentServices services = rig.services();
    services.appServices = withFeed;
    const auto pane = std::make_unique<AboutDetailView>(services);
    server.serve("/appcast.xml", AppcastText::feed(AppcastText::item("1.5.0", "https://lumenpause.example/1.5")));
    EXPECT_EQ(reported(pane), "A new version is available");
    server.serve("/appcast.xml", AppcastText::feed(AppcastText::item("1.4.0")));
    EXPECT_EQ(reported(pane), "You're up to date");
    EXPECT_EQ(server.requestCount("/appcast.xml"), 2);
}
