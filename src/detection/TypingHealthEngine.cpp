#include "detection/TypingHealthEngine.h"

#include "breakscreen/WindowManager.h"
#include "core/AppSettings.h"
#include "core/Clock.h"
#include "core/FileSettingsRepository.h"
#include "core/Logger.h"
#include "core/SettingsProfile.h"
#include "core/SystemClock.h"
#include "scheduling/BreakScheduler.h"

namespace {

const QString enabledKey = QStringLiteral("typingHealthEnabled");
const QString thresholdKey = QStringLiteral("typingThresholdMinutes");
constexpr qint64 defaultThresholdMinutes = 5;

} // namespace

TypingHealthEngine::TypingHealthEngine(SettingsRepository &defaults, AppSettings &settings,
                                       Clock &clock, BreakFlowHolds breakFlowHolds,
                                       QObject *parent)
    : QObject(parent)
    , m_defaults(defaults)
    , m_settings(settings)
    , m_clock(clock)
    , m_breakFlowHolds(std::move(breakFlowHolds))
{
    applyDefaultSettingsProfile(m_defaults);
    m_enabled = m_defaults.boolean(enabledKey);
    m_thresholdMinutes = m_defaults.integer(thresholdKey);
    // A zero threshold would ask for a rest on every sample.
    if (m_thresholdMinutes == 0) {
        m_thresholdMinutes = defaultThresholdMinutes;
        m_defaults.setInteger(thresholdKey, m_thresholdMinutes);
    }
}

TypingHealthEngine &TypingHealthEngine::shared()
{
    static TypingHealthEngine *engine = [] {
        auto *clock = new SystemClock;
        // Asked lazily: the break timer is made after the engine it hands work to.
        auto *instance = new TypingHealthEngine(
            FileSettingsRepository::standard(), AppSettings::shared(), *clock, [] {
                const BreakScheduler &timer = BreakScheduler::shared();
                return timer.isPaused() || timer.isSystemIdle() || WindowManager::isBreakShowing();
            });
        clock->setParent(instance);
        return instance;
    }();
    return *engine;
}

void TypingHealthEngine::startMonitoring()
{
    stopMonitoring();
    if (!m_enabled || !m_settings.isWithinOfficeHours(m_clock) || m_breakFlowHolds())
        return;
    m_isMonitoring = true;
    logInfo(QStringLiteral("TypingHealth"),
            QStringLiteral("Monitoring started — threshold: %1 min").arg(m_thresholdMinutes));
}

void TypingHealthEngine::stopMonitoring()
{
    m_isMonitoring = false;
}
