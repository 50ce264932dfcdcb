#include "support/PlannedBreakRig.h"

#include <gtest/gtest.h>

namespace {

QVariant integer(qint64 value)
{
    return QVariant::fromValue(value);
}

QDateTime tuesdayAt(QTime time)
{
    return QDateTime(QDate(2025, 3, 4), time);
}

QList<QTime> shownAt(const PlannedBreakRig &rig)
{
    QList<QTime> times;
    for (const PlannedBreakRig::ShownBreak &shown : rig.shown)
        times.append(shown.at.time());
    return times;
}

} // namespace

TEST(PlannedBreakPresentationTest, TheNoticeRoundsTheSecondsUpButTheBreakKeepsItsExactTime)
{
    PlannedBreakRig rig({}, tuesdayAt(QTime(9, 0, 17, 700)));
    rig.add(QStringLiteral("Lunch"), QTime(9, 1));
    rig.startRuntime();
    ASSERT_EQ(rig.hud.presented().size(), 1);
    EXPECT_EQ(rig.hud.presented().first().title, "Lunch in 43s");
    EXPECT_EQ(rig.hud.presented().first().secondsLeft, 43);
    EXPECT_EQ(rig.plannedEvents("heads_up_shown"),
              QStringList{"heads_up_shown | name=Lunch secondsLeft=43s"});
    EXPECT_TRUE(rig.reminders.isSuppressed(ReminderSuppressionReason::plannedBreak));

    rig.clock.advance(42.2);
    EXPECT_TRUE(rig.shown.isEmpty());
    rig.clock.advance(0.1);
    EXPECT_EQ(shownAt(rig), QList<QTime>{QTime(9, 1)});
}

TEST(PlannedBreakPresentationTest, WithNotificationsOffTheBreakComesUnannounced)
{
    PlannedBreakRig rig({{"notificationsEnabled", false}});
    rig.add(QStringLiteral("Lunch"), QTime(9, 1));
    rig.startRuntime();
    rig.clock.advance(59);
    EXPECT_TRUE(rig.plannedEvents("due").isEmpty()); // no lead without a notice
    rig.clock.advance(1);
    EXPECT_EQ(shownAt(rig), QList<QTime>{QTime(9, 1)});
    EXPECT_TRUE(rig.hud.presented().isEmpty());
    EXPECT_TRUE(rig.plannedEvents("heads_up_shown").isEmpty());
    EXPECT_TRUE(rig.plannedEvents("heads_up_skipped").isEmpty());
}

TEST(PlannedBreakPresentationTest, ABreakIsAnnouncedOnlyOnceEvenWhenAnotherBreakComesBetween)
{
    PlannedBreakRig rig;
    const PlannedBreak lunch = rig.add(QStringLiteral("Lunch"), QTime(9, 1));
    rig.startRuntime();
    ASSERT_TRUE(rig.hud.showing());

    rig.clock.advance(20); // a routine break comes up
    rig.breakShowing = true;
    emit rig.notifier.breakWillShow();
    EXPECT_FALSE(rig.hud.showing());
    EXPECT_FALSE(rig.plannedBreaks.hasPendingPresentation(lunch.id));
    EXPECT_FALSE(rig.reminders.isSuppressed(ReminderSuppressionReason::plannedBreak));

    rig.clock.advance(20); // and goes before Lunch's time
    rig.breakShowing = false;
    emit rig.notifier.breakDidHide();
    EXPECT_TRUE(rig.plannedBreaks.hasPendingPresentation(lunch.id));
    EXPECT_EQ(rig.hud.presented().size(), 1);
    rig.clock.advance(20);
    EXPECT_EQ(shownAt(rig), QList<QTime>{QTime(9, 1)});
}

TEST(PlannedBreakPresentationTest, TypingHoldsTheBreakInStepsUpToTwoMinutes)
{
    PlannedBreakRig rig({{"reminderSensitivity", "Normal"}, {"gentleDelaySeconds", integer(3)}});
    rig.add(QStringLiteral("Lunch"), QTime(9, 1));
    rig.input.setSecondsSinceKeyboardActivity(1); // typing on and on
    rig.input.setSecondsSincePointerActivity(600);
    rig.startRuntime();
    rig.clock.advance(60 + 117);
    EXPECT_TRUE(rig.shown.isEmpty());
    rig.clock.advance(3);
    EXPECT_EQ(shownAt(rig), QList<QTime>{QTime(9, 3)});

    const QStringList holds = rig.plannedEvents("delayed");
    ASSERT_EQ(holds.size(), 40);
    EXPECT_EQ(holds.first(), "delayed | accumulated=3s name=Lunch reason=\"keyboard active\"");
    EXPECT_EQ(holds.last(), "delayed | accumulated=120s name=Lunch reason=\"keyboard active\"");
}

