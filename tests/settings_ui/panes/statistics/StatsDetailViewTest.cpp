#include "core/AppConfiguration.h"
#include "core/FileStatsRepository.h"
#include "core/LocalStatisticsStore.h"
#include "settings_ui/window/ContentView.h"
#include "settings_ui/window/DetailView.h"
#include "settings_ui/components/Motion.h"
#include "settings_ui/components/NamedColors.h"
#include "settings_ui/components/SettingsPalette.h"
#include "settings_ui/components/SegmentedControl.h"
#include "settings_ui/panes/statistics/StatsActivityCard.h"
#include "settings_ui/panes/statistics/StatsBreakdownRow.h"
#include "settings_ui/panes/statistics/StatsDailyChart.h"
#include "settings_ui/panes/statistics/StatsDetailView.h"
#include "settings_ui/panes/statistics/StatsFooter.h"
#include "settings_ui/panes/statistics/StatsRhythmCard.h"
#include "settings_ui/panes/statistics/StatsWeeklyChart.h"
#include "support/FakeClock.h"
#include "support/LogCapture.h"
#include "support/ScopedTimeZone.h"
#include "support/SettingsWindowRig.h"
#include "support/TestFiles.h"
#include "support/UndeletableFile.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>

#include <sys/stat.h>

namespace {

const QString fileName = QStringLiteral("lumenpause_stats.json");

QString key(const QDate &date)
{
    return date.toString(QStringLiteral("yyyy-MM-dd"));
}

// The statistics pane on a statistics file in a throw-away data folder, on a clock that
// stands at `now` (Tuesday 2025-03-04, 09:00, unless a test moves it first).
class StatsDetailViewTest : public ::testing::Test {
protected:
    StatsDetailViewTest() { Motion::setJumpToEnd(true); }
    ~StatsDetailViewTest() override
    {
        m_view.reset();
        Motion::setJumpToEnd(false);
    }

    QString path() const
    {
        return m_dir.path() + '/' + applicationSupportFolderName() + '/' + fileName;
    }
    QDate today() const { return clock.now().date(); }

    // `count` days ending today, each filled by `fill` (day 0 is the oldest).
    void seed(int count, const std::function<void(DayStat &, int)> &fill)
    {
        QList<DayStat> days;
        for (int index = 0; index < count; ++index) {
            DayStat day{key(today().addDays(index - count + 1))};
            fill(day, index);
            days.append(day);
        }
        writeBytes(path(), encodeDayStats(days));
    }

    StatsDetailView &open(const QTimeZone &zone = QTimeZone::systemTimeZone())
    {
        m_repository.emplace(fileName, clock, [this] { return m_dir.path(); });
        m_store.emplace(*m_repository, clock, zone, false);
        m_view = std::make_unique<StatsDetailView>(*m_store);
        m_view->resize(640, 1400);
        m_view->show();
        QApplication::processEvents();
        return *m_view;
    }

    LocalStatisticsStore &store() { return *m_store; }

    QString text(const char *name) const
    {
        const auto *label = m_view->findChild<QLabel *>(QString::fromLatin1(name));
        return label ? label->text() : QStringLiteral("<none: %1>").arg(QString::fromLatin1(name));
    }
    bool clearEnabled() const { return m_view->footer()->clearButton()->isEnabled(); }
    bool emptyStateShown() const { return m_view->findChild<QWidget *>("emptyState")->isVisible(); }

    void chooseRange(int index)
    {
        QTest::mouseClick(m_view->rangePicker()->segment(index), Qt::LeftButton);
        QApplication::processEvents();
    }

    QMessageBox *askToClear()
    {
        QTest::mouseClick(m_view->footer()->clearButton(), Qt::LeftButton);
        return m_view->clearConfirmation();
    }

    static QAbstractButton *button(QMessageBox *box, const QString &text)
    {
        for (QAbstractButton *button : box->buttons()) {
            if (button->text() == text)
                return button;
        }
        return nullptr;
    }

