#include "support/PlannedBreakRig.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

const QString breaksKey = QStringLiteral("plannedBreaks");
const QString firedKey = QStringLiteral("plannedBreakLastFiredDates");

QVariantList storedList(const QList<PlannedBreak> &breaks)
{
    QVariantList list;
    for (const PlannedBreak &planned : breaks)
        list.append(planned.toStored());
    return list;
}

int repeatingBlocks(const FakeClock &clock)
{
    int count = 0;
    for (const FakeClock::ScheduledBlock &block : clock.scheduledBlocks())
        count += block.interval.has_value() ? 1 : 0;
    return count;
}

} // namespace

TEST(PlannedBreakSchedulerTest, AddingWhileStoppedSavesButShowsNothingUntilTheRuntimeStarts)
{
    PlannedBreakRig rig;
    QSignalSpy changed(&rig.plannedBreaks, &PlannedBreakScheduler::breaksChanged);
    const PlannedBreak lunch = rig.add(QStringLiteral("  Lunch "), QTime(9, 1));
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(rig.plannedBreaks.breaks().first().name, "Lunch");
    EXPECT_EQ(rig.store.object(breaksKey), storedList({*lunch.normalized()}));

    rig.clock.advance(120);
    EXPECT_TRUE(rig.shown.isEmpty());
    EXPECT_TRUE(rig.plannedLines().isEmpty()); // not even looked at

    rig.startRuntime(); // 09:02, one minute late
    ASSERT_EQ(rig.shown.size(), 1);
    EXPECT_EQ(rig.plannedEvents("due"),
              QStringList{"due | lateness=60s name=Lunch scheduledAt=09:01"});
}

TEST(PlannedBreakSchedulerTest, ABlankNameOrAnUnknownIdChangesAndWritesNothing)
{
    PlannedBreakRig rig;
    const PlannedBreak lunch = rig.add(QStringLiteral("Lunch"), QTime(12, 30));
    QSignalSpy changed(&rig.plannedBreaks, &PlannedBreakScheduler::breaksChanged);
    const int writes = rig.store.writeCount();

    rig.add(QStringLiteral(" \n "), QTime(13, 0));
    PlannedBreak blanked = lunch;
    blanked.name = QStringLiteral("\t");
    rig.plannedBreaks.update(blanked);
    rig.plannedBreaks.update(everyDay(QStringLiteral("Ghost"), QTime(14, 0)));

    EXPECT_EQ(rig.plannedBreaks.breaks(), QList<PlannedBreak>{*lunch.normalized()});
    EXPECT_EQ(changed.count(), 0);
    EXPECT_EQ(rig.store.writeCount(), writes);
}

TEST(PlannedBreakSchedulerTest, AnUpdateIsLookedAtAtOnceEvenWhileStopped)
{
    PlannedBreakRig rig({}, QDateTime(QDate(2025, 3, 4), QTime(9, 0, 30)));
    PlannedBreak lunch = rig.add(QStringLiteral("Lunch"), QTime(9, 1));
    EXPECT_TRUE(rig.plannedEvents("due").isEmpty());

    lunch.name = QStringLiteral("Long lunch");
    rig.plannedBreaks.update(lunch);
    EXPECT_EQ(rig.plannedEvents("due"),
              QStringList{"due | lateness=0s name=\"Long lunch\" scheduledAt=09:01"});
    EXPECT_TRUE(rig.plannedBreaks.dueBreaks().contains(lunch.id));
    EXPECT_TRUE(rig.hud.presented().isEmpty()); // nothing is handed on while stopped
}

