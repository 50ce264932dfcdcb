#include "core/AppSettings.h"
#include "core/InMemorySettingsRepository.h"
#include "menubar/AppSoundPlayer.h"
#include "menubar/QtSoundOutput.h"
#include "support/FakeClock.h"
#include "support/LogCapture.h"
#include "support/ProgramCopy.h"
#include "support/SignalMonitorRig.h"
#include "support/TestServices.h"

#include <QProcess>
#include <QTest>

#include <unistd.h>

#include <gtest/gtest.h>

// Audio activity from the sound server of tests/services.sh: copies of pacat named "zoom"
// stand in for a call's recording and playback streams.

namespace {

constexpr double kEventBound = 0.5;
// One reconciliation period and its leeway, and a little for the listing's round trip.
constexpr double kReconciliationBound = 2.2;

const QString kZoom = QStringLiteral("bin:zoom");

double now()
{
    return EventQueue::monotonicSeconds();
}

bool recordsAsZoom(const MeetingSignalSnapshot &s)
{
    return s.inputBundleIdentifiers.contains(kZoom) && s.isAnyInputActive;
}

bool playsAsZoom(const MeetingSignalSnapshot &s)
{
    return s.outputBundleIdentifiers.contains(kZoom);
}

bool silent(const MeetingSignalSnapshot &s)
{
    return s.inputBundleIdentifiers.isEmpty() && s.outputBundleIdentifiers.isEmpty()
           && !s.isAnyInputActive;
}

// Records from the fake microphone and plays silence, then ends both; returns how long the
// monitor took to see each step, or fails the test.
void followACall(SignalMonitorRig &rig, double appearBound, double vanishBound)
{
    rig.monitor().start(1, false);
    ASSERT_TRUE(rig.waitFor(silent, 0.0)) << "the server already had streams";

    ProgramCopy recorder(QStringLiteral("/usr/bin/pacat"), QStringLiteral("zoom"));
    double since = now();
    ASSERT_TRUE(recorder.start({"--record", "-d", "fakemic", "/dev/null"}));
    const std::optional<double> recording = rig.waitFor(recordsAsZoom, since);
    ASSERT_TRUE(recording) << "the recording never showed";
    EXPECT_LE(*recording, appearBound);

    ProgramCopy player(QStringLiteral("/usr/bin/pacat"), QStringLiteral("zoom"));
    since = now();
    ASSERT_TRUE(player.start({"/dev/zero"}));
    const std::optional<double> playing = rig.waitFor(playsAsZoom, since);
    ASSERT_TRUE(playing) << "the playback never showed";
    EXPECT_LE(*playing, appearBound);

    since = now();
    recorder.kill();
    player.kill();
    const std::optional<double> ended = rig.waitFor(silent, since);
    ASSERT_TRUE(ended) << "the streams never went";
    EXPECT_LE(*ended, vanishBound);
}

} // namespace

TEST(PulseAudioSignalsIntegrationTest, ACallsStreamsShowAndGoWithinHalfASecond)
{
    LUMENPAUSE_REQUIRE_TEST_SERVICES();
    SignalMonitorRig rig;
    followACall(rig, kEventBound, kEventBound);
}

TEST(PulseAudioSignalsIntegrationTest, WithoutEventsTheStreamsAreListedAtEachReconciliation)
{
    LUMENPAUSE_REQUIRE_TEST_SERVICES();
    LinuxMeetingSignalSource::Options options = SignalMonitorRig::sessionOptions();
    options.audio.subscribe = false;
    SignalMonitorRig rig(options);
    followACall(rig, kReconciliationBound, kReconciliationBound);
}

TEST(PulseAudioSignalsIntegrationTest, OurOwnSoundIsNeverSomeonesPlayback)
{
    LUMENPAUSE_REQUIRE_TEST_SERVICES();
    FakeClock clock;
    InMemorySettingsRepository store;
    AppSettings settings(store, clock);
    QtSoundOutput output;
    ASSERT_TRUE(output.hasDevice());
    AppSoundPlayer player(settings, output);
    SignalMonitorRig rig;
    rig.monitor().start(1, false);
    ASSERT_TRUE(rig.waitFor(silent, 0.0));

    const QString ownStream = QStringLiteral("application.process.id = \"%1\"").arg(::getpid());
    const auto ownStreamPlays = [&] {
        QProcess pactl;
        pactl.start(QStringLiteral("pactl"), {"list", "sink-inputs"});
        pactl.waitForFinished();
        return QString::fromUtf8(pactl.readAllStandardOutput()).contains(ownStream);
    };
    player.play(AppSound::submarine);
    ASSERT_TRUE(QTest::qWaitFor(ownStreamPlays, 10000)) << "our sound never reached the server";
    // The stream's arrival is an event; the snapshot after it must still be silent.
    const double since = now();
    ASSERT_TRUE(rig.waitFor([](const MeetingSignalSnapshot &) { return true; }, since, 3.0));
    for (const SignalMonitorRig::Delivery &delivery : rig.deliveries())
        EXPECT_TRUE(delivery.snapshot.outputBundleIdentifiers.isEmpty())
            << delivery.snapshot.outputBundleIdentifiers.values().join(',').toStdString();
}

TEST(PulseAudioSignalsIntegrationTest, WithoutAServerOneWarningAndAReadingEveryTwoSeconds)
{
    LUMENPAUSE_REQUIRE_TEST_SERVICES();
    LogCapture log;
    qputenv("PULSE_SERVER", "unix:/nonexistent/lumenpause/pulse/native");
    const auto restore = qScopeGuard([] { qunsetenv("PULSE_SERVER"); });
    SignalMonitorRig rig;
    const double started = now();
    rig.monitor().start(1, false);
    // A run of a fixed length: what is measured is how often readings come.
    [[maybe_unused]] const bool ran = QTest::qWaitFor([&] { return now() - started >= 10.0; }, 11000);

    EXPECT_EQ(log.warnings(QStringLiteral("Meeting")), 1);
    const QList<SignalMonitorRig::Delivery> deliveries = rig.deliveries();
    ASSERT_GE(deliveries.size(), 5);
    for (qsizetype i = 1; i < deliveries.size(); ++i) {
        const double gap = deliveries[i].atSeconds - deliveries[i - 1].atSeconds;
        EXPECT_NEAR(gap, 2.0, 0.2) << "between readings " << i - 1 << " and " << i;
        EXPECT_TRUE(silent(deliveries[i].snapshot));
    }
}
