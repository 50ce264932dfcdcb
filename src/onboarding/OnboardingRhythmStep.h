#pragma once

#include "onboarding/OnboardingPage.h"
#include "onboarding/OnboardingValueSelector.h"

class OnboardingRhythmPreview;
class OnboardingSettingHeader;
class OnboardingState;
class ToggleSwitch;

// The second page, "Build your rhythm": the focus interval and the short break, whether long
// breaks come and how often and how long, under a live preview. It edits the flow's state
// and nothing else; while long breaks are off, their two selectors are dimmed and ignore
// clicks, and keep their values.
class OnboardingRhythmStep : public OnboardingPage
{
    Q_OBJECT

public:
    // The choices, as (label, value) in screen order; the long break's values are seconds.
    static const OnboardingValueSelector::Options &intervalOptions();
    static const OnboardingValueSelector::Options &durationOptions();
    static const OnboardingValueSelector::Options &frequencyOptions();
    static const OnboardingValueSelector::Options &longDurationOptions();

    explicit OnboardingRhythmStep(OnboardingState &state, QWidget *parent = nullptr);

    QList<QWidget *> focusOrder() const override;
    OnboardingRhythmPreview *preview() const { return m_preview; }
    OnboardingSettingHeader *longBreaksHeader() const { return m_longBreaksHeader; }
    OnboardingSettingHeader *durationHeader() const { return m_durationHeader; }
    OnboardingValueSelector *frequencySelector() const { return m_frequency; }
    OnboardingValueSelector *longDurationSelector() const { return m_longDuration; }

private:
    QWidget *buildSelectorCard(const QString &icon, const QString &title,
                               const OnboardingValueSelector::Options &options, const char *field,
                               OnboardingValueSelector **selector);
    QWidget *buildLongBreaksCard();
    QWidget *buildDurationCard();
    void bind();
    void showLongBreaks();

    OnboardingState &m_state;
    OnboardingRhythmPreview *m_preview;
    OnboardingValueSelector *m_interval = nullptr;
    OnboardingValueSelector *m_duration = nullptr;
    OnboardingValueSelector *m_frequency = nullptr;
    OnboardingValueSelector *m_longDuration = nullptr;
    OnboardingSettingHeader *m_longBreaksHeader = nullptr;
    OnboardingSettingHeader *m_durationHeader = nullptr;
    ToggleSwitch *m_longBreaksToggle = nullptr;
};
