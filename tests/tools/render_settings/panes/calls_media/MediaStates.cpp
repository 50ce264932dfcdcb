// The Media pane whole, as it scrolls in the window: with detection off (as it opens by
// default), on in each state of a playback, outside office hours while playback goes on, and
// with no sound server to detect it by.

#include "render_settings/SettingsRenderStates.h"

#include "settings_ui/panes/calls_media/MediaDetailView.h"
#include "support/SettingsWindowRig.h"
#include "support/SnapshotBuilder.h"

namespace {

const MeetingSignalSnapshot music = SnapshotBuilder().playing({"com.spotify.Client"});

void detectMedia(SettingsWindowRig &rig)
{
    rig.timer.scheduler.start();
    rig.timer.wellness.startRuntime();
    rig.timer.wellness.setPauseDuringMedia(true);
}

bool renderMedia(SettingsRenderContext &context)
{
    return context.savePanes(
        [](SettingsWindowRig &rig) { return MediaDetailView::make(rig.services()); },
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

const SettingsRenderStates::Registration media("media", renderMedia);

} // namespace
