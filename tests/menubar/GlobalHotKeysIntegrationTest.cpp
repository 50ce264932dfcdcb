#include "platform/linux/X11GlobalHotKeys.h"
#include "support/RunCommand.h"
#include "support/ShortcutRig.h"
#include "support/TestServices.h"

#include <QTest>

#include <gtest/gtest.h>

// The hot keys on the test X server, pressed by xdotool as the user would press them, with
// the controller on a break timer of its own. A second X client stands for another
// application that wants the same keys.

namespace {

constexpr int deadlineMs = 5000;
const QString skipIgnored = "Skip ignored while paused";
const QString breakSkipRequested = "active_break_skip_requested | source=global_shortcut";

QString press(const QString &keys)
{
    return runCommand("xdotool", {"key", keys});
}

// Caps Lock and Num Lock toggled on while it lives.
class LocksOn
{
public:
    LocksOn() { m_error = press("Num_Lock") + press("Caps_Lock"); }
    ~LocksOn() { press("Num_Lock"), press("Caps_Lock"); }
    QString error() const { return m_error; }

private:
    QString m_error;
};

// The hot keys of this process, on a connection of their own.
struct HotKeyRig
{
    X11GlobalHotKeys hotKeys{QByteArray()};
    ShortcutRig rig{{}, &hotKeys};

    bool waitFor(const std::function<bool()> &condition)
    {
        return QTest::qWaitFor(condition, deadlineMs);
    }

    bool manuallyPaused() const { return rig.scheduler.pauseReasons().contains(PauseReason::manual); }

    // Toggles the timer with Super+Alt+T and waits for it: every key pressed before it has
    // been handled by then, so one that changed nothing is known to have done nothing.
    bool fence()
    {
        const bool before = rig.settings.menuBarShowTimer();
        return press("super+alt+t").isEmpty()
            && waitFor([&] { return rig.settings.menuBarShowTimer() != before; });
    }
};

// Another application holding keys: every row granted to it is listed.
QList<quint32> grantedTo(X11GlobalHotKeys &other, const QList<HotKeyDefinition> &rows)
{
    other.unregisterKeys();
    const QList<QString> failures = other.registerKeys(rows);
    QList<quint32> granted;
    for (qsizetype index = 0; index < rows.size(); ++index) {
        if (failures.at(index).isEmpty())
            granted.append(rows.at(index).id);
    }
    return granted;
}

const QList<quint32> allFive = {1, 2, 3, 4, 5};

} // namespace

TEST(GlobalHotKeysIntegrationTest, PauseResumeAndSkipFromTheKeyboardFollowTheTimersState)
{
    LUMENPAUSE_REQUIRE_TEST_SERVICES();
    HotKeyRig keys;
    keys.rig.startRuntime();
    ASSERT_EQ(keys.rig.controller.shortcutRegistrationError(), QString());

    ASSERT_EQ(press("super+alt+p"), QString());
    EXPECT_TRUE(keys.waitFor([&] { return keys.manuallyPaused(); }));
    ASSERT_EQ(press("super+alt+p"), QString());
    EXPECT_TRUE(keys.waitFor([&] { return !keys.rig.scheduler.isPaused(); }));
    {
        LocksOn locks;
        ASSERT_EQ(locks.error(), QString());
        ASSERT_EQ(press("super+alt+p"), QString());
        EXPECT_TRUE(keys.waitFor([&] { return keys.manuallyPaused(); })) << "with Num Lock on";
        ASSERT_EQ(press("super+alt+p"), QString());
        EXPECT_TRUE(keys.waitFor([&] { return !keys.rig.scheduler.isPaused(); }));
    }

    // A call's pause is not the user's to lift from the keyboard.
    keys.rig.scheduler.pause(PauseReason::meeting);
    ASSERT_EQ(press("super+alt+p"), QString());
    ASSERT_TRUE(keys.fence());
    EXPECT_EQ(keys.rig.scheduler.pauseReasons(), PauseReasonSet({PauseReason::meeting}));

    // Skipping while paused changes nothing and costs no skip.
    ASSERT_EQ(press("super+alt+s"), QString());
    EXPECT_TRUE(keys.waitFor([&] { return keys.rig.log.contains("BreakScheduler", skipIgnored); }));
    EXPECT_EQ(keys.rig.settings.skipsUsedToday(), 0);
    keys.rig.scheduler.resume(PauseReason::meeting);

    // A break on screen: skipped under Casual, left alone without a word under Hardcore.
    keys.rig.breakShowing = true;
    ASSERT_EQ(press("super+alt+s"), QString());
    EXPECT_TRUE(keys.waitFor([&] { return keys.rig.skipsOfBreakOnScreen == 1; }));
    EXPECT_TRUE(keys.rig.log.contains("Shortcuts", breakSkipRequested));
    keys.rig.settings.setEnforcement("Hardcore");
    ASSERT_EQ(press("super+alt+s"), QString());
    ASSERT_TRUE(keys.fence());
    EXPECT_EQ(keys.rig.skipsOfBreakOnScreen, 1);
    EXPECT_EQ(keys.rig.log.count("Shortcuts", breakSkipRequested), 1);
}