    static void flushDeletions()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    QTemporaryDir m_dir;
    FakeClock clock;
    std::optional<FileStatsRepository> m_repository;
    std::optional<LocalStatisticsStore> m_store;
    std::unique_ptr<StatsDetailView> m_view;
};

} // namespace

TEST_F(StatsDetailViewTest, WithoutAFileShowsTheHeaderTheEmptyStateAndADisabledClear)
{
    StatsDetailView &view = open();
    EXPECT_EQ(view.findChild<QLabel *>()->text(), "Statistics");
    EXPECT_TRUE(emptyStateShown());
    EXPECT_FALSE(view.showsFigures());
    EXPECT_EQ(text("privacyNote"),
              "Your data stays on this computer - nothing leaves your device.");
    EXPECT_FALSE(clearEnabled());
    EXPECT_FALSE(view.findChild<QWidget *>("clearError")->isVisible());

    SegmentedControl *range = view.findChild<SegmentedControl *>("statsRange");
    ASSERT_EQ(range, view.rangePicker());
    EXPECT_EQ(range->width(), 180);
    EXPECT_EQ(view.selectedRange(), StatRange::week);
    const std::pair<QWidget *, QString> named[] = {
        {range->segment(0), "7 days"},
        {range->segment(1), "30 days"},
        {view.footer()->clearButton(), "Clear local statistics"},
    };
    for (const auto &[widget, name] : named) {
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
        ASSERT_NE(accessible, nullptr);
        EXPECT_EQ(accessible->text(QAccessible::Name), name);
    }
    EXPECT_EQ(QAccessible::queryAccessibleInterface(range->segment(0))->role(),
              QAccessible::RadioButton);
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(range->segment(0))->state().checked);
    EXPECT_EQ(view.footer()->clearButton()->toolTip(), "Clear local statistics");
    EXPECT_TRUE(view.findChildren<QTimer *>().isEmpty()) << "the pane only answers the store and the user";
}

TEST_F(StatsDetailViewTest, HistoryOlderThanAWeekShowsOnlyOverThirtyDaysAndCanBeCleared)
{
    seed(20, [](DayStat &day, int index) { day.breaksCompleted = index < 5 ? 3 : 0; });
    StatsDetailView &view = open();
    EXPECT_TRUE(emptyStateShown());
    EXPECT_TRUE(clearEnabled()) << "the store holds activity outside the window";

    chooseRange(1);
    EXPECT_EQ(view.selectedRange(), StatRange::month);
    EXPECT_TRUE(view.showsFigures());
    EXPECT_FALSE(emptyStateShown());
    EXPECT_EQ(text("breaksTaken"), "15");
    EXPECT_EQ(text("breaksTakenCaption"), "15 timed + 0 away");

    chooseRange(0);
    EXPECT_TRUE(emptyStateShown());
}

TEST_F(StatsDetailViewTest, AHeadsUpAloneShowsTheCardsWithNothingCounted)
{
    seed(1, [](DayStat &day, int) { day.breakHeadsUpsShown = 1; });
    StatsDetailView &view = open();
    ASSERT_TRUE(view.showsFigures());
    for (const char *name : {"breaksTaken", "completedCount", "skippedCount", "snoozedCount"})
        EXPECT_EQ(text(name), "0") << name;
    EXPECT_EQ(text("completionRate"), "--");
    EXPECT_EQ(text("timeInBreaks"), "0s");
    EXPECT_EQ(text("awayLine"), "0s recorded while away");
    EXPECT_EQ(text("consistencyText"), "No pattern yet");
    EXPECT_EQ(text("consistencyLead"), "Complete a break to reveal your rhythm.");
    const QList<StatsBreakdownRow *> rows = view.findChildren<StatsBreakdownRow *>();
    EXPECT_EQ(rows.size(), 12);
    for (const StatsBreakdownRow *row : rows) {
        EXPECT_EQ(row->valueText(), "0") << row->objectName().toStdString();
        EXPECT_EQ(row->fraction(), 0.0) << row->objectName().toStdString();
    }
    for (const QRectF &bar : view.rhythmCard()->chart()->barRects())
        EXPECT_TRUE(bar.isEmpty());
}

