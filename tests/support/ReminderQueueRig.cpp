#include "support/ReminderQueueRig.h"

ReminderQueueRig::ReminderQueueRig(const QVariantMap &stored, QDateTime start)
    : clock(std::move(start))
    , store(stored)
    , statistics(statsRepository, clock, QTimeZone::systemTimeZone(), false)
    , settings(store, clock)
    , queue(settings, clock, hud, statistics)
{
}

QStringList ReminderQueueRig::lines() const
{
    return log.messages(QStringLiteral("ReminderQueue"));
}

DayStat ReminderQueueRig::today() const
{
    return statistics.recentDays(1).constLast();
}

QStringList ReminderQueueRig::presentedTitles() const
{
    QStringList titles;
    for (const auto &notice : hud.presented())
        titles.append(notice.title);
    return titles;
}
