#pragma once

#include "onboarding/OnboardingChoiceButton.h"
#include "onboarding/OnboardingModeOption.h"

// One row of a mode selector: the option's symbol and title at the left, a check mark in a
// circle (selected) or an empty circle at the right, 42 pixels high across the whole width.
// A title too long for the row is cut to one line; the mark keeps its place.
class OnboardingModeChoice : public OnboardingChoiceButton
{
    Q_OBJECT

public:
    static constexpr int height = 42;

    explicit OnboardingModeChoice(const OnboardingModeOption &option, QWidget *parent = nullptr);

    const OnboardingModeOption &option() const { return m_option; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintFace(QPainter &painter, bool dark) override;
    qreal cornerRadius() const override { return 8; }

private:
    OnboardingModeOption m_option;
};
