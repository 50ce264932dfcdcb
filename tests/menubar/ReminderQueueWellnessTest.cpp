#include "support/ReminderQueueRig.h"

#include <gtest/gtest.h>

namespace {

void enqueuePosture(ReminderQueueRig &q)
{
    q.queue.enqueueWellness(HUDStyle::posture, "Sit up straight", "Roll your shoulders back");
}

void enqueueBlink(ReminderQueueRig &q)
{
    q.queue.enqueueWellness(HUDStyle::blink, "Blink", "Rest your eyes");
}

} // namespace

TEST(ReminderQueueWellnessTest, RemindersCloseTogetherShowAsOneCheckWhenTheWindowCloses)
{
    ReminderQueueRig q;
    enqueuePosture(q);
    q.clock.advance(0.5);
    enqueueBlink(q);
    enqueuePosture(q);
    q.clock.advance(0.74);
    EXPECT_TRUE(q.hud.presented().isEmpty());
    q.clock.advance(0.01);

    ASSERT_EQ(q.hud.presented().size(), 1);
    const auto &notice = q.hud.presented().constFirst();
    EXPECT_EQ(notice.title, "Wellness check");
    EXPECT_EQ(notice.subtitle, "Sit up straight and blink");
    EXPECT_EQ(notice.style, HUDStyle::posture);
    EXPECT_EQ(notice.secondsLeft, 0);
    EXPECT_EQ(q.today().postureRemindersShown, 1);
    EXPECT_EQ(q.today().blinkRemindersShown, 1);
    EXPECT_EQ(q.lines(), QStringList({"Queued wellness reminder: Sit up straight",
                                      "Queued wellness reminder: Blink",
                                      "Skipping duplicate wellness category: posture"}));
}

TEST(ReminderQueueWellnessTest, AReminderJoinsTheWellnessNoticeOnScreen)
{
    ReminderQueueRig q;
    enqueuePosture(q);
    q.clock.advance(1.25);
    const QUuid presentation = q.hud.presentationId();
    const QUuid request = q.queue.activeRequest()->id;

    enqueueBlink(q);
    enqueueBlink(q);
    q.queue.enqueueWellness(HUDStyle::typing, "Relax your wrists", "");
    q.queue.enqueueWellness(HUDStyle::hydration, "Drink some water", "");
    q.clock.advance(2);

    EXPECT_EQ(q.hud.presented().size(), 1);
    EXPECT_EQ(q.hud.presentationId(), presentation);
    EXPECT_EQ(q.queue.activeRequest()->id, request);
    EXPECT_EQ(q.hud.showing()->title, "Wellness check");
    EXPECT_EQ(q.hud.showing()->subtitle,
              "Sit up straight, blink, relax your wrists, and drink some water");
    EXPECT_EQ(q.lines().count("Skipping duplicate active wellness category"), 1);
    // Counted once each, the repeated blink included; hydration has no counter.
    const DayStat day = q.today();
    EXPECT_EQ(day.postureRemindersShown + day.blinkRemindersShown + day.typingRemindersShown, 3);
}

TEST(ReminderQueueWellnessTest, RemindersGiveWayToACountdownAndAreNotRetried)
{
    ReminderQueueRig q;
    enqueuePosture(q);
    q.clock.advance(0.5);
    EXPECT_TRUE(q.queue.showBreakHeadsUp("Break in 30s", "", 30));
    q.clock.advance(5);
    EXPECT_EQ(q.presentedTitles(), QStringList({"Break in 30s"}));

    // A batch the HUD refuses is lost, and nothing is counted.
    q.hud.dismiss(true);
    q.hud.setPresentAccepts(false);
    enqueueBlink(q);
    q.clock.advance(1.25);
    q.hud.setPresentAccepts(true);
    q.clock.advance(5);
    EXPECT_EQ(q.presentedTitles(), QStringList({"Break in 30s"}));
    EXPECT_EQ(q.today().blinkRemindersShown, 0);

    // A suppression that begins and ends inside the window still empties it.
    enqueueBlink(q);
    q.queue.beginSuppression(ReminderSuppressionReason::idle);
    q.queue.endSuppression(ReminderSuppressionReason::idle);
    q.clock.advance(2);
    EXPECT_EQ(q.presentedTitles(), QStringList({"Break in 30s"}));
}

