#pragma once

#include "settings_ui/components/SettingCard.h"

class AppSettings;
class ToggleSwitch;
class ValueComboBox;

// The Notifications pane's "Before a Break" card: a switch for the heads-up notice and, while
// it is on, how long before the break it comes. Off stores 0 seconds (no heads-up); on brings
// back the last lead time above 0 the card saw, stored or picked, and at least 15 seconds,
// so turning the notice off and on again keeps a longer lead time the user chose. A stored lead time
// the menu lacks (20 seconds) selects nothing and stays stored until the user picks.
class HeadsUpCard : public SettingCard
{
    Q_OBJECT

public:
    explicit HeadsUpCard(AppSettings &settings, QWidget *parent = nullptr);

    // The lead time turning the switch on stores.
    qint64 leadTimeWhenOn() const;

private:
    QWidget *buildSwitchRow();
    QWidget *buildLeadTimeRow();
    void showSetting();
    void switchTurned(bool on);

    AppSettings &m_settings;
    ToggleSwitch *m_switch = nullptr;
    QWidget *m_leadTimeRow = nullptr;
    ValueComboBox *m_picker = nullptr;
    // The last lead time above 0 seen, stored or picked; 0 while none was.
    qint64 m_rememberedLeadTime = 0;
};
