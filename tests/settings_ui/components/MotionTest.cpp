#include "settings_ui/components/CurveAnimation.h"
#include "settings_ui/components/Motion.h"
#include "settings_ui/components/MotionCurve.h"

#include <QColor>
#include <QSequentialAnimationGroup>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <cmath>

TEST(MotionCurveTest, TimingCurvesRunFromStartToEndWithTheirShapes)
{
    struct Case
    {
        const char *name;
        MotionCurve curve;
        double atQuarter; // the share covered at a quarter of the time
    };
    const Case cases[] = {
        {"linear", MotionCurve::linear(0.2), 0.25},
        {"ease-in", MotionCurve::easeIn(0.2), 0.093},
        {"ease-out", MotionCurve::easeOut(0.2), 0.376},
        {"ease-in-out", MotionCurve::easeInOut(0.2), 0.129},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.curve.durationMs(), 200);
        EXPECT_EQ(c.curve.valueAt(0), 0);
        EXPECT_EQ(c.curve.valueAt(1), 1);
        EXPECT_NEAR(c.curve.valueAt(0.25), c.atQuarter, 0.01);
        double previous = 0;
        for (int step = 1; step <= 100; ++step) {
            const double value = c.curve.valueAt(step / 100.0);
            EXPECT_GE(value, previous - 1e-9) << "at " << step;
            previous = value;
        }
    }
    EXPECT_NEAR(MotionCurve::easeInOut(1).valueAt(0.5), 0.5, 1e-6);
}

TEST(MotionCurveTest, SpringsOvershootByTheirDampingAndSettleWithinTheirDuration)
{
    struct Case
    {
        double response;
        double damping;
        bool overshoots;
    };
    // The flow's springs: the icon's bouncy one, the indicator's and the page's firm ones.
    const Case cases[] = {{0.6, 0.5, true}, {0.35, 0.825, true}, {0.3, 0.9, true}, {0.4, 1.0, false}};
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.response << "/" << c.damping);
        const MotionCurve spring = MotionCurve::spring(c.response, c.damping);
        double peak = 0;
        for (int step = 0; step <= 1000; ++step)
            peak = std::max(peak, spring.valueAt(step / 1000.0));
        EXPECT_EQ(peak > 1.0005, c.overshoots) << "peak " << peak;
        // In its last tenth it has come to rest.
        EXPECT_NEAR(spring.valueAt(0.9), 1, 0.005);
        EXPECT_GT(spring.durationSeconds(), c.response / 2);
        EXPECT_LT(spring.durationSeconds(), 3.0);
    }
    // A lower damping swings further past the end.
    const auto peakOf = [](double damping) {
        const MotionCurve spring = MotionCurve::spring(0.5, damping);
        double peak = 0;
        for (int step = 0; step <= 1000; ++step)
            peak = std::max(peak, spring.valueAt(step / 1000.0));
        return peak;
    };
    EXPECT_GT(peakOf(0.5), peakOf(0.8));
}

TEST(MotionTest, TheSwitchLandsEveryAnimationAtItsEndAsItStarts)
{
    Motion::setJumpToEnd(true);
    QObject owner;
    auto *spring = new CurveAnimation(MotionCurve::spring(0.6, 0.5), &owner);
    spring->setStartValue(0.8);
    spring->setEndValue(1.0);
    QSignalSpy values(spring, &QVariantAnimation::valueChanged);
    QSignalSpy finished(spring, &QAbstractAnimation::finished);
    QSequentialAnimationGroup *delayed = Motion::afterDelay(0.4, spring, &owner);

    Motion::start(delayed);

    EXPECT_EQ(delayed->state(), QAbstractAnimation::Stopped);
    EXPECT_EQ(finished.count(), 1);
    ASSERT_FALSE(values.isEmpty());
    EXPECT_DOUBLE_EQ(values.constLast().at(0).toDouble(), 1.0);
    Motion::setJumpToEnd(false);

    auto *fade = new CurveAnimation(MotionCurve::easeOut(0.7), &owner);
    fade->setStartValue(0.0);
    fade->setEndValue(1.0);
    Motion::start(fade);
    EXPECT_EQ(fade->state(), QAbstractAnimation::Running) << "without the switch it runs its time";
    fade->stop();
}

TEST(CurveAnimationTest, CarriesNumbersPastTheEndButKeepsColoursInRange)
{
    CurveAnimation spring(MotionCurve::spring(0.6, 0.3));
    spring.setStartValue(0.0);
    spring.setEndValue(10.0);
    double peak = 0;
    for (int ms = 0; ms <= spring.duration(); ms += 5) {
        spring.setCurrentTime(ms);
        peak = std::max(peak, spring.currentValue().toDouble());
    }
    EXPECT_GT(peak, 10.5);

    CurveAnimation colour(MotionCurve::spring(0.6, 0.3));
    colour.setStartValue(QColor(0, 0, 0));
    colour.setEndValue(QColor(255, 255, 255));
    for (int ms = 0; ms <= colour.duration(); ms += 5) {
        colour.setCurrentTime(ms);
        EXPECT_TRUE(colour.currentValue().value<QColor>().isValid()) << ms;
    }
    colour.setCurrentTime(colour.duration());
    EXPECT_EQ(colour.currentValue().value<QColor>(), QColor(255, 255, 255));
}
