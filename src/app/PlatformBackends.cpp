#include "app/PlatformBackends.h"

#include "breakscreen/BreakScreenServices.h"
#include "core/Logger.h"
#include "core/SystemClock.h"
#include "core/SystemProviders.h"
#include "detection/MeetingSignalMonitor.h"
#include "menubar/FloatingHUD.h"
#include "menubar/ShortcutController.h"
#include "menubar/UnavailableGlobalHotKeys.h"
#include "platform/linux/LinuxMeetingSignalSource.h"
#include "platform/linux/LogindSessionEvents.h"
#include "platform/linux/MutterInputState.h"
#include "platform/linux/SystemBatteryProvider.h"
#include "platform/linux/X11DisplayState.h"
#include "platform/linux/X11FloatingWindowSupport.h"
#include "platform/linux/X11GlobalHotKeys.h"
#include "platform/linux/X11InputState.h"
#include "platform/linux/X11PanelStackingMonitor.h"

#include <QDBusConnection>
#include <QGuiApplication>
#include <QStringList>

namespace {

const QString kInputCategory = QStringLiteral("InputState");
const QString kDisplayCategory = QStringLiteral("DisplayState");

void logSource(const QString &category, const QString &event, const QString &source)
{
    logInfo(category, formatLogEvent(event, {{QStringLiteral("source"), source}}));
}

QString whyNoX11(const PlatformBackends::Session &session)
{
    if (session.wayland)
        return QStringLiteral("Wayland session");
    if (session.x11Display.isEmpty())
        return QStringLiteral("no X display");
    return QString();
}

// The floating notice's windows are the toolkit's, so their support follows the window
// system the toolkit draws on, not the session's. Null when there is none.
const FloatingWindowSupport *chooseFloatingWindowSupport()
{
    const QString platform = QGuiApplication::platformName();
    QString failure = QStringLiteral("toolkit platform ") + platform;
    if (platform == QLatin1String("xcb")) {
        if (std::unique_ptr<X11FloatingWindowSupport> x11 =
                X11FloatingWindowSupport::open(qgetenv("DISPLAY"), &failure)) {
            logSource(QStringLiteral("HUD"), QStringLiteral("floating_window_support"),
                      QStringLiteral("x11"));
            return x11.release();
        }
    }
    logWarn(QStringLiteral("HUD"),
            formatLogEvent(QStringLiteral("floating_window_support_unavailable"),
                           {{QStringLiteral("reason"), failure}}));
    return nullptr;
}

// Under Wayland the X server is a compatibility layer that hears a grabbed key only while
// one of its own windows has the keyboard, so hot keys would work by chance: none are offered.
GlobalHotKeys *chooseGlobalHotKeys(const PlatformBackends::Session &session)
{
    if (session.wayland)
        return new UnavailableGlobalHotKeys(QStringLiteral("Wayland"));
    if (session.x11Display.isEmpty())
        return new UnavailableGlobalHotKeys(QStringLiteral("no X display"));
    return new X11GlobalHotKeys(session.x11Display);
}

// The activity signals run on the monitor's own queue; their connections are made there when
// detection first starts, so nothing here waits on the sound server, X or a bus.
void installMeetingSignalSource(const PlatformBackends::Session &session)
{
    LinuxMeetingSignalSource::Options options;
    options.x11Display = session.x11Display;
    options.wayland = session.wayland;
    // Kept for the whole process, like the queue it lives on.
    static LinuxMeetingSignalSource *const source =
        new LinuxMeetingSignalSource(MeetingSignalMonitor::sharedQueue(), options);
    MeetingSignalMonitor::installSystemSource(source);
}

// The break panels are the toolkit's windows too: without a monitor they are raised again
// only when the focus, the screens or the session change. Null when there is none.
PanelStackingMonitor *chooseStackingMonitor()
{
    const QString platform = QGuiApplication::platformName();
    QString failure = QStringLiteral("toolkit platform ") + platform;
    if (platform == QLatin1String("xcb")) {
        if (std::unique_ptr<X11PanelStackingMonitor> x11 =
                X11PanelStackingMonitor::open(qgetenv("DISPLAY"), &failure)) {
            logSource(QStringLiteral("BreakWindow"), QStringLiteral("stacking_monitor"),
                      QStringLiteral("x11"));
            return x11.release();
        }
    }
    logWarn(QStringLiteral("BreakWindow"),
            formatLogEvent(QStringLiteral("stacking_monitor_unavailable"),
                           {{QStringLiteral("reason"), failure}}));
    return nullptr;
}

} // namespace

