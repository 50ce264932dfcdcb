#pragma once

#include "scheduling/PlannedBreak.h"
#include "support/BreakSchedulerRig.h"

#include <ostream>

// The planned-break scheduler inside a break-timer rig (Tuesday 2025-03-04, 09:00, fake
// clock), with the break screen played by the rig: an accepted break announces itself with
// "breakWillShow" and stays up until finishBreak(). Notifications are on with a 60-second
// heads-up, the floating notice accepts what it is shown, and the break timer's own interval
// is long enough to stay out of the way; it is stopped again after each break, as these tests
// watch the planned breaks alone.
struct PlannedBreakRig : BreakSchedulerRig
{
    struct ShownBreak
    {
        QString name;
        qint64 durationSeconds;
        QDateTime at;
    };

    explicit PlannedBreakRig(const QVariantMap &stored = {},
                             QDateTime start = QDateTime(QDate(2025, 3, 4), QTime(9, 0)));
    ~PlannedBreakRig();

    // A planned break for every day of the week, added to the scheduler.
    PlannedBreak add(const QString &name, QTime at, qint64 durationSeconds = 300);
    // What the application's runtime start does: start the check, then evaluate once.
    void startRuntime();
    // The break on screen runs out and the screen goes away.
    void finishBreak();
    // The planned-break log lines of one event ("due", "expired", ...), oldest first.
    QStringList plannedEvents(const QString &event) const;
    // Every planned-break log line, oldest first.
    QStringList plannedLines() const;
    // The planned-break log lines logged as warnings.
    QStringList plannedWarnings() const;

    QList<ShownBreak> shown;
    QList<QDateTime> attempts; // every hand-over to the break screen, refused ones included
};

// A record for every day of the week.
PlannedBreak everyDay(const QString &name, QTime at, qint64 durationSeconds = 300);

// Readable failure messages: "Lunch 12:30 300s" and the id.
void PrintTo(const PlannedBreak &planned, std::ostream *out);
