#include "settings_ui/components/Motion.h"
#include "settings_ui/window/ContentView.h"
#include "settings_ui/window/DetailView.h"
#include "support/BreakScreenRig.h"
#include "support/SettingsWindowRig.h"
#include "support/WindowShortcutRig.h"

#include <QAbstractAnimation>
#include <QAbstractButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

// The General, Advanced, About and Shortcuts panes in the whole window, with motion on.

TEST(AppPanesWindowTest, AHiddenWindowLeavesNothingOfThePanesRunning)
{
    SettingsWindowRig rig;
    WindowShortcutRig shortcuts(rig);
    ContentView view(shortcuts.services());
    view.resize(880, 820);
    view.show();
    // Each pane mid-way through what a click sets moving: a section fading, a switch sliding,
    // the share mark waiting for its reset.
    const std::pair<SidebarSection, const char *> clicks[] = {
        {SidebarSection::general, "menuBarShowTimer"},
        {SidebarSection::advanced, "autoSkipBatteryLow"},
        {SidebarSection::shortcuts, "shortcutsEnabled"},
        {SidebarSection::about, "share"},
    };
    const auto running = [&] {
        int count = 0;
        for (const QAbstractAnimation *animation : view.findChildren<QAbstractAnimation *>())
            count += animation->state() == QAbstractAnimation::Running;
        for (const QTimer *timer : view.findChildren<QTimer *>())
            count += timer->isActive();
        return count + int(rig.clock.scheduledBlocks().size());
    };
    for (const auto &[section, control] : clicks) {
        SCOPED_TRACE(control);
        view.setSelectedSection(section);
        BreakScreenRig::flushDeletions();
        QWidget *pane = view.detail()->pane();
        QTest::mouseClick(pane->findChild<QAbstractButton *>(control), Qt::LeftButton);
        // The store's own save waits on the same fake clock; it is not the pane's.
        rig.store.flush();
        ASSERT_GT(running(), 0);
        view.hide();
        EXPECT_EQ(running(), 0);
        view.show();
    }
    EXPECT_EQ(view.detail()->pane()->findChild<QAbstractButton *>("share")->accessibleDescription(), "Copy link");
}
