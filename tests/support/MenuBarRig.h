#pragma once

#include "menubar/MenuBarController.h"
#include "support/BreakSchedulerRig.h"
#include "support/FakeMeetingPauseStatus.h"
#include "support/FakeStatusItem.h"

#include <QStringList>

// A tray controller on a break timer of its own (BreakSchedulerRig, a fake clock starting on
// Tuesday 2025-03-04 at 09:00) with a twenty-minute interval unless the stored settings say
// otherwise, onboarding done unless asked, and a fake tray item. What the window manager
// and the application would do is counted. The controller is not installed yet.
struct MenuBarRig
{
    using ItemFactory = std::function<std::unique_ptr<StatusItem>()>;

    explicit MenuBarRig(const QVariantMap &stored = {}, bool onboarded = true,
                        QDateTime start = QDateTime(QDate(2025, 3, 4), QTime(9, 0)),
                        ItemFactory makeItem = {});

    // The services the rig's controller runs on, for another controller on the same rig.
    MenuBarServices services();

    MenuBarStatusPresentation presentation();
    // The fake item the controller made; null before it made one or with another factory.
    FakeStatusItem *item() const { return fakeItem; }
    // The menu opened by the last click or hand-off.
    QMenu *lastPoppedUpMenu() const;

    // The menu as read: each item's text, "(disabled)" after a disabled one, "---" for a
    // separator, "[header]" or "[notice]" for a widget row, a submenu's items indented.
    static QStringList describe(const QMenu &menu, const QString &indent = {});
    // The enabled or disabled item with this text, in the menu or a submenu; null if none.
    static QAction *findAction(const QMenu &menu, const QString &text);

    BreakSchedulerRig timer;
    FakeMeetingPauseStatus meetings;
    ItemFactory makeItem;
    FakeStatusItem *fakeItem = nullptr;
    int skipsOfBreakOnScreen = 0;
    int settingsOpened = 0;
    int updateChecks = 0;
    int quits = 0;
    MenuBarController controller;
};
