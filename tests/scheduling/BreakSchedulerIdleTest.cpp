#include "support/BreakSchedulerRig.h"

#include <gtest/gtest.h>

namespace {

QVariant integer(qint64 value)
{
    return QVariant::fromValue(value);
}

QVariantMap withAwaySettings(QVariantMap stored)
{
    const QVariantMap defaults = {
        {"idleDetectionEnabled", true},
        {"breakInterval", integer(25)},
        {"idleTimeoutMinutes", integer(5)},
        {"idleResetThresholdMinutes", integer(20)},
    };
    for (auto it = defaults.begin(); it != defaults.end(); ++it) {
        if (!stored.contains(it.key()))
            stored.insert(it.key(), it.value());
    }
    return stored;
}

// A 25-minute interval with idle detection on: away after 5 minutes without input, the
// interval restarts after 20. The user is at the keyboard, and the HUD shows what it is given.
struct AwayRig : BreakSchedulerRig
{
    explicit AwayRig(const QVariantMap &stored = {})
        : BreakSchedulerRig(withAwaySettings(stored))
    {
        input.setIdleSeconds(0);
        hud.setPresentAccepts(true);
    }

    // The user leaves now: each of the next ticks reads the whole time since.
    void stayAway(int seconds)
    {
        for (int second = 1; second <= seconds; ++second) {
            input.setIdleSeconds(second);
            clock.advance(1);
        }
    }

    // Input on the next tick.
    void comeBack()
    {
        input.setIdleSeconds(0);
        clock.advance(1);
    }

    QStringList noticeTitles() const
    {
        QStringList titles;
        for (const RecordingHUDPresenter::Notice &notice : hud.presented())
            titles.append(notice.title + " / " + notice.subtitle);
        return titles;
    }

    // Whether every service the timer pauses for idle is paused.
    bool servicesHeldForIdle() const
    {
        return reminders.isSuppressed(ReminderSuppressionReason::idle)
            && wellness.pauseReasons().contains(PauseReason::idle)
            && plannedBreaks.suspensionReasons().contains(PauseReason::idle)
            && !typing.isMonitoring();
    }

    bool servicesReleasedFromIdle() const
    {
        return !reminders.isSuppressed(ReminderSuppressionReason::idle)
            && !wellness.pauseReasons().contains(PauseReason::idle)
            && !plannedBreaks.suspensionReasons().contains(PauseReason::idle)
            && typing.isMonitoring();
    }
};

} // namespace

TEST(BreakSchedulerIdleTest, AnAbsenceShorterThanTheResetResumesTheCountdownWhereItStood)
{
    AwayRig rig;
    rig.scheduler.start();
    rig.clock.advance(100);
    ASSERT_EQ(rig.scheduler.timeRemaining(), 1400.0);

    // Not yet confirmed: the countdown runs on, and the seconds are given back at the timeout.
    rig.stayAway(299);
    EXPECT_FALSE(rig.scheduler.isSystemIdle());
    EXPECT_TRUE(rig.scheduler.awaySession().has_value());
    EXPECT_EQ(rig.scheduler.timeRemaining(), 1101.0);
    rig.input.setIdleSeconds(300);
    rig.clock.advance(1);
    EXPECT_TRUE(rig.scheduler.isSystemIdle());
    EXPECT_EQ(rig.scheduler.timeRemaining(), 1400.0);
    EXPECT_EQ(rig.events("idle_started"),
              QStringList({"idle_started | departureRemaining=1400s detectedIdle=300s "
                           "restoredRemaining=1400s"}));
    EXPECT_TRUE(rig.servicesHeldForIdle());
    EXPECT_TRUE(rig.scheduler.isRunning()); // idle is no pause: the tick watches for the return
    EXPECT_FALSE(rig.scheduler.isPaused());

    rig.clock.advance(600);
    EXPECT_EQ(rig.scheduler.timeRemaining(), 1400.0);

    rig.comeBack(); // 901 seconds after leaving
    EXPECT_FALSE(rig.scheduler.isSystemIdle());
    EXPECT_FALSE(rig.scheduler.awaySession().has_value());
    EXPECT_EQ(rig.scheduler.timeRemaining(), 1400.0); // the return tick does not count down
    EXPECT_EQ(rig.events("idle_completed"),
              QStringList({"idle_completed | countedAsBreak=false departureRemaining=1400s "
                           "duration=901s nextRemaining=1400s outcome=resume"}));
    EXPECT_EQ(rig.noticeTitles(), QStringList({"Welcome back / Timer resumed. Next in 24m"}));
    EXPECT_EQ(rig.hud.presented().constLast().style, HUDStyle::blink);
    EXPECT_TRUE(rig.servicesReleasedFromIdle());
    EXPECT_EQ(rig.today().idleBreaks, 0);

    rig.clock.advance(1);
    EXPECT_EQ(rig.scheduler.timeRemaining(), 1399.0);
}

