#include "detection/MeetingDetectorCatalogue.h"
#include "support/SnapshotBuilder.h"

#include <gtest/gtest.h>

namespace {

// What one detector that fires says, as compared here.
struct Seen
{
    DetectorType detector;
    double confidence;
    QString reason;
    bool canStart;
    double delay;
    std::optional<double> sustain;

    bool operator==(const Seen &other) const = default;
};

std::ostream &operator<<(std::ostream &out, const Seen &seen)
{
    out << detectorTypeRawValue(seen.detector).toStdString() << '(' << seen.confidence << ", "
        << seen.reason.toStdString() << ", " << (seen.canStart ? "starts" : "supports")
        << ", delay " << seen.delay << ", sustain ";
    if (seen.sustain)
        out << *seen.sustain;
    else
        out << "none";
    return out << ')';
}

QList<Seen> firing(const MeetingSignalSnapshot &snapshot)
{
    QList<Seen> seen;
    for (const auto &detector : makeMeetingDetectors()) {
        const DetectionResult result = detector->evaluate(snapshot, QDateTime());
        EXPECT_EQ(result.detector, detector->detectorType());
        if (result.isMeetingActive)
            seen.append({result.detector, result.confidence, result.reason, result.canStartMeeting,
                         result.activationDelaySeconds, result.maximumSustainSeconds});
        else
            EXPECT_EQ(result, DetectionResult::inactive(detector->detectorType()));
    }
    return seen;
}

constexpr auto none = std::nullopt;
const Seen generic{DetectorType::generic, 0.75, "Unattributed audio input active", true, 2.0, none};

Seen input(DetectorType detector, double confidence)
{
    return {detector, confidence, "Audio input active", true, 1.5, none};
}

Seen startingOutput(DetectorType detector, double confidence)
{
    return {detector, confidence, "Audio output active", true, 5.0, none};
}

Seen supportingOutput(DetectorType detector, std::optional<double> sustain)
{
    return {detector, 0.55, "Audio output active", false, 0.0, sustain};
}

Seen browserInput(const QString &family)
{
    return {DetectorType::browser, 0.9, family + " audio input active", true, 2.0, none};
}

Seen browserOutput(const QString &family)
{
    return {DetectorType::browser, 0.5, family + " audio output active", false, 0.0, 60.0};
}

// What the monitor hands over under the catalogue's interest on a machine busy with other
// programs: only the browsers among the running applications, and those only while a
// browser's processes carry audio.
MeetingSignalSnapshot handedOver(MeetingSignalSnapshot snapshot)
{
    QSet<QString> &running = snapshot.runningBundleIdentifiers;
    running += {"bin:cc1plus", "bin:ninja", "org.gnome.Terminal", "bin:chrome-sandbox"};
    const RunningApplicationsInterest interest = meetingRunningApplicationsInterest();
    running = interest.isLookedAt(snapshot.inputBundleIdentifiers, snapshot.outputBundleIdentifiers)
        ? interest.narrowed(running)
        : QSet<QString>();
    return snapshot;
}

struct Row
{
    const char *name;
    MeetingSignalSnapshot snapshot;
    QList<Seen> expected; // in catalogue order
};

} // namespace

