#include "support/WellnessRig.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

QVariant integer(qint64 value)
{
    return QVariant::fromValue(value);
}

// The rig's user types all the time unless a test says otherwise.
struct ActiveUseRig : WellnessRig
{
    explicit ActiveUseRig(const QVariantMap &stored = {})
        : WellnessRig(stored)
    {
        input.setIdleSeconds(0);
    }

    QStringList reminderLines() const
    {
        QStringList lines;
        for (const QString &line : log.messages("Wellness")) {
            if (line.endsWith(" queued"))
                lines.append(line);
        }
        return lines;
    }
};

} // namespace

TEST(WellnessSchedulerActiveUseTest, PostureComesAfterTwentyMinutesOfUseAndCarriesTheRest)
{
    ActiveUseRig rig;
    rig.startRuntime();
    EXPECT_TRUE(rig.log.contains("Wellness", "active_use_clock_started"));
    rig.clock.advance(1199);
    EXPECT_EQ(rig.wellness.postureReminderCount(), 0);
    rig.clock.advance(1);
    EXPECT_EQ(rig.reminderLines(), QStringList({"Posture reminder #1 queued"}));
    EXPECT_EQ(rig.wellness.postureCounter().elapsed, 0.0);

    // A late tick counts what passed, a gap counts at most 2 s: half a second is left over at
    // the next reminder.
    rig.clock.advance(1196);
    rig.clock.skipAhead(1.5);
    rig.clock.advance(0);
    rig.clock.skipAhead(3);
    rig.clock.advance(0);
    EXPECT_EQ(rig.wellness.postureCounter().elapsed, 1199.5);
    rig.clock.advance(1);
    EXPECT_EQ(rig.wellness.postureReminderCount(), 2);
    EXPECT_EQ(rig.wellness.postureCounter().elapsed, 0.5);

    // An hour asleep with the clock running counts as two seconds.
    rig.clock.skipAhead(3600);
    rig.clock.advance(0);
    EXPECT_EQ(rig.wellness.postureCounter().elapsed, 2.5);
}

TEST(WellnessSchedulerActiveUseTest, PresenceNeedsRecentInputAnUnlockedSessionAndADisplay)
{
    struct Row
    {
        const char *name;
        bool hasReading;
        double keyboardIdle;
        double pointerIdle;
        qint64 idleTimeoutMinutes;
        bool locked;
        bool displayOn;
        bool active;
        int pointerReadings;
    };
    const Row rows[] = {
        {"typing: the pointer is not read", true, 0, 600, 2, false, true, true, 0},
        {"pointing while the keyboard rests", true, 600, 5, 2, false, true, true, 1},
        {"away for the two-minute timeout", true, 120, 120, 2, false, true, false, 1},
        {"just under the timeout", true, 119, 600, 2, false, true, true, 0},
        {"a zero timeout counts as one minute", true, 60, 60, 0, false, true, false, 1},
        {"under the one minute", true, 59, 600, 0, false, true, true, 0},
        {"a hand-edited endless timeout", true, 1e9, 1e9, qint64(1) << 62, false, true, true, 0},
        {"locked session, recent input", true, 0, 0, 2, true, true, false, 0},
        {"display off, recent input", true, 0, 0, 2, false, false, false, 0},
        // A desktop without an idle source reads zeros that mean nothing.
        {"no idle reading", false, 0, 0, 2, false, true, false, 0},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        ActiveUseRig rig({{"idleTimeoutMinutes", integer(row.idleTimeoutMinutes)}});
        rig.input.setHasReading(row.hasReading);
        rig.input.setSecondsSinceKeyboardActivity(row.keyboardIdle);
        rig.input.setSecondsSincePointerActivity(row.pointerIdle);
        rig.display.setMainDisplayActive(row.displayOn);
        if (row.locked)
            rig.sessionEvents.emitSessionDidResignActive();
        const int readingsBefore = rig.input.pointerReadings();
        EXPECT_EQ(rig.wellness.isUserActive(), row.active);
        EXPECT_EQ(rig.input.pointerReadings() - readingsBefore, row.pointerReadings);
    }
}

