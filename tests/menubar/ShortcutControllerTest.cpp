#include "support/ShortcutRig.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

namespace {

QVariant integer(qint64 value)
{
    return QVariant::fromValue(value);
}

// The key pressed and its work run, as the event loop runs it.
const QString skipRequested = "active_break_skip_requested | source=global_shortcut";

void pressKey(ShortcutRig &rig, quint32 id)
{
    rig.fakeHotKeys.press(id);
    QCoreApplication::sendPostedEvents();
}

} // namespace

TEST(ShortcutControllerTest, ARegistrationSaysWhichKeysCouldNotBeHadAndWhy)
{
    struct Row
    {
        const char *name;
        std::optional<QString> handlerFailure;
        QList<quint32> taken;
        QString error;
        QStringList warnings;
        QList<quint32> registered;
    };
    const Row rows[] = {
        {"all five", std::nullopt, {}, "", {}, {1, 2, 3, 4, 5}},
        {"no handler under Wayland", "error: Wayland", {},
         "Lumenpause could not install its shortcut handler (error: Wayland).",
         {"Lumenpause could not install its shortcut handler (error: Wayland)."}, {}},
        {"two keys taken", std::nullopt, {1, 2},
         "Unavailable shortcuts: Pause / Resume, Skip break. Another app may already use them.",
         {"Could not register Pause / Resume (error 10)", "Could not register Skip break (error 10)"},
         {3, 4, 5}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        ShortcutRig rig;
        rig.fakeHotKeys.setHandlerFailure(row.handlerFailure);
        for (quint32 id : row.taken)
            rig.fakeHotKeys.refuse(id, "error 10");
        rig.startRuntime();
        EXPECT_EQ(rig.controller.shortcutRegistrationError(), row.error);
        QStringList warnings;
        for (const LogRecord &record : rig.log.records()) {
            if (record.level == LogLevel::Warn)
                warnings.append(record.message);
        }
        EXPECT_EQ(warnings, row.warnings);
        EXPECT_EQ(rig.controller.registeredHotKeyIDs(), row.registered);
        EXPECT_EQ(rig.log.contains("Shortcuts", "Global keyboard shortcuts registered"),
                  row.error.isEmpty());

        // Unregistering leaves the message; a fresh registration clears it first.
        rig.controller.unregisterHotKeys();
        EXPECT_EQ(rig.controller.shortcutRegistrationError(), row.error);
        EXPECT_FALSE(rig.fakeHotKeys.handlerInstalled());
        rig.fakeHotKeys.setHandlerFailure(std::nullopt);
        rig.fakeHotKeys.refuse(1, QString());
        rig.fakeHotKeys.refuse(2, QString());
        rig.controller.registerHotKeys();
        EXPECT_EQ(rig.controller.shortcutRegistrationError(), QString());
    }
}

TEST(ShortcutControllerTest, TheOtherKeysTakeABreakToggleTheTimerAndOpenSettings)
{
    QStringList shown;
    for (const HotKeyDefinition &row : HotKeyDefinition::table())
        shown.append(row.shortcutText());
    EXPECT_EQ(shown, QStringList({"Super+Alt+P", "Super+Alt+S", "Super+Alt+B", "Super+Alt+T",
                                  "Super+Alt+G"}));

    ShortcutRig rig;
    rig.startRuntime();
    rig.fakeHotKeys.press(4);
    EXPECT_TRUE(rig.settings.menuBarShowTimer()) << "the work waits for the event loop";
    QCoreApplication::sendPostedEvents();
    EXPECT_FALSE(rig.settings.menuBarShowTimer());
    EXPECT_EQ(rig.store.persistentDomain().value("menuBarShowTimer"), false);

    rig.fakeHotKeys.press(5);
    rig.fakeHotKeys.press(3);
    rig.fakeHotKeys.press(99);
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(rig.settingsOpened, 1);
    EXPECT_EQ(rig.presented, QList<bool>({false}));

    // A break on screen refuses a second one.
    rig.breakShowing = true;
    rig.fakeHotKeys.press(3);
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(rig.presented.size(), 1);
}

// The skip key keeps to the limits of the enforcement mode, with a break on screen or not;
// where they forbid a skip nothing moves: no skip counted, the countdown and the break stay.
TEST(ShortcutControllerTest, TheSkipKeyKeepsToTheSkipLimits)
{
    const QVariantMap hardcore = {{"enforcement", "Hardcore"}};
    QVariantMap usedUp = {{"enforcement", "Balanced"},
                          {"skipsPerDay", integer(2)},
                          {"skipsUsedToday", integer(2)},
                          {"lastSnoozeResetDate", "2025-03-04"}};
    QVariantMap oneLeft = usedUp;
    oneLeft.insert("skipsUsedToday", integer(1));
    QVariantMap usedUpYesterday = usedUp;
    usedUpYesterday.insert("lastSnoozeResetDate", "2025-03-03");
    struct Row
    {
        const char *name;
        QVariantMap stored;
        bool breakOnScreen;
        bool skips;
        qint64 skipsUsedAfter; // the break screen counts a skip of its own break
    };
    const Row rows[] = {
        {"Hardcore, counting down", hardcore, false, false, 0},
        {"Hardcore, break on screen", hardcore, true, false, 0},
        {"Balanced, used up, counting down", usedUp, false, false, 2},
        {"Balanced, used up, break on screen", usedUp, true, false, 2},
        {"Balanced, one left, counting down", oneLeft, false, true, 2},
        {"Balanced, one left, break on screen", oneLeft, true, true, 1},
        {"Balanced, used up yesterday", usedUpYesterday, false, true, 1},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        ShortcutRig rig(row.stored);
        rig.startRuntime();
        if (row.breakOnScreen) {
            rig.runToFirstBreak();
            rig.breakShowing = true;
        } else {
            rig.clock.advance(20);
        }
        const double remainingBefore = rig.scheduler.timeRemaining();
        const std::optional<ActiveBreakContext> breakBefore = rig.scheduler.activeBreakContext();

        pressKey(rig, HotKeyDefinition::skipBreak);
        const bool skippedInterval = row.skips && !row.breakOnScreen;
        EXPECT_EQ(rig.skipsOfBreakOnScreen, row.skips && row.breakOnScreen ? 1 : 0);
        EXPECT_EQ(rig.log.contains("Shortcuts", skipRequested), row.skips && row.breakOnScreen);
        EXPECT_EQ(rig.settings.skipsUsedToday(), row.skipsUsedAfter);
        EXPECT_EQ(rig.today().breaksSkipped, skippedInterval ? 1 : 0);
        EXPECT_EQ(rig.scheduler.timeRemaining(), skippedInterval ? 60.0 : remainingBefore);
        EXPECT_EQ(rig.scheduler.activeBreakContext(), breakBefore);
        EXPECT_EQ(rig.scheduler.isRunning(), !row.breakOnScreen);
    }
}

// Pausing knows no skip limits; a pause someone else took is not the key's to lift.
TEST(ShortcutControllerTest, ThePauseKeyPausesAndResumesByHandUnderAnyEnforcement)
{
    ShortcutRig rig({{"enforcement", "Hardcore"}});
    rig.startRuntime();
    rig.clock.advance(20);
    pressKey(rig, HotKeyDefinition::pauseResume);
    EXPECT_EQ(rig.scheduler.pauseReasons(), PauseReasonSet({PauseReason::manual}));
    rig.clock.advance(30);
    EXPECT_EQ(rig.scheduler.timeRemaining(), 40.0);
    pressKey(rig, HotKeyDefinition::pauseResume);
    EXPECT_FALSE(rig.scheduler.isPaused());
    rig.clock.advance(1);
    EXPECT_EQ(rig.scheduler.timeRemaining(), 39.0);

    rig.scheduler.pause(PauseReason::meeting);
    pressKey(rig, HotKeyDefinition::pauseResume);
    EXPECT_EQ(rig.scheduler.pauseReasons(), PauseReasonSet({PauseReason::meeting}));
    rig.scheduler.resume(PauseReason::meeting);

    // With a break on screen the key holds the next interval and leaves the break alone.
    rig.runToFirstBreak();
    ASSERT_EQ(rig.presented.size(), 1);
    rig.breakShowing = true;
    pressKey(rig, HotKeyDefinition::pauseResume);
    EXPECT_TRUE(rig.scheduler.pauseReasons().contains(PauseReason::manual));
    pressKey(rig, HotKeyDefinition::pauseResume);
    EXPECT_FALSE(rig.scheduler.isPaused());
    EXPECT_FALSE(rig.scheduler.isRunning());
    EXPECT_TRUE(rig.scheduler.activeBreakContext().has_value());
    EXPECT_EQ(rig.skipsOfBreakOnScreen, 0);
    EXPECT_EQ(rig.events("timer_paused").size(), 3);
}
