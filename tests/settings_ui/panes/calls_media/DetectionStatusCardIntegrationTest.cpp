#include "core/AppSettings.h"
#include "core/EventQueue.h"
#include "core/InMemorySettingsRepository.h"
#include "core/InMemoryStatsRepository.h"
#include "core/LocalStatisticsStore.h"
#include "detection/MeetingSignalMonitor.h"
#include "detection/WellnessScheduler.h"
#include "menubar/ReminderQueue.h"
#include "platform/linux/LinuxMeetingSignalSource.h"
#include "settings_ui/panes/calls_media/MediaStatusCard.h"
#include "settings_ui/panes/calls_media/MeetingStatusCard.h"
#include "support/FakeClock.h"
#include "support/FakeDisplayStateProvider.h"
#include "support/FakeInputStateProvider.h"
#include "support/RecordingHUDPresenter.h"
#include "support/SignalMonitorRig.h"
#include "support/TestAudioServer.h"
#include "support/TestServices.h"

#include <QTest>

#include <gtest/gtest.h>

#include <optional>

// Both "Current status" cards on the application's own activity signals, their queue thread
// included, while the test desktop's sound server is stopped and started again: before the
// signals ever reached it, and once they had a connection to lose.

namespace {

constexpr int serverTimeoutMs = 10000;
// A new connection is tried with the periodic reading every 2 s once any wait is over.
constexpr int followTimeoutMs = 8000;

class DetectionStatusCardIntegrationTest : public ::testing::Test
{
protected:
    DetectionStatusCardIntegrationTest()
    {
        LinuxMeetingSignalSource::Options options = SignalMonitorRig::sessionOptions();
        options.audio.reconnectSeconds = 0;
        source = std::make_unique<LinuxMeetingSignalSource>(queue, options);
        monitor = std::make_unique<MeetingSignalMonitor>(queue, *source);
        wellness.emplace(WellnessSchedulerServices{
            .defaults = store,
            .settings = settings,
            .clock = clock,
            .inputState = input,
            .displayState = display,
            .reminders = reminders,
            .activitySignals = *monitor,
        });
        wellness->setPauseDuringMedia(true);
    }

    ~DetectionStatusCardIntegrationTest() override
    {
        wellness.reset();
        monitor.reset();
        queue.shutdown(std::chrono::milliseconds::max());
        // The tests that follow expect the run's server.
        if (!TestAudioServer::answers())
            TestAudioServer::start(serverTimeoutMs);
    }

    EventQueue queue{QStringLiteral("local.lumenpause.meeting-signals")};
    std::unique_ptr<LinuxMeetingSignalSource> source;
    std::unique_ptr<MeetingSignalMonitor> monitor;
    FakeClock clock;
    InMemorySettingsRepository store;
    InMemoryStatsRepository statsRepository;
    LocalStatisticsStore statistics{statsRepository, clock, QTimeZone::systemTimeZone(), false};
    AppSettings settings{store, clock, nullptr, &statistics};
    FakeInputStateProvider input;
    FakeDisplayStateProvider display;
    RecordingHUDPresenter hud;
    ReminderQueue reminders{settings, clock, hud, statistics};
    std::optional<WellnessScheduler> wellness;
};

} // namespace

TEST_F(DetectionStatusCardIntegrationTest, TheCardsFollowTheSoundServerAwayAndBack)
{
    LUMENPAUSE_REQUIRE_TEST_SERVICES();
    MeetingStatusCard meetings(settings, *wellness, clock);
    MediaStatusCard media(settings, *wellness, clock);
    struct Step
    {
        const char *what;
        std::function<bool()> act;
        bool unavailable;
    };
    const auto stopServer = [] { return TestAudioServer::stop(serverTimeoutMs); };
    const auto startServer = [] { return TestAudioServer::start(serverTimeoutMs); };
    const Step steps[] = {
        {"the server is gone before detection starts",
         [&] {
             const bool stopped = stopServer();
             wellness->startRuntime();
             return stopped;
         },
         true},
        {"it comes back: the first connection", startServer, false},
        {"it goes away: the connection is lost", stopServer, true},
        {"it comes back again", startServer, false},
    };
    for (const Step &step : steps) {
        SCOPED_TRACE(step.what);
        ASSERT_TRUE(step.act());
        ASSERT_TRUE(QTest::qWaitFor(
            [&] {
                return meetings.showsUnavailable() == step.unavailable
                       && media.showsUnavailable() == step.unavailable;
            },
            followTimeoutMs));
        if (step.unavailable) {
            EXPECT_EQ(meetings.titleText(), "Detection unavailable");
            EXPECT_EQ(meetings.statusText(),
                      "No sound server is reachable, so calls and recordings can't be detected.");
            EXPECT_EQ(media.statusText(), "No sound server is reachable, so playback can't be detected.");
        } else {
            EXPECT_EQ(media.titleText(), "Current status");
            EXPECT_EQ(meetings.statusText(), "No active call or microphone recording detected.");
            EXPECT_EQ(media.statusText(), "No media playback detected.");
        }
    }
}
