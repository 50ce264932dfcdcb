#include "scheduling/PlannedBreakTimetable.h"
#include "support/PlannedBreakRig.h"
#include "support/ScopedTimeZone.h"

#include <gtest/gtest.h>

namespace {

// What the check looked at before the timetable: every break of the list, in list order.
QList<qsizetype> nearByWalkingTheList(const QList<PlannedBreak> &breaks, const QDateTime &now,
                                      double earlierSeconds, double laterSeconds)
{
    QList<qsizetype> found;
    for (qsizetype position = 0; position < breaks.size(); ++position) {
        if (!breaks[position].isPlannedOn(now.date()))
            continue;
        const std::optional<QDateTime> scheduled = breaks[position].scheduledTimeOn(now);
        if (!scheduled)
            continue;
        const double lateness = double(scheduled->msecsTo(now)) / 1000;
        if (lateness >= -laterSeconds && lateness <= earlierSeconds)
            found.append(position);
    }
    return found;
}

QList<qsizetype> positionsOf(const QList<PlannedBreakTimetable::Occurrence> &occurrences)
{
    QList<qsizetype> positions;
    for (const PlannedBreakTimetable::Occurrence &occurrence : occurrences)
        positions.append(occurrence.position);
    return positions;
}

// A break every seven minutes around the clock, on changing weekdays, some switched off, and
// the last one twice under one id.
QList<PlannedBreak> aCrowdedList()
{
    QList<PlannedBreak> breaks;
    for (int index = 0; index < 24 * 60 / 7; ++index) {
        PlannedBreak planned = everyDay(QStringLiteral("Break %1").arg(index),
                                        QTime(0, 0).addSecs(index * 7 * 60));
        planned.days[index % 7] = false;
        planned.enabled = index % 11 != 0;
        breaks.append(planned);
    }
    PlannedBreak again = breaks.constLast();
    again.hour = 12;
    again.minute = 0;
    breaks.append(again);
    return breaks;
}

} // namespace

// Through a whole day on which the clocks go forward and one on which they go back, checked
// every five minutes with a 60-second lead and a quarter hour of lateness: the timetable names
// the same breaks as walking the list did, in list order.
TEST(PlannedBreakTimetableTest, NamesTheBreaksNearNowAsWalkingTheListDoes)
{
    const ScopedTimeZone berlin("Europe/Berlin");
    const QList<PlannedBreak> breaks = aCrowdedList();
    PlannedBreakTimetable timetable;
    timetable.setBreaks(breaks);
    for (const QDate day : {QDate(2025, 3, 30), QDate(2025, 10, 26), QDate(2025, 3, 4)}) {
        for (QDateTime now = day.startOfDay(); now.date() == day; now = now.addSecs(300)) {
            SCOPED_TRACE(now.toString(Qt::ISODate).toStdString());
            const QList<PlannedBreakTimetable::Occurrence> near = timetable.near(now, 900, 60);
            ASSERT_EQ(positionsOf(near), nearByWalkingTheList(breaks, now, 900, 60));
            for (const PlannedBreakTimetable::Occurrence &occurrence : near)
                ASSERT_EQ(occurrence.scheduled, breaks[occurrence.position].scheduledTimeOn(now));
        }
    }
}

TEST(PlannedBreakTimetableTest, FollowsTheListAndFindsEachIdWhereItFirstStands)
{
    QList<PlannedBreak> breaks = aCrowdedList();
    PlannedBreakTimetable timetable;
    timetable.setBreaks(breaks);
    const QDateTime sunday(QDate(2025, 3, 9), QTime(12, 0));
    const qsizetype twice = breaks.size() - 2;
    EXPECT_EQ(positionsOf(timetable.near(sunday, 0, 0)), QList<qsizetype>{twice + 1});
    EXPECT_EQ(timetable.positionOf(breaks.constLast().id), twice);
    EXPECT_TRUE(timetable.containsIdKey(breaks.first().idKey()));
    EXPECT_FALSE(timetable.containsIdKey(breaks.first().idKey().toLower()));
    EXPECT_FALSE(timetable.containsIdKey(breaks.first().id.toString()));
    EXPECT_EQ(timetable.positionOf(QUuid::createUuid()), -1);

    // A new first break at noon, and the one that stood twice gone: the day is arranged anew.
    const PlannedBreak lunch = everyDay(QStringLiteral("Lunch"), QTime(12, 0));
    const PlannedBreak gone = breaks.takeLast();
    breaks.removeLast();
    breaks.prepend(lunch);
    timetable.setBreaks(breaks);
    EXPECT_EQ(positionsOf(timetable.near(sunday, 0, 0)), QList<qsizetype>{0});
    EXPECT_EQ(timetable.positionOf(lunch.id), 0);
    EXPECT_EQ(timetable.positionOf(breaks[1].id), 1);
    EXPECT_EQ(timetable.positionOf(gone.id), -1);
    EXPECT_FALSE(timetable.containsIdKey(gone.idKey()));
}