// Every day has both kinds of break, but for one day of absences only (five days ago).
TEST_F(StatsDetailViewTest, DailyBarsKeepTheirWidthAreCentredInTheirSlotsAndStackAwayOnTop)
{
    seed(30, [](DayStat &day, int index) {
        day.breaksCompleted = index == 25 ? 0 : 1 + index % 4;
        day.idleBreaks = index == 25 ? 2 : index % 3;
    });
    StatsDetailView &view = open();
    struct Case {
        int rangeIndex;
        int days;
        qreal width;
        int labels;
    };
    for (const Case c : {Case{0, 7, 26, 7}, Case{1, 30, 8, 6}}) {
        SCOPED_TRACE(c.days);
        chooseRange(c.rangeIndex);
        const StatsDailyChart *chart = view.activityCard()->chart();
        const QRectF plot = chart->plotRect();
        const QList<StatsDailyChart::DayBars> bars = chart->dayBars();
        ASSERT_EQ(bars.size(), c.days);
        for (int slot = 0; slot < c.days; ++slot) {
            const StatsDailyChart::DayBars &day = bars[slot];
            const qreal centre = plot.left() + (slot + 0.5) * plot.width() / c.days;
            const QRectF whole = day.timed.united(day.away);
            EXPECT_NEAR(whole.center().x(), centre, 0.01) << slot;
            EXPECT_DOUBLE_EQ(whole.width(), c.width);
            EXPECT_DOUBLE_EQ(whole.bottom(), plot.bottom());
            if (!day.timed.isEmpty() && !day.away.isEmpty()) {
                EXPECT_DOUBLE_EQ(day.away.bottom(), day.timed.top()) << "away stands on timed";
            }
        }
        const StatsDailyChart::DayBars &idleOnly = bars[c.days - 5];
        EXPECT_EQ(idleOnly.day, today().addDays(-4));
        EXPECT_TRUE(idleOnly.timed.isEmpty());
        EXPECT_DOUBLE_EQ(idleOnly.away.bottom(), plot.bottom());
        const QList<StatsDailyChart::DayLabel> labels = chart->dayLabels();
        ASSERT_EQ(labels.size(), c.labels);
        // Weekdays by name over a week, days of the month by number over thirty days.
        EXPECT_NE(labels.first().text.front().isDigit(), c.days == 7)
            << labels.first().text.toStdString();
        EXPECT_NEAR(labels.last().centreX, plot.left() + (c.days - 0.5) * plot.width() / c.days,
                    0.01);
    }
    EXPECT_EQ(view.activityCard()->chart()->dayLabels().last().text, "4") << "ends on today's date";
    EXPECT_EQ(view.activityCard()->chart()->axis().ticks().size() - 1, 3);
}

// 2024-09-08 began at 01:00 in Chile: the day has no midnight, and still its own slot and
// weekday (a Sunday).
TEST_F(StatsDetailViewTest, ADayWithoutAMidnightKeepsItsSlotAndWeekday)
{
    const ScopedTimeZone zone("America/Santiago");
    clock.setNow(QDateTime(QDate(2024, 9, 10), QTime(12, 0)));
    seed(7, [](DayStat &day, int index) { day.breaksCompleted = index + 1; });
    StatsDetailView &view = open(QTimeZone("America/Santiago"));
    const QList<StatsDailyChart::DayBars> bars = view.activityCard()->chart()->dayBars();
    ASSERT_EQ(bars.size(), 7);
    for (int slot = 1; slot < 7; ++slot)
        EXPECT_GT(bars[slot].timed.center().x(), bars[slot - 1].timed.center().x());
    EXPECT_EQ(bars[4].day, QDate(2024, 9, 8));
    EXPECT_FALSE(bars[4].timed.isEmpty());
    const QList<WeekdayBreakStat> rhythm = view.figures().weekdayRhythm();
    EXPECT_EQ(rhythm[6].pluralName, "Sundays");
    EXPECT_EQ(rhythm[6].observedDays, 1);
    EXPECT_EQ(rhythm[6].completedBreaks, 5);
}

