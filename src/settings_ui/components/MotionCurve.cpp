#include "settings_ui/components/MotionCurve.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// A spring counts as settled once its distance from the end stays below this share of the
// travel.
constexpr double settledShare = 0.001;
// A spring with no damping never settles; its animation ends here.
constexpr double longestSpringSeconds = 10.0;

double cubic(double a, double b, double t)
{
    // One coordinate of a cubic Bézier from 0 through a and b to 1.
    const double u = 1 - t;
    return 3 * u * u * t * a + 3 * u * t * t * b + t * t * t;
}

double cubicSlope(double a, double b, double t)
{
    const double u = 1 - t;
    return 3 * u * u * a + 6 * u * t * (b - a) + 3 * t * t * (1 - b);
}

} // namespace

MotionCurve::MotionCurve(Kind kind, double durationSeconds)
    : m_kind(kind)
    , m_durationSeconds(std::max(0.0, durationSeconds))
{
}

MotionCurve MotionCurve::bezier(double seconds, double x1, double y1, double x2, double y2)
{
    MotionCurve curve(Kind::bezier, seconds);
    curve.m_x1 = x1;
    curve.m_y1 = y1;
    curve.m_x2 = x2;
    curve.m_y2 = y2;
    return curve;
}

// The usual control points of the named timing curves.
MotionCurve MotionCurve::linear(double seconds) { return bezier(seconds, 0, 0, 1, 1); }
MotionCurve MotionCurve::easeIn(double seconds) { return bezier(seconds, 0.42, 0, 1, 1); }
MotionCurve MotionCurve::easeOut(double seconds) { return bezier(seconds, 0, 0, 0.58, 1); }
MotionCurve MotionCurve::easeInOut(double seconds) { return bezier(seconds, 0.42, 0, 0.58, 1); }

MotionCurve MotionCurve::spring(double responseSeconds, double dampingFraction)
{
    const double response = std::max(0.01, responseSeconds);
    const double damping = std::max(0.0, dampingFraction);
    MotionCurve curve(Kind::spring, springSettlingSeconds(response, damping));
    curve.m_response = response;
    curve.m_damping = damping;
    return curve;
}

int MotionCurve::durationMs() const
{
    return int(std::lround(m_durationSeconds * 1000));
}

double MotionCurve::valueAt(double progress) const
{
    if (progress <= 0)
        return 0;
    if (progress >= 1)
        return 1;
    return m_kind == Kind::bezier ? bezierAt(progress) : springAt(progress * m_durationSeconds);
}

double MotionCurve::bezierAt(double progress) const
{
    // Finds the curve parameter whose x is the progress (Newton steps, bisection when the
    // slope is flat), then reads y there.
    double t = progress;
    for (int step = 0; step < 8; ++step) {
        const double error = cubic(m_x1, m_x2, t) - progress;
        const double slope = cubicSlope(m_x1, m_x2, t);
        if (std::abs(error) < 1e-7)
            return cubic(m_y1, m_y2, t);
        if (std::abs(slope) < 1e-6)
            break;
        t = std::clamp(t - error / slope, 0.0, 1.0);
    }
    double low = 0, high = 1;
    t = progress;
    for (int step = 0; step < 40; ++step) {
        (cubic(m_x1, m_x2, t) < progress ? low : high) = t;
        t = (low + high) / 2;
    }
    return cubic(m_y1, m_y2, t);
}

double MotionCurve::springAt(double seconds) const
{
    // A unit mass on a spring released from the start towards the end: its stiffness gives
    // the response as the undamped period.
    const double omega = 2 * std::numbers::pi / m_response;
    const double zeta = m_damping;
    const double decay = std::exp(-zeta * omega * seconds);
    if (zeta < 1) {
        const double damped = omega * std::sqrt(1 - zeta * zeta);
        return 1 - decay * (std::cos(damped * seconds)
                            + zeta * omega / damped * std::sin(damped * seconds));
    }
    if (zeta == 1)
        return 1 - decay * (1 + omega * seconds);
    const double root = omega * std::sqrt(zeta * zeta - 1);
    const double fast = -zeta * omega - root;
    const double slow = -zeta * omega + root;
    return 1 - (fast * std::exp(slow * seconds) - slow * std::exp(fast * seconds)) / (fast - slow);
}

double MotionCurve::springSettlingSeconds(double response, double damping)
{
    const double omega = 2 * std::numbers::pi / response;
    if (damping > 0 && damping < 1) {
        // The swing never leaves its envelope, which shrinks at the rate of the damping.
        const double envelope = 1 / std::sqrt(1 - damping * damping);
        return std::min(longestSpringSeconds,
                        std::log(envelope / settledShare) / (damping * omega));
    }
    if (damping == 0)
        return longestSpringSeconds;
    // Without overshoot the distance only shrinks: the first moment within the share is it.
    MotionCurve probe(Kind::spring, 0);
    probe.m_response = response;
    probe.m_damping = damping;
    for (double seconds = 0; seconds < longestSpringSeconds; seconds += 0.001) {
        if (1 - probe.springAt(seconds) < settledShare)
            return seconds;
    }
    return longestSpringSeconds;
}
