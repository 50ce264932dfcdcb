#include "platform/linux/PortalDesktopAppearance.h"
#include "support/DBusMockService.h"
#include "support/LogCapture.h"
#include "support/TestServices.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kInterface = QStringLiteral("org.freedesktop.portal.Settings");
constexpr int kTimeoutMs = 10000;

// A stand-in portal on the private session bus, stopped when the test ends however it ends.
class PortalMock : public DBusMockService
{
public:
    PortalMock()
        : DBusMockService(kService, kPath, kInterface)
    {
    }

    // Read answers with the value wrapped twice, as the real portal's Read does; without
    // `animations` it knows no animation setting and answers that key with an error.
    QString answerReadWith(uint colorScheme, std::optional<bool> animations = std::nullopt)
    {
        const QString animationsAnswer =
            animations ? QStringLiteral("dbus.Boolean(%1, variant_level=2)")
                             .arg(*animations ? QStringLiteral("True") : QStringLiteral("False"))
                       : QStringLiteral("(_ for _ in ()).throw(dbus.exceptions.DBusException("
                                        "'not found', name='org.freedesktop.portal.Error.NotFound'))");
        const QString code =
            QStringLiteral("ret = dbus.UInt32(%1, variant_level=2) "
                           "if args == ['org.freedesktop.appearance', 'color-scheme'] "
                           "else %2 if args == ['org.gnome.desktop.interface', 'enable-animations'] "
                           "else dbus.UInt32(0, variant_level=2)")
                .arg(colorScheme)
                .arg(animationsAnswer);
        return addMethod("Read", "ss", "v", code);
    }

    QString emitColorSchemeChange(const QString &settingNamespace, uint colorScheme)
    {
        // The signal's value is wrapped once: a variant holding the number.
        return emitSignal("SettingChanged", "ssv",
                          {settingNamespace, QStringLiteral("color-scheme"), colorScheme});
    }

    QString emitAnimationsChange(bool enabled)
    {
        return emitSignal("SettingChanged", "ssv",
                          {QStringLiteral("org.gnome.desktop.interface"),
                           QStringLiteral("enable-animations"), enabled});
    }
};

} // namespace

TEST(PortalDesktopAppearanceIntegrationTest, ReadsThePreferenceOnceAndFollowsItsChanges)
{
    LUMENPAUSE_REQUIRE_TEST_SERVICES();
    ASSERT_TRUE(QDBusConnection::sessionBus().isConnected());
    {
        // No portal on the bus: one warning, no preference.
        LogCapture log;
        PortalDesktopAppearance withoutPortal;
        ASSERT_TRUE(QTest::qWaitFor([&] { return log.warnings() > 0; }, kTimeoutMs));
        EXPECT_EQ(withoutPortal.prefersDark(), std::nullopt);
        EXPECT_EQ(log.warnings(), 1);
    }

    PortalMock portal;
    ASSERT_TRUE(portal.waitUntilOnTheBus()) << "the portal mock did not come up";
    ASSERT_EQ(portal.answerReadWith(1), QString());

    LogCapture log;
    PortalDesktopAppearance appearance;
    QSignalSpy changes(&appearance, &DesktopAppearance::prefersDarkChanged);
    ASSERT_TRUE(changes.wait(kTimeoutMs)) << "the initial read never arrived";
    EXPECT_EQ(appearance.prefersDark(), true);

    // Another setting of the portal changes nothing here.
    ASSERT_EQ(portal.emitColorSchemeChange("org.example.other", 2), QString());
    ASSERT_EQ(portal.emitColorSchemeChange("org.freedesktop.appearance", 2), QString());
    ASSERT_TRUE(changes.wait(kTimeoutMs)) << "the change signal was not followed";
    EXPECT_EQ(appearance.prefersDark(), false);
    EXPECT_EQ(changes.count(), 2);

    ASSERT_EQ(portal.emitColorSchemeChange("org.freedesktop.appearance", 0), QString());
    ASSERT_TRUE(changes.wait(kTimeoutMs));
    EXPECT_EQ(appearance.prefersDark(), std::nullopt);
    EXPECT_EQ(log.warnings(), 0);
}

TEST(PortalDesktopAppearanceIntegrationTest, FollowsTheDesktopsAnimationSwitchAndAnimatesWhenItIsMissing)
{
    LUMENPAUSE_REQUIRE_TEST_SERVICES();
    PortalMock portal;
    ASSERT_TRUE(portal.waitUntilOnTheBus()) << "the portal mock did not come up";
    {
        // A portal without the key: animations stay on, and no warning for it.
        ASSERT_EQ(portal.answerReadWith(2), QString());
        LogCapture log;
        PortalDesktopAppearance appearance;
        QSignalSpy scheme(&appearance, &DesktopAppearance::prefersDarkChanged);
        ASSERT_TRUE(scheme.wait(kTimeoutMs));
        // The portal answers in order: once it has answered a later call, its answer to the
        // animation read has been delivered too.
        QDBusMessage later = QDBusMessage::createMethodCall(kService, kPath, kInterface, "Read");
        later.setArguments({QStringLiteral("org.freedesktop.appearance"), QStringLiteral("color-scheme")});
        QDBusConnection::sessionBus().call(later);
        QCoreApplication::processEvents();
        EXPECT_TRUE(appearance.animationsEnabled());
        EXPECT_EQ(log.warnings(), 0);
    }

    ASSERT_EQ(portal.answerReadWith(2, false), QString());
    PortalDesktopAppearance appearance;
    QSignalSpy changes(&appearance, &DesktopAppearance::animationsEnabledChanged);
    ASSERT_TRUE(changes.wait(kTimeoutMs)) << "the initial read never arrived";
    EXPECT_FALSE(appearance.animationsEnabled());
    ASSERT_EQ(portal.emitAnimationsChange(true), QString());
    ASSERT_TRUE(changes.wait(kTimeoutMs)) << "the change signal was not followed";
    EXPECT_TRUE(appearance.animationsEnabled());
}
