#include "settings_ui/panes/statistics/StatsFigures.h"

#include <QHash>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace {

const QString dayKeyFormat = QStringLiteral("yyyy-MM-dd");

struct WeekdayName {
    int id;
    const char *shortName;
    const char *pluralName;
};

// Monday first; ids count from Sunday, as the weekday numbers of the figures do.
constexpr std::array<WeekdayName, 7> weekdayNames = {{
    {2, "M", "Mondays"},
    {3, "T", "Tuesdays"},
    {4, "W", "Wednesdays"},
    {5, "T", "Thursdays"},
    {6, "F", "Fridays"},
    {7, "S", "Saturdays"},
    {1, "S", "Sundays"},
}};

// A count taken from another that may not go below zero ("Completed" without those ended
// early); never wraps, whatever a hand-edited file holds.
qint64 remainder(qint64 whole, qint64 part)
{
    qint64 difference = 0;
    if (__builtin_sub_overflow(whole, part, &difference))
        return part < 0 ? std::numeric_limits<qint64>::max() : 0;
    return std::max<qint64>(difference, 0);
}

QString count(qint64 value)
{
    return QString::number(value);
}

// Qt counts weekdays from Monday (1) to Sunday (7); the figures from Sunday (1).
int weekdayId(const QDate &day)
{
    return day.dayOfWeek() % 7 + 1;
}

double share(qint64 part, int whole)
{
    return whole > 0 ? double(part) / double(whole) : 0.0;
}

} // namespace

QList<double> StatsAxis::ticks() const
{
    QList<double> marks;
    if (!(step > 0) || !(top >= 0))
        return marks;
    const auto steps = qint64(std::llround(top / step));
    for (qint64 index = 0; index <= steps; ++index)
        marks.append(double(index) * step);
    return marks;
}

StatsFigures::StatsFigures(QList<DayStat> window)
    : m_window(std::move(window))
    , m_totals(sumDayStats(m_window))
{
}

bool StatsFigures::hasActivity() const
{
    return std::any_of(m_window.cbegin(), m_window.cend(), [](const DayStat &day) {
        const qint64 reminders = saturatingCounterAdd(
            saturatingCounterAdd(day.postureRemindersShown, day.typingRemindersShown),
            day.blinkRemindersShown);
        return day.breaksCompleted > 0 || day.breaksSkipped > 0 || day.breaksAutoSkipped > 0
            || day.breaksSnoozed > 0 || day.breaksInterrupted > 0 || day.idleBreaks > 0
            || reminders > 0 || day.breakHeadsUpsShown >= 1;
    });
}

QString StatsFigures::breaksTakenText() const
{
    return count(saturatingCounterAdd(m_totals.breaksCompleted, m_totals.idleBreaks));
}

QString StatsFigures::breaksTakenCaption() const
{
    return count(m_totals.breaksCompleted) + QStringLiteral(" timed + ")
        + count(m_totals.idleBreaks) + QStringLiteral(" away");
}

QString StatsFigures::timeInBreaksText() const
{
    return formatStatDuration(m_totals.totalBreakSeconds);
}

QString StatsFigures::completedText() const
{
    return count(m_totals.breaksCompleted);
}

QString StatsFigures::skippedText() const
{
    return count(m_totals.breaksSkipped);
}

QString StatsFigures::snoozedText() const
{
    return count(m_totals.breaksSnoozed);
}

QString StatsFigures::completionRateText() const
{
    // Counters are never negative once stored; kept so here, the rate stays within 0-100 %.
    const qint64 completed = std::max<qint64>(m_totals.breaksCompleted, 0);
    const qint64 outcomes =
        saturatingCounterAdd(completed, std::max<qint64>(m_totals.breaksSkipped, 0));
    if (outcomes < 1)
        return QStringLiteral("--");
    const double percent = double(completed) / double(outcomes) * 100.0;
    // std::round takes halves away from zero.
    return count(qint64(std::round(percent))) + QLatin1Char('%');
}

