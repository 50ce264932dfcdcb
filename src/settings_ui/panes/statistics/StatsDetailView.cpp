#include "settings_ui/panes/statistics/StatsDetailView.h"

#include "core/LocalStatisticsStore.h"
#include "settings_ui/components/ConfirmationAlert.h"
#include "settings_ui/components/PaneLabels.h"
#include "settings_ui/components/PaneParts.h"
#include "settings_ui/components/SchemeLabel.h"
#include "settings_ui/components/SegmentedControl.h"
#include "settings_ui/components/SettingCard.h"
#include "settings_ui/components/SymbolTile.h"
#include "settings_ui/panes/statistics/StatsActivityCard.h"
#include "settings_ui/panes/statistics/StatsBreakdownList.h"
#include "settings_ui/panes/statistics/StatsFooter.h"
#include "settings_ui/panes/statistics/StatsRhythmCard.h"
#include "settings_ui/panes/statistics/StatsStartsCard.h"
#include "settings_ui/panes/statistics/StatsSummaryCard.h"
#include "settings_ui/window/ContentServices.h"

#include <QAbstractButton>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

constexpr int paneSpacing = 18;
constexpr int cardPadding = 18;
constexpr int emptyStateMargin = 52;

} // namespace

StatsDetailView::StatsDetailView(LocalStatisticsStore &statistics, QWidget *parent)
    : QWidget(parent)
    , m_statistics(statistics)
    , m_footer(new StatsFooter)
{
    setObjectName(QStringLiteral("statsPane"));
    const StatsFigures figures = this->figures();
    QVBoxLayout *stack = PaneParts::column(this, paneSpacing);
    stack->addWidget(buildHeader());
    stack->addSpacing(4);
    stack->addWidget(buildFigures(figures));
    stack->addWidget(buildEmptyState());
    stack->addSpacing(6);
    stack->addWidget(m_footer);
    connect(m_footer, &StatsFooter::clearRequested, this, &StatsDetailView::askToClear);
    connect(&m_statistics, &LocalStatisticsStore::daysChanged, this, &StatsDetailView::refresh);
    connect(&m_statistics, &LocalStatisticsStore::saveErrorChanged, this,
            [this] { m_footer->setSaveError(m_statistics.saveError()); });
    m_footer->setSaveError(m_statistics.saveError());
    refresh();
}

QWidget *StatsDetailView::make(const ContentServices &services)
{
    return new StatsDetailView(*services.statistics);
}

void StatsDetailView::setSelectedRange(StatRange range)
{
    if (range == m_range)
        return;
    m_range = range;
    m_rangePicker->setCurrentIndex(int(allStatRanges().indexOf(range)));
    refresh();
}

StatsFigures StatsDetailView::figures() const
{
    return StatsFigures(m_statistics.recentDays(statRangeDayCount(m_range)));
}

bool StatsDetailView::showsFigures() const
{
    return !m_figures->isHidden();
}

QWidget *StatsDetailView::buildHeader()
{
    auto *header = new QWidget;
    auto *titles = new QVBoxLayout;
    titles->setContentsMargins(0, 0, 0, 0);
    titles->setSpacing(4);
    titles->addWidget(PaneLabels::primary(QStringLiteral("Statistics"), 20, QFont::Bold));
    titles->addWidget(PaneLabels::secondary(
        QStringLiteral("A local view of your break and reminder activity."), 13));
    QStringList labels;
    for (StatRange range : allStatRanges())
        labels.append(statRangeRawValue(range));
    m_rangePicker = new SegmentedControl(labels, rangePickerWidth);
    m_rangePicker->setObjectName(QStringLiteral("statsRange"));
    connect(m_rangePicker, &SegmentedControl::currentIndexChanged, this,
            [this](int index) { setSelectedRange(allStatRanges().value(index, StatRange::week)); });
    auto *row = new QHBoxLayout(header);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(10);
    row->addLayout(titles, 1);
    row->addWidget(m_rangePicker, 0, Qt::AlignTop);
    return header;
}

QWidget *StatsDetailView::buildFigures(const StatsFigures &figures)
{
    m_figures = new QWidget;
    m_figures->setObjectName(QStringLiteral("figures"));
    auto *cards = new QVBoxLayout(m_figures);
    cards->setContentsMargins(0, 0, 0, 0);
    cards->setSpacing(paneSpacing);
    m_activity = new StatsActivityCard;
    m_summary = new StatsSummaryCard;
    auto *outcomes = new SettingCard;
    m_outcomes = new StatsBreakdownList(QStringLiteral("Break outcomes"), figures.outcomeItems());
    auto *padded = new QWidget;
    auto *padding = new QVBoxLayout(padded);
    padding->setContentsMargins(cardPadding, cardPadding, cardPadding, cardPadding);
    padding->addWidget(m_outcomes);
    outcomes->addRow(padded);
    m_starts = new StatsStartsCard(figures);
    m_rhythm = new StatsRhythmCard;
    for (QWidget *card : {static_cast<QWidget *>(m_activity), static_cast<QWidget *>(m_summary),
                          static_cast<QWidget *>(outcomes), static_cast<QWidget *>(m_starts),
                          static_cast<QWidget *>(m_rhythm)})
        cards->addWidget(card);
    return m_figures;
}

QWidget *StatsDetailView::buildEmptyState()
{
    m_empty = new QWidget;
    m_empty->setObjectName(QStringLiteral("emptyState"));
    auto *stack = new QVBoxLayout(m_empty);
    stack->setContentsMargins(0, emptyStateMargin, 0, emptyStateMargin);
    stack->setSpacing(12);
    const QColor blue = StatsColors::color(StatsTint::timed, ColorScheme::light);
    stack->addWidget(new SymbolTile(QStringLiteral("chart.bar"), 30, QFont::Light, QSize(30, 30), blue,
                                    StatsColors::color(StatsTint::timed, ColorScheme::dark)),
                     0, Qt::AlignHCenter);
    stack->addWidget(
        PaneLabels::primary(QStringLiteral("No activity in this period"), 15, QFont::DemiBold), 0,
        Qt::AlignHCenter);
    QLabel *message = PaneLabels::secondary(
        QStringLiteral("Your break activity will appear here as it is recorded."), 12);
    message->setWordWrap(true);
    message->setAlignment(Qt::AlignHCenter);
    stack->addWidget(message);
    return m_empty;
}

void StatsDetailView::refresh()
{
    const StatsFigures figures = this->figures();
    const bool activity = figures.hasActivity();
    // Cards that are not shown are not worth filling; they are filled when they show.
    if (activity) {
        m_activity->setFigures(figures, m_range);
        m_summary->setFigures(figures);
        m_outcomes->setItems(figures.outcomeItems());
        m_starts->setFigures(figures);
        m_rhythm->setFigures(figures);
    }
    m_figures->setHidden(!activity);
    m_empty->setHidden(activity);
    m_footer->clearButton()->setEnabled(m_statistics.hasRecordedActivity());
}

void StatsDetailView::askToClear()
{
    if (m_confirmation)
        return;
    m_confirmation = ConfirmationAlert::open(
        this, QStringLiteral("Clear all statistics?"),
        QStringLiteral("This permanently deletes the local 30-day statistics file from this computer."),
        QStringLiteral("Clear Statistics"), [this] { clearStatistics(); });
}

void StatsDetailView::clearStatistics()
{
    const StatsRepository::ClearResult result = m_statistics.clearAll();
    m_footer->setClearError(result.historyGone ? QString() : result.reason);
    // A clear that changed nothing in the store sends no change; the footer still follows.
    refresh();
}
