#pragma once

#include <QWidget>

class CurveAnimation;

// The row of step marks between "Back" and "Next": the current step's mark is a wide green
// bar, the others short grey ones, earlier steps not marked as done. Moving to another step
// stretches and shrinks the marks and shifts their colour under a spring.
class OnboardingStepIndicator : public QWidget
{
    Q_OBJECT

public:
    static constexpr qreal markHeight = 6;
    static constexpr qreal currentWidth = 20;
    static constexpr qreal otherWidth = 6;
    static constexpr qreal spacing = 6;

    OnboardingStepIndicator(int steps, QWidget *parent = nullptr);

    int step() const { return m_step; }
    void setStep(int step);
    // Each mark's width as drawn now.
    qreal markWidth(int index) const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_steps;
    int m_step = 0;
    int m_previousStep = 0;
    qreal m_progress = 1; // of the move from the previous step to the current one
    CurveAnimation *m_move;
};