QList<StatsBreakdownItem> StatsFigures::outcomeItems() const
{
    const DayStatTotals &t = m_totals;
    return {
        {QStringLiteral("completed"), QStringLiteral("Completed"),
         remainder(t.breaksCompleted, t.breaksEndedEarly), StatsTint::away},
        {QStringLiteral("endedEarly"), QStringLiteral("Ended early"), t.breaksEndedEarly,
         StatsTint::teal},
        {QStringLiteral("skipped"), QStringLiteral("Skipped"), t.breaksSkipped, StatsTint::orange},
        {QStringLiteral("snoozed"), QStringLiteral("Snoozed"), t.breaksSnoozed, StatsTint::indigo},
        {QStringLiteral("automatic"), QStringLiteral("Auto-skipped"), t.breaksAutoSkipped,
         StatsTint::gray},
        {QStringLiteral("interrupted"), QStringLiteral("Interrupted"), t.breaksInterrupted,
         StatsTint::red},
    };
}

QList<StatsBreakdownItem> StatsFigures::startItems() const
{
    const DayStatTotals &t = m_totals;
    return {
        {QStringLiteral("routine"), QStringLiteral("Routine"), t.routineBreaksCompleted,
         StatsTint::timed},
        {QStringLiteral("manual"), QStringLiteral("Manual"), t.manualBreaksCompleted,
         StatsTint::teal},
        {QStringLiteral("planned"), QStringLiteral("Planned"), t.plannedBreaksCompleted,
         StatsTint::indigo},
        {QStringLiteral("away"), QStringLiteral("Away"), t.idleBreaks, StatsTint::away},
    };
}

QList<StatsBreakdownItem> StatsFigures::typeItems() const
{
    const DayStatTotals &t = m_totals;
    return {
        {QStringLiteral("short"), QStringLiteral("Short"),
         remainder(t.breaksCompleted, t.longBreaksTaken), StatsTint::away},
        {QStringLiteral("long"), QStringLiteral("Long"), t.longBreaksTaken, StatsTint::blue},
    };
}

qint64 StatsFigures::maxBreakdownValue(const QList<StatsBreakdownItem> &items)
{
    qint64 largest = 1;
    for (const StatsBreakdownItem &item : items)
        largest = std::max(largest, item.value);
    return largest;
}

double StatsFigures::barFraction(qint64 value, qint64 scale)
{
    if (value < 1 || scale < 1)
        return 0;
    return std::min(1.0, double(value) / double(scale));
}

QString StatsFigures::awayLine() const
{
    return formatStatDuration(m_totals.idleBreakSeconds) + QStringLiteral(" recorded while away");
}

QList<StatsDailyBar> StatsFigures::dailyBars() const
{
    QList<StatsDailyBar> bars;
    bars.reserve(m_window.size());
    for (const DayStat &day : m_window)
        bars.append({statDayDate(day.date), day.breaksCompleted, day.idleBreaks});
    return bars;
}

std::pair<QDate, QDate> StatsFigures::dailyChartDomain() const
{
    QDate first;
    QDate last;
    for (const DayStat &day : m_window) {
        const QDate date = statDayDate(day.date);
        if (!date.isValid())
            continue;
        if (!first.isValid() || date < first)
            first = date;
        if (!last.isValid() || date > last)
            last = date;
    }
    return {first, last};
}

StatsAxis StatsFigures::dailyAxis() const
{
    double tallest = 0;
    for (const DayStat &day : m_window) {
        const double stack = double(std::max<qint64>(day.breaksCompleted, 0))
            + double(std::max<qint64>(day.idleBreaks, 0));
        tallest = std::max(tallest, stack);
    }
    return niceAxis(tallest, 4);
}

