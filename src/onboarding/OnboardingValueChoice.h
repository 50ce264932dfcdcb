#pragma once

#include "onboarding/OnboardingChoiceButton.h"

// One tile of a value selector ("20m", "45s", "3"): its label centred in a rounded box 38
// pixels high that takes whatever width its row gives it, digits in fixed cells.
class OnboardingValueChoice : public OnboardingChoiceButton
{
    Q_OBJECT

public:
    static constexpr int height = 38;

    explicit OnboardingValueChoice(const QString &label, QWidget *parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintFace(QPainter &painter, bool dark) override;
    qreal cornerRadius() const override { return 7; }
};
