// The Calls & Recordings pane whole, as it scrolls in the window: as it opens (adjust, no
// call), with detection off, with each after-call behaviour (an unknown stored one included),
// in each state of a detected Zoom call, and outside office hours.

#include "SettingsRenderStates.h"

#include "settings_ui/MeetingsDetailView.h"
#include "support/SettingsWindowRig.h"
#include "support/SnapshotBuilder.h"
#include "support/WellnessRig.h"

#include <QVBoxLayout>

#include <functional>

namespace {

constexpr int detailWidth = 660;
constexpr int detailPadding = 20;

const MeetingSignalSnapshot zoomCall = SnapshotBuilder().recording({"bin:zoom"});

QWidget *inDetailArea(QWidget *pane)
{
    auto *area = new QWidget;
    auto *layout = new QVBoxLayout(area);
    layout->setContentsMargins(detailPadding, detailPadding, detailPadding, detailPadding);
    layout->addWidget(pane);
    return area;
}

// The activity signals deliver the snapshot, then again at the end of each of `seconds`.
void deliver(SettingsWindowRig &rig, const MeetingSignalSnapshot &snapshot, int seconds = 0)
{
    rig.timer.activitySignals.deliver(snapshot);
    WellnessRig::runMainThreadWork();
    for (int second = 0; second < seconds; ++second) {
        rig.timer.clock.advance(1);
        rig.timer.activitySignals.deliver(snapshot);
        WellnessRig::runMainThreadWork();
    }
}

void startDetection(SettingsWindowRig &rig)
{
    rig.timer.scheduler.start();
    rig.timer.wellness.startRuntime();
}

bool renderPane(SettingsRenderContext &context, const QString &name,
                const std::function<void(SettingsWindowRig &rig)> &prepare)
{
    SettingsWindowRig rig;
    prepare(rig);
    return context.save(name, context.sheet(inDetailArea(new MeetingsDetailView(rig.services())), detailWidth));
}

bool renderMeetings(SettingsRenderContext &context)
{
    const std::pair<const char *, std::function<void(SettingsWindowRig &)>> states[] = {
        {"meetings-adjust", [](SettingsWindowRig &) {}},
        {"meetings-off", [](SettingsWindowRig &rig) { rig.timer.wellness.setPauseDuringMeetings(false); }},
        {"meetings-resume", [](SettingsWindowRig &rig) { rig.settings.setMeetingAfterBehavior("resume"); }},
        {"meetings-unknown-behaviour",
         [](SettingsWindowRig &rig) { rig.settings.setMeetingAfterBehavior("sometimes"); }},
        {"meetings-probable",
         [](SettingsWindowRig &rig) {
             startDetection(rig);
             deliver(rig, zoomCall);
         }},
        {"meetings-active",
         [](SettingsWindowRig &rig) {
             startDetection(rig);
             deliver(rig, zoomCall, 2);
         }},
        {"meetings-ending",
         [](SettingsWindowRig &rig) {
             startDetection(rig);
             deliver(rig, zoomCall, 2);
             deliver(rig, MeetingSignalSnapshot(), 1);
         }},
        {"meetings-outside-office-hours",
         [](SettingsWindowRig &rig) {
             rig.clock.setNow(QDateTime(QDate(2025, 3, 4), QTime(20, 0)));
             rig.settings.setOfficeHoursEnabled(true);
         }},
    };
    bool written = true;
    for (const auto &[name, prepare] : states)
        written &= renderPane(context, QLatin1String(name), prepare);
    return written;
}

const SettingsRenderStates::Registration meetings("meetings", renderMeetings);

} // namespace