TEST(PlannedBreakSchedulerTest, SwitchingABreakOffTakesItsNoticeAndPendingStepAway)
{
    PlannedBreakRig rig;
    PlannedBreak lunch = rig.add(QStringLiteral("Lunch"), QTime(9, 1));
    rig.startRuntime();
    ASSERT_TRUE(rig.hud.showing());
    EXPECT_TRUE(rig.plannedBreaks.hasPendingPresentation(lunch.id));

    lunch.enabled = false;
    rig.plannedBreaks.update(lunch);
    EXPECT_FALSE(rig.hud.showing());
    EXPECT_FALSE(rig.reminders.isSuppressed(ReminderSuppressionReason::plannedBreak));
    EXPECT_FALSE(rig.plannedBreaks.hasPendingPresentation(lunch.id));
    EXPECT_TRUE(rig.plannedBreaks.dueBreaks().isEmpty());
    rig.clock.advance(600);
    EXPECT_TRUE(rig.shown.isEmpty());

    // Switched on again within the quarter hour, it gets a fresh notice-less start.
    lunch.enabled = true;
    rig.plannedBreaks.update(lunch);
    ASSERT_EQ(rig.shown.size(), 1);
    EXPECT_EQ(rig.shown.first().at.time(), QTime(9, 10));
}

TEST(PlannedBreakSchedulerTest, ABreakFiresOnceADayWhateverTheEditsButANewOneIsNew)
{
    PlannedBreakRig rig;
    PlannedBreak lunch = rig.add(QStringLiteral("Lunch"), QTime(9, 1));
    rig.startRuntime();
    rig.clock.advance(60);
    ASSERT_EQ(rig.shown.size(), 1);
    rig.finishBreak();
    EXPECT_EQ(rig.store.dictionary(firedKey), (QVariantMap{{lunch.idKey(), "2025-03-04"}}));

    // Moved to later today, it stays fired.
    lunch.minute = 30;
    rig.plannedBreaks.update(lunch);
    rig.clock.advance(3600); // to 10:01
    EXPECT_EQ(rig.shown.size(), 1);

    // Removed, its fired date goes from the store at once; a new record is a new break.
    rig.plannedBreaks.remove(lunch.id);
    EXPECT_EQ(rig.store.dictionary(firedKey), QVariantMap());
    rig.add(QStringLiteral("Lunch"), QTime(10, 5));
    rig.clock.advance(250); // to 10:05:10
    EXPECT_EQ(rig.shown.size(), 2);
}

TEST(PlannedBreakSchedulerTest, RemoveTakesEveryCopyOfAnIdWhileUpdateReplacesTheFirst)
{
    const PlannedBreak lunch = *everyDay(QStringLiteral("Lunch"), QTime(12, 30)).normalized();
    PlannedBreak tea = *everyDay(QStringLiteral("Tea"), QTime(15, 0)).normalized();
    PlannedBreakRig rig({{breaksKey, storedList({lunch, tea, lunch})}});

    PlannedBreak renamed = lunch;
    renamed.name = QStringLiteral("Brunch");
    rig.plannedBreaks.update(renamed);
    EXPECT_EQ(rig.plannedBreaks.breaks(), (QList<PlannedBreak>{renamed, tea, lunch}));

    rig.plannedBreaks.remove(lunch.id);
    EXPECT_EQ(rig.plannedBreaks.breaks(), QList<PlannedBreak>{tea});
    EXPECT_EQ(rig.store.object(breaksKey), storedList({tea}));
}

TEST(PlannedBreakSchedulerTest, OneCheckRunsWhileStartedAndNoneAfterStop)
{
    PlannedBreakRig rig;
    QSignalSpy started(&rig.plannedBreaks, &PlannedBreakScheduler::isStartedChanged);
    const int others = repeatingBlocks(rig.clock);
    rig.plannedBreaks.start();
    rig.plannedBreaks.start();
    rig.startRuntime();
    EXPECT_EQ(repeatingBlocks(rig.clock), others + 1);
    EXPECT_EQ(started.count(), 1);

    rig.plannedBreaks.stop();
    rig.plannedBreaks.stop();
    EXPECT_EQ(repeatingBlocks(rig.clock), others);
    EXPECT_EQ(started.count(), 2);
    EXPECT_FALSE(rig.plannedBreaks.isStarted());

    // Stopped, the list is still looked at when a break screen goes, but nothing is handed on.
    rig.add(QStringLiteral("Lunch"), QTime(9, 1));
    rig.clock.advance(90);
    EXPECT_TRUE(rig.plannedEvents("due").isEmpty());
    rig.finishBreak();
    EXPECT_EQ(rig.plannedEvents("due").size(), 1);
    EXPECT_TRUE(rig.shown.isEmpty());
}