TEST(PlannedBreakPresentationTest, TheSettingsDecideWhatHoldsTheBreakAndForHowLong)
{
    struct Case
    {
        const char *enforcement;
        const char *sensitivity;
        qint64 gentleDelay;
        double keyboardIdle;
        double pointerIdle;
        const char *firstHold; // none: shown on time
    };
    const Case cases[] = {
        {"Casual", "Normal", 3, 600, 0, nullptr}, // "Normal" minds the keyboard alone
        {"Casual", "Gentle", 3, 600, 0, "accumulated=3s name=Lunch reason=\"user active\""},
        {"Casual", "Gentle", 1, 0.5, 600, "accumulated=1s name=Lunch reason=\"user active\""},
        {"Casual", "Gentle", 12, 11, 600, "accumulated=5s name=Lunch reason=\"user active\""},
        {"Casual", "Gentle", 12, 12, 600, nullptr},
        {"Hardcore", "Gentle", 3, 0, 0, nullptr},
        {"Casual", "Persistent", 3, 0, 0, nullptr},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.enforcement) + " " + c.sensitivity + " "
                     + std::to_string(c.gentleDelay) + " " + std::to_string(c.keyboardIdle));
        PlannedBreakRig rig({{"enforcement", c.enforcement},
                             {"reminderSensitivity", c.sensitivity},
                             {"gentleDelaySeconds", integer(c.gentleDelay)}});
        rig.add(QStringLiteral("Lunch"), QTime(9, 1));
        rig.input.setSecondsSinceKeyboardActivity(c.keyboardIdle);
        rig.input.setSecondsSincePointerActivity(c.pointerIdle);
        rig.startRuntime();
        rig.clock.advance(60);
        const QStringList holds = rig.plannedEvents("delayed");
        if (c.firstHold) {
            EXPECT_TRUE(rig.shown.isEmpty());
            EXPECT_EQ(holds, QStringList{QStringLiteral("delayed | ") + c.firstHold});
        } else {
            EXPECT_EQ(shownAt(rig), QList<QTime>{QTime(9, 1)});
            EXPECT_TRUE(holds.isEmpty());
        }
    }
}

TEST(PlannedBreakPresentationTest, ASuspensionTakesTheNoticeAwayAndTheLastResumeLooksAgain)
{
    PlannedBreakRig rig;
    rig.add(QStringLiteral("Lunch"), QTime(9, 1));
    rig.startRuntime();
    ASSERT_TRUE(rig.hud.showing());

    rig.plannedBreaks.suspend(PauseReason::meeting);
    rig.plannedBreaks.suspend(PauseReason::manual);
    EXPECT_FALSE(rig.hud.showing());
    EXPECT_FALSE(rig.reminders.isSuppressed(ReminderSuppressionReason::plannedBreak));
    rig.clock.advance(90);
    EXPECT_TRUE(rig.shown.isEmpty());

    rig.plannedBreaks.resume(PauseReason::manual);
    rig.plannedBreaks.resume(PauseReason::idle); // never given: harmless
    rig.clock.advance(1);
    EXPECT_TRUE(rig.shown.isEmpty());

    rig.clock.advance(1.5); // 09:01:32.5, between two checks
    rig.plannedBreaks.resume(PauseReason::meeting);
    EXPECT_TRUE(rig.shown.isEmpty()); // not inside the caller's own work
    rig.clock.advance(0);
    EXPECT_EQ(shownAt(rig), QList<QTime>{QTime(9, 1, 32, 500)});
    EXPECT_EQ(rig.plannedEvents("triggering"),
              QStringList{"triggering | duration=300s name=Lunch scheduledAt=09:01"});
    EXPECT_EQ(rig.hud.presented().size(), 1); // the notice was shown once, not again
}

TEST(PlannedBreakPresentationTest, WhileTheUserIsAwayTheBreakWaitsAndComesOnTheirReturn)
{
    PlannedBreakRig rig({{"idleDetectionEnabled", true}, {"idleTimeoutMinutes", integer(5)},
                         {"idleResetThresholdMinutes", integer(20)}});
    rig.add(QStringLiteral("Lunch"), QTime(9, 8));
    rig.input.setIdleSeconds(0);
    rig.scheduler.start();
    rig.startRuntime();
    for (int second = 1; second <= 9 * 60; ++second) { // away from 09:00 to 09:09
        rig.input.setIdleSeconds(second);
        rig.clock.advance(1);
    }
    EXPECT_TRUE(rig.scheduler.isSystemIdle());
    EXPECT_TRUE(rig.plannedBreaks.suspensionReasons().contains(PauseReason::idle));
    EXPECT_TRUE(rig.shown.isEmpty());
    EXPECT_TRUE(rig.hud.presented().isEmpty()); // no notice for an empty desk

    // Back at work: the break is a minute late and waits while the user is busy, as any
    // planned break does at its time.
    rig.input.setIdleSeconds(0);
    rig.clock.advance(1);
    EXPECT_FALSE(rig.plannedBreaks.suspensionReasons().contains(PauseReason::idle));
    rig.clock.advance(119);
    EXPECT_TRUE(rig.shown.isEmpty());
    rig.clock.advance(1);
    ASSERT_EQ(rig.shown.size(), 1);
    EXPECT_EQ(rig.shown.first().at.time(), QTime(9, 11, 1));
    EXPECT_EQ(rig.plannedEvents("delayed").size(), 24);
}
