#pragma once

#include "core/Cancellable.h"
#include "core/DayStat.h"
#include "core/StatisticsKinds.h"

#include <QDate>
#include <QObject>
#include <QTimeZone>

#include <functional>

class Clock;
class StatsRepository;

// Per-day counters of what happened to breaks and reminders on this computer, for today and
// the 29 days before it. Every event is counted through record(), which changes today's
// record and saves the whole history at once. Day keys are "yyyy-MM-dd" in the time zone
// given at creation: a later change of the system's zone does not move recorded days.
// Main thread only.
class LocalStatisticsStore : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QList<DayStat> days READ days WRITE setDays NOTIFY daysChanged)

public:
    using Mutation = std::function<void(DayStat &)>;

    static constexpr int maxDays = 30;
    static constexpr double retentionIntervalSeconds = 3600;

    // Loads the stored history, keeps what lies in the window, merges duplicate days and
    // saves the result at once. With hourlyRetention, days that fall out of the window are
    // dropped within the hour even when nothing is recorded.
    LocalStatisticsStore(StatsRepository &repository, Clock &clock, QTimeZone timeZone,
                         bool hourlyRetention = true, QObject *parent = nullptr);

    // The application's store, on the statistics file, the system clock and the system time
    // zone as it is at creation; under the test host it keeps the history in memory and has
    // no retention timer. Made on first use and never destroyed.
    static LocalStatisticsStore &shared();

    const QList<DayStat> &days() const { return m_days; }
    // Stores without saving; the signal fires only when the list really changes.
    void setDays(const QList<DayStat> &days);

    void record(const Mutation &mutation);

    static Mutation applyCompletedBreak(qint64 seconds, bool isLong, bool endedEarly,
                                        BreakStatisticsSource source);
    static Mutation applySkippedBreak();
    static Mutation applyAutoSkippedBreak();
    static Mutation applySnoozedBreak();
    static Mutation applyInterruptedBreak();
    static Mutation applyIdleBreak(qint64 seconds);
    static Mutation applyReminderShown(StatsReminderKind kind);
    static Mutation applyHeadsUpShown();

    // One record per day for the last `count` days, oldest first and today last; days
    // without a record come zero-filled with their own date.
    QList<DayStat> recentDays(int count) const;
    // Whether anything worth charting was recorded: second counters alone are not.
    bool hasRecordedActivity() const;
    // Empties the history and what the repository holds; the retention timer keeps running.
    void clearAll();

    // The records dated inside the window as of now, one per day (duplicates added
    // together), in date order; records with a date that is not a real "yyyy-MM-dd" go.
    QList<DayStat> prune(const QList<DayStat> &days) const;
    void pruneExpired();

    QString dayKey(const QDate &day) const;

signals:
    void daysChanged();

private:
    QDate today() const;

    StatsRepository &m_repository;
    Clock &m_clock;
    QTimeZone m_timeZone;
    QList<DayStat> m_days;
    CancellableHandle m_retentionTimer; // cancelled with the store, so it never fires late
};