TEST(ReminderQueueWellnessTest, RemindersStillWaitingFollowADismissalAQuarterSecondLater)
{
    ReminderQueueRig q;
    enqueuePosture(q);
    q.clock.advance(1.25);
    // The notice on screen will not take the new texts, so the reminder waits its turn.
    q.hud.setUpdateAccepts(false);
    enqueueBlink(q);
    q.clock.advance(0.5);
    q.hud.dismiss(true);
    q.clock.advance(0.24);
    EXPECT_EQ(q.hud.presented().size(), 1);
    q.clock.advance(0.01);

    EXPECT_EQ(q.presentedTitles(), QStringList({"Sit up straight", "Blink"}));
    EXPECT_EQ(q.today().blinkRemindersShown, 1);
    EXPECT_TRUE(q.lines().contains("Queued wellness reminder: Blink"));
}

TEST(ReminderQueueWellnessTest, ANoticeFadingOutNeitherSwallowsNorBlocksReminders)
{
    ReminderQueueRig q;
    enqueuePosture(q);
    q.clock.advance(1.25);
    q.hud.beginFadeOut();
    enqueueBlink(q);
    q.clock.advance(0.3);
    q.hud.finishFadeOut();
    q.clock.advance(0.95);

    EXPECT_TRUE(q.hud.updates().isEmpty());
    EXPECT_EQ(q.presentedTitles(), QStringList({"Sit up straight", "Blink"}));
    EXPECT_EQ(q.today().blinkRemindersShown, 1);
    // The new notice is the active one: the late handler of the old one did not end it.
    q.queue.enqueueWellness(HUDStyle::typing, "Relax your wrists", "");
    EXPECT_EQ(q.hud.showing()->subtitle, "Blink and relax your wrists");
}

TEST(ReminderQueueWellnessTest, ANoticeReplacedBySomeoneElseIsForgotten)
{
    ReminderQueueRig q;
    enqueuePosture(q);
    q.clock.advance(1.25);
    q.hud.replaceByOtherPresenter();
    enqueueBlink(q);
    // The other notice keeps its own texts until the batch replaces it.
    EXPECT_TRUE(q.hud.updates().isEmpty());
    EXPECT_EQ(q.hud.showing()->title, "Preview");
    q.clock.advance(1.25);
    EXPECT_EQ(q.presentedTitles(), QStringList({"Sit up straight", "Blink"}));

    // A replaced planned-break countdown does not hold back a routine one, nor is it
    // closed when a suppression begins.
    ASSERT_TRUE(q.queue.showPlannedBreakHeadsUp("Lunch in 1 min", "", 60));
    q.hud.replaceByOtherPresenter();
    q.queue.beginSuppression(ReminderSuppressionReason::manualPause);
    EXPECT_EQ(q.hud.showing()->title, "Preview");
    q.queue.endSuppression(ReminderSuppressionReason::manualPause);
    EXPECT_TRUE(q.queue.showBreakHeadsUp("Break in 30s", "", 30));
    EXPECT_EQ(q.hud.showing()->title, "Break in 30s");
}

TEST(ReminderQueueWellnessTest, ClearAllForgetsTheBatchAndTheNoticeOnScreen)
{
    ReminderQueueRig q;
    enqueuePosture(q);
    q.queue.clearAll();
    q.clock.advance(2);
    EXPECT_TRUE(q.hud.presented().isEmpty());

    enqueuePosture(q);
    q.clock.advance(1.25);
    q.queue.clearAll();
    enqueueBlink(q);
    q.clock.advance(1.25);
    EXPECT_TRUE(q.hud.updates().isEmpty());
    EXPECT_EQ(q.presentedTitles(), QStringList({"Sit up straight", "Blink"}));
}
