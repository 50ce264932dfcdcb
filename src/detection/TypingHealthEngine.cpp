#include "detection/TypingHealthEngine.h"

#include "breakscreen/WindowManager.h"
#include "core/AppNotifier.h"
#include "core/AppSettings.h"
#include "core/Clock.h"
#include "core/FileSettingsRepository.h"
#include "core/InputStateProvider.h"
#include "core/Logger.h"
#include "core/RandomIndex.h"
#include "core/SettingsProfile.h"
#include "core/SystemClock.h"
#include "core/SystemProviders.h"
#include "detection/WellnessScheduler.h"
#include "menubar/ReminderQueue.h"
#include "scheduling/BreakScheduler.h"

#include <algorithm>

namespace {

const QString category = QStringLiteral("TypingHealth");
const QString enabledKey = QStringLiteral("typingHealthEnabled");
const QString thresholdKey = QStringLiteral("typingThresholdMinutes");
constexpr qint64 defaultThresholdMinutes = 5;
constexpr qint64 secondsPerMinute = 60;
// A key counts as pressed since the last sample only when the keyboard idle time fell by
// more than this against the time that passed, so reading jitter is no keystroke.
constexpr double keyPressMarginSeconds = 0.25;

// A hand-edited number of minutes beyond any real threshold stays the largest number of
// seconds (or the smallest) instead of wrapping into a small one that fires at once.
qint64 saturatingMinutesAsSeconds(qint64 minutes)
{
    constexpr qint64 most = std::numeric_limits<qint64>::max();
    constexpr qint64 least = std::numeric_limits<qint64>::min();
    if (minutes > most / secondsPerMinute)
        return most;
    if (minutes < least / secondsPerMinute)
        return least;
    return minutes * secondsPerMinute;
}

} // namespace

const QList<TypingHealthEngine::Tip> &TypingHealthEngine::tips()
{
    static const QList<Tip> list = {
        {QStringLiteral("hand.raised"), QStringLiteral("Relax your wrists"),
         QStringLiteral("Let them rest a moment")},
        {QStringLiteral("hands.clap"), QStringLiteral("Shake your hands"),
         QStringLiteral("Restore blood flow")},
        {QStringLiteral("hand.draw"), QStringLiteral("Stretch your fingers"),
         QStringLiteral("Slow and gentle")},
        {QStringLiteral("arrow.trianglehead.2.clockwise.rotate.90"),
         QStringLiteral("Rotate your wrists"), QStringLiteral("A few circles each way")},
    };
    return list;
}

TypingHealthEngine::TypingHealthEngine(TypingHealthEngineServices services, QObject *parent)
    : QObject(parent)
    , m_services(std::move(services))
{
    applyDefaultSettingsProfile(m_services.defaults);
    m_enabled = m_services.defaults.boolean(enabledKey);
    m_typingThresholdMinutes = m_services.defaults.integer(thresholdKey);
    // A zero threshold would ask for a rest on every sample.
    if (m_typingThresholdMinutes == 0)
        setTypingThresholdMinutes(defaultThresholdMinutes);
    connect(&m_services.notifier, &AppNotifier::breakDidHide, this,
            &TypingHealthEngine::handleBreakDidHide);
}

TypingHealthEngine &TypingHealthEngine::shared()
{
    static TypingHealthEngine *engine = [] {
        auto *clock = new SystemClock;
        auto *instance = new TypingHealthEngine({
            .defaults = FileSettingsRepository::standard(),
            .settings = AppSettings::shared(),
            .clock = *clock,
            .inputState = SystemProviders::inputState(),
            .reminders = ReminderQueue::shared(),
            .wellness = WellnessScheduler::shared(),
            .notifier = AppNotifier::instance(),
            // Asked lazily: the break timer is made after the engine it hands work to.
            .breakFlowHolds =
                [] {
                    const BreakScheduler &timer = BreakScheduler::shared();
                    return timer.isPaused() || timer.isSystemIdle()
                        || WindowManager::isBreakShowing();
                },
        });
        clock->setParent(instance);
        return instance;
    }();
    return *engine;
}

void TypingHealthEngine::setEnabled(bool enabled)
{
    const bool changed = enabled != m_enabled;
    m_enabled = enabled;
    m_services.defaults.setBool(enabledKey, enabled);
    if (enabled)
        startMonitoring();
    else
        stopMonitoring();
    if (changed)
        emit enabledChanged(enabled);
}

void TypingHealthEngine::setTypingThresholdMinutes(qint64 minutes)
{
    const bool changed = minutes != m_typingThresholdMinutes;
    m_typingThresholdMinutes = minutes;
    m_services.defaults.setInteger(thresholdKey, minutes);
    if (!changed)
        return;
    resetTypingLoad();
    emit typingThresholdMinutesChanged(minutes);
}