TEST_F(StatsDetailViewTest, ClearingAsksFirstAndCancelOrEscapeChangesNothing)
{
    seed(3, [](DayStat &day, int) { day.breaksSkipped = 2; });
    const QByteArray stored = readBytes(path());
    StatsDetailView &view = open();
    for (const bool escape : {false, true}) {
        SCOPED_TRACE(escape);
        QMessageBox *box = askToClear();
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->text(), "Clear all statistics?");
        EXPECT_EQ(box->informativeText(),
                  "This permanently deletes the local 30-day statistics file from this computer.");
        EXPECT_EQ(static_cast<QAbstractButton *>(box->defaultButton()), button(box, "Cancel"));
        EXPECT_EQ(box->escapeButton(), button(box, "Cancel"));
        ASSERT_NE(button(box, "Clear Statistics"), nullptr);
        if (escape)
            QTest::keyClick(box, Qt::Key_Escape);
        else
            button(box, "Cancel")->click();
        flushDeletions();
        EXPECT_EQ(view.clearConfirmation(), nullptr);
        EXPECT_TRUE(view.showsFigures());
        EXPECT_EQ(readBytes(path()), stored);
    }

    button(askToClear(), "Clear Statistics")->click();
    flushDeletions();
    EXPECT_TRUE(emptyStateShown());
    EXPECT_FALSE(clearEnabled());
    EXPECT_TRUE(!QFileInfo::exists(path()) || readBytes(path()) == "[]");
    EXPECT_FALSE(view.findChild<QWidget *>("clearError")->isVisible());
}

TEST_F(StatsDetailViewTest, AFileThatCannotBeRemovedIsReportedAndKeptWithItsBytes)
{
    DayStat day{key(today())};
    day.breaksCompleted = 4;
    const QByteArray stored = encodeDayStats({day});
    const UndeletableFile pinned(path(), stored);
    if (!pinned.isActive())
        GTEST_SKIP() << "nothing here can keep a file from being deleted";
    LogCapture log;
    StatsDetailView &view = open();
    ASSERT_TRUE(view.showsFigures());

    button(askToClear(), "Clear Statistics")->click();
    flushDeletions();
    EXPECT_TRUE(view.findChild<QWidget *>("clearError")->isVisible());
    EXPECT_TRUE(text("clearError").startsWith("Statistics could not be cleared: "))
        << text("clearError").toStdString();
    EXPECT_GT(text("clearError").size(),
              QStringLiteral("Statistics could not be cleared: ").size());
    EXPECT_EQ(readBytes(path()), stored);
    EXPECT_TRUE(view.showsFigures()) << "what is still stored is still shown";
    EXPECT_EQ(text("breaksTaken"), "4");
    EXPECT_TRUE(clearEnabled()) << "the clear can be tried again";
}

