// The Calls & Recordings pane whole, as it scrolls in the window: as it opens (adjust, no
// call), with detection off, with each after-call behaviour (an unknown stored one included),
// in each state of a detected Zoom call, outside office hours, and with no sound server to
// detect calls by.

#include "render_settings/SettingsRenderStates.h"

#include "settings_ui/panes/calls_media/MeetingsDetailView.h"
#include "support/SettingsWindowRig.h"
#include "support/SnapshotBuilder.h"

namespace {

const MeetingSignalSnapshot zoomCall = SnapshotBuilder().recording({"bin:zoom"});

void startDetection(SettingsWindowRig &rig)
{
    rig.timer.scheduler.start();
    rig.timer.wellness.startRuntime();
}

bool renderMeetings(SettingsRenderContext &context)
{
    const auto pane = [](SettingsWindowRig &rig) { return new MeetingsDetailView(rig.services()); };
    return context.savePanes(pane, {
        {"meetings-adjust", [](SettingsWindowRig &) {}},
        {"meetings-off", [](SettingsWindowRig &rig) { rig.timer.wellness.setPauseDuringMeetings(false); }},
        {"meetings-resume", [](SettingsWindowRig &rig) { rig.settings.setMeetingAfterBehavior("resume"); }},
        {"meetings-unknown-behaviour",
         [](SettingsWindowRig &rig) { rig.settings.setMeetingAfterBehavior("sometimes"); }},
        {"meetings-probable",
         [](SettingsWindowRig &rig) {
             startDetection(rig);
             rig.deliverActivity(zoomCall);
         }},
        {"meetings-active",
         [](SettingsWindowRig &rig) {
             startDetection(rig);
             rig.deliverActivity(zoomCall, 2);
         }},
        {"meetings-ending",
         [](SettingsWindowRig &rig) {
             startDetection(rig);
             rig.deliverActivity(zoomCall, 2);
             rig.deliverActivity(MeetingSignalSnapshot(), 1);
         }},
        {"meetings-unavailable",
         [](SettingsWindowRig &rig) {
             startDetection(rig);
             rig.setAudioAvailable(false);
         }},
        {"meetings-outside-office-hours",
         [](SettingsWindowRig &rig) {
             rig.clock.setNow(QDateTime(QDate(2025, 3, 4), QTime(20, 0)));
             rig.settings.setOfficeHoursEnabled(true);
         }},
    });
}

const SettingsRenderStates::Registration meetings("meetings", renderMeetings);

} // namespace
