#include "BenchSupport.h"
#include "scheduling/OfficeHoursRuntimeCoordinator.h"
#include "support/BreakSchedulerRig.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

#include <random>

namespace {

// One second of a running interval: the office-hours and idle checks, the countdown and the
// heads-up test. The tick the timer scheduled is run directly, so the fake clock's own
// bookkeeping stays out of the measurement; the interval is long enough that no break falls
// due while measuring.
void schedulerTick(benchmark::State &state)
{
    BreakSchedulerRig rig(withLongInterval());
    rig.scheduler.start();
    const std::function<void()> tick = onlyScheduledBlock(rig.clock, state);
    if (!tick)
        return;
    for (auto _ : state)
        tick();
    benchmark::DoNotOptimize(rig.scheduler.timeRemaining());
}
BENCHMARK(schedulerTick);

// The time of day as the application reads it, a local-time conversion on every call; work is
// scheduled on the rig's fake clock, so a benchmark can run the block itself.
class WallClock : public Clock
{
public:
    explicit WallClock(FakeClock &scheduler)
        : m_scheduler(scheduler)
    {
    }
    QDateTime now() const override { return QDateTime::currentDateTime(); }
    qint64 monotonicMs() const override { return m_scheduler.monotonicMs(); }
    CancellableHandle schedule(double intervalSeconds, bool repeats,
                               std::function<void()> block) override
    {
        return m_scheduler.schedule(intervalSeconds, repeats, std::move(block));
    }

private:
    FakeClock &m_scheduler;
};

// Office hours of a whole day on every weekday (always inside), or on none (always outside).
QList<OfficeHoursDay> everyDay(bool enabled)
{
    QList<OfficeHoursDay> days(7);
    for (OfficeHoursDay &day : days) {
        day.enabled = enabled;
        day.startHour = day.endHour = 0;
    }
    return days;
}

// The rig's services on the wall clock, as the application runs them: idle detection on and a
// user at work, office hours off (0) or on and inside (1).
struct WallClockRig : BreakSchedulerRig
{
    explicit WallClockRig(bool officeHours)
        : BreakSchedulerRig(withLongInterval(
              {{"idleDetectionEnabled", true}, {"officeHoursEnabled", officeHours}}))
        , wallClock(clock)
        , timer(servicesOn(wallClock, sessionEvents))
        , coordinator({
              .settings = settings,
              .clock = wallClock,
              .breakTimer = timer,
              .wellness = wellness,
              .plannedBreaks = plannedBreaks,
              .reminders = reminders,
              .typingHealth = typing,
              .hud = hud,
              .isBreakShowing = [] { return false; },
          })
    {
        settings.saveOfficeHoursSchedule(everyDay(true));
        input.setIdleSeconds(0.3);
    }

    WallClock wallClock;
    BreakScheduler timer;
    OfficeHoursRuntimeCoordinator coordinator;
};

// One second of a running interval as the application has it by default: the wall clock, idle
// detection on, a user at work; office hours off (0) or on (1).
void schedulerTickOnTheWallClock(benchmark::State &state)
{
    WallClockRig rig(state.range(0) != 0);
    rig.timer.start();
    const std::function<void()> tick = onlyScheduledBlock(rig.clock, state);
    if (!tick)
        return;
    for (auto _ : state)
        tick();
    benchmark::DoNotOptimize(rig.timer.timeRemaining());
}
BENCHMARK(schedulerTickOnTheWallClock)->Arg(0)->Arg(1);

// One second of the office-hours coordinator: office hours off (0), inside them (1), outside
// them (2), where it clears the reminders and the floating notice every second.
void officeHoursEvaluation(benchmark::State &state)
{
    WallClockRig rig(state.range(0) != 0);
    if (state.range(0) == 2)
        rig.settings.saveOfficeHoursSchedule(everyDay(false));
    rig.timer.start();
    rig.coordinator.start();
    for (auto _ : state)
        rig.coordinator.evaluate();
    benchmark::DoNotOptimize(rig.timer.isPaused());
}
BENCHMARK(officeHoursEvaluation)->Arg(0)->Arg(1)->Arg(2);

// How the user ends a break, drawn at random in rough everyday proportions.
BreakDismissalOutcome randomOutcome(std::mt19937 &random, qint64 durationSeconds)
{
    const int roll = std::uniform_int_distribution<int>(0, 99)(random);
    if (roll < 55)
        return BreakDismissalOutcome::completed(durationSeconds, false, false);
    if (roll < 65)
        return BreakDismissalOutcome::completed(durationSeconds / 2, true, true);
    if (roll < 80)
        return BreakDismissalOutcome::snoozed(300);
    if (roll < 92)
        return BreakDismissalOutcome::skipped();
    return BreakDismissalOutcome::interrupted();
}

// Thirty days and nights of the default 20-minute rhythm: each break is shown for its length
// and ended at random, the user types through a third of the due moments (so breaks are held
// back) and comes back a minute after each break that waits for activity.
void thirtyDaysOfWork(benchmark::State &state)
{
    constexpr qint64 simulatedSeconds = 30 * 24 * 3600;
    qint64 ticks = 0;
    qsizetype breaks = 0;
    for (auto _ : state) {
        BreakSchedulerRig rig;
        rig.settings.setBreakInterval(20);
        std::mt19937 random(20250304);
        rig.scheduler.start();
        for (qint64 second = 0; second < simulatedSeconds; ++second) {
            if (rig.scheduler.isRunning())
                ++ticks;
            if (rig.scheduler.timeRemaining() == 1.0 && !rig.scheduler.isDelayingBreak())
                rig.input.setIdleSeconds(random() % 3 == 0 ? 0.5 : 600);
            if (rig.scheduler.isWaitingForActivity() && second % 60 == 0)
                rig.input.setIdleSeconds(1);
            rig.clock.advance(1);
            if (const auto &context = rig.scheduler.activeBreakContext()) {
                rig.clock.advance(double(context->durationSeconds));
                second += context->durationSeconds;
                rig.scheduler.handleBreakDismissal(randomOutcome(random, context->durationSeconds));
                emit rig.notifier.breakDidHide();
                rig.input.setIdleSeconds(600);
                QCoreApplication::processEvents();
            }
        }
        breaks += rig.presented.size();
        benchmark::DoNotOptimize(rig.today());
    }
    state.counters["ticks"] = benchmark::Counter(double(ticks), benchmark::Counter::kIsRate);
    state.counters["breaks"] = double(breaks);
}
BENCHMARK(thirtyDaysOfWork)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

int main(int argc, char **argv)
{
    readZoneFileOnce();
    QCoreApplication app(argc, argv);
    return runBenchmarks(argc, argv);
}
