#pragma once

#include "settings_ui/components/NamedColors.h"
#include "settings_ui/components/SettingCard.h"

class ToggleSwitch;

// A card of the Wellness pane: a reminder's icon tile, title and description with its on/off
// switch, and below, only while the switch is on, a divider and the card's body (how often
// the reminder comes). The card keeps no state: its owner binds the switch to the model and
// says when the body shows. No hover, no dimming, no animation: the body comes and goes at
// once.
class WellnessCard : public SettingCard
{
    Q_OBJECT

public:
    // The switch is named `switchKey`, after the setting it writes, and announced by `title`.
    WellnessCard(const QString &icon, NamedColor iconColour, const QString &title, const QString &description,
                 const QString &switchKey, QWidget *body, QWidget *parent = nullptr);

    ToggleSwitch *enabledSwitch() const { return m_switch; }
    void showBody(bool shown);
    bool showsBody() const;

private:
    QWidget *buildHeader(const QString &icon, NamedColor iconColour, const QString &title,
                         const QString &description, const QString &switchKey);

    ToggleSwitch *m_switch = nullptr;
    QWidget *m_divider = nullptr;
    QWidget *m_body = nullptr;
};
