#include "support/ShortcutRig.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

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
