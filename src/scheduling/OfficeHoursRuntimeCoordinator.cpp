#include "scheduling/OfficeHoursRuntimeCoordinator.h"

#include "core/AppSettings.h"
#include "core/Clock.h"
#include "core/SystemClock.h"

namespace {

constexpr double evaluationIntervalSeconds = 1.0;

} // namespace

OfficeHoursRuntimeCoordinator::OfficeHoursRuntimeCoordinator(AppSettings &settings, Clock &clock,
                                                             QObject *parent)
    : QObject(parent)
    , m_clock(clock)
{
    // A changed schedule takes effect at once rather than on the next second.
    connect(&settings, &AppSettings::officeHoursSettingsAssigned, this,
            &OfficeHoursRuntimeCoordinator::evaluate);
}

OfficeHoursRuntimeCoordinator &OfficeHoursRuntimeCoordinator::shared()
{
    static OfficeHoursRuntimeCoordinator *coordinator = [] {
        auto *clock = new SystemClock;
        auto *instance = new OfficeHoursRuntimeCoordinator(AppSettings::shared(), *clock);
        clock->setParent(instance);
        return instance;
    }();
    return *coordinator;
}

void OfficeHoursRuntimeCoordinator::start()
{
    if (m_isStarted) {
        evaluate();
        return;
    }
    m_isStarted = true;
    evaluate();
    // The handle belongs to this object, so the work never outlives it.
    m_timer = m_clock.schedule(evaluationIntervalSeconds, true, [this] { evaluate(); });
}

void OfficeHoursRuntimeCoordinator::stop()
{
    m_timer.reset();
    m_isStarted = false;
}

void OfficeHoursRuntimeCoordinator::evaluate()
{
    // Nothing to apply yet: the pauses and releases at the edges of office hours come with
    // the coordinator's rules.
}
