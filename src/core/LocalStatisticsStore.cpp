#include "core/LocalStatisticsStore.h"

#include "core/Clock.h"
#include "core/FileStatsRepository.h"
#include "core/InMemoryStatsRepository.h"
#include "core/Logger.h"
#include "core/RunningTests.h"
#include "core/StatsRepository.h"
#include "core/SystemClock.h"

#include <QHash>

#include <algorithm>

namespace {

const QString dayKeyFormat = QStringLiteral("yyyy-MM-dd");
bool sharedCreated = false; // main thread only, as the store

void addOne(qint64 &counter)
{
    counter = saturatingCounterAdd(counter, 1);
}

// Reported lengths below zero (a clock that went backwards) count as no time at all.
void addSeconds(qint64 &counter, qint64 seconds)
{
    counter = saturatingCounterAdd(counter, std::max<qint64>(seconds, 0));
}

} // namespace

LocalStatisticsStore::LocalStatisticsStore(StatsRepository &repository, Clock &clock,
                                           QTimeZone timeZone, bool hourlyRetention,
                                           QObject *parent)
    : QObject(parent)
    , m_repository(repository)
    , m_clock(clock)
    , m_timeZone(std::move(timeZone))
{
    const QList<DayStat> loaded = m_repository.load();
    m_days = prune(loaded);
    m_laterDays = laterThanToday(loaded);
    // Writes the pruned history back at once, so expired or duplicate days leave the file
    // as soon as the application starts.
    save();
    if (hourlyRetention) {
        m_retentionTimer =
            m_clock.schedule(retentionIntervalSeconds, true, [this] { pruneExpired(); });
    }
}

LocalStatisticsStore &LocalStatisticsStore::shared()
{
    static LocalStatisticsStore *instance = [] {
        auto *clock = new SystemClock;
        const bool underTests = isRunningTests();
        StatsRepository *repository = nullptr;
        if (underTests)
            repository = new InMemoryStatsRepository;
        else
            repository = new FileStatsRepository(QStringLiteral("lumenpause_stats.json"), *clock);
        auto *store = new LocalStatisticsStore(*repository, *clock, QTimeZone::systemTimeZone(),
                                               !underTests);
        clock->setParent(store);
        sharedCreated = true;
        return store;
    }();
    return *instance;
}

bool LocalStatisticsStore::isSharedCreated()
{
    return sharedCreated;
}

void LocalStatisticsStore::setDays(const QList<DayStat> &days)
{
    if (days == m_days)
        return;
    m_days = days;
    emit daysChanged();
}

void LocalStatisticsStore::record(const Mutation &mutation)
{
    const QString key = dayKey(today());
    // Both ways across today: a day kept aside as later may have become today, and with the
    // clock set back a day of the window may now lie after today; it is kept aside then.
    const QList<DayStat> stored = storedDays();
    QList<DayStat> days = prune(stored);
    m_laterDays = laterThanToday(stored);
    auto it = std::find_if(days.begin(), days.end(),
                           [&](const DayStat &day) { return day.date == key; });
    if (it == days.end()) {
        days.append(DayStat{key});
        it = std::prev(days.end());
    }
    mutation(*it);
    setDays(prune(days));
    save();
}

LocalStatisticsStore::Mutation LocalStatisticsStore::applyCompletedBreak(
    qint64 seconds, bool isLong, bool endedEarly, BreakStatisticsSource source)
{
    return [=](DayStat &day) {
        addOne(day.breaksCompleted);
        addSeconds(day.totalBreakSeconds, seconds);
        if (isLong)
            addOne(day.longBreaksTaken);
        if (endedEarly)
            addOne(day.breaksEndedEarly);
        switch (source) {
        case BreakStatisticsSource::routine:
            addOne(day.routineBreaksCompleted);
            break;
        case BreakStatisticsSource::manual:
            addOne(day.manualBreaksCompleted);
            break;
        case BreakStatisticsSource::planned:
            addOne(day.plannedBreaksCompleted);
            break;
        }
    };
}

LocalStatisticsStore::Mutation LocalStatisticsStore::applySkippedBreak()
{
    return [](DayStat &day) { addOne(day.breaksSkipped); };
}

LocalStatisticsStore::Mutation LocalStatisticsStore::applyAutoSkippedBreak()
{
    return [](DayStat &day) { addOne(day.breaksAutoSkipped); };
}

LocalStatisticsStore::Mutation LocalStatisticsStore::applySnoozedBreak()
{
    return [](DayStat &day) { addOne(day.breaksSnoozed); };
}

LocalStatisticsStore::Mutation LocalStatisticsStore::applyInterruptedBreak()
{
    return [](DayStat &day) { addOne(day.breaksInterrupted); };
}

LocalStatisticsStore::Mutation LocalStatisticsStore::applyIdleBreak(qint64 seconds)
{
    return [=](DayStat &day) {
        addOne(day.idleBreaks);
        addSeconds(day.idleBreakSeconds, seconds);
    };
}

