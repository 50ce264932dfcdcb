#pragma once

#include "onboarding/OnboardingPage.h"

class OnboardingWelcomeArt;

// The first page: the picture with the application's icon, the title "Lumen pause. / Not
// your keyboard." and the tagline.
class OnboardingWelcomeStep : public OnboardingPage
{
    Q_OBJECT

public:
    explicit OnboardingWelcomeStep(QWidget *parent = nullptr);

    OnboardingWelcomeArt *art() const { return m_art; }

private:
    OnboardingWelcomeArt *m_art;
};
