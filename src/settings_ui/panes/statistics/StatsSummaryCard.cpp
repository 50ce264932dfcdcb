#include "settings_ui/panes/statistics/StatsSummaryCard.h"

#include "settings_ui/components/Hairline.h"
#include "settings_ui/components/PaneLabels.h"
#include "settings_ui/components/SchemeLabel.h"
#include "settings_ui/components/SettingsFont.h"
#include "settings_ui/panes/statistics/StatsFigures.h"
#include "settings_ui/panes/statistics/StatsSwatch.h"
#include "settings_ui/panes/statistics/TabularLabel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

constexpr int verticalPadding = 14;
constexpr int columnRuleHeight = 44;
constexpr qreal columnRuleOpacity = 0.1;

TabularLabel *valueLabel(const char *objectName)
{
    auto *value = new TabularLabel(SettingsFont::font(17, QFont::DemiBold));
    value->setObjectName(QString::fromLatin1(objectName));
    return value;
}

QWidget *column(StatsTint tint, TabularLabel *value, const QString &name)
{
    auto *column = new QWidget;
    auto *line = new QHBoxLayout;
    line->setContentsMargins(0, 0, 0, 0);
    line->setSpacing(5);
    line->addStretch(1);
    line->addWidget(new StatsSwatch(tint, 6, 3), 0, Qt::AlignVCenter);
    line->addWidget(value, 0, Qt::AlignVCenter);
    line->addStretch(1);
    auto *stack = new QVBoxLayout(column);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(4);
    stack->addLayout(line);
    stack->addWidget(PaneLabels::secondary(name, 10), 0, Qt::AlignHCenter);
    return column;
}

} // namespace

StatsSummaryCard::StatsSummaryCard(QWidget *parent)
    : SettingCard(parent)
    , m_completed(valueLabel("completedCount"))
    , m_skipped(valueLabel("skippedCount"))
    , m_snoozed(valueLabel("snoozedCount"))
    , m_rate(valueLabel("completionRate"))
{
    auto *content = new QWidget;
    auto *row = new QHBoxLayout(content);
    row->setContentsMargins(0, verticalPadding, 0, verticalPadding);
    row->setSpacing(0);
    const std::tuple<StatsTint, TabularLabel *, QString> columns[] = {
        {StatsTint::away, m_completed, QStringLiteral("Completed")},
        {StatsTint::orange, m_skipped, QStringLiteral("Skipped")},
        {StatsTint::indigo, m_snoozed, QStringLiteral("Snoozed")},
        {StatsTint::timed, m_rate, QStringLiteral("Completion")},
    };
    for (const auto &[tint, value, name] : columns) {
        if (row->count() > 0) {
            auto *rule = new Hairline(Qt::Vertical, 0, columnRuleOpacity);
            rule->setFixedHeight(columnRuleHeight);
            row->addWidget(rule, 0, Qt::AlignVCenter);
        }
        // Equal shares of the width, whatever each value's length.
        QWidget *cell = column(tint, value, name);
        cell->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        row->addWidget(cell, 1);
    }
    addRow(content);
}

void StatsSummaryCard::setFigures(const StatsFigures &figures)
{
    m_completed->setText(figures.completedText());
    m_skipped->setText(figures.skippedText());
    m_snoozed->setText(figures.snoozedText());
    m_rate->setText(figures.completionRateText());
}
