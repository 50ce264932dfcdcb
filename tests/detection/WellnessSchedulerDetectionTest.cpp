#include "support/SnapshotBuilder.h"
#include "support/WellnessRig.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

const MeetingSignalSnapshot quiet;
const MeetingSignalSnapshot zoomCall = SnapshotBuilder().recording({"bin:zoom"});
const MeetingSignalSnapshot spotify = SnapshotBuilder().playing({"com.spotify.Client"});

const QString callStarted = "detected_activity_started | breakPause=true confidence=100% "
                            "detector=zoom notificationPause=true state=active";
const QString endedWithBoth = "detected_activity_ended | breaksPaused=true notificationsPaused=true";

// zoom's microphone from now on: the call is confirmed two seconds later.
void joinCall(WellnessRig &rig)
{
    rig.deliver(zoomCall);
    rig.deliverEverySecond(zoomCall, 2);
}

// Quiet until the 25 s grace has run out.
void leaveCall(WellnessRig &rig)
{
    rig.deliverEverySecond(quiet, 26);
}

bool callHoldsEverything(const WellnessRig &rig)
{
    return rig.scheduler.pauseReasons().contains(PauseReason::meeting)
        && rig.wellness.pauseReasons().contains(PauseReason::meeting)
        && rig.reminders.isSuppressed(ReminderSuppressionReason::meeting)
        && rig.wellness.breaksPausedByMeeting() && rig.wellness.notificationsPausedByMeeting();
}

bool callHoldsNothing(const WellnessRig &rig)
{
    return !rig.scheduler.pauseReasons().contains(PauseReason::meeting)
        && !rig.wellness.pauseReasons().contains(PauseReason::meeting)
        && !rig.reminders.isSuppressed(ReminderSuppressionReason::meeting)
        && !rig.wellness.isMeetingActive();
}

} // namespace

TEST(WellnessSchedulerDetectionTest, ACallHoldsBreaksAndNoticesUntilItsGraceRunsOut)
{
    WellnessRig rig;
    rig.startRuntime();
    EXPECT_EQ(rig.events("Wellness", "runtime_started"),
              QStringList({"runtime_started | blinkEnabled=false mediaDetection=false "
                           "meetingDetection=true officeHoursActive=true postureEnabled=true"}));
    ASSERT_EQ(rig.activitySignals.sessionID(), 1);
    EXPECT_FALSE(rig.activitySignals.starts().constLast().includeMediaSignals);
    ASSERT_TRUE(rig.activitySignals.runningInterest());
    EXPECT_TRUE(rig.activitySignals.runningInterest()->applicationPrefixes.contains("bin:firefox"));

    rig.deliver(zoomCall);
    EXPECT_EQ(rig.wellness.meetingContextSnapshot().state, MeetingState::probable);
    EXPECT_FALSE(rig.activitySignals.nothingWaitsOnTime()); // the confirmation waits on time
    EXPECT_TRUE(callHoldsNothing(rig));
    rig.deliverEverySecond(zoomCall, 2);
    EXPECT_TRUE(callHoldsEverything(rig));
    EXPECT_TRUE(rig.activitySignals.nothingWaitsOnTime());
    EXPECT_EQ(rig.wellness.activeDetectorTypeSnapshot(), DetectorType::zoom);
    EXPECT_EQ(rig.wellness.meetingConfidenceSnapshot(), 1.0);
    EXPECT_EQ(rig.events("Meeting", "detected_activity_started"), QStringList({callStarted}));

    // A reminder that falls due while the call holds notices is dropped.
    rig.wellness.deliverPostureReminder();
    EXPECT_EQ(rig.wellness.postureReminderCount(), 0);

    rig.deliverEverySecond(quiet, 25);
    EXPECT_TRUE(callHoldsEverything(rig)); // 24 s into the grace
    EXPECT_FALSE(rig.activitySignals.nothingWaitsOnTime());
    rig.deliverEverySecond(quiet, 1);
    EXPECT_TRUE(callHoldsNothing(rig));
    EXPECT_TRUE(rig.scheduler.isRunning());
    EXPECT_EQ(rig.events("Meeting", "detected_activity_ended"), QStringList({endedWithBoth}));
    EXPECT_EQ(rig.events("meeting_adjusted_timer").size(), 1);
    EXPECT_TRUE(rig.activitySignals.nothingWaitsOnTime());
    // The monitor heard only the three changes (active, ending, ended), not every result.
    EXPECT_EQ(rig.activitySignals.nothingWaitsUpdates(), 3);
}

