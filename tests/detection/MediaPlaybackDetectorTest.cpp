#include "detection/MediaPlaybackDetector.h"
#include "support/SnapshotBuilder.h"

#include <gtest/gtest.h>

namespace {

const QDateTime origin(QDate(2025, 3, 4), QTime(20, 0));

QDateTime at(double seconds)
{
    return origin.addMSecs(qint64(seconds * 1000));
}

using Source = MediaPlaybackSource;
using State = MediaPlaybackState;

// The evidence a snapshot must give, seen through the context once playback is active.
struct Expected
{
    Source source;
    double confidence;
    double delay;
    bool output;
    bool inhibitor;
    bool frontmost;
};

struct Row
{
    const char *name;
    MeetingSignalSnapshot snapshot;
    std::optional<Expected> expected;
};

QString stateName(const MediaPlaybackEvaluation &evaluation)
{
    return mediaPlaybackStateRawValue(evaluation.context.state);
}

void checkRow(const Row &row)
{
    SCOPED_TRACE(row.name);
    MediaPlaybackDetector detector;
    const MediaPlaybackEvaluation first = detector.evaluate(row.snapshot, at(0));
    if (!row.expected) {
        EXPECT_EQ(stateName(first), "inactive");
        EXPECT_EQ(stateName(detector.evaluate(row.snapshot, at(60))), "inactive");
        return;
    }
    const Expected &expected = *row.expected;
    EXPECT_EQ(stateName(first), "confirming");
    EXPECT_EQ(stateName(detector.evaluate(row.snapshot, at(expected.delay - 0.1))), "confirming");
    const MediaPlaybackEvaluation active = detector.evaluate(row.snapshot, at(expected.delay));
    EXPECT_TRUE(active.started());
    const MediaPlaybackContext &context = active.context;
    EXPECT_EQ(stateName(active), "active");
    EXPECT_EQ(context.source, expected.source);
    EXPECT_EQ(context.confidence, expected.confidence);
    EXPECT_EQ(context.since, origin);
    EXPECT_EQ(context.hasActiveOutput, expected.output);
    EXPECT_EQ(context.hasDisplaySleepAssertion, expected.inhibitor);
    EXPECT_EQ(context.isFrontmost, expected.frontmost);
}

} // namespace

TEST(MediaPlaybackDetectorTest, EvidenceSetsConfidenceAndConfirmationDelay)
{
    const Row rows[] = {
        {"Spotify flatpak plays", SnapshotBuilder().playing({"com.spotify.Client"}),
         Expected{Source::audioPlayer, 0.78, 10, true, false, false}},
        {"Spotify plays under its other identity", SnapshotBuilder().playing({"com.spotify.client"}),
         Expected{Source::audioPlayer, 0.78, 10, true, false, false}},
        {"a browser plays a video", SnapshotBuilder().playing({"bin:firefox"}).inhibiting({"bin:firefox"}),
         Expected{Source::browser, 0.95, 3, true, true, false}},
        {"the web engine GNOME Web shares plays", SnapshotBuilder().playing({"bin:WebKitWebProcess"}),
         Expected{Source::browser, 0.78, 10, true, false, false}},
        {"a muted video in the frontmost player",
         SnapshotBuilder().inhibiting({"org.videolan.VLC"}).frontmost("org.videolan.VLC"),
         Expected{Source::videoPlayer, 0.68, 15, false, true, true}},
        {"the same player behind other windows", SnapshotBuilder().inhibiting({"bin:mpv"}),
         Expected{Source::videoPlayer, 0.55, 30, false, true, false}},
        {"a music player keeping the display awake without sound",
         SnapshotBuilder().inhibiting({"org.gnome.Rhythmbox3"}).frontmost("org.gnome.Rhythmbox3"),
         std::nullopt},
        {"a browser in a web call",
         SnapshotBuilder().recording({"bin:chrome"}).playing({"bin:chrome"}).inhibiting({"bin:chrome"}),
         std::nullopt},
        {"a browser in a web call beside a playing video player",
         SnapshotBuilder().recording({"bin:chrome"}).playing({"bin:chrome", "bin:totem"}),
         Expected{Source::videoPlayer, 0.78, 10, true, false, false}},
        {"equal evidence: the earlier family drives (GNOME Web, in front)",
         SnapshotBuilder().playing({"bin:chrome", "org.gnome.Epiphany"}).frontmost("org.gnome.Epiphany"),
         Expected{Source::browser, 0.78, 10, true, false, true}},
        {"equal evidence: the earlier family drives (Chrome, in front, comes later)",
         SnapshotBuilder().playing({"bin:chrome", "org.gnome.Epiphany"}).frontmost("bin:chrome"),
         Expected{Source::browser, 0.78, 10, true, false, false}},
        {"nothing plays", SnapshotBuilder().running({"bin:kodi"}), std::nullopt},
    };
    for (const Row &row : rows)
        checkRow(row);
}

