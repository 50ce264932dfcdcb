#include "core/AppSettings.h"
#include "core/InMemorySettingsRepository.h"
#include "menubar/FloatingHUD.h"
#include "menubar/ReminderQueue.h"
#include "support/FakeClock.h"
#include "support/LogCapture.h"

#include <gtest/gtest.h>

namespace {

struct Queue
{
    explicit Queue(const QVariantMap &stored = {})
        : store(stored)
        , settings(store, clock)
        , queue(settings, clock, hud)
    {
    }
    QStringList lines() const { return log.messages(QStringLiteral("ReminderQueue")); }

    LogCapture log;
    FakeClock clock;
    InMemorySettingsRepository store;
    AppSettings settings;
    FloatingHUD hud;
    ReminderQueue queue;
};

} // namespace

TEST(ReminderQueueTest, SuppressionsAreASetAndEachChangeIsLogged)
{
    Queue q;
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
    Queue q;
    // Its own countdown suppressions let a break heads-up through (to a HUD with no panel).
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

    Queue off({{"notificationsEnabled", false}});
    EXPECT_FALSE(off.queue.showBreakHeadsUp("Break in 2 min", "Finish your thought", 120));
    EXPECT_EQ(off.lines(), QStringList({"HUD suppressed: Break in 2 min"}));
}
