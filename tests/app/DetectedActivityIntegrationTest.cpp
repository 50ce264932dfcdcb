#include "support/AppHome.h"
#include "support/AppProcess.h"
#include "support/ExportedMenu.h"
#include "support/LoadAllowance.h"
#include "support/ProgramCopy.h"
#include "support/RunCommand.h"
#include "support/StatusNotifierWatcherMock.h"
#include "support/TestServices.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTest>

#include <gtest/gtest.h>

#include <optional>

// The real application on the test desktop and its audio server, onboarded and with idle
// detection off: a recorder posing as a call application pauses breaks and notices and lets
// them go after the call's grace period, "Resume Anyway" in the tray menu lets breaks run
// through the rest of a call, a player posing as a music application pauses breaks once
// playback is confirmed, and a minute of use brings a posture reminder. Times end at the
// application's own log stamps and start at the moment that starts each count: the call's
// recorder started or stopped (the test's clock just before it), or the logged start of the
// active-use clock. The exact figures are the unit tests' on the fake clock
// (MeetingDetectorTest, MediaPlaybackDetectorTest, WellnessSchedulerActiveUseTest).

namespace {

constexpr int startTimeoutMs = 20000;
constexpr int exitTimeoutMs = 10000;
constexpr qint64 secondMs = 1000;
// Snapshots come every 2 s even when nothing changes; a fresh one within 0.15 s of a change.
constexpr qint64 monitorPeriodMs = 2500;
// How long a call that ended keeps breaks paused, and how long playback must last to count.
constexpr qint64 callGraceMs = 25000;
constexpr qint64 playbackConfirmationMs = 10000;
constexpr qint64 postureIntervalMs = 60000;
// PulseAudio's pacat under another name: the audio server reports that name as the program
// behind the stream, as it would report a call or music application's.
const QString pacat = QStringLiteral("/usr/bin/pacat");
const QStringList recordFromTestSource = {"--record", "-d", "fakemic", "/dev/null"};
const QStringList playSilence = {"/dev/zero"};

qint64 msBetween(const std::optional<QDateTime> &from, const std::optional<QDateTime> &to)
{
    return from && to ? from->msecsTo(*to) : -1;
}

class DetectedActivityIntegrationTest : public ::testing::Test
{
protected:
    // Onboarded under the current settings profile, so that the defaults are the registered
    // ones (an older profile's migration would turn call detection, posture and the meeting
    // recovery buffer off), and with a long interval so that no break falls in the test.
    bool launch(QVariantMap settings)
    {
        settings.insert("hasCompletedOnboarding", true);
        settings.insert("defaultSettingsProfileVersion", 5);
        settings.insert("idleDetectionEnabled", false);
        settings.insert("useCustomInterval", true);
        settings.insert("customHours", 0);
        settings.insert("customMinutes", 30);
        if (!m_home.isValid() || !m_home.writeSettings(settings))
            return false;
        m_app = std::make_unique<AppProcess>(m_home.environment());
        return m_app->start()
            && m_app->waitForLog("[Launch] runtime_services_started", startTimeoutMs);
    }

    std::optional<QDateTime> at(const QString &text) const { return m_app->loggedAt(text); }

    // Whether the text was logged after the first `from` characters of the log.
    bool loggedSince(qsizetype from, const QString &text) const
    {
        return m_app->log().indexOf(text, from) >= 0;
    }

    void finish()
    {
        ASSERT_TRUE(m_app->terminate(exitTimeoutMs));
        for (const char *fault : {"[ERROR]", "runtime error:", "Sanitizer"})
            EXPECT_FALSE(m_app->hasLog(fault)) << m_app->log().toStdString();
    }

    AppHome m_home;
    std::unique_ptr<AppProcess> m_app;
};

} // namespace