QList<WeekdayBreakStat> StatsFigures::weekdayRhythm() const
{
    QHash<int, int> observed;
    QHash<int, int> active;
    QHash<int, qint64> completed;
    for (const DayStat &day : m_window) {
        const QDate date = statDayDate(day.date);
        // A key that names no day has no weekday, and counts for none.
        if (!date.isValid())
            continue;
        const int id = weekdayId(date);
        ++observed[id];
        completed[id] = saturatingCounterAdd(completed.value(id), day.breaksCompleted);
        if (day.breaksCompleted > 0)
            ++active[id];
    }
    QList<WeekdayBreakStat> rows;
    for (int order = 0; order < int(weekdayNames.size()); ++order) {
        const WeekdayName &name = weekdayNames[std::size_t(order)];
        rows.append({name.id, order, QString::fromLatin1(name.shortName),
                     QString::fromLatin1(name.pluralName), observed.value(name.id),
                     active.value(name.id), completed.value(name.id)});
    }
    return rows;
}

QList<WeekdayBreakStat> StatsFigures::rankedWeekdays() const
{
    QList<WeekdayBreakStat> ranked;
    for (const WeekdayBreakStat &row : weekdayRhythm()) {
        if (row.completedBreaks > 0)
            ranked.append(row);
    }
    std::sort(ranked.begin(), ranked.end(),
              [](const WeekdayBreakStat &a, const WeekdayBreakStat &b) {
                  const double shareA = share(a.activeDays, a.observedDays);
                  const double shareB = share(b.activeDays, b.observedDays);
                  if (shareA != shareB)
                      return shareA > shareB;
                  const double rateA = share(a.completedBreaks, a.observedDays);
                  const double rateB = share(b.completedBreaks, b.observedDays);
                  if (rateA != rateB)
                      return rateA > rateB;
                  return a.order < b.order;
              });
    return ranked;
}

QString StatsFigures::consistencyLead() const
{
    return rankedWeekdays().isEmpty() ? QStringLiteral("Complete a break to reveal your rhythm.")
                                      : QStringLiteral("You were most consistent on");
}

QString StatsFigures::consistencyText() const
{
    const QList<WeekdayBreakStat> ranked = rankedWeekdays();
    if (ranked.isEmpty())
        return QStringLiteral("No pattern yet");
    if (ranked.size() == 1)
        return ranked.first().pluralName;
    return ranked[0].pluralName + QStringLiteral(" & ") + ranked[1].pluralName;
}

QList<double> StatsFigures::weeklyAverages() const
{
    QList<double> averages;
    for (const WeekdayBreakStat &row : weekdayRhythm())
        averages.append(share(row.completedBreaks, row.observedDays));
    return averages;
}

StatsAxis StatsFigures::weeklyAxis() const
{
    const QList<double> averages = weeklyAverages();
    const double largest =
        averages.isEmpty() ? 0 : *std::max_element(averages.cbegin(), averages.cend());
    return niceAxis(largest, 4);
}

QString StatsFigures::formatStatDuration(qint64 seconds)
{
    if (seconds < 60)
        return count(seconds) + QLatin1Char('s');
    if (seconds < 3600)
        return count(seconds / 60) + QLatin1Char('m');
    const qint64 hours = seconds / 3600;
    return count(hours) + QStringLiteral("h ") + count((seconds - hours * 3600) / 60)
        + QLatin1Char('m');
}

QDate StatsFigures::statDayDate(const QString &key)
{
    // Read as a calendar day, not as a moment at local midnight: where the clocks jump at
    // midnight that moment does not exist, and the day would lose its place and weekday.
    return QDate::fromString(key, dayKeyFormat);
}

StatsAxis StatsFigures::niceAxis(double largest, int aboutTicks)
{
    if (!(largest > 0) || aboutTicks < 1)
        return {};
    const double rough = largest / aboutTicks;
    const double magnitude = std::pow(10.0, std::floor(std::log10(rough)));
    const double fraction = rough / magnitude;
    // The smallest round step that covers the rough one, so there are at most `aboutTicks`
    // steps (and at least about half as many).
    double nice = 10;
    if (fraction <= 1)
        nice = 1;
    else if (fraction <= 2)
        nice = 2;
    else if (fraction <= 5)
        nice = 5;
    // Counts have whole-number marks only.
    const double step = std::max(1.0, nice * magnitude);
    return {std::ceil(largest / step) * step, step};
}
