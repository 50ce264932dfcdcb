#include "support/BreakSchedulerRig.h"

namespace {

QVariantMap withRigDefaults(QVariantMap stored)
{
    if (!stored.contains(QStringLiteral("breakInterval")))
        stored.insert(QStringLiteral("breakInterval"), QVariant::fromValue(qint64(1)));
    if (!stored.contains(QStringLiteral("idleDetectionEnabled")))
        stored.insert(QStringLiteral("idleDetectionEnabled"), false);
    return stored;
}

} // namespace

BreakSchedulerRig::BreakSchedulerRig(const QVariantMap &stored, QDateTime start,
                                     SessionEvents *sessionSource)
    : clock(std::move(start))
    , store(withRigDefaults(stored))
    , statistics(statsRepository, clock, QTimeZone::systemTimeZone(), false)
    , settings(store, clock, nullptr, &statistics)
    , reminders(settings, clock, hud, statistics)
    , wellness({
          .defaults = store,
          .settings = settings,
          .clock = clock,
          .inputState = input,
          .displayState = display,
          .reminders = reminders,
          .activitySignals = activitySignals,
      })
    , plannedBreaks({
          .settings = settings,
          .clock = clock,
          .defaults = store,
          .inputState = input,
          .statistics = statistics,
          .reminders = reminders,
          .hud = hud,
          .wellness = wellness,
          .notifier = notifier,
          .breakScheduler = [this]() -> BreakScheduler & { return scheduler; },
          .isBreakShowing = [this] { return breakShowing; },
      })
    , typing({
          .defaults = store,
          .settings = settings,
          .clock = clock,
          .inputState = input,
          .reminders = reminders,
          .wellness = wellness,
          .notifier = notifier,
          .breakFlowHolds =
              [this] { return scheduler.isPaused() || scheduler.isSystemIdle() || breakShowing; },
      })
    , scheduler(servicesOn(clock, sessionSource ? *sessionSource : sessionEvents))
{
    wellness.bindBreakTimer(scheduler);
    input.setIdleSeconds(600);
    hud.setPresentAccepts(false);
    scheduler.setBreakPresenter([this](bool isLong) {
        presented.append(isLong);
        return presenterAccepts;
    });
}

BreakSchedulerServices BreakSchedulerRig::servicesOn(Clock &timerClock, SessionEvents &session,
                                                     InputStateProvider *inputState)
{
    return {
        .settings = settings,
        .clock = timerClock,
        .inputState = inputState ? *inputState : input,
        .displayState = display,
        .battery = battery,
        .statistics = statistics,
        .reminders = reminders,
        .wellness = wellness,
        .plannedBreaks = plannedBreaks,
        .typingHealth = typing,
        .notifier = notifier,
        .sessionEvents = session,
        .isBreakShowing = [this] { return breakShowing; },
        .screenCount = [this] { return screens; },
    };
}

DayStat BreakSchedulerRig::today() const
{
    return statistics.recentDays(1).constLast();
}

QStringList BreakSchedulerRig::events(const QString &event) const
{
    QStringList lines;
    for (const QString &line : log.messages(QStringLiteral("BreakScheduler"))) {
        if (line == event || line.startsWith(event + QLatin1String(" | ")))
            lines.append(line);
    }
    return lines;
}

QStringList BreakSchedulerRig::queueLines() const
{
    return log.messages(QStringLiteral("ReminderQueue"));
}

void BreakSchedulerRig::runToFirstBreak()
{
    scheduler.start();
    const qsizetype before = presented.size();
    for (int second = 0; second < 24 * 3600 && presented.size() == before; ++second)
        clock.advance(1);
}
