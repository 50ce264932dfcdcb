#include "scheduling/BreakScheduler.h"

#include "core/AppSettings.h"
#include "core/Clock.h"
#include "core/SessionEvents.h"

#include <QGuiApplication>
#include <QScreen>

#include <utility>

namespace {

const QString category = QStringLiteral("BreakScheduler");

} // namespace

// Sleep and wake are not followed here: the launch coordinator calls systemWillSleep() and
// systemDidWake() itself, so they run in its order with the other runtime services.
void BreakScheduler::installLifecycleObservers()
{
    connect(&m_services.sessionEvents, &SessionEvents::sessionDidResignActive, this,
            &BreakScheduler::sessionDidResignActive);
    connect(&m_services.sessionEvents, &SessionEvents::sessionDidBecomeActive, this,
            &BreakScheduler::sessionDidBecomeActive);
    if (!qGuiApp)
        return;
    connect(qGuiApp, &QGuiApplication::screenAdded, this, [this](QScreen *screen) {
        watchScreen(screen);
        queueScreenCheck();
    });
    connect(qGuiApp, &QGuiApplication::screenRemoved, this, &BreakScheduler::queueScreenCheck);
    for (QScreen *screen : QGuiApplication::screens())
        watchScreen(screen);
}

// A resolution or arrangement change keeps the count; it is looked at all the same, as any
// screen change is.
void BreakScheduler::watchScreen(QScreen *screen)
{
    connect(screen, &QScreen::geometryChanged, this, &BreakScheduler::queueScreenCheck);
}

// Counted once the event has been handled everywhere: a removed screen may still be in the
// application's list while its removal is being announced.
void BreakScheduler::queueScreenCheck()
{
    QMetaObject::invokeMethod(this, &BreakScheduler::screenParametersDidChange,
                              Qt::QueuedConnection);
}

int BreakScheduler::screenCount() const
{
    if (m_services.screenCount)
        return m_services.screenCount();
    return qGuiApp ? int(QGuiApplication::screens().size()) : 0;
}

// The count follows the screens down as well as up: after an unplug, plugging the display in
// again is a connection, and clears the disconnect time.
void BreakScheduler::screenParametersDidChange()
{
    const int count = screenCount();
    if (count > m_maxScreenCountThisSession) {
        m_maxScreenCountThisSession = count;
        m_lastDisplayDisconnectTime.reset();
        logInfo(category,
                QStringLiteral("Display connected - max screens this session: %1").arg(count));
    } else if (count < m_maxScreenCountThisSession) {
        m_lastDisplayDisconnectTime = m_services.clock.now();
        m_maxScreenCountThisSession = count;
        logInfo(category, QStringLiteral("Display disconnected - screens: %1").arg(count));
    }
}

// A locked or switched-away session is the user being away at once, without waiting for the
// idle timeout. Input does not end it while the session stays inactive.
void BreakScheduler::sessionDidResignActive()
{
    if (m_isScreenLocked)
        return;
    setIsScreenLocked(true);
    beginIdleForLockOrSleep();
    logInfo(category, QStringLiteral("Login session became inactive"));
}

// The away state is left to the idle step, which ends it at the first tick that sees input.
void BreakScheduler::sessionDidBecomeActive()
{
    if (!m_isScreenLocked)
        return;
    setIsScreenLocked(false);
    logInfo(category, QStringLiteral("Login session became active"));
}

// Sleep stops the tick but is no pause reason: wake decides whether it runs again. The time
// asleep counts as time away, because the away session measures on the clock's date rather
// than on the tick.
void BreakScheduler::systemWillSleep()
{
    if (m_isSystemSleeping)
        return;
    m_isSystemSleeping = true;
    m_wasRunningBeforeSleep = m_isRunning;
    beginIdleForLockOrSleep(); // it must still see the timer running
    cancelTick();
    setIsRunning(false);
    logEvent(LogLevel::Info, QStringLiteral("system_sleep_started"),
             {{QStringLiteral("awaySessionActive"), formatBoolForLog(m_awaySession.has_value())},
              {QStringLiteral("timerWasRunning"), formatBoolForLog(m_wasRunningBeforeSleep)}});
}

// A held pause, a break on screen, a wait for activity or the end of office hours each start
// the timer again through their own ends.
void BreakScheduler::systemDidWake()
{
    if (!m_isSystemSleeping && !m_wasRunningBeforeSleep)
        return;
    m_isSystemSleeping = false;
    const bool wasRunning = std::exchange(m_wasRunningBeforeSleep, false);
    if (!m_services.settings.startAfterWake()) {
        cancelTick();
        setIsRunning(false);
        // Only the tick ends an absence begun at sleep, and it stays stopped now: left alone,
        // the absence would keep reminders, planned breaks and typing health held for idle
        // until the user next starts the timer by hand.
        if (m_isSystemIdle || m_awaySession)
            cancelIdleTracking();
        logEvent(LogLevel::Info, QStringLiteral("wake_timer_stayed_stopped"));
        return;
    }
    if (!wasRunning || m_isPaused || m_activeBreakContext || m_isWaitingForActivity
        || !withinOfficeHours())
        return;
    setIsRunning(true);
    scheduleTick();
    logEvent(LogLevel::Info, QStringLiteral("wake_timer_resumed"),
             {{QStringLiteral("awaySessionActive"), formatBoolForLog(m_awaySession.has_value())}});
}
