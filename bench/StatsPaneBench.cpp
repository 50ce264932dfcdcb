// What the Statistics pane costs to show, on a month of recorded use: the 30-day daily chart
// painted into an image (the median of 100 paints at 1x and at 2x), and the pane built, laid
// out and painted when its section is chosen in an open settings window (the first time in
// the process, and the median of 20). Runs on Qt's offscreen platform unless given another.
//
// Usage: lumenpause_stats_pane_bench [--cold]
// Prints one line per figure with its goal; exits 1 when one is missed. With --cold it only
// times the pane built and painted by a process that has drawn nothing before.

#include "core/LocalStatisticsStore.h"
#include "settings_ui/components/Motion.h"
#include "settings_ui/panes/statistics/StatsDailyChart.h"
#include "settings_ui/panes/statistics/StatsDetailView.h"
#include "settings_ui/window/ContentView.h"
#include "settings_ui/window/DetailView.h"
#include "support/SettingsWindowRig.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

constexpr int chartPaints = 100;
constexpr int paneBuilds = 20;
constexpr double chartGoalMs = 5;
constexpr double paneGoalMs = 50;
// The pane inside the detail area of a window at its usual width.
constexpr int paneWidth = 620;
constexpr int chartWidth = paneWidth - 2 * 18;

// Thirty days of an office week's use, every day with timed and away breaks.
QList<DayStat> monthOfUse(const QDate &today)
{
    QList<DayStat> days;
    for (int offset = 29; offset >= 0; --offset) {
        const QDate date = today.addDays(-offset);
        DayStat day{date.toString(QStringLiteral("yyyy-MM-dd"))};
        day.breaksCompleted = date.dayOfWeek() > 5 ? 2 : 6 + offset % 5;
        day.routineBreaksCompleted = day.breaksCompleted - 1;
        day.manualBreaksCompleted = 1;
        day.breaksSkipped = offset % 3;
        day.breaksSnoozed = offset % 2;
        day.idleBreaks = 1 + offset % 3;
        day.totalBreakSeconds = day.breaksCompleted * 20;
        day.idleBreakSeconds = day.idleBreaks * 600;
        days.append(day);
    }
    return days;
}

double milliseconds(const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e6;
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    const qsizetype middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

bool report(const char *name, double ms, double goal)
{
    const bool met = ms <= goal;
    std::printf("%-28s %7.2f ms (goal %.0f ms) %s\n", name, ms, goal, met ? "ok" : "MISSED");
    return met;
}

double chartPaint(LocalStatisticsStore &store, qreal scale)
{
    StatsDailyChart chart;
    chart.setFigures(StatsFigures(store.recentDays(30)), StatRange::month);
    chart.resize(chartWidth, StatsDailyChart::chartHeight);
    QImage image(chart.size() * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    QList<double> times;
    for (int paint = 0; paint < chartPaints; ++paint) {
        image.fill(Qt::transparent);
        times.append(milliseconds([&] { chart.render(&image); }));
    }
    return median(times);
}

// From nothing to the pane's first picture: built, shown (without a window on screen), laid
// out and painted whole, in a process that has drawn nothing yet.
double paneBuildAndPaint(LocalStatisticsStore &store)
{
    return milliseconds([&] {
        QWidget area;
        area.setAttribute(Qt::WA_DontShowOnScreen);
        auto *layout = new QVBoxLayout(&area);
        layout->setContentsMargins(20, 20, 20, 20);
        layout->addWidget(new StatsDetailView(store));
        area.setFixedWidth(paneWidth + 40);
        area.show();
        area.resize(area.width(), area.heightForWidth(area.width()));
        QImage image(area.size(), QImage::Format_ARGB32_Premultiplied);
        area.render(&image);
    });
}

// As the user sees it: the settings window is open on Breaks, Statistics is chosen, and the
// new detail area is laid out and painted. Each round goes back to Breaks first.
QList<double> sectionSwitches(SettingsWindowRig &rig, int rounds)
{
    ContentView view(rig.services());
    view.setAttribute(Qt::WA_DontShowOnScreen);
    view.resize(880, 820);
    view.show();
    QImage window(view.size(), QImage::Format_ARGB32_Premultiplied);
    view.render(&window);
    QList<double> times;
    for (int round = 0; round < rounds; ++round) {
        view.setSelectedSection(SidebarSection::breaks);
        QApplication::processEvents();
        times.append(milliseconds([&] {
            view.setSelectedSection(SidebarSection::stats);
            QApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
            QWidget *detail = view.detail();
            QImage image(detail->size(), QImage::Format_ARGB32_Premultiplied);
            detail->render(&image);
        }));
    }
    return times;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Motion::setJumpToEnd(true);
    SettingsWindowRig rig;
    rig.timer.statistics.setDays(monthOfUse(rig.clock.now().date()));
    LocalStatisticsStore &store = rig.timer.statistics;

    // For information: a process that has drawn nothing loads fonts and builds symbols first.
    if (QApplication::arguments().contains(QStringLiteral("--cold"))) {
        std::printf("%-28s %7.2f ms\n", "pane_cold_build_paint", paneBuildAndPaint(store));
        return 0;
    }
    const QList<double> switches = sectionSwitches(rig, paneBuilds);
    bool met = report("pane_first_in_window", switches.first(), paneGoalMs);
    met &= report("pane_in_window_median", median(switches), paneGoalMs);
    met &= report("daily_chart_30d_paint_1x", chartPaint(store, 1), chartGoalMs);
    met &= report("daily_chart_30d_paint_2x", chartPaint(store, 2), chartGoalMs);
    return met ? 0 : 1;
}
