#pragma once

// How a value travels from its start to its end over an animation: the timing curves a
// layout names (linear, ease-in, ease-out, ease-in-out, each over a duration in seconds) and
// the damped spring, given as its response (the period of its undamped swing, in seconds)
// and damping fraction (1 settles without overshoot, lower values overshoot and swing back).
// A spring lasts until it has settled within a thousandth of its travel. Plain value.
class MotionCurve
{
public:
    static MotionCurve linear(double seconds);
    static MotionCurve easeIn(double seconds);
    static MotionCurve easeOut(double seconds);
    static MotionCurve easeInOut(double seconds);
    static MotionCurve spring(double responseSeconds, double dampingFraction);

    double durationSeconds() const { return m_durationSeconds; }
    int durationMs() const;

    // The share of the travel covered at `progress` (0 to 1) of the duration: 0 at the
    // start and exactly 1 at the end; a spring may pass 1 on the way.
    double valueAt(double progress) const;

private:
    enum class Kind { bezier, spring };

    MotionCurve(Kind kind, double durationSeconds);
    static MotionCurve bezier(double seconds, double x1, double y1, double x2, double y2);
    double bezierAt(double progress) const;
    double springAt(double seconds) const;
    static double springSettlingSeconds(double response, double damping);

    Kind m_kind;
    double m_durationSeconds;
    // The cubic Bézier's inner control points; its ends are (0, 0) and (1, 1).
    double m_x1 = 0, m_y1 = 0, m_x2 = 1, m_y2 = 1;
    double m_response = 0;
    double m_damping = 1;
};