TEST(MeetingDetectorCatalogueTest, EachApplicationAndBrowserGivesItsVerdict)
{
    using D = DetectorType;
    const Row rows[] = {
        {"zoom's own process records", SnapshotBuilder().recording({"us.zoom.xos"}),
         {input(D::zoom, 1.0), generic}},
        {"zoom binary records", SnapshotBuilder().recording({"bin:zoom"}),
         {input(D::zoom, 1.0), generic}},
        {"zoom flatpak plays", SnapshotBuilder().playing({"us.zoom.Zoom"}),
         {startingOutput(D::zoom, 0.9)}},
        {"a prefix followed by a letter is another application",
         SnapshotBuilder().recording({"us.zoomer"}), {generic}},
        {"Teams plays", SnapshotBuilder().playing({"com.microsoft.teams2"}),
         {supportingOutput(D::teams, 120.0)}},
        {"Teams records", SnapshotBuilder().recording({"com.microsoft.teams2"}),
         {input(D::teams, 0.95), generic}},
        {"Teams for Linux plays",
         SnapshotBuilder().playing({"com.github.IsmaelMartinez.teams_for_linux"}),
         {supportingOutput(D::teams, 120.0)}},
        {"Teams for Linux binary plays", SnapshotBuilder().playing({"bin:teams-for-linux"}),
         {supportingOutput(D::teams, 120.0)}},
        {"Slack flatpak plays", SnapshotBuilder().playing({"com.slack.Slack"}),
         {supportingOutput(D::slack, 90.0)}},
        {"Discord binary plays", SnapshotBuilder().playing({"bin:DiscordCanary"}),
         {supportingOutput(D::discord, 90.0)}},
        {"Webex binary records", SnapshotBuilder().recording({"bin:CiscoCollabHost"}),
         {input(D::webex, 0.95), generic}},
        {"Webex plays", SnapshotBuilder().playing({"bin:CiscoCollabHost"}),
         {startingOutput(D::webex, 0.85)}},
        {"FaceTime plays", SnapshotBuilder().playing({"com.apple.FaceTime"}),
         {startingOutput(D::facetime, 0.85)}},
        {"Voice Memos plays", SnapshotBuilder().playing({"com.apple.VoiceMemos"}),
         {supportingOutput(D::voiceMemos, none)}},
        {"the shared engine records with Safari and Orion running",
         SnapshotBuilder().running({"com.apple.Safari", "com.kagi.kagimacOS"})
             .recording({"com.apple.WebKit.GPU"}),
         {browserInput("Safari"), generic}},
        {"the shared engine records with Orion alone running",
         SnapshotBuilder().running({"com.kagi.kagimacOS"}).recording({"com.apple.WebKit.GPU"}),
         {browserInput("Orion"), generic}},
        {"the shared engine records with no browser running",
         SnapshotBuilder().recordingUnlaunched({"com.apple.WebKit.GPU"}), {generic}},
        {"GNOME Web's engine records while it runs",
         SnapshotBuilder().running({"org.gnome.Epiphany"}).recordingUnlaunched(
             {"bin:WebKitWebProcess"}),
         {browserInput("GNOME Web"), generic}},
        {"the engine records without GNOME Web",
         SnapshotBuilder().recordingUnlaunched({"bin:WebKitWebProcess"}), {generic}},
        {"a call in one browser outranks sound in an earlier one",
         SnapshotBuilder().playing({"bin:chrome"}).recording({"bin:firefox-esr"}),
         {browserInput("Firefox"), generic}},
        {"Edge flatpak plays", SnapshotBuilder().playing({"com.microsoft.Edge"}),
         {browserOutput("Edge")}},
        {"a browser's audio while its application has not finished launching",
         SnapshotBuilder().recordingUnlaunched({"bin:chromium"}), {generic}},
        {"a process without an identity records", SnapshotBuilder().anonymousRecording(),
         {generic}},
        {"a media player plays", SnapshotBuilder().playing({"org.videolan.VLC"}), {}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(firing(row.snapshot), row.expected);
        EXPECT_EQ(firing(handedOver(row.snapshot)), row.expected) << "as handed over";
    }
}

TEST(MeetingDetectorCatalogueTest, NineDetectorsInTheOrderThatBreaksTies)
{
    QList<DetectorType> order;
    for (const auto &detector : makeMeetingDetectors())
        order.append(detector->detectorType());
    using D = DetectorType;
    EXPECT_EQ(order, QList<DetectorType>({D::zoom, D::browser, D::slack, D::teams, D::webex,
                                          D::discord, D::facetime, D::voiceMemos, D::generic}));
    QStringList families;
    for (const auto &family : meetingBrowserFamilies())
        families.append(family.name);
    EXPECT_EQ(families, QStringList({"Chrome", "Safari", "Edge", "Firefox", "Brave", "Arc",
                                     "Vivaldi", "Opera", "Chromium", "DuckDuckGo", "Orion", "Dia",
                                     "GNOME Web"}));
}
