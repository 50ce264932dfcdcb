#include "support/ReminderQueueRig.h"

#include <gtest/gtest.h>

namespace {

const QList<ReminderSuppressionReason> allReasons = {
    ReminderSuppressionReason::upcomingBreak,   ReminderSuppressionReason::plannedBreak,
    ReminderSuppressionReason::activeBreak,     ReminderSuppressionReason::postBreakCooldown,
    ReminderSuppressionReason::waitForActivity, ReminderSuppressionReason::manualPause,
    ReminderSuppressionReason::officeHours,     ReminderSuppressionReason::meeting,
    ReminderSuppressionReason::media,           ReminderSuppressionReason::idle,
    ReminderSuppressionReason::sleep,           ReminderSuppressionReason::displaySleep,
};

} // namespace

TEST(ReminderQueueTest, SuppressionsAreASetAndEachChangeIsLogged)
{
    ReminderQueueRig q;
    q.queue.beginSuppression(ReminderSuppressionReason::upcomingBreak);
    q.queue.beginSuppression(ReminderSuppressionReason::upcomingBreak);
    q.queue.beginSuppression(ReminderSuppressionReason::displaySleep);
    q.queue.endSuppression(ReminderSuppressionReason::upcomingBreak);
    q.queue.endSuppression(ReminderSuppressionReason::manualPause);
    EXPECT_EQ(q.lines(), QStringList({
                             "Suppression started (upcomingBreak) - queue cleared",
                             "Suppression started (upcomingBreak) - queue cleared",
                             "Suppression started (displaySleep) - queue cleared",
                             "Suppression ended (upcomingBreak) - active: 1",
                             "Suppression ended (manualPause) - active: 1",
                         }));
    EXPECT_EQ(q.queue.suppressionReasons(),
              std::set<ReminderSuppressionReason>({ReminderSuppressionReason::displaySleep}));
    EXPECT_EQ(q.log.records().constFirst().level, LogLevel::Debug);
}

TEST(ReminderQueueTest, NoticesAreRefusedWithTheirTitleWhileHeldBack)
{
    ReminderQueueRig q;
    q.hud.setPresentAccepts(false);
    // Its own countdown suppressions let a break heads-up through (to a HUD that refuses).
    q.queue.beginSuppression(ReminderSuppressionReason::upcomingBreak);
    q.queue.beginSuppression(ReminderSuppressionReason::plannedBreak);
    EXPECT_FALSE(q.queue.showBreakHeadsUp("Break in 30s", "Finish your thought", 30));
    EXPECT_FALSE(q.lines().contains("HUD suppressed: Break in 30s"));
    // ...but not a welcome-back notice, which any reason holds back.
    EXPECT_FALSE(q.queue.showWelcomeBack(HUDStyle::blink, "Welcome back", "Timer resumed."));
    EXPECT_TRUE(q.lines().contains("HUD suppressed: Welcome back"));

    q.queue.beginSuppression(ReminderSuppressionReason::idle);
    EXPECT_FALSE(q.queue.showBreakHeadsUp("Break in 30s", "Finish your thought", 30));
    EXPECT_FALSE(q.queue.showPlannedBreakHeadsUp("Lunch", "Scheduled break starting soon", 60));
    EXPECT_TRUE(q.lines().contains("HUD suppressed: Break in 30s"));
    EXPECT_TRUE(q.lines().contains("HUD suppressed: Lunch"));

    ReminderQueueRig off({{"notificationsEnabled", false}});
    EXPECT_FALSE(off.queue.showBreakHeadsUp("Break in 2 min", "Finish your thought", 120));
    EXPECT_EQ(off.lines(), QStringList({"HUD suppressed: Break in 2 min"}));
}

TEST(ReminderQueueTest, EveryReasonHoldsNoticesBackAndOnlyBreakReasonsPassCountdowns)
{
    for (const auto reason : allReasons) {
        SCOPED_TRACE(reminderSuppressionReasonName(reason).toStdString());
        ReminderQueueRig q;
        q.queue.beginSuppression(reason);
        q.queue.enqueueWellness(HUDStyle::posture, "Sit up straight", "Roll your shoulders back");
        q.clock.advance(2);
        EXPECT_FALSE(q.queue.showWelcomeBack(HUDStyle::away, "Welcome back", "Timer resumed."));
        const bool passes = reason == ReminderSuppressionReason::upcomingBreak
            || reason == ReminderSuppressionReason::plannedBreak;
        EXPECT_EQ(q.queue.showBreakHeadsUp("Break in 30s", "Finish your thought", 30), passes);
        EXPECT_EQ(q.queue.showPlannedBreakHeadsUp("Lunch", "Starting soon", 60), passes);

        EXPECT_EQ(q.presentedTitles(),
                  passes ? QStringList({"Break in 30s", "Lunch"}) : QStringList());
        EXPECT_TRUE(q.lines().contains("Wellness reminder suppressed: Sit up straight"));
        EXPECT_TRUE(q.lines().contains("HUD suppressed: Welcome back"));
        EXPECT_EQ(q.lines().contains("HUD suppressed: Lunch"), !passes);
        EXPECT_EQ(q.today().postureRemindersShown, 0);
    }
}

