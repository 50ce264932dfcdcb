#pragma once

#include <QObject>

class AppStateStore;

// How the application presents itself to the desktop. An accessory shows nothing but its
// tray item: no window of its own is up and it has no taskbar entry. A regular application
// has a normal, managed window in front of the user.
enum class ActivationPolicy { regular, accessory };

// The one place that switches the application between a background helper and a foreground
// application while a break or one of its windows is shown.
class ActivationController : public QObject
{
    Q_OBJECT
    Q_PROPERTY(ActivationPolicy activationPolicy READ activationPolicy
                   NOTIFY activationPolicyChanged)

public:
    explicit ActivationController(AppStateStore &appState, QObject *parent = nullptr);

    // Break mode comes with the break screen; until then it is never on.
    bool isInBreakMode() const { return m_isInBreakMode; }
    // A process starts as a regular application; the launch decides whether it stays one.
    ActivationPolicy activationPolicy() const { return m_activationPolicy; }

    // For a window the user opened. A break holds the screen, so in break mode this does
    // nothing: the break decides what comes back afterwards.
    void bringToForeground();
    // Once the application's windows are gone; does nothing in break mode, for the same reason.
    void sendToBackground();

signals:
    void activationPolicyChanged(ActivationPolicy policy);

private:
    void setActivationPolicy(ActivationPolicy policy);

    AppStateStore &m_appState;
    bool m_isInBreakMode = false;
    ActivationPolicy m_activationPolicy = ActivationPolicy::regular;
};
