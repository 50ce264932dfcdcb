#include "settings_ui/panes/calls_media/DetectionStatusCard.h"
#include "settings_ui/panes/calls_media/MediaDetailView.h"
#include "settings_ui/panes/calls_media/MeetingsDetailView.h"
#include "support/SettingsPaneFixture.h"
#include "support/SnapshotBuilder.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

// The "Current status" card of both detection panes while the sound server goes away and
// comes back: it warns that detection cannot work in its title's words and colour, keeping its
// own symbol, gives way to the office-hours line while detection rests anyway, and returns to
// what the detector sees, all as the wellness scheduler publishes it, without a timer.

namespace {

struct PaneTexts
{
    const char *pane;
    std::function<QWidget *(SettingsWindowRig &)> open;
    QString quiet;
    QString outsideOfficeHours;
    QString unavailable;
    MeetingSignalSnapshot activity;
    QString activitySeen;
};

const QString current = QStringLiteral("Current status");
const QString warning = QStringLiteral("Detection unavailable");
const QString antenna = QStringLiteral("antenna.radiowaves.left.and.right");

class DetectionStatusCardTest : public SettingsPaneFixture
{
};

} // namespace

TEST_F(DetectionStatusCardTest, WithoutASoundServerItSaysDetectionCannotWorkUntilTheServerIsBack)
{
    const PaneTexts panes[] = {
        {"Calls & Recordings",
         [](SettingsWindowRig &rig) { return new MeetingsDetailView(rig.services()); },
         "No active call or microphone recording detected.",
         "Detection is paused outside your configured office hours.",
         "No sound server is reachable, so calls and recordings can't be detected.",
         SnapshotBuilder().recording({"bin:zoom"}), "Confirming Zoom audio activity..."},
        {"Media",
         [](SettingsWindowRig &rig) {
             rig.timer.wellness.setPauseDuringMedia(true);
             return new MediaDetailView(rig.services());
         },
         "No media playback detected.", "Detection is paused outside office hours.",
         "No sound server is reachable, so playback can't be detected.",
         SnapshotBuilder().playing({"com.spotify.Client"}), "Checking for media playback..."},
    };
    rig.timer.scheduler.start();
    rig.timer.wellness.startRuntime();
    // One pane after the other on the same rig, each from the server's being there.
    for (const PaneTexts &texts : panes) {
        SCOPED_TRACE(texts.pane);
        std::unique_ptr<QWidget> pane(texts.open(rig));
        pane->resize(620, 1200);
        pane->show();
        auto *card = pane->findChild<DetectionStatusCard *>();
        ASSERT_NE(card, nullptr);
        QSignalSpy published(&rig.timer.wellness, &WellnessScheduler::audioSignalsAvailableChanged);
        const QColor titleColour = card->titleColour();

        struct Step
        {
            const char *what;
            std::function<void()> act;
            QString title;
            QString line;
        };
        const Step steps[] = {
            {"as it opens", [] {}, current, texts.quiet},
            {"the sound server goes away", [&] { rig.setAudioAvailable(false); }, warning, texts.unavailable},
            {"told so again", [&] { rig.setAudioAvailable(false); }, warning, texts.unavailable},
            {"office hours switched on in the evening",
             [&] {
                 rig.clock.setNow(QDateTime(QDate(2025, 3, 4), QTime(20, 0)));
                 rig.settings.setOfficeHoursEnabled(true);
             },
             current, texts.outsideOfficeHours},
            {"office hours switched off again", [&] { rig.settings.setOfficeHoursEnabled(false); }, warning,
             texts.unavailable},
            {"the server is back", [&] { rig.setAudioAvailable(true); }, current, texts.quiet},
            {"and activity is seen again", [&] { rig.deliverActivity(texts.activity); }, current,
             texts.activitySeen},
        };
        for (const Step &step : steps) {
            SCOPED_TRACE(step.what);
            step.act();
            EXPECT_EQ(card->titleText(), step.title);
            EXPECT_EQ(card->statusText(), step.line);
            EXPECT_EQ(card->showsUnavailable(), step.title == warning);
            EXPECT_EQ(card->shownSymbol(), antenna);
            EXPECT_EQ(card->titleColour() != titleColour, step.title == warning);
        }
        EXPECT_EQ(published.size(), 2) << "published once when it went and once when it came back";
        EXPECT_TRUE(rig.timer.wellness.audioSignalsAvailable());
    }
}