LocalStatisticsStore::Mutation LocalStatisticsStore::applyReminderShown(StatsReminderKind kind)
{
    return [=](DayStat &day) {
        switch (kind) {
        case StatsReminderKind::posture:
            addOne(day.postureRemindersShown);
            break;
        case StatsReminderKind::typing:
            addOne(day.typingRemindersShown);
            break;
        case StatsReminderKind::blink:
            addOne(day.blinkRemindersShown);
            break;
        }
    };
}

LocalStatisticsStore::Mutation LocalStatisticsStore::applyHeadsUpShown()
{
    return [](DayStat &day) { addOne(day.breakHeadsUpsShown); };
}

QList<DayStat> LocalStatisticsStore::recentDays(int count) const
{
    QList<DayStat> recent;
    if (count < 1)
        return recent;
    QHash<QString, const DayStat *> byDate;
    for (const DayStat &day : m_days)
        byDate.insert(day.date, &day);
    const QDate last = today();
    for (qint64 offset = -(qint64(count) - 1); offset <= 0; ++offset) {
        const QDate date = last.addDays(offset);
        if (!date.isValid())
            continue; // before the first day the calendar can name
        const QString key = dayKey(date);
        const DayStat *stored = byDate.value(key);
        recent.append(stored ? *stored : DayStat{key});
    }
    return recent;
}

bool LocalStatisticsStore::hasRecordedActivity() const
{
    return std::any_of(m_days.cbegin(), m_days.cend(), [](const DayStat &day) {
        const qint64 reminders = saturatingCounterAdd(
            saturatingCounterAdd(day.postureRemindersShown, day.typingRemindersShown),
            day.blinkRemindersShown);
        return day.breaksCompleted >= 1 || day.breaksSkipped > 0 || day.breaksAutoSkipped > 0
            || day.breaksSnoozed > 0 || day.breaksInterrupted > 0 || day.idleBreaks > 0
            || reminders >= 1 || day.breakHeadsUpsShown >= 1;
    });
}

StatsRepository::ClearResult LocalStatisticsStore::clearAll()
{
    StatsRepository::ClearResult result = m_repository.clear();
    if (!result.historyGone)
        return result;
    m_laterDays.clear();
    m_unsaved = false;
    setSaveError({}); // nothing is left unstored
    setDays({});
    return result;
}

void LocalStatisticsStore::flush()
{
    if (m_unsaved)
        save();
}

void LocalStatisticsStore::save()
{
    const StatsRepository::SaveResult result = m_repository.save(storedDays());
    m_unsaved = !result.saved;
    if (result.saved)
        setSaveError({});
    else
        setSaveError(result.reason.isEmpty() ? QStringLiteral("the reason is unknown") : result.reason);
}

void LocalStatisticsStore::setSaveError(const QString &reason)
{
    if (reason == m_saveError)
        return;
    m_saveError = reason;
    emit saveErrorChanged();
}

QList<DayStat> LocalStatisticsStore::prune(const QList<DayStat> &days) const
{
    const QDate last = today();
    const QDate cutoff = last.addDays(-(maxDays - 1));
    return mergeDays(days, [&](const QDate &date) { return date >= cutoff && date <= last; });
}

QList<DayStat> LocalStatisticsStore::laterThanToday(const QList<DayStat> &days) const
{
    const QDate last = today();
    return mergeDays(days, [&](const QDate &date) { return date > last; });
}

QList<DayStat> LocalStatisticsStore::mergeDays(const QList<DayStat> &days,
                                               const std::function<bool(const QDate &)> &keep) const
{
    QList<DayStat> kept;
    QHash<QString, qsizetype> keptIndex;
    for (const DayStat &day : days) {
        const QDate date = QDate::fromString(day.date, dayKeyFormat);
        if (!date.isValid() || !keep(date))
            continue;
        // Keyed by the parsed day written back out, so a kept record always carries the
        // canonical spelling of its day.
        const QString key = dayKey(date);
        const auto found = keptIndex.constFind(key);
        if (found == keptIndex.cend()) {
            keptIndex.insert(key, kept.size());
            kept.append(day);
            kept.last().date = key;
        } else {
            dayStatAddCounters(kept[*found], day);
        }
    }
    std::sort(kept.begin(), kept.end(),
              [](const DayStat &a, const DayStat &b) { return a.date < b.date; });
    return kept;
}

void LocalStatisticsStore::pruneExpired()
{
    const QList<DayStat> stored = storedDays();
    QList<DayStat> pruned = prune(stored);
    QList<DayStat> later = laterThanToday(stored);
    if (pruned == m_days && later == m_laterDays)
        return;
    // Days that only moved from "later" into the window were not pruned.
    const bool dropped = pruned.size() + later.size() < stored.size();
    m_laterDays = std::move(later);
    setDays(pruned);
    save();
    if (dropped)
        logInfo(QStringLiteral("Stats"), QStringLiteral("Expired local statistics were pruned"));
}

QString LocalStatisticsStore::dayKey(const QDate &day) const
{
    // A date format is applied in the C locale, so the digits are ASCII whatever the
    // user's language.
    return day.toString(dayKeyFormat);
}

QDate LocalStatisticsStore::today() const
{
    const QDateTime now = m_clock.now();
    return m_timeZone.isValid() ? now.toTimeZone(m_timeZone).date() : now.toLocalTime().date();
}