TEST(WellnessSchedulerDetectionTest, ACallAndPlaybackHoldTheirOwnPauses)
{
    WellnessRig rig;
    rig.startRuntime();
    rig.wellness.setPauseDuringMedia(true);
    const MeetingSignalSnapshot both =
        SnapshotBuilder().recording({"bin:zoom"}).playing({"com.spotify.Client"});
    rig.deliver(both);
    rig.deliverEverySecond(both, 10);
    EXPECT_TRUE(callHoldsEverything(rig));
    EXPECT_EQ(rig.scheduler.pauseReasons(), PauseReasonSet({PauseReason::meeting, PauseReason::media}));
    EXPECT_EQ(rig.wellness.pauseReasons(), PauseReasonSet({PauseReason::meeting, PauseReason::media}));
    EXPECT_EQ(rig.events("Media", "detected_activity_started"),
              QStringList({"detected_activity_started | breakPause=true confidence=78% "
                           "notificationPause=true source=audioPlayer state=active"}));
    EXPECT_EQ(rig.wellness.mediaDiagnosticsSnapshot(), (MediaSignalDiagnostics{1, 1, 0, std::nullopt}));

    rig.deliverEverySecond(spotify, 26); // the call ends, the music plays on
    EXPECT_TRUE(callHoldsNothing(rig));
    EXPECT_EQ(rig.scheduler.pauseReasons(), PauseReasonSet({PauseReason::media}));
    EXPECT_EQ(rig.wellness.pauseReasons(), PauseReasonSet({PauseReason::media}));
    EXPECT_TRUE(rig.reminders.isSuppressed(ReminderSuppressionReason::media));

    rig.settings.setMediaPauseBreaks(false);
    EXPECT_FALSE(rig.scheduler.isPaused());
    rig.settings.setMediaPauseNotifications(false);
    EXPECT_FALSE(rig.reminders.isSuppressed(ReminderSuppressionReason::media));
    EXPECT_TRUE(rig.wellness.pauseReasons().isEmpty());
    rig.deliverEverySecond(quiet, 11);
    EXPECT_FALSE(rig.wellness.isMediaPlaybackActive());
    EXPECT_TRUE(rig.events("Media", "detected_activity_ended").isEmpty()); // nothing was held
}

TEST(WellnessSchedulerDetectionTest, ResumeAnywayRunsBreaksThroughTheRestOfTheCall)
{
    WellnessRig rig;
    rig.startRuntime();
    rig.wellness.overrideBreakPauseForCurrentMeeting(); // no call: nothing, no line
    EXPECT_TRUE(rig.log.messages("Meeting").isEmpty());

    joinCall(rig);
    rig.wellness.overrideBreakPauseForCurrentMeeting();
    EXPECT_TRUE(rig.scheduler.isRunning());
    EXPECT_FALSE(rig.wellness.breaksPausedByMeeting());
    EXPECT_TRUE(rig.wellness.notificationsPausedByMeeting());
    EXPECT_TRUE(rig.reminders.isSuppressed(ReminderSuppressionReason::meeting));
    EXPECT_TRUE(rig.log.contains("Meeting", "break_pause_overridden"));
    rig.settings.setMeetingPauseBreaks(false);
    rig.settings.setMeetingPauseBreaks(true);
    EXPECT_TRUE(rig.scheduler.isRunning()); // the override holds for this call

    leaveCall(rig);
    EXPECT_EQ(rig.events("Meeting", "detected_activity_ended"),
              QStringList({"detected_activity_ended | breaksPaused=false notificationsPaused=true"}));
    joinCall(rig);
    EXPECT_TRUE(callHoldsEverything(rig)); // the next call pauses breaks again
}

