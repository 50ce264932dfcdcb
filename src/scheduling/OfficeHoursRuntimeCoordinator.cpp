#include "scheduling/OfficeHoursRuntimeCoordinator.h"

#include "breakscreen/WindowManager.h"
#include "core/AppSettings.h"
#include "core/Clock.h"
#include "core/Logger.h"
#include "core/SystemClock.h"
#include "detection/TypingHealthEngine.h"
#include "detection/WellnessScheduler.h"
#include "menubar/FloatingHUD.h"
#include "menubar/ReminderQueue.h"
#include "scheduling/BreakScheduler.h"
#include "scheduling/PlannedBreakScheduler.h"

namespace {

const QString category = QStringLiteral("OfficeHours");
constexpr double evaluationIntervalSeconds = 1.0;

} // namespace

OfficeHoursRuntimeCoordinator::OfficeHoursRuntimeCoordinator(
    OfficeHoursCoordinatorServices services, QObject *parent)
    : QObject(parent)
    , m_services(std::move(services))
{
    if (!m_services.isBreakShowing)
        m_services.isBreakShowing = &WindowManager::isBreakShowing;
    // A changed schedule takes effect at once rather than on the next second.
    connect(&m_services.settings, &AppSettings::officeHoursSettingsAssigned, this,
            &OfficeHoursRuntimeCoordinator::evaluate);
}

OfficeHoursRuntimeCoordinator &OfficeHoursRuntimeCoordinator::shared()
{
    static OfficeHoursRuntimeCoordinator *coordinator = [] {
        auto *clock = new SystemClock;
        auto *instance = new OfficeHoursRuntimeCoordinator({
            .settings = AppSettings::shared(),
            .clock = *clock,
            .breakTimer = BreakScheduler::shared(),
            .wellness = WellnessScheduler::shared(),
            .plannedBreaks = PlannedBreakScheduler::shared(),
            .reminders = ReminderQueue::shared(),
            .typingHealth = TypingHealthEngine::shared(),
            .hud = FloatingHUD::shared(),
        });
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
    m_timer = m_services.clock.schedule(evaluationIntervalSeconds, true, [this] { evaluate(); });
}

void OfficeHoursRuntimeCoordinator::stop()
{
    m_timer.reset();
    m_isStarted = false;
    m_lastWithinOfficeHours.reset();
}

// The break timer is held and released through its office-hours reason, which it passes on
// to the other services itself; they are told directly only when the timer holds no such
// reason to release, and only on a crossing.
void OfficeHoursRuntimeCoordinator::evaluate()
{
    if (!m_isStarted)
        return;
    const bool inside = m_services.settings.isWithinOfficeHours(m_services.clock);
    if (inside)
        applyInside();
    else
        applyOutside();
    if (m_lastWithinOfficeHours == inside)
        return;
    m_lastWithinOfficeHours = inside;
    logInfo(category, inside ? QStringLiteral("Runtime services resumed inside configured hours")
                             : QStringLiteral("Runtime services suspended outside configured hours"));
}

void OfficeHoursRuntimeCoordinator::applyInside()
{
    m_services.wellness.setOfficeHoursActive(true);
    if (m_services.breakTimer.pauseReasons().contains(PauseReason::officeHours)) {
        m_services.breakTimer.resume(PauseReason::officeHours);
        return;
    }
    if (m_lastWithinOfficeHours == true)
        return;
    m_services.plannedBreaks.resume(PauseReason::officeHours);
    m_services.wellness.resume(PauseReason::officeHours);
    m_services.reminders.endSuppression(ReminderSuppressionReason::officeHours);
    m_services.typingHealth.startMonitoring();
}

// The queue and the notice are cleared on every evaluation outside the hours, not only at the
// crossing, so nothing that slipped in meanwhile stays. A break on screen is left to end by
// itself; its outcome then finds the timer held.
void OfficeHoursRuntimeCoordinator::applyOutside()
{
    const bool crossing = m_lastWithinOfficeHours != false;
    if (!m_services.breakTimer.pauseReasons().contains(PauseReason::officeHours))
        m_services.breakTimer.pause(PauseReason::officeHours);
    m_services.wellness.setOfficeHoursActive(false);
    m_services.reminders.clearAll();
    m_services.hud.dismiss(true);
    if (crossing && m_services.isBreakShowing())
        logInfo(category,
                QStringLiteral("Active break will finish before office-hours suspension completes"));
}
