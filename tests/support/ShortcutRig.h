#pragma once

#include "menubar/ShortcutController.h"
#include "support/BreakSchedulerRig.h"
#include "support/FakeGlobalHotKeys.h"

// A hot-key controller on a break timer of its own (BreakSchedulerRig: a fake clock from
// Tuesday 2025-03-04 09:00, a one-minute interval unless the stored settings say otherwise)
// with the fake hot keys unless the test hands in others, and a login item that finds no
// entry unless one is given. What the window manager would do is counted, and
// `breakShowing` says whether a break is on screen.
struct ShortcutRig : BreakSchedulerRig
{
    explicit ShortcutRig(const QVariantMap &stored = {}, GlobalHotKeys *hotKeys = nullptr,
                         LoginItem loginItem = LoginItem(QString()));

    // The runtime services started, as the launch coordinator starts the hot keys.
    void startRuntime();

    FakeGlobalHotKeys fakeHotKeys;
    int skipsOfBreakOnScreen = 0;
    int settingsOpened = 0;
    ShortcutController controller;
};