PlatformBackends::Session PlatformBackends::currentSession()
{
    Session session;
    session.x11Display = qgetenv("DISPLAY");
    session.wayland = !qgetenv("WAYLAND_DISPLAY").isEmpty()
                      || qgetenv("XDG_SESSION_TYPE") == QByteArrayLiteral("wayland");
    return session;
}

PlatformBackends::PlatformBackends(const Session &session, const QDBusConnection &sessionBus)
    : m_inputState(chooseInputState(session, sessionBus))
    , m_displayState(chooseDisplayState(session))
{
}

PlatformBackends::~PlatformBackends() = default;

std::unique_ptr<InputStateProvider> PlatformBackends::chooseInputState(const Session &session,
                                                                       const QDBusConnection &bus)
{
    QString x11Failure = whyNoX11(session);
    if (x11Failure.isEmpty()) {
        if (std::unique_ptr<X11InputState> x11 =
                X11InputState::open(session.x11Display, &x11Failure)) {
            logSource(kInputCategory, QStringLiteral("input_idle_source"), QStringLiteral("x11"));
            return x11;
        }
    }
    if (MutterInputState::isAvailable(bus)) {
        logSource(kInputCategory, QStringLiteral("input_idle_source"), QStringLiteral("mutter"));
        return std::make_unique<MutterInputState>(bus);
    }
    const QString reason = QStringList{QStringLiteral("x11: ") + x11Failure,
                                       QStringLiteral("mutter: no idle monitor on the session bus")}
                               .join(QStringLiteral("; "));
    logWarn(kInputCategory, formatLogEvent(QStringLiteral("input_idle_unavailable"),
                                           {{QStringLiteral("reason"), reason}}));
    return nullptr;
}

std::unique_ptr<DisplayStateProvider> PlatformBackends::chooseDisplayState(const Session &session)
{
    QString failure = whyNoX11(session);
    if (failure.isEmpty()) {
        if (std::unique_ptr<X11DisplayState> x11 =
                X11DisplayState::open(session.x11Display, &failure)) {
            logSource(kDisplayCategory, QStringLiteral("display_state_source"),
                      QStringLiteral("x11"));
            return x11;
        }
    }
    logWarn(kDisplayCategory, formatLogEvent(QStringLiteral("display_state_unavailable"),
                                             {{QStringLiteral("reason"), failure}}));
    return nullptr;
}

void installSystemProviders()
{
    // Kept for the whole process, never destroyed: the schedulers read these providers until
    // the end, and the connections close with the process.
    static PlatformBackends *const backends =
        new PlatformBackends(PlatformBackends::currentSession(), QDBusConnection::sessionBus());
    static SystemClock *const batteryClock = new SystemClock;
    static SystemBatteryProvider *const battery = new SystemBatteryProvider(*batteryClock);
    // Never destroyed, so its sleep inhibitor is held until the process ends.
    static LogindSessionEvents *const sessionEvents =
        new LogindSessionEvents(QDBusConnection::systemBus(), QDBusConnection::sessionBus(),
                                qEnvironmentVariable("XDG_SESSION_ID"));
    SystemProviders::install(backends->inputState(), backends->displayState(), battery,
                             sessionEvents);
    installMeetingSignalSource(PlatformBackends::currentSession());
    // Kept for the whole process, like the notice that uses it.
    static const FloatingWindowSupport *const floatingWindows = chooseFloatingWindowSupport();
    FloatingHUD::setSharedWindowSupport(floatingWindows);
    static PanelStackingMonitor *const stacking = chooseStackingMonitor();
    BreakScreenServices::setSharedStackingMonitor(stacking);
    // Kept for the whole process, like the controller that registers its keys.
    static GlobalHotKeys *const hotKeys = chooseGlobalHotKeys(PlatformBackends::currentSession());
    ShortcutController::setSharedHotKeys(hotKeys);
}