TEST(WellnessSchedulerDetectionTest, PauseSettingsChangedDuringACallApplyAtOnce)
{
    WellnessRig rig;
    rig.startRuntime();
    joinCall(rig);
    rig.settings.setMeetingPauseBreaks(false);
    EXPECT_FALSE(rig.scheduler.isPaused());
    rig.settings.setMeetingPauseBreaks(true);
    EXPECT_TRUE(rig.scheduler.pauseReasons().contains(PauseReason::meeting));
    rig.settings.setMeetingPauseNotifications(false);
    EXPECT_FALSE(rig.reminders.isSuppressed(ReminderSuppressionReason::meeting));
    EXPECT_TRUE(rig.wellness.pauseReasons().isEmpty());
    rig.settings.setMeetingPauseNotifications(true);
    EXPECT_TRUE(callHoldsEverything(rig));

    WellnessRig neither({{"meetingPauseBreaks", false}, {"meetingPauseNotifications", false}});
    neither.startRuntime();
    joinCall(neither);
    EXPECT_TRUE(neither.wellness.isMeetingActive());
    EXPECT_FALSE(neither.scheduler.isPaused());
    EXPECT_EQ(neither.events("Meeting", "detected_activity_started"),
              QStringList({"detected_activity_started | breakPause=false confidence=100% "
                           "detector=zoom notificationPause=false state=active"}));
    leaveCall(neither);
    EXPECT_FALSE(neither.wellness.isMeetingActive());
    EXPECT_TRUE(neither.events("Meeting", "detected_activity_ended").isEmpty());
}

