#include "detection/MeetingDetector.h"
#include "support/LogCapture.h"
#include "support/SnapshotBuilder.h"

#include <gtest/gtest.h>

namespace {

const QDateTime origin(QDate(2025, 3, 4), QTime(10, 0));

QDateTime at(double seconds)
{
    return origin.addMSecs(qint64(seconds * 1000));
}

const MeetingSignalSnapshot quiet;
const MeetingSignalSnapshot zoomCall = SnapshotBuilder().recording({"bin:zoom"});
const MeetingSignalSnapshot microphone = SnapshotBuilder().anonymousRecording();
const MeetingSignalSnapshot slackSound = SnapshotBuilder().playing({"com.slack.Slack"});
const MeetingSignalSnapshot memoSound = SnapshotBuilder().playing({"com.apple.VoiceMemos"});

// One snapshot at a moment, and what the detector must say about it.
struct Step
{
    double second;
    MeetingSignalSnapshot snapshot;
    MeetingState state;
    bool started = false;
    bool ended = false;
    std::optional<double> since = std::nullopt; // seconds after the origin
};

struct Timeline
{
    const char *name;
    QList<Step> steps;
};

void play(const Timeline &timeline)
{
    SCOPED_TRACE(timeline.name);
    MeetingDetector detector;
    detector.setDetectors(makeMeetingDetectors());
    for (const Step &step : timeline.steps) {
        SCOPED_TRACE(step.second);
        const MeetingEvaluation evaluation = detector.evaluate(step.snapshot, at(step.second));
        EXPECT_EQ(meetingStateRawValue(evaluation.context.state), meetingStateRawValue(step.state));
        EXPECT_EQ(evaluation.started(), step.started);
        EXPECT_EQ(evaluation.ended(), step.ended);
        EXPECT_EQ(evaluation.context.since, step.since ? std::optional(at(*step.since)) : std::nullopt);
        if (step.state == MeetingState::inactive) {
            EXPECT_EQ(evaluation.context.activeDetector, std::nullopt);
        }
    }
}

} // namespace

TEST(MeetingDetectorTest, ConfirmationSustainAndGraceTimelines)
{
    using S = MeetingState;
    const Timeline timelines[] = {
        {"zoom's microphone confirms after 1.5 s; the meeting began when confirmation did",
         {{0, zoomCall, S::probable},
          {1, zoomCall, S::probable},
          {2, zoomCall, S::active, true, false, 0}}},
        {"another detector while probable restarts the delay",
         {{0, microphone, S::probable},
          {1.5, zoomCall, S::probable},
          {2.5, zoomCall, S::probable},
          {3, zoomCall, S::active, true, false, 1.5}}},
        {"a confirmation that fails ends nothing",
         {{0, zoomCall, S::probable}, {1, quiet, S::inactive}}},
        {"supporting evidence alone never begins a meeting",
         {{0, slackSound, S::inactive}, {100, slackSound, S::inactive}}},
        {"supporting evidence holds for its 90 s, then the grace of 25 s runs out",
         {{0, zoomCall, S::probable},
          {2, zoomCall, S::active, true, false, 0},
          {10, slackSound, S::active, false, false, 0},
          {99.9, slackSound, S::active, false, false, 0},
          {100, slackSound, S::ending, false, false, 0},
          {124.9, slackSound, S::ending, false, false, 0},
          {125, slackSound, S::inactive, false, true}}},
        {"supporting evidence without a limit holds for hours",
         {{0, zoomCall, S::probable},
          {2, zoomCall, S::active, true, false, 0},
          {3, memoSound, S::active, false, false, 0},
          {7200, memoSound, S::active, false, false, 0}}},
        {"a call back within the grace carries on without starting again",
         {{0, zoomCall, S::probable},
          {2, zoomCall, S::active, true, false, 0},
          {10, quiet, S::ending, false, false, 0},
          {34.9, quiet, S::ending, false, false, 0},
          {35, zoomCall, S::active, false, false, 0}}},
        {"the clock set back an hour in the grace: the grace starts again and ends 25 s later",
         {{0, zoomCall, S::probable},
          {2, zoomCall, S::active, true, false, 0},
          {10, quiet, S::ending, false, false, 0},
          {-3590, quiet, S::ending, false, false, 0},
          {-3565.1, quiet, S::ending, false, false, 0},
          {-3565, quiet, S::inactive, false, true}}},
        {"the clock set back while confirming: the delay runs again from then",
         {{0, zoomCall, S::probable},
          {-600, zoomCall, S::probable},
          {-599, zoomCall, S::probable},
          {-598.5, zoomCall, S::active, true, false, -600}}},
    };
    for (const Timeline &timeline : timelines)
        play(timeline);
}

TEST(MeetingDetectorTest, TransitionsAndChangedDetectionsAreLogged)
{
    LogCapture log;
    MeetingDetector detector;
    detector.setDetectors(makeMeetingDetectors());
    detector.evaluate(SnapshotBuilder().recording({"com.microsoft.teams2", "bin:CiscoCollabHost"}),
                      at(0));
    detector.evaluate(zoomCall, at(1));
    detector.evaluate(zoomCall, at(2));
    detector.evaluate(zoomCall, at(3));
    detector.evaluate(SnapshotBuilder().playing({"bin:chrome"}), at(4));
    detector.evaluate(quiet, at(60));
    detector.evaluate(quiet, at(85));
    EXPECT_EQ(log.messages("Meeting"),
              QStringList({
                  "Detections: teams(0.9: Audio input active), webex(0.9: Audio input active), "
                  "generic(0.8: Unattributed audio input active)",
                  // equal confidences: the earlier detector in the catalogue drives the state
                  "State → probable (confidence: 0.95, detector: teams)",
                  "Detections: zoom(1.0: Audio input active), "
                  "generic(0.8: Unattributed audio input active)",
                  "State → probable (confidence: 1.00, detector: zoom)",
                  "State → active (confidence: 1.00, detector: zoom)",
                  "Detections: browser(0.5: Chrome audio output active)",
                  "Detections cleared",
                  "State → ending (confidence: 0.00, detector: browser)",
                  "State → inactive (confidence: 0.00, detector: browser)",
              }));
}

TEST(MeetingDetectorTest, ResetForgetsTheMeetingAndWhatWasLogged)
{
    LogCapture log;
    MeetingDetector detector;
    detector.setDetectors(makeMeetingDetectors());
    detector.evaluate(zoomCall, at(0));
    detector.evaluate(zoomCall, at(2));
    EXPECT_FALSE(detector.waitsOnTime());
    detector.reset();
    EXPECT_EQ(detector.context(), MeetingContext::inactive());
    EXPECT_FALSE(detector.waitsOnTime());
    EXPECT_EQ(detector.evaluate(zoomCall, at(3)).context.state, MeetingState::probable);
    EXPECT_TRUE(detector.waitsOnTime());
    EXPECT_EQ(log.count("Meeting", "Detections: zoom(1.0: Audio input active), "
                                   "generic(0.8: Unattributed audio input active)"),
              2);
}