TEST_F(DetectedActivityIntegrationTest, ACallPausesBreaksUntilItsGraceEndsAndResumeAnywayLetsThemRun)
{
    LUMENPAUSE_REQUIRE_TEST_SERVICES();
    if (!AppProcess::logIsReadable())
        GTEST_SKIP() << "the log goes to the journal, where this test cannot read it";
    StatusNotifierWatcherMock watcher;
    ASSERT_EQ(watcher.start(), QString());
    ASSERT_TRUE(launch({})) << m_app->log().toStdString();

    ProgramCopy zoom(pacat, QStringLiteral("zoom"));
    const QDateTime callStarted = QDateTime::currentDateTime();
    ASSERT_TRUE(zoom.start(recordFromTestSource));
    const qint64 detectionBound = withLoadAllowanceMs(monitorPeriodMs);
    ASSERT_TRUE(m_app->waitForLog("detected_activity_started", int(detectionBound)))
        << m_app->log().toStdString();
    EXPECT_TRUE(m_app->hasLog("[Meeting] detected_activity_started | breakPause=true "
                              "confidence=100% detector=zoom notificationPause=true state=active"));
    EXPECT_TRUE(m_app->hasLog("timer_paused | primaryReason=meeting reason=meeting"));
    RecordProperty("callDetectedMs", int(msBetween(callStarted, at("detected_activity_started"))));
    EXPECT_LE(msBetween(callStarted, at("detected_activity_started")), detectionBound);

    // The grace starts when the application sees the stream go: not before the recorder is
    // stopped, and within a snapshot of it.
    const QDateTime callStopped = QDateTime::currentDateTime();
    zoom.kill();
    const qint64 graceBound = withLoadAllowanceMs(callGraceMs + monitorPeriodMs);
    ASSERT_TRUE(m_app->waitForLog("detected_activity_ended", int(graceBound))) << m_app->log().toStdString();
    const qint64 grace = msBetween(callStopped, at("detected_activity_ended"));
    RecordProperty("graceMs", int(grace));
    EXPECT_GE(grace, callGraceMs);
    EXPECT_LE(grace, graceBound);
    EXPECT_TRUE(m_app->hasLog("detected_activity_ended | breaksPaused=true notificationsPaused=true"));
    // A call of some 27 s leaves the timer the larger of what it held and two minutes.
    EXPECT_TRUE(m_app->hasLog("[BreakScheduler] meeting_adjusted_timer | duration=2"));
    EXPECT_TRUE(m_app->hasLog("transitionBuffer=120s"));
    EXPECT_TRUE(m_app->hasLog("[Wellness] resumed | reason=meeting"));

    // A second call, through which the user takes breaks after all.
    const qsizetype secondCall = m_app->log().size();
    ASSERT_TRUE(zoom.start(recordFromTestSource));
    ASSERT_TRUE(m_app->waitForLog("detected_activity_started", int(detectionBound), secondCall))
        << m_app->log().toStdString();
    const QStringList items = watcher.registeredItems();
    ASSERT_FALSE(items.isEmpty()) << "the tray item did not register";
    const ExportedMenu menu(items.constLast());
    const QStringList entries = menu.layout().describe();
    EXPECT_TRUE(entries.contains("Resume Anyway")) << entries.join('\n').toStdString();
    ASSERT_TRUE(menu.click(QStringLiteral("Resume Anyway")));
    ASSERT_TRUE(m_app->waitForLog("[Meeting] break_pause_overridden", exitTimeoutMs, secondCall))
        << m_app->log().toStdString();
    EXPECT_TRUE(loggedSince(secondCall, "timer_resumed | reason=meeting"));
    // Notices stay held: the wellness side has not let this call's pause go.
    EXPECT_FALSE(loggedSince(secondCall, "[Wellness] resumed | reason=meeting"));
    EXPECT_TRUE(loggedSince(secondCall, "[Wellness] paused | primaryReason=meeting"));
    zoom.kill();
    finish();
}

TEST_F(DetectedActivityIntegrationTest, PlaybackPausesBreaksOnceConfirmed)
{
    LUMENPAUSE_REQUIRE_TEST_SERVICES();
    if (!AppProcess::logIsReadable())
        GTEST_SKIP() << "the log goes to the journal, where this test cannot read it";
    ASSERT_TRUE(launch({{"mediaDetectionEnabled", true}})) << m_app->log().toStdString();

    ProgramCopy spotify(pacat, QStringLiteral("spotify"));
    const QDateTime playbackStarted = QDateTime::currentDateTime();
    ASSERT_TRUE(spotify.start(playSilence));
    const qint64 confirmationBound = withLoadAllowanceMs(playbackConfirmationMs + monitorPeriodMs);
    ASSERT_TRUE(m_app->waitForLog("[Media] detected_activity_started", int(confirmationBound)))
        << m_app->log().toStdString();
    const qint64 confirmation = msBetween(playbackStarted, at("[Media] detected_activity_started"));
    RecordProperty("confirmationMs", int(confirmation));
    EXPECT_GE(confirmation, playbackConfirmationMs);
    EXPECT_LE(confirmation, confirmationBound);
    EXPECT_TRUE(m_app->hasLog("detected_activity_started | breakPause=true confidence=78% "
                              "notificationPause=true source=audioPlayer state=active"));
    EXPECT_TRUE(m_app->hasLog("timer_paused | primaryReason=media reason=media"));
    spotify.kill();
    finish();
}

TEST_F(DetectedActivityIntegrationTest, AMinuteOfUseBringsAPostureReminder)
{
    LUMENPAUSE_REQUIRE_TEST_SERVICES();
    if (!AppProcess::logIsReadable())
        GTEST_SKIP() << "the log goes to the journal, where this test cannot read it";
    ASSERT_TRUE(launch({{"postureEnabled", true}, {"postureIntervalMinutes", 1}}))
        << m_app->log().toStdString();
    const QString reminder = QStringLiteral("[Wellness] Posture reminder #1 queued");
    const qint64 reminderBound = withLoadAllowanceMs(postureIntervalMs);
    ASSERT_TRUE(m_app->waitForLog("[Wellness] active_use_clock_started", startTimeoutMs))
        << m_app->log().toStdString();
    QElapsedTimer waited;
    waited.start();
    // Someone at the machine: the pointer moves every five seconds.
    for (int move = 0; !m_app->hasLog(reminder) && waited.elapsed() < reminderBound; ++move) {
        ASSERT_EQ(runCommand(QStringLiteral("xdotool"),
                             {"mousemove_relative", "--", move % 2 ? "-5" : "5", "0"}),
                  QString());
        m_app->waitForLog(reminder, 5 * secondMs);
    }
    ASSERT_TRUE(m_app->hasLog(reminder)) << m_app->log().toStdString();
    // Counted from the clock's start, whose line is logged a moment after it takes its first
    // reading.
    const qint64 afterStart = msBetween(at("[Wellness] active_use_clock_started"), at(reminder));
    RecordProperty("postureReminderMs", int(afterStart));
    EXPECT_GE(afterStart, postureIntervalMs - 100);
    EXPECT_LE(afterStart, reminderBound);
    finish();
}
