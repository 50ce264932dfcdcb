#include "core/InMemorySettingsRepository.h"
#include "core/SystemClock.h"
#include "core/ThemeManager.h"
#include "menubar/FloatingHUD.h"
#include "menubar/HUDContentView.h"
#include "menubar/HUDPlacement.h"
#include "menubar/HUDWindow.h"
#include "platform/linux/X11FloatingWindowSupport.h"
#include "settings_ui/panes/notifications/NotificationsDetailView.h"
#include "support/ReminderQueueRig.h"
#include "support/SettingsWindowRig.h"
#include "support/TestServices.h"

#include <QAbstractButton>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

// "Preview Notification" against a real X server (tests/services.sh): the sample goes up as
// the floating notice, on screen.
TEST(NotificationPreviewIntegrationTest, PreviewNotificationPutsTheSampleOnScreen)
{
    LUMENPAUSE_REQUIRE_TEST_SERVICES();
    SettingsWindowRig rig;
    rig.settings.setHeadsUpSeconds(45);
    SystemClock clock;
    InMemorySettingsRepository themeStore;
    ThemeManager theme(themeStore, nullptr);
    const auto support = X11FloatingWindowSupport::open(qgetenv("DISPLAY"));
    ASSERT_NE(support, nullptr);
    FloatingHUD hud(FloatingHUDServices{rig.settings, clock, theme, *support, nullptr,
                                        &HUDPlacement::screenUnderPointer});
    ReminderQueueRig reminders;
    ContentServices services = rig.services();
    services.hud = hud;
    services.reminders = reminders.queue;
    NotificationsDetailView pane(services);
    pane.show();

    QTest::mouseClick(pane.findChild<QAbstractButton *>("previewNotification"), Qt::LeftButton);
    ASSERT_TRUE(hud.window());
    EXPECT_TRUE(QTest::qWaitForWindowExposed(hud.window(), 5000));
    EXPECT_EQ(hud.window()->content()->titleLabel()->text(), "Break coming up in 45s");
    EXPECT_EQ(hud.window()->content()->subtitleLabel()->text(), "Finish your thought.");
    hud.dismiss(false);
}
