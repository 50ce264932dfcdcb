#pragma once

#include "menubar/ShortcutServices.h"

#include <QList>
#include <QObject>
#include <QString>

class GlobalHotKeys;

// The five global hot keys (Super+Alt with P, S, B, T and G), registered exactly while the
// runtime services run and the user has not switched them off, and turned into the
// operations the tray menu offers. Also mirrors whether the application opens at login, and
// changes it. Main thread only.
class ShortcutController : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool shortcutsEnabled READ shortcutsEnabled WRITE setShortcutsEnabled
                   NOTIFY shortcutsEnabledChanged)
    Q_PROPERTY(QString shortcutRegistrationError READ shortcutRegistrationError
                   NOTIFY shortcutRegistrationErrorChanged)
    Q_PROPERTY(bool launchAtLoginCached READ launchAtLoginCached NOTIFY launchAtLoginCachedChanged)
    Q_PROPERTY(QString launchAtLoginError READ launchAtLoginError NOTIFY launchAtLoginErrorChanged)
    Q_PROPERTY(bool isRuntimeStarted READ isRuntimeStarted WRITE setIsRuntimeStarted
                   NOTIFY isRuntimeStartedChanged)

public:
    // Registers the default of "shortcutsEnabled" (on), reads it, and reads the login
    // item's state. Registers no key.
    explicit ShortcutController(ShortcutServices services, QObject *parent = nullptr);

    // Made on first use and never destroyed, on the hot keys installed before then.
    static ShortcutController &shared();
    // The desktop's hot keys for the shared controller; until set, none can be heard. Must
    // outlive the process.
    static void setSharedHotKeys(GlobalHotKeys *hotKeys);

    bool shortcutsEnabled() const { return m_shortcutsEnabled; }
    // Stored on every assignment, then the registration follows.
    void setShortcutsEnabled(bool enabled);
    // Empty when the last registration went well.
    QString shortcutRegistrationError() const { return m_shortcutRegistrationError; }

    // While the runtime is not started, no hot key is registered again.
    bool isRuntimeStarted() const { return m_isRuntimeStarted; }
    void setIsRuntimeStarted(bool started);

    // Registers the keys while the runtime runs and they are wanted, unless some are
    // registered already; unregisters them otherwise.
    void updateHotKeyRegistration();
    // Starts afresh: everything unregistered, the error cleared, then the handler and the
    // five keys.
    void registerHotKeys();
    // Harmless when nothing is registered; the last error stays.
    void unregisterHotKeys();
    // What a press of the key with this id does; unknown ids do nothing. Office hours are
    // not asked, unlike the menu's actions.
    void perform(quint32 hotKeyID);

    const QList<quint32> &registeredHotKeyIDs() const { return m_hotKeys; }
    bool hasEventHandler() const { return m_hasEventHandler; }

    // Launch at login
    bool launchAtLoginCached() const { return m_launchAtLoginCached; }
    // Empty when there is nothing to tell the user.
    QString launchAtLoginError() const { return m_launchAtLoginError; }
    // Reads the login item's state into launchAtLoginCached and AppSettings' launchAtLogin.
    void refreshLaunchAtLoginStatus();
    // Registers (true) or removes (false) the login item; returns whether it is enabled
    // afterwards. A failure is logged and leaves a message, never reaches the caller.
    bool setLaunchAtLogin(bool wanted);

signals:
    void shortcutsEnabledChanged(bool shortcutsEnabled);
    void shortcutRegistrationErrorChanged(const QString &shortcutRegistrationError);
    void launchAtLoginCachedChanged(bool launchAtLoginCached);
    void launchAtLoginErrorChanged(const QString &launchAtLoginError);
    void isRuntimeStartedChanged(bool isRuntimeStarted);

private:
    void registerRows();
    void pauseOrResume();
    void skip();
    void skipBreakOnScreen();
    void toggleMenuBarTimer();
    void handleKeyboardMappingChanged();
    void setShortcutRegistrationError(const QString &error);
    void setLaunchAtLoginCached(bool cached);
    void setLaunchAtLoginError(const QString &error);

    ShortcutServices m_services;
    bool m_shortcutsEnabled = true;
    QString m_shortcutRegistrationError;
    bool m_launchAtLoginCached = false;
    QString m_launchAtLoginError;
    QList<quint32> m_hotKeys;
    bool m_hasEventHandler = false;
    bool m_regrabPending = false;
    bool m_isRuntimeStarted = false;
};