TEST(MediaPlaybackDetectorTest, GraceSwitchesAndClockChangesOverTime)
{
    const MeetingSignalSnapshot spotify = SnapshotBuilder().playing({"bin:spotify"});
    const MeetingSignalSnapshot video = SnapshotBuilder().playing({"bin:vlc"}).inhibiting({"bin:vlc"});
    const MeetingSignalSnapshot quiet;
    MediaPlaybackDetector detector;
    struct Step
    {
        double second;
        const MeetingSignalSnapshot &snapshot;
        const char *state;
        bool started;
        bool ended;
        std::optional<double> since;
    };
    const Step steps[] = {
        {0, spotify, "confirming", false, false, std::nullopt},
        {2, quiet, "inactive", false, false, std::nullopt}, // a confirmation that fails ends nothing
        {10, spotify, "confirming", false, false, std::nullopt},
        {14, video, "confirming", false, false, std::nullopt}, // another family: the delay restarts
        {16.9, video, "confirming", false, false, std::nullopt},
        {17, video, "active", true, false, 14},
        {20, spotify, "active", false, false, 14}, // another family while active: same playback
        {30, quiet, "ending", false, false, 14},
        {39, spotify, "active", false, false, 14}, // back within the grace
        {40, quiet, "ending", false, false, 14},
        {-3560, quiet, "ending", false, false, 14}, // clock set back an hour: the grace restarts
        {-3550.1, quiet, "ending", false, false, 14},
        {-3550, quiet, "inactive", false, true, std::nullopt},
    };
    for (const Step &step : steps) {
        SCOPED_TRACE(step.second);
        const MediaPlaybackEvaluation evaluation = detector.evaluate(step.snapshot, at(step.second));
        EXPECT_EQ(stateName(evaluation), step.state);
        EXPECT_EQ(evaluation.started(), step.started);
        EXPECT_EQ(evaluation.ended(), step.ended);
        EXPECT_EQ(evaluation.context.since, step.since ? std::optional(at(*step.since)) : std::nullopt);
        EXPECT_EQ(detector.waitsOnTime(), QString(step.state) == "confirming"
                                              || QString(step.state) == "ending");
    }
}

TEST(MediaPlaybackDetectorTest, StrongerEvidenceShortensTheWaitAndGraceKeepsTheSource)
{
    MediaPlaybackDetector detector;
    detector.evaluate(SnapshotBuilder().playing({"bin:brave"}), at(0));
    const MediaPlaybackEvaluation video =
        detector.evaluate(SnapshotBuilder().playing({"bin:brave"}).inhibiting({"bin:brave"}), at(4));
    EXPECT_TRUE(video.started());
    EXPECT_EQ(video.context.since, at(0));
    const MediaPlaybackContext ending = detector.evaluate({}, at(5)).context;
    EXPECT_EQ(ending.state, State::ending);
    EXPECT_EQ(ending.source, Source::browser);
    EXPECT_EQ(ending.confidence, 0.95);
    EXPECT_FALSE(ending.hasActiveOutput);
    detector.reset();
    EXPECT_EQ(detector.context(), MediaPlaybackContext::inactive());
}

TEST(MediaPlaybackDetectorTest, SourceOfAnIdentity)
{
    const std::pair<std::optional<QString>, std::optional<Source>> rows[] = {
        {std::nullopt, std::nullopt},
        {"org.videolan.VLC", Source::videoPlayer},
        {"io.github.celluloid_player.Celluloid", Source::videoPlayer},
        {"org.kde.elisa", Source::audioPlayer},
        {"bin:WebKitWebProcess", Source::browser},
        {"bin:opera", Source::browser},
        {"org.gnome.Nautilus", std::nullopt},
    };
    for (const auto &[identity, source] : rows)
        EXPECT_EQ(MediaPlaybackDetector::sourceForBundleIdentifier(identity), source)
            << identity.value_or("none").toStdString();
}
