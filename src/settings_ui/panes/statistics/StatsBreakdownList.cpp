#include "settings_ui/panes/statistics/StatsBreakdownList.h"

#include "settings_ui/components/PaneLabels.h"
#include "settings_ui/components/SchemeLabel.h"
#include "settings_ui/panes/statistics/StatsBreakdownRow.h"

#include <QLabel>
#include <QVBoxLayout>

StatsBreakdownList::StatsBreakdownList(const QString &title, const QList<StatsBreakdownItem> &items,
                                       QWidget *parent)
    : QWidget(parent)
{
    auto *rows = new QVBoxLayout;
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setSpacing(13);
    for (const StatsBreakdownItem &item : items) {
        auto *row = new StatsBreakdownRow(item, this);
        m_rows.append(row);
        rows->addWidget(row);
    }
    auto *stack = new QVBoxLayout(this);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(16);
    stack->addWidget(PaneLabels::primary(title, 13, QFont::DemiBold));
    stack->addLayout(rows);
    setItems(items);
}

void StatsBreakdownList::setItems(const QList<StatsBreakdownItem> &items)
{
    const qint64 scale = StatsFigures::maxBreakdownValue(items);
    for (qsizetype index = 0; index < items.size() && index < m_rows.size(); ++index)
        m_rows[index]->setItem(items[index], scale);
}
