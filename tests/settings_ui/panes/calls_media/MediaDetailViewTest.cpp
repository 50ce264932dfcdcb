#include "settings_ui/components/FadeIn.h"
#include "settings_ui/components/Motion.h"
#include "settings_ui/components/ToggleSwitch.h"
#include "settings_ui/panes/calls_media/MediaDetailView.h"
#include "settings_ui/panes/calls_media/MediaStatusCard.h"
#include "support/BreakScreenRig.h"
#include "support/SettingsPaneFixture.h"
#include "support/SnapshotBuilder.h"

#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using State = MediaPlaybackState;

const QString outside = "Detection is paused outside office hours.";
const QString antenna = "antenna.radiowaves.left.and.right";
const MeetingSignalSnapshot music = SnapshotBuilder().playing({"com.spotify.Client"});

class MediaDetailViewTest : public SettingsPaneFixture
{
protected:
    std::unique_ptr<MediaDetailView> openPane()
    {
        return shown(std::make_unique<MediaDetailView>(rig.services()), {620, 900});
    }
};

} // namespace

TEST(MediaStatusTest, OfficeHoursComeFirstThenTheStateAndTheSymbolFollowsTheStateAlone)
{
    struct Case
    {
        bool officeHours;
        bool inside;
        State state;
        QString line;
        QString symbol;
    };
    const Case cases[] = {
        {false, false, State::inactive, "No media playback detected.", antenna},
        {false, false, State::confirming, "Checking for media playback...", antenna},
        {false, false, State::active, "Media playback detected.", "play.circle.fill"},
        {false, false, State::ending, "Playback may have ended.", antenna},
        {true, true, State::active, "Media playback detected.", "play.circle.fill"},
        {true, true, State::ending, "Playback may have ended.", antenna},
        {true, false, State::inactive, outside, antenna},
        {true, false, State::active, outside, "play.circle.fill"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.line.toStdString() + (c.officeHours ? " (office hours on)" : ""));
        int asked = 0;
        const auto inside = [&] {
            ++asked;
            return c.inside;
        };
        EXPECT_EQ(MediaStatusCard::statusLine(c.officeHours, inside, c.state), c.line);
        EXPECT_EQ(asked, c.officeHours ? 1 : 0) << "with office hours off the answer is never asked for";
        EXPECT_EQ(MediaStatusCard::statusSymbol(c.state), c.symbol);
    }
}

TEST_F(MediaDetailViewTest, DetectionOffLeavesTheHeaderTheDetectionCardAndThePrivacyNote)
{
    const QByteArray before = rig.settingsFile();
    const auto pane = openPane();
    const auto shownParts = [&] { return partsShown(pane.get()); };
    EXPECT_EQ(pane->detectionSections(), nullptr);
    EXPECT_EQ(shownParts(), 3);
    EXPECT_NE(pane->findChild<QWidget *>("mediaPrivacy"), nullptr);
    EXPECT_EQ(rig.settingsFile(), before) << "opening writes nothing";

    auto *detection = find<ToggleSwitch>(pane.get(), "mediaDetectionEnabled");
    EXPECT_EQ(detection->accessibleName(), "Media playback detection");
    QTest::mouseClick(detection, Qt::LeftButton);
    EXPECT_TRUE(rig.timer.wellness.pauseDuringMedia());
    EXPECT_EQ(rig.timer.store.object("mediaDetectionEnabled"), QVariant(true));
    ASSERT_NE(pane->detectionSections(), nullptr);
    EXPECT_EQ(shownParts(), 4);
    for (const char *key : {"mediaPauseBreaks", "mediaPauseNotifications"})
        EXPECT_TRUE(find<ToggleSwitch>(pane.get(), key)->isVisible()) << key;
    EXPECT_EQ(find<QLabel>(pane.get(), "mediaStatus")->text(), "No media playback detected.");

    // Switched off elsewhere, the sections go at once; back on, they fade in only while the
    // pane is on screen, and nothing of the fade outlives a hidden pane.
    rig.timer.wellness.setPauseDuringMedia(false);
    BreakScreenRig::flushDeletions();
    EXPECT_EQ(shownParts(), 3);
    EXPECT_FALSE(detection->isChecked());
    Motion::setJumpToEnd(false);
    rig.timer.wellness.setPauseDuringMedia(true);
    ASSERT_NE(pane->detectionSections(), nullptr);
    EXPECT_TRUE(FadeIn::isFading(pane->detectionSections()));
    pane->hide();
    EXPECT_FALSE(FadeIn::isFading(pane->detectionSections()));
    EXPECT_EQ(pane->detectionSections()->graphicsEffect(), nullptr);
}

TEST_F(MediaDetailViewTest, TheStatusFollowsPlaybackAndOfficeHoursWithoutATimer)
{
    rig.timer.scheduler.start();
    rig.timer.wellness.startRuntime();
    rig.timer.wellness.setPauseDuringMedia(true);
    const auto pane = openPane();
    auto *card = pane->findChild<MediaStatusCard *>();
    ASSERT_NE(card, nullptr);
    struct Step
    {
        const char *what;
        std::function<void()> act;
        QString line;
        QString symbol;
    };
    const Step steps[] = {
        {"as it opens", [] {}, "No media playback detected.", antenna},
        {"music starts", [&] { deliver(music); }, "Checking for media playback...", antenna},
        {"it plays on", [&] { deliver(music, 10); }, "Media playback detected.", "play.circle.fill"},
        {"office hours switched on in the evening",
         [&] {
             rig.clock.setNow(QDateTime(QDate(2025, 3, 4), QTime(20, 0)));
             rig.settings.setOfficeHoursEnabled(true);
         },
         outside, "play.circle.fill"},
        {"the morning comes and the every-second office-hours check notices",
         [&] {
             rig.clock.setNow(QDateTime(QDate(2025, 3, 5), QTime(9, 30)));
             rig.settings.isWithinOfficeHours(rig.clock);
         },
         "Media playback detected.", "play.circle.fill"},
        {"the music stops", [&] { deliver(MeetingSignalSnapshot(), 1); }, "Playback may have ended.", antenna},
        {"the grace runs out", [&] { deliver(MeetingSignalSnapshot(), 10); }, "No media playback detected.", antenna},
    };
    for (const Step &step : steps) {
        SCOPED_TRACE(step.what);
        step.act();
        EXPECT_EQ(card->statusText(), step.line);
        EXPECT_EQ(card->shownSymbol(), step.symbol);
    }
}

TEST_F(MediaDetailViewTest, TheSwitchesWriteTheirKeysAndFollowChangesMadeElsewhere)
{
    rig.timer.wellness.setPauseDuringMedia(true);
    const auto pane = openPane();
    for (const char *key : {"mediaPauseBreaks", "mediaPauseNotifications"}) {
        SCOPED_TRACE(key);
        auto *control = find<ToggleSwitch>(pane.get(), key);
        EXPECT_TRUE(control->isChecked());
        QTest::mouseClick(control, Qt::LeftButton);
        EXPECT_FALSE(storedJson().value(key).toBool(true));
    }
    EXPECT_EQ(find<ToggleSwitch>(pane.get(), "mediaPauseBreaks")->accessibleName(), "Pause break reminders");
    rig.settings.setMediaPauseBreaks(true);
    EXPECT_TRUE(find<ToggleSwitch>(pane.get(), "mediaPauseBreaks")->isChecked());
    EXPECT_FALSE(find<ToggleSwitch>(pane.get(), "mediaPauseNotifications")->isChecked());
}
