#pragma once

#include "support/BreakSchedulerRig.h"

// The break-timer rig with the wellness runtime in view: activity snapshots are played as the
// signal monitor delivers them, and the main thread's queued work is run on the spot, so a
// call or a playback passes in simulated time.
struct WellnessRig : BreakSchedulerRig
{
    explicit WellnessRig(const QVariantMap &stored = {});

    // The break timer and the wellness runtime, as the launch starts them.
    void startRuntime();
    // One snapshot now, handled, evaluated and applied.
    void deliver(const MeetingSignalSnapshot &snapshot);
    // The snapshot at the end of each of the next seconds, as the monitor's periodic check
    // delivers an unchanged one.
    void deliverEverySecond(const MeetingSignalSnapshot &snapshot, int seconds);
    // One snapshot handled and evaluated, whose result is still on its way to the main
    // thread: what the test does next comes before the result arrives.
    void deliverHoldingResult(const MeetingSignalSnapshot &snapshot);
    // Runs the work queued for the main thread, including work queued meanwhile.
    static void runMainThreadWork();

    // The log lines of one event under a category, oldest first.
    using BreakSchedulerRig::events;
    QStringList events(const QString &category, const QString &event) const;
};
