// The Smart Behavior, Media and Wellness panes whole, as they scroll in the window:
// - Smart Behavior with the registered defaults, with idle detection off, under each
//   sensitivity, and with the Persistent card under the pointer;
// - Media with detection off (as it opens by default), on in each state of a playback,
//   outside office hours while playback goes on, and with no sound server to detect it by;
// - Wellness as it opens by default, with the notifications warning, with every card on and
//   with every card off.

#include "SettingsRenderStates.h"

#include "settings_ui/MediaDetailView.h"
#include "settings_ui/SensitivityCard.h"
#include "settings_ui/SmartPauseDetailView.h"
#include "settings_ui/WellnessDetailView.h"
#include "support/RenderTool.h"
#include "support/SettingsWindowRig.h"
#include "support/SnapshotBuilder.h"

namespace {

const MeetingSignalSnapshot music = SnapshotBuilder().playing({"com.spotify.Client"});

// A pane of the settings window as its section makes it.
SettingsRenderContext::PaneMaker paneOf(QWidget *(*make)(const ContentServices &services))
{
    return [make](SettingsWindowRig &rig) { return make(rig.services()); };
}

void detectMedia(SettingsWindowRig &rig)
{
    rig.timer.scheduler.start();
    rig.timer.wellness.startRuntime();
    rig.timer.wellness.setPauseDuringMedia(true);
}

void hoverPersistent(const QString &name, QWidget *pane)
{
    if (name.endsWith(QLatin1String("-hovered")))
        hoverCentre(pane->findChild<SensitivityCard *>(QStringLiteral("reminderSensitivity.Persistent")));
}

bool renderSmartBehavior(SettingsRenderContext &context)
{
    return context.savePanes(
        paneOf(&SmartPauseDetailView::make),
        {
            {"smart-defaults", [](SettingsWindowRig &) {}},
            {"smart-idle-off", [](SettingsWindowRig &rig) { rig.settings.setIdleDetectionEnabled(false); }},
            {"smart-normal", [](SettingsWindowRig &rig) { rig.settings.setReminderSensitivity("Normal"); }},
            {"smart-persistent", [](SettingsWindowRig &rig) { rig.settings.setReminderSensitivity("Persistent"); }},
            {"smart-normal-hovered", [](SettingsWindowRig &rig) { rig.settings.setReminderSensitivity("Normal"); }},
        },
        hoverPersistent);
}

bool renderMedia(SettingsRenderContext &context)
{
    return context.savePanes(
        paneOf(&MediaDetailView::make),
        {
            {"media-off", [](SettingsWindowRig &) {}},
            {"media-inactive", detectMedia},
            {"media-confirming",
             [](SettingsWindowRig &rig) {
                 detectMedia(rig);
                 rig.deliverActivity(music);
             }},
            {"media-active",
             [](SettingsWindowRig &rig) {
                 detectMedia(rig);
                 rig.deliverActivity(music, 10);
             }},
            {"media-ending",
             [](SettingsWindowRig &rig) {
                 detectMedia(rig);
                 rig.deliverActivity(music, 10);
                 rig.deliverActivity(MeetingSignalSnapshot(), 1);
             }},
            {"media-unavailable",
             [](SettingsWindowRig &rig) {
                 detectMedia(rig);
                 rig.setAudioAvailable(false);
             }},
            {"media-outside-office-hours",
             [](SettingsWindowRig &rig) {
                 detectMedia(rig);
                 rig.deliverActivity(music, 10);
                 rig.clock.setNow(QDateTime(QDate(2025, 3, 4), QTime(20, 0)));
                 rig.settings.setOfficeHoursEnabled(true);
             }},
        });
}

bool renderWellness(SettingsRenderContext &context)
{
    return context.savePanes(
        paneOf(&WellnessDetailView::make),
        {
            {"wellness-defaults", [](SettingsWindowRig &) {}},
            {"wellness-notifications-off",
             [](SettingsWindowRig &rig) { rig.settings.setNotificationsEnabled(false); }},
            {"wellness-all-on", [](SettingsWindowRig &rig) { rig.timer.wellness.setBlinkEnabled(true); }},
            {"wellness-all-off",
             [](SettingsWindowRig &rig) {
                 rig.timer.wellness.setPostureEnabled(false);
                 rig.timer.typing.setEnabled(false);
             }},
        });
}

const SettingsRenderStates::Registration smartBehavior("smart-behavior", renderSmartBehavior);
const SettingsRenderStates::Registration media("media", renderMedia);
const SettingsRenderStates::Registration wellness("wellness", renderWellness);

} // namespace