// With the data folder made read-only, what is counted shows but is not kept: the footer says
// so, in the warning colour, from the first failed save until one works again.
TEST_F(StatsDetailViewTest, WhileSavesFailTheFooterSaysWhyUntilOneWorks)
{
    StatsDetailView &view = open();
    const QByteArray folder = QFile::encodeName(QFileInfo(path()).absolutePath());
    ASSERT_EQ(readBytes(path()), "[]");
    ::chmod(folder.constData(), 0500);
    QSignalSpy changes(&store(), &LocalStatisticsStore::saveErrorChanged);
    auto completeBreak = [this] {
        store().record(LocalStatisticsStore::applyCompletedBreak(
            20, false, false, BreakStatisticsSource::routine));
    };
    for (int count = 0; count < 3; ++count)
        completeBreak();

    const auto *line = view.findChild<QLabel *>("saveError");
    ASSERT_NE(line, nullptr);
    EXPECT_TRUE(line->isVisible());
    EXPECT_EQ(text("saveError").toStdString(),
              "Statistics can't be saved: the folder is read-only: Permission denied");
    EXPECT_EQ(line->palette().color(QPalette::WindowText),
              StatsFooter::saveErrorColour(ColorScheme::light));
    EXPECT_EQ(line->textFormat(), Qt::PlainText);
    EXPECT_EQ(changes.count(), 1) << "three failures for one reason are one change";
    EXPECT_EQ(text("breaksTaken"), "3");
    EXPECT_EQ(readBytes(path()), "[]");

    ::chmod(folder.constData(), 0700);
    completeBreak();
    EXPECT_FALSE(line->isVisible());
    EXPECT_EQ(changes.count(), 2);
    EXPECT_EQ(decodeDayStats(readBytes(path())).value_or(QList<DayStat>{}).value(0).breaksCompleted, 4);
}

// The warning is small text: it reads at 4.5:1 or better on the window's ground, in either
// scheme, and is orange, the colour warnings are given.
TEST(StatsFooterTest, TheSaveWarningIsOrangeAndReadsOnBothGrounds)
{
    const auto luminance = [](const QColor &colour) {
        const auto linear = [](double c) {
            return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF())
            + 0.0722 * linear(colour.blueF());
    };
    for (ColorScheme scheme : {ColorScheme::light, ColorScheme::dark}) {
        SCOPED_TRACE(int(scheme));
        const QColor text = StatsFooter::saveErrorColour(scheme);
        const QColor ground = SettingsPalette::palette(scheme).color(QPalette::Window);
        const double lighter = std::max(luminance(text), luminance(ground));
        const double darker = std::min(luminance(text), luminance(ground));
        EXPECT_GE((lighter + 0.05) / (darker + 0.05), 4.5);
        EXPECT_NEAR(text.hslHueF() * 360, 35, 5);
    }
}

TEST_F(StatsDetailViewTest, ABreakRecordedWhileOpenShowsAtOnce)
{
    StatsDetailView &view = open();
    ASSERT_TRUE(emptyStateShown());
    store().record(LocalStatisticsStore::applyCompletedBreak(90, false, false,
                                                             BreakStatisticsSource::routine));
    EXPECT_TRUE(view.showsFigures());
    EXPECT_EQ(text("breaksTaken"), "1");
    EXPECT_EQ(text("timeInBreaks"), "1m");
    const QRectF first = view.activityCard()->chart()->dayBars().last().timed;
    EXPECT_FALSE(first.isEmpty());
    EXPECT_TRUE(clearEnabled());

    store().record(LocalStatisticsStore::applyIdleBreak(300));
    EXPECT_EQ(text("breaksTaken"), "2");
    EXPECT_EQ(text("breaksTakenCaption"), "1 timed + 1 away");
    EXPECT_FALSE(view.activityCard()->chart()->dayBars().last().away.isEmpty());
}

TEST(StatsPaneInWindowTest, TheStatisticsSectionShowsThePaneOnTheWindowsStore)
{
    Motion::setJumpToEnd(true);
    SettingsWindowRig rig;
    rig.timer.statistics.record(LocalStatisticsStore::applySkippedBreak());
    ContentView view(rig.services());
    view.setSelectedSection(SidebarSection::stats);
    auto *pane = qobject_cast<StatsDetailView *>(view.detail()->pane());
    ASSERT_NE(pane, nullptr);
    EXPECT_TRUE(pane->showsFigures());
    EXPECT_EQ(pane->findChild<QLabel *>("skippedCount")->text(), "1");
    Motion::setJumpToEnd(false);
}
