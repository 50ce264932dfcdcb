#pragma once

#include "settings_ui/components/SettingCard.h"
#include "settings_ui/panes/behavior/ReminderSensitivity.h"

#include <map>

class SchemeLabel;
class SymbolTile;
class ValueComboBox;

// The card under the sensitivity cards: the chosen sensitivity's symbol and title, what it
// does (wrapped, never cut), and while it waits for a pause (Gentle, Normal) how long it
// waits after activity stops. It writes nothing itself: the wait picker reports the user's
// choice.
class SensitivityDetailCard : public SettingCard
{
    Q_OBJECT

public:
    explicit SensitivityDetailCard(QWidget *parent = nullptr);

    void showSensitivity(ReminderSensitivity sensitivity);
    // The wait shown, or none while the value matches no option.
    void showWait(qint64 seconds);
    ValueComboBox *waitPicker() const { return m_waitPicker; }
    // The divider and the wait row; hidden under Persistent.
    QWidget *waitPart() const { return m_waitPart; }
    QString explanation() const;

signals:
    void waitChosen(qint64 seconds);

private:
    QWidget *buildSummary();
    QWidget *buildWaitPart();

    std::map<ReminderSensitivity, SymbolTile *> m_symbols;
    SchemeLabel *m_title = nullptr;
    SchemeLabel *m_explanation = nullptr;
    QWidget *m_waitPart = nullptr;
    ValueComboBox *m_waitPicker = nullptr;
};
