#pragma once

#include "core/AppNotifier.h"
#include "core/AppSettings.h"
#include "core/DayStat.h"
#include "core/InMemorySettingsRepository.h"
#include "core/InMemoryStatsRepository.h"
#include "core/LocalStatisticsStore.h"
#include "detection/TypingHealthEngine.h"
#include "detection/WellnessScheduler.h"
#include "menubar/ReminderQueue.h"
#include "scheduling/BreakScheduler.h"
#include "scheduling/PlannedBreakScheduler.h"
#include "support/FakeActivitySignals.h"
#include "support/FakeBatteryProvider.h"
#include "support/FakeClock.h"
#include "support/FakeDisplayStateProvider.h"
#include "support/FakeInputStateProvider.h"
#include "support/FakeSessionEvents.h"
#include "support/LogCapture.h"
#include "support/RecordingHUDPresenter.h"

// A break timer with services of its own on a fake clock (Tuesday 2025-03-04, 09:00) and fake
// readings. Unless the stored settings say otherwise the interval is one minute and the user
// has been away from the keyboard and pointer for ten minutes, so no due break is held back;
// idle detection is off, so that absence does not hold the countdown either.
// The presenter records each break it is asked to show and accepts it unless told not to.
// One screen is connected until `screens` says otherwise. The login session is the rig's own
// fake unless the test hands in another source. The wellness scheduler evaluates its detectors
// at once, on the main thread, and pauses this rig's timer.
struct BreakSchedulerRig
{
    explicit BreakSchedulerRig(const QVariantMap &stored = {},
                               QDateTime start = QDateTime(QDate(2025, 3, 4), QTime(9, 0)),
                               SessionEvents *sessionSource = nullptr);

    // Today's statistics record.
    DayStat today() const;
    // The timer's log lines of one event, oldest first.
    QStringList events(const QString &event) const;
    // The reminder queue's log lines.
    QStringList queueLines() const;
    // Starts the timer and runs it until the first break has been handed to the presenter.
    void runToFirstBreak();
    // The rig's services for a break timer on the given clock and login session, so that a
    // second timer (on another clock, or other readings) can share everything else. The input
    // readings are the rig's unless others are given.
    BreakSchedulerServices servicesOn(Clock &timerClock, SessionEvents &session,
                                      InputStateProvider *inputState = nullptr);

    LogCapture log;
    FakeClock clock;
    InMemorySettingsRepository store;
    InMemoryStatsRepository statsRepository;
    LocalStatisticsStore statistics;
    AppSettings settings;
    FakeInputStateProvider input;
    FakeDisplayStateProvider display;
    FakeSessionEvents sessionEvents;
    int screens = 1;
    FakeBatteryProvider battery;
    RecordingHUDPresenter hud; // refuses every notice, as a HUD with no screen to show it on
    ReminderQueue reminders;
    FakeActivitySignals activitySignals;
    WellnessScheduler wellness;
    AppNotifier notifier;
    PlannedBreakScheduler plannedBreaks;
    TypingHealthEngine typing;
    BreakScheduler scheduler;

    bool breakShowing = false;
    bool presenterAccepts = true;
    QList<bool> presented; // isLong of every break handed to the presenter
};