TEST(ReminderQueueTest, SwitchedOffOrOutsideOfficeHoursNothingIsShown)
{
    const QDateTime evening(QDate(2025, 3, 4), QTime(20, 0));
    const std::pair<QVariantMap, QDateTime> closedGates[] = {
        {{{"notificationsEnabled", false}}, evening.addSecs(-9 * 3600)},
        {{{"officeHoursEnabled", true}}, evening},
    };
    for (const auto &[stored, start] : closedGates) {
        ReminderQueueRig q(stored, start);
        EXPECT_FALSE(q.queue.showBreakHeadsUp("Break in 30s", "", 30));
        EXPECT_FALSE(q.queue.showPlannedBreakHeadsUp("Lunch", "", 60));
        EXPECT_FALSE(q.queue.showWelcomeBack(HUDStyle::away, "Welcome back", ""));
        q.queue.enqueueWellness(HUDStyle::blink, "Blink", "");
        q.clock.advance(2);
        EXPECT_TRUE(q.hud.presented().isEmpty());
        EXPECT_EQ(q.lines(), QStringList({"HUD suppressed: Break in 30s", "HUD suppressed: Lunch",
                                          "HUD suppressed: Welcome back",
                                          "Wellness reminder suppressed: Blink"}));
    }

    // A gate that closes while the batch is open lets nothing through either.
    ReminderQueueRig q;
    q.queue.enqueueWellness(HUDStyle::blink, "Blink", "");
    q.settings.setNotificationsEnabled(false);
    q.clock.advance(2);
    EXPECT_TRUE(q.hud.presented().isEmpty());
}

TEST(ReminderQueueTest, HigherPrioritiesReplaceLowerOnesNeverTheReverse)
{
    ReminderQueueRig q;
    q.queue.enqueueWellness(HUDStyle::posture, "Sit up straight", "");
    q.clock.advance(1.25);
    EXPECT_TRUE(q.queue.showWelcomeBack(HUDStyle::away, "Welcome back", "Timer resumed."));
    EXPECT_FALSE(q.queue.showWelcomeBack(HUDStyle::away, "Welcome back again", ""));
    q.queue.enqueueWellness(HUDStyle::blink, "Blink", "");
    EXPECT_TRUE(q.queue.showBreakHeadsUp("Break in 30s", "", 30));
    EXPECT_FALSE(q.queue.showWelcomeBack(HUDStyle::away, "Welcome back", ""));
    q.queue.enqueueWellness(HUDStyle::typing, "Relax your wrists", "");
    EXPECT_TRUE(q.queue.showPlannedBreakHeadsUp("Lunch in 1 min", "", 60));
    // A planned-break countdown is never replaced by a routine one.
    EXPECT_FALSE(q.queue.showBreakHeadsUp("Break in 20s", "", 20));
    q.clock.advance(5);

    EXPECT_EQ(q.presentedTitles(),
              QStringList({"Sit up straight", "Welcome back", "Break in 30s", "Lunch in 1 min"}));
    EXPECT_EQ(q.hud.showing()->kind, HUDPresentationKind::scheduledBreak);
    EXPECT_EQ(q.lines().count("Wellness reminder dropped while higher-priority HUD is active"), 2);
    EXPECT_EQ(q.today().blinkRemindersShown + q.today().typingRemindersShown, 0);
}

TEST(ReminderQueueTest, ARepeatedCountdownUpdatesTheNoticeOnScreen)
{
    ReminderQueueRig q;
    ASSERT_TRUE(q.queue.showBreakHeadsUp("Break in 30s", "Finish your thought", 30));
    const QUuid presentation = q.hud.presentationId();
    const HUDNotificationRequest first = *q.queue.activeRequest();
    q.clock.advance(10);
    EXPECT_TRUE(q.queue.showBreakHeadsUp("Break in 20s", "Finish your thought", 20));
    EXPECT_EQ(q.hud.presentationId(), presentation);
    EXPECT_EQ(q.hud.showing()->title, "Break in 20s");
    EXPECT_EQ(q.hud.showing()->secondsLeft, 20);
    EXPECT_EQ(q.queue.activeRequest()->id, first.id);
    EXPECT_EQ(q.queue.activeRequest()->expiresAt, first.expiresAt);

    // A countdown the HUD will not change is put up afresh.
    q.hud.setUpdateAccepts(false);
    EXPECT_TRUE(q.queue.showBreakHeadsUp("Break in 10s", "Finish your thought", 10));
    EXPECT_EQ(q.presentedTitles(), QStringList({"Break in 30s", "Break in 10s"}));
    EXPECT_NE(q.hud.presentationId(), presentation);
}

TEST(ReminderQueueTest, ABreakCountdownSurvivesOnlyItsOwnSuppression)
{
    ReminderQueueRig q;
    q.queue.enqueueWellness(HUDStyle::posture, "Sit up straight", "");
    q.clock.advance(1.25);
    ASSERT_TRUE(q.hud.showing());
    q.queue.beginSuppression(ReminderSuppressionReason::upcomingBreak);
    EXPECT_FALSE(q.hud.showing());

    EXPECT_TRUE(q.queue.showBreakHeadsUp("Break in 30s", "", 30));
    q.queue.beginSuppression(ReminderSuppressionReason::plannedBreak);
    EXPECT_TRUE(q.hud.showing());
    q.queue.beginSuppression(ReminderSuppressionReason::meeting);
    EXPECT_FALSE(q.hud.showing());
    EXPECT_FALSE(q.queue.activeRequest());
}
