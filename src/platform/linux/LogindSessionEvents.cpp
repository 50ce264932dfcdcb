#include "platform/linux/LogindSessionEvents.h"

#include "core/Logger.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusUnixFileDescriptor>
#include <QDBusVariant>

#include <fcntl.h>
#include <unistd.h>

#include <optional>
#include <utility>

namespace {

const QString kLogindService = QStringLiteral("org.freedesktop.login1");
const QString kManagerPath = QStringLiteral("/org/freedesktop/login1");
const QString kManagerInterface = QStringLiteral("org.freedesktop.login1.Manager");
const QString kSessionInterface = QStringLiteral("org.freedesktop.login1.Session");
const QString kPropertiesInterface = QStringLiteral("org.freedesktop.DBus.Properties");
const QString kScreenSaverInterface = QStringLiteral("org.freedesktop.ScreenSaver");
const QString kActive = QStringLiteral("Active");
const QString kLockedHint = QStringLiteral("LockedHint");
const QString kCategory = QStringLiteral("SessionEvents");

// Property values arrive as variants; some services wrap them more than once.
constexpr int kMaxVariantDepth = 4;

std::optional<bool> boolFrom(QVariant value)
{
    const QMetaType wrapped = QMetaType::fromType<QDBusVariant>();
    for (int depth = 0; depth < kMaxVariantDepth && value.metaType() == wrapped; ++depth)
        value = value.value<QDBusVariant>().variant();
    if (value.metaType() != QMetaType::fromType<bool>())
        return std::nullopt;
    return value.toBool();
}

void logHeard(const QString &source, bool inactive)
{
    logDebug(kCategory, formatLogEvent(QStringLiteral("session_state_heard"),
                                       {{QStringLiteral("source"), source},
                                        {QStringLiteral("inactive"), formatBoolForLog(inactive)}}));
}

} // namespace

LogindSessionEvents::LogindSessionEvents(const QDBusConnection &systemBus,
                                         const QDBusConnection &sessionBus,
                                         const QString &sessionId, QObject *parent)
    : SessionEvents(parent)
    , m_systemBus(systemBus)
{
    // Any screen saver, at any path: desktops publish it at different object paths and
    // under their own bus names.
    QDBusConnection screenSaverBus = sessionBus;
    if (screenSaverBus.isConnected())
        screenSaverBus.connect(QString(), QString(), kScreenSaverInterface,
                               QStringLiteral("ActiveChanged"), this,
                               SLOT(onScreenSaverActiveChanged(bool)));
    else
        logDebug(kCategory, QStringLiteral("No session bus: the screen saver is not followed"));

    if (!m_systemBus.isConnected()) {
        warnLogindUnavailable(QStringLiteral("no system bus"));
        return;
    }
    m_systemBus.connect(kLogindService, kManagerPath, kManagerInterface,
                        QStringLiteral("PrepareForSleep"), this, SLOT(onPrepareForSleep(bool)));
    takeSleepInhibitor();
    findSession(sessionId);
}

LogindSessionEvents::~LogindSessionEvents()
{
    releaseSleepInhibitor();
}

void LogindSessionEvents::onPrepareForSleep(bool start)
{
    if (start) {
        if (m_sleeping)
            return;
        m_sleeping = true;
        // Direct connections: every consumer has acted once emit returns, and only then may
        // the machine go to sleep.
        emit systemWillSleep();
        releaseSleepInhibitor();
        return;
    }
    if (m_sleeping) {
        m_sleeping = false;
        emit systemDidWake();
    }
    takeSleepInhibitor();
}

void LogindSessionEvents::takeSleepInhibitor()
{
    if (m_inhibitorFd >= 0 || m_inhibitorRequested)
        return;
    m_inhibitorRequested = true;
    QDBusMessage call = QDBusMessage::createMethodCall(
        kLogindService, kManagerPath, kManagerInterface, QStringLiteral("Inhibit"));
    call.setArguments({QStringLiteral("sleep"), QStringLiteral("Lumenpause"),
                       QStringLiteral("Pause the break timer before sleep"),
                       QStringLiteral("delay")});
    auto *watcher = new QDBusPendingCallWatcher(m_systemBus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            &LogindSessionEvents::onInhibitorReply);
}

void LogindSessionEvents::onInhibitorReply(QDBusPendingCallWatcher *watcher)
{
    // The reply holds copies of the descriptor until the watcher goes; only the one kept
    // below may outlive this turn of the event loop.
    watcher->deleteLater();
    m_inhibitorRequested = false;
    const QDBusPendingReply<QDBusUnixFileDescriptor> reply = *watcher;
    if (reply.isError()) {
        warnLogindUnavailable(reply.error().message());
        return;
    }
    if (!reply.value().isValid()) {
        warnLogindUnavailable(QStringLiteral("the sleep inhibitor came without a descriptor"));
        return;
    }
    // Sleep began while the request was on its way: holding the inhibitor now would only
    // delay it. A new one is taken at wake.
    if (m_sleeping)
        return;
    m_inhibitorFd = fcntl(reply.value().fileDescriptor(), F_DUPFD_CLOEXEC, 0);
    if (m_inhibitorFd < 0)
        warnLogindUnavailable(QStringLiteral("the sleep inhibitor could not be kept"));
    else
        logDebug(kCategory, formatLogEvent(QStringLiteral("sleep_inhibitor_taken")));
}

void LogindSessionEvents::releaseSleepInhibitor()
{
    if (m_inhibitorFd < 0)
        return;
    ::close(m_inhibitorFd);
    m_inhibitorFd = -1;
    logDebug(kCategory, formatLogEvent(QStringLiteral("sleep_inhibitor_released")));
}

