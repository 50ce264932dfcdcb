#include "core/AppSettings.h"
#include "core/InMemorySettingsRepository.h"
#include "menubar/AppSoundPlayer.h"
#include "menubar/QtSoundOutput.h"
#include "support/FakeClock.h"
#include "support/LoadAllowance.h"
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

// Seconds from starting or ending a program's stream to the snapshot that shows it: a fresh
// snapshot comes within 0.15 s of the server's event (MeetingSignalMonitorTest holds the
// figures on the fake clock), or, without events, with the next reconciliation every 2 s and
// its listing's round trip. On a busy machine, within these. The events keep the streams the
// periodic reading reads, so that reading would show them too, late; where the events are
// under test no periodic reading comes, and a stream that shows at all came by its event.
constexpr double kEventBound = withLoadAllowanceMs(500) / 1000.0;
constexpr double kReconciliationBound = withLoadAllowanceMs(2200) / 1000.0;
constexpr double kReadingPeriod = 2.0;

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

// Records from the fake microphone and plays silence, then ends both: the monitor sees each
// step within the bound, counted from just before the program starts or ends.
void followACall(SignalMonitorRig &rig, double bound)
{
    rig.monitor().start(1, false);
    ASSERT_TRUE(rig.waitFor(silent, 0.0)) << "the server already had streams";

    ProgramCopy recorder(QStringLiteral("/usr/bin/pacat"), QStringLiteral("zoom"));
    double since = now();
    ASSERT_TRUE(recorder.start({"--record", "-d", "fakemic", "/dev/null"}));
    const std::optional<double> recording = rig.waitFor(recordsAsZoom, since, bound);
    ASSERT_TRUE(recording) << "the recording never showed";
    EXPECT_LE(*recording, bound);

    ProgramCopy player(QStringLiteral("/usr/bin/pacat"), QStringLiteral("zoom"));
    since = now();
    ASSERT_TRUE(player.start({"/dev/zero"}));
    const std::optional<double> playing = rig.waitFor(playsAsZoom, since, bound);
    ASSERT_TRUE(playing) << "the playback never showed";
    EXPECT_LE(*playing, bound);

    since = now();
    recorder.kill();
    player.kill();
    const std::optional<double> ended = rig.waitFor(silent, since, bound);
    ASSERT_TRUE(ended) << "the streams never went";
    EXPECT_LE(*ended, bound);
}

} // namespace

TEST(PulseAudioSignalsIntegrationTest, ACallsStreamsShowAndGoByTheServersEvents)
{
    LUMENPAUSE_REQUIRE_TEST_SERVICES();
    SignalMonitorRig rig(SignalMonitorRig::sessionOptions(), SignalMonitorRig::kEventsOnly);
    followACall(rig, kEventBound);
}

TEST(PulseAudioSignalsIntegrationTest, WithoutEventsTheStreamsAreListedAtEachReconciliation)
{
    LUMENPAUSE_REQUIRE_TEST_SERVICES();
    LinuxMeetingSignalSource::Options options = SignalMonitorRig::sessionOptions();
    options.audio.subscribe = false;
    SignalMonitorRig rig(options);
    followACall(rig, kReconciliationBound);
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
    ASSERT_TRUE(rig.waitFor([](const MeetingSignalSnapshot &) { return true; }, since, kReconciliationBound));
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
    // A run of a fixed length: what is measured is how often readings come. No more than one
    // a period, the first at once and one more on its way, where a loop of retries would
    // bring dozens; late only as far as a busy machine delays a timer
    // (MeetingSignalMonitorTest holds the period on the fake clock).
    [[maybe_unused]] const bool ran = QTest::qWaitFor([&] { return now() - started >= 10.0; }, 11000);
    const double ranFor = now() - started;

    EXPECT_EQ(log.warnings(QStringLiteral("Meeting")), 1);
    const QList<SignalMonitorRig::Delivery> deliveries = rig.deliveries();
    ASSERT_GE(deliveries.size(), 2);
    EXPECT_LE(deliveries.size(), 2 + int(ranFor / (kReadingPeriod - 0.15)));
    const double latestGap = withLoadAllowanceMs(2000) / 1000.0;
    EXPECT_LE(now() - deliveries.constLast().atSeconds, latestGap) << "the readings stopped";
    for (qsizetype i = 1; i < deliveries.size(); ++i) {
        const double gap = deliveries[i].atSeconds - deliveries[i - 1].atSeconds;
        EXPECT_LE(gap, latestGap) << "between readings " << i - 1 << " and " << i;
        EXPECT_TRUE(silent(deliveries[i].snapshot));
    }
}
