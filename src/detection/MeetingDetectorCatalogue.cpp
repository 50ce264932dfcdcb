#include "detection/MeetingDetectorCatalogue.h"

#include "detection/ApplicationMeetingDetector.h"
#include "detection/GenericMicrophoneMeetingDetector.h"

#include <optional>

namespace {

constexpr std::optional<double> sustainsWithoutLimit = std::nullopt;

std::unique_ptr<const PlatformMeetingDetector>
application(DetectorType type, const QStringList &prefixes, double confidence, bool outputStarts,
            std::optional<double> outputSustainSeconds)
{
    return std::make_unique<ApplicationMeetingDetector>(type, prefixes, confidence, outputStarts,
                                                        outputSustainSeconds);
}

// A family whose audio comes from its own processes.
BrowserMeetingDetector::BrowserFamily ownAudio(const QString &name, const QStringList &prefixes)
{
    return {name, prefixes, prefixes};
}

} // namespace

QList<BrowserMeetingDetector::BrowserFamily> meetingBrowserFamilies()
{
    const QStringList safari = {"com.apple.Safari", "com.apple.SafariTechnologyPreview"};
    const QStringList gnomeWeb = {"org.gnome.Epiphany", "bin:epiphany"};
    return {
        ownAudio("Chrome", {"com.google.Chrome", "bin:chrome"}),
        {"Safari", safari, safari + QStringList{"com.apple.WebKit"}},
        ownAudio("Edge", {"com.microsoft.edgemac", "com.microsoft.Edge", "bin:msedge"}),
        ownAudio("Firefox",
                 {"org.mozilla.firefox", "bin:firefox", "bin:firefox-esr", "bin:firefox-bin"}),
        ownAudio("Brave", {"com.brave.Browser", "bin:brave"}),
        ownAudio("Arc", {"company.thebrowser.Browser"}),
        ownAudio("Vivaldi", {"com.vivaldi.Vivaldi", "bin:vivaldi-bin"}),
        ownAudio("Opera", {"com.operasoftware.Opera", "com.operasoftware.OperaGX",
                           "com.opera.Opera", "bin:opera"}),
        ownAudio("Chromium", {"org.chromium.Chromium", "bin:chromium"}),
        ownAudio("DuckDuckGo", {"com.duckduckgo.macos.browser"}),
        {"Orion", {"com.kagi.kagimacOS"}, {"com.kagi.kagimacOS", "com.apple.WebKit"}},
        ownAudio("Dia", {"company.thebrowser.dia"}),
        // Its pages play and record in the shared engine's web processes, which carry the
        // engine's name rather than the browser's.
        {"GNOME Web", gnomeWeb, gnomeWeb + QStringList{"bin:WebKitWebProcess"}},
    };
}

RunningApplicationsInterest meetingRunningApplicationsInterest()
{
    RunningApplicationsInterest interest;
    for (const BrowserMeetingDetector::BrowserFamily &family : meetingBrowserFamilies()) {
        interest.applicationPrefixes += family.applicationPrefixes;
        interest.audioPrefixes += family.audioPrefixes;
    }
    interest.applicationPrefixes.removeDuplicates();
    interest.audioPrefixes.removeDuplicates();
    return interest;
}

MeetingDetectorList makeMeetingDetectors()
{
    MeetingDetectorList list;
    list.push_back(application(DetectorType::zoom, {"us.zoom", "bin:zoom"}, 1.0, true,
                               sustainsWithoutLimit));
    list.push_back(std::make_unique<BrowserMeetingDetector>(meetingBrowserFamilies()));
    list.push_back(application(DetectorType::slack,
                               {"com.tinyspeck.slackmacgap", "com.slack.Slack", "bin:slack"}, 0.9,
                               false, 90.0));
    list.push_back(application(DetectorType::teams,
                               {"com.microsoft.teams", "com.microsoft.teams2",
                                "com.github.IsmaelMartinez.teams_for_linux", "bin:teams-for-linux",
                                "com.microsoft.Teams", "bin:teams"},
                               0.95, false, 120.0));
    list.push_back(application(
        DetectorType::webex,
        {"Cisco-Systems.Spark", "com.cisco.webexmeetingsapp", "bin:CiscoCollabHost"}, 0.95, true,
        sustainsWithoutLimit));
    list.push_back(application(DetectorType::discord,
                               {"com.hnc.Discord", "com.hnc.DiscordCanary", "com.hnc.DiscordPTB",
                                "com.discord.Discord", "com.discordapp.Discord",
                                "com.discordapp.DiscordCanary", "bin:Discord", "bin:DiscordCanary",
                                "bin:DiscordPTB"},
                               0.9, false, 90.0));
    list.push_back(application(DetectorType::facetime, {"com.apple.FaceTime"}, 0.95, true,
                               sustainsWithoutLimit));
    list.push_back(application(DetectorType::voiceMemos, {"com.apple.VoiceMemos"}, 0.95, false,
                               sustainsWithoutLimit));
    list.push_back(std::make_unique<GenericMicrophoneMeetingDetector>());
    return list;
}
