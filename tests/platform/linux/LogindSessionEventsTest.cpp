#include "platform/linux/LogindSessionEvents.h"
#include "support/LogCapture.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QSignalSpy>

#include <gtest/gtest.h>

// Unit tests run with both buses disabled, as on a machine without them.
TEST(LogindSessionEventsTest, WithoutBusesOneWarningAndNothingIsEverReported)
{
    LogCapture log;
    LogindSessionEvents events(QDBusConnection::systemBus(), QDBusConnection::sessionBus(),
                               QStringLiteral("c1"));
    QSignalSpy willSleep(&events, &SessionEvents::systemWillSleep);
    QSignalSpy didWake(&events, &SessionEvents::systemDidWake);
    QSignalSpy resigned(&events, &SessionEvents::sessionDidResignActive);
    QSignalSpy became(&events, &SessionEvents::sessionDidBecomeActive);
    QCoreApplication::processEvents();

    QStringList warnings;
    for (const LogRecord &record : log.records()) {
        if (record.level == LogLevel::Warn)
            warnings.append(record.category + QLatin1Char(' ') + record.message);
    }
    ASSERT_EQ(warnings.size(), 1) << warnings.join('\n').toStdString();
    EXPECT_TRUE(warnings.constFirst().startsWith("SessionEvents logind_unavailable | "))
        << warnings.constFirst().toStdString();
    EXPECT_EQ(willSleep.size() + didWake.size() + resigned.size() + became.size(), 0);
}
