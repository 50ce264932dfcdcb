#pragma once

#include "core/DayStat.h"
#include "settings_ui/panes/statistics/StatsColors.h"

#include <QDate>
#include <QList>
#include <QString>

#include <utility>

// One row of a breakdown list: a count, drawn as a bar on its list's own scale.
struct StatsBreakdownItem {
    QString id; // a stable key: "completed", "endedEarly", "routine"...
    QString label;
    qint64 value = 0;
    StatsTint tint = StatsTint::timed;

    bool operator==(const StatsBreakdownItem &other) const = default;
};

// One weekday of the weekly rhythm, over the days of the window that fall on it.
struct WeekdayBreakStat {
    int id = 0; // the weekday's number counted from Sunday: 1 = Sunday ... 7 = Saturday
    int order = 0; // its place in a week that starts on Monday: 0 = Monday ... 6 = Sunday
    QString shortName; // "M", the chart's label
    QString pluralName; // "Mondays"
    int observedDays = 0;
    int activeDays = 0; // observed days with at least one completed break
    qint64 completedBreaks = 0;

    bool operator==(const WeekdayBreakStat &other) const = default;
};

// One day of the daily chart: the breaks the timer brought, with the time away on top.
struct StatsDailyBar {
    QDate day; // invalid when the key is not a calendar day: such a day has no slot
    qint64 timed = 0;
    qint64 away = 0;
};

// A value axis from 0 to `top`, with a mark every `step`; both whole numbers.
struct StatsAxis {
    double top = 1;
    double step = 1;

    QList<double> ticks() const;
};

// Everything the statistics pane shows, worked out from one window of days (the store's
// recentDays for the range: oldest first, today last). Counters come from a file the user
// may have edited, so every sum here saturates and every share, average and bar length is
// worked out in double: no figure can wrap into a negative count.
class StatsFigures {
public:
    explicit StatsFigures(QList<DayStat> window);

    const QList<DayStat> &window() const { return m_window; }
    const DayStatTotals &totals() const { return m_totals; }

    // Whether any day of the window holds a break, an absence or a notice worth a chart.
    bool hasActivity() const;

    // The two tiles: "12" over "10 timed + 2 away"; the time in break screens.
    QString breaksTakenText() const;
    QString breaksTakenCaption() const;
    QString timeInBreaksText() const;

    // The completion summary.
    QString completedText() const;
    QString skippedText() const;
    QString snoozedText() const;
    // Completed breaks out of completed and skipped ones, "67%"; "--" with neither.
    QString completionRateText() const;

    QList<StatsBreakdownItem> outcomeItems() const;
    QList<StatsBreakdownItem> startItems() const;
    QList<StatsBreakdownItem> typeItems() const;
    // The largest value of a list, at least 1: the value that fills a whole bar.
    static qint64 maxBreakdownValue(const QList<StatsBreakdownItem> &items);
    // The share of the width a row's bar fills, 0 to 1; 0 (no bar) below a count of 1.
    static double barFraction(qint64 value, qint64 scale);
    // "12m recorded while away".
    QString awayLine() const;

    // One bar per window day, in the window's order.
    QList<StatsDailyBar> dailyBars() const;
    // The first and the last calendar day of the window, the chart's first and last slot;
    // invalid without any day that reads as a date.
    std::pair<QDate, QDate> dailyChartDomain() const;
    // The y axis of the daily chart, over the tallest stack.
    StatsAxis dailyAxis() const;

    // Monday first, all seven even when a weekday has no day in the window.
    QList<WeekdayBreakStat> weekdayRhythm() const;
    // The weekdays with completed breaks, the most regular first: by the share of their days
    // with a break, then by breaks per day, then Monday before Sunday.
    QList<WeekdayBreakStat> rankedWeekdays() const;
    // "You were most consistent on", or the invitation to a first break.
    QString consistencyLead() const;
    // "Mondays & Fridays", one day's plural name, or "No pattern yet".
    QString consistencyText() const;
    // Completed breaks per observed day of each weekday, Monday first.
    QList<double> weeklyAverages() const;
    // 0 to the nice top of the largest average (1 when all are 0).
    StatsAxis weeklyAxis() const;

    // "0s", "59s", "59m", "1h 0m", "2h 5m".
    static QString formatStatDuration(qint64 seconds);
    // The calendar day a key names; invalid for anything but "yyyy-MM-dd".
    static QDate statDayDate(const QString &key);
    // An axis over 0 to `largest` with about `aboutTicks` steps of a round size (1, 2 or 5
    // times a power of ten, never below 1); at least 0 to 1.
    static StatsAxis niceAxis(double largest, int aboutTicks);

private:
    QList<DayStat> m_window;
    DayStatTotals m_totals;
};
