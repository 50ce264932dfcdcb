#include "platform/linux/PortalDesktopAppearance.h"
#include "support/LogCapture.h"
#include "support/TestServices.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kInterface = QStringLiteral("org.freedesktop.portal.Settings");
const QString kMockInterface = QStringLiteral("org.freedesktop.DBus.Mock");
constexpr int kTimeoutMs = 10000;

// A stand-in portal on the private session bus, stopped when the test ends however it ends.
class PortalMock
{
public:
    PortalMock()
    {
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start(QStringLiteral("/usr/bin/python3"),
                        {"-m", "dbusmock", "--session", kService, kPath, kInterface});
    }

    ~PortalMock()
    {
        m_process.terminate();
        if (!m_process.waitForFinished(kTimeoutMs))
            m_process.kill();
        m_process.waitForFinished(kTimeoutMs);
    }

    bool waitUntilOnTheBus()
    {
        QDBusConnectionInterface *bus = QDBusConnection::sessionBus().interface();
        return QTest::qWaitFor(
            [&] {
                return m_process.state() == QProcess::Running
                       && bus->isServiceRegistered(kService).value();
            },
            kTimeoutMs);
    }

    // Read answers with the value wrapped twice, as the real portal's Read does.
    QString answerReadWith(uint colorScheme)
    {
        const QString code =
            QStringLiteral("ret = dbus.UInt32(%1, variant_level=2) "
                           "if args == ['org.freedesktop.appearance', 'color-scheme'] "
                           "else dbus.UInt32(0, variant_level=2)")
                .arg(colorScheme);
        return callMock("AddMethod", {kInterface, "Read", "ss", "v", code});
    }

    QString emitColorSchemeChange(const QString &settingNamespace, uint colorScheme)
    {
        // The signal's value is wrapped once: a variant holding the number.
        const QVariantList signalArguments = {settingNamespace, QStringLiteral("color-scheme"),
                                              colorScheme};
        return callMock("EmitSignal", {kInterface, "SettingChanged", "ssv",
                                       QVariant::fromValue(signalArguments)});
    }

private:
    // The error text, empty on success.
    static QString callMock(const QString &method, const QVariantList &arguments)
    {
        QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kMockInterface, method);
        call.setArguments(arguments);
        const QDBusMessage reply =
            QDBusConnection::sessionBus().call(call, QDBus::Block, kTimeoutMs);
        return reply.type() == QDBusMessage::ErrorMessage ? reply.errorMessage() : QString();
    }

    QProcess m_process;
};

int warningCount(const LogCapture &log)
{
    int count = 0;
    for (const LogRecord &record : log.records())
        count += record.level == LogLevel::Warn ? 1 : 0;
    return count;
}

} // namespace

TEST(PortalDesktopAppearanceIntegrationTest, ReadsThePreferenceOnceAndFollowsItsChanges)
{
    LUMENPAUSE_REQUIRE_TEST_SERVICES();
    ASSERT_TRUE(QDBusConnection::sessionBus().isConnected());
    {
        // No portal on the bus: one warning, no preference.
        LogCapture log;
        PortalDesktopAppearance withoutPortal;
        ASSERT_TRUE(QTest::qWaitFor([&] { return warningCount(log) > 0; }, kTimeoutMs));
        EXPECT_EQ(withoutPortal.prefersDark(), std::nullopt);
        EXPECT_EQ(warningCount(log), 1);
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
    EXPECT_EQ(warningCount(log), 0);
}
