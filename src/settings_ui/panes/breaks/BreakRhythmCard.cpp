#include "settings_ui/panes/breaks/BreakRhythmCard.h"

#include "settings_ui/components/BreaksSettingRow.h"
#include "settings_ui/components/PaneLabels.h"
#include "settings_ui/components/SchemeLabel.h"
#include "settings_ui/components/SettingsRowDivider.h"
#include "settings_ui/components/SymbolTile.h"

#include <QAction>
#include <QHBoxLayout>

BreakRhythmCard::BreakRhythmCard(const Facts &facts, const QList<ValueComboBox::Option> &options,
                                 QWidget *parent)
    : SettingCard(parent)
    , m_picker(new ValueComboBox(options, pickerWidth))
{
    m_picker->setAccessibleName(facts.title);
    addRow(new BreaksSettingRow(SymbolTile::tinted(facts.symbol, facts.colour, 28, 14), facts.title,
                                facts.subtitle, nullptr, QMargins(16, 12, 16, 12)));
    addRow(new SettingsRowDivider);
    auto *pickerRow = new QWidget;
    auto *row = new QHBoxLayout(pickerRow);
    row->setContentsMargins(16, 10, 16, 10);
    row->addWidget(PaneLabels::primary(facts.caption, 13, QFont::Medium));
    row->addStretch(1);
    row->addWidget(m_picker);
    addRow(pickerRow);
}

void BreakRhythmCard::setPickerName(const QString &name)
{
    m_picker->setObjectName(name);
    for (int index = 0; index < m_picker->count(); ++index) {
        auto *option = new QAction(m_picker->itemText(index), m_picker);
        option->setObjectName(name + QLatin1Char(':') + m_picker->itemData(index).toString());
        connect(option, &QAction::triggered, m_picker, [picker = m_picker, index] {
            picker->setCurrentIndex(index);
            emit picker->activated(index);
        });
    }
}
