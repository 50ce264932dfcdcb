#include "platform/linux/PortalDesktopAppearance.h"
#include "support/LogCapture.h"

#include <QDBusConnection>

#include <gtest/gtest.h>

// Unit tests run with the buses disabled, as on a machine with no session bus at all.
TEST(PortalDesktopAppearanceTest, WithoutASessionBusWarnsOnceAndStatesNoPreference)
{
    LogCapture log;
    const PortalDesktopAppearance appearance;
    EXPECT_FALSE(QDBusConnection::sessionBus().isConnected());
    EXPECT_EQ(appearance.prefersDark(), std::nullopt);

    QList<LogRecord> warnings;
    for (const LogRecord &record : log.records()) {
        if (record.level == LogLevel::Warn)
            warnings.append(record);
    }
    ASSERT_EQ(warnings.size(), 1);
    EXPECT_TRUE(warnings.at(0).message.startsWith("desktop_appearance_unavailable"))
        << warnings.at(0).message.toStdString();
}
