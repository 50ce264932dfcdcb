#pragma once

#include "settings_ui/components/CachedShadow.h"

#include <QWidget>

class OnboardingNavigationButton;
class OnboardingStepIndicator;

// The bar under the pages: "Back" at the left, the step marks in the middle, "Next" at the
// right, 40 pixels in from the sides and 30 up from the bottom. It draws the green glow under
// "Next", which reaches past the button.
class OnboardingNavigationBar : public QWidget
{
    Q_OBJECT

public:
    explicit OnboardingNavigationBar(int steps, QWidget *parent = nullptr);

    OnboardingNavigationButton *back() const { return m_back; }
    OnboardingNavigationButton *next() const { return m_next; }
    OnboardingStepIndicator *indicator() const { return m_indicator; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    OnboardingNavigationButton *m_back;
    OnboardingStepIndicator *m_indicator;
    OnboardingNavigationButton *m_next;
    CachedShadow m_nextShadow;
};
