#include "support/BreakOverlayRig.h"

#include <gtest/gtest.h>

namespace {

const QString casualPress =
    "Escape pressed - enforcement: Casual, canSkip: true, escapeBehavior: Double Esc";

// Two presses `apart` seconds apart; whether the overlay took each key.
QList<bool> pressTwice(BreakOverlayRig &rig, BreakOverlayModel &overlay, double apart)
{
    QList<bool> taken{overlay.handleEscape()};
    rig.clock.advance(apart);
    taken.append(overlay.handleEscape());
    return taken;
}

} // namespace

TEST(EscapeRuleTest, ADoubleEscapeBeforeFourFifthsOfTheBreakSkipsIt)
{
    BreakOverlayRig rig;
    BreakOverlayModel &overlay = rig.showBreak(300);
    rig.clock.advance(239);
    EXPECT_EQ(pressTwice(rig, overlay, 0.5), QList<bool>({true, true}));

    EXPECT_EQ(rig.outcomes, QStringList({"skipped"}));
    EXPECT_EQ(rig.lines("Escape"),
              QStringList({casualPress, casualPress,
                           "Escape counted as skip - 79% completed (< 80%)"}));
    EXPECT_EQ(rig.lines("dismissal"),
              QStringList({"dismissal_requested | action=double_escape remaining=61s"}));
}

TEST(EscapeRuleTest, ADoubleEscapeFromFourFifthsOnEndsTheBreakEarly)
{
    BreakOverlayRig rig;
    BreakOverlayModel &overlay = rig.showBreak(300);
    rig.clock.advance(240);
    pressTwice(rig, overlay, 0.2);

    EXPECT_EQ(rig.outcomes,
              QStringList({"completed elapsed=240 endedEarly=true waitForActivity=false"}));
    EXPECT_EQ(rig.lines("Escape NOT"),
              QStringList({"Escape NOT counted as skip - 80% completed (>= 80%)"}));
}

TEST(EscapeRuleTest, OnlyASecondPressWithinOneSecondOfTheFirstCounts)
{
    BreakOverlayRig rig;
    BreakOverlayModel &overlay = rig.showBreak(300);
    pressTwice(rig, overlay, 1.1);
    EXPECT_TRUE(rig.outcomes.isEmpty()); // the second press opened a new window
    rig.clock.advance(0.9);
    overlay.handleEscape();
    EXPECT_EQ(rig.outcomes, QStringList({"skipped"}));

    // The window stays open after a double press: a third press inside it reports again,
    // and the host keeps the first report.
    overlay.handleEscape();
    EXPECT_EQ(rig.outcomes.size(), 2);
    rig.clock.advance(1.0);
    overlay.handleEscape();
    EXPECT_EQ(rig.outcomes.size(), 2);
}

TEST(EscapeRuleTest, EscapeDisabledOrNotAllowedToSkipSwallowsTheKeyAndDoesNothingMore)
{
    BreakOverlayRig disabled;
    disabled.config.setEscapeBehavior(EscBehavior::disabled);
    BreakOverlayModel &calm = disabled.showBreak(300);
    EXPECT_EQ(pressTwice(disabled, calm, 0.1), QList<bool>({true, true}));
    EXPECT_TRUE(disabled.outcomes.isEmpty());
    EXPECT_EQ(disabled.lines(),
              QStringList({"Init - duration: 300s, isLong: false",
                           "Starting countdown: 300s, isLong: false",
                           "Escape pressed - enforcement: Casual, canSkip: true, "
                           "escapeBehavior: Disabled",
                           "Escape pressed - enforcement: Casual, canSkip: true, "
                           "escapeBehavior: Disabled"}));

    BreakOverlayRig strict({{"enforcement", "Hardcore"}});
    BreakOverlayModel &held = strict.showBreak(300);
    for (int press = 0; press < 4; ++press)
        EXPECT_TRUE(held.handleEscape());
    EXPECT_TRUE(strict.outcomes.isEmpty());
    EXPECT_EQ(strict.lines("Escape").count(
                  "Escape pressed - enforcement: Hardcore, canSkip: false, "
                  "escapeBehavior: Double Esc"),
              4);
}

TEST(EscapeRuleTest, ADoubleEscapeOnTheBreakCompletePanelCountsTheBreakInFull)
{
    BreakOverlayRig rig({{"longBreakResume", "confirm"}});
    BreakOverlayModel &overlay = rig.showBreak(600, true);
    rig.clock.advance(600);
    ASSERT_TRUE(overlay.breakCompleteWaiting());
    pressTwice(rig, overlay, 0.3);

    EXPECT_EQ(rig.outcomes,
              QStringList({"completed elapsed=600 endedEarly=false waitForActivity=false"}));
    EXPECT_EQ(rig.lines("dismissal"),
              QStringList({"dismissal_requested | action=double_escape remaining=0s"}));
}

TEST(EscapeRuleTest, EscapeBelongsToTheOverlayOnlyWhileItIsUp)
{
    BreakOverlayRig rig;
    rig.settings.setBreakDuration(300);
    const auto overlay = rig.make();
    EXPECT_FALSE(overlay->handleEscape());
    overlay->appear();
    EXPECT_TRUE(overlay->handleEscape());
    overlay->disappear();
    EXPECT_FALSE(overlay->handleEscape());
    EXPECT_FALSE(overlay->handleEscape());
    EXPECT_TRUE(rig.outcomes.isEmpty());
    EXPECT_EQ(rig.lines("Escape").size(), 1);
}
