#pragma once

#include "settings_ui/components/NamedColors.h"
#include "settings_ui/components/SettingCard.h"
#include "settings_ui/components/ValueComboBox.h"

// One of the two cards at the top of the Breaks pane, the interval and the duration: a tile
// with the card's symbol, its title and subtitle, and under a divider a captioned picker,
// 110 pixels wide. The picker is its owner's to bind.
class BreakRhythmCard : public SettingCard
{
    Q_OBJECT

public:
    struct Facts
    {
        QString symbol;
        NamedColor colour;
        QString title;
        QString subtitle;
        QString caption;
    };

    static constexpr int pickerWidth = 110;

    BreakRhythmCard(const Facts &facts, const QList<ValueComboBox::Option> &options,
                    QWidget *parent = nullptr);

    ValueComboBox *picker() const { return m_picker; }
    // Names the picker, and each of its options as an action "<name>:<value>" that picks it
    // as the user would: a handle for scripts and tests, which a menu's items do not have.
    void setPickerName(const QString &name);

private:
    ValueComboBox *m_picker;
};