TEST(WellnessSchedulerActiveUseTest, WithoutAnIdleReadingNoUseIsCountedAndNoReminderComes)
{
    ActiveUseRig rig({{"blinkEnabled", true}});
    rig.startRuntime();
    rig.clock.advance(60);
    rig.input.setHasReading(false);
    rig.clock.advance(8 * 3600);
    EXPECT_EQ(rig.wellness.postureCounter().elapsed, 60.0);
    EXPECT_EQ(rig.wellness.blinkCounter().elapsed, 60.0);
    EXPECT_TRUE(rig.reminderLines().isEmpty());

    // The source answers again: counting goes on from where it stood.
    rig.input.setHasReading(true);
    rig.clock.advance(240);
    EXPECT_EQ(rig.reminderLines(), QStringList({"Blink reminder #1 queued"}));
}

TEST(WellnessSchedulerActiveUseTest, ClockRunsOnlyWhileRemindersCanBecomeDue)
{
    ActiveUseRig rig({{"postureEnabled", false}});
    rig.startRuntime();
    EXPECT_FALSE(rig.wellness.isActiveUseClockRunning()); // both reminders off
    rig.wellness.setBlinkEnabled(true);
    EXPECT_TRUE(rig.wellness.isActiveUseClockRunning());
    rig.clock.advance(100);

    rig.wellness.pause(PauseReason::manual);
    rig.wellness.pause(PauseReason::manual); // logged again, nothing else
    EXPECT_FALSE(rig.wellness.isActiveUseClockRunning());
    rig.clock.advance(1000); // never counted
    rig.wellness.pause(PauseReason::meeting);
    EXPECT_EQ(rig.wellness.currentPauseReason(), PauseReason::manual);
    rig.wellness.resume(PauseReason::sleep); // not held: nothing, not even a line
    rig.wellness.resume(PauseReason::manual);
    EXPECT_FALSE(rig.wellness.isActiveUseClockRunning());
    rig.wellness.resume(PauseReason::meeting);
    EXPECT_TRUE(rig.wellness.isActiveUseClockRunning());
    EXPECT_EQ(rig.events("Wellness", "paused").size(), 3);
    EXPECT_EQ(rig.events("Wellness", "resume_deferred"),
              QStringList({"resume_deferred | completedReason=manual remainingReasons=meeting"}));
    EXPECT_EQ(rig.events("Wellness", "resumed"), QStringList({"resumed | reason=meeting"}));
    rig.clock.advance(200);
    EXPECT_EQ(rig.reminderLines(), QStringList({"Blink reminder #1 queued"}));

    rig.wellness.setOfficeHoursActive(false);
    EXPECT_FALSE(rig.wellness.isActiveUseClockRunning());
    rig.wellness.setOfficeHoursActive(true);
    EXPECT_TRUE(rig.wellness.isActiveUseClockRunning());
    rig.wellness.stopRuntime();
    EXPECT_FALSE(rig.wellness.isActiveUseClockRunning());
    EXPECT_EQ(rig.wellness.blinkCounter().elapsed, 0.0); // the reminder at 300 s emptied it
}

TEST(WellnessSchedulerActiveUseTest, PauseReasonsRankForTheReminders)
{
    struct Row
    {
        PauseReasonSet reasons;
        std::optional<PauseReason> primary;
    };
    const Row rows[] = {
        {{PauseReason::manual, PauseReason::meeting}, PauseReason::manual},
        {{PauseReason::idle, PauseReason::sleep}, PauseReason::idle},
        {{PauseReason::displaySleep, PauseReason::media, PauseReason::officeHours},
         PauseReason::officeHours},
        {{}, std::nullopt},
    };
    for (const auto &[reasons, primary] : rows) {
        WellnessRig rig;
        for (PauseReason reason : reasons.values())
            rig.wellness.pause(reason);
        EXPECT_EQ(rig.wellness.currentPauseReason(), primary);
    }
}

