#include "scheduling/PlannedBreakScheduler.h"

#include "breakscreen/WindowManager.h"
#include "core/AppNotifier.h"
#include "core/AppSettings.h"
#include "core/Clock.h"
#include "core/FileSettingsRepository.h"
#include "core/LocalStatisticsStore.h"
#include "core/SystemClock.h"
#include "core/SystemProviders.h"
#include "detection/WellnessScheduler.h"
#include "menubar/FloatingHUD.h"
#include "menubar/ReminderQueue.h"
#include "scheduling/BreakScheduler.h"

PlannedBreakScheduler::PlannedBreakScheduler(PlannedBreakSchedulerServices services,
                                             QObject *parent)
    : QObject(parent)
    , m_services(std::move(services))
    , m_store(m_services.defaults, m_services.clock)
{
    if (!m_services.isBreakShowing)
        m_services.isBreakShowing = &WindowManager::isBreakShowing;
    load();
    m_lastFiredDates = m_store.loadFiredDates();
    // Any break the program shows makes a pending planned step moot; its end may let a
    // still-due planned break through.
    connect(&m_services.notifier, &AppNotifier::breakWillShow, this,
            &PlannedBreakScheduler::cancelPendingPresentations);
    connect(&m_services.notifier, &AppNotifier::breakDidHide, this,
            &PlannedBreakScheduler::evaluate);
}

PlannedBreakScheduler::~PlannedBreakScheduler()
{
    stop();
}

PlannedBreakScheduler &PlannedBreakScheduler::shared()
{
    static PlannedBreakScheduler *scheduler = [] {
        auto *clock = new SystemClock;
        auto *instance = new PlannedBreakScheduler({
            .settings = AppSettings::shared(),
            .clock = *clock,
            .defaults = FileSettingsRepository::standard(),
            .inputState = SystemProviders::inputState(),
            .statistics = LocalStatisticsStore::shared(),
            .reminders = ReminderQueue::shared(),
            .hud = FloatingHUD::shared(),
            .wellness = WellnessScheduler::shared(),
            .notifier = AppNotifier::instance(),
            .breakScheduler = []() -> BreakScheduler & { return BreakScheduler::shared(); },
        });
        clock->setParent(instance);
        return instance;
    }();
    return *scheduler;
}

std::optional<PlannedBreak> PlannedBreakScheduler::normalized(const PlannedBreak &planned)
{
    return planned.normalized();
}

void PlannedBreakScheduler::add(const PlannedBreak &planned)
{
    const std::optional<PlannedBreak> record = normalized(planned);
    if (!record)
        return;
    setBreaks(m_breaks + QList<PlannedBreak>{*record});
    save();
    if (m_isStarted)
        evaluate();
}

void PlannedBreakScheduler::update(const PlannedBreak &planned)
{
    const std::optional<PlannedBreak> record = normalized(planned);
    if (!record)
        return;
    const auto found = std::find_if(m_breaks.cbegin(), m_breaks.cend(),
                                    [&](const PlannedBreak &b) { return b.id == record->id; });
    if (found == m_breaks.cend())
        return;
    QList<PlannedBreak> breaks = m_breaks;
    breaks[found - m_breaks.cbegin()] = *record;
    setBreaks(breaks);
    cancelPendingPresentation(record->id);
    forgetState(record->id);
    save();
    // Even while stopped: the edit's pending state is gone at once. The fired-today record
    // stays, so moving a break that already fired to later today does not fire it again.
    evaluate();
}

void PlannedBreakScheduler::remove(const QUuid &id)
{
    cancelPendingPresentation(id);
    QList<PlannedBreak> breaks = m_breaks;
    breaks.removeIf([&](const PlannedBreak &b) { return b.id == id; });
    setBreaks(breaks);
    forgetState(id);
    m_lastFiredDates.remove(PlannedBreak::idKeyOf(id));
    writeFiredDates();
    save();
}

void PlannedBreakScheduler::forgetState(const QUuid &id)
{
    m_dueBreaks.remove(id);
    m_headsUpShown.remove(id);
    m_sensitivityDelayAccumulated.remove(id);
}

void PlannedBreakScheduler::start()
{
    setIsStarted(true);
    // The handle is this object's, so the check never outlives it.
    m_checkTimer = m_services.clock.schedule(checkIntervalSeconds, true, [this] { evaluate(); });
}

void PlannedBreakScheduler::stop()
{
    setIsStarted(false);
    m_checkTimer.reset();
    cancelPendingPresentations();
}

void PlannedBreakScheduler::suspend(PauseReason reason)
{
    m_suspensionReasons.insert(reason);
    cancelPendingPresentations();
}

void PlannedBreakScheduler::resume(PauseReason reason)
{
    m_suspensionReasons.remove(reason);
    if (m_suspensionReasons.isEmpty())
        m_resumeCheck = m_services.clock.schedule(0, false, [this] { evaluate(); });
}

void PlannedBreakScheduler::load()
{
    const std::optional<QList<PlannedBreak>> stored = m_store.loadBreaks();
    if (!stored)
        return;
    QList<PlannedBreak> breaks;
    for (const PlannedBreak &record : *stored) {
        if (const std::optional<PlannedBreak> kept = normalized(record))
            breaks.append(*kept);
    }
    setBreaks(breaks);
}

void PlannedBreakScheduler::save()
{
    m_store.saveBreaks(m_breaks);
}

void PlannedBreakScheduler::setBreaks(const QList<PlannedBreak> &breaks)
{
    if (breaks == m_breaks)
        return;
    m_breaks = breaks;
    m_timetable.setBreaks(m_breaks);
    m_firedDatesPrunedFor.clear();
    emit breaksChanged();
}

void PlannedBreakScheduler::setIsStarted(bool started)
{
    if (started == m_isStarted)
        return;
    m_isStarted = started;
    emit isStartedChanged(started);
}

void PlannedBreakScheduler::logEvent(LogLevel level, const QString &event, const LogFields &fields)
{
    const QString category = QStringLiteral("PlannedBreak");
    const QString message = formatLogEvent(event, fields);
    switch (level) {
    case LogLevel::Debug: logDebug(category, message); break;
    case LogLevel::Info: logInfo(category, message); break;
    case LogLevel::Warn: logWarn(category, message); break;
    case LogLevel::Error: logError(category, message); break;
    }
}