TEST(WellnessSchedulerDetectionTest, EndingDetectionReleasesTheCallAndIgnoresLaterSnapshots)
{
    struct Row
    {
        const char *name;
        std::function<void(WellnessRig &)> end;
        QStringList monitoringLines; // from the end on, in order
    };
    const Row rows[] = {
        {"detection switched off",
         [](WellnessRig &rig) { rig.wellness.setPauseDuringMeetings(false); },
         {"signal_monitor_stopped | generation=2 officeHoursActive=true runtimeStarted=true"}},
        {"office hours left",
         [](WellnessRig &rig) { rig.wellness.setOfficeHoursActive(false); },
         {"signal_monitor_stopped | generation=2 officeHoursActive=false runtimeStarted=true",
          "office_hours_state_changed | active=false"}},
        {"runtime stopped", [](WellnessRig &rig) { rig.wellness.stopRuntime(); },
         {"signal_monitor_stopped | generation=2 officeHoursActive=true runtimeStarted=false",
          "runtime_stopped"}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        WellnessRig rig;
        rig.startRuntime();
        joinCall(rig);
        const qsizetype before = rig.log.messages("Wellness").size();
        row.end(rig);
        EXPECT_TRUE(callHoldsNothing(rig));
        EXPECT_EQ(rig.events("Meeting", "detected_activity_ended"), QStringList({endedWithBoth}));
        EXPECT_EQ(rig.wellness.meetingContextSnapshot(), MeetingContext::inactive());
        EXPECT_FALSE(rig.activitySignals.isStarted());
        EXPECT_FALSE(rig.activitySignals.nothingWaitsOnTime());
        QStringList lines = rig.log.messages("Wellness").mid(before);
        lines.removeIf([](const QString &line) {
            return !line.startsWith("signal_monitor") && !line.startsWith("office_hours")
                && !line.startsWith("runtime");
        });
        EXPECT_EQ(lines, row.monitoringLines);

        rig.activitySignals.deliver(zoomCall, rig.wellness.signalMonitoringGeneration());
        rig.deliverEverySecond(zoomCall, 3);
        EXPECT_EQ(rig.wellness.meetingContextSnapshot(), MeetingContext::inactive());
    }
}

TEST(WellnessSchedulerDetectionTest, MediaSwitchRestartsMonitoringAndDropsTheEarlierSession)
{
    WellnessRig rig;
    rig.startRuntime();
    rig.deliver(zoomCall);
    rig.wellness.setPauseDuringMedia(true);
    ASSERT_EQ(rig.activitySignals.starts().size(), 2);
    EXPECT_EQ(rig.activitySignals.starts().constLast().sessionID, 2);
    EXPECT_TRUE(rig.activitySignals.starts().constLast().includeMediaSignals);
    EXPECT_EQ(rig.events("Wellness", "signal_monitor_started").constLast(),
              "signal_monitor_started | generation=2 includeMedia=true meetingDetection=true");
    for (int second = 1; second <= 3; ++second) {
        rig.clock.advance(1);
        rig.activitySignals.deliver(zoomCall, 1);
        WellnessRig::runMainThreadWork();
    }
    EXPECT_EQ(rig.wellness.meetingContextSnapshot().state, MeetingState::probable);
    rig.deliver(zoomCall);
    EXPECT_TRUE(callHoldsEverything(rig));

    const int stops = rig.activitySignals.stops();
    rig.wellness.setPauseDuringMedia(true); // the same value: the update runs and changes nothing
    EXPECT_EQ(rig.activitySignals.starts().size(), 2);
    EXPECT_EQ(rig.activitySignals.stops(), stops);
    EXPECT_TRUE(callHoldsEverything(rig));
}

// A result that comes back after its session ended is dropped, but the detector has moved:
// the next result carries no start or end of its own.
TEST(WellnessSchedulerDetectionTest, StartsAndEndsFollowWhatIsHeldAcrossDroppedResults)
{
    WellnessRig lostEnd;
    lostEnd.startRuntime();
    joinCall(lostEnd);
    lostEnd.deliverEverySecond(quiet, 25);
    lostEnd.clock.advance(1);
    lostEnd.deliverHoldingResult(quiet); // the detector ends the call here...
    lostEnd.wellness.setPauseDuringMedia(true); // ...but a new session drops the result
    WellnessRig::runMainThreadWork();
    EXPECT_TRUE(callHoldsEverything(lostEnd));
    lostEnd.deliverEverySecond(quiet, 1);
    EXPECT_TRUE(callHoldsNothing(lostEnd));
    EXPECT_EQ(lostEnd.events("Meeting", "detected_activity_ended"), QStringList({endedWithBoth}));

    WellnessRig lostStart;
    lostStart.startRuntime();
    lostStart.deliver(zoomCall);
    lostStart.deliverEverySecond(zoomCall, 1);
    lostStart.clock.advance(1);
    lostStart.deliverHoldingResult(zoomCall);
    lostStart.wellness.setPauseDuringMedia(true);
    WellnessRig::runMainThreadWork();
    EXPECT_TRUE(callHoldsNothing(lostStart));
    lostStart.deliverEverySecond(zoomCall, 1);
    EXPECT_TRUE(callHoldsEverything(lostStart));
    EXPECT_EQ(lostStart.events("Meeting", "detected_activity_started"), QStringList({callStarted}));
}

TEST(WellnessSchedulerDetectionTest, ClockSetBackInTheGraceEndsTheCall25SecondsLater)
{
    WellnessRig rig;
    rig.startRuntime();
    joinCall(rig);
    rig.deliverEverySecond(quiet, 10);
    rig.clock.setNow(rig.clock.now().addSecs(-3600));
    rig.deliver(quiet);
    rig.deliverEverySecond(quiet, 24);
    EXPECT_TRUE(callHoldsEverything(rig));
    rig.deliverEverySecond(quiet, 1);
    EXPECT_TRUE(callHoldsNothing(rig));
}