void TypingHealthEngine::startMonitoring()
{
    stopMonitoring();
    if (!mayMonitor())
        return;
    m_lastSampleAt = m_services.clock.now();
    m_previousKeyIdle = m_services.inputState.secondsSinceKeyboardActivity();
    // The handle dies with the engine, so the work never runs on a destroyed one. A
    // whole-second repeat falls on the same wakeup as the other one-second ticks.
    m_monitorTimer = m_services.clock.schedule(sampleSeconds, true, [this] { tick(); });
    logInfo(category, QStringLiteral("Monitoring started — threshold: %1 min")
                          .arg(m_typingThresholdMinutes));
}

void TypingHealthEngine::stopMonitoring()
{
    m_monitorTimer.reset();
    m_lastSampleAt.reset();
    m_previousKeyIdle = std::numeric_limits<double>::infinity();
    resetTypingLoad();
}

bool TypingHealthEngine::mayMonitor()
{
    return m_enabled && m_services.settings.isWithinOfficeHours(m_services.clock)
        && !m_services.breakFlowHolds() && keyboardReadingSuits();
}

// A reading that cannot tell keys from the pointer (a compositor's single idle time), or none
// at all, would count every moment of pointing, or of nothing, as typing.
bool TypingHealthEngine::keyboardReadingSuits()
{
    const InputStateProvider &input = m_services.inputState;
    if (input.hasReading() && input.separatesKeyboardFromPointer())
        return true;
    if (!m_warnedAboutKeyboardReading) {
        m_warnedAboutKeyboardReading = true;
        logWarn(category, formatLogEvent(QStringLiteral("typing_monitoring_unavailable"),
                                         {{QStringLiteral("reason"),
                                           QStringLiteral("no keyboard-only idle time")}}));
    }
    return false;
}

void TypingHealthEngine::tick()
{
    if (!m_services.settings.isWithinOfficeHours(m_services.clock)) {
        stopMonitoring();
        return;
    }
    const QDateTime now = m_services.clock.now();
    const double elapsed = double(m_lastSampleAt.value_or(now).msecsTo(now)) / 1000.0;
    m_lastSampleAt = now;
    const double delta = std::clamp(elapsed, 0.0, longestSampleSeconds);
    const double keyIdle = m_services.inputState.secondsSinceKeyboardActivity();
    // The whole time since the last sample, unclamped: after a stall the idle time has grown
    // by all of it, and only a key press makes it grow by less.
    const bool isActive =
        keyIdle + keyPressMarginSeconds < std::max(elapsed, 0.0) + m_previousKeyIdle;
    m_previousKeyIdle = keyIdle;
    const double threshold = thresholdSeconds();
    bool fire = false;
    if (delta > 0 && threshold >= 1)
        fire = m_typingDetector.recordSample(delta, isActive, keyIdle, threshold);
    publishSnapshot();
    if (fire)
        deliverTypingReminder();
}

void TypingHealthEngine::resetTypingLoad()
{
    m_typingDetector.reset(0.0);
    publishSnapshot();
}

// The detector has already cleared its load and waits for a fresh session, so a reminder
// held back here is skipped, not postponed.
void TypingHealthEngine::deliverTypingReminder()
{
    const WellnessScheduler &wellness = m_services.wellness;
    if (wellness.notificationsPausedByMeeting() || wellness.notificationsPausedByMedia()
        || !m_services.settings.isWithinOfficeHours(m_services.clock))
        return;
    const qsizetype count = tips().size();
    const qsizetype pick =
        m_services.randomIndex ? m_services.randomIndex(count) : randomIndex(count);
    const Tip &tip = tips().at(std::clamp<qsizetype>(pick, 0, count - 1));
    m_services.reminders.enqueueWellness(HUDStyle::typing, tip.title, tip.subtitle);
}

// Typing health could stay off after a break: a resume or a start asked while the panels
// were up is refused, and nothing else asks again once they are gone.
void TypingHealthEngine::handleBreakDidHide()
{
    if (!isMonitoring())
        startMonitoring();
}

void TypingHealthEngine::publishSnapshot()
{
    const TypingLoadSnapshot snapshot = m_typingDetector.snapshot();
    if (snapshot == m_typingLoadSnapshot)
        return;
    m_typingLoadSnapshot = snapshot;
    emit typingLoadSnapshotChanged();
}

double TypingHealthEngine::thresholdSeconds() const
{
    return double(saturatingMinutesAsSeconds(m_typingThresholdMinutes));
}