void LogindSessionEvents::findSession(const QString &sessionId)
{
    QDBusMessage call;
    if (!sessionId.isEmpty()) {
        call = QDBusMessage::createMethodCall(kLogindService, kManagerPath, kManagerInterface,
                                              QStringLiteral("GetSession"));
        call.setArguments({sessionId});
    } else {
        call = QDBusMessage::createMethodCall(kLogindService, kManagerPath, kManagerInterface,
                                              QStringLiteral("GetSessionByPID"));
        call.setArguments({uint(QCoreApplication::applicationPid())});
    }
    auto *watcher = new QDBusPendingCallWatcher(m_systemBus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            &LogindSessionEvents::onSessionFound);
}

void LogindSessionEvents::onSessionFound(QDBusPendingCallWatcher *watcher)
{
    watcher->deleteLater();
    const QDBusPendingReply<QDBusObjectPath> reply = *watcher;
    if (reply.isError()) {
        warnLogindUnavailable(reply.error().message());
        return;
    }
    m_sessionPath = reply.value().path();
    // Listening first: a change between the read and its reply must not be missed.
    m_systemBus.connect(kLogindService, m_sessionPath, kPropertiesInterface,
                        QStringLiteral("PropertiesChanged"), this,
                        SLOT(onSessionPropertiesChanged(QString, QVariantMap, QStringList)));
    m_systemBus.connect(kLogindService, m_sessionPath, kSessionInterface, QStringLiteral("Lock"),
                        this, SLOT(onSessionLock()));
    m_systemBus.connect(kLogindService, m_sessionPath, kSessionInterface,
                        QStringLiteral("Unlock"), this, SLOT(onSessionUnlock()));
    QDBusMessage read = QDBusMessage::createMethodCall(kLogindService, m_sessionPath,
                                                       kPropertiesInterface,
                                                       QStringLiteral("GetAll"));
    read.setArguments({kSessionInterface});
    auto *readWatcher = new QDBusPendingCallWatcher(m_systemBus.asyncCall(read), this);
    connect(readWatcher, &QDBusPendingCallWatcher::finished, this,
            &LogindSessionEvents::onSessionRead);
}

void LogindSessionEvents::onSessionRead(QDBusPendingCallWatcher *watcher)
{
    watcher->deleteLater();
    const QDBusPendingReply<QVariantMap> reply = *watcher;
    if (reply.isError()) {
        warnLogindUnavailable(reply.error().message());
        return;
    }
    const QVariantMap properties = reply.value();
    const std::optional<bool> active = boolFrom(properties.value(kActive));
    const std::optional<bool> locked = boolFrom(properties.value(kLockedHint));
    if (active && !m_heardActive)
        m_logindActive = *active;
    if (locked && !m_heardLocked)
        m_logindLocked = *locked;
    const LogFields fields = {{QStringLiteral("path"), m_sessionPath},
                              {QStringLiteral("active"), formatBoolForLog(m_logindActive)},
                              {QStringLiteral("locked"), formatBoolForLog(m_logindLocked)}};
    logDebug(kCategory, formatLogEvent(QStringLiteral("logind_session_followed"), fields));
    reportSessionState();
}

void LogindSessionEvents::onSessionPropertiesChanged(const QString &interface,
                                                     const QVariantMap &changed,
                                                     const QStringList &)
{
    if (interface != kSessionInterface)
        return;
    const std::optional<bool> active = boolFrom(changed.value(kActive));
    const std::optional<bool> locked = boolFrom(changed.value(kLockedHint));
    if (!active && !locked)
        return; // idle hints and the like
    if (active) {
        m_heardActive = true;
        m_logindActive = *active;
        logHeard(QStringLiteral("logind_active"), !*active);
    }
    if (locked)
        setLogindLocked(*locked, QStringLiteral("logind_locked_hint"));
    reportSessionState();
}

// The manager's Lock asks the session's screen locker to lock and Unlock to unlock; the
// locker then sets the hint. A locker that unlocks by itself sends no Unlock, so the latest
// word from either counts.
void LogindSessionEvents::onSessionLock()
{
    setLogindLocked(true, QStringLiteral("logind_lock"));
    reportSessionState();
}

void LogindSessionEvents::onSessionUnlock()
{
    setLogindLocked(false, QStringLiteral("logind_unlock"));
    reportSessionState();
}

void LogindSessionEvents::setLogindLocked(bool locked, const QString &source)
{
    m_heardLocked = true;
    m_logindLocked = locked;
    logHeard(source, locked);
}

void LogindSessionEvents::onScreenSaverActiveChanged(bool active)
{
    m_screenSaverActive = active;
    logHeard(QStringLiteral("screensaver"), active);
    reportSessionState();
}

void LogindSessionEvents::reportSessionState()
{
    const bool inactive = !m_logindActive || m_logindLocked || m_screenSaverActive;
    if (inactive == m_reportedInactive)
        return;
    m_reportedInactive = inactive;
    if (inactive)
        emit sessionDidResignActive();
    else
        emit sessionDidBecomeActive();
}

void LogindSessionEvents::warnLogindUnavailable(const QString &reason)
{
    // The sleep and session calls usually fail together, for the same reason.
    if (std::exchange(m_warned, true))
        return;
    logWarn(kCategory, formatLogEvent(QStringLiteral("logind_unavailable"),
                                      {{QStringLiteral("reason"), reason}}));
}