TEST(BreakSchedulerIdleTest, AnAbsenceReachingTheResetRestartsTheIntervalAndCountsAnIdleBreak)
{
    AwayRig rig;
    rig.scheduler.start();
    rig.clock.advance(100);
    rig.stayAway(1199);
    rig.comeBack(); // exactly 1200 seconds after leaving
    EXPECT_EQ(rig.scheduler.timeRemaining(), 1500.0);
    EXPECT_EQ(rig.events("idle_completed"),
              QStringList({"idle_completed | countedAsBreak=true departureRemaining=1400s "
                           "duration=1200s nextRemaining=1500s outcome=\"full reset\""}));
    EXPECT_EQ(rig.today().idleBreaks, 1);
    EXPECT_EQ(rig.today().idleBreakSeconds, 1200);
    EXPECT_EQ(rig.noticeTitles(), QStringList({"Timer reset / Next break in 25m"}));
    EXPECT_EQ(rig.hud.presented().constLast().style, HUDStyle::walk);

    // One second short of the threshold still resumes.
    AwayRig shorter;
    shorter.scheduler.start();
    shorter.clock.advance(100);
    shorter.stayAway(1198);
    shorter.comeBack();
    EXPECT_EQ(shorter.scheduler.timeRemaining(), 1400.0);
    EXPECT_EQ(shorter.today().idleBreaks, 0);
}

TEST(BreakSchedulerIdleTest, APauseInInputBelowTheTimeoutLeavesTheCountdownAlone)
{
    AwayRig rig;
    rig.scheduler.start();
    rig.clock.advance(100);
    rig.stayAway(120);
    EXPECT_TRUE(rig.scheduler.awaySession().has_value());
    rig.comeBack();
    EXPECT_FALSE(rig.scheduler.awaySession().has_value());
    EXPECT_EQ(rig.scheduler.timeRemaining(), 1400.0 - 121.0);
    EXPECT_TRUE(rig.events("idle_started").isEmpty());
    EXPECT_TRUE(rig.events("idle_completed").isEmpty());
    EXPECT_TRUE(rig.hud.presented().isEmpty());
}

TEST(BreakSchedulerIdleTest, TimeoutAndResetOfZeroMinutesMeanOneMinute)
{
    AwayRig rig({{"idleTimeoutMinutes", integer(0)}, {"idleResetThresholdMinutes", integer(-3)}});
    // A reset threshold of zero is corrected by the settings themselves; a negative one is not.
    EXPECT_EQ(rig.scheduler.fullResetThreshold(), 60.0);
    rig.scheduler.start();
    rig.stayAway(59);
    EXPECT_FALSE(rig.scheduler.isSystemIdle());
    rig.input.setIdleSeconds(60);
    rig.clock.advance(1);
    EXPECT_TRUE(rig.scheduler.isSystemIdle());
    rig.comeBack();
    EXPECT_EQ(rig.events("idle_completed").size(), 1);
    EXPECT_TRUE(rig.events("idle_completed").constFirst().endsWith("outcome=\"full reset\""));

    // The reset threshold is never below the idle timeout.
    AwayRig longTimeout({{"idleTimeoutMinutes", integer(30)}});
    EXPECT_EQ(longTimeout.scheduler.fullResetThreshold(), 1800.0);
}

