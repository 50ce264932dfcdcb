#pragma once

#include <QWidget>

class ToggleSwitch;

// A switch row of the preferences step: the round symbol badge, a title over a subtitle, and
// a small green switch at the right. The switch shows no label; screen readers announce it
// by the title, and automation finds it by its identifier (its objectName). Flipping it
// reports the new state (toggled) and writes nothing itself.
class OnboardingToggleSetting : public QWidget
{
    Q_OBJECT

public:
    OnboardingToggleSetting(const QString &icon, const QString &title, const QString &subtitle,
                            const QString &identifier, QWidget *parent = nullptr);

    ToggleSwitch *toggle() const { return m_toggle; }
    bool isOn() const;
    void setOn(bool on);

signals:
    void toggled(bool on);

private:
    ToggleSwitch *m_toggle;
};
