#pragma once

#include "core/Cancellable.h"
#include "core/DayStat.h"
#include "core/StatisticsKinds.h"
#include "core/StatsRepository.h"

#include <QDate>
#include <QObject>
#include <QTimeZone>

#include <functional>

class Clock;

// Per-day counters of what happened to breaks and reminders on this computer, for today and
// the 29 days before it. Every event is counted through record(), which changes today's
// record and saves the whole history at once. Day keys are "yyyy-MM-dd" in the time zone
// given at creation: a later change of the system's zone does not move recorded days.
// Records dated after today (a clock that is behind, for now) are kept as they are: not
// shown, not counted, never pruned, and written back with every save, so a clock that is
// wrong at start-up or set back while running cannot wipe the history. Main thread only.
class LocalStatisticsStore : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QList<DayStat> days READ days WRITE setDays NOTIFY daysChanged)
    Q_PROPERTY(QString saveError READ saveError NOTIFY saveErrorChanged)

public:
    using Mutation = std::function<void(DayStat &)>;

    static constexpr int maxDays = 30;
    static constexpr double retentionIntervalSeconds = 3600;

    // Loads the stored history, keeps what lies in the window (and what is dated after
    // today), merges duplicate days and saves the result at once. With hourlyRetention, days that fall out of the window are
    // dropped within the hour even when nothing is recorded.
    LocalStatisticsStore(StatsRepository &repository, Clock &clock, QTimeZone timeZone,
                         bool hourlyRetention = true, QObject *parent = nullptr);

    // The application's store, on the statistics file, the system clock and the system time
    // zone as it is at creation; under the test host it keeps the history in memory and has
    // no retention timer. Made on first use and never destroyed.
    static LocalStatisticsStore &shared();
    // Whether shared() has been made, so that the end of the process can flush it without
    // creating it.
    static bool isSharedCreated();

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
    // Empties what the repository holds and then the history; the retention timer keeps
    // running. When the repository still holds the history, the store keeps it too, so
    // what it shows is what is stored (and comes back at the next launch).
    StatsRepository::ClearResult clearAll();
    // Saves again when the last save failed; nothing else is ever waiting to be written.
    void flush();
    // Why the last save could not store the history, in words fit to show the user; empty
    // while saves work. What is counted meanwhile lives in memory only.
    const QString &saveError() const { return m_saveError; }

    // The records dated inside the window as of now, one per day (duplicates added
    // together), in date order; records with a date that is not a real "yyyy-MM-dd" go.
    QList<DayStat> prune(const QList<DayStat> &days) const;
    void pruneExpired();
    // The records dated after today, kept aside from days(); merged and ordered as prune().
    const QList<DayStat> &laterDays() const { return m_laterDays; }

    QString dayKey(const QDate &day) const;

signals:
    void daysChanged();
    void saveErrorChanged();

private:
    QDate today() const;
    // One record per day of the dates the filter accepts, in date order.
    QList<DayStat> mergeDays(const QList<DayStat> &days,
                             const std::function<bool(const QDate &)> &keep) const;
    QList<DayStat> laterThanToday(const QList<DayStat> &days) const;
    // What the file holds: the window, then the days after today.
    QList<DayStat> storedDays() const { return m_days + m_laterDays; }
    void save();
    void setSaveError(const QString &reason);

    StatsRepository &m_repository;
    Clock &m_clock;
    QTimeZone m_timeZone;
    QList<DayStat> m_days;
    QList<DayStat> m_laterDays;
    bool m_unsaved = false; // the last save failed
    QString m_saveError;
    CancellableHandle m_retentionTimer; // cancelled with the store, so it never fires late
};
