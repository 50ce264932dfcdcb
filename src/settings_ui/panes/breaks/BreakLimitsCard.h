#pragma once

#include "settings_ui/components/NamedColors.h"
#include "settings_ui/components/SettingCard.h"
#include "settings_ui/panes/breaks/BreakEnforcement.h"

class BreaksSettingRow;
class QLabel;
class ValueComboBox;

// The daily limits under the enforcement cards: skips and snoozes, "Unlimited" under Casual,
// a picker of 1, 2, 3, 5 or 10 under Balanced (a stored value of no option shows none), and
// nothing at all under Hardcore, where the card hides. The pickers only report a choice.
class BreakLimitsCard : public SettingCard
{
    Q_OBJECT

public:
    static constexpr int pickerWidth = 80;

    explicit BreakLimitsCard(QWidget *parent = nullptr);

    BreakEnforcement mode() const { return m_mode; }
    void setMode(BreakEnforcement mode);
    // Shown without a signal.
    void setLimits(qint64 skipsPerDay, qint64 snoozesPerDay);

    ValueComboBox *skipsPicker() const { return m_skips.picker; }
    ValueComboBox *snoozesPicker() const { return m_snoozes.picker; }

signals:
    void skipsPerDayChosen(qint64 skipsPerDay);
    void snoozesPerDayChosen(qint64 snoozesPerDay);

private:
    struct LimitRow
    {
        BreaksSettingRow *row = nullptr;
        QLabel *unlimited = nullptr;
        ValueComboBox *picker = nullptr;
    };

    LimitRow addLimitRow(const QString &symbol, NamedColor colour, const QString &title,
                         const QString &objectName);
    void showMode();

    BreakEnforcement m_mode = BreakEnforcement::casual;
    LimitRow m_skips;
    LimitRow m_snoozes;
};
