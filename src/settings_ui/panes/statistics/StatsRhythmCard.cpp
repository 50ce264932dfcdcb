#include "settings_ui/panes/statistics/StatsRhythmCard.h"

#include "settings_ui/components/PaneLabels.h"
#include "settings_ui/components/SchemeLabel.h"
#include "settings_ui/panes/statistics/StatsFigures.h"
#include "settings_ui/panes/statistics/StatsWeeklyChart.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

constexpr int padding = 18;
constexpr int consistencyLines = 2;

} // namespace

StatsRhythmCard::StatsRhythmCard(QWidget *parent)
    : SettingCard(parent)
    , m_lead(PaneLabels::secondary(QString(), 11))
    , m_consistency(PaneLabels::primary(QString(), 20, QFont::DemiBold))
    , m_chart(new StatsWeeklyChart)
{
    m_lead->setObjectName(QStringLiteral("consistencyLead"));
    m_lead->setWordWrap(true);
    m_consistency->setObjectName(QStringLiteral("consistencyText"));
    m_consistency->setWordWrap(true);
    // Two weekdays' names wrap onto a second line at most; nothing longer is ever shown.
    m_consistency->setMaximumHeight(consistencyLines
                                    * QFontMetrics(m_consistency->font()).lineSpacing());
    m_chart->setObjectName(QStringLiteral("weeklyChart"));

    auto *text = new QWidget;
    text->setFixedWidth(textColumnWidth);
    auto *stack = new QVBoxLayout(text);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(6);
    stack->addWidget(PaneLabels::secondary(QStringLiteral("WEEKLY RHYTHM"), 9, QFont::DemiBold));
    stack->addWidget(m_lead);
    stack->addWidget(m_consistency);
    stack->addWidget(
        PaneLabels::tertiary(QStringLiteral("Based on completed breaks per weekday."), 10));

    auto *content = new QWidget;
    auto *row = new QHBoxLayout(content);
    row->setContentsMargins(padding, padding, padding, padding);
    row->setSpacing(24);
    row->addWidget(text, 0, Qt::AlignVCenter);
    row->addWidget(m_chart, 1, Qt::AlignVCenter);
    addRow(content);
}

void StatsRhythmCard::setFigures(const StatsFigures &figures)
{
    m_lead->setText(figures.consistencyLead());
    m_consistency->setText(figures.consistencyText());
    m_chart->setFigures(figures);
}