TEST(WellnessSchedulerActiveUseTest, SettingsAreStoredOnEveryAssignmentAndResetOnlyOnChange)
{
    ActiveUseRig rig({{"postureIntervalMinutes", integer(1)}, {"blinkEnabled", true},
                      {"blinkIntervalMinutes", integer(1)}});
    QSignalSpy intervalChanges(&rig.wellness, &WellnessScheduler::postureIntervalMinutesChanged);
    rig.startRuntime();
    rig.clock.advance(30);
    rig.wellness.setPostureIntervalMinutes(1); // the same: kept, stored again, not announced
    EXPECT_EQ(rig.wellness.postureCounter().elapsed, 30.0);
    EXPECT_EQ(intervalChanges.count(), 0);
    rig.clock.advance(30);
    EXPECT_EQ(rig.reminderLines(),
              QStringList({"Posture reminder #1 queued", "Blink reminder #1 queued"}));

    rig.clock.advance(30);
    rig.wellness.setPostureIntervalMinutes(2);
    EXPECT_EQ(rig.wellness.postureCounter().elapsed, 0.0);
    EXPECT_EQ(intervalChanges.count(), 1);
    rig.clock.advance(30);
    rig.wellness.setBlinkEnabled(false);
    rig.wellness.setBlinkEnabled(true);
    EXPECT_EQ(rig.wellness.blinkCounter().elapsed, 0.0);

    rig.store.removeObject("pauseDuringMeetings");
    rig.wellness.setPauseDuringMeetings(true);
    EXPECT_EQ(rig.store.persistentDomain().value("pauseDuringMeetings"), QVariant(true));
    rig.wellness.setPauseDuringMedia(true);
    EXPECT_EQ(rig.store.persistentDomain().value("mediaDetectionEnabled"), QVariant(true));
    EXPECT_EQ(rig.store.persistentDomain().value("postureIntervalMinutes"), integer(2));
}

TEST(WellnessSchedulerActiveUseTest, ZeroIntervalsAreMendedOnceAndHugeOrNegativeOnesNeverFire)
{
    WellnessRig zeros({{"postureIntervalMinutes", integer(0)}, {"blinkIntervalMinutes", integer(0)}});
    EXPECT_EQ(zeros.wellness.postureIntervalMinutes(), 20);
    EXPECT_EQ(zeros.wellness.blinkIntervalMinutes(), 5);
    EXPECT_EQ(zeros.store.persistentDomain().value("postureIntervalMinutes"), integer(20));
    EXPECT_EQ(zeros.store.persistentDomain().value("blinkIntervalMinutes"), integer(5));

    // Minutes times sixty would overflow a 64-bit count of seconds.
    ActiveUseRig huge({{"postureIntervalMinutes", integer(qint64(1) << 62)},
                       {"blinkEnabled", true},
                       {"blinkIntervalMinutes", integer(-5)}});
    huge.startRuntime();
    huge.clock.advance(6 * 3600);
    EXPECT_TRUE(huge.reminderLines().isEmpty());
    EXPECT_EQ(huge.wellness.postureCounter().elapsed, 6 * 3600.0);
    EXPECT_EQ(huge.wellness.blinkCounter().elapsed, 0.0);
}

TEST(WellnessSchedulerActiveUseTest, BlinkSubtitleIsTheDrawnOneOfFour)
{
    const QString subtitles[] = {"Blink slowly a few times", "Your eyes need moisture",
                                 "3 slow, deliberate blinks", "Refresh your eyes"};
    for (qsizetype drawn = 0; drawn < 4; ++drawn) {
        BreakSchedulerRig rig;
        rig.hud.setPresentAccepts(true);
        FakeActivitySignals activity;
        qsizetype bound = 0;
        WellnessScheduler wellness({
            .defaults = rig.store,
            .settings = rig.settings,
            .clock = rig.clock,
            .inputState = rig.input,
            .displayState = rig.display,
            .reminders = rig.reminders,
            .activitySignals = activity,
            .randomIndex = [&](qsizetype n) { return bound = n, drawn; },
        });
        wellness.deliverBlinkReminder();
        rig.clock.advance(2); // the reminder queue's batching window
        EXPECT_EQ(bound, 4);
        ASSERT_EQ(rig.hud.presented().size(), 1);
        EXPECT_EQ(rig.hud.presented().constLast().title, "Blink");
        EXPECT_EQ(rig.hud.presented().constLast().subtitle, subtitles[drawn]);
    }
}
