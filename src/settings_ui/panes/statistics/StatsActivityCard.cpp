#include "settings_ui/panes/statistics/StatsActivityCard.h"

#include "settings_ui/components/Hairline.h"
#include "settings_ui/components/PaneLabels.h"
#include "settings_ui/components/SchemeLabel.h"
#include "settings_ui/components/SettingsFont.h"
#include "settings_ui/panes/statistics/StatsDailyChart.h"
#include "settings_ui/panes/statistics/StatsFigures.h"
#include "settings_ui/panes/statistics/StatsSwatch.h"
#include "settings_ui/panes/statistics/TabularLabel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

constexpr int padding = 18;
// The rule under the tiles: the separator colour at 60 %.
constexpr qreal ruleOpacity = 0.06;
constexpr qreal columnRuleOpacity = 0.1;
constexpr int tileRuleHeight = 52;

QWidget *legendEntry(StatsTint tint, const QString &text)
{
    auto *entry = new QWidget;
    auto *row = new QHBoxLayout(entry);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(5);
    row->addWidget(new StatsSwatch(tint, 8, 2), 0, Qt::AlignVCenter);
    row->addWidget(PaneLabels::secondary(text, 10), 0, Qt::AlignVCenter);
    return entry;
}

} // namespace

StatsActivityCard::StatsActivityCard(QWidget *parent)
    : SettingCard(parent)
    , m_breaksTaken(new TabularLabel(SettingsFont::font(26, QFont::DemiBold)))
    , m_breaksTakenCaption(PaneLabels::secondary(QString(), 10))
    , m_timeInBreaks(new TabularLabel(SettingsFont::font(26, QFont::DemiBold)))
    , m_chart(new StatsDailyChart)
{
    m_breaksTaken->setObjectName(QStringLiteral("breaksTaken"));
    m_breaksTakenCaption->setObjectName(QStringLiteral("breaksTakenCaption"));
    m_timeInBreaks->setObjectName(QStringLiteral("timeInBreaks"));
    m_chart->setObjectName(QStringLiteral("dailyChart"));
    addRow(buildTiles());
    addRow(new Hairline(0, ruleOpacity));
    addRow(buildDailySection());
}

void StatsActivityCard::setFigures(const StatsFigures &figures, StatRange range)
{
    m_breaksTaken->setText(figures.breaksTakenText());
    m_breaksTakenCaption->setText(figures.breaksTakenCaption());
    m_timeInBreaks->setText(figures.timeInBreaksText());
    m_chart->setFigures(figures, range);
}

QWidget *StatsActivityCard::tile(const QString &title, TabularLabel *value, QLabel *caption)
{
    auto *tile = new QWidget;
    auto *stack = new QVBoxLayout(tile);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(4);
    stack->addWidget(PaneLabels::secondary(title, 9, QFont::DemiBold));
    stack->addWidget(value);
    stack->addWidget(caption);
    return tile;
}

QWidget *StatsActivityCard::buildTiles()
{
    auto *tiles = new QWidget;
    auto *row = new QHBoxLayout(tiles);
    row->setContentsMargins(padding, padding, padding, padding);
    row->setSpacing(28);
    row->addWidget(tile(QStringLiteral("BREAKS TAKEN"), m_breaksTaken, m_breaksTakenCaption), 0,
                   Qt::AlignTop);
    auto *rule = new Hairline(Qt::Vertical, 0, columnRuleOpacity);
    rule->setFixedHeight(tileRuleHeight);
    row->addWidget(rule, 0, Qt::AlignTop);
    row->addWidget(tile(QStringLiteral("TIME IN BREAKS"), m_timeInBreaks,
                        PaneLabels::secondary(QStringLiteral("Time in break screens"), 10)),
                   0, Qt::AlignTop);
    row->addStretch(1);
    return tiles;
}

QWidget *StatsActivityCard::buildDailySection()
{
    auto *section = new QWidget;
    auto *stack = new QVBoxLayout(section);
    stack->setContentsMargins(padding, padding, padding, padding);
    stack->setSpacing(12);
    auto *header = new QHBoxLayout;
    header->setContentsMargins(0, 0, 0, 0);
    header->setSpacing(10);
    header->addWidget(PaneLabels::primary(QStringLiteral("Daily activity"), 13, QFont::DemiBold),
                      0, Qt::AlignVCenter);
    header->addStretch(1);
    header->addWidget(legendEntry(StatsTint::timed, QStringLiteral("Timed")), 0, Qt::AlignVCenter);
    header->addWidget(legendEntry(StatsTint::away, QStringLiteral("Away")), 0, Qt::AlignVCenter);
    stack->addLayout(header);
    stack->addWidget(m_chart);
    return section;
}
