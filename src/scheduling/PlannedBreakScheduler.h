#pragma once

#include "core/PauseReason.h"

#include <QObject>

// Owns the user's fixed-time breaks ("Lunch at 12:30") and brings each to the screen on its
// days. For now it keeps its running flag and the reasons for which planned breaks are
// suspended; the list, its check and presentation come later. Main thread only.
class PlannedBreakScheduler : public QObject
{
    Q_OBJECT

public:
    explicit PlannedBreakScheduler(QObject *parent = nullptr);

    // Made on first use and never destroyed.
    static PlannedBreakScheduler &shared();

    bool isStarted() const { return m_isStarted; }
    void start();
    void stop();
    void evaluate();

    // A reason may be given more than once; resuming an absent one is harmless.
    void suspend(PauseReason reason);
    // When the last reason goes, the breaks are looked at again shortly afterwards, outside
    // the caller's own work.
    void resume(PauseReason reason);
    const PauseReasonSet &suspensionReasons() const { return m_suspensionReasons; }

private:
    bool m_isStarted = false;
    PauseReasonSet m_suspensionReasons;
};