TEST(BreakSchedulerIdleTest, NoWelcomeBackWithNotificationsOffButTheCountdownIsSetAllTheSame)
{
    AwayRig rig({{"notificationsEnabled", false}});
    rig.scheduler.start();
    rig.clock.advance(100);
    rig.stayAway(1300);
    rig.comeBack();
    EXPECT_EQ(rig.scheduler.timeRemaining(), 1500.0);
    EXPECT_TRUE(rig.hud.presented().isEmpty());
    EXPECT_EQ(rig.events("idle_completed").size(), 1);
}

TEST(BreakSchedulerIdleTest, SwitchingIdleDetectionOffMidAwayRestoresTheDepartureCountdown)
{
    // Before the absence is confirmed: the seconds counted down since leaving come back.
    AwayRig candidate;
    candidate.scheduler.start();
    candidate.clock.advance(100);
    candidate.stayAway(60);
    EXPECT_EQ(candidate.scheduler.timeRemaining(), 1340.0);
    candidate.settings.setIdleDetectionEnabled(false);
    candidate.clock.advance(1);
    EXPECT_FALSE(candidate.scheduler.awaySession().has_value());
    EXPECT_EQ(candidate.scheduler.timeRemaining(), 1399.0); // restored, then one second down

    // Once confirmed: the services held for idle run again, and no return is logged.
    AwayRig confirmed;
    confirmed.scheduler.start();
    confirmed.clock.advance(100);
    confirmed.stayAway(400);
    ASSERT_TRUE(confirmed.servicesHeldForIdle());
    confirmed.settings.setIdleDetectionEnabled(false);
    confirmed.clock.advance(1);
    EXPECT_FALSE(confirmed.scheduler.isSystemIdle());
    EXPECT_EQ(confirmed.scheduler.timeRemaining(), 1399.0);
    EXPECT_TRUE(confirmed.servicesReleasedFromIdle());
    EXPECT_TRUE(confirmed.events("idle_completed").isEmpty());
}

TEST(BreakSchedulerIdleTest, ALockedSessionOrADarkDisplayIsAbsenceAtOnceAndInputDoesNotEndIt)
{
    AwayRig rig;
    rig.scheduler.start();
    rig.clock.advance(100);
    rig.sessionEvents.emitSessionDidResignActive();
    rig.sessionEvents.emitSessionDidResignActive();
    EXPECT_EQ(rig.log.count("BreakScheduler", "Login session became inactive"), 1);
    EXPECT_TRUE(rig.scheduler.isScreenLocked());
    EXPECT_TRUE(rig.scheduler.isSystemIdle());
    EXPECT_EQ(rig.events("idle_started"),
              QStringList({"idle_started | departureRemaining=1400s detectedIdle=0s "
                           "restoredRemaining=1400s"}));

    rig.clock.advance(30); // typing at the lock screen
    EXPECT_TRUE(rig.scheduler.isSystemIdle());
    EXPECT_EQ(rig.scheduler.timeRemaining(), 1400.0);

    rig.sessionEvents.emitSessionDidBecomeActive();
    EXPECT_EQ(rig.log.count("BreakScheduler", "Login session became active"), 1);
    EXPECT_TRUE(rig.scheduler.isSystemIdle()); // ended by the tick that sees input
    rig.clock.advance(1);
    EXPECT_FALSE(rig.scheduler.isSystemIdle());
    EXPECT_EQ(rig.events("idle_completed"),
              QStringList({"idle_completed | countedAsBreak=false departureRemaining=1400s "
                           "duration=31s nextRemaining=1400s outcome=resume"}));

    // The main display going dark is confirmed on the next tick, whatever the input says.
    rig.display.setMainDisplayActive(false);
    rig.clock.advance(1);
    EXPECT_TRUE(rig.scheduler.isSystemIdle());
    EXPECT_EQ(rig.events("idle_started").size(), 2);
    rig.display.setMainDisplayActive(true);
    rig.clock.advance(1);
    EXPECT_FALSE(rig.scheduler.isSystemIdle());
}

