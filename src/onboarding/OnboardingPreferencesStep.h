#pragma once

#include "onboarding/OnboardingModeOption.h"
#include "onboarding/OnboardingPage.h"

class OnboardingModeSelector;
class OnboardingState;
class OnboardingToggleSetting;
class SchemeLabel;

// The last page, "Make it work your way": how firmly breaks hold the screen, when a due
// break may begin, the meeting pause and opening at login, each described as it is chosen.
// It edits the flow's state and nothing else.
class OnboardingPreferencesStep : public OnboardingPage
{
    Q_OBJECT

public:
    static const OnboardingModeOptions &enforcementOptions();
    static const OnboardingModeOptions &sensitivityOptions();

    explicit OnboardingPreferencesStep(OnboardingState &state, QWidget *parent = nullptr);

    QList<QWidget *> focusOrder() const override;
    SchemeLabel *enforcementDescription() const { return m_enforcementDescription; }
    SchemeLabel *sensitivityDescription() const { return m_sensitivityDescription; }

private:
    QWidget *buildModeCard(const QString &icon, const QString &title, const QString &caption,
                           const OnboardingModeOptions &options, const char *field,
                           OnboardingModeSelector **selector, SchemeLabel **description);
    QWidget *buildToggleCard(OnboardingToggleSetting *setting);
    void addFootnote();
    void bind();

    OnboardingState &m_state;
    OnboardingModeSelector *m_enforcement = nullptr;
    OnboardingModeSelector *m_sensitivity = nullptr;
    SchemeLabel *m_enforcementDescription = nullptr;
    SchemeLabel *m_sensitivityDescription = nullptr;
    OnboardingToggleSetting *m_pauseDuringMeetings = nullptr;
    OnboardingToggleSetting *m_launchAtLogin = nullptr;
};