// Xvfb repeats a held key 25 times a second after about 0.66 s.
TEST(GlobalHotKeysIntegrationTest, AHeldCombinationActsOnce)
{
    LUMENPAUSE_REQUIRE_TEST_SERVICES();
    HotKeyRig keys;
    keys.rig.startRuntime();
    ASSERT_EQ(runCommand("xdotool", {"keydown", "super+alt+p", "sleep", "1.5", "keyup", "super+alt+p"}),
              QString());
    ASSERT_TRUE(keys.fence());
    EXPECT_TRUE(keys.manuallyPaused());
    EXPECT_EQ(keys.rig.events("timer_paused").size(), 1);
    // Some twenty repeats came on a quiet machine, fewer on a busy one, whose server repeats
    // on its own timer: what matters is that some came and acted on nothing.
    EXPECT_GT(keys.rig.log.count("Shortcuts", "hot_key_repeat_ignored | id=1"), 0);
}

TEST(GlobalHotKeysIntegrationTest, AKeyAnotherClientHoldsIsNamedAndTheOthersWork)
{
    LUMENPAUSE_REQUIRE_TEST_SERVICES();
    X11GlobalHotKeys other{QByteArray()};
    ASSERT_EQ(other.installHandler(), std::nullopt);
    const HotKeyDefinition skip = HotKeyDefinition::table().at(1);
    ASSERT_EQ(grantedTo(other, {skip}), QList<quint32>({2}));

    HotKeyRig keys;
    keys.rig.startRuntime();
    EXPECT_EQ(keys.rig.controller.shortcutRegistrationError(),
              "Unavailable shortcuts: Skip break. Another app may already use them.");
    EXPECT_TRUE(keys.rig.log.contains("Shortcuts", "Could not register Skip break (error 10)"));
    EXPECT_EQ(keys.rig.controller.registeredHotKeyIDs(), QList<quint32>({1, 3, 4, 5}));
    ASSERT_EQ(press("super+alt+p"), QString());
    EXPECT_TRUE(keys.waitFor([&] { return keys.manuallyPaused(); }));

    // Switched off, every key is free for the other application.
    keys.rig.controller.setShortcutsEnabled(false);
    EXPECT_EQ(keys.rig.store.persistentDomain().value("shortcutsEnabled"), false);
    EXPECT_EQ(grantedTo(other, HotKeyDefinition::table()), allFive);
}

TEST(GlobalHotKeysIntegrationTest, KeysAreHeldExactlyWhileTheRuntimeRunsAndOnceAtATime)
{
    LUMENPAUSE_REQUIRE_TEST_SERVICES();
    X11GlobalHotKeys other{QByteArray()};
    ASSERT_EQ(other.installHandler(), std::nullopt);
    HotKeyRig keys;
    keys.rig.controller.setShortcutsEnabled(true);
    EXPECT_EQ(grantedTo(other, HotKeyDefinition::table()), allFive) << "runtime stopped: nothing held";
    other.unregisterKeys();

    keys.rig.startRuntime();
    keys.rig.controller.updateHotKeyRegistration();
    EXPECT_EQ(keys.rig.log.count("Shortcuts", "Global keyboard shortcuts registered"), 1);
    EXPECT_EQ(grantedTo(other, HotKeyDefinition::table()), QList<quint32>());

    // A new layout puts P on a key of its own as well, the lower one that xdotool picks:
    // the grab follows it.
    ASSERT_EQ(runCommand("xmodmap", {"-e", "keycode 24 = p P"}), QString());
    const bool regrabbed = keys.waitFor([&] {
        return keys.rig.log.count("Shortcuts", "Global keyboard shortcuts registered") == 2;
    });
    const bool paused = regrabbed && press("super+alt+p").isEmpty()
        && keys.waitFor([&] { return keys.manuallyPaused(); });
    ASSERT_EQ(runCommand("xmodmap", {"-e", "keycode 24 = q Q"}), QString());
    EXPECT_TRUE(regrabbed);
    EXPECT_TRUE(paused) << "P pressed on its new key";
    EXPECT_TRUE(keys.waitFor([&] {
        return keys.rig.log.count("Shortcuts", "Global keyboard shortcuts registered") == 3;
    }));

    keys.rig.controller.setIsRuntimeStarted(false);
    keys.rig.controller.unregisterHotKeys();
    EXPECT_EQ(grantedTo(other, HotKeyDefinition::table()), allFive);
}
