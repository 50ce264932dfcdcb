#pragma once

#include "settings_ui/components/MotionCurve.h"

#include <QVariantAnimation>

// A QVariantAnimation that follows a MotionCurve, springs included: it lasts the curve's
// duration and may carry numbers, points, sizes and rectangles past their end value while a
// spring overshoots (colours are kept within their range). Start it through Motion::start so
// the process-wide switch can make it jump to its end.
class CurveAnimation : public QVariantAnimation
{
    Q_OBJECT

public:
    explicit CurveAnimation(const MotionCurve &curve, QObject *parent = nullptr);

    const MotionCurve &curve() const { return m_curve; }
    // Takes the curve's duration too.
    void setCurve(const MotionCurve &curve);

protected:
    QVariant interpolated(const QVariant &from, const QVariant &to, qreal progress) const override;

private:
    MotionCurve m_curve;
};
