#pragma once

#include "core/SessionEvents.h"

#include <QDBusConnection>
#include <QVariantMap>

class QDBusPendingCallWatcher;

// Sleep, wake and the login session's state as the login manager on the system bus
// publishes them, with the desktop's screen saver on the session bus as a second opinion on
// the lock.
//
// Sleep: the manager announces PrepareForSleep(true) before the machine sleeps and waits for
// "delay" inhibitors to be released. One is held from the start, released right after the
// systemWillSleep() slots have returned and taken again after wake, so the break timer is
// stopped before the machine actually sleeps.
//
// Session: the login session of this process is inactive when the manager says it is not
// active or is locked (its LockedHint, or its Lock request until Unlock or a new hint), or
// when the screen saver says it is active. Any one of them is enough; a signal goes out
// only when that combined answer changes, so two sources seeing the same lock report it
// once.
//
// Nothing here waits on the bus: every call is asynchronous. Without a system bus or a login
// manager, one warning is logged and only the screen saver is followed.
class LogindSessionEvents : public SessionEvents
{
    Q_OBJECT

public:
    // `sessionId` is the login session to follow (XDG_SESSION_ID); empty looks up the
    // session this process belongs to.
    LogindSessionEvents(const QDBusConnection &systemBus, const QDBusConnection &sessionBus,
                        const QString &sessionId, QObject *parent = nullptr);
    ~LogindSessionEvents() override;

private slots:
    void onPrepareForSleep(bool start);
    void onSessionPropertiesChanged(const QString &interface, const QVariantMap &changed,
                                    const QStringList &invalidated);
    void onSessionLock();
    void onSessionUnlock();
    void onScreenSaverActiveChanged(bool active);

private:
    void takeSleepInhibitor();
    void onInhibitorReply(QDBusPendingCallWatcher *watcher);
    void releaseSleepInhibitor();
    void findSession(const QString &sessionId);
    void onSessionFound(QDBusPendingCallWatcher *watcher);
    void onSessionRead(QDBusPendingCallWatcher *watcher);
    void setLogindLocked(bool locked, const QString &source);
    void reportSessionState();
    void warnLogindUnavailable(const QString &reason);

    QDBusConnection m_systemBus;
    int m_inhibitorFd = -1;
    bool m_inhibitorRequested = false;
    bool m_sleeping = false;

    QString m_sessionPath;
    bool m_logindActive = true;
    bool m_logindLocked = false;
    bool m_screenSaverActive = false;
    // A signal carries news at least as fresh as the first read, which may still be on its
    // way; the read then leaves that value alone.
    bool m_heardActive = false;
    bool m_heardLocked = false;
    bool m_reportedInactive = false;

    bool m_warned = false;
};