TEST(BreakSchedulerIdleTest, ALockStartsNoIdleWhileTheTimerIsHeldOrIdleDetectionIsOff)
{
    AwayRig paused;
    paused.scheduler.start();
    paused.scheduler.pause(PauseReason::manual);
    paused.sessionEvents.emitSessionDidResignActive();
    EXPECT_TRUE(paused.scheduler.isScreenLocked());
    EXPECT_FALSE(paused.scheduler.isSystemIdle());

    AwayRig off({{"idleDetectionEnabled", false}});
    off.scheduler.start();
    off.sessionEvents.emitSessionDidResignActive();
    EXPECT_EQ(off.log.count("BreakScheduler", "Login session became inactive"), 1);
    EXPECT_FALSE(off.scheduler.isSystemIdle());
    off.clock.advance(10);
    EXPECT_EQ(off.scheduler.timeRemaining(), 1490.0);
}

TEST(BreakSchedulerIdleTest, AfterABreakTheQuietTimeOfTheBreakIsNotTimeAway)
{
    AwayRig rig;
    rig.runToFirstBreak();
    rig.scheduler.handleBreakDismissal(BreakDismissalOutcome::completed(20, false, false));
    rig.input.setIdleSeconds(300); // nobody touched anything during the break
    emit rig.notifier.breakDidHide();
    EXPECT_EQ(rig.scheduler.syntheticIdleBaseline(), 300.0);
    EXPECT_EQ(rig.events("post_break_idle_baseline_set"),
              QStringList({"post_break_idle_baseline_set | baseline=300s"}));
    rig.input.setIdleSeconds(301);
    EXPECT_EQ(rig.scheduler.measuredIdleSeconds(), 1.0);

    // Still no input: the absence counts from the moment the break closed.
    for (int second = 1; second < 300; ++second) {
        rig.input.setIdleSeconds(300 + second);
        rig.clock.advance(1);
    }
    EXPECT_FALSE(rig.scheduler.isSystemIdle());
    EXPECT_EQ(rig.scheduler.timeRemaining(), 1201.0);
    rig.input.setIdleSeconds(600);
    rig.clock.advance(1);
    EXPECT_EQ(rig.events("idle_started"),
              QStringList({"idle_started | departureRemaining=1500s detectedIdle=300s "
                           "restoredRemaining=1500s"}));

    // Fresh input clears the baseline for good.
    rig.input.setIdleSeconds(0.5);
    EXPECT_EQ(rig.scheduler.measuredIdleSeconds(), 0.5);
    EXPECT_EQ(rig.scheduler.syntheticIdleBaseline(), 0.0);
}

// An hour-long call sat through without touching anything: the quiet time of the call is no
// absence once it ends, and the first key press after it is no return from one.
TEST(BreakSchedulerIdleTest, AfterALongCallItsQuietTimeIsNotTimeAway)
{
    AwayRig rig;
    rig.scheduler.start();
    rig.clock.advance(100);
    rig.scheduler.pause(PauseReason::meeting);
    rig.input.setIdleSeconds(3600);
    rig.clock.advance(3600);
    rig.scheduler.resume(PauseReason::meeting);

    for (int second = 1; second <= 10; ++second) {
        rig.input.setIdleSeconds(3600 + second);
        rig.clock.advance(1);
        EXPECT_FALSE(rig.scheduler.isSystemIdle()) << second << " s after the call";
    }
    EXPECT_EQ(rig.scheduler.timeRemaining(), 1390.0);
    rig.comeBack();
    EXPECT_FALSE(rig.scheduler.isSystemIdle());
    EXPECT_EQ(rig.scheduler.timeRemaining(), 1389.0);
    EXPECT_TRUE(rig.events("idle_started").isEmpty());
    EXPECT_TRUE(rig.events("idle_completed").isEmpty());
    EXPECT_EQ(rig.today().idleBreaks, 0);
    EXPECT_TRUE(rig.noticeTitles().isEmpty());
}
