#include "breakscreen/BreakOverlayModel.h"
#include "breakscreen/BreakScreenConfig.h"
#include "support/BreakOverlayRig.h"
#include "support/BreakSchedulerRig.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

// The road of a break from the break timer through the overlay and back, on one fake clock,
// without windows: the presenter puts up the overlay, whose first report goes back to the
// timer and takes it down, as the window manager does.
struct BreakRoadRig : BreakSchedulerRig
{
    BreakRoadRig()
        : BreakSchedulerRig({{"enforcement", "Hardcore"},
                             {"breakDuration", QVariant::fromValue(qint64(20))}})
    {
        scheduler.setBreakPresenter([this](bool isLong) {
            presented.append(isLong);
            overlay = std::make_unique<BreakOverlayModel>(
                config, isLong, BreakOverlayMode::live(),
                [this](const BreakDismissalOutcome &outcome) { takeDown(outcome); }, settings,
                clock);
            breakShowing = true;
            overlay->appear();
            return true;
        });
    }

    void takeDown(const BreakDismissalOutcome &outcome)
    {
        if (!breakShowing)
            return;
        outcomes.append(BreakOverlayRig::describe(outcome));
        overlay->disappear();
        breakShowing = false;
        scheduler.handleBreakDismissal(outcome);
    }

    BreakScreenConfig config;
    std::unique_ptr<BreakOverlayModel> overlay;
    QStringList outcomes;
};

} // namespace

// Setting the time of day during a break, back or forward, changes neither what the
// countdown shows nor when the break ends nor what it counts: under Hardcore, Escape is
// taken for the break's twenty seconds and not a moment longer.
TEST(BreakClockStepTest, SettingTheClockDuringABreakLeavesItsLengthAlone)
{
    const struct
    {
        const char *name;
        double atSecond;
        qint64 bySeconds;
    } steps[] = {
        {"no step", 10, 0},
        {"an hour back mid-break", 10, -3600},
        {"an hour back before the first second", 0.5, -3600},
        {"an hour forward mid-break", 4, 3600},
        {"an hour forward in the last second", 19.5, 3600},
    };
    QList<qint64> everySecond;
    for (qint64 left = 19; left >= 1; --left)
        everySecond.append(left);

    for (const auto &step : steps) {
        SCOPED_TRACE(step.name);
        BreakRoadRig rig;
        rig.runToFirstBreak();
        ASSERT_TRUE(rig.overlay);
        QList<qint64> shown;
        int escapesTaken = 0;
        std::optional<double> endedAt;
        for (int half = 1; half <= 60; ++half) {
            const double second = half / 2.0;
            rig.clock.advance(0.5);
            if (second == step.atSecond)
                rig.clock.setNow(rig.clock.now().addSecs(step.bySeconds));
            if (!rig.breakShowing) {
                endedAt = endedAt.value_or(second);
                continue;
            }
            if (half % 2 == 0)
                shown.append(rig.overlay->countdown());
            escapesTaken += rig.overlay->handleEscape() ? 1 : 0;
        }
        EXPECT_EQ(shown, everySecond);
        EXPECT_EQ(endedAt, 20.0);
        EXPECT_EQ(escapesTaken, 39) << "every press while the break is up, and none after";
        EXPECT_FALSE(rig.overlay->handleEscape());
        EXPECT_EQ(rig.outcomes,
                  QStringList({"completed elapsed=20 endedEarly=false waitForActivity=false"}));
        EXPECT_EQ(rig.today().breaksCompleted, 1);
        EXPECT_EQ(rig.today().totalBreakSeconds, 20);
    }
}
