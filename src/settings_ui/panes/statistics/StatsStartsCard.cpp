#include "settings_ui/panes/statistics/StatsStartsCard.h"

#include "settings_ui/components/Hairline.h"
#include "settings_ui/components/PaneLabels.h"
#include "settings_ui/components/SchemeLabel.h"
#include "settings_ui/components/SymbolTile.h"
#include "settings_ui/panes/statistics/StatsBreakdownList.h"
#include "settings_ui/panes/statistics/StatsFigures.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

constexpr int padding = 18;
constexpr qreal ruleOpacity = 0.1;

} // namespace

StatsStartsCard::StatsStartsCard(const StatsFigures &figures, QWidget *parent)
    : SettingCard(parent)
    , m_starts(new StatsBreakdownList(QStringLiteral("How breaks started"), figures.startItems()))
    , m_types(new StatsBreakdownList(QStringLiteral("Break types"), figures.typeItems()))
    , m_awayLine(PaneLabels::secondary(figures.awayLine(), 10, QFont::Medium))
{
    m_awayLine->setObjectName(QStringLiteral("awayLine"));
    auto *content = new QWidget;
    auto *row = new QHBoxLayout(content);
    row->setContentsMargins(padding, padding, padding, padding);
    row->setSpacing(20);
    // Both columns keep their content at the top of the same fixed height.
    content->setFixedHeight(contentHeight + 2 * padding);
    row->addWidget(m_starts, 1, Qt::AlignTop);
    row->addWidget(new Hairline(Qt::Vertical, 0, ruleOpacity));
    row->addWidget(buildTypesColumn(), 1, Qt::AlignTop);
    addRow(content);
}

QWidget *StatsStartsCard::buildTypesColumn()
{
    auto *column = new QWidget;
    auto *stack = new QVBoxLayout(column);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(16);
    stack->addWidget(m_types);
    stack->addWidget(new Hairline(0, ruleOpacity));
    auto *away = new QHBoxLayout;
    away->setContentsMargins(0, 0, 0, 0);
    away->setSpacing(5);
    const QColor green = StatsColors::color(StatsTint::away, ColorScheme::light);
    away->addWidget(new SymbolTile(QStringLiteral("figure.walk"), 11, QFont::Medium, QSize(11, 11), green,
                                   StatsColors::color(StatsTint::away, ColorScheme::dark)),
                    0, Qt::AlignVCenter);
    away->addWidget(m_awayLine, 1, Qt::AlignVCenter);
    stack->addLayout(away);
    return column;
}

void StatsStartsCard::setFigures(const StatsFigures &figures)
{
    m_starts->setItems(figures.startItems());
    m_types->setItems(figures.typeItems());
    m_awayLine->setText(figures.awayLine());
}
