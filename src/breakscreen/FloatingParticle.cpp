#include "breakscreen/FloatingParticle.h"

#include <QEasingCurve>
#include <QPointF>

#include <cmath>

namespace {

// The usual ease-in-ease-out timing curve: a slow start, a slow arrival.
const QEasingCurve &easeInOut()
{
    static const QEasingCurve curve = [] {
        QEasingCurve bezier(QEasingCurve::BezierSpline);
        bezier.addCubicBezierSegment(QPointF(0.42, 0.0), QPointF(0.58, 1.0), QPointF(1.0, 1.0));
        return bezier;
    }();
    return curve;
}

double between(double from, double to, double progress)
{
    return from + (to - from) * progress;
}

} // namespace

FloatingParticle::Placement FloatingParticle::placementAt(double elapsedSeconds) const
{
    const double legs = duration > 0 ? (elapsedSeconds - delay) / duration : 0.0;
    if (legs <= 0)
        return {x, y, rotation};
    const double leg = std::floor(legs);
    const double eased = easeInOut().valueForProgress(legs - leg);
    // Even legs go out to the target, odd legs come back to the start.
    const double outward = std::fmod(leg, 2.0) == 0 ? eased : 1.0 - eased;
    return {between(x, targetX, outward), between(y, targetY, outward),
            between(rotation, targetRotation, outward)};
}
