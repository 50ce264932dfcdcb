#include "app/PlatformBackends.h"
#include "core/SystemProviders.h"
#include "platform/linux/LogindSessionEvents.h"
#include "platform/linux/MutterInputState.h"
#include "platform/linux/X11DisplayState.h"
#include "platform/linux/X11InputState.h"
#include "support/DBusMockService.h"
#include "support/LogCapture.h"
#include "support/TestServices.h"

#include <QDBusConnection>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// No X server listens there; connecting fails at once.
const QByteArray kClosedDisplay = QByteArrayLiteral(":4099");

QStringList warnings(const LogCapture &log)
{
    QStringList result;
    for (const LogRecord &record : log.records()) {
        if (record.level == LogLevel::Warn)
            result.append(record.category + QLatin1Char(' ') + record.message);
    }
    return result;
}

bool startsWithEvent(const QStringList &lines, const QString &prefix)
{
    return std::any_of(lines.begin(), lines.end(),
                       [&](const QString &line) { return line.startsWith(prefix); });
}

class IdleMonitorMock : public DBusMockService
{
public:
    IdleMonitorMock()
        : DBusMockService(QStringLiteral("org.gnome.Mutter.IdleMonitor"),
                          QStringLiteral("/org/gnome/Mutter/IdleMonitor/Core"),
                          QStringLiteral("org.gnome.Mutter.IdleMonitor"))
    {
    }
};

} // namespace

TEST(PlatformBackendsIntegrationTest, AnXServerServesBothReadings)
{
    LUMENPAUSE_REQUIRE_TEST_SERVICES();
    LogCapture log;
    const PlatformBackends backends({qgetenv("DISPLAY"), false}, QDBusConnection::sessionBus());
    EXPECT_NE(dynamic_cast<X11InputState *>(backends.inputState()), nullptr);
    EXPECT_NE(dynamic_cast<X11DisplayState *>(backends.displayState()), nullptr);
    EXPECT_TRUE(warnings(log).isEmpty()) << warnings(log).join('\n').toStdString();
}

TEST(PlatformBackendsIntegrationTest, WithoutAnyReadingEachMissingOneWarnsOnce)
{
    LUMENPAUSE_REQUIRE_TEST_SERVICES();
    for (const QByteArray &display : {QByteArray(), kClosedDisplay}) {
        LogCapture log;
        const PlatformBackends backends({display, false}, QDBusConnection::sessionBus());
        EXPECT_EQ(backends.inputState(), nullptr);
        EXPECT_EQ(backends.displayState(), nullptr);
        const QStringList lines = warnings(log);
        EXPECT_EQ(lines.size(), 2) << lines.join('\n').toStdString();
        EXPECT_TRUE(startsWithEvent(lines, "InputState input_idle_unavailable | "));
        EXPECT_TRUE(startsWithEvent(lines, "DisplayState display_state_unavailable | "));
    }
}

TEST(PlatformBackendsIntegrationTest, TheCompositorsIdleMonitorStandsInWhereXCannotSeeTheInput)
{
    LUMENPAUSE_REQUIRE_TEST_SERVICES();
    IdleMonitorMock monitor;
    ASSERT_TRUE(monitor.waitUntilOnTheBus());
    ASSERT_EQ(monitor.addMethod("GetIdletime", "", "t", "ret = 7000"), QString());

    // No X server at all; and a Wayland session, whose X server sees only input sent to X
    // windows, even though its display opens.
    const QList<PlatformBackends::Session> sessions = {{kClosedDisplay, false},
                                                       {qgetenv("DISPLAY"), true}};
    for (const PlatformBackends::Session &session : sessions) {
        LogCapture log;
        const PlatformBackends backends(session, QDBusConnection::sessionBus());
        ASSERT_NE(dynamic_cast<MutterInputState *>(backends.inputState()), nullptr);
        EXPECT_DOUBLE_EQ(backends.inputState()->secondsSinceKeyboardActivity(), 7.0);
        EXPECT_EQ(backends.displayState(), nullptr);
        const QStringList lines = warnings(log);
        EXPECT_EQ(lines.size(), 1) << lines.join('\n').toStdString();
        EXPECT_TRUE(startsWithEvent(lines, "DisplayState display_state_unavailable | "));
    }
}

TEST(PlatformBackendsIntegrationTest, InstallingPutsTheDesktopsReadingsInPlaceOnce)
{
    LUMENPAUSE_REQUIRE_TEST_SERVICES();
    LogCapture log;
    installSystemProviders();
    InputStateProvider *input = &SystemProviders::inputState();
    DisplayStateProvider *display = &SystemProviders::displayState();
    SessionEvents *sessionEvents = &SystemProviders::sessionEvents();
    EXPECT_NE(dynamic_cast<X11InputState *>(input), nullptr);
    EXPECT_NE(dynamic_cast<X11DisplayState *>(display), nullptr);
    EXPECT_NE(dynamic_cast<LogindSessionEvents *>(sessionEvents), nullptr);

    installSystemProviders();
    EXPECT_EQ(&SystemProviders::inputState(), input);
    EXPECT_EQ(&SystemProviders::displayState(), display);
    EXPECT_EQ(&SystemProviders::sessionEvents(), sessionEvents);
    // The session events follow the session the services exported and hold the machine
    // awake for the will-sleep step; their start-up calls finish before the test ends.
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            const QStringList lines = log.messages(QStringLiteral("SessionEvents"));
            return startsWithEvent(lines, "sleep_inhibitor_taken")
                   && startsWithEvent(lines, "logind_session_followed | ");
        },
        10000));
}
