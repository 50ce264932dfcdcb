#pragma once

#include "core/Cancellable.h"
#include "core/Logger.h"
#include "core/PauseReason.h"
#include "scheduling/PlannedBreak.h"
#include "scheduling/PlannedBreakSchedulerServices.h"
#include "scheduling/PlannedBreakStore.h"
#include "scheduling/PlannedBreakTimetable.h"

#include <QDateTime>
#include <QMap>
#include <QObject>
#include <QSet>
#include <QUuid>

#include <map>
#include <optional>

// Owns the user's fixed-time breaks ("Lunch at 12:30") and brings each to the screen at most
// once a day on its weekdays: a check every five seconds finds the breaks that are due, gives
// the earliest a heads-up notice, holds it briefly while the user is typing and hands it to
// the break timer, retrying while the hand-over is refused. Main thread only.
class PlannedBreakScheduler : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QList<PlannedBreak> breaks READ breaks NOTIFY breaksChanged)
    Q_PROPERTY(bool isStarted READ isStarted NOTIFY isStartedChanged)

public:
    static constexpr double checkIntervalSeconds = 5.0;
    // A break more than this late is no longer shown that day.
    static constexpr double maximumLateness = 900.0;
    // The longest a break is held back while the user is busy.
    static constexpr double maximumSensitivityDelay = 120.0;
    static constexpr double retryDelaySeconds = 2.0;

    // Loads the stored list and fired-today table; the check does not run until start().
    explicit PlannedBreakScheduler(PlannedBreakSchedulerServices services,
                                   QObject *parent = nullptr);
    ~PlannedBreakScheduler() override;

    // The application's scheduler on the shared services; made on first use, never destroyed.
    static PlannedBreakScheduler &shared();

    // The normalised copy every record passes through on its way into the list; nothing for
    // a blank name.
    static std::optional<PlannedBreak> normalized(const PlannedBreak &planned);

    const QList<PlannedBreak> &breaks() const { return m_breaks; }
    // A blank name is refused silently; the same id twice is not checked.
    void add(const PlannedBreak &planned);
    // Replaces the first entry with the record's id and forgets its pending state; a break
    // that already fired today stays fired. An unknown id changes nothing.
    void update(const PlannedBreak &planned);
    // Every entry with the id goes, and with them its fired-today record.
    void remove(const QUuid &id);

    bool isStarted() const { return m_isStarted; }
    // Marks the scheduler started and (re)starts the periodic check; evaluating is the
    // caller's business. Calling it again replaces the check, so there is never more than one.
    void start();
    // Stops the check and cancels what is pending; the list and the due state stay.
    void stop();

    // One pass: which breaks are due, which have gone stale, and which is handed on next.
    void evaluate();
    // Whether planned breaks may be handed on at all right now.
    bool isRuntimeActive();

    // A reason may be given more than once; resuming an absent one is harmless.
    void suspend(PauseReason reason);
    // When the last reason goes, the breaks are looked at again just afterwards, outside the
    // caller's own work.
    void resume(PauseReason reason);
    const PauseReasonSet &suspensionReasons() const { return m_suspensionReasons; }

    const QMap<QString, QString> &lastFiredDates() const { return m_lastFiredDates; }
    const QMap<QUuid, QDateTime> &dueBreaks() const { return m_dueBreaks; }
    bool hasPendingPresentation(const QUuid &id) const { return m_pendingPresentations.count(id) > 0; }

signals:
    void breaksChanged();
    void isStartedChanged(bool isStarted);

private:
    // List and lifecycle (PlannedBreakScheduler.cpp)
    void setBreaks(const QList<PlannedBreak> &breaks);
    void setIsStarted(bool started);
    void load();
    void save();
    void forgetState(const QUuid &id);

    // Evaluation (PlannedBreakSchedulerEvaluation.cpp)
    double headsUpLeadSeconds() const;
    void pruneDueBreaks();
    void pruneFiredDates(const QString &dayKey);
    void markDue(const PlannedBreak &planned, const QDateTime &scheduled, const QDateTime &now,
                 double headsUpLead, const QString &dayKey);
    void expireStaleDueBreaks(const QDateTime &now);
    std::optional<QUuid> earliestDueBreak() const;
    const PlannedBreak *findBreak(const QUuid &id) const;
    void writeFiredDates();

    // Presentation (PlannedBreakSchedulerPresentation.cpp)
    void trigger(const PlannedBreak &planned);
    void showHeadsUp(const PlannedBreak &planned, qint64 secondsLeft);
    void applySensitivityDelay(const PlannedBreak &planned);
    std::optional<QString> holdReason() const;
    void present(const PlannedBreak &planned);
    void recordFired(const PlannedBreak &planned);
    void schedulePresentation(const PlannedBreak &planned, double delaySeconds);
    void scheduleRetry(double delaySeconds);
    void clearHeadsUp(const std::optional<QUuid> &id);
    void cancelPendingPresentation(const QUuid &id);
    void cancelPendingPresentations();

    static void logEvent(LogLevel level, const QString &event, const LogFields &fields = {});

    PlannedBreakSchedulerServices m_services;
    PlannedBreakStore m_store;
    QList<PlannedBreak> m_breaks;
    PlannedBreakTimetable m_timetable; // follows m_breaks
    CancellableHandle m_checkTimer;
    QMap<QString, QString> m_lastFiredDates;
    // The day for which m_lastFiredDates holds nothing to prune; empty when a change of the
    // list or a new entry may have left something.
    QString m_firedDatesPrunedFor;
    QMap<QUuid, QDateTime> m_dueBreaks;
    QSet<QUuid> m_headsUpShown;
    QMap<QUuid, double> m_sensitivityDelayAccumulated;
    PauseReasonSet m_suspensionReasons;
    std::map<QUuid, CancellableHandle> m_pendingPresentations;
    CancellableHandle m_retry;
    CancellableHandle m_resumeCheck;
    bool m_isStarted = false;
    std::optional<QUuid> m_plannedHeadsUpOwner;
};
