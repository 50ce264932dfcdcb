// The Statistics pane: in the window with nothing recorded and with a month of use, and
// whole, as the detail area lays it out, over 7 and 30 days of that month, with four-digit
// counts, the question before a clear, after a clear that could not remove the stored
// history, and while what is counted cannot be saved.

#include "render_settings/SettingsRenderStates.h"

#include "core/InMemoryStatsRepository.h"
#include "core/LocalStatisticsStore.h"
#include "settings_ui/panes/statistics/StatsDetailView.h"
#include "settings_ui/panes/statistics/StatsFooter.h"
#include "settings_ui/window/ContentView.h"
#include "settings_ui/window/DetailView.h"
#include "support/FakeClock.h"
#include "support/SettingsWindowRig.h"

#include <QAbstractButton>
#include <QApplication>
#include <QVBoxLayout>

namespace {

constexpr int detailWidth = 660;

// A month of an office worker's use up to Tuesday 2025-03-04: busy weekdays, a quiet
// weekend now and then, a few skips and snoozes, walks away from the desk. `scale`
// multiplies every count, for the four-digit state.
QList<DayStat> monthOfUse(const QDate &today, qint64 scale)
{
    QList<DayStat> days;
    for (int offset = 29; offset >= 0; --offset) {
        const QDate date = today.addDays(-offset);
        const int seed = (date.day() * 7 + date.month() * 3) % 11;
        const bool weekend = date.dayOfWeek() > 5;
        DayStat day{date.toString(QStringLiteral("yyyy-MM-dd"))};
        const qint64 completed = weekend ? seed % 3 : 5 + seed % 6;
        day.breaksCompleted = completed * scale;
        day.manualBreaksCompleted = (seed % 4 == 0 ? 1 : 0) * scale;
        day.plannedBreaksCompleted = (weekend ? 0 : 1) * scale;
        day.routineBreaksCompleted =
            day.breaksCompleted - day.manualBreaksCompleted - day.plannedBreaksCompleted;
        day.breaksEndedEarly = (seed % 3) * scale;
        day.longBreaksTaken = (completed / 4) * scale;
        day.breaksSkipped = (weekend ? 0 : seed % 3) * scale;
        day.breaksSnoozed = (seed % 5 == 1 ? 2 : seed % 2) * scale;
        day.breaksAutoSkipped = (seed == 7 ? 1 : 0) * scale;
        day.breaksInterrupted = (seed == 3 ? 1 : 0) * scale;
        day.idleBreaks = (weekend ? 1 : 1 + seed % 3) * scale;
        day.totalBreakSeconds = day.breaksCompleted * 24 + day.longBreaksTaken * 540;
        day.idleBreakSeconds = day.idleBreaks * 14 * 60;
        day.breakHeadsUpsShown = completed * scale;
        days.append(day);
    }
    // Nothing was recorded on the Saturday of the last weekend but one.
    for (DayStat &day : days) {
        if (day.date == QStringLiteral("2025-02-22"))
            day = DayStat{day.date};
    }
    return days;
}

// A history the repository holds on to: the clear fails the way a file the user cannot
// delete does.
class PinnedStatsRepository : public InMemoryStatsRepository {
public:
    using InMemoryStatsRepository::InMemoryStatsRepository;

    ClearResult clear() override
    {
        return {false, QStringLiteral("cannot remove the file: Operation not permitted")};
    }
};

// A history that cannot be stored: every save fails as it does in a read-only data folder.
class ReadOnlyStatsRepository : public InMemoryStatsRepository {
public:
    using InMemoryStatsRepository::InMemoryStatsRepository;

    SaveResult save(const QList<DayStat> &) override
    {
        return {false, QStringLiteral("the folder is read-only: Permission denied")};
    }
};

// The pane as the detail area shows it: padded, at the area's width, as tall as it is.
QImage paneSheet(SettingsRenderContext &context, StatsRepository &repository, StatRange range,
                 const std::function<void(StatsDetailView &)> &prepare = {})
{
    FakeClock clock;
    LocalStatisticsStore store(repository, clock, QTimeZone::systemTimeZone(), false);
    auto *area = new QWidget;
    auto *padding = new QVBoxLayout(area);
    padding->setContentsMargins(DetailView::padding, DetailView::padding, DetailView::padding,
                                DetailView::padding);
    auto *pane = new StatsDetailView(store);
    padding->addWidget(pane);
    return context.sheet(area, detailWidth, [pane, range, prepare] {
        pane->setSelectedRange(range);
        if (prepare)
            prepare(*pane);
    });
}

// The question the clear button asks, as its own picture, over the pane it came from.
QImage clearConfirmation(SettingsRenderContext &context, StatsRepository &repository)
{
    QImage picture;
    paneSheet(context, repository, StatRange::week, [&](StatsDetailView &pane) {
        pane.footer()->clearButton()->click();
        QMessageBox *box = pane.clearConfirmation();
        if (!box)
            return;
        QApplication::processEvents();
        picture = QImage(box->size() * context.scale(), QImage::Format_ARGB32_Premultiplied);
        picture.setDevicePixelRatio(context.scale());
        picture.fill(Qt::transparent);
        box->render(&picture);
        box->reject();
    });
    return picture;
}

bool renderStats(SettingsRenderContext &context)
{
    const QDate today = FakeClock().now().date();
    bool written =
        context.save(QStringLiteral("stats-window-empty"), context.window(SidebarSection::stats));
    written &= context.save(
        QStringLiteral("stats-window-week"),
        context.window(SidebarSection::stats, [today](SettingsWindowRig &rig, ContentView &) {
            rig.timer.statistics.setDays(monthOfUse(today, 1));
        }));
    InMemoryStatsRepository month(monthOfUse(today, 1));
    written &=
        context.save(QStringLiteral("stats-week"), paneSheet(context, month, StatRange::week));
    written &=
        context.save(QStringLiteral("stats-month"), paneSheet(context, month, StatRange::month));
    InMemoryStatsRepository busy(monthOfUse(today, 40));
    written &= context.save(QStringLiteral("stats-four-digit-counts"),
                            paneSheet(context, busy, StatRange::month));
    written &= context.save(QStringLiteral("stats-clear-confirmation"), clearConfirmation(context, month));
    PinnedStatsRepository pinned(monthOfUse(today, 1));
    written &= context.save(QStringLiteral("stats-clear-error"),
                            paneSheet(context, pinned, StatRange::week,
                                      [](StatsDetailView &pane) { pane.clearStatistics(); }));
    ReadOnlyStatsRepository readOnly(monthOfUse(today, 1));
    written &= context.save(QStringLiteral("stats-save-error"),
                            paneSheet(context, readOnly, StatRange::week));
    return written;
}

const SettingsRenderStates::Registration stats("stats", renderStats);

} // namespace
