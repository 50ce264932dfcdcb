#include "settings_ui/panes/breaks/BreakLimitsCard.h"

#include "settings_ui/components/BreaksSettingRow.h"
#include "settings_ui/components/PaneLabels.h"
#include "settings_ui/components/SchemeLabel.h"
#include "settings_ui/components/SettingsRowDivider.h"
#include "settings_ui/components/SymbolTile.h"
#include "settings_ui/components/ValueComboBox.h"

#include <QHBoxLayout>
#include <QSignalBlocker>

namespace {

const QString skipsTitle = QStringLiteral("Skips per day");
const QString snoozesTitle = QStringLiteral("Snoozes per day");

QList<ValueComboBox::Option> limitOptions()
{
    return ValueComboBox::numbered({1, 2, 3, 5, 10}, QString());
}

} // namespace

BreakLimitsCard::BreakLimitsCard(QWidget *parent)
    : SettingCard(parent)
{
    m_skips = addLimitRow(QStringLiteral("forward.fill"), NamedColor::orange, skipsTitle,
                          QStringLiteral("skipsPerDay"));
    addRow(new SettingsRowDivider);
    m_snoozes = addLimitRow(QStringLiteral("clock.arrow.circlepath"), NamedColor::purple, snoozesTitle,
                            QStringLiteral("snoozesPerDay"));
    connect(m_skips.picker, &ValueComboBox::valueActivated, this,
            [this](const QVariant &value) { emit skipsPerDayChosen(value.toLongLong()); });
    connect(m_snoozes.picker, &ValueComboBox::valueActivated, this,
            [this](const QVariant &value) { emit snoozesPerDayChosen(value.toLongLong()); });
    showMode();
}

BreakLimitsCard::LimitRow BreakLimitsCard::addLimitRow(const QString &symbol, NamedColor colour,
                                                       const QString &title, const QString &objectName)
{
    LimitRow limit;
    auto *trailing = new QWidget;
    auto *stack = new QHBoxLayout(trailing);
    stack->setContentsMargins(0, 0, 0, 0);
    limit.unlimited = PaneLabels::secondary(QStringLiteral("Unlimited"), 13);
    limit.picker = new ValueComboBox(limitOptions(), pickerWidth);
    limit.picker->setObjectName(objectName);
    limit.picker->setAccessibleName(title);
    stack->addWidget(limit.unlimited);
    stack->addWidget(limit.picker);
    // The subtitle is set by the mode; a placeholder keeps its line.
    limit.row = new BreaksSettingRow(SymbolTile::tinted(symbol, colour, 24, 12), title,
                                     QStringLiteral(" "), trailing, QMargins(16, 12, 16, 12));
    addRow(limit.row);
    return limit;
}

void BreakLimitsCard::setMode(BreakEnforcement mode)
{
    if (mode == m_mode)
        return;
    m_mode = mode;
    // Only ever shown inside the pane, never as a window of its own.
    setVisible(mode != BreakEnforcement::hardcore);
    showMode();
}

void BreakLimitsCard::setLimits(qint64 skipsPerDay, qint64 snoozesPerDay)
{
    const QSignalBlocker blockSkips(m_skips.picker);
    const QSignalBlocker blockSnoozes(m_snoozes.picker);
    m_skips.picker->setValue(QVariant::fromValue(skipsPerDay));
    m_snoozes.picker->setValue(QVariant::fromValue(snoozesPerDay));
}

void BreakLimitsCard::showMode()
{
    const bool balanced = m_mode == BreakEnforcement::balanced;
    m_skips.row->subtitleLabel()->setText(balanced ? QStringLiteral("Limit how many breaks you can skip")
                                                   : QStringLiteral("You can skip any break freely"));
    m_snoozes.row->subtitleLabel()->setText(
        balanced ? QStringLiteral("Limit how many times you can postpone")
                 : QStringLiteral("Postpone breaks as many times as you like"));
    for (const LimitRow *limit : {&m_skips, &m_snoozes}) {
        limit->unlimited->setVisible(!balanced);
        limit->picker->setVisible(balanced);
    }
}
